// The language's operators: promotion Integer -> Long -> Double, Null
// propagation, string rules of + and &, comparisons.
#include <cmath>
#include <limits>

#include "Interpreter.h"

namespace vbs {

namespace {

enum Rank { rByte = 1, rInteger, rLong, rSingle, rDouble, rCurrency, rDate };

// Operand ready for arithmetic: objects resolved, strings read as Double.
struct Num {
    Rank rank;
    int64_t i = 0;
    double d = 0;
    int64_t cy = 0;
};

Num toNum(const Value& v) {
    Num n{rInteger};
    switch (v.type()) {
        case vtEmpty:
            n.rank = rInteger;
            break;
        case vtBoolean:
            n.rank = rInteger, n.i = v.rawBoolean() ? -1 : 0;
            break;
        case vtByte:
            n.rank = rByte, n.i = v.rawByte();
            break;
        case vtInteger:
            n.rank = rInteger, n.i = v.rawInteger();
            break;
        case vtLong:
            n.rank = rLong, n.i = v.rawLong();
            break;
        case vtSingle:
            n.rank = rSingle, n.d = v.rawSingle();
            break;
        case vtDouble:
            n.rank = rDouble, n.d = v.rawDouble();
            break;
        case vtCurrency:
            n.rank = rCurrency, n.cy = v.rawCurrency();
            break;
        case vtDate:
            n.rank = rDate, n.d = v.rawDate();
            break;
        case vtString:
            n.rank = rDouble, n.d = v.toDouble();
            break;
        case vtObject:
            return toNum(v.resolved());
        default:
            throwError(13);
    }
    return n;
}

double asDouble(const Num& n) {
    switch (n.rank) {
        case rByte:
        case rInteger:
        case rLong:
            return static_cast<double>(n.i);
        case rCurrency:
            return static_cast<double>(n.cy) / 10000.0;
        default:
            return n.d;
    }
}

inline Value fitInteger(int64_t r, Rank rank) {
    if (rank == rByte && r >= 0 && r <= 255) return Value::byte(static_cast<uint8_t>(r));
    if (rank <= rInteger && r >= -32768 && r <= 32767)
        return Value::integer(static_cast<int16_t>(r));
    if (r >= std::numeric_limits<int32_t>::min() && r <= std::numeric_limits<int32_t>::max())
        return Value(static_cast<int32_t>(r));
    return Value(static_cast<double>(r));
}

Value fitSingle(double r) {
    if (std::isfinite(r) && std::fabs(r) <= 3.402823466e38)
        return Value::single(static_cast<float>(r));
    return Value(r);
}

Value checkDouble(double r) {
    if (std::isnan(r) || std::isinf(r)) throwError(6);
    return Value(r);
}

Value fromCurrency(double scaled) {
    if (!(std::fabs(scaled) < 9.2233720368547758e18)) throwError(6);
    return Value::currency(static_cast<int64_t>(roundHalfEven(scaled)));
}

enum class ArOp { Add, Sub, Mul };

Value arith(const Value& a0, const Value& b0, ArOp op) {
    const Value& a = a0.deref();
    const Value& b = b0.deref();
    if (a.isNull() || b.isNull()) return Value::null();
    Num x = toNum(a), y = toNum(b);
    Rank rank = std::max(x.rank, y.rank);
    if ((x.rank == rLong && y.rank == rSingle) || (x.rank == rSingle && y.rank == rLong))
        rank = rDouble;
    if (rank == rCurrency &&
        (x.rank == rSingle || x.rank == rDouble || y.rank == rSingle || y.rank == rDouble))
        rank = rDouble;
    if (rank <= rLong) {
        int64_t r = op == ArOp::Add ? x.i + y.i : op == ArOp::Sub ? x.i - y.i : x.i * y.i;
        return fitInteger(r, rank);
    }
    if (rank == rCurrency) {
        double xs = x.rank == rCurrency ? static_cast<double>(x.cy) : asDouble(x) * 10000.0;
        double ys = y.rank == rCurrency ? static_cast<double>(y.cy) : asDouble(y) * 10000.0;
        if (op == ArOp::Add) return fromCurrency(xs + ys);
        if (op == ArOp::Sub) return fromCurrency(xs - ys);
        return fromCurrency(xs * ys / 10000.0);
    }
    double xd = asDouble(x), yd = asDouble(y);
    double r = op == ArOp::Add ? xd + yd : op == ArOp::Sub ? xd - yd : xd * yd;
    if (rank == rSingle) return fitSingle(r);
    if (rank == rDate) {
        if (op == ArOp::Sub && x.rank == rDate && y.rank == rDate) return checkDouble(r);
        if (op == ArOp::Mul) return checkDouble(r);
        if (!(r >= -657434.0 && r < 2958466.0)) throwError(6);
        return Value::date(r);
    }
    return checkDouble(r);
}

// Whole-number operand of \, Mod and the logical operators.
int64_t wholeOf(const Value& v, Rank& rank) {
    switch (v.type()) {
        case vtEmpty:
            rank = std::max(rank, rInteger);
            return 0;
        case vtBoolean:
            rank = std::max(rank, rInteger);
            return v.rawBoolean() ? -1 : 0;
        case vtByte:
            rank = std::max(rank, rByte);
            return v.rawByte();
        case vtInteger:
            rank = std::max(rank, rInteger);
            return v.rawInteger();
        case vtLong:
            rank = std::max(rank, rLong);
            return v.rawLong();
        case vtObject:
            return wholeOf(v.resolved(), rank);
        default:
            rank = rLong;
            return v.toLong();
    }
}

// Integer and Long operands: the common case, done without conversions.
inline bool wholePair(const Value& a, const Value& b, int64_t& x, int64_t& y, Rank& rank) {
    uint16_t ta = a.type(), tb = b.type();
    if ((ta != vtInteger && ta != vtLong) || (tb != vtInteger && tb != vtLong)) return false;
    x = ta == vtInteger ? a.rawInteger() : a.rawLong();
    y = tb == vtInteger ? b.rawInteger() : b.rawLong();
    rank = (ta == vtLong || tb == vtLong) ? rLong : rInteger;
    return true;
}

}  // namespace

Value opAdd(const Value& a0, const Value& b0) {
    const Value& a = a0.deref();
    const Value& b = b0.deref();
    if (a.type() == vtInteger && b.type() == vtInteger) {
        int32_t r = int32_t(a.rawInteger()) + b.rawInteger();
        if (r >= -32768 && r <= 32767) return Value::integer(static_cast<int16_t>(r));
        return Value(r);
    }
    int64_t x, y;
    Rank rank;
    if (wholePair(a, b, x, y, rank)) return fitInteger(x + y, rank);
    if (a.type() == vtDouble && b.type() == vtDouble)
        return checkDouble(a.rawDouble() + b.rawDouble());
    // + joins when both sides are text (Empty counts as text next to text).
    bool as = a.isString(), bs = b.isString();
    if ((as && (bs || b.isEmpty())) || (bs && a.isEmpty())) {
        if (a.str().size() + b.str().size() > kMaxStringLength) throwError(14);
        return Value(a.str() + b.str());
    }
    return arith(a, b, ArOp::Add);
}

Value opSub(const Value& a0, const Value& b0) {
    const Value& a = a0.deref();
    const Value& b = b0.deref();
    if (a.type() == vtInteger && b.type() == vtInteger)
        return fitInteger(int64_t(a.rawInteger()) - b.rawInteger(), rInteger);
    int64_t x, y;
    Rank rank;
    if (wholePair(a, b, x, y, rank)) return fitInteger(x - y, rank);
    return arith(a, b, ArOp::Sub);
}

Value opMul(const Value& a0, const Value& b0) {
    const Value& a = a0.deref();
    const Value& b = b0.deref();
    int64_t x, y;
    Rank rank;
    if (wholePair(a, b, x, y, rank)) return fitInteger(x * y, rank);
    if (a.type() == vtDouble && b.type() == vtDouble)
        return checkDouble(a.rawDouble() * b.rawDouble());
    return arith(a, b, ArOp::Mul);
}

Value opDiv(const Value& a0, const Value& b0) {
    const Value& a = a0.deref();
    const Value& b = b0.deref();
    if (a.isNull() || b.isNull()) return Value::null();
    double x = asDouble(toNum(a)), y = asDouble(toNum(b));
    if (y == 0) throwError(11);
    return checkDouble(x / y);
}

Value opIntDiv(const Value& a0, const Value& b0) {
    const Value& a = a0.deref();
    const Value& b = b0.deref();
    if (a.isNull() || b.isNull()) return Value::null();
    Rank rank = rByte;
    int64_t x = wholeOf(a, rank), y = wholeOf(b, rank);
    if (y == 0) throwError(11);
    return fitInteger(x / y, rank);
}

Value opMod(const Value& a0, const Value& b0) {
    const Value& a = a0.deref();
    const Value& b = b0.deref();
    {
        int64_t x, y;
        Rank rank;
        if (wholePair(a, b, x, y, rank)) {
            if (y == 0) throwError(11);
            return fitInteger(x % y, rank);
        }
    }
    if (a.isNull() || b.isNull()) return Value::null();
    Rank rank = rByte;
    int64_t x = wholeOf(a, rank), y = wholeOf(b, rank);
    if (y == 0) throwError(11);
    return fitInteger(x % y, rank);
}

Value opPow(const Value& a0, const Value& b0) {
    const Value& a = a0.deref();
    const Value& b = b0.deref();
    if (a.isNull() || b.isNull()) return Value::null();
    double x = asDouble(toNum(a)), y = asDouble(toNum(b));
    if (x < 0 && y != std::floor(y)) throwError(5);
    if (x == 0 && y < 0) throwError(5);
    return checkDouble(std::pow(x, y));
}

Value opNeg(const Value& a0) {
    const Value& a = a0.deref();
    switch (a.type()) {
        case vtNull:
            return Value::null();
        case vtEmpty:
            return Value::integer(0);
        case vtBoolean:
            return Value::integer(a.rawBoolean() ? 1 : 0);
        case vtByte:
            return Value::integer(static_cast<int16_t>(-a.rawByte()));
        case vtInteger:
            return fitInteger(-int64_t(a.rawInteger()), rInteger);
        case vtLong:
            return fitInteger(-int64_t(a.rawLong()), rLong);
        case vtSingle:
            return Value::single(-a.rawSingle());
        case vtDouble:
            return Value(-a.rawDouble());
        case vtCurrency:
            return Value::currency(-a.rawCurrency());
        case vtDate:
            return Value::date(-a.rawDate());
        case vtString:
            return Value(-a.toDouble());
        case vtObject:
            return opNeg(a.resolved());
        default:
            throwError(13);
    }
}

Value opConcat(const Value& a0, const Value& b0) {
    const Value& a = a0.deref();
    const Value& b = b0.deref();
    if (a.isNull() && b.isNull()) return Value::null();
    std::u16string s;
    if (a.isString())
        s = a.str();
    else if (!a.isNull())
        s = a.toString();
    if (b.isString())
        s += b.str();
    else if (!b.isNull())
        s += b.toString();
    return Value(std::move(s));
}

namespace {
Value logical(const Value& a0, const Value& b0, int64_t (*f)(int64_t, int64_t)) {
    const Value& a = a0.deref().isObject() ? a0.deref().resolved() : a0.deref();
    const Value& b = b0.deref().isObject() ? b0.deref().resolved() : b0.deref();
    if (a.type() == vtBoolean && b.type() == vtBoolean)
        return Value(f(a.rawBoolean() ? -1 : 0, b.rawBoolean() ? -1 : 0) != 0);
    Rank rank = rByte;
    int64_t x = wholeOf(a, rank), y = wholeOf(b, rank);
    return fitInteger(f(x, y), rank);
}

// Null with a known operand: the cases the language defines without Null.
bool nullCase(const Value& a, const Value& b, Value& out, bool isAnd) {
    const Value& other = a.isNull() ? b : a;
    if (other.isNull()) {
        out = Value::null();
        return true;
    }
    int64_t v;
    if (other.type() == vtBoolean)
        v = other.rawBoolean() ? -1 : 0;
    else
        v = other.toLong();
    if (isAnd && v == 0) {
        out = other.type() == vtBoolean ? Value(false) : fitInteger(0, rInteger);
        return true;
    }
    if (!isAnd && v == -1) {
        out = other.type() == vtBoolean ? Value(true) : fitInteger(-1, rInteger);
        return true;
    }
    out = Value::null();
    return true;
}
}  // namespace

Value opNot(const Value& a0) {
    const Value& a = a0.deref();
    switch (a.type()) {
        case vtNull:
            return Value::null();
        case vtBoolean:
            return Value(!a.rawBoolean());
        case vtEmpty:
            return Value::integer(-1);
        case vtByte:
            return Value::byte(static_cast<uint8_t>(~a.rawByte()));
        case vtInteger:
            return Value::integer(static_cast<int16_t>(~a.rawInteger()));
        case vtLong:
            return Value(~a.rawLong());
        case vtObject:
            return opNot(a.resolved());
        default:
            return Value(~a.toLong());
    }
}

Value opAnd(const Value& a, const Value& b) {
    if (a.deref().isNull() || b.deref().isNull()) {
        Value r;
        nullCase(a.deref(), b.deref(), r, true);
        return r;
    }
    return logical(a, b, [](int64_t x, int64_t y) { return x & y; });
}

Value opOr(const Value& a, const Value& b) {
    if (a.deref().isNull() || b.deref().isNull()) {
        Value r;
        nullCase(a.deref(), b.deref(), r, false);
        return r;
    }
    return logical(a, b, [](int64_t x, int64_t y) { return x | y; });
}

Value opXor(const Value& a, const Value& b) {
    if (a.deref().isNull() || b.deref().isNull()) return Value::null();
    return logical(a, b, [](int64_t x, int64_t y) { return x ^ y; });
}

Value opEqv(const Value& a, const Value& b) {
    if (a.deref().isNull() || b.deref().isNull()) return Value::null();
    return logical(a, b, [](int64_t x, int64_t y) { return ~(x ^ y); });
}

Value opImp(const Value& a, const Value& b) {
    const Value& x = a.deref();
    const Value& y = b.deref();
    if (x.isNull() || y.isNull()) {
        // Null Imp True is True; False Imp Null is True; otherwise Null.
        if (x.isNull() && !y.isNull() && y.toLong() == -1)
            return y.type() == vtBoolean ? Value(true) : Value::integer(-1);
        if (y.isNull() && !x.isNull() && x.toLong() == 0)
            return x.type() == vtBoolean ? Value(true) : Value::integer(-1);
        return Value::null();
    }
    return logical(a, b, [](int64_t p, int64_t q) { return ~p | q; });
}

int compareValues(const Value& a0, const Value& b0, bool aLit, bool bLit) {
    const Value& a = a0.deref().isObject() ? a0.deref().resolved() : a0.deref();
    const Value& b = b0.deref().isObject() ? b0.deref().resolved() : b0.deref();
    uint16_t ta = a.type(), tb = b.type();
    if (ta == vtNull || tb == vtNull) return 2;
    if (ta == vtArray || tb == vtArray || ta == vtError || tb == vtError) throwError(13);
    auto cmpText = [](const std::u16string& x, const std::u16string& y) {
        int c = x.compare(y);
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    };
    auto cmpNum = [](double x, double y) { return x < y ? -1 : x > y ? 1 : 0; };
    if (ta == vtString && tb == vtString) return cmpText(a.str(), b.str());
    if (ta == vtString || tb == vtString) {
        const Value& s = ta == vtString ? a : b;
        const Value& o = ta == vtString ? b : a;
        bool oLit = ta == vtString ? bLit : aLit;
        int sign = ta == vtString ? 1 : -1;  // result as seen from a
        if (o.isEmpty()) return sign * cmpText(s.str(), u"");
        if (o.type() == vtBoolean)
            return sign * cmpText(s.str(), o.rawBoolean() ? u"True" : u"False");
        if (oLit) {
            double d;
            if (!parseNumber(s.str(), d)) throwError(13);
            return sign * cmpNum(d, o.toDouble());
        }
        return sign;  // a number held in a variable is less than any string
    }
    if (ta <= vtLong && tb <= vtLong && ta >= vtInteger && tb >= vtInteger) {
        int64_t x = ta == vtInteger ? a.rawInteger() : a.rawLong();
        int64_t y = tb == vtInteger ? b.rawInteger() : b.rawLong();
        return x < y ? -1 : x > y ? 1 : 0;
    }
    return cmpNum(a.toDouble(), b.toDouble());
}

bool truthy(const Value& v0) {
    const Value& v = v0.deref();
    switch (v.type()) {
        case vtBoolean:
            return v.rawBoolean();
        case vtNull:
            return false;
        case vtEmpty:
            return false;
        case vtInteger:
            return v.rawInteger() != 0;
        case vtLong:
            return v.rawLong() != 0;
        default:
            return v.toBool();
    }
}

Value* arrayElement(ArrayData* a, std::span<const Value> idx) {
    if (idx.size() != a->upper.size() || idx.empty()) throwError(9);
    size_t pos = 0, mul = 1;
    for (size_t k = 0; k < idx.size(); ++k) {
        const Value& iv = idx[k].deref();
        int32_t i = iv.type() == vtInteger ? iv.rawInteger()
                    : iv.type() == vtLong  ? iv.rawLong()
                                           : iv.toLong();
        if (i < 0 || i > a->upper[k]) throwError(9);
        pos += static_cast<size_t>(i) * mul;
        mul *= static_cast<size_t>(a->upper[k]) + 1;
    }
    return &a->items[pos];
}

}  // namespace vbs
