#pragma once
#include <QString>

class DialogServices;
class ScriptControl;

// runcode: runs a generator script file in the editor's script control.
// Any failure (missing or unreadable file, syntax error, run-time error,
// failing host call, time-out) shows "无法执行 '<path>' 命令。" once; text
// the script inserted before failing stays where it is.
class ScriptRunner {
  public:
    ScriptRunner(ScriptControl& sc, DialogServices& dialogs) : sc_(sc), dialogs_(dialogs) {}

    // True when the script ran to its end.
    bool runcode(const QString& sfilepath);

    // What went wrong in the last failed run, for diagnostics (not shown to
    // the user, whose message is the fixed one above).
    QString lastFailure() const { return lastFailure_; }

  private:
    bool fail(const QString& sfilepath, const QString& why);

    ScriptControl& sc_;
    DialogServices& dialogs_;
    QString lastFailure_;
    bool running_ = false;
};
