// Number built-ins: maths, rounding, Rnd and Randomize, Hex and Oct, RGB, CDate.
#include <chrono>
#include <cmath>
#include <ctime>

#include "BuiltinSupport.h"
#include "vbscript/runtime/TextOps.h"
#include "vbscript/runtime/VbRandom.h"

namespace vbs::runtime {

namespace {

VbRandom& generator() {
    static VbRandom random;
    return random;
}

double secondsSinceMidnight() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local = *std::localtime(&t);
    double ms =
        static_cast<double>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0;
}

// The result of Abs, Fix, Int and Round keeps the argument's numeric kind where it can.
Value sameKind(const Value& v, double r) {
    switch (v.type()) {
        case vtInteger:
        case vtBoolean:
            return integerResult(static_cast<int64_t>(r));
        case vtLong:
            if (std::fabs(r) <= 2147483647.0) return Value(static_cast<int32_t>(r));
            return Value(r);
        case vtByte:
            return Value::byte(static_cast<uint8_t>(r));
        case vtSingle:
            return Value::single(static_cast<float>(r));
        case vtCurrency:
            return Value::currency(static_cast<int64_t>(std::llround(r * 10000.0)));
        case vtDate:
            return Value::date(r);
        default:
            return Value(r);
    }
}

// Applies `fn` to a number argument, passing Null through.
template <class F>
void numeric(Args a, Value& out, F fn) {
    Value v = scalar(a[0]);
    if (v.isNull()) return void(out = Value::null());
    if (v.isEmpty()) v = Value::integer(0);
    out = sameKind(v, fn(v.toDouble()));
}

double checked(double r) {
    if (std::isinf(r)) throwError(6);
    if (std::isnan(r)) throwError(5);
    return r;
}

void hexOrOct(Args a, Value& out, bool hex) {
    Value v = scalar(a[0]);
    if (v.isNull()) return void(out = Value::null());
    bool sixteen =
        v.type() == vtInteger || v.type() == vtByte || v.type() == vtBoolean || v.isEmpty();
    int64_t n = sixteen ? v.toInteger() : v.toLong();
    out = Value(hex ? TextOps::hex(n, sixteen) : TextOps::oct(n, sixteen));
}

void round(Args a, Value& out) {
    Value v = scalar(a[0]);
    if (v.isNull()) return void(out = Value::null());
    int32_t digits = longArg(a, 1, 0);
    if (digits < 0) throwError(5);
    double x = v.toDouble();
    double r;
    if (digits == 0) {
        r = roundHalfEven(x);
    } else if (digits > 15) {
        r = x;
    } else {
        double scale = std::pow(10.0, digits);
        r = roundHalfEven(x * scale) / scale;
        if (!std::isfinite(r)) r = x;
    }
    if (v.type() == vtString || v.type() == vtDate || v.isEmpty()) {
        out = v.isEmpty() ? Value::integer(0) : Value(r);
        return;
    }
    out = sameKind(v, r);
}

int32_t colorPart(Args a, size_t i) {
    int32_t c = scalar(a[i]).toLong();
    if (c < 0) throwError(5);
    return c > 255 ? 255 : c;
}

}  // namespace

void registerMathFunctions(BuiltinRegistry& r) {
    define(r, u"Abs", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        Value v = scalar(a[0]);
        if (v.isNull()) return void(out = Value::null());
        if (v.type() == vtInteger && v.rawInteger() == -32768) return void(out = Value(32768));
        numeric(a, out, [](double x) { return std::fabs(x); });
    });
    define(r, u"Fix", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        numeric(a, out, [](double x) { return std::trunc(x); });
    });
    define(r, u"Int", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        numeric(a, out, [](double x) { return std::floor(x); });
    });
    define(r, u"Round", 1, 2, [](BuiltinContext&, Args a, Value& out) { round(a, out); });
    define(r, u"Sgn", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        double x = numberArg(a, 0);
        out = Value::integer(static_cast<int16_t>(x > 0 ? 1 : x < 0 ? -1 : 0));
    });
    define(r, u"Atn", 1, 1,
           [](BuiltinContext&, Args a, Value& out) { out = Value(std::atan(numberArg(a, 0))); });
    define(r, u"Cos", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value(checked(std::cos(numberArg(a, 0))));
    });
    define(r, u"Sin", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value(checked(std::sin(numberArg(a, 0))));
    });
    define(r, u"Tan", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value(checked(std::tan(numberArg(a, 0))));
    });
    define(r, u"Exp", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value(checked(std::exp(numberArg(a, 0))));
    });
    define(r, u"Log", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        double x = numberArg(a, 0);
        if (!(x > 0)) throwError(5);
        out = Value(std::log(x));
    });
    define(r, u"Sqr", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        double x = numberArg(a, 0);
        if (x < 0) throwError(5);
        out = Value(std::sqrt(x));
    });
    define(r, u"Rnd", 0, 1, [](BuiltinContext&, Args a, Value& out) {
        double n = isMissing(a, 0) ? 1.0 : numberArg(a, 0);
        out = Value::single(generator().rnd(n));
    });
    define(r, u"Randomize", 0, 1, [](BuiltinContext&, Args a, Value&) {
        generator().randomize(isMissing(a, 0)
                                  ? static_cast<double>(static_cast<float>(secondsSinceMidnight()))
                                  : numberArg(a, 0));
    });
    define(r, u"Timer", 0, 0, [](BuiltinContext&, Args, Value& out) {
        out = Value::single(static_cast<float>(secondsSinceMidnight()));
    });
    define(r, u"Hex", 1, 1, [](BuiltinContext&, Args a, Value& out) { hexOrOct(a, out, true); });
    define(r, u"Oct", 1, 1, [](BuiltinContext&, Args a, Value& out) { hexOrOct(a, out, false); });
    define(r, u"RGB", 3, 3, [](BuiltinContext&, Args a, Value& out) {
        out = Value(colorPart(a, 0) + colorPart(a, 1) * 256 + colorPart(a, 2) * 65536);
    });
    define(r, u"CDate", 1, 1,
           [](BuiltinContext&, Args a, Value& out) { out = Value::date(scalar(a[0]).toDate()); });
}

}  // namespace vbs::runtime
