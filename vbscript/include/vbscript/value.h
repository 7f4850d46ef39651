// The VBScript variant: one 16-byte value with the language's subtypes and
// the conversions every built-in needs.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vbs {

class Object;

// VarType numbers as the language reports them.
enum VarType : uint16_t {
    vtEmpty = 0,
    vtNull = 1,
    vtInteger = 2,
    vtLong = 3,
    vtSingle = 4,
    vtDouble = 5,
    vtCurrency = 6,
    vtDate = 7,
    vtString = 8,
    vtObject = 9,
    vtError = 10,
    vtBoolean = 11,
    vtVariant = 12,
    vtByte = 17,
    vtArray = 0x2000,  // VarType of an array is vtArray + vtVariant (8204)
    vtByRef = 0x4000,  // engine-internal: a reference to another Value
};

// Error code a builtin sees for an argument left out in the middle of a call
// (MsgBox "x", , "title"); see isMissing() in builtins.h.
constexpr int32_t kMissingArgument = static_cast<int32_t>(0x80020004u);

// Reference-counted UTF-16 text. Held only by Value.
struct StringData {
    int32_t refs = 1;
    std::u16string text;
};

class Value;

// An array: lower bound always 0, one or more dimensions, stored with the
// first index fastest so ReDim Preserve of the last dimension keeps the prefix.
struct ArrayData {
    int32_t refs = 1;
    std::vector<int32_t> upper;  // upper bound per dimension (-1: empty)
    std::vector<Value> items;
    bool fixed = false;  // Dim a(3): ReDim is error 10
};

class Value {
  public:
    Value() noexcept : type_(vtEmpty) { u_.i64 = 0; }
    Value(const Value& o) noexcept : type_(o.type_), flags_(o.flags_) {
        u_ = o.u_;
        retain();
    }
    Value(Value&& o) noexcept : type_(o.type_), flags_(o.flags_) {
        u_ = o.u_;
        o.type_ = vtEmpty;
    }
    Value& operator=(const Value& o) noexcept {
        if (this != &o) {
            Value t(o);
            swap(t);
        }
        return *this;
    }
    Value& operator=(Value&& o) noexcept {
        if (this != &o) {
            Value t(std::move(o));
            swap(t);
        }
        return *this;
    }
    ~Value() {
        if (isHeap()) releaseSlow();
    }
    void swap(Value& o) noexcept {
        std::swap(type_, o.type_);
        std::swap(flags_, o.flags_);
        std::swap(u_, o.u_);
    }

    // Convenience constructors: text is String, int is Long, double is
    // Double, bool is Boolean.
    Value(std::u16string s);
    Value(std::u16string_view s) : Value(std::u16string(s)) {}
    Value(const char16_t* s) : Value(std::u16string(s)) {}
    Value(int32_t v) noexcept : type_(vtLong) { u_.i64 = 0, u_.l = v; }
    Value(double v) noexcept : type_(vtDouble) { u_.d = v; }
    Value(bool v) noexcept : type_(vtBoolean) { u_.i64 = 0, u_.b = v; }
    Value(Object* o) noexcept;  // Object (nullptr is Nothing)

    static Value null() noexcept { return make(vtNull, 0); }
    static Value integer(int16_t v) noexcept {
        Value r = make(vtInteger, 0);
        r.u_.i = v;
        return r;
    }
    static Value lng(int32_t v) noexcept { return Value(v); }
    static Value single(float v) noexcept {
        Value r = make(vtSingle, 0);
        r.u_.f = v;
        return r;
    }
    static Value dbl(double v) noexcept { return Value(v); }
    static Value currency(int64_t scaled) noexcept {
        return make(vtCurrency, scaled);
    }  // value * 10000
    static Value date(double oleDate) noexcept {
        Value r = make(vtDate, 0);
        r.u_.d = oleDate;
        return r;
    }
    static Value boolean(bool v) noexcept { return Value(v); }
    static Value byte(uint8_t v) noexcept {
        Value r = make(vtByte, 0);
        r.u_.by = v;
        return r;
    }
    static Value error(int32_t code) noexcept {
        Value r = make(vtError, 0);
        r.u_.l = code;
        return r;
    }
    static Value missing() noexcept { return error(kMissingArgument); }
    static Value nothing() noexcept { return Value(static_cast<Object*>(nullptr)); }
    // A dynamic one-dimensional array holding items.
    static Value array(std::vector<Value> items);
    // An array with the given upper bounds (Dim a(2, 3) is {2, 3}).
    static Value array(const std::vector<int32_t>& upperBounds, bool fixed);

    // Subtype checks. type() never returns vtByRef outside the engine.
    uint16_t type() const noexcept { return type_; }
    bool isEmpty() const noexcept { return type_ == vtEmpty; }
    bool isNull() const noexcept { return type_ == vtNull; }
    bool isString() const noexcept { return type_ == vtString; }
    bool isObject() const noexcept { return type_ == vtObject; }
    bool isNothing() const noexcept { return type_ == vtObject && u_.o == nullptr; }
    bool isArray() const noexcept { return type_ == vtArray; }
    bool isMissing() const noexcept { return type_ == vtError && u_.l == kMissingArgument; }
    bool isNumeric() const noexcept;  // Integer..Currency, Byte, Boolean, Date
    bool isByRef() const noexcept { return type_ == vtByRef; }

    // Raw payloads; valid only for the matching subtype.
    int16_t rawInteger() const noexcept { return u_.i; }
    int32_t rawLong() const noexcept { return u_.l; }
    float rawSingle() const noexcept { return u_.f; }
    double rawDouble() const noexcept { return u_.d; }
    int64_t rawCurrency() const noexcept { return u_.i64; }
    double rawDate() const noexcept { return u_.d; }
    bool rawBoolean() const noexcept { return u_.b; }
    uint8_t rawByte() const noexcept { return u_.by; }
    int32_t rawError() const noexcept { return u_.l; }
    const std::u16string& str() const noexcept;  // String only ("" otherwise)
    Object* obj() const noexcept { return type_ == vtObject ? u_.o : nullptr; }
    ArrayData* arr() const noexcept { return type_ == vtArray ? u_.a : nullptr; }

    // Conversions with the language's rules. Each raises error 13 on a value
    // that cannot convert, 6 on overflow, 94 on Null where Null is invalid.
    // Objects are read through their default member first.
    std::u16string toString() const;  // CStr: "True"/"False", 15-digit doubles, dates via locale
    double toDouble() const;          // CDbl
    float toSingle() const;           // CSng
    int32_t toLong() const;           // CLng: banker's rounding
    int16_t toInteger() const;        // CInt
    uint8_t toByte() const;           // CByte
    int64_t toCurrency() const;       // CCur, scaled by 10000
    double toDate() const;            // CDate
    bool toBool() const;              // CBool
    // The value with objects replaced by their default member's value.
    Value resolved() const;

    std::u16string typeName() const;  // TypeName
    int varType() const noexcept;     // VarType

    // Appends to a String value; copies the text only when it is shared.
    // A non-String value is first turned into its text.
    void append(std::u16string_view text);
    // Writable access to the array, copying it first when it is shared.
    ArrayData* uniqueArray();

    // Engine-internal: a reference to a variable (ByRef).
    static Value byRef(Value* target) noexcept {
        Value r = make(vtByRef, 0);
        r.u_.ref = target;
        return r;
    }
    Value* refTarget() const noexcept { return u_.ref; }
    // The value itself, following one ByRef link.
    const Value& deref() const noexcept { return type_ == vtByRef ? *u_.ref : *this; }
    Value& deref() noexcept { return type_ == vtByRef ? *u_.ref : *this; }

    uint16_t flags() const noexcept { return flags_; }
    void setFlags(uint16_t f) noexcept { flags_ = f; }

  private:
    static Value make(uint16_t t, int64_t bits) noexcept {
        Value r;
        r.type_ = t;
        r.u_.i64 = bits;
        return r;
    }
    bool isHeap() const noexcept {
        return type_ == vtString || type_ == vtObject || type_ == vtArray;
    }
    void retain() noexcept {
        if (isHeap()) retainSlow();
    }
    void retainSlow() noexcept;
    void releaseSlow() noexcept;

    uint16_t type_;
    uint16_t flags_ = 0;  // engine-internal marks
    union {
        int16_t i;
        int32_t l;
        float f;
        double d;
        int64_t i64;
        bool b;
        uint8_t by;
        StringData* s;
        Object* o;
        ArrayData* a;
        Value* ref;
    } u_;
};

static_assert(sizeof(Value) == 16, "Value must stay 16 bytes");

// An error raised by the script or by the engine, with VBScript's number and
// English description. line/column are 1-based; 0 when unknown.
class ScriptError : public std::exception {
  public:
    ScriptError() = default;
    ScriptError(int32_t num, std::u16string desc, std::u16string src = {});
    const char* what() const noexcept override;

    int32_t number = 0;
    std::u16string description;
    std::u16string source;  // "VBScript runtime error", "VBScript compilation error", or a host's
    std::u16string sourceLine;  // the text of the failing line
    int line = 0;
    int column = 0;
    bool fatal = false;  // time-out: On Error Resume Next cannot catch it

  private:
    mutable std::string what_;
};

[[noreturn]] void throwError(int32_t number);
[[noreturn]] void throwError(int32_t number, std::u16string description,
                             std::u16string source = {});
// The language of error descriptions: Chinese when LC_ALL, LC_MESSAGES or LANG (the first one
// set) starts with "zh", else English, unless a host chooses. Process-wide.
enum class MessageLanguage { English, Chinese };
MessageLanguage messageLanguage();
void setMessageLanguage(MessageLanguage language);
// The standard description of an error number in the message language ("" when unknown).
std::u16string errorDescription(int32_t number);
std::u16string unknownErrorDescription();

constexpr int32_t kErrTimeout = 1000001;
// Longest text the engine builds (error 14, Out of string space, beyond).
constexpr size_t kMaxStringLength = size_t(1) << 27;  // the engine's time limit was hit (fatal)
extern const char16_t kRuntimeSource[];               // u"VBScript runtime error"
extern const char16_t kCompileSource[];               // u"VBScript compilation error"

// Text forms used by conversions, exposed for the formatting builtins.
std::u16string formatDouble(double v);  // up to 15 significant digits
std::u16string formatSingle(float v);   // up to 7 significant digits
std::u16string formatCurrency(int64_t scaled);
// Reads a number the way CDbl / IsNumeric do (spaces, sign, &H, &O,
// decimals, exponent). False when the text is not a number.
bool parseNumber(std::u16string_view text, double& out);
// Banker's rounding to a whole number (halves to even).
double roundHalfEven(double v);

// Locale hooks: the runtime library installs its date formatting and parsing
// here; the engine's conversions call them (CStr of a Date, CDate of text).
struct LocaleHooks {
    std::function<std::u16string(double oleDate)> formatDate;
    std::function<bool(std::u16string_view text, double& oleDate)> parseDate;
};
LocaleHooks& localeHooks();

// Text helpers.
std::string toUtf8(std::u16string_view s);
std::u16string fromUtf8(std::string_view s);
std::u16string toLower(std::u16string_view s);  // for case-insensitive names
bool iequals(std::u16string_view a, std::u16string_view b) noexcept;

}  // namespace vbs
