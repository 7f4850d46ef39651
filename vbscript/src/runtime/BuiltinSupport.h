#pragma once

// Helpers shared by the files that register the runtime's built-in functions.

#include <cmath>
#include <new>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include "vbscript/builtins.h"
#include "vbscript/runtime/Locale.h"
#include "vbscript/runtime/RuntimeFault.h"
#include "vbscript/value.h"

namespace vbs::runtime {

using Args = std::span<Value>;

// Registers `fn`, turning the pure modules' RuntimeFault into the engine's script error.
template <class F>
void define(BuiltinRegistry& registry, std::u16string_view name, int minArgs, int maxArgs, F fn) {
    registry.registerFunction(
        name,
        [fn = std::move(fn)](BuiltinContext& ctx, std::span<Value> args, Value& result) {
            try {
                fn(ctx, args, result);
            } catch (const RuntimeFault& fault) {
                throwError(fault.number());
            } catch (const std::bad_alloc&) {
                throwError(kOutOfMemory);  // String(1E9, "x") must not take the editor down
            } catch (const std::length_error&) {
                throwError(kOutOfMemory);
            }
        },
        minArgs, maxArgs);
}

// An argument with objects read through their default member.
inline Value scalar(const Value& v) {
    const Value& d = v.deref();
    return d.isObject() ? d.resolved() : d;
}

inline bool isNullArg(Args args, size_t i) { return i < args.size() && scalar(args[i]).isNull(); }

inline std::u16string textArg(Args args, size_t i) { return scalar(args[i]).toString(); }

// The text of an argument without copying it when it already is a String.
class TextArg {
  public:
    explicit TextArg(const Value& v) {
        const Value& d = v.deref();
        if (d.isString()) {
            p_ = &d.str();
        } else {
            own_ = scalar(d).toString();
            p_ = &own_;
        }
    }
    TextArg(const TextArg&) = delete;
    TextArg& operator=(const TextArg&) = delete;
    const std::u16string& str() const { return *p_; }
    std::u16string_view view() const { return *p_; }
    size_t size() const { return p_->size(); }

  private:
    const std::u16string* p_ = nullptr;
    std::u16string own_;
};

inline double numberArg(Args args, size_t i) { return scalar(args[i]).toDouble(); }

// A whole-number argument (banker's rounding, error 6 outside Long), or `fallback` when absent.
inline int32_t longArg(Args args, size_t i, int32_t fallback) {
    if (isMissing(args, i)) return fallback;
    return scalar(args[i]).toLong();
}

inline bool boolArg(Args args, size_t i, bool fallback) {
    if (isMissing(args, i)) return fallback;
    return scalar(args[i]).toBool();
}

// vbBinaryCompare (0) or vbTextCompare (1); anything else is an invalid call.
inline bool textCompareArg(Args args, size_t i) {
    int32_t mode = longArg(args, i, 0);
    if (mode < 0 || mode > 1) throwError(5);
    return mode == 1;
}

// A first-day-of-week argument resolved against the locale (0 means the locale's own).
inline int firstDayArg(Args args, size_t i) {
    int32_t d = longArg(args, i, 1);
    if (d < 0 || d > 7) throwError(5);
    return d == 0 ? Locale::current().firstDayOfWeek : d;
}

inline int firstWeekArg(Args args, size_t i) {
    int32_t w = longArg(args, i, 1);
    if (w < 0 || w > 3) throwError(5);
    return w == 0 ? Locale::current().firstWeekOfYear : w;
}

inline Value integerResult(int64_t v) {
    if (v >= -32768 && v <= 32767) return Value::integer(static_cast<int16_t>(v));
    return Value(static_cast<int32_t>(v));
}

// Registration of each family, called by registerRuntimeLibrary.
void registerStringFunctions(BuiltinRegistry& registry);
void registerMathFunctions(BuiltinRegistry& registry);
void registerDateFunctions(BuiltinRegistry& registry);
void registerFormatFunctions(BuiltinRegistry& registry);
void registerHostFunctions(BuiltinRegistry& registry);
void registerConstants(BuiltinRegistry& registry);
void registerObjects(BuiltinRegistry& registry);

}  // namespace vbs::runtime
