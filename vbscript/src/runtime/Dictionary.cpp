#include "Dictionary.h"

#include <cstring>

#include "vbscript/runtime/CaseFold.h"

namespace vbs::runtime {

namespace {

constexpr uint32_t kHashValRange = 1201;

const Value& argument(std::span<Value* const> args, size_t i) { return args[i]->deref(); }

void requireCount(std::span<Value* const> args, size_t count) {
    if (args.size() != count) throwError(450);
}

uint64_t mix(uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    return h ^ (h >> 33);
}

// Keys fall into kinds that never equal each other; numbers of any subtype compare as numbers.
enum KeyKind { kText, kNumber, kObject, kEmpty, kNull, kError };

KeyKind kindOf(const Value& v) {
    switch (v.type()) {
        case vtString:
            return kText;
        case vtObject:
            return kObject;
        case vtEmpty:
            return kEmpty;
        case vtNull:
            return kNull;
        case vtError:
            return kError;
        case vtArray:
            throwError(13);
        default:
            return kNumber;
    }
}

double numberOf(const Value& v) {
    double d = v.toDouble();
    return d == 0 ? 0.0 : d;  // -0 and 0 are one key
}

}  // namespace

uint32_t Dictionary::hashOf(const Value& v) const {
    const Value& key = v.deref();
    KeyKind kind = kindOf(key);
    uint64_t h = 0xcbf29ce484222325ULL ^ kind;
    switch (kind) {
        case kText:
            for (char16_t c : key.str())
                h = (h ^ (compareMode_ ? textFold(c) : c)) * 0x100000001b3ULL;
            break;
        case kNumber: {
            double d = numberOf(key);
            uint64_t bits;
            std::memcpy(&bits, &d, sizeof bits);
            h ^= bits;
            break;
        }
        case kObject:
            h ^= reinterpret_cast<uintptr_t>(key.obj());
            break;
        case kError:
            h ^= static_cast<uint32_t>(key.rawError());
            break;
        default:
            break;
    }
    return static_cast<uint32_t>(mix(h));
}

namespace {
// A slot keeps the entry index in its low 24 bits and the top byte of the key's hash above
// them, so most probes that meet another key move on without reading that entry.
constexpr uint32_t kIndexMask = 0xFFFFFF;
constexpr size_t kMaxEntries = 0xFFFFFD;  // leaves the free and deleted marks unambiguous
uint32_t indexOf(uint32_t slot) { return slot & kIndexMask; }
uint32_t makeSlot(uint32_t index, uint32_t hash) { return (hash & ~kIndexMask) | index; }
bool tagMatches(uint32_t slot, uint32_t hash) { return (slot ^ hash) <= kIndexMask; }
}  // namespace

bool Dictionary::sameKey(const Value& a, const Value& b) const {
    KeyKind kind = kindOf(a);
    if (kind != kindOf(b)) return false;
    switch (kind) {
        case kText: {
            const std::u16string& x = a.str();
            const std::u16string& y = b.str();
            if (&x == &y) return true;  // the same shared text, as For Each over Keys hands back
            if (x.size() != y.size()) return false;
            if (!compareMode_) return x == y;
            for (size_t i = 0; i < x.size(); ++i) {
                if (textFold(x[i]) != textFold(y[i])) return false;
            }
            return true;
        }
        case kNumber:
            return numberOf(a) == numberOf(b);
        case kObject:
            return a.obj() == b.obj();
        case kError:
            return a.rawError() == b.rawError();
        default:
            return true;
    }
}

int64_t Dictionary::probe(const Value& key, uint32_t hash, size_t* insertAt) const {
    if (slots_.empty()) {
        if (insertAt) *insertAt = SIZE_MAX;
        return -1;
    }
    size_t mask = slots_.size() - 1;
    size_t firstDeleted = SIZE_MAX;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        uint32_t slot = slots_[i];
        if (slot == kFree) {
            if (insertAt) *insertAt = firstDeleted != SIZE_MAX ? firstDeleted : i;
            return -1;
        }
        if (slot == kDeleted) {
            if (firstDeleted == SIZE_MAX) firstDeleted = i;
            continue;
        }
        if (!tagMatches(slot, hash)) continue;
        const Entry& e = entries_[indexOf(slot)];
        if (e.hash == hash && sameKey(e.key, key)) return static_cast<int64_t>(i);
    }
}

void Dictionary::rebuild(size_t capacity) {
    // Drop removed entries, then lay the slots out anew.
    if (live_ != entries_.size()) {
        std::vector<Entry> kept;
        kept.reserve(live_);
        for (Entry& e : entries_) {
            if (e.live) kept.push_back(std::move(e));
        }
        entries_ = std::move(kept);
    }
    size_t size = 16;
    while (size < capacity * 2) size *= 2;
    slots_.assign(size, kFree);
    for (size_t n = 0; n < entries_.size(); ++n) {
        size_t i = entries_[n].hash & (size - 1);
        while (slots_[i] != kFree) i = (i + 1) & (size - 1);
        slots_[i] = makeSlot(static_cast<uint32_t>(n), entries_[n].hash);
    }
    used_ = entries_.size();
}

Dictionary::Entry* Dictionary::find(const Value& key) {
    int64_t at = probe(key, hashOf(key), nullptr);
    return at < 0 ? nullptr : &entries_[indexOf(slots_[at])];
}

Dictionary::Entry& Dictionary::add(const Value& key, const Value& item) {
    uint32_t hash = hashOf(key);
    size_t insertAt;
    if (probe(key, hash, &insertAt) >= 0) throwError(457);
    if (entries_.size() >= kMaxEntries) throwError(7);
    if (insertAt == SIZE_MAX || (used_ + 1) * 2 > slots_.size()) {
        rebuild(live_ + 1);
        probe(key, hash, &insertAt);
    }
    if (slots_[insertAt] == kFree) ++used_;
    slots_[insertAt] = makeSlot(static_cast<uint32_t>(entries_.size()), hash);
    entries_.push_back({key.deref(), item.deref(), hash, true});
    ++live_;
    return entries_.back();
}

void Dictionary::remove(const Value& key) {
    int64_t at = probe(key, hashOf(key), nullptr);
    if (at < 0) throwError(32811);
    Entry& e = entries_[indexOf(slots_[at])];
    e.live = false;
    e.key = Value();
    e.item = Value();
    slots_[at] = kDeleted;
    --live_;
    if (entries_.size() > 32 && live_ < entries_.size() / 2) rebuild(live_);
}

void Dictionary::removeAll() {
    entries_.clear();
    slots_.clear();
    used_ = 0;
    live_ = 0;
}

void Dictionary::rename(const Value& from, const Value& to) {
    int64_t at = probe(from, hashOf(from), nullptr);
    if (at < 0) throwError(32811);
    if (find(to)) throwError(457);
    uint32_t index = indexOf(slots_[at]);
    slots_[at] = kDeleted;
    Entry& e = entries_[index];
    e.key = to.deref();
    e.hash = hashOf(e.key);
    size_t insertAt;
    probe(e.key, e.hash, &insertAt);
    if (slots_[insertAt] == kFree) ++used_;
    slots_[insertAt] = makeSlot(index, e.hash);
}

void Dictionary::item(InvokeKind kind, std::span<Value* const> args, Value& result) {
    if (kind == InvokeKind::Let || kind == InvokeKind::Set) {
        requireCount(args, 2);
        if (Entry* e = find(argument(args, 0))) {
            e->item = argument(args, 1);
        } else {
            add(argument(args, 0), argument(args, 1));
        }
        return;
    }
    requireCount(args, 1);
    // Reading a missing key adds it with an empty item, as the language's Dictionary does.
    Entry* e = find(argument(args, 0));
    result = e ? e->item : add(argument(args, 0), Value()).item;
}

void Dictionary::setCompareMode(const Value& mode) {
    int32_t m = mode.toLong();
    if (m < 0 || live_ > 0) throwError(5);
    compareMode_ = m > 2 ? 1 : m;
}

Value Dictionary::collect(bool keys) const {
    std::vector<Value> out;
    out.reserve(live_);
    for (const Entry& e : entries_) {
        if (e.live) out.push_back(keys ? e.key : e.item);
    }
    return Value::array(std::move(out));
}

bool Dictionary::enumerate(std::vector<Value>& items) {
    Value keys = collect(true);
    items = keys.arr()->items;
    return true;
}

void Dictionary::invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                        Value& result) {
    bool write = kind == InvokeKind::Let || kind == InvokeKind::Set;
    if (name.empty() || iequals(name, u"Item")) return item(kind, args, result);
    if (iequals(name, u"Key")) {
        if (!write) throwError(438);
        requireCount(args, 2);
        return rename(argument(args, 0), argument(args, 1));
    }
    if (iequals(name, u"CompareMode")) {
        if (write) return requireCount(args, 1), setCompareMode(argument(args, 0));
        return void(result = Value(compareMode_));
    }
    if (write) throwError(438);
    if (iequals(name, u"Add")) {
        requireCount(args, 2);
        add(argument(args, 0), argument(args, 1));
    } else if (iequals(name, u"Exists")) {
        requireCount(args, 1);
        result = Value(find(argument(args, 0)) != nullptr);
    } else if (iequals(name, u"Count")) {
        requireCount(args, 0);
        result = Value(static_cast<int32_t>(live_));
    } else if (iequals(name, u"Keys") || iequals(name, u"Items")) {
        requireCount(args, 0);
        result = collect(iequals(name, u"Keys"));
    } else if (iequals(name, u"Remove")) {
        requireCount(args, 1);
        remove(argument(args, 0));
    } else if (iequals(name, u"HashVal")) {
        // A Long from 0 to 1200 that follows CompareMode: keys the dictionary holds as one key
        // always give one value.
        requireCount(args, 1);
        result = Value(static_cast<int32_t>(hashOf(argument(args, 0)) % kHashValRange));
    } else if (iequals(name, u"RemoveAll")) {
        requireCount(args, 0);
        removeAll();
    } else {
        throwError(438);
    }
}

}  // namespace vbs::runtime
