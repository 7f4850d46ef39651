#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "vbscript/runtime/Locale.h"

namespace vbs::runtime {

// NamedFormat values of FormatDateTime.
enum DateFormat { kGeneralDate = 0, kLongDate = 1, kShortDate = 2, kLongTime = 3, kShortTime = 4 };

// Dates as text, both ways, in the forms of a locale.
class DateText {
  public:
    // The text of a date value: the general form leaves out a zero date or a zero time.
    // Throws RuntimeFault 5 for a format outside 0..4.
    static std::u16string format(double serial, int namedFormat, const LocaleInfo& locale);

    // Reads date and/or time text as CDate does; nullopt when it is no date. A date without a
    // year takes currentYear; a time alone lands on day 0.
    static std::optional<double> parse(std::u16string_view text, const LocaleInfo& locale,
                                       int currentYear);

    static std::u16string monthName(int month, bool abbreviate, const LocaleInfo& locale);
    // weekday counts from firstDayOfWeek (1 = Sunday).
    static std::u16string weekdayName(int weekday, bool abbreviate, int firstDayOfWeek,
                                      const LocaleInfo& locale);
};

}  // namespace vbs::runtime
