#pragma once

#include <cstdint>
#include <string_view>

namespace vbs::runtime {

struct DateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Interval codes of DateAdd, DateDiff and DatePart.
enum class DateInterval {
    Year,
    Quarter,
    Month,
    DayOfYear,
    Day,
    Weekday,
    Week,
    Hour,
    Minute,
    Second
};

// Arithmetic on the serial date: days since 1899-12-30, the fraction is the time of day. Before
// that day the whole part counts backwards while the fraction still counts forwards, so every
// conversion goes through a (calendar day, seconds) pair.
class OleDate {
  public:
    static constexpr double kMin = -657434.0;                      // 100-01-01
    static constexpr double kMax = 2958465.0 + 86399.0 / 86400.0;  // 9999-12-31 23:59:59
    static constexpr int kSecondsPerDay = 86400;

    static bool inRange(double serial);
    static int64_t daysFromCivil(int64_t year, int month, int day);
    static void civilFromDays(int64_t days, int& year, int& month, int& day);

    // Calendar day and whole seconds since midnight, the time rounded to the second.
    static void split(double serial, int64_t& day, int& seconds);
    static double join(int64_t day, int64_t seconds);
    static DateTimeParts parts(double serial);
    // Throws RuntimeFault 5 outside years 100 to 9999.
    static double fromParts(const DateTimeParts& p);

    // DateSerial: years 0-99 mean 1930-2029, month and day overflow roll over.
    static double dateSerial(double year, double month, double day);
    // TimeSerial: the parts may overflow; a negative total lands on an earlier day.
    static double timeSerial(double hour, double minute, double second);

    // 1 = Sunday ... 7 = Saturday, counted from firstDayOfWeek (1..7).
    static int weekday(double serial, int firstDayOfWeek = 1);
    // firstWeekOfYear: 1 week of Jan 1, 2 first week of four days, 3 first full week.
    static int weekOfYear(double serial, int firstDayOfWeek, int firstWeekOfYear);

    // Throws RuntimeFault 5 for an unknown interval text.
    static DateInterval parseInterval(std::u16string_view text);
    static double dateAdd(DateInterval interval, double number, double date);
    static int64_t dateDiff(DateInterval interval, double date1, double date2, int firstDayOfWeek,
                            int firstWeekOfYear);
    static int datePart(DateInterval interval, double date, int firstDayOfWeek,
                        int firstWeekOfYear);

  private:
    static int64_t wholeArgument(double value);
    static double addMonths(double date, int64_t months);
};

}  // namespace vbs::runtime
