// Built-ins that reach the host: message and input boxes, object creation, engine identity.
#include "BuiltinSupport.h"

namespace vbs::runtime {

namespace {

std::u16string optionalText(Args a, size_t i) {
    if (isMissing(a, i) || isNullArg(a, i)) return {};
    return textArg(a, i);
}

}  // namespace

void registerHostFunctions(BuiltinRegistry& r) {
    define(r, u"ScriptEngine", 0, 0,
           [](BuiltinContext&, Args, Value& out) { out = Value(u"VBScript"); });
    define(r, u"ScriptEngineMajorVersion", 0, 0,
           [](BuiltinContext&, Args, Value& out) { out = Value(5); });
    define(r, u"ScriptEngineMinorVersion", 0, 0,
           [](BuiltinContext&, Args, Value& out) { out = Value(8); });
    define(r, u"ScriptEngineBuildVersion", 0, 0,
           [](BuiltinContext&, Args, Value& out) { out = Value(1); });
    define(r, u"MsgBox", 1, 5, [](BuiltinContext& ctx, Args a, Value& out) {
        std::u16string prompt = textArg(a, 0);
        int32_t buttons = longArg(a, 1, 0);
        out = Value::integer(static_cast<int16_t>(ctx.msgBox(prompt, buttons, optionalText(a, 2))));
    });
    define(r, u"InputBox", 1, 7, [](BuiltinContext& ctx, Args a, Value& out) {
        out = ctx.inputBox(textArg(a, 0), optionalText(a, 1), optionalText(a, 2));
    });
    define(r, u"CreateObject", 1, 2, [](BuiltinContext& ctx, Args a, Value& out) {
        std::u16string progId = textArg(a, 0);
        if (!optionalText(a, 1).empty()) throwError(429);  // no remote servers
        Ref<Object> object = ctx.createObject(progId);
        out = Value(object.get());
    });
    define(r, u"GetObject", 0, 2, [](BuiltinContext& ctx, Args a, Value& out) {
        Ref<Object> object = ctx.getObject(optionalText(a, 0), optionalText(a, 1));
        out = Value(object.get());
    });
}

}  // namespace vbs::runtime
