#include "ValueCollection.h"

namespace vbs::runtime {

void ValueCollection::invoke(std::u16string_view name, InvokeKind kind,
                             std::span<Value* const> args, Value& result) {
    if (kind == InvokeKind::Let || kind == InvokeKind::Set) throwError(438);
    if (iequals(name, u"Count")) {
        if (!args.empty()) throwError(450);
        result = Value(static_cast<int32_t>(items_.size()));
        return;
    }
    if (!name.empty() && !iequals(name, u"Item")) throwError(438);
    if (args.size() != 1) throwError(450);
    int32_t index = args[0]->deref().toLong();
    if (index < 0 || static_cast<size_t>(index) >= items_.size()) throwError(5);
    result = items_[index];
}

bool ValueCollection::enumerate(std::vector<Value>& items) {
    items = items_;
    return true;
}

}  // namespace vbs::runtime
