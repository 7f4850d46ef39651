#include "vbscript/runtime/DateText.h"

#include <vector>

#include "vbscript/runtime/OleDate.h"
#include "vbscript/runtime/RuntimeFault.h"

namespace vbs::runtime {

namespace {

std::u16string number(int64_t value, int width = 1) {
    std::u16string digits;
    bool negative = value < 0;
    uint64_t v = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + v % 10));
        v /= 10;
    } while (v);
    while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), u'0');
    if (negative) digits.insert(digits.begin(), u'-');
    return digits;
}

std::u16string shortDate(const DateTimeParts& p, const LocaleInfo& loc) {
    if (loc.order == DateOrder::YearMonthDay) {
        return number(p.year, 4) + u"/" + number(p.month) + u"/" + number(p.day);
    }
    return number(p.month) + u"/" + number(p.day) + u"/" + number(p.year, 4);
}

std::u16string longDate(double serial, const DateTimeParts& p, const LocaleInfo& loc) {
    if (loc.order == DateOrder::YearMonthDay) {
        return number(p.year, 4) + u"年" + number(p.month) + u"月" + number(p.day) + u"日";
    }
    std::u16string text(loc.weekdays[OleDate::weekday(serial, 1) - 1]);
    text += u", ";
    text += loc.months[p.month - 1];
    return text + u" " + number(p.day) + u", " + number(p.year, 4);
}

std::u16string longTime(const DateTimeParts& p, const LocaleInfo& loc) {
    std::u16string rest = u":" + number(p.minute, 2) + u":" + number(p.second, 2);
    if (loc.clock24) return number(p.hour) + rest;
    int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    return number(hour12) + rest + u" " + std::u16string(p.hour < 12 ? loc.am : loc.pm);
}

// ---- parsing -------------------------------------------------------------

enum class Tok {
    Number,
    Colon,
    Sep,
    AmPm,
    Month,
    Weekday,
    Year,
    MonthMark,
    Day,
    Hour,
    Minute,
    Second
};

struct Token {
    Tok kind;
    int value = 0;   // number, month 1..12, 1 for PM
    int digits = 0;  // of a number
};

char16_t lower(char16_t c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; }

bool startsWithIgnoreCase(std::u16string_view text, std::u16string_view prefix) {
    if (prefix.empty() || text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != lower(prefix[i])) return false;
    }
    return true;
}

bool isLetter(char16_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// An English word: month or weekday names (full or three letters), AM/PM, A/P.
bool readWord(std::u16string_view word, std::vector<Token>& out) {
    const LocaleInfo& en = Locale::english();
    auto same = [&](std::u16string_view name) {
        return word.size() == name.size() && startsWithIgnoreCase(word, name);
    };
    if (same(u"am") || same(u"a")) return out.push_back({Tok::AmPm, 0}), true;
    if (same(u"pm") || same(u"p")) return out.push_back({Tok::AmPm, 1}), true;
    for (int m = 0; m < 12; ++m) {
        if (same(en.months[m]) || same(en.monthsShort[m]) || (m == 8 && same(u"sept"))) {
            return out.push_back({Tok::Month, m + 1}), true;
        }
    }
    for (int d = 0; d < 7; ++d) {
        if (same(en.weekdays[d]) || same(en.weekdaysShort[d])) {
            return out.push_back({Tok::Weekday, d + 1}), true;
        }
    }
    return false;
}

// Chinese forms: month and weekday names, 上午/下午, and the 年月日时分秒 markers.
bool readChinese(std::u16string_view text, size_t& i, std::vector<Token>& out) {
    const LocaleInfo& zh = Locale::chinese();
    std::u16string_view rest = text.substr(i);
    for (int m = 11; m >= 0; --m) {  // longest first: 十二月 before 二月
        if (rest.starts_with(zh.months[m])) {
            i += zh.months[m].size();
            return out.push_back({Tok::Month, m + 1}), true;
        }
    }
    for (int d = 0; d < 7; ++d) {
        for (auto name : {zh.weekdays[d], zh.weekdaysShort[d]}) {
            if (rest.starts_with(name)) {
                i += name.size();
                return out.push_back({Tok::Weekday, d + 1}), true;
            }
        }
    }
    if (rest.starts_with(zh.am) || rest.starts_with(zh.pm)) {
        out.push_back({Tok::AmPm, rest.starts_with(zh.pm) ? 1 : 0});
        i += 2;
        return true;
    }
    struct Mark {
        char16_t c;
        Tok kind;
    };
    static const Mark kMarks[] = {
        {u'年', Tok::Year},   {u'月', Tok::MonthMark}, {u'日', Tok::Day},  {u'号', Tok::Day},
        {u'时', Tok::Hour},   {u'點', Tok::Hour},      {u'点', Tok::Hour}, {u'時', Tok::Hour},
        {u'分', Tok::Minute}, {u'秒', Tok::Second}};
    for (const Mark& mark : kMarks) {
        if (rest[0] == mark.c) {
            ++i;
            return out.push_back({mark.kind}), true;
        }
    }
    return false;
}

bool tokenize(std::u16string_view text, std::vector<Token>& out) {
    size_t i = 0;
    while (i < text.size()) {
        char16_t c = text[i];
        if (c >= '0' && c <= '9') {
            Token t{Tok::Number};
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
                if (t.digits >= 9) return false;
                t.value = t.value * 10 + (text[i++] - '0');
                ++t.digits;
            }
            out.push_back(t);
        } else if (c == ':') {
            out.push_back({Tok::Colon});
            ++i;
        } else if (c == '/' || c == '-' || c == '.' || c == ',') {
            out.push_back({Tok::Sep});
            ++i;
        } else if (c == ' ' || c == '\t' || c == 0x3000) {
            ++i;
        } else if (isLetter(c)) {
            size_t start = i;
            while (i < text.size() && isLetter(text[i])) ++i;
            if (!readWord(text.substr(start, i - start), out)) return false;
        } else if (!readChinese(text, i, out)) {
            return false;
        }
    }
    return true;
}

struct Fields {
    std::vector<Token> numbers;           // date numbers in order
    int year = -1, month = -1, day = -1;  // from 年月日 or a month name
    bool marked = false;                  // 年月日 were used
    int hour = -1, minute = 0, second = 0;
    int ampm = -1;
};

bool isNumber(const std::vector<Token>& t, size_t i) {
    return i < t.size() && t[i].kind == Tok::Number;
}
bool isKind(const std::vector<Token>& t, size_t i, Tok k) { return i < t.size() && t[i].kind == k; }

bool readTime(const std::vector<Token>& t, size_t& i, Fields& f) {
    if (f.hour >= 0) return false;
    f.hour = t[i].value;
    Tok sep = t[i + 1].kind;
    i += 2;
    if (sep == Tok::Colon) {
        if (!isNumber(t, i)) return false;
        f.minute = t[i++].value;
        if (isKind(t, i, Tok::Colon)) {
            if (!isNumber(t, i + 1)) return false;
            f.second = t[i + 1].value;
            i += 2;
        }
        return true;
    }
    if (isNumber(t, i) && isKind(t, i + 1, Tok::Minute)) {
        f.minute = t[i].value;
        i += 2;
        if (isNumber(t, i) && isKind(t, i + 1, Tok::Second)) {
            f.second = t[i].value;
            i += 2;
        }
    }
    return true;
}

bool collect(const std::vector<Token>& t, Fields& f) {
    for (size_t i = 0; i < t.size();) {
        const Token& tok = t[i];
        if (tok.kind == Tok::Number) {
            Tok next = i + 1 < t.size() ? t[i + 1].kind : Tok::Sep;
            if (next == Tok::Colon || next == Tok::Hour) {
                if (!readTime(t, i, f)) return false;
                continue;
            }
            int* target = next == Tok::Year        ? &f.year
                          : next == Tok::MonthMark ? &f.month
                          : next == Tok::Day       ? &f.day
                                                   : nullptr;
            if (target) {
                if (*target >= 0) return false;
                *target = tok.value;
                f.marked = true;
                if (next == Tok::Year && tok.digits <= 2)
                    *target = tok.value < 30 ? 2000 + tok.value : 1900 + tok.value;
                i += 2;
                continue;
            }
            f.numbers.push_back(tok);
        } else if (tok.kind == Tok::Month) {
            if (f.month >= 0) return false;
            f.month = tok.value;
        } else if (tok.kind == Tok::AmPm) {
            if (f.ampm >= 0) return false;
            f.ampm = tok.value;
        } else if (tok.kind == Tok::Colon || tok.kind == Tok::Year || tok.kind == Tok::MonthMark ||
                   tok.kind == Tok::Day || tok.kind == Tok::Hour || tok.kind == Tok::Minute ||
                   tok.kind == Tok::Second) {
            return false;
        }
        ++i;
    }
    return true;
}

int fullYear(const Token& t) {
    if (t.digits <= 2) return t.value < 30 ? 2000 + t.value : 1900 + t.value;
    return t.value;
}

bool yearish(const Token& t) { return t.value > 31 || t.digits >= 3; }

bool validDate(int y, int m, int d) {
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    int64_t first = OleDate::daysFromCivil(y, m, 1);
    int64_t next =
        m == 12 ? OleDate::daysFromCivil(y + 1, 1, 1) : OleDate::daysFromCivil(y, m + 1, 1);
    return d <= next - first;
}

// Picks year, month and day from the loose numbers; false when they make no date.
bool resolveDate(Fields& f, const LocaleInfo& loc, int currentYear) {
    auto& n = f.numbers;
    if (f.marked) {
        if (!n.empty() || f.month < 0) return false;
        if (f.year < 0) f.year = currentYear;
        if (f.day < 0) f.day = 1;
        return validDate(f.year, f.month, f.day);
    }
    if (f.month >= 0) {  // a month name
        if (n.size() == 1) {
            if (yearish(n[0])) {
                f.year = fullYear(n[0]);
                f.day = 1;
            } else {
                f.year = currentYear;
                f.day = n[0].value;
            }
        } else if (n.size() == 2) {
            bool yearFirst = yearish(n[0]);
            f.year = fullYear(yearFirst ? n[0] : n[1]);
            f.day = (yearFirst ? n[1] : n[0]).value;
        } else {
            return false;
        }
        return validDate(f.year, f.month, f.day);
    }
    struct Order {
        int y, m, d;
    };
    std::vector<Order> orders;
    if (n.size() == 2) {
        if (yearish(n[0])) {
            n.push_back({Tok::Number, 1, 1});
            orders = {{0, 1, 2}};
        } else if (yearish(n[1])) {
            n.push_back({Tok::Number, 1, 1});
            orders = {{1, 0, 2}};
        } else {
            n.push_back({Tok::Number, currentYear, 4});
            orders = {{2, 0, 1}, {2, 1, 0}};
        }
    } else if (n.size() == 3) {
        if (yearish(n[0])) {
            orders = {{0, 1, 2}, {0, 2, 1}};
        } else if (loc.order == DateOrder::YearMonthDay && !yearish(n[2])) {
            orders = {{0, 1, 2}, {2, 0, 1}, {2, 1, 0}};
        } else {
            orders = {{2, 0, 1}, {2, 1, 0}, {0, 1, 2}};
        }
    } else {
        return false;
    }
    for (const Order& o : orders) {
        int y = fullYear(n[o.y]);
        if (validDate(y, n[o.m].value, n[o.d].value)) {
            f.year = y;
            f.month = n[o.m].value;
            f.day = n[o.d].value;
            return true;
        }
    }
    return false;
}

bool resolveTime(Fields& f) {
    if (f.ampm >= 0) {
        if (f.hour < 0) {
            // "3 PM": the last loose number is the hour.
            if (f.numbers.size() != 1 && f.numbers.size() != 4) return false;
            f.hour = f.numbers.back().value;
            f.numbers.pop_back();
        }
        if (f.hour > 12) return false;
        if (f.ampm == 1 && f.hour < 12) f.hour += 12;
        if (f.ampm == 0 && f.hour == 12) f.hour = 0;
    }
    return f.hour < 24 && f.minute < 60 && f.second < 60;
}

}  // namespace

std::u16string DateText::format(double serial, int namedFormat, const LocaleInfo& locale) {
    if (namedFormat < 0 || namedFormat > 4) throw RuntimeFault(kInvalidCall);
    int64_t day;
    int seconds;
    OleDate::split(serial, day, seconds);
    DateTimeParts p = OleDate::parts(serial);
    switch (namedFormat) {
        case kLongDate:
            return longDate(serial, p, locale);
        case kShortDate:
            return shortDate(p, locale);
        case kLongTime:
            return longTime(p, locale);
        case kShortTime:
            return number(p.hour, 2) + u":" + number(p.minute, 2);
        default:
            break;
    }
    if (day == 0) return longTime(p, locale);
    if (seconds == 0) return shortDate(p, locale);
    return shortDate(p, locale) + u" " + longTime(p, locale);
}

std::optional<double> DateText::parse(std::u16string_view text, const LocaleInfo& locale,
                                      int currentYear) {
    std::vector<Token> tokens;
    if (!tokenize(text, tokens)) return std::nullopt;
    Fields f;
    if (!collect(tokens, f) || !resolveTime(f)) return std::nullopt;
    bool hasDate = f.marked || f.month >= 0 || !f.numbers.empty();
    if (!hasDate && f.hour < 0) return std::nullopt;
    int64_t day = 0;
    if (hasDate) {
        if (!resolveDate(f, locale, currentYear)) return std::nullopt;
        day = OleDate::daysFromCivil(f.year, f.month, f.day);
    }
    int64_t seconds = f.hour < 0 ? 0 : int64_t{f.hour} * 3600 + f.minute * 60 + f.second;
    return OleDate::join(day, seconds);
}

std::u16string DateText::monthName(int month, bool abbreviate, const LocaleInfo& locale) {
    if (month < 1 || month > 12) throw RuntimeFault(kInvalidCall);
    return std::u16string(abbreviate ? locale.monthsShort[month - 1] : locale.months[month - 1]);
}

std::u16string DateText::weekdayName(int weekday, bool abbreviate, int firstDayOfWeek,
                                     const LocaleInfo& locale) {
    if (firstDayOfWeek == 0) firstDayOfWeek = locale.firstDayOfWeek;
    if (weekday < 1 || weekday > 7 || firstDayOfWeek < 1 || firstDayOfWeek > 7) {
        throw RuntimeFault(kInvalidCall);
    }
    int index = (weekday - 1 + firstDayOfWeek - 1) % 7;
    return std::u16string(abbreviate ? locale.weekdaysShort[index] : locale.weekdays[index]);
}

}  // namespace vbs::runtime
