#include "WshNamedArguments.h"

namespace scripting {

using V = vbs::Value;

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
