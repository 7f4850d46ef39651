#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "vbscript/object.h"

namespace vbs::runtime {

// Scripting.Dictionary: keys in the order they were added, each key at most once; For Each
// visits the keys. Keys compare by value (numbers numerically, texts by CompareMode) and
// objects by identity.
class Dictionary : public Object {
public:
    void invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                Value& result) override;
    bool enumerate(std::vector<Value>& items) override;
    std::u16string typeName() const override { return u"Dictionary"; }

private:
    struct Entry {
        Value key;
        Value item;
        bool live = true;
    };

    std::u16string keyOf(const Value& key) const;
    Entry* find(const Value& key);
    Entry& add(const Value& key, const Value& item);
    void remove(const Value& key);
    void removeAll();
    void rename(const Value& from, const Value& to);
    void item(InvokeKind kind, std::span<Value* const> args, Value& result);
    void setCompareMode(const Value& mode);
    Value collect(bool keys) const;
    void compact();

    std::vector<Entry> entries_;
    std::unordered_map<std::u16string, size_t> index_;
    size_t live_ = 0;
    int compareMode_ = 0;  // 0 binary, 1 text, 2 database (compares as text)
};

}  // namespace vbs::runtime
