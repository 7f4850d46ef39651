// Text built-ins: Len, Left, Mid, InStr, Replace, Split and the rest, with their byte forms.
#include <algorithm>

#include "BuiltinSupport.h"
#include "vbscript/runtime/CodePage.h"
#include "vbscript/runtime/Locale.h"
#include "vbscript/runtime/TextOps.h"

namespace vbs::runtime {

namespace {

// Counts below zero are invalid calls; counts past the text are clamped.
size_t countArg(Args args, size_t i) {
    int32_t n = scalar(args[i]).toLong();
    if (n < 0) throwError(5);
    return static_cast<size_t>(n);
}

// A count of characters to make: also bounded by the longest text.
size_t lengthArg(Args args, size_t i) {
    size_t n = countArg(args, i);
    if (n > kMaxTextLength) throwError(kOutOfStringSpace);
    return n;
}

// A 1-based start position, which must be at least 1.
size_t startArg(Args args, size_t i) {
    int32_t n = scalar(args[i]).toLong();
    if (n < 1) throwError(5);
    return static_cast<size_t>(n);
}

std::u16string_view midOf(std::u16string_view s, size_t start, size_t length) {
    if (start > s.size()) return {};
    return s.substr(start - 1, length);
}

// Mid(s, start [, length]) on any text; shared by Mid and MidB.
void mid(Args args, Value& result, bool bytes) {
    if (isNullArg(args, 0)) return void(result = Value::null());
    TextArg s(args[0]);
    size_t start = startArg(args, 1);
    size_t length = isMissing(args, 2) ? std::u16string_view::npos : countArg(args, 2);
    if (bytes) {
        start = (start + 1) / 2;
        if (length != std::u16string_view::npos) length /= 2;
    }
    result = Value(std::u16string(midOf(s.view(), start, length)));
}

void left(Args args, Value& result, bool bytes) {
    if (isNullArg(args, 0)) return void(result = Value::null());
    TextArg s(args[0]);
    size_t n = countArg(args, 1);
    if (bytes) n /= 2;
    result = Value(std::u16string(s.view().substr(0, n)));
}

void right(Args args, Value& result, bool bytes) {
    if (isNullArg(args, 0)) return void(result = Value::null());
    TextArg s(args[0]);
    size_t n = countArg(args, 1);
    if (bytes) n /= 2;
    n = std::min(n, s.size());
    result = Value(std::u16string(s.view().substr(s.size() - n)));
}

// InStr([start,] string1, string2 [, compare]).
void instr(Args args, Value& result, bool bytes) {
    size_t first = 0;
    size_t start = 1;
    if (args.size() >= 3) {
        if (isNullArg(args, 0)) throwError(94);
        start = startArg(args, 0);
        first = 1;
    }
    if (isNullArg(args, first) || isNullArg(args, first + 1)) return void(result = Value::null());
    bool text = args.size() >= 4 ? textCompareArg(args, 3) : false;
    TextArg s(args[first]), what(args[first + 1]);
    if (bytes) start = (start + 1) / 2;
    int64_t pos = 0;
    if (start <= s.size() || (what.size() == 0 && start <= s.size() + 1)) {
        size_t hit =
            what.size() == 0 ? start - 1 : TextOps::find(s.view(), what.view(), start - 1, text);
        if (hit != TextOps::npos) pos = static_cast<int64_t>(hit) + 1;
    }
    if (bytes && pos > 0) pos = (pos - 1) * 2 + 1;
    result = Value(static_cast<int32_t>(pos));
}

void instrRev(Args args, Value& result) {
    if (isNullArg(args, 0) || isNullArg(args, 1)) return void(result = Value::null());
    TextArg s(args[0]), what(args[1]);
    int32_t start = longArg(args, 2, -1);
    if (start == 0 || start < -1) throwError(5);
    bool text = textCompareArg(args, 3);
    size_t limit = start == -1 ? s.size() : static_cast<size_t>(start);
    if (what.size() == 0)
        return void(result = Value(static_cast<int32_t>(limit > s.size() ? 0 : limit)));
    if (limit > s.size() || what.size() > limit) return void(result = Value(0));
    size_t hit = TextOps::findLast(s.view(), what.view(), limit - what.size(), text);
    result = Value(static_cast<int32_t>(hit == TextOps::npos ? 0 : hit + 1));
}

void trim(Args args, Value& result, bool front, bool back) {
    if (isNullArg(args, 0)) return void(result = Value::null());
    TextArg s(args[0]);
    std::u16string_view v = s.view();
    size_t b = 0, e = v.size();
    if (front)
        while (b < e && v[b] == u' ') ++b;
    if (back)
        while (e > b && v[e - 1] == u' ') --e;
    result = Value(std::u16string(v.substr(b, e - b)));
}

void replace(Args args, Value& result) {
    if (isNullArg(args, 0)) return void(result = Value::null());
    TextArg s(args[0]), what(args[1]), with(args[2]);
    size_t start = isMissing(args, 3) ? 1 : startArg(args, 3);
    int32_t count = longArg(args, 4, -1);
    if (count < -1) throwError(5);
    bool text = textCompareArg(args, 5);
    result = Value(TextOps::replace(s.view(), what.view(), with.view(), start - 1, count, text));
}

void split(Args args, Value& result) {
    TextArg s(args[0]);
    std::u16string delimiter = isMissing(args, 1) ? std::u16string(u" ") : textArg(args, 1);
    int32_t limit = longArg(args, 2, -1);
    if (limit < -1) throwError(5);
    bool text = textCompareArg(args, 3);
    std::vector<Value> items;
    for (auto& part : TextOps::split(s.view(), delimiter, limit, text))
        items.emplace_back(std::move(part));
    result = Value::array(std::move(items));
}

const ArrayData& oneDimensional(const Value& v) {
    const Value& d = v.deref();
    const ArrayData* a = d.arr();
    if (!a) throwError(13);
    if (a->upper.size() != 1) throwError(5);
    return *a;
}

void join(Args args, Value& result) {
    const ArrayData& a = oneDimensional(args[0]);
    std::u16string delimiter = isMissing(args, 1) ? std::u16string(u" ") : textArg(args, 1);
    std::u16string out;
    for (size_t i = 0; i < a.items.size(); ++i) {
        if (i) out += delimiter;
        const Value& item = a.items[i].deref();
        if (item.isString()) {
            out += item.str();
        } else if (!item.isNull()) {
            out += scalar(item).toString();
        }
    }
    result = Value(std::move(out));
}

void filter(Args args, Value& result) {
    const ArrayData& a = oneDimensional(args[0]);
    if (isNullArg(args, 1)) throwError(94);
    std::u16string what = textArg(args, 1);
    bool include = boolArg(args, 2, true);
    bool text = textCompareArg(args, 3);
    std::vector<Value> kept;
    for (const Value& item : a.items) {
        std::u16string s = scalar(item).toString();
        bool found = TextOps::find(s, what, 0, text) != TextOps::npos;
        if (found == include) kept.emplace_back(std::move(s));
    }
    result = Value::array(std::move(kept));
}

// String(number, character): the character as a code or as the first letter of a text.
void repeatChar(Args args, Value& result) {
    if (isNullArg(args, 0) || isNullArg(args, 1)) return void(result = Value::null());
    size_t n = lengthArg(args, 0);
    Value c = scalar(args[1]);
    char16_t ch;
    if (c.isString()) {
        if (c.str().empty()) throwError(5);
        ch = c.str()[0];
    } else {
        int32_t code = c.toLong();
        if (code < -32768 || code > 65535) throwError(5);
        ch = static_cast<char16_t>(code & 0xFF);
    }
    result = Value(std::u16string(n, ch));
}

char16_t charCode(Args args, int32_t low, int32_t high) {
    int32_t code = scalar(args[0]).toLong();
    if (code < low || code > high) throwError(5);
    return static_cast<char16_t>(code < 0 ? code + 65536 : code);
}

// Chr: a single-byte code page takes 0-255; the Chinese one also double-byte codes, which may
// be written as negative Integers (-10544 is &HD6D0).
char16_t ansiChar(Args args) {
    const int codePage = Locale::current().codePage;
    const bool doubleByte = codePage == CodePage::kChinese;
    char16_t c = 0;
    if (!CodePage::decode(codePage, charCode(args, doubleByte ? -32768 : 0, doubleByte ? 65535 : 255), c))
        throwError(5);
    return c;
}

char16_t firstChar(Args args) {
    TextArg s(args[0]);
    if (s.size() == 0) throwError(5);
    return s.str()[0];
}

}  // namespace

void registerStringFunctions(BuiltinRegistry& r) {
    define(r, u"Len", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) return void(out = Value::null());
        out = Value(static_cast<int32_t>(TextArg(a[0]).size()));
    });
    define(r, u"LenB", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) return void(out = Value::null());
        out = Value(static_cast<int32_t>(TextArg(a[0]).size() * 2));
    });
    define(r, u"Left", 2, 2, [](BuiltinContext&, Args a, Value& out) { left(a, out, false); });
    define(r, u"LeftB", 2, 2, [](BuiltinContext&, Args a, Value& out) { left(a, out, true); });
    define(r, u"Right", 2, 2, [](BuiltinContext&, Args a, Value& out) { right(a, out, false); });
    define(r, u"RightB", 2, 2, [](BuiltinContext&, Args a, Value& out) { right(a, out, true); });
    define(r, u"Mid", 2, 3, [](BuiltinContext&, Args a, Value& out) { mid(a, out, false); });
    define(r, u"MidB", 2, 3, [](BuiltinContext&, Args a, Value& out) { mid(a, out, true); });
    define(r, u"InStr", 2, 4, [](BuiltinContext&, Args a, Value& out) { instr(a, out, false); });
    define(r, u"InStrB", 2, 4, [](BuiltinContext&, Args a, Value& out) { instr(a, out, true); });
    define(r, u"InStrRev", 2, 4, [](BuiltinContext&, Args a, Value& out) { instrRev(a, out); });
    define(r, u"LTrim", 1, 1,
           [](BuiltinContext&, Args a, Value& out) { trim(a, out, true, false); });
    define(r, u"RTrim", 1, 1,
           [](BuiltinContext&, Args a, Value& out) { trim(a, out, false, true); });
    define(r, u"Trim", 1, 1, [](BuiltinContext&, Args a, Value& out) { trim(a, out, true, true); });
    define(r, u"LCase", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) return void(out = Value::null());
        out = Value(TextOps::lower(TextArg(a[0]).view()));
    });
    define(r, u"UCase", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) return void(out = Value::null());
        out = Value(TextOps::upper(TextArg(a[0]).view()));
    });
    define(r, u"Replace", 3, 6, [](BuiltinContext&, Args a, Value& out) { replace(a, out); });
    define(r, u"Space", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value(std::u16string(lengthArg(a, 0), u' '));
    });
    define(r, u"String", 2, 2, [](BuiltinContext&, Args a, Value& out) { repeatChar(a, out); });
    define(r, u"StrComp", 2, 3, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0) || isNullArg(a, 1)) return void(out = Value::null());
        bool text = textCompareArg(a, 2);
        out = Value::integer(static_cast<int16_t>(
            TextOps::compare(TextArg(a[0]).view(), TextArg(a[1]).view(), text)));
    });
    define(r, u"StrReverse", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) throwError(94);
        std::u16string s = textArg(a, 0);
        std::reverse(s.begin(), s.end());
        out = Value(std::move(s));
    });
    define(r, u"Split", 1, 4, [](BuiltinContext&, Args a, Value& out) { split(a, out); });
    define(r, u"Join", 1, 2, [](BuiltinContext&, Args a, Value& out) { join(a, out); });
    define(r, u"Filter", 2, 4, [](BuiltinContext&, Args a, Value& out) { filter(a, out); });
    define(r, u"Escape", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) return void(out = Value::null());
        out = Value(TextOps::escape(TextArg(a[0]).view()));
    });
    define(r, u"Unescape", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        if (isNullArg(a, 0)) return void(out = Value::null());
        out = Value(TextOps::unescape(TextArg(a[0]).view()));
    });
    // Characters: the W forms are UTF-16 code units; the plain forms go through the ANSI code
    // page of the locale, a double-byte code reading as a negative Integer.
    define(r, u"Asc", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value::integer(
            static_cast<int16_t>(CodePage::encode(Locale::current().codePage, firstChar(a))));
    });
    define(r, u"AscW", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value::integer(static_cast<int16_t>(firstChar(a)));
    });
    define(r, u"AscB", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value::integer(static_cast<int16_t>(firstChar(a) & 0xFF));
    });
    define(r, u"Chr", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value(std::u16string(1, ansiChar(a)));
    });
    define(r, u"ChrW", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value(std::u16string(1, charCode(a, -32768, 65535)));
    });
    define(r, u"ChrB", 1, 1, [](BuiltinContext&, Args a, Value& out) {
        out = Value(std::u16string(1, charCode(a, 0, 255)));
    });
}

}  // namespace vbs::runtime
