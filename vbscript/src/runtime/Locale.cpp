#include "vbscript/runtime/Locale.h"

#include <atomic>
#include <cstdlib>

namespace vbs::runtime {

namespace {

const LocaleInfo kChinese{
    2052,
    u"zh-cn",
    936,
    DateOrder::YearMonthDay,
    true,
    u"上午",
    u"下午",
    u"¥",
    false,
    2,  // Monday
    1,
    {u"一月", u"二月", u"三月", u"四月", u"五月", u"六月", u"七月", u"八月", u"九月", u"十月",
     u"十一月", u"十二月"},
    {u"1月", u"2月", u"3月", u"4月", u"5月", u"6月", u"7月", u"8月", u"9月", u"10月", u"11月",
     u"12月"},
    {u"星期日", u"星期一", u"星期二", u"星期三", u"星期四", u"星期五", u"星期六"},
    {u"周日", u"周一", u"周二", u"周三", u"周四", u"周五", u"周六"},
};

const LocaleInfo kEnglish{
    1033,
    u"en-us",
    1252,
    DateOrder::MonthDayYear,
    false,
    u"AM",
    u"PM",
    u"$",
    true,
    1,  // Sunday
    1,
    {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
     u"October", u"November", u"December"},
    {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov",
     u"Dec"},
    {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
    {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"},
};

std::atomic<const LocaleInfo*> g_current{nullptr};

bool equalsIgnoreCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x += 32;
        if (y >= 'A' && y <= 'Z') y += 32;
        if (x == '_') x = '-';
        if (y == '_') y = '-';
        if (x != y) return false;
    }
    return true;
}

}  // namespace

const LocaleInfo& Locale::chinese() { return kChinese; }
const LocaleInfo& Locale::english() { return kEnglish; }

const LocaleInfo* Locale::byLcid(int lcid) {
    if (lcid == kChinese.lcid) return &kChinese;
    if (lcid == kEnglish.lcid) return &kEnglish;
    return nullptr;
}

const LocaleInfo* Locale::byName(std::u16string_view name) {
    if (equalsIgnoreCase(name, kChinese.name) || equalsIgnoreCase(name, u"zh-hans-cn")) {
        return &kChinese;
    }
    if (equalsIgnoreCase(name, kEnglish.name)) return &kEnglish;
    return nullptr;
}

const LocaleInfo& Locale::fromPosixName(std::string_view name) {
    // Only the language decides: both supported languages have one region here.
    if (name.size() >= 2 && (name[0] == 'z' || name[0] == 'Z') &&
        (name[1] == 'h' || name[1] == 'H')) {
        return kChinese;
    }
    return kEnglish;
}

const LocaleInfo& Locale::fromEnvironment() {
    for (const char* var : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(var);
        if (value && *value) return fromPosixName(value);
    }
    return kEnglish;
}

const LocaleInfo& Locale::current() {
    const LocaleInfo* info = g_current.load();
    if (!info) {
        info = &fromEnvironment();
        g_current.store(info);
    }
    return *info;
}

void Locale::setCurrent(const LocaleInfo& info) { g_current.store(&info); }

}  // namespace vbs::runtime
