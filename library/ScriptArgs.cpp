#include "ScriptArgs.h"

const vbs::Value& ScriptArgs::at(std::span<vbs::Value* const> args, std::size_t i) {
    if (i >= args.size() || !args[i] || args[i]->deref().isMissing()) vbs::throwError(450);
    return args[i]->deref();
}

QString ScriptArgs::text(const vbs::Value& value) {
    const vbs::Value& v = value.deref();
    if (v.isNull()) vbs::throwError(94);
    return QString::fromStdU16String(v.toString());
}

QString ScriptArgs::text(std::span<vbs::Value* const> args, std::size_t i) {
    return text(at(args, i));
}

void ScriptArgs::expectCount(std::span<vbs::Value* const> args, std::size_t count) {
    if (args.size() != count) vbs::throwError(450);
}

vbs::Value ScriptArgs::toValue(const QString& text) { return vbs::Value(text.toStdU16String()); }
