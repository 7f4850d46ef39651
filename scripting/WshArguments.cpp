#include "WshArguments.h"

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

bool WshNamedArguments::parse(const std::u16string& text, std::u16string& name, vbs::Value& value) {
    if (text.size() < 2 || text[0] != u'/') return false;
    size_t colon = text.find(u':');
    name = text.substr(1, colon == std::u16string::npos ? std::u16string::npos : colon - 1);
    if (name.empty()) return false;
    value = colon == std::u16string::npos ? V() : V(text.substr(colon + 1));
    return true;
}

WshNamedArguments::WshNamedArguments(const std::vector<std::u16string>& all) {
    std::u16string name;
    V value;
    for (const auto& s : all) {
        if (!parse(s, name, value)) continue;
        bool replaced = false;
        for (auto& [n, v] : items_) {
            if (vbs::iequals(n, name)) v = value, replaced = true;
        }
        if (!replaced) items_.emplace_back(name, value);
    }
}

bool WshNamedArguments::enumerate(std::vector<vbs::Value>& items) {
    for (const auto& kv : items_) items.push_back(V(kv.first));
    return true;
}

const std::vector<Member<WshNamedArguments>>& WshNamedArguments::members() {
    using N = WshNamedArguments;
    auto itemGet = [](N& n, Args a, V& r) {
        std::u16string key = argText(a, 0);
        for (const auto& kv : n.items_) {
            if (vbs::iequals(kv.first, key)) {
                r = kv.second;
                return;
            }
        }
        r = V();  // An absent switch reads as Empty.
    };
    auto count = [](N& n, Args, V& r) { r = V(static_cast<int32_t>(n.items_.size())); };
    static const std::vector<Member<N>> table = {
        {u"", itemGet},
        {u"Item", itemGet},
        {u"Count", count},
        {u"Length", count},
        {u"Exists",
         [](N& n, Args a, V& r) {
             std::u16string key = argText(a, 0);
             bool found = false;
             for (const auto& kv : n.items_) found = found || vbs::iequals(kv.first, key);
             r = V(found);
         }},
    };
    return table;
}

}  // namespace scripting
