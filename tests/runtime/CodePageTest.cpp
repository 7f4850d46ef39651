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

TEST(CodePage, RanksPutCommonCharactersInPinyinOrder) {
    // a, ba, bei, li, liu, zhang, zuo: level 1 of GB2312.
    std::vector<char16_t> pinyin = {u'阿', u'八', u'北', u'李', u'刘', u'张', u'座'};
    for (size_t i = 1; i < pinyin.size(); ++i) {
        EXPECT_LT(CodePage::hanziRank(pinyin[i - 1]), CodePage::hanziRank(pinyin[i]));
    }
    EXPECT_EQ(CodePage::hanziRank(u'啊'), 1);
    // Level 2 and the extended characters come after every common one.
    EXPECT_GT(CodePage::hanziRank(u'亍'), CodePage::hanziRank(u'座'));
    EXPECT_GT(CodePage::hanziRank(u'丂'), CodePage::hanziRank(u'亍'));
    EXPECT_EQ(CodePage::hanziRank(u'A'), 0);
    EXPECT_EQ(CodePage::hanziRank(u'，'), 0);
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
            if (a != b) EXPECT_NE(ab, 0);
        }
    }
    std::sort(words.begin(), words.end(),
              [](const auto& a, const auto& b) { return TextOps::compare(a, b, true) < 0; });
    std::vector<std::u16string> expected = {u"", u"1", u"abc", u"ABD", u"㐀", u"李四",
                                            u"王五", u"张三", u"中", u"中国", u"亍", u"丂", u"鿿"};
    EXPECT_EQ(words, expected);
    Locale::setCurrent(Locale::english());
    EXPECT_GT(TextOps::compare(u"李", u"张", true), 0);
}
