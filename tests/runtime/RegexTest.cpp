#include <gtest/gtest.h>

#include <string>

#include "vbscript/runtime/Regex.h"
#include "vbscript/runtime/RuntimeFault.h"

using namespace vbs::runtime;

namespace {

// The first match as "text" with groups after it as "|g1|g2", or "-" for none.
std::u16string first(std::u16string_view pattern, std::u16string_view text, bool icase = false,
                     bool multiline = false) {
    Regex re(pattern, icase, multiline);
    std::vector<int> caps;
    if (!re.search(text, 0, caps)) return u"-";
    std::u16string out(text.substr(caps[0], caps[1] - caps[0]));
    for (int g = 1; g <= re.groupCount(); ++g) {
        out += u'|';
        if (caps[2 * g] >= 0)
            out += text.substr(caps[2 * g], caps[2 * g + 1] - caps[2 * g]);
        else
            out += u"<none>";
    }
    return out;
}

int error(std::u16string_view pattern) {
    try {
        Regex re(pattern, false, false);
    } catch (const RuntimeFault& f) {
        return f.number();
    }
    return 0;
}

}  // namespace

TEST(Regex, QuantifiersGreedyAndLazy) {
    EXPECT_EQ(first(u"a+", u"baaac"), u"aaa");
    EXPECT_EQ(first(u"a+?", u"baaac"), u"a");
    EXPECT_EQ(first(u"<.*>", u"<a><b>"), u"<a><b>");
    EXPECT_EQ(first(u"<.*?>", u"<a><b>"), u"<a>");
    EXPECT_EQ(first(u"x{2,3}", u"xxxxx"), u"xxx");
    EXPECT_EQ(first(u"x{2,3}?", u"xxxxx"), u"xx");
    EXPECT_EQ(first(u"x{2,}", u"xxxxx"), u"xxxxx");
    EXPECT_EQ(first(u"ab?c", u"ac abc"), u"ac");
    EXPECT_EQ(first(u"a{,2}", u"a{,2}"), u"a{,2}");  // not a quantifier: literal braces
}

TEST(Regex, GroupsAlternationAndBackReferences) {
    EXPECT_EQ(first(u"(\\w+)@(\\w+)\\.com", u"mail: joe@example.com"),
              u"joe@example.com|joe|example");
    EXPECT_EQ(first(u"(?:ab)+", u"ababab"), u"ababab");
    EXPECT_EQ(first(u"cat|dog", u"hotdog"), u"dog");
    EXPECT_EQ(first(u"(a)|(b)", u"b"), u"b|<none>|b");
    EXPECT_EQ(first(u"(\\w)\\1", u"abccd"), u"cc|c");
    EXPECT_EQ(first(u"(a*)*b", u"aaab"), u"aaab|aaa");  // empty iterations end the loop
    EXPECT_EQ(first(u"(a|ab)(c|bcd)(d*)", u"abcd"), u"abcd|a|bcd|");
}

TEST(Regex, ClassesAndEscapes) {
    EXPECT_EQ(first(u"[a-c]+", u"xxabcabz"), u"abcab");
    EXPECT_EQ(first(u"[^a-c ]+", u"abc def"), u"def");
    EXPECT_EQ(first(u"\\d+", u"abc 123"), u"123");
    EXPECT_EQ(first(u"\\D+", u"123abc"), u"abc");
    EXPECT_EQ(first(u"\\s+", u"a \t\nb"), u" \t\n");
    EXPECT_EQ(first(u"[\\d.]+", u"v1.25x"), u"1.25");
    EXPECT_EQ(first(u"[\\w-]+", u"+a-b_c+"), u"a-b_c");
    EXPECT_EQ(first(u"\\x41\\u4E2D", u"A中"), u"A中");
    EXPECT_EQ(first(u"[中文]+", u"的中文字"), u"中文");
    EXPECT_EQ(first(u"a.c", u"a\nc a\rc abc"), u"abc");
    EXPECT_EQ(first(u"\\s+", u"中\u3000\u00A0文"), u"\u3000\u00A0");
    EXPECT_EQ(first(u"\\.", u"a.b"), u".");
    EXPECT_EQ(first(u"[]a]", u"a"), u"-");  // an empty class matches nothing
}

TEST(Regex, AnchorsAndWordBoundaries) {
    EXPECT_EQ(first(u"^b", u"a\nb"), u"-");
    EXPECT_EQ(first(u"^b", u"a\nb", false, true), u"b");
    EXPECT_EQ(first(u"a$", u"a\nb"), u"-");
    EXPECT_EQ(first(u"a$", u"a\nb", false, true), u"a");
    EXPECT_EQ(first(u"^.*$", u"line\r\nnext", false, true), u"line");  // CR LF text
    EXPECT_EQ(first(u"\\bcat\\b", u"concat cat"), u"cat");
    EXPECT_EQ(first(u"\\Bcat", u"cat concat"), u"cat");
    Regex re(u"\\bcat", false, false);
    std::vector<int> caps;
    ASSERT_TRUE(re.search(u"concat cat", 0, caps));
    EXPECT_EQ(caps[0], 7);
}

TEST(Regex, LookaheadIsZeroWidth) {
    EXPECT_EQ(first(u"\\w+(?=!)", u"hi there!"), u"there");
    EXPECT_EQ(first(u"\\d+(?!px)\\b", u"12px 34;"), u"34");
    EXPECT_EQ(first(u"(?=(\\w+))\\w", u"abc"), u"a|abc");
    EXPECT_EQ(first(u"^(?!.*bad).*$", u"all good"), u"all good");
    EXPECT_EQ(first(u"^(?!.*bad).*$", u"so bad"), u"-");
}

TEST(Regex, IgnoreCase) {
    EXPECT_EQ(first(u"hello", u"Say HELLO", true), u"HELLO");
    EXPECT_EQ(first(u"[a-z]+", u"123ABC", true), u"ABC");
    EXPECT_EQ(first(u"(a)\\1", u"aA", true), u"aA|a");
    EXPECT_EQ(first(u"é", u"É", true), u"É");
    EXPECT_EQ(first(u"hello", u"HELLO"), u"-");
}

TEST(Regex, BadPatternsRaiseTheirErrors) {
    EXPECT_EQ(error(u"a("), 5020);
    EXPECT_EQ(error(u"(a"), 5020);
    EXPECT_EQ(error(u"a)"), 5017);
    EXPECT_EQ(error(u"a\\"), 5017);
    EXPECT_EQ(error(u"(?<x>a)"), 5017);
    EXPECT_EQ(error(u"*a"), 5018);
    EXPECT_EQ(error(u"a**"), 5018);
    EXPECT_EQ(error(u"a|+"), 5018);
    EXPECT_EQ(error(u"^*"), 5018);
    EXPECT_EQ(error(u"[abc"), 5019);
    EXPECT_EQ(error(u"[z-a]"), 5021);
    EXPECT_EQ(error(u"a{3,1}"), 5017);
    EXPECT_EQ(error(u"a*?"), 0);
    EXPECT_EQ(error(u""), 0);
}

TEST(Regex, PathologicalPatternsDoNotCrash) {
    // Deep nesting is refused instead of recursing without bound.
    std::u16string deep(5000, u'(');
    deep += std::u16string(5000, u')');
    EXPECT_EQ(error(deep), 28);
    // Exponential backtracking runs out of its step budget with an error.
    Regex re(u"(a+)+b", false, false);
    re.setStepBudget(1'000'000);
    std::vector<int> caps;
    std::u16string text(40, u'a');
    try {
        re.search(text, 0, caps);
        ADD_FAILURE() << "expected the step budget to end the search";
    } catch (const RuntimeFault& f) {
        EXPECT_EQ(f.number(), 28);
    }
    // A long subject with a greedy loop keeps its backtrack stack on the heap.
    std::u16string big(2'000'000, u'x');
    Regex dot(u"(x|y)*z|x*$", false, false);
    ASSERT_TRUE(dot.search(big, 0, caps));
    EXPECT_EQ(caps[1], 2'000'000);
}

TEST(Regex, SearchFromAnOffset) {
    Regex re(u"\\d", false, false);
    std::vector<int> caps;
    ASSERT_TRUE(re.search(u"1a2b3", 1, caps));
    EXPECT_EQ(caps[0], 2);
    EXPECT_FALSE(re.search(u"1a2b3", 5, caps));
    Regex empty(u"x*", false, false);
    ASSERT_TRUE(empty.search(u"abc", 3, caps));
    EXPECT_EQ(caps[0], 3);
}
