#include "DocumentCommands.h"

#include <QWidget>

#include "CodeBox.h"
#include "DialogServices.h"
#include "MainWindowState.h"
#include "ProcessLauncher.h"
#include "ProcessState.h"

const QString DocumentCommands::kFilter = QStringLiteral("VBScript脚本文件(*.vbs)|*.vbs|");

bool DocumentCommands::writeTo(const QString& path) {
    const TextFile::WriteResult w = TextFile::writeText(path, e_.codebox.Text(), encoding_);
    if (!w.ok) e_.dialogs.messageBox(w.error, DialogServices::Critical);
    return w.ok;
}

bool DocumentCommands::savefile() {
    const QString name = e_.dialogs.saveFileName(QString(), kFilter);
    if (name.isEmpty()) return false;
    if (!writeTo(name)) return false;
    e_.state.Modified = false;
    ProcessState::CurrentPath() = name;
    return true;
}

bool DocumentCommands::savefile2() { return writeTo(ProcessState::CurrentPath()); }

void DocumentCommands::Save() {
    const bool saved = ProcessState::CurrentPath().isEmpty() ? savefile() : savefile2();
    if (!saved) return;
    e_.state.Modified = false;
    e_.setStatus(QStringLiteral("文件已保存！"));
}

void DocumentCommands::New() {
    if (!e_.state.Modified) return;
    const QString answer =
        e_.optionDLG(QStringLiteral("保存,不保存,取消"), QStringLiteral("您的文件未保存。"));
    if (answer == u"取消") return;
    // An unfinished save keeps the text, exactly as Cancel does.
    if (answer == u"保存" && !savefile()) return;
    e_.codebox.setCaretPosition(e_.codebox.Text().size());
    ProcessState::CurrentPath().clear();
    e_.state.Modified = false;
    e_.codebox.setText(QString());
}

void DocumentCommands::Open() {
    const QString name = e_.dialogs.openFileName(QString(), kFilter);
    if (name.isEmpty()) return;
    openPath(name);
}

bool DocumentCommands::openPath(const QString& path) {
    const TextFile::ReadResult r = TextFile::read(path);
    if (!r.ok()) {
        e_.dialogs.messageBox(r.error, DialogServices::Critical);
        return false;
    }
    if (const QString problem = TextFile::editingProblem(path, r); !problem.isEmpty()) {
        e_.dialogs.messageBox(problem, DialogServices::Exclamation);
        return false;
    }
    // The window takes no input while the text goes in; one write keeps
    // the load linear in the file's size.
    if (e_.window) e_.window->setEnabled(false);
    e_.codebox.setLines(r.lines);
    if (e_.window) e_.window->setEnabled(true);
    encoding_ = r.encoding;
    ProcessState::CurrentPath() = path;
    e_.state.Modified = false;
    return true;
}

void DocumentCommands::Run() {
    constexpr int kYesNoQuestion = DialogServices::YesNo | DialogServices::Question;
    if (ProcessState::CurrentPath().isEmpty()) {
        if (e_.dialogs.messageBox(QStringLiteral("请先保存你的文件才可以调试！是否保存？"),
                                  kYesNoQuestion) != DialogServices::Yes)
            return;
        if (!savefile()) {
            e_.dialogs.messageBox(QStringLiteral("文件没有保存，程序未运行。"),
                                  DialogServices::Exclamation);
            return;
        }
    } else {
        if (e_.dialogs.messageBox(QStringLiteral("你的VBS程序将会被程序保存后覆盖源文件。继续？"),
                                  kYesNoQuestion) != DialogServices::Yes)
            return;
        if (!savefile2()) {
            e_.dialogs.messageBox(QStringLiteral("文件没有保存，程序未运行。"),
                                  DialogServices::Exclamation);
            return;
        }
    }
    const QString wscript = e_.launcher.findWscript();
    if (wscript.isEmpty()) {
        e_.dialogs.messageBox(QStringLiteral("找不到脚本宿主 wscript，无法运行程序。"),
                              DialogServices::Critical);
        return;
    }
    if (!e_.launcher.startDetached(wscript, {ProcessState::CurrentPath()})) {
        e_.dialogs.messageBox(QStringLiteral("无法启动 wscript，程序未运行。"),
                              DialogServices::Critical);
        return;
    }
    e_.setStatus(QStringLiteral("程序正在运行！"));
}
