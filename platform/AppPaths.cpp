#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overrideFolder() {
    static QString folder = qEnvironmentVariable("KORVELVBS_APPDIR");
    return folder;
}
}  // namespace

QString AppPaths::applicationFolder() {
    QString f = overrideFolder();
    if (f.isEmpty()) f = QCoreApplication::applicationDirPath();
    while (f.size() > 1 && (f.endsWith(u'/') || f.endsWith(u'\\'))) f.chop(1);
    return f;
}

void AppPaths::setApplicationFolder(const QString& folder) { overrideFolder() = folder; }

QString AppPaths::toLocalPath(const QString& path) {
    QString p = path;
    p.replace(u'\\', u'/');
    return p;
}
