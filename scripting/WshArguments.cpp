#include "WshArguments.h"

#include "WshNamedArguments.h"

namespace scripting {

using V = vbs::Value;

WshArguments::WshArguments(std::vector<std::u16string> all, bool topLevel)
    : items_(std::move(all)), top_(topLevel) {}

vbs::Value WshArguments::item(int32_t index) const {
    if (index < 0 || index >= static_cast<int32_t>(items_.size())) vbs::throwError(9);
    return V(items_[static_cast<size_t>(index)]);
}

bool WshArguments::enumerate(std::vector<vbs::Value>& items) {
    for (const auto& s : items_) items.push_back(V(s));
    return true;
}

const std::vector<Member<WshArguments>>& WshArguments::members() {
    using A = WshArguments;
    auto itemGet = [](A& a, Args args, V& r) { r = a.item(arg(args, 0).toLong()); };
    auto count = [](A& a, Args, V& r) { r = V(static_cast<int32_t>(a.items_.size())); };
    static const std::vector<Member<A>> table = {
        {u"", itemGet},
        {u"Item", itemGet},
        {u"Count", count},
        {u"Length", count},
        {u"Named",
         [](A& a, Args args, V& r) {
             if (!a.top_) vbs::throwError(438);
             r = objectValue(new WshNamedArguments(a.items_));
             forwardArgs(r, args);
         }},
        {u"Unnamed",
         [](A& a, Args args, V& r) {
             if (!a.top_) vbs::throwError(438);
             std::vector<std::u16string> rest;
             std::u16string name;
             V value;
             for (const auto& s : a.items_) {
                 if (!WshNamedArguments::parse(s, name, value)) rest.push_back(s);
             }
             r = objectValue(new WshArguments(rest, false));
             forwardArgs(r, args);
         }},
    };
    return table;
}

}  // namespace scripting
