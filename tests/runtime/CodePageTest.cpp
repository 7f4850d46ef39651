// The code pages behind Asc and Chr, and the Chinese text order.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "vbscript/runtime/CodePage.h"
#include "vbscript/runtime/Locale.h"
#include "vbscript/runtime/TextOps.h"

using vbs::runtime::CodePage;
using vbs::runtime::Locale;
using vbs::runtime::TextOps;

TEST(CodePage, EveryDoubleByteCharacterRoundTrips) {
    int characters = 0;
    for (uint32_t code = 0x8140; code <= 0xFEFE; ++code) {
        char16_t c = 0;
        if (!CodePage::decode(CodePage::kChinese, code, c)) continue;
        ++characters;
        ASSERT_EQ(CodePage::encode(CodePage::kChinese, c), code) << std::hex << code;
    }
    // GBK as the code page defines it, without the user-defined areas.
    EXPECT_EQ(characters, 21791);
}

TEST(CodePage, SingleBytesOfBothPages) {
    char16_t c = 0;
    for (uint32_t code = 0; code < 0x80; ++code) {
        ASSERT_TRUE(CodePage::decode(CodePage::kChinese, code, c));
        EXPECT_EQ(c, code);
        ASSERT_TRUE(CodePage::decode(CodePage::kWestern, code, c));
        EXPECT_EQ(c, code);
    }
    // Lone lead bytes name nothing in 936; every byte names something in 1252.
    EXPECT_FALSE(CodePage::decode(CodePage::kChinese, 0x81, c));
    EXPECT_FALSE(CodePage::decode(CodePage::kChinese, 0xD6, c));
    for (uint32_t code = 0x80; code <= 0xFF; ++code) {
        ASSERT_TRUE(CodePage::decode(CodePage::kWestern, code, c));
        EXPECT_EQ(CodePage::encode(CodePage::kWestern, c), code);
    }
    EXPECT_FALSE(CodePage::decode(CodePage::kWestern, 0x100, c));
}

TEST(CodePage, TrailBytesOutsideTheirRangeNameNothing) {
    char16_t c = 0;
    EXPECT_FALSE(CodePage::decode(CodePage::kChinese, 0x817F, c));
    EXPECT_FALSE(CodePage::decode(CodePage::kChinese, 0x813F, c));
    EXPECT_FALSE(CodePage::decode(CodePage::kChinese, 0x81FF, c));
    EXPECT_FALSE(CodePage::decode(CodePage::kChinese, 0x4141, c));
    EXPECT_FALSE(CodePage::decode(CodePage::kChinese, 0xFFFF, c));
}

TEST(CodePage, MissingCharactersBecomeAQuestionMark) {
    EXPECT_EQ(CodePage::encode(CodePage::kChinese, 0xE000), 63);
    EXPECT_EQ(CodePage::encode(CodePage::kChinese, 0xD83D), 63);
    EXPECT_EQ(CodePage::encode(CodePage::kWestern, u'中'), 63);
    EXPECT_EQ(CodePage::encode(CodePage::kWestern, 0x0100), 63);
    EXPECT_EQ(CodePage::encode(CodePage::kWestern, 0x0080), 63);
}

TEST(CodePage, RanksFollowPinyinForCommonAndRareCharacters) {
    // a, ba, bei, chu, kao, li, liu, qiu, zhang, zuo: rare characters (亍, 丂, 㐀) take their
    // place by their reading among the common ones.
    std::vector<char16_t> pinyin = {u'阿', u'八', u'北', u'亍', u'丂', u'李', u'刘', u'㐀', u'张', u'座'};
    for (size_t i = 1; i < pinyin.size(); ++i) {
        EXPECT_LT(CodePage::hanziRank(pinyin[i - 1]), CodePage::hanziRank(pinyin[i])) << i;
    }
    EXPECT_EQ(CodePage::hanziRank(u'啊'), 1);
    // Same syllable: by tone, then the common character first.
    EXPECT_LT(CodePage::hanziRank(u'妈'), CodePage::hanziRank(u'麻'));  // ma1 < ma2
    EXPECT_LT(CodePage::hanziRank(u'马'), CodePage::hanziRank(u'骂'));  // ma3 < ma4
    EXPECT_LT(CodePage::hanziRank(u'驴'), CodePage::hanziRank(u'峦'));  // lü before luan
    // Characters without a Mandarin reading come after all others, in code order.
    const char16_t unread = 0x5159, lastUnread = 0x9FFF;
    for (char16_t c : pinyin) EXPECT_GT(CodePage::hanziRank(unread), CodePage::hanziRank(c));
    EXPECT_LT(CodePage::hanziRank(unread), CodePage::hanziRank(lastUnread));
    EXPECT_EQ(CodePage::hanziRank(u'A'), 0);
    EXPECT_EQ(CodePage::hanziRank(u'，'), 0);
    EXPECT_EQ(CodePage::hanziRank(0x4DC0), 0);  // a hexagram, not a character
}

TEST(CodePage, ChineseTextOrderIsATotalOrder) {
    // Distinct text never compares equal and sorting agrees with pairwise comparison, so
    // StrComp-based sorts in scripts are stable whatever the characters.
    Locale::setCurrent(Locale::chinese());
    std::vector<std::u16string> words = {u"张三", u"李四", u"王五", u"abc", u"ABD", u"丂",
                                         u"亍", u"中国", u"中", u"", u"1", u"鿿", u"㐀"};
    for (const auto& a : words) {
        for (const auto& b : words) {
            int ab = TextOps::compare(a, b, true), ba = TextOps::compare(b, a, true);
            EXPECT_EQ(ab, -ba);
            if (a != b) {
                EXPECT_NE(ab, 0);
            }
        }
    }
    std::sort(words.begin(), words.end(),
              [](const auto& a, const auto& b) { return TextOps::compare(a, b, true) < 0; });
    std::vector<std::u16string> expected = {u"", u"1", u"abc", u"ABD", u"亍", u"丂", u"李四",
                                            u"㐀", u"王五", u"张三", u"中", u"中国", u"鿿"};
    EXPECT_EQ(words, expected);
    Locale::setCurrent(Locale::english());
    EXPECT_GT(TextOps::compare(u"李", u"张", true), 0);
}
