#include "vbscript/runtime/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "vbscript/runtime/RuntimeFault.h"

namespace vbs::runtime {

namespace {

void checkTristate(int value) {
    if (value < kTristateDefault || value > kTristateFalse) throw RuntimeFault(kInvalidCall);
}

bool resolve(int tristate, bool localeDefault) {
    return tristate == kTristateDefault ? localeDefault : tristate == kTristateTrue;
}

// Decimal digits of |value| with 15 significant digits, as the language's own text forms
// keep them, so 0.125 rounds to 0.13 and 2.675 to 2.68 as a user reads them.
std::string decimalDigits(double value, int& pointPos) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    std::string digits;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') digits += *p;
    }
    int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    pointPos = exponent + 1;  // digits before the decimal point
    return digits;
}

}  // namespace

std::u16string NumberText::magnitude(double value, const NumberStyle& style, bool& negative) {
    if (style.digits < -1 || style.digits > 255) throw RuntimeFault(kInvalidCall);
    checkTristate(style.leadingDigit);
    checkTristate(style.parens);
    checkTristate(style.group);
    int decimals = style.digits < 0 ? 2 : style.digits;
    if (!std::isfinite(value)) throw RuntimeFault(kOverflow);

    int pointPos = 0;
    std::string digits = value == 0 ? std::string("0") : decimalDigits(value, pointPos);
    if (value == 0) pointPos = 1;
    // Pad so the digit list covers at least one whole digit and every decimal kept.
    if (pointPos < 1) {
        digits.insert(0, static_cast<size_t>(1 - pointPos), '0');
        pointPos = 1;
    }
    size_t keep = static_cast<size_t>(pointPos + decimals);
    if (digits.size() < keep + 1) digits.append(keep + 1 - digits.size(), '0');
    bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        int i = static_cast<int>(keep) - 1;
        for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        }
    }
    negative = value < 0 && digits.find_first_not_of('0') != std::string::npos;

    std::string whole = digits.substr(0, pointPos);
    size_t nonZero = whole.find_first_not_of('0');
    whole = nonZero == std::string::npos ? "" : whole.substr(nonZero);
    if (whole.empty() && resolve(style.leadingDigit, true)) whole = "0";
    std::u16string text;
    bool group = resolve(style.group, true);
    for (size_t i = 0; i < whole.size(); ++i) {
        if (group && i > 0 && (whole.size() - i) % 3 == 0) text += u',';
        text += static_cast<char16_t>(whole[i]);
    }
    if (decimals > 0) {
        text += u'.';
        for (size_t i = pointPos; i < digits.size(); ++i) text += static_cast<char16_t>(digits[i]);
    }
    return text;
}

std::u16string NumberText::formatNumber(double value, const NumberStyle& style, const LocaleInfo&) {
    bool negative = false;
    std::u16string text = magnitude(value, style, negative);
    if (!negative) return text;
    return resolve(style.parens, false) ? u"(" + text + u")" : u"-" + text;
}

std::u16string NumberText::formatCurrency(double value, const NumberStyle& style,
                                          const LocaleInfo& locale) {
    bool negative = false;
    std::u16string text = magnitude(value, style, negative);
    std::u16string symbol(locale.currency);
    if (!negative) return symbol + text;
    if (resolve(style.parens, locale.currencyParens)) return u"(" + symbol + text + u")";
    // Without parentheses each locale puts the sign where its own users write it.
    return locale.currencyParens ? u"-" + symbol + text : symbol + u"-" + text;
}

std::u16string NumberText::formatPercent(double value, const NumberStyle& style,
                                         const LocaleInfo&) {
    bool negative = false;
    std::u16string text = magnitude(value * 100.0, style, negative) + u"%";
    if (!negative) return text;
    return resolve(style.parens, false) ? u"(" + text + u")" : u"-" + text;
}

}  // namespace vbs::runtime
