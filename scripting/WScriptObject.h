// The WScript object our hosts give every script: output, arguments, the
// script's and host's names, Sleep, Quit, objects, and the standard streams
// in the console host.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "HostObject.h"
#include "HostUi.h"
#include "TextStream.h"
#include "vbscript/engine.h"

namespace scripting {

// WScript.Quit ends the script through this error, which On Error Resume
// Next cannot catch; the host reads the exit code from the object.
constexpr int32_t kScriptQuit = 1000100;

struct ScriptInfo {
    std::string scriptPath;  // absolute
    std::string hostPath;    // the running host program, absolute
    std::vector<std::u16string> arguments;
    bool console = true;
    bool interactive = true;
    int timeoutSeconds = 0;
};

class WScriptObject : public HostObject<WScriptObject> {
  public:
    WScriptObject(ScriptInfo info, vbs::Engine& engine, HostUi& ui);
    static const std::vector<Member<WScriptObject>>& members();
    std::u16string typeName() const override { return u"Object"; }

    int exitCode() const { return exitCode_; }
    // Called when the script sets WScript.Timeout.
    std::function<void(int seconds)> onTimeoutChanged;
    // When the time limit ends (the default value: none). Sleep wakes up then and stops the
    // script as a time-out, so the host can say why in its own way.
    void setDeadline(std::chrono::steady_clock::time_point at) { deadline_ = at; }

    // WScript.Echo's text for one value: Booleans as -1 and 0, Null as "Null".
    static std::u16string echoText(const vbs::Value& v);

  private:
    vbs::Value stream(int which);
    ScriptInfo info_;
    vbs::Engine& engine_;
    HostUi& ui_;
    int exitCode_ = 0;
    std::chrono::steady_clock::time_point deadline_{};
    vbs::Ref<TextStream> streams_[3];
};

}  // namespace scripting
