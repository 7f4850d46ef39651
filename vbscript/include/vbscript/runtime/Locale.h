#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vbs::runtime {

enum class DateOrder { MonthDayYear, YearMonthDay };

// What date and number text needs to know about one locale.
struct LocaleInfo {
    int lcid;
    std::u16string_view name;  // as SetLocale accepts it, e.g. "zh-cn"
    int codePage;              // the ANSI code page Asc and Chr go through
    DateOrder order;
    bool clock24;
    std::u16string_view am;
    std::u16string_view pm;
    std::u16string_view currency;
    bool currencyParens;  // negative amounts in parentheses unless told otherwise
    int firstDayOfWeek;   // 1 = Sunday
    int firstWeekOfYear;  // 1 = the week of January 1
    std::array<std::u16string_view, 12> months;
    std::array<std::u16string_view, 12> monthsShort;
    std::array<std::u16string_view, 7> weekdays;  // Sunday first
    std::array<std::u16string_view, 7> weekdaysShort;
};

// The locales the runtime knows, the one taken from the environment and the one in force.
class Locale {
  public:
    static const LocaleInfo& chinese();
    static const LocaleInfo& english();
    // nullptr when the LCID or name is not supported.
    static const LocaleInfo* byLcid(int lcid);
    static const LocaleInfo* byName(std::u16string_view name);
    // From a POSIX locale name such as "zh_CN.UTF-8"; C, POSIX, empty and unknown
    // languages give English (United States).
    static const LocaleInfo& fromPosixName(std::string_view name);
    // LC_ALL, then LC_TIME, then LANG.
    static const LocaleInfo& fromEnvironment();

    // The locale in force for scripts: the environment's until set.
    static const LocaleInfo& current();
    static void setCurrent(const LocaleInfo& info);
};

}  // namespace vbs::runtime
