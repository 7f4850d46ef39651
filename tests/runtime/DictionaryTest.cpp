#include <gtest/gtest.h>

#include <string>

#include "Dictionary.h"
#include "vbscript/object.h"

using namespace vbs;

namespace {

// Calls a member the way the engine does and returns its result.
Value call(Object& o, std::u16string_view name, std::vector<Value> args,
           InvokeKind kind = InvokeKind::Call) {
    std::vector<Value*> ptrs;
    for (Value& v : args) ptrs.push_back(&v);
    Value result;
    o.invoke(name, kind, ptrs, result);
    return result;
}

std::u16string key(int i) { return u"key" + fromUtf8(std::to_string(i)); }

int errorOf(auto fn) {
    try {
        fn();
    } catch (const ScriptError& e) {
        return e.number;
    }
    return 0;
}

std::u16string joined(Object& d, std::u16string_view member) {
    Value items = call(d, member, {});
    std::u16string out;
    for (const Value& v : items.arr()->items) out += v.toString() + u",";
    return out;
}

}  // namespace

TEST(Dictionary, ManyKeysSurviveGrowthAndRemoval) {
    Ref<Object> d(new runtime::Dictionary);
    const int n = 5000;
    for (int i = 0; i < n; ++i) call(*d, u"Add", {Value(key(i)), Value(i)});
    for (int i = 0; i < n; i += 2) call(*d, u"Remove", {Value(key(i))});
    EXPECT_EQ(call(*d, u"Count", {}).toLong(), n / 2);
    for (int i = 0; i < n; ++i) {
        ASSERT_EQ(call(*d, u"Exists", {Value(key(i))}).toBool(), i % 2 == 1) << i;
    }
    // Keys keep the order they were added in, across the compaction that removal causes.
    Value keys = call(*d, u"Keys", {});
    ASSERT_EQ(keys.arr()->items.size(), size_t(n / 2));
    EXPECT_EQ(keys.arr()->items[0].str(), key(1));
    EXPECT_EQ(keys.arr()->items.back().str(), key(n - 1));
    // Removed keys can be added again, at the end.
    call(*d, u"Add", {Value(key(0)), Value(-1)});
    EXPECT_EQ(call(*d, u"Keys", {}).arr()->items.back().str(), key(0));
    EXPECT_EQ(call(*d, u"Item", {Value(key(0))}, InvokeKind::Get).toLong(), -1);
}

TEST(Dictionary, RenamedKeysAreFoundUnderTheNewName) {
    Ref<Object> d(new runtime::Dictionary);
    for (int i = 0; i < 100; ++i) call(*d, u"Add", {Value(key(i)), Value(i)});
    call(*d, u"Key", {Value(key(5)), Value(u"five")}, InvokeKind::Let);
    EXPECT_FALSE(call(*d, u"Exists", {Value(key(5))}).toBool());
    EXPECT_EQ(call(*d, u"Item", {Value(u"five")}, InvokeKind::Get).toLong(), 5);
    for (int i = 0; i < 100; i += 3) {
        if (i != 5) call(*d, u"Remove", {Value(key(i))});
    }
    EXPECT_EQ(call(*d, u"Item", {Value(u"five")}, InvokeKind::Get).toLong(), 5);
    EXPECT_EQ(errorOf([&] {
                  call(*d, u"Key", {Value(u"five"), Value(key(1))}, InvokeKind::Let);
              }),
              457);
}

TEST(Dictionary, KeysCompareByValue) {
    Ref<Object> d(new runtime::Dictionary);
    call(*d, u"Add", {Value::integer(1), Value(u"int")});
    EXPECT_EQ(errorOf([&] { call(*d, u"Add", {Value(1.0), Value(u"dup")}); }), 457);
    EXPECT_TRUE(call(*d, u"Exists", {Value::single(1.0f)}).toBool());
    call(*d, u"Add", {Value(0.0), Value(u"zero")});
    EXPECT_TRUE(call(*d, u"Exists", {Value(-0.0)}).toBool());
    EXPECT_FALSE(call(*d, u"Exists", {Value(u"1")}).toBool());
    call(*d, u"Add", {Value(), Value(u"empty")});
    EXPECT_EQ(errorOf([&] { call(*d, u"Add", {Value(), Value(u"again")}); }), 457);
    EXPECT_EQ(joined(*d, u"Items"), u"int,zero,empty,");
}

TEST(Dictionary, TextModeIgnoresCaseOnlyWhenSetBeforeAdding) {
    Ref<Object> d(new runtime::Dictionary);
    call(*d, u"CompareMode", {Value(1)}, InvokeKind::Let);
    call(*d, u"Add", {Value(u"Straße"), Value(1)});
    call(*d, u"Add", {Value(u"ÀB"), Value(2)});
    EXPECT_FALSE(call(*d, u"Exists", {Value(u"STRASSE")}).toBool());  // one-to-one folding only
    EXPECT_TRUE(call(*d, u"Exists", {Value(u"straße")}).toBool());
    EXPECT_TRUE(call(*d, u"Exists", {Value(u"àb")}).toBool());
    EXPECT_EQ(errorOf([&] { call(*d, u"CompareMode", {Value(0)}, InvokeKind::Let); }), 5);
    call(*d, u"RemoveAll", {});
    call(*d, u"CompareMode", {Value(0)}, InvokeKind::Let);
    call(*d, u"Add", {Value(u"a"), Value(1)});
    call(*d, u"Add", {Value(u"A"), Value(2)});
    EXPECT_EQ(call(*d, u"Count", {}).toLong(), 2);
}

TEST(Dictionary, MissingKeysAndWrongCalls) {
    Ref<Object> d(new runtime::Dictionary);
    EXPECT_EQ(errorOf([&] { call(*d, u"Remove", {Value(u"x")}); }), 32811);
    EXPECT_EQ(errorOf([&] { call(*d, u"Add", {Value(u"x")}); }), 450);
    EXPECT_EQ(errorOf([&] { call(*d, u"Add", {Value::array({}), Value(1)}); }), 13);
    EXPECT_EQ(errorOf([&] { call(*d, u"Frobnicate", {}); }), 438);
    // Reading a missing key through the default member adds it.
    Value v = call(*d, u"", {Value(u"new")}, InvokeKind::Get);
    EXPECT_TRUE(v.isEmpty());
    EXPECT_EQ(call(*d, u"Count", {}).toLong(), 1);
    std::vector<Value> visited;
    ASSERT_TRUE(d->enumerate(visited));
    ASSERT_EQ(visited.size(), 1u);
    EXPECT_EQ(visited[0].str(), u"new");
}
