// Value: subtypes, reference counting and the language's conversions.
#include "vbscript/value.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "vbscript/object.h"

namespace vbs {

namespace {
const std::u16string kEmptyText;
// Limits that turn runaway growth into script errors before memory runs out.
constexpr size_t kMaxArrayItems = size_t(1) << 25;

std::u16string ascii(const char* s) {
    std::u16string r;
    while (*s) r.push_back(static_cast<char16_t>(static_cast<unsigned char>(*s++)));
    return r;
}

// Days from 1899-12-30 for a civil date (proleptic Gregorian).
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468 + 25569;
}

void civilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
    z -= 25569;
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2;
}

std::u16string defaultFormatDate(double ole) {
    double days = std::floor(ole);
    double frac = std::fabs(ole - days);
    // OLE dates before 1899-12-30 keep the time as a positive fraction.
    if (ole < 0) {
        days = std::ceil(ole);
        frac = std::fabs(ole - days);
    }
    int64_t secs = static_cast<int64_t>(std::llround(frac * 86400.0));
    if (secs >= 86400) secs = 86399;
    char buf[64];
    std::string out;
    if (days != 0) {
        int64_t y;
        unsigned m, d;
        civilFromDays(static_cast<int64_t>(days), y, m, d);
        std::snprintf(buf, sizeof buf, "%lld/%u/%u", static_cast<long long>(y), m, d);
        out = buf;
    }
    if (secs != 0 || days == 0) {
        std::snprintf(buf, sizeof buf, "%d:%02d:%02d", static_cast<int>(secs / 3600),
                      static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60));
        if (!out.empty()) out += ' ';
        out += buf;
    }
    return ascii(out.c_str());
}

// yyyy/m/d or yyyy-m-d, optionally followed by h:mm[:ss]; or a time alone.
bool defaultParseDate(std::u16string_view t, double& out) {
    std::string s = toUtf8(t);
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, se = 0;
    char sep1 = 0, sep2 = 0;
    int n = 0;
    double day = 0, time = 0;
    const char* p = s.c_str();
    while (*p == ' ') ++p;
    if (std::sscanf(p, "%d%c%d%c%d%n", &y, &sep1, &mo, &sep2, &d, &n) == 5 &&
        (sep1 == '/' || sep1 == '-') && sep1 == sep2) {
        if (y < 100 && d > 31) std::swap(y, d), std::swap(y, mo);  // m/d/yyyy
        if (mo < 1 || mo > 12 || d < 1 || d > 31 || y < 100 || y > 9999) return false;
        day = static_cast<double>(daysFromCivil(y, mo, d));
        p += n;
        while (*p == ' ') ++p;
    }
    if (*p) {
        n = 0;
        int got = std::sscanf(p, "%d:%d%n:%d%n", &h, &mi, &n, &se, &n);
        if (got < 2 || h > 23 || mi > 59 || se > 59 || h < 0 || mi < 0 || se < 0) return false;
        p += n;
        while (*p == ' ') ++p;
        if ((p[0] == 'P' || p[0] == 'p') && (p[1] == 'M' || p[1] == 'm')) {
            if (h < 12) h += 12;
            p += 2;
        } else if ((p[0] == 'A' || p[0] == 'a') && (p[1] == 'M' || p[1] == 'm')) {
            if (h == 12) h = 0;
            p += 2;
        }
        if (*p) return false;
        time = (h * 3600 + mi * 60 + se) / 86400.0;
    } else if (day == 0) {
        return false;
    }
    out = day >= 0 ? day + time : day - time;
    return true;
}

[[noreturn]] void typeMismatch() { throwError(13); }

// Range check used by the integer conversions after rounding.
template <class T>
T checkedRound(double v) {
    if (std::isnan(v)) throwError(6);
    double r = roundHalfEven(v);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        throwError(6);
    return static_cast<T>(r);
}
}  // namespace

const char16_t kRuntimeSource[] = u"VBScript runtime error";
const char16_t kCompileSource[] = u"VBScript compilation error";

LocaleHooks& localeHooks() {
    static LocaleHooks hooks;
    return hooks;
}

Value::Value(std::u16string s) : type_(vtString) {
    u_.i64 = 0;
    u_.s = new StringData{1, std::move(s)};
}

Value::Value(Object* o) noexcept : type_(vtObject) {
    u_.i64 = 0;
    u_.o = o;
    if (o) o->addRef();
}

Value Value::array(std::vector<Value> items) {
    auto* a = new ArrayData;
    a->upper.push_back(static_cast<int32_t>(items.size()) - 1);
    a->items = std::move(items);
    Value v;
    v.type_ = vtArray;
    v.u_.a = a;
    return v;
}

Value Value::array(const std::vector<int32_t>& upperBounds, bool fixed) {
    size_t total = 1;
    for (int32_t u : upperBounds) {
        if (u < -1) throwError(9);
        size_t n = static_cast<size_t>(u + 1);
        if (n != 0 && total > kMaxArrayItems / n) throwError(7);
        total *= n;
    }
    auto* a = new ArrayData;
    a->upper = upperBounds;
    a->fixed = fixed;
    try {
        a->items.resize(total);
    } catch (const std::bad_alloc&) {
        delete a;
        throwError(7);
    }
    Value v;
    v.type_ = vtArray;
    v.u_.a = a;
    return v;
}

void Value::retainSlow() noexcept {
    switch (type_) {
        case vtString:
            ++u_.s->refs;
            break;
        case vtObject:
            if (u_.o) u_.o->addRef();
            break;
        case vtArray:
            ++u_.a->refs;
            break;
        default:
            break;
    }
}

namespace {
// Freeing an array can free arrays nested in it; deep nesting (a = Array(a)
// in a loop) is unwound iteratively instead of recursing.
void deleteArray(ArrayData* a) noexcept {
    static thread_local bool active = false;
    static thread_local std::vector<ArrayData*> pending;
    if (active) {
        pending.push_back(a);
        return;
    }
    active = true;
    delete a;
    while (!pending.empty()) {
        ArrayData* x = pending.back();
        pending.pop_back();
        delete x;
    }
    active = false;
}
}  // namespace

void Value::releaseSlow() noexcept {
    switch (type_) {
        case vtString:
            if (--u_.s->refs == 0) delete u_.s;
            break;
        case vtObject:
            if (u_.o) u_.o->release();
            break;
        case vtArray:
            if (--u_.a->refs == 0) deleteArray(u_.a);
            break;
        default:
            break;
    }
    type_ = vtEmpty;
}

const std::u16string& Value::str() const noexcept {
    return type_ == vtString ? u_.s->text : kEmptyText;
}

bool Value::isNumeric() const noexcept {
    switch (type_) {
        case vtInteger:
        case vtLong:
        case vtSingle:
        case vtDouble:
        case vtCurrency:
        case vtDate:
        case vtBoolean:
        case vtByte:
            return true;
        default:
            return false;
    }
}

Value Value::resolved() const {
    const Value& v = deref();
    if (v.type_ != vtObject) return v;
    if (!v.u_.o) throwError(91);
    Ref<Object> keep(v.u_.o);
    Value r;
    v.u_.o->invoke(u"", InvokeKind::Get, {}, r);
    if (r.type_ == vtObject) throwError(438);
    return r;
}

std::u16string Value::toString() const {
    const Value& v = deref();
    switch (v.type_) {
        case vtEmpty:
            return {};
        case vtNull:
            throwError(94);
        case vtInteger:
            return ascii(std::to_string(v.u_.i).c_str());
        case vtLong:
            return ascii(std::to_string(v.u_.l).c_str());
        case vtByte:
            return ascii(std::to_string(v.u_.by).c_str());
        case vtSingle:
            return formatSingle(v.u_.f);
        case vtDouble:
            return formatDouble(v.u_.d);
        case vtCurrency:
            return formatCurrency(v.u_.i64);
        case vtDate: {
            auto& hooks = localeHooks();
            return hooks.formatDate ? hooks.formatDate(v.u_.d) : defaultFormatDate(v.u_.d);
        }
        case vtString:
            return v.u_.s->text;
        case vtBoolean:
            return v.u_.b ? u"True" : u"False";
        case vtError:
            return u"Error " + ascii(std::to_string(v.u_.l).c_str());
        case vtObject:
            return v.resolved().toString();
        default:
            typeMismatch();
    }
}

double Value::toDouble() const {
    const Value& v = deref();
    switch (v.type_) {
        case vtEmpty:
            return 0;
        case vtNull:
            throwError(94);
        case vtInteger:
            return v.u_.i;
        case vtLong:
            return v.u_.l;
        case vtByte:
            return v.u_.by;
        case vtSingle:
            return v.u_.f;
        case vtDouble:
        case vtDate:
            return v.u_.d;
        case vtCurrency:
            return static_cast<double>(v.u_.i64) / 10000.0;
        case vtBoolean:
            return v.u_.b ? -1 : 0;
        case vtString: {
            double d;
            if (parseNumber(v.u_.s->text, d)) return d;
            auto& hooks = localeHooks();
            if ((hooks.parseDate ? hooks.parseDate(v.u_.s->text, d)
                                 : defaultParseDate(v.u_.s->text, d)))
                return d;
            typeMismatch();
        }
        case vtObject:
            return v.resolved().toDouble();
        default:
            typeMismatch();
    }
}

float Value::toSingle() const {
    double d = toDouble();
    if (std::isfinite(d) && std::fabs(d) > 3.402823466e38) throwError(6);
    return static_cast<float>(d);
}

int32_t Value::toLong() const {
    const Value& v = deref();
    switch (v.type_) {
        case vtInteger:
            return v.u_.i;
        case vtLong:
            return v.u_.l;
        case vtByte:
            return v.u_.by;
        case vtBoolean:
            return v.u_.b ? -1 : 0;
        case vtEmpty:
            return 0;
        default:
            return checkedRound<int32_t>(v.toDouble());
    }
}

int16_t Value::toInteger() const {
    const Value& v = deref();
    if (v.type_ == vtInteger) return v.u_.i;
    return checkedRound<int16_t>(v.toDouble());
}

uint8_t Value::toByte() const {
    const Value& v = deref();
    if (v.type_ == vtByte) return v.u_.by;
    return checkedRound<uint8_t>(v.toDouble());
}

int64_t Value::toCurrency() const {
    const Value& v = deref();
    if (v.type_ == vtCurrency) return v.u_.i64;
    double d = v.toDouble() * 10000.0;
    if (!(std::fabs(d) < 9.2233720368547758e18)) throwError(6);
    return static_cast<int64_t>(roundHalfEven(d));
}

double Value::toDate() const {
    const Value& v = deref();
    if (v.type_ == vtString) {
        double d;
        auto& hooks = localeHooks();
        if (hooks.parseDate ? hooks.parseDate(v.u_.s->text, d) : defaultParseDate(v.u_.s->text, d))
            return d;
        if (parseNumber(v.u_.s->text, d)) return d;
        typeMismatch();
    }
    double d = v.toDouble();
    if (!(d >= -657434.0 && d < 2958466.0)) throwError(6);
    return d;
}

bool Value::toBool() const {
    const Value& v = deref();
    switch (v.type_) {
        case vtBoolean:
            return v.u_.b;
        case vtString: {
            const auto& t = v.u_.s->text;
            if (iequals(t, u"True")) return true;
            if (iequals(t, u"False")) return false;
            double d;
            if (parseNumber(t, d)) return d != 0;
            typeMismatch();
        }
        case vtObject:
            return v.resolved().toBool();
        case vtNull:
            throwError(94);
        default:
            return v.toDouble() != 0;
    }
}

std::u16string Value::typeName() const {
    const Value& v = deref();
    switch (v.type_) {
        case vtEmpty:
            return u"Empty";
        case vtNull:
            return u"Null";
        case vtInteger:
            return u"Integer";
        case vtLong:
            return u"Long";
        case vtSingle:
            return u"Single";
        case vtDouble:
            return u"Double";
        case vtCurrency:
            return u"Currency";
        case vtDate:
            return u"Date";
        case vtString:
            return u"String";
        case vtBoolean:
            return u"Boolean";
        case vtByte:
            return u"Byte";
        case vtError:
            return u"Error";
        case vtObject:
            return v.u_.o ? v.u_.o->typeName() : u"Nothing";
        case vtArray:
            return u"Variant()";
        default:
            return u"Unknown";
    }
}

int Value::varType() const noexcept {
    const Value& v = deref();
    if (v.type_ == vtArray) return vtArray | vtVariant;
    return v.type_;
}

void Value::append(std::u16string_view text) {
    if (type_ != vtString) {
        *this = Value(toString());
    }
    if (u_.s->text.size() + text.size() > kMaxStringLength) throwError(14);
    if (u_.s->refs != 1) {
        auto* copy = new StringData{1, u_.s->text};
        --u_.s->refs;
        u_.s = copy;
    }
    u_.s->text.append(text);
}

ArrayData* Value::uniqueArray() {
    if (type_ != vtArray) return nullptr;
    if (u_.a->refs != 1) {
        auto* copy = new ArrayData;
        copy->upper = u_.a->upper;
        copy->items = u_.a->items;
        copy->fixed = u_.a->fixed;
        --u_.a->refs;
        u_.a = copy;
    }
    return u_.a;
}

// ---- errors ----

ScriptError::ScriptError(int32_t num, std::u16string desc, std::u16string src)
    : number(num), description(std::move(desc)), source(std::move(src)) {}

const char* ScriptError::what() const noexcept {
    try {
        what_ = toUtf8(description);
    } catch (...) {
        return "script error";
    }
    return what_.c_str();
}

void throwError(int32_t number) {
    std::u16string d = errorDescription(number);
    if (d.empty()) d = unknownErrorDescription();
    throw ScriptError(number, std::move(d), kRuntimeSource);
}

void throwError(int32_t number, std::u16string description, std::u16string source) {
    if (description.empty()) description = errorDescription(number);
    if (description.empty()) description = unknownErrorDescription();
    if (source.empty()) source = kRuntimeSource;
    throw ScriptError(number, std::move(description), std::move(source));
}

// ---- numbers and text ----

double roundHalfEven(double v) {
    if (!std::isfinite(v)) return v;
    double f = std::floor(v);
    double diff = v - f;
    if (diff > 0.5) return f + 1;
    if (diff < 0.5) return f;
    return std::fmod(f, 2.0) == 0 ? f : f + 1;
}

namespace {
std::u16string formatG(double v, int digits) {
    if (std::isnan(v)) return u"NaN";
    if (std::isinf(v)) return v > 0 ? u"Infinity" : u"-Infinity";
    if (v == 0) return u"0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*E", digits - 1, v);
    // buf: [-]d.dddE[+-]xx
    std::string s(buf);
    size_t e = s.find('E');
    int exp = std::atoi(s.c_str() + e + 1);
    std::string mant = s.substr(0, e);
    bool neg = mant[0] == '-';
    if (neg) mant.erase(0, 1);
    std::string digitsOnly;
    for (char c : mant)
        if (c != '.') digitsOnly += c;
    while (digitsOnly.size() > 1 && digitsOnly.back() == '0') digitsOnly.pop_back();
    std::string out;
    // Exponent form for large values, and for small ones whose decimal form
    // would need more places than the significant digits allow.
    bool tiny =
        exp < 0 && static_cast<size_t>(-exp - 1) + digitsOnly.size() > static_cast<size_t>(digits);
    if (exp >= digits || tiny) {
        out.assign(1, digitsOnly[0]);
        if (digitsOnly.size() > 1) {
            out.push_back('.');
            out.append(digitsOnly, 1, std::string::npos);
        }
        char eb[16];
        std::snprintf(eb, sizeof eb, "E%c%02d", exp < 0 ? '-' : '+', exp < 0 ? -exp : exp);
        out += eb;
    } else if (exp < 0) {
        out = "0.";
        out.append(static_cast<size_t>(-exp - 1), '0');
        out.append(digitsOnly);
    } else {
        if (digitsOnly.size() <= static_cast<size_t>(exp) + 1) {
            out = digitsOnly + std::string(static_cast<size_t>(exp) + 1 - digitsOnly.size(), '0');
        } else {
            out = digitsOnly.substr(0, static_cast<size_t>(exp) + 1) + "." +
                  digitsOnly.substr(static_cast<size_t>(exp) + 1);
        }
    }
    if (neg) out.insert(out.begin(), '-');
    return ascii(out.c_str());
}
}  // namespace

std::u16string formatDouble(double v) { return formatG(v, 15); }
std::u16string formatSingle(float v) { return formatG(static_cast<double>(v), 7); }

std::u16string formatCurrency(int64_t scaled) {
    bool neg = scaled < 0;
    uint64_t a = neg ? static_cast<uint64_t>(-(scaled + 1)) + 1 : static_cast<uint64_t>(scaled);
    std::string s = std::to_string(a / 10000);
    uint64_t frac = a % 10000;
    if (frac) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%04u", static_cast<unsigned>(frac));
        std::string f(buf);
        while (f.back() == '0') f.pop_back();
        s += "." + f;
    }
    if (neg) s.insert(s.begin(), '-');
    return ascii(s.c_str());
}

bool parseNumber(std::u16string_view t, double& out) {
    size_t i = 0, n = t.size();
    auto space = [](char16_t c) { return c == ' ' || c == '\t' || c == 0x3000 || c == 0xA0; };
    while (i < n && space(t[i])) ++i;
    while (n > i && space(t[n - 1])) --n;
    if (i >= n) return false;
    bool neg = false;
    if (t[i] == '+' || t[i] == '-') {
        neg = t[i] == '-';
        ++i;
        while (i < n && space(t[i])) ++i;
    }
    if (i < n && t[i] == '&' && i + 1 < n) {
        char16_t k = t[i + 1];
        int base = (k == 'H' || k == 'h') ? 16 : (k == 'O' || k == 'o') ? 8 : 0;
        if (!base) return false;
        i += 2;
        if (i >= n) return false;
        uint64_t v = 0;
        for (; i < n; ++i) {
            int d;
            char16_t c = t[i];
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (base == 16 && c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (base == 16 && c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                return false;
            if (d >= base) return false;
            v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
            if (v > 0xFFFFFFFFull) return false;
        }
        double r = v <= 0xFFFF
                       ? static_cast<double>(static_cast<int16_t>(v))
                       : static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
        out = neg ? -r : r;
        return true;
    }
    std::string s;
    bool digits = false;
    auto digit = [&](size_t k) { return k < n && t[k] >= '0' && t[k] <= '9'; };
    // The whole part may group its digits with the thousands separator ("1,234.5").
    for (; i < n && (digit(i) || (t[i] == ',' && digits && digit(i + 1))); ++i) {
        if (t[i] != ',') s += static_cast<char>(t[i]), digits = true;
    }
    if (i < n && t[i] == '.') {
        s += '.';
        ++i;
        for (; i < n && t[i] >= '0' && t[i] <= '9'; ++i)
            s += static_cast<char>(t[i]), digits = true;
    }
    if (!digits) return false;
    if (i < n && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        s += 'e';
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) s += static_cast<char>(t[i++]);
        bool ed = false;
        for (; i < n && t[i] >= '0' && t[i] <= '9'; ++i) s += static_cast<char>(t[i]), ed = true;
        if (!ed) return false;
    }
    if (i != n) return false;
    double r = std::strtod(s.c_str(), nullptr);
    out = neg ? -r : r;
    return true;
}

std::string toUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string fromUtf8(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        uint32_t cp;
        size_t len;
        if (c < 0x80)
            cp = c, len = 1;
        else if ((c & 0xE0) == 0xC0)
            cp = c & 0x1F, len = 2;
        else if ((c & 0xF0) == 0xE0)
            cp = c & 0x0F, len = 3;
        else if ((c & 0xF8) == 0xF0)
            cp = c & 0x07, len = 4;
        else {
            out += char16_t(0xFFFD);
            ++i;
            continue;
        }
        if (i + len > s.size()) {
            out += char16_t(0xFFFD);
            break;
        }
        bool ok = true;
        for (size_t k = 1; k < len; ++k) {
            unsigned char cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) {
            out += char16_t(0xFFFD);
            ++i;
            continue;
        }
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

static inline char16_t lowerChar(char16_t c) noexcept {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}

std::u16string toLower(std::u16string_view s) {
    std::u16string r(s);
    for (auto& c : r) c = lowerChar(c);
    return r;
}

bool iequals(std::u16string_view a, std::u16string_view b) noexcept {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lowerChar(a[i]) != lowerChar(b[i])) return false;
    return true;
}

}  // namespace vbs
