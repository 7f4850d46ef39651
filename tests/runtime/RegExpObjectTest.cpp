#include <gtest/gtest.h>

#include "RegExpObject.h"

using namespace vbs;

namespace {

Value call(Object& o, std::u16string_view name, std::vector<Value> args,
           InvokeKind kind = InvokeKind::Call) {
    std::vector<Value*> ptrs;
    for (Value& v : args) ptrs.push_back(&v);
    Value result;
    o.invoke(name, kind, ptrs, result);
    return result;
}

void set(Object& o, std::u16string_view name, Value v) {
    call(o, name, {std::move(v)}, InvokeKind::Let);
}

}  // namespace

TEST(RegExpObject, ChangingThePatternOrFlagsRecompiles) {
    Ref<Object> re(new runtime::RegExpObject);
    set(*re, u"Pattern", Value(u"abc"));
    EXPECT_FALSE(call(*re, u"Test", {Value(u"ABC")}).toBool());
    set(*re, u"IgnoreCase", Value(true));
    EXPECT_TRUE(call(*re, u"Test", {Value(u"ABC")}).toBool());
    set(*re, u"Pattern", Value(u"^b"));
    EXPECT_FALSE(call(*re, u"Test", {Value(u"a\nb")}).toBool());
    set(*re, u"Multiline", Value(true));
    EXPECT_TRUE(call(*re, u"Test", {Value(u"a\nB")}).toBool());
}

TEST(RegExpObject, GlobalReplaceOverLargeText) {
    Ref<Object> re(new runtime::RegExpObject);
    set(*re, u"Pattern", Value(u"(\\d+)"));
    set(*re, u"Global", Value(true));
    std::u16string text;
    for (int i = 0; i < 20000; ++i) text += u"n" + fromUtf8(std::to_string(i)) + u" ";
    std::u16string out = call(*re, u"Replace", {Value(text), Value(u"<$1>")}).str();
    EXPECT_EQ(out.substr(0, 12), u"n<0> n<1> n<");
    EXPECT_EQ(out.size(), text.size() + 2 * 20000);
    Value matches = call(*re, u"Execute", {Value(text)});
    EXPECT_EQ(call(*matches.obj(), u"Count", {}).toLong(), 20000);
    std::vector<Value> all;
    ASSERT_TRUE(matches.obj()->enumerate(all));
    Value last = all.back();
    EXPECT_EQ(call(*last.obj(), u"Value", {}, InvokeKind::Get).str(), u"19999");
    EXPECT_EQ(call(*last.obj(), u"SubMatches", {Value(0)}, InvokeKind::Get).str(), u"19999");
}

TEST(RegExpObject, BadPatternsAreScriptErrorsAtUse) {
    Ref<Object> re(new runtime::RegExpObject);
    set(*re, u"Pattern", Value(u"[a-"));  // setting alone does not fail
    try {
        call(*re, u"Test", {Value(u"x")});
        ADD_FAILURE() << "expected error 5019";
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.number, 5019);
        EXPECT_EQ(e.description, u"Expected ']' in regular expression");
    }
}
