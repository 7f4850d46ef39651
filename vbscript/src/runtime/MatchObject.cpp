#include "MatchObject.h"

#include "ValueCollection.h"

namespace vbs::runtime {

void MatchObject::invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                         Value& result) {
    if (kind == InvokeKind::Let || kind == InvokeKind::Set) throwError(438);
    if (iequals(name, u"SubMatches")) {
        Ref<Object> subs = makeRef<ValueCollection>(subMatches_, u"ISubMatches");
        // m.SubMatches(i) reads the collection's default member at once.
        if (!args.empty()) return subs->invoke(u"", InvokeKind::Get, args, result);
        result = Value(subs.get());
        return;
    }
    if (!args.empty()) throwError(450);
    if (name.empty() || iequals(name, u"Value")) {
        result = Value(value_);
    } else if (iequals(name, u"FirstIndex")) {
        result = Value(firstIndex_);
    } else if (iequals(name, u"Length")) {
        result = Value(static_cast<int32_t>(value_.size()));
    } else {
        throwError(438);
    }
}

}  // namespace vbs::runtime
