// Built-ins tied to values: inspection, arrays and conversions, plus the
// stand-in string functions Len, Chr, Asc, Left and Mid.
#include <cmath>

#include "vbscript/builtins.h"

namespace vbs {

namespace {

using Args = std::span<Value>;

const Value& arg(Args a, size_t i) { return a[i].deref(); }

ArrayData* arrayArg(const Value& v) {
    if (!v.isArray()) throwError(13);
    return v.arr();
}

size_t dimensionArg(Args a, ArrayData* arr) {
    long dim = 1;
    if (!isMissing(a, 1)) dim = arg(a, 1).toLong();
    if (dim < 1 || static_cast<size_t>(dim) > arr->upper.size()) throwError(9);
    return static_cast<size_t>(dim - 1);
}

int32_t lengthArg(const Value& v) {
    int32_t n = v.toLong();
    if (n < 0) throwError(5);
    return n;
}

void registerInspection(BuiltinRegistry& r) {
    r.registerFunction(
        u"TypeName", [](BuiltinContext&, Args a, Value& out) { out = Value(arg(a, 0).typeName()); },
        1, 1);
    r.registerFunction(
        u"VarType",
        [](BuiltinContext&, Args a, Value& out) {
            out = Value::integer(static_cast<int16_t>(arg(a, 0).varType()));
        },
        1, 1);
    r.registerFunction(
        u"IsEmpty", [](BuiltinContext&, Args a, Value& out) { out = Value(arg(a, 0).isEmpty()); },
        1, 1);
    r.registerFunction(
        u"IsNull", [](BuiltinContext&, Args a, Value& out) { out = Value(arg(a, 0).isNull()); }, 1,
        1);
    r.registerFunction(
        u"IsObject", [](BuiltinContext&, Args a, Value& out) { out = Value(arg(a, 0).isObject()); },
        1, 1);
    r.registerFunction(
        u"IsArray", [](BuiltinContext&, Args a, Value& out) { out = Value(arg(a, 0).isArray()); },
        1, 1);
    r.registerFunction(
        u"IsNumeric",
        [](BuiltinContext&, Args a, Value& out) {
            const Value& v = arg(a, 0);
            switch (v.type()) {
                case vtEmpty:
                case vtInteger:
                case vtLong:
                case vtSingle:
                case vtDouble:
                case vtCurrency:
                case vtBoolean:
                case vtByte:
                    out = Value(true);
                    return;
                case vtString: {
                    double d;
                    out = Value(parseNumber(v.str(), d));
                    return;
                }
                case vtObject:
                    try {
                        Value r = v.resolved();
                        double d;
                        out = Value(r.isNumeric() ? r.type() != vtDate
                                                  : r.isString() && parseNumber(r.str(), d));
                    } catch (const ScriptError&) {
                        out = Value(false);
                    }
                    return;
                default:
                    out = Value(false);
            }
        },
        1, 1);
}

void registerArrays(BuiltinRegistry& r) {
    r.registerFunction(
        u"Array",
        [](BuiltinContext&, Args a, Value& out) {
            std::vector<Value> items;
            items.reserve(a.size());
            for (auto& v : a) items.push_back(v.deref());
            out = Value::array(std::move(items));
        },
        0, -1);
    r.registerFunction(
        u"LBound",
        [](BuiltinContext&, Args a, Value& out) {
            ArrayData* arr = arrayArg(arg(a, 0));
            dimensionArg(a, arr);
            out = Value(0);
        },
        1, 2);
    r.registerFunction(
        u"UBound",
        [](BuiltinContext&, Args a, Value& out) {
            ArrayData* arr = arrayArg(arg(a, 0));
            out = Value(arr->upper[dimensionArg(a, arr)]);
        },
        1, 2);
}

void registerConversions(BuiltinRegistry& r) {
    auto nullCheck = [](const Value& v) {
        if (v.isNull()) throwError(94);
    };
    r.registerFunction(
        u"CBool",
        [=](BuiltinContext&, Args a, Value& out) {
            nullCheck(arg(a, 0));
            out = Value(arg(a, 0).toBool());
        },
        1, 1);
    r.registerFunction(
        u"CByte",
        [=](BuiltinContext&, Args a, Value& out) {
            nullCheck(arg(a, 0));
            out = Value::byte(arg(a, 0).toByte());
        },
        1, 1);
    r.registerFunction(
        u"CCur",
        [=](BuiltinContext&, Args a, Value& out) {
            nullCheck(arg(a, 0));
            out = Value::currency(arg(a, 0).toCurrency());
        },
        1, 1);
    r.registerFunction(
        u"CDbl",
        [=](BuiltinContext&, Args a, Value& out) {
            nullCheck(arg(a, 0));
            out = Value(arg(a, 0).toDouble());
        },
        1, 1);
    r.registerFunction(
        u"CInt",
        [=](BuiltinContext&, Args a, Value& out) {
            nullCheck(arg(a, 0));
            out = Value::integer(arg(a, 0).toInteger());
        },
        1, 1);
    r.registerFunction(
        u"CLng",
        [=](BuiltinContext&, Args a, Value& out) {
            nullCheck(arg(a, 0));
            out = Value(arg(a, 0).toLong());
        },
        1, 1);
    r.registerFunction(
        u"CSng",
        [=](BuiltinContext&, Args a, Value& out) {
            nullCheck(arg(a, 0));
            out = Value::single(arg(a, 0).toSingle());
        },
        1, 1);
    r.registerFunction(
        u"CStr",
        [=](BuiltinContext&, Args a, Value& out) {
            const Value& v = arg(a, 0);
            out = v.isString() ? v : Value(v.toString());
        },
        1, 1);
}

void registerStrings(BuiltinRegistry& r) {
    r.registerFunction(
        u"Len",
        [](BuiltinContext&, Args a, Value& out) {
            const Value& v = arg(a, 0);
            if (v.isNull()) {
                out = Value::null();
                return;
            }
            out = Value(static_cast<int32_t>(v.isString() ? v.str().size() : v.toString().size()));
        },
        1, 1);
    r.registerFunction(
        u"Chr",
        [](BuiltinContext&, Args a, Value& out) {
            int32_t c = arg(a, 0).toLong();
            if (c < -32768 || c > 65535) throwError(5);
            out = Value(std::u16string(1, static_cast<char16_t>(c & 0xFFFF)));
        },
        1, 1);
    r.registerFunction(
        u"Asc",
        [](BuiltinContext&, Args a, Value& out) {
            std::u16string s = arg(a, 0).toString();
            if (s.empty()) throwError(5);
            out = Value::integer(static_cast<int16_t>(s[0]));
        },
        1, 1);
    r.registerFunction(
        u"Left",
        [](BuiltinContext&, Args a, Value& out) {
            const Value& v = arg(a, 0);
            int32_t n = lengthArg(arg(a, 1));
            if (v.isNull()) {
                out = Value::null();
                return;
            }
            std::u16string s = v.isString() ? v.str() : v.toString();
            out = Value(s.substr(0, static_cast<size_t>(n)));
        },
        2, 2);
    r.registerFunction(
        u"Mid",
        [](BuiltinContext&, Args a, Value& out) {
            const Value& v = arg(a, 0);
            int32_t start = arg(a, 1).toLong();
            if (start < 1) throwError(5);
            int32_t n = -1;
            if (!isMissing(a, 2)) n = lengthArg(arg(a, 2));
            if (v.isNull()) {
                out = Value::null();
                return;
            }
            const std::u16string& s = v.isString() ? v.str() : v.toString();
            size_t from = static_cast<size_t>(start - 1);
            if (from >= s.size()) {
                out = Value(std::u16string());
                return;
            }
            out = Value(s.substr(from, n < 0 ? std::u16string::npos : static_cast<size_t>(n)));
        },
        2, 3);
}

}  // namespace

void registerCoreBuiltins(BuiltinRegistry& r) {
    registerInspection(r);
    registerArrays(r);
    registerConversions(r);
    registerStrings(r);
}

}  // namespace vbs
