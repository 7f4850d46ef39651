#pragma once
#include <vbscript/value.h>

#include <QString>
#include <span>

// Reading host-call arguments the way the script language converts them:
// numbers become their text form, Empty becomes empty text, Null raises
// error 94 and a missing argument error 450.
namespace ScriptArgs {

const vbs::Value& at(std::span<vbs::Value* const> args, std::size_t i);
QString text(std::span<vbs::Value* const> args, std::size_t i);
QString text(const vbs::Value& v);
// The exact number of arguments a member takes, else error 450.
void expectCount(std::span<vbs::Value* const> args, std::size_t count);
vbs::Value toValue(const QString& text);

}  // namespace ScriptArgs
