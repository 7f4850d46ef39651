#include "BatTypeObject.h"

#include "ScriptArgs.h"

using vbs::InvokeKind;

namespace {

bool isRead(InvokeKind kind) { return kind == InvokeKind::Get || kind == InvokeKind::Call; }

}  // namespace

BatType& BatTypeObject::control() const {
    // The control went with its window; the script can no longer reach it.
    if (!control_) vbs::throwError(424);
    return *control_;
}

void BatTypeObject::invoke(std::u16string_view name, InvokeKind kind,
                           std::span<vbs::Value* const> args, vbs::Value& result) {
    using ScriptArgs::expectCount;
    using ScriptArgs::text;
    using ScriptArgs::toValue;
    const bool read = isRead(kind);

    if (vbs::iequals(name, u"YuJuName") || vbs::iequals(name, u"YuJuCaption")) {
        const bool isName = vbs::iequals(name, u"YuJuName");
        if (kind == InvokeKind::Let) {
            expectCount(args, 1);
            const QString v = text(args, 0);
            isName ? control().setYuJuName(v) : control().setYuJuCaption(v);
            return;
        }
        if (!read) vbs::throwError(438);
        expectCount(args, 0);
        result = toValue(isName ? control().YuJuName() : control().YuJuCaption());
        return;
    }
    if (!read) vbs::throwError(438);
    if (vbs::iequals(name, u"StringReturn")) {
        expectCount(args, 1);
        control().StringReturn(text(args, 0));
    } else if (vbs::iequals(name, u"OptionDLG")) {
        expectCount(args, 2);
        const QString options = text(args, 0);
        result = toValue(control().OptionDLG(options, text(args, 1)));
    } else if (vbs::iequals(name, u"FolderDialog")) {
        expectCount(args, 1);
        result = toValue(control().FolderDialog(text(args, 0)));
    } else if (vbs::iequals(name, u"CheckDLG")) {
        expectCount(args, 2);
        const QString checks = text(args, 0);
        result = toValue(control().CheckDLG(checks, text(args, 1)));
    } else {
        vbs::throwError(438);
    }
}
