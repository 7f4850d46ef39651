#include "HostObject.h"

namespace scripting {

bool omitted(Args args, std::size_t i) { return i >= args.size() || args[i]->isMissing(); }

const vbs::Value& arg(Args args, std::size_t i) {
    if (omitted(args, i)) vbs::throwError(449);
    return *args[i];
}

std::u16string argText(Args args, std::size_t i) { return arg(args, i).toString(); }

std::u16string optText(Args args, std::size_t i, std::u16string_view fallback) {
    return omitted(args, i) ? std::u16string(fallback) : args[i]->toString();
}

bool optBool(Args args, std::size_t i, bool fallback) {
    return omitted(args, i) ? fallback : args[i]->toBool();
}

int32_t optLong(Args args, std::size_t i, int32_t fallback) {
    return omitted(args, i) ? fallback : args[i]->toLong();
}

void requireArgs(Args args, std::size_t min, std::size_t max) {
    if (args.size() < min || args.size() > max) vbs::throwError(450);
}

void forwardArgs(vbs::Value& result, Args args) {
    if (args.empty()) return;
    vbs::Object* o = result.obj();
    if (!o) vbs::throwError(450);
    vbs::Value item;
    o->invoke(u"", vbs::InvokeKind::Get, args, item);
    result = item;
}

void throwUnsupported(std::u16string_view member, std::u16string_view why) {
    std::u16string text = std::u16string(member) + u" 在 Linux 上无法使用：" + std::u16string(why);
    vbs::throwError(445, text, std::u16string(member));
}

}  // namespace scripting
