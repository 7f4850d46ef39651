#include "Dictionary.h"

#include <cstring>

#include "vbscript/runtime/CaseFold.h"

namespace vbs::runtime {

namespace {

const Value& argument(std::span<Value* const> args, size_t i) { return args[i]->deref(); }

void requireCount(std::span<Value* const> args, size_t count) {
    if (args.size() != count) throwError(450);
}

void appendBits(std::u16string& out, const void* data, size_t size) {
    char16_t units[8] = {};
    std::memcpy(units, data, size);
    out.append(units, (size + 1) / 2);
}

}  // namespace

// A canonical text per key, so one hash map serves every kind of key.
std::u16string Dictionary::keyOf(const Value& v) const {
    const Value& key = v.deref();
    std::u16string out;
    switch (key.type()) {
        case vtString:
            out.reserve(key.str().size() + 1);
            out += u's';
            if (compareMode_ == 0) {
                out += key.str();
            } else {
                for (char16_t c : key.str()) out += foldCase(c);
            }
            return out;
        case vtEmpty:
            return u"e";
        case vtNull:
            return u"z";
        case vtObject: {
            out = u"o";
            Object* o = key.obj();
            appendBits(out, &o, sizeof o);
            return out;
        }
        case vtError: {
            out = u"x";
            int32_t n = key.rawError();
            appendBits(out, &n, sizeof n);
            return out;
        }
        case vtArray:
            throwError(13);
        default: {
            out = u"n";
            double d = key.toDouble();
            if (d == 0) d = 0;  // -0 and 0 are one key
            appendBits(out, &d, sizeof d);
            return out;
        }
    }
}

Dictionary::Entry* Dictionary::find(const Value& key) {
    auto it = index_.find(keyOf(key));
    return it == index_.end() ? nullptr : &entries_[it->second];
}

Dictionary::Entry& Dictionary::add(const Value& key, const Value& item) {
    auto [it, added] = index_.emplace(keyOf(key), entries_.size());
    if (!added) throwError(457);
    entries_.push_back({key.deref(), item.deref(), true});
    ++live_;
    return entries_.back();
}

void Dictionary::remove(const Value& key) {
    auto it = index_.find(keyOf(key));
    if (it == index_.end()) throwError(32811);
    Entry& e = entries_[it->second];
    e.live = false;
    e.key = Value();
    e.item = Value();
    index_.erase(it);
    --live_;
    if (entries_.size() > 32 && live_ < entries_.size() / 2) compact();
}

void Dictionary::compact() {
    std::vector<Entry> kept;
    kept.reserve(live_);
    for (Entry& e : entries_) {
        if (e.live) kept.push_back(std::move(e));
    }
    entries_ = std::move(kept);
    index_.clear();
    for (size_t i = 0; i < entries_.size(); ++i) index_.emplace(keyOf(entries_[i].key), i);
}

void Dictionary::removeAll() {
    entries_.clear();
    index_.clear();
    live_ = 0;
}

void Dictionary::rename(const Value& from, const Value& to) {
    auto it = index_.find(keyOf(from));
    if (it == index_.end()) throwError(32811);
    std::u16string newKey = keyOf(to);
    if (index_.count(newKey)) throwError(457);
    size_t at = it->second;
    index_.erase(it);
    index_.emplace(std::move(newKey), at);
    entries_[at].key = to.deref();
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
    } else if (iequals(name, u"RemoveAll")) {
        requireCount(args, 0);
        removeAll();
    } else {
        throwError(438);
    }
}

}  // namespace vbs::runtime
