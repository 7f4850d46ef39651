#include "WshEnvironment.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

extern char** environ;

namespace scripting {

namespace {

std::string userName() {
    if (const char* u = std::getenv("USER"); u && *u) return u;
    if (passwd* pw = ::getpwuid(::getuid())) return pw->pw_name;
    return "user";
}

std::string hostName() {
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0) return "localhost";
    std::string h = buf;
    return h.substr(0, h.find('.'));
}

std::string homeFolder() {
    if (const char* h = std::getenv("HOME"); h && *h) return h;
    if (passwd* pw = ::getpwuid(::getuid())) return pw->pw_dir;
    return "/";
}

// Windows names with a natural Linux meaning, used when the variable is not set.
std::string fallback(const std::string& upper) {
    if (upper == "TEMP" || upper == "TMP") {
        const char* t = std::getenv("TMPDIR");
        return t && *t ? t : "/tmp";
    }
    if (upper == "USERNAME") return userName();
    if (upper == "COMPUTERNAME" || upper == "USERDOMAIN") return hostName();
    if (upper == "USERPROFILE" || upper == "HOMEPATH") return homeFolder();
    if (upper == "APPDATA" || upper == "LOCALAPPDATA") {
        const char* x = std::getenv("XDG_CONFIG_HOME");
        return x && *x ? x : homeFolder() + "/.config";
    }
    if (upper == "OS") return "Linux";
    if (upper == "COMSPEC") return "/bin/sh";
    if (upper == "NUMBER_OF_PROCESSORS") return std::to_string(::sysconf(_SC_NPROCESSORS_ONLN));
    return {};
}

std::string upperAscii(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

}  // namespace

WshEnvironment::WshEnvironment(std::u16string kind) : kind_(std::move(kind)) {
    std::u16string k = vbs::toLower(kind_);
    if (k != u"process" && k != u"system" && k != u"user" && k != u"volatile") vbs::throwError(5);
}

std::u16string WshEnvironment::lookup(std::u16string_view name, bool* found) {
    std::string n = vbs::toUtf8(name);
    if (found) *found = true;
    if (const char* v = std::getenv(n.c_str())) return vbs::fromUtf8(v);
    // Windows names are not case-sensitive: try the spelling the system uses.
    std::string upper = upperAscii(n);
    for (char** e = environ; e && *e; ++e) {
        std::string entry = *e;
        size_t eq = entry.find('=');
        if (eq != std::string::npos && upperAscii(entry.substr(0, eq)) == upper)
            return vbs::fromUtf8(entry.substr(eq + 1));
    }
    std::string fb = fallback(upper);
    if (found) *found = !fb.empty();
    return vbs::fromUtf8(fb);
}

std::u16string WshEnvironment::expand(std::u16string_view text) {
    std::u16string out;
    size_t i = 0;
    while (i < text.size()) {
        size_t open = text.find(u'%', i);
        size_t close = open == std::u16string_view::npos ? open : text.find(u'%', open + 1);
        if (close == std::u16string_view::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, open - i);
        std::u16string_view name = text.substr(open + 1, close - open - 1);
        bool found = false;
        std::u16string value = name.empty() ? std::u16string() : lookup(name, &found);
        if (found) {
            out += value;
            i = close + 1;
        } else {
            // Unknown: keep the first % and look for a name from the second.
            out += u'%';
            i = open + 1;
            if (name.empty()) i = close;
        }
    }
    return out;
}

void WshEnvironment::requireWritable() const {
    if (!vbs::iequals(kind_, u"process")) {
        throwUnsupported(u"Environment(\"" + kind_ + u"\")",
                         u"无法永久修改系统或用户环境变量，请改用 Environment(\"PROCESS\")。");
    }
}

bool WshEnvironment::enumerate(std::vector<vbs::Value>& items) {
    for (char** e = environ; e && *e; ++e) items.push_back(vbs::Value(vbs::fromUtf8(*e)));
    return true;
}

const std::vector<Member<WshEnvironment>>& WshEnvironment::members() {
    using V = vbs::Value;
    using E = WshEnvironment;
    auto itemGet = [](E&, Args a, V& r) {
        bool found = false;
        std::u16string v = lookup(argText(a, 0), &found);
        r = V(found ? v : std::u16string());
    };
    auto itemLet = [](E& e, Args a) {
        e.requireWritable();
        if (a.size() < 2) vbs::throwError(450);
        std::string name = vbs::toUtf8(a[0]->toString());
        if (name.empty() || name.find('=') != std::string::npos) vbs::throwError(5);
        ::setenv(name.c_str(), vbs::toUtf8(a.back()->toString()).c_str(), 1);
    };
    auto count = [](E&, Args, V& r) {
        int32_t n = 0;
        for (char** e = environ; e && *e; ++e) ++n;
        r = V(n);
    };
    static const std::vector<Member<E>> table = {
        {u"", itemGet, itemLet},
        {u"Item", itemGet, itemLet},
        {u"Count", count},
        {u"Length", count},
        {u"Remove",
         [](E& e, Args a, V&) {
             e.requireWritable();
             ::unsetenv(vbs::toUtf8(argText(a, 0)).c_str());
         }},
    };
    return table;
}

}  // namespace scripting
