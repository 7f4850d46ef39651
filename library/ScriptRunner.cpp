#include "ScriptRunner.h"

#include "AppPaths.h"
#include "DialogServices.h"
#include "ScriptControl.h"
#include "TextFile.h"

bool ScriptRunner::fail(const QString& sfilepath, const QString& why) {
    lastFailure_ = why;
    dialogs_.messageBox(QStringLiteral("无法执行 '") + sfilepath + QStringLiteral("' 命令。"),
                        DialogServices::Critical);
    return false;
}

bool ScriptRunner::runcode(const QString& sfilepath) {
    // A script cannot start another one while it waits in a dialog.
    if (running_) return false;
    lastFailure_.clear();
    const TextFile::ReadResult file = TextFile::read(AppPaths::toLocalPath(sfilepath));
    if (!file.ok()) return fail(sfilepath, file.error);

    running_ = true;
    const bool ok = sc_.AddCode(TextFile::joinLikeLineInput(file.lines));
    running_ = false;
    if (ok) return true;

    const ScriptControl::Failure& f = sc_.lastFailure();
    QString why = f.timedOut ? QStringLiteral("脚本运行超时") : f.description;
    if (f.number && !f.timedOut) why += QStringLiteral("（错误 %1）").arg(f.number);
    if (f.line > 0) why = QStringLiteral("第 %1 行：").arg(f.line) + why;
    return fail(sfilepath, why);
}
