#include "ProcessLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

QString ProcessLauncher::findWscript() const {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/wscript");
    const QFileInfo info(beside);
    if (info.exists() && info.isExecutable()) return beside;
    return QStandardPaths::findExecutable(QStringLiteral("wscript"));
}

bool QtProcessLauncher::startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

QString commandLineFor(const QString& program, const QStringList& arguments) {
    QString line = program;
    for (const QString& a : arguments) line += QStringLiteral(" \"") + a + u'"';
    return line;
}
