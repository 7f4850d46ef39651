#include "ErrObject.h"

namespace vbs {

void ErrObject::clear() {
    number = 0;
    helpContext = 0;
    description.clear();
    source.clear();
    helpFile.clear();
}

void ErrObject::invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                       Value& result) {
    bool put = kind == InvokeKind::Let || kind == InvokeKind::Set;
    auto textMember = [&](std::u16string& field) {
        if (put) {
            if (args.size() != 1) throwError(450);
            field = args[0]->deref().toString();
        } else {
            if (!args.empty()) throwError(450);
            result = Value(field);
        }
    };
    if (name.empty() || iequals(name, u"Number")) {
        if (put) {
            if (args.size() != 1) throwError(450);
            number = args[0]->deref().toLong();
        } else {
            if (!args.empty()) throwError(450);
            result = Value(number);
        }
        return;
    }
    if (iequals(name, u"Description")) return textMember(description);
    if (iequals(name, u"Source")) return textMember(source);
    if (iequals(name, u"HelpFile")) return textMember(helpFile);
    if (iequals(name, u"HelpContext")) {
        if (put) {
            if (args.size() != 1) throwError(450);
            helpContext = args[0]->deref().toLong();
        } else
            result = Value(helpContext);
        return;
    }
    if (iequals(name, u"Clear")) {
        if (!args.empty()) throwError(450);
        clear();
        return;
    }
    if (iequals(name, u"Raise")) {
        if (args.empty() || args.size() > 5) throwError(450);
        const Value& n = args[0]->deref();
        if (n.isMissing()) throwError(449);
        int32_t num = n.toLong();
        if (num == 0) throwError(5);
        auto opt = [&](size_t i) -> std::u16string {
            if (i >= args.size() || args[i]->deref().isMissing()) return {};
            return args[i]->deref().toString();
        };
        std::u16string src = opt(1), desc = opt(2);
        if (desc.empty()) desc = errorDescription(num);
        if (desc.empty()) desc = unknownErrorDescription();
        if (src.empty()) src = kRuntimeSource;
        throw ScriptError(num, std::move(desc), std::move(src));
    }
    throwError(438);
}

}  // namespace vbs
