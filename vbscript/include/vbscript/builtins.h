// The registry through which built-in functions, constants, classes and
// CreateObject names are added to an engine.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "vbscript/object.h"
#include "vbscript/value.h"

namespace vbs {

class Engine;
class HostServices;

// What a built-in can reach besides its arguments. Every call into the host
// goes through here so the engine's time limit is paused meanwhile.
class BuiltinContext {
  public:
    explicit BuiltinContext(Engine& e) : engine_(e) {}
    Engine& engine() const noexcept { return engine_; }
    HostServices* host() const noexcept;

    // Host services, clock paused. Without a host: msgBox returns 1 (OK)
    // after echoing the prompt, inputBox returns Empty (cancelled).
    int msgBox(const std::u16string& prompt, int buttons, const std::u16string& title);
    Value inputBox(const std::u16string& prompt, const std::u16string& title,
                   const std::u16string& defaultText);
    // Registered progIds first, then the host; error 429 when nobody can.
    Ref<Object> createObject(const std::u16string& progId);
    Ref<Object> getObject(const std::u16string& path, const std::u16string& progId);
    void echo(const std::u16string& text);

    // RAII guard for any other blocking call into the host.
    class HostPause {
      public:
        explicit HostPause(Engine& e);
        ~HostPause();
        HostPause(const HostPause&) = delete;
        HostPause& operator=(const HostPause&) = delete;

      private:
        Engine& e_;
    };

  private:
    Engine& engine_;
};

// A built-in function. `args` holds the values passed (never references);
// a trailing argument left out is simply absent (args.size() is smaller), one
// left out in the middle is Value::missing(): test with isMissing(args, i).
// Put the return value in `result`. Raise errors with throwError().
using BuiltinFunction =
    std::function<void(BuiltinContext& ctx, std::span<Value> args, Value& result)>;
using ObjectFactory = std::function<Ref<Object>(BuiltinContext& ctx)>;

inline bool isMissing(std::span<const Value> args, std::size_t i) {
    return i >= args.size() || args[i].isMissing();
}

class BuiltinRegistry {
  public:
    struct Function {
        BuiltinFunction fn;
        int minArgs = 0;
        int maxArgs = 0;  // -1: any number
    };

    // Names are case-insensitive. Registering a name again replaces it.
    void registerFunction(std::u16string_view name, BuiltinFunction fn, int minArgs, int maxArgs);
    void registerConstant(std::u16string_view name, Value value);
    // `New Name` in a script (New RegExp).
    void registerClass(std::u16string_view name, ObjectFactory factory);
    // CreateObject("Scripting.Dictionary").
    void registerProgId(std::u16string_view progId, ObjectFactory factory);

    const Function* findFunction(std::u16string_view name) const;
    const Value* findConstant(std::u16string_view name) const;
    const ObjectFactory* findClass(std::u16string_view name) const;
    const ObjectFactory* findProgId(std::u16string_view progId) const;

  private:
    std::unordered_map<std::u16string, Function> functions_;
    std::unordered_map<std::u16string, Value> constants_;
    std::unordered_map<std::u16string, ObjectFactory> classes_;
    std::unordered_map<std::u16string, ObjectFactory> progIds_;
};

// Core built-ins tied to values (TypeName, VarType, Is*, Array, LBound,
// UBound, C* conversions, and Len, Chr, Asc, Left, Mid).
void registerCoreBuiltins(BuiltinRegistry& registry);

// The runtime library's entry point, defined in src/runtime/RuntimeLibrary.cpp.
// The engine calls it after registerCoreBuiltins, so its names win.
void registerRuntimeLibrary(BuiltinRegistry& registry);

}  // namespace vbs
