#include <gtest/gtest.h>

#include <cstdlib>

#include "vbscript/runtime/DateText.h"
#include "vbscript/runtime/OleDate.h"
#include "vbscript/runtime/RuntimeFault.h"

using namespace vbs::runtime;

namespace {

const LocaleInfo& zh = Locale::chinese();
const LocaleInfo& en = Locale::english();

double ymd(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
    return OleDate::fromParts({y, m, d, h, n, s});
}

std::u16string fmt(double serial, int format, const LocaleInfo& loc) {
    return DateText::format(serial, format, loc);
}

// Parses and writes back in a neutral form, "" when the text is no date.
std::string parsed(std::u16string_view text, const LocaleInfo& loc) {
    auto v = DateText::parse(text, loc, 2026);
    if (!v) return "";
    DateTimeParts p = OleDate::parts(*v);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
    return buf;
}

}  // namespace

TEST(DateText, GeneralFormLeavesOutZeroParts) {
    double both = ymd(2026, 12, 6, 14, 5, 9);
    EXPECT_EQ(fmt(both, kGeneralDate, zh), u"2026/12/6 14:05:09");
    EXPECT_EQ(fmt(both, kGeneralDate, en), u"12/6/2026 2:05:09 PM");
    EXPECT_EQ(fmt(ymd(2026, 12, 6), kGeneralDate, zh), u"2026/12/6");
    EXPECT_EQ(fmt(OleDate::timeSerial(9, 5, 0), kGeneralDate, zh), u"9:05:00");
    EXPECT_EQ(fmt(OleDate::timeSerial(0, 5, 0), kGeneralDate, en), u"12:05:00 AM");
    EXPECT_EQ(fmt(0, kGeneralDate, en), u"12:00:00 AM");
}

TEST(DateText, NamedFormatsPerLocale) {
    double d = ymd(2026, 12, 6, 14, 5, 9);
    EXPECT_EQ(fmt(d, kLongDate, zh), u"2026年12月6日");
    EXPECT_EQ(fmt(d, kLongDate, en), u"Sunday, December 6, 2026");
    EXPECT_EQ(fmt(d, kShortDate, en), u"12/6/2026");
    EXPECT_EQ(fmt(d, kLongTime, zh), u"14:05:09");
    EXPECT_EQ(fmt(d, kShortTime, en), u"14:05");
    EXPECT_EQ(fmt(ymd(2026, 1, 2, 12, 0, 0), kLongTime, en), u"12:00:00 PM");
    EXPECT_THROW(fmt(d, 5, en), RuntimeFault);
}

TEST(DateText, ParsesEachLocalesOwnForms) {
    EXPECT_EQ(parsed(u"2026/12/6 14:05:09", zh), "2026-12-06 14:05:09");
    EXPECT_EQ(parsed(u"12/6/2026 2:05:09 PM", en), "2026-12-06 14:05:09");
    EXPECT_EQ(parsed(u"2026年12月6日", zh), "2026-12-06 00:00:00");
    EXPECT_EQ(parsed(u"2026年12月6日 下午2:05", zh), "2026-12-06 14:05:00");
    EXPECT_EQ(parsed(u"14时5分9秒", zh), "1899-12-30 14:05:09");
    EXPECT_EQ(parsed(u"Sunday, December 6, 2026", en), "2026-12-06 00:00:00");
    EXPECT_EQ(parsed(u"6 Dec 2026", en), "2026-12-06 00:00:00");
    EXPECT_EQ(parsed(u"2026-12-06", en), "2026-12-06 00:00:00");
    EXPECT_EQ(parsed(u"12:00 AM", en), "1899-12-30 00:00:00");
    EXPECT_EQ(parsed(u"3 PM", en), "1899-12-30 15:00:00");
}

TEST(DateText, AmbiguousDatesFollowTheLocaleThenFallBack) {
    EXPECT_EQ(parsed(u"1/2/2026", en), "2026-01-02 00:00:00");
    EXPECT_EQ(parsed(u"13/2/2026", en), "2026-02-13 00:00:00");  // no 13th month: day first
    EXPECT_EQ(parsed(u"12/6", en), "2026-12-06 00:00:00");
    EXPECT_EQ(parsed(u"26/12/6", zh), "2026-12-06 00:00:00");
    EXPECT_EQ(parsed(u"1/2/26", en), "2026-01-02 00:00:00");
    EXPECT_EQ(parsed(u"1/2/49", en), "1949-01-02 00:00:00");
    EXPECT_EQ(parsed(u"2026/12", zh), "2026-12-01 00:00:00");
}

TEST(DateText, RejectsWhatIsNoDate) {
    for (std::u16string_view bad : {u"", u"abc", u"2026", u"2/30/2026", u"25:00", u"12:60",
                                    u"13:00 PM", u"1/2/3/4", u"2026/12/6 x", u"10:00:00:00"}) {
        EXPECT_EQ(parsed(bad, en), "") << std::string(bad.begin(), bad.end());
    }
}

TEST(DateText, MonthAndWeekdayNames) {
    EXPECT_EQ(DateText::monthName(12, false, zh), u"十二月");
    EXPECT_EQ(DateText::monthName(2, true, en), u"Feb");
    EXPECT_EQ(DateText::weekdayName(1, false, 1, zh), u"星期日");
    EXPECT_EQ(DateText::weekdayName(1, true, 2, en), u"Mon");
    EXPECT_EQ(DateText::weekdayName(1, false, 0, zh), u"星期一");  // system: Monday in China
    EXPECT_THROW(DateText::monthName(13, false, en), RuntimeFault);
    EXPECT_THROW(DateText::weekdayName(8, false, 1, en), RuntimeFault);
}

TEST(Locale, EnvironmentDecides) {
    EXPECT_EQ(Locale::fromPosixName("zh_CN.UTF-8").lcid, 2052);
    EXPECT_EQ(Locale::fromPosixName("C").lcid, 1033);
    EXPECT_EQ(Locale::fromPosixName("POSIX").lcid, 1033);
    EXPECT_EQ(Locale::fromPosixName("en_US.UTF-8").lcid, 1033);
    EXPECT_EQ(Locale::byName(u"ZH-CN")->lcid, 2052);
    EXPECT_EQ(Locale::byName(u"fr-fr"), nullptr);
    EXPECT_EQ(Locale::byLcid(1036), nullptr);
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_TIME", "zh_CN.UTF-8", 1);
    ::setenv("LANG", "C", 1);
    EXPECT_EQ(Locale::fromEnvironment().lcid, 2052);
    ::setenv("LC_ALL", "C", 1);
    EXPECT_EQ(Locale::fromEnvironment().lcid, 1033);
}
