#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vbscript/object.h"

namespace vbs::runtime {

// Scripting.Dictionary: keys in the order they were added, each key at most once; For Each
// visits the keys. Keys compare by value (numbers numerically, texts by CompareMode) and
// objects by identity.
class Dictionary : public Object {
  public:
    Dictionary() { pausesClock_ = false; }  // never waits: its time counts toward the time-out
    void invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                Value& result) override;
    bool enumerate(std::vector<Value>& items) override;
    std::u16string typeName() const override { return u"Dictionary"; }

  private:
    struct Entry {
        Value key;
        Value item;
        uint32_t hash = 0;
        bool live = true;
    };

    // Open addressing over entry indexes: a lookup hashes the key in place, with no copy.
    static constexpr uint32_t kFree = 0xFFFFFFFF;
    static constexpr uint32_t kDeleted = 0xFFFFFFFE;

    uint32_t hashOf(const Value& key) const;
    bool sameKey(const Value& a, const Value& b) const;
    // The slot holding the key, or -1 (and `insertAt`, the first slot it could go in).
    int64_t probe(const Value& key, uint32_t hash, size_t* insertAt) const;
    void rebuild(size_t capacity);
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
    // Four bytes a slot keep the table small: a lookup's one unavoidable cache miss is here.
    std::vector<uint32_t> slots_;
    size_t used_ = 0;  // slots not free (live or deleted)
    size_t live_ = 0;
    int compareMode_ = 0;  // 0 binary, 1 text, 2 database (compares as text)
};

}  // namespace vbs::runtime
