// The WScript object a console script sees: Echo, Quit, script name,
// arguments.
#pragma once

#include <string>
#include <vector>

#include "vbscript/object.h"

namespace korvel {

// Thrown by WScript.Quit to end the script; not a script error, so
// On Error Resume Next cannot swallow it.
struct QuitRequest {
    int code = 0;
};

class WScriptObject : public vbs::Object {
  public:
    WScriptObject(std::u16string scriptPath, std::vector<std::u16string> arguments);
    void invoke(std::u16string_view name, vbs::InvokeKind kind, std::span<vbs::Value* const> args,
                vbs::Value& result) override;
    std::u16string typeName() const override { return u"Object"; }

    // Text form WScript.Echo uses: Booleans print as -1 / 0.
    static std::u16string echoText(const vbs::Value& v);

  private:
    std::u16string path_;
    std::vector<std::u16string> arguments_;
};

}  // namespace korvel
