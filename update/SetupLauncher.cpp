#include "SetupLauncher.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

bool SetupLauncher::start(const QString& program) {
    const QFileInfo info(program);
    return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
}

bool SetupLauncher::makeExecutable(const QString& program) {
    const QFileDevice::Permissions now = QFile::permissions(program);
    const QFileDevice::Permissions wanted = now | QFileDevice::ExeOwner | QFileDevice::ExeUser;
    return now == wanted || QFile::setPermissions(program, wanted);
}
