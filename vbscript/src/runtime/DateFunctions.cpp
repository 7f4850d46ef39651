// Date and time built-ins, the locale functions and the engine's locale hooks.
#include <ctime>

#include "BuiltinSupport.h"
#include "vbscript/runtime/DateText.h"
#include "vbscript/runtime/OleDate.h"

namespace vbs::runtime {

namespace {

std::tm localNow() {
    std::time_t t = std::time(nullptr);
    return *std::localtime(&t);
}

double nowSerial() {
    std::tm tm = localNow();
    return OleDate::fromParts(
        {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec});
}

int currentYear() { return localNow().tm_year + 1900; }

double dateArg(Args a, size_t i) { return scalar(a[i]).toDate(); }

// Day, Month, Hour... : Null passes through, anything else reads as a date.
template <class F>
void datePartOf(Args a, Value& out, F part) {
    if (isNullArg(a, 0)) return void(out = Value::null());
    out = Value::integer(static_cast<int16_t>(part(OleDate::parts(dateArg(a, 0)))));
}

double wholeDay(double serial) {
    int64_t day;
    int seconds;
    OleDate::split(serial, day, seconds);
    return OleDate::join(day, 0);
}

double timeOfDay(double serial) {
    int64_t day;
    int seconds;
    OleDate::split(serial, day, seconds);
    return OleDate::join(0, seconds);
}

DateInterval intervalArg(Args a, size_t i) { return OleDate::parseInterval(TextArg(a[i]).view()); }

bool looksLikeDate(const Value& v) {
    if (v.type() == vtDate) return true;
    if (!v.isString()) return false;
    return DateText::parse(v.str(), Locale::current(), currentYear()).has_value();
}

const LocaleInfo& localeArg(Args a) {
    if (isMissing(a, 0)) return Locale::fromEnvironment();
    Value v = scalar(a[0]);
    const LocaleInfo* info = nullptr;
    double number;
    if (v.isString() && !parseNumber(v.str(), number)) {
        info = Locale::byName(v.str());
    } else {
        int32_t lcid = v.toLong();
        if (lcid == 0) return Locale::fromEnvironment();
        info = Locale::byLcid(lcid);
    }
    if (!info) throwError(5);
    return *info;
}

void installLocaleHooks() {
    LocaleHooks& hooks = localeHooks();
    hooks.formatDate = [](double serial) {
        return DateText::format(serial, kGeneralDate, Locale::current());
    };
    hooks.parseDate = [](std::u16string_view text, double& serial) {
        auto parsed = DateText::parse(text, Locale::current(), currentYear());
        if (parsed) serial = *parsed;
        return parsed.has_value();
    };
}

}  // namespace

void registerDateFunctions(BuiltinRegistry& r) {
    installLocaleHooks();
    define(r, u"Now", 0, 0,
           [](BuiltinContext&, Args, Value& out) { out = Value::date(nowSerial()); });
    define(r, u"Date", 0, 0,
           [](BuiltinContext&, Args, Value& out) { out = Value::date(wholeDay(nowSerial())); });
    define(r, u"Time", 0, 0,
           [](BuiltinContext&, Args, Value& out) { out = Value::date(timeOfDay(nowSerial())); });
    define(r, u"DateSerial", 3, 3, [](BuiltinContext&, Args a, Value& out) {
        out = Value::date(OleDate::dateSerial(numberArg(a, 0), numberArg(a, 1), numberArg(a, 2)));
    });
    define(r, u"TimeSerial", 3, 3, [](BuiltinContext&, Args a, Value& out) {
        out = Value::date(OleDate::timeSerial(numberArg(a, 0), numberArg(a, 1), numberArg(a, 2)));
    });
    define(r, u"DateValue", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) return void(out = Value::null());
        out = Value::date(wholeDay(dateArg(a, 0)));
    });
    define(r, u"TimeValue", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) return void(out = Value::null());
        out = Value::date(timeOfDay(dateArg(a, 0)));
    });
    define(r, u"Year", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        datePartOf(a, out, [](auto p) { return p.year; });
    });
    define(r, u"Month", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        datePartOf(a, out, [](auto p) { return p.month; });
    });
    define(r, u"Day", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        datePartOf(a, out, [](auto p) { return p.day; });
    });
    define(r, u"Hour", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        datePartOf(a, out, [](auto p) { return p.hour; });
    });
    define(r, u"Minute", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        datePartOf(a, out, [](auto p) { return p.minute; });
    });
    define(r, u"Second", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        datePartOf(a, out, [](auto p) { return p.second; });
    });
    define(r, u"Weekday", 1, 2, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) return void(out = Value::null());
        out = Value::integer(
            static_cast<int16_t>(OleDate::weekday(dateArg(a, 0), firstDayArg(a, 1))));
    });
    define(r, u"DateAdd", 3, 3, [](BuiltinContext&, Args a, Value& out) {
        DateInterval interval = intervalArg(a, 0);
        if (isNullArg(a, 2)) return void(out = Value::null());
        out = Value::date(OleDate::dateAdd(interval, numberArg(a, 1), dateArg(a, 2)));
    });
    define(r, u"DateDiff", 3, 5, [](BuiltinContext&, Args a, Value& out) {
        DateInterval interval = intervalArg(a, 0);
        if (isNullArg(a, 1) || isNullArg(a, 2)) return void(out = Value::null());
        int64_t diff = OleDate::dateDiff(interval, dateArg(a, 1), dateArg(a, 2), firstDayArg(a, 3),
                                         firstWeekArg(a, 4));
        out = diff >= INT32_MIN && diff <= INT32_MAX ? Value(static_cast<int32_t>(diff))
                                                     : Value(static_cast<double>(diff));
    });
    define(r, u"DatePart", 2, 4, [](BuiltinContext&, Args a, Value& out) {
        DateInterval interval = intervalArg(a, 0);
        if (isNullArg(a, 1)) return void(out = Value::null());
        out = Value::integer(static_cast<int16_t>(
            OleDate::datePart(interval, dateArg(a, 1), firstDayArg(a, 2), firstWeekArg(a, 3))));
    });
    define(r, u"MonthName", 1, 2, [](BuiltinContext&, Args a, Value& out) {
        out = Value(DateText::monthName(longArg(a, 0, 0), boolArg(a, 1, false), Locale::current()));
    });
    define(r, u"WeekdayName", 1, 3, [](BuiltinContext&, Args a, Value& out) {
        int32_t first = longArg(a, 2, 1);
        out = Value(DateText::weekdayName(longArg(a, 0, 0), boolArg(a, 1, false), first,
                                          Locale::current()));
    });
    define(r, u"FormatDateTime", 1, 2, [](BuiltinContext&, Args a, Value& out) {
        out =
            Value(DateText::format(dateArg(a, 0), longArg(a, 1, kGeneralDate), Locale::current()));
    });
    define(r, u"IsDate", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        const Value& v = a[0].deref();
        out = Value(looksLikeDate(v.isObject() && v.obj() ? scalar(v) : v));
    });
    define(r, u"GetLocale", 0, 0,
           [](BuiltinContext&, Args, Value& out) { out = Value(Locale::current().lcid); });
    define(r, u"SetLocale", 0, 1, [](BuiltinContext&, Args a, Value& out) {
        int previous = Locale::current().lcid;
        Locale::setCurrent(localeArg(a));
        out = Value(previous);
    });
}

}  // namespace vbs::runtime
