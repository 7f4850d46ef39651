#include "ScriptControl.h"

#include <exception>

#include "DialogServices.h"
#include "Scripting.h"

// Message and input boxes of scripts, shown through the editor's dialogs.
class ScriptControl::Host : public vbs::HostServices {
  public:
    explicit Host(DialogServices& dialogs) : dialogs_(dialogs) {}

    int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) override {
        return dialogs_.messageBox(QString::fromStdU16String(prompt), buttons,
                                   QString::fromStdU16String(title));
    }

    vbs::Value inputBox(const std::u16string& prompt, const std::u16string& title,
                        const std::u16string& defaultText) override {
        const std::optional<QString> answer =
            dialogs_.inputBox(QString::fromStdU16String(prompt), QString::fromStdU16String(title),
                              QString::fromStdU16String(defaultText));
        if (!answer) return {};
        return vbs::Value(answer->toStdU16String());
    }

  private:
    DialogServices& dialogs_;
};

ScriptControl::ScriptControl(DialogServices& dialogs) : host_(std::make_unique<Host>(dialogs)) {
    engine_.setHostServices(host_.get());
    engine_.setTimeout(kDefaultTimeout);
    // Generator scripts may look at files and folders like any script.
    scripting::registerScriptingObjects(engine_);
}

ScriptControl::~ScriptControl() { engine_.setHostServices(nullptr); }

void ScriptControl::AddObject(const QString& name, vbs::Ref<vbs::Object> object) {
    engine_.AddObject(name.toStdU16String(), std::move(object));
}

bool ScriptControl::AddCode(const QString& code) {
    failure_ = {};
    try {
        engine_.AddCode(std::u16string_view(code.toStdU16String()));
        return true;
    } catch (const vbs::ScriptError& e) {
        failure_.number = e.number;
        failure_.description = QString::fromStdU16String(e.description);
        failure_.source = QString::fromStdU16String(e.source);
        failure_.line = e.line;
        failure_.column = e.column;
        failure_.sourceLine = QString::fromStdU16String(e.sourceLine);
        failure_.timedOut = e.number == vbs::kErrTimeout;
    } catch (const std::exception& e) {
        // The engine must never take the editor down with it.
        failure_.description = QString::fromLocal8Bit(e.what());
    }
    return false;
}
