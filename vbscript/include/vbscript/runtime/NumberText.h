#pragma once

#include <string>

#include "vbscript/runtime/Locale.h"

namespace vbs::runtime {

// The tristate arguments of the Format functions: -1 true, 0 false, -2 the locale's choice.
enum Tristate { kTristateTrue = -1, kTristateFalse = 0, kTristateDefault = -2 };

struct NumberStyle {
    int digits = -1;  // after the decimal point; -1 the locale's (2)
    int leadingDigit = kTristateDefault;
    int parens = kTristateDefault;
    int group = kTristateDefault;
};

// FormatNumber, FormatCurrency and FormatPercent. Rounding is decimal, halves away from zero.
// Throws RuntimeFault 5 for digits outside -1..255 or a tristate outside -2..0.
class NumberText {
  public:
    static std::u16string formatNumber(double value, const NumberStyle& style,
                                       const LocaleInfo& locale);
    static std::u16string formatCurrency(double value, const NumberStyle& style,
                                         const LocaleInfo& locale);
    static std::u16string formatPercent(double value, const NumberStyle& style,
                                        const LocaleInfo& locale);

  private:
    // The magnitude rounded and grouped; negative tells whether a nonzero negative remains.
    static std::u16string magnitude(double value, const NumberStyle& style, bool& negative);
};

}  // namespace vbs::runtime
