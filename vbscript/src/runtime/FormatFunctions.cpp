// FormatNumber, FormatCurrency and FormatPercent in the locale in force.
#include "BuiltinSupport.h"
#include "vbscript/runtime/NumberText.h"

namespace vbs::runtime {

namespace {

NumberStyle styleArgs(Args a) {
    NumberStyle style;
    style.digits = longArg(a, 1, -1);
    style.leadingDigit = longArg(a, 2, kTristateDefault);
    style.parens = longArg(a, 3, kTristateDefault);
    style.group = longArg(a, 4, kTristateDefault);
    return style;
}

template <class F>
void formatWith(Args a, Value& out, F format) {
    Value v = scalar(a[0]);
    if (v.isString()) {
        double d;
        if (!parseNumber(v.str(), d)) throwError(13);
        v = Value(d);
    }
    out = Value(format(v.toDouble(), styleArgs(a), Locale::current()));
}

}  // namespace

void registerFormatFunctions(BuiltinRegistry& r) {
    define(r, u"FormatNumber", 1, 5, [](BuiltinContext&, Args a, Value& out) {
        formatWith(a, out, NumberText::formatNumber);
    });
    define(r, u"FormatCurrency", 1, 5, [](BuiltinContext&, Args a, Value& out) {
        formatWith(a, out, NumberText::formatCurrency);
    });
    define(r, u"FormatPercent", 1, 5, [](BuiltinContext&, Args a, Value& out) {
        formatWith(a, out, NumberText::formatPercent);
    });
}

}  // namespace vbs::runtime
