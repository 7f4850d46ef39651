// The embedded VBScript engine: compile and run script text, reach host
// objects by late binding, evaluate expressions.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "vbscript/builtins.h"
#include "vbscript/object.h"
#include "vbscript/value.h"

namespace vbs {

// What the host (editor, wscript, cscript, tests) provides to scripts.
// Every method has a harmless default, so a host overrides only what it has.
class HostServices {
  public:
    virtual ~HostServices() = default;
    // Returns the button pressed (vbOK = 1 ... vbNo = 7).
    virtual int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title);
    // Returns the text entered, or Empty when the user cancelled.
    virtual Value inputBox(const std::u16string& prompt, const std::u16string& title,
                           const std::u16string& defaultText);
    // Returns nullptr when the name is unknown (the script gets error 429).
    virtual Ref<Object> createObject(const std::u16string& progId);
    virtual Ref<Object> getObject(const std::u16string& path, const std::u16string& progId);
    // Text output (WScript.Echo goes through the host's own object; this is
    // for the engine's fallbacks such as MsgBox without a dialog).
    virtual void echo(const std::u16string& text);
};

class Interpreter;

class Engine {
  public:
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Makes `object` reachable from scripts under `name` (case-insensitive).
    void AddObject(std::u16string_view name, Ref<Object> object);
    // Parses the whole text, then runs its top-level statements. Procedures,
    // classes and global variables stay for later calls; defining a name
    // again replaces it. Any failure (syntax error, unhandled run-time error,
    // error from a host object, time-out) throws ScriptError with number,
    // description, line, column, sourceLine and source. A syntax error
    // anywhere stops the whole text before any of it runs.
    void AddCode(std::u16string_view code);
    void AddCode(std::string_view utf8Code) { AddCode(std::u16string_view(fromUtf8(utf8Code))); }
    // Evaluates one expression at global scope.
    Value Eval(std::u16string_view expression);
    // Calls a global Sub or Function by name.
    Value Run(std::u16string_view name, std::span<Value> args = {});

    // Time limit for one AddCode / Eval / Run, in milliseconds (default
    // 10000, 0 or less: none). Only the script's own time counts: the clock
    // is paused inside host object calls and host services.
    void setTimeout(int ms) noexcept { timeoutMs_ = ms; }
    int timeout() const noexcept { return timeoutMs_; }
    // Deepest nesting of procedure calls before error 28.
    void setRecursionLimit(int depth) noexcept { recursionLimit_ = depth; }
    int recursionLimit() const noexcept { return recursionLimit_; }

    // The host's services; not owned, may be null.
    void setHostServices(HostServices* host) noexcept { host_ = host; }
    HostServices* hostServices() const noexcept { return host_; }

    BuiltinRegistry& builtins() noexcept { return builtins_; }

    // Clock control for host calls (used by BuiltinContext::HostPause).
    void pauseClock() noexcept;
    void resumeClock() noexcept;

    Interpreter& interpreter() noexcept { return *interp_; }

  private:
    BuiltinRegistry builtins_;
    HostServices* host_ = nullptr;
    int timeoutMs_ = 10000;
    int recursionLimit_ = 3000;
    std::unique_ptr<Interpreter> interp_;
};

}  // namespace vbs
