#include "vbscript/runtime/OleDate.h"

#include <cmath>
#include <string>

#include "vbscript/runtime/RuntimeFault.h"

namespace vbs::runtime {

namespace {

constexpr int64_t kFirstDay = -657434;  // 100-01-01
constexpr int64_t kLastDay = 2958465;   // 9999-12-31
constexpr int64_t kUnixToOle = 25569;   // days from 1899-12-30 to 1970-01-01

int64_t floorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

int64_t floorMod(int64_t a, int64_t b) { return a - floorDiv(a, b) * b; }

int daysInMonth(int64_t year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// 1 = Sunday ... 7 = Saturday; day 0 (1899-12-30) was a Saturday.
int dayOfWeek(int64_t day) { return static_cast<int>(floorMod(day + 6, 7)) + 1; }

int offsetInWeek(int64_t day, int firstDayOfWeek) {
    return static_cast<int>(floorMod(dayOfWeek(day) - firstDayOfWeek, 7));
}

int64_t firstWeekStart(int64_t year, int firstDayOfWeek, int firstWeekOfYear) {
    int64_t jan1 = OleDate::daysFromCivil(year, 1, 1);
    int offset = offsetInWeek(jan1, firstDayOfWeek);
    int64_t start = jan1 - offset;
    if (firstWeekOfYear == 2 && offset > 3) start += 7;  // fewer than four days in the new year
    if (firstWeekOfYear == 3 && offset != 0) start += 7;
    return start;
}

int64_t absoluteSeconds(double serial) {
    int64_t day;
    int seconds;
    OleDate::split(serial, day, seconds);
    return day * OleDate::kSecondsPerDay + seconds;
}

void requireRange(int64_t day) {
    if (day < kFirstDay || day > kLastDay) throw RuntimeFault(kInvalidCall);
}

}  // namespace

bool OleDate::inRange(double serial) { return serial >= kMin && serial < kLastDay + 1.0; }

int64_t OleDate::daysFromCivil(int64_t year, int month, int day) {
    year -= month <= 2;
    const int64_t era = floorDiv(year, 400);
    const int64_t yoe = year - era * 400;
    const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + kUnixToOle;
}

void OleDate::civilFromDays(int64_t days, int& year, int& month, int& day) {
    const int64_t z = days - kUnixToOle + 719468;
    const int64_t era = floorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

void OleDate::split(double serial, int64_t& day, int& seconds) {
    double whole = std::trunc(serial);
    day = static_cast<int64_t>(whole);
    int64_t secs = std::llround(std::fabs(serial - whole) * kSecondsPerDay);
    if (secs >= kSecondsPerDay) {
        secs -= kSecondsPerDay;
        ++day;
    }
    seconds = static_cast<int>(secs);
}

double OleDate::join(int64_t day, int64_t seconds) {
    day += floorDiv(seconds, kSecondsPerDay);
    seconds = floorMod(seconds, kSecondsPerDay);
    double fraction = static_cast<double>(seconds) / kSecondsPerDay;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

DateTimeParts OleDate::parts(double serial) {
    int64_t day;
    int seconds;
    split(serial, day, seconds);
    DateTimeParts p;
    civilFromDays(day, p.year, p.month, p.day);
    p.hour = seconds / 3600;
    p.minute = seconds / 60 % 60;
    p.second = seconds % 60;
    return p;
}

double OleDate::fromParts(const DateTimeParts& p) {
    if (p.year < 100 || p.year > 9999) throw RuntimeFault(kInvalidCall);
    int64_t day = daysFromCivil(p.year, p.month, p.day);
    requireRange(day);
    return join(day, int64_t{p.hour} * 3600 + p.minute * 60 + p.second);
}

int64_t OleDate::wholeArgument(double value) {
    if (!(std::fabs(value) < 2147483648.0)) throw RuntimeFault(kOverflow);
    return static_cast<int64_t>(std::nearbyint(value));  // halves go to even
}

double OleDate::dateSerial(double year, double month, double day) {
    int64_t y = wholeArgument(year);
    int64_t m = wholeArgument(month);
    int64_t d = wholeArgument(day);
    if (y >= 0 && y <= 29) {
        y += 2000;
    } else if (y >= 30 && y <= 99) {
        y += 1900;
    }
    int64_t months = y * 12 + (m - 1);
    int64_t yy = floorDiv(months, 12);
    if (yy < -100000 || yy > 100000) throw RuntimeFault(kInvalidCall);
    int64_t days = daysFromCivil(yy, static_cast<int>(floorMod(months, 12)) + 1, 1) + (d - 1);
    requireRange(days);
    return static_cast<double>(days);
}

double OleDate::timeSerial(double hour, double minute, double second) {
    int64_t total = wholeArgument(hour) * 3600 + wholeArgument(minute) * 60 + wholeArgument(second);
    int64_t day = floorDiv(total, kSecondsPerDay);
    requireRange(day);
    return join(day, floorMod(total, kSecondsPerDay));
}

int OleDate::weekday(double serial, int firstDayOfWeek) {
    int64_t day;
    int seconds;
    split(serial, day, seconds);
    return offsetInWeek(day, firstDayOfWeek) + 1;
}

int OleDate::weekOfYear(double serial, int firstDayOfWeek, int firstWeekOfYear) {
    int64_t day;
    int seconds;
    split(serial, day, seconds);
    int y, m, d;
    civilFromDays(day, y, m, d);
    int64_t start = firstWeekStart(y, firstDayOfWeek, firstWeekOfYear);
    if (day < start) start = firstWeekStart(y - 1, firstDayOfWeek, firstWeekOfYear);
    return static_cast<int>((day - start) / 7 + 1);
}

DateInterval OleDate::parseInterval(std::u16string_view text) {
    std::string s;
    for (char16_t c : text) {
        if (c > 127) throw RuntimeFault(kInvalidCall);
        s += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    if (s == "yyyy") return DateInterval::Year;
    if (s == "q") return DateInterval::Quarter;
    if (s == "m") return DateInterval::Month;
    if (s == "y") return DateInterval::DayOfYear;
    if (s == "d") return DateInterval::Day;
    if (s == "w") return DateInterval::Weekday;
    if (s == "ww") return DateInterval::Week;
    if (s == "h") return DateInterval::Hour;
    if (s == "n") return DateInterval::Minute;
    if (s == "s") return DateInterval::Second;
    throw RuntimeFault(kInvalidCall);
}

double OleDate::addMonths(double date, int64_t months) {
    DateTimeParts p = parts(date);
    int64_t total = int64_t{p.year} * 12 + (p.month - 1) + months;
    int64_t year = floorDiv(total, 12);
    if (year < 100 || year > 9999) throw RuntimeFault(kInvalidCall);
    p.year = static_cast<int>(year);
    p.month = static_cast<int>(floorMod(total, 12)) + 1;
    if (p.day > daysInMonth(p.year, p.month)) p.day = daysInMonth(p.year, p.month);
    return fromParts(p);
}

double OleDate::dateAdd(DateInterval interval, double number, double date) {
    if (!(std::fabs(number) < 1e15)) throw RuntimeFault(kInvalidCall);
    int64_t n = static_cast<int64_t>(std::trunc(number));
    int64_t step = 0;  // seconds per unit for the fixed-length intervals
    switch (interval) {
        case DateInterval::Year:
            return addMonths(date, n * 12);
        case DateInterval::Quarter:
            return addMonths(date, n * 3);
        case DateInterval::Month:
            return addMonths(date, n);
        case DateInterval::DayOfYear:
        case DateInterval::Day:
        case DateInterval::Weekday:
            step = kSecondsPerDay;
            break;
        case DateInterval::Week:
            step = 7 * kSecondsPerDay;
            break;
        case DateInterval::Hour:
            step = 3600;
            break;
        case DateInterval::Minute:
            step = 60;
            break;
        case DateInterval::Second:
            step = 1;
            break;
    }
    if (std::fabs(number) * step > 4e11) throw RuntimeFault(kInvalidCall);
    int64_t total = absoluteSeconds(date) + n * step;
    requireRange(floorDiv(total, kSecondsPerDay));
    return join(0, total);
}

int64_t OleDate::dateDiff(DateInterval interval, double date1, double date2, int firstDayOfWeek,
                          int firstWeekOfYear) {
    (void)firstWeekOfYear;  // week counts do not depend on where week 1 starts
    DateTimeParts a = parts(date1);
    DateTimeParts b = parts(date2);
    int64_t s1 = absoluteSeconds(date1);
    int64_t s2 = absoluteSeconds(date2);
    int64_t d1 = floorDiv(s1, kSecondsPerDay);
    int64_t d2 = floorDiv(s2, kSecondsPerDay);
    switch (interval) {
        case DateInterval::Year:
            return b.year - a.year;
        case DateInterval::Quarter:
            return (int64_t{b.year} * 4 + (b.month - 1) / 3) -
                   (int64_t{a.year} * 4 + (a.month - 1) / 3);
        case DateInterval::Month:
            return (int64_t{b.year} * 12 + b.month) - (int64_t{a.year} * 12 + a.month);
        case DateInterval::DayOfYear:
        case DateInterval::Day:
            return d2 - d1;
        case DateInterval::Weekday:
            return (d2 - d1) / 7;
        case DateInterval::Week:
            return ((d2 - offsetInWeek(d2, firstDayOfWeek)) -
                    (d1 - offsetInWeek(d1, firstDayOfWeek))) /
                   7;
        case DateInterval::Hour:
            return floorDiv(s2, 3600) - floorDiv(s1, 3600);
        case DateInterval::Minute:
            return floorDiv(s2, 60) - floorDiv(s1, 60);
        case DateInterval::Second:
            return s2 - s1;
    }
    return 0;
}

int OleDate::datePart(DateInterval interval, double date, int firstDayOfWeek, int firstWeekOfYear) {
    DateTimeParts p = parts(date);
    switch (interval) {
        case DateInterval::Year:
            return p.year;
        case DateInterval::Quarter:
            return (p.month - 1) / 3 + 1;
        case DateInterval::Month:
            return p.month;
        case DateInterval::DayOfYear:
            return static_cast<int>(daysFromCivil(p.year, p.month, p.day) -
                                    daysFromCivil(p.year, 1, 1)) +
                   1;
        case DateInterval::Day:
            return p.day;
        case DateInterval::Weekday:
            return weekday(date, firstDayOfWeek);
        case DateInterval::Week:
            return weekOfYear(date, firstDayOfWeek, firstWeekOfYear);
        case DateInterval::Hour:
            return p.hour;
        case DateInterval::Minute:
            return p.minute;
        case DateInterval::Second:
            return p.second;
    }
    return 0;
}

}  // namespace vbs::runtime
