#include <gtest/gtest.h>

#include "vbscript/runtime/OleDate.h"
#include "vbscript/runtime/RuntimeFault.h"

using namespace vbs::runtime;

namespace {

double ymd(int y, int m, int d, int h = 0, int n = 0, int s = 0) {
    return OleDate::fromParts({y, m, d, h, n, s});
}

std::string text(double serial) {
    DateTimeParts p = OleDate::parts(serial);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
    return buf;
}

int fault(auto fn) {
    try {
        fn();
    } catch (const RuntimeFault& f) {
        return f.number();
    }
    return 0;
}

}  // namespace

TEST(OleDate, SerialsMatchTheCalendar) {
    EXPECT_EQ(ymd(1899, 12, 30), 0.0);
    EXPECT_EQ(ymd(2000, 1, 1), 36526.0);
    EXPECT_EQ(ymd(100, 1, 1), OleDate::kMin);
    EXPECT_EQ(text(ymd(2026, 12, 6, 14, 5, 9)), "2026-12-06 14:05:09");
    // Before 1899-12-30 the fraction still counts forwards in time.
    EXPECT_EQ(text(-1.25), "1899-12-29 06:00:00");
    EXPECT_DOUBLE_EQ(ymd(1899, 12, 29, 6), -1.25);
    EXPECT_EQ(text(-0.5), "1899-12-30 12:00:00");
    // A time a hair below midnight rounds to the next day, not to 24:00:00.
    EXPECT_EQ(text(1.0 - 1e-9), "1899-12-31 00:00:00");
    EXPECT_EQ(fault([] { ymd(10000, 1, 1); }), 5);
}

TEST(OleDate, DateSerialRollsOverAndMapsTwoDigitYears) {
    EXPECT_EQ(text(OleDate::dateSerial(2026, 14, 1)), "2027-02-01 00:00:00");
    EXPECT_EQ(text(OleDate::dateSerial(2026, 3, 0)), "2026-02-28 00:00:00");
    EXPECT_EQ(text(OleDate::dateSerial(2024, 3, 0)), "2024-02-29 00:00:00");
    EXPECT_EQ(text(OleDate::dateSerial(2026, 1, -1)), "2025-12-30 00:00:00");
    EXPECT_EQ(text(OleDate::dateSerial(2026, 0, 1)), "2025-12-01 00:00:00");
    EXPECT_EQ(OleDate::parts(OleDate::dateSerial(29, 1, 1)).year, 2029);
    EXPECT_EQ(OleDate::parts(OleDate::dateSerial(30, 1, 1)).year, 1930);
    EXPECT_EQ(OleDate::parts(OleDate::dateSerial(99, 13, 1)).year, 2000);
    EXPECT_EQ(fault([] { OleDate::dateSerial(10000, 1, 1); }), 5);
    EXPECT_EQ(fault([] { OleDate::dateSerial(9999, 12, 32); }), 5);
    EXPECT_EQ(fault([] { OleDate::dateSerial(2026, 1, 1e12); }), 6);
}

TEST(OleDate, TimeSerialOverflowsIntoDays) {
    EXPECT_EQ(text(OleDate::timeSerial(12 - 6, -15, 0)), "1899-12-30 05:45:00");
    EXPECT_EQ(text(OleDate::timeSerial(25, 0, 0)), "1899-12-31 01:00:00");
    EXPECT_EQ(text(OleDate::timeSerial(0, 0, 3661)), "1899-12-30 01:01:01");
    EXPECT_EQ(text(OleDate::timeSerial(0, 0, -1)), "1899-12-29 23:59:59");
}

TEST(OleDate, WeekdayFollowsTheFirstDayOfWeek) {
    double sunday = ymd(2026, 12, 6);
    EXPECT_EQ(OleDate::weekday(sunday, 1), 1);
    EXPECT_EQ(OleDate::weekday(sunday, 2), 7);  // Monday first
    EXPECT_EQ(OleDate::weekday(ymd(1899, 12, 30), 1), 7);
    EXPECT_EQ(OleDate::weekday(ymd(1800, 1, 1), 1), 4);  // a Wednesday, before day 0
}

TEST(OleDate, DateAddClampsMonthEnds) {
    EXPECT_EQ(text(OleDate::dateAdd(DateInterval::Month, 1, ymd(2026, 1, 31))),
              "2026-02-28 00:00:00");
    EXPECT_EQ(text(OleDate::dateAdd(DateInterval::Year, 1, ymd(2024, 2, 29))),
              "2025-02-28 00:00:00");
    EXPECT_EQ(text(OleDate::dateAdd(DateInterval::Quarter, -1, ymd(2026, 5, 31, 8))),
              "2026-02-28 08:00:00");
    EXPECT_EQ(text(OleDate::dateAdd(DateInterval::Week, 2, ymd(2026, 12, 6))),
              "2026-12-20 00:00:00");
    EXPECT_EQ(text(OleDate::dateAdd(DateInterval::Hour, -1, ymd(2026, 1, 1))),
              "2025-12-31 23:00:00");
    EXPECT_EQ(text(OleDate::dateAdd(DateInterval::Second, 86400, ymd(1899, 12, 29, 6))),
              "1899-12-30 06:00:00");
    EXPECT_EQ(
        fault([] { OleDate::dateAdd(DateInterval::Year, 1, OleDate::dateSerial(9999, 1, 1)); }), 5);
    EXPECT_EQ(fault([] { OleDate::parseInterval(u"x"); }), 5);
    EXPECT_EQ(OleDate::parseInterval(u"WW"), DateInterval::Week);
}

TEST(OleDate, DateDiffCountsBoundaries) {
    double newYearsEve = ymd(2025, 12, 31, 23, 59, 59);
    double newYear = ymd(2026, 1, 1);
    EXPECT_EQ(OleDate::dateDiff(DateInterval::Year, newYearsEve, newYear, 1, 1), 1);
    EXPECT_EQ(OleDate::dateDiff(DateInterval::Day, newYearsEve, newYear, 1, 1), 1);
    EXPECT_EQ(OleDate::dateDiff(DateInterval::Second, newYearsEve, newYear, 1, 1), 1);
    EXPECT_EQ(OleDate::dateDiff(DateInterval::Month, newYear, newYearsEve, 1, 1), -1);
    EXPECT_EQ(OleDate::dateDiff(DateInterval::Quarter, ymd(2026, 3, 31), ymd(2026, 4, 1), 1, 1), 1);
    // Saturday to the next Sunday crosses one Sunday but not one whole week.
    EXPECT_EQ(OleDate::dateDiff(DateInterval::Week, ymd(2026, 12, 5), ymd(2026, 12, 6), 1, 1), 1);
    EXPECT_EQ(OleDate::dateDiff(DateInterval::Weekday, ymd(2026, 12, 5), ymd(2026, 12, 6), 1, 1),
              0);
    EXPECT_EQ(OleDate::dateDiff(DateInterval::Week, ymd(2026, 12, 5), ymd(2026, 12, 6), 7, 1), 0);
    EXPECT_EQ(OleDate::dateDiff(DateInterval::Hour, ymd(2026, 1, 1, 10, 59), ymd(2026, 1, 1, 11, 0),
                                1, 1),
              1);
}

TEST(OleDate, WeekOfYearRules) {
    double jan1 = ymd(2026, 1, 1);  // a Thursday
    EXPECT_EQ(OleDate::datePart(DateInterval::Week, jan1, 1, 1), 1);
    EXPECT_EQ(OleDate::datePart(DateInterval::Week, jan1, 2, 2), 1);
    EXPECT_EQ(OleDate::datePart(DateInterval::Week, ymd(2027, 1, 1), 2, 2), 53);
    EXPECT_EQ(OleDate::datePart(DateInterval::Week, ymd(2026, 1, 3), 1, 3), 52);
    EXPECT_EQ(OleDate::datePart(DateInterval::Week, ymd(2026, 1, 4), 1, 3), 1);
    EXPECT_EQ(OleDate::datePart(DateInterval::Week, ymd(2026, 12, 31), 1, 1), 53);
    EXPECT_EQ(OleDate::datePart(DateInterval::DayOfYear, ymd(2026, 12, 31), 1, 1), 365);
    EXPECT_EQ(OleDate::datePart(DateInterval::Quarter, ymd(2026, 7, 1), 1, 1), 3);
    EXPECT_EQ(OleDate::datePart(DateInterval::Weekday, ymd(2026, 12, 6), 2, 1), 7);
}
