#include "FsPath.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <vector>

#include "vbscript/value.h"

namespace scripting::fspath {

namespace {

bool isSep(char16_t c) { return c == u'/' || c == u'\\'; }

bool hasDrive(std::u16string_view p) {
    return p.size() >= 2 && p[1] == u':' && p[0] < 128 && std::isalpha(static_cast<int>(p[0]));
}

// Index where the last component starts.
size_t lastSep(std::u16string_view p) {
    for (size_t i = p.size(); i > 0; --i) {
        if (isSep(p[i - 1])) return i;
    }
    return hasDrive(p) ? 2 : 0;
}

std::u16string_view trimTrailingSeps(std::u16string_view p) {
    while (p.size() > 1 && isSep(p.back()) && !(p.size() == 3 && hasDrive(p))) p.remove_suffix(1);
    return p;
}

}  // namespace

bool toNative(std::u16string_view p, std::string& out) {
    if (p.size() >= 2 && isSep(p[0]) && isSep(p[1]) && p[0] == u'\\') return false;
    std::u16string s(p);
    if (hasDrive(s)) {
        if (s[0] != u'C' && s[0] != u'c') return false;
        s.erase(0, 2);
        if (s.empty() || !isSep(s[0])) s.insert(0, u"/");
    }
    for (char16_t& c : s) {
        if (c == u'\\') c = u'/';
    }
    out = vbs::toUtf8(s);
    return true;
}

std::string native(std::u16string_view p) {
    if (p.empty()) vbs::throwError(5);
    std::string out;
    if (!toNative(p, out)) vbs::throwError(76);
    return out;
}

std::u16string toScript(std::string_view n) { return vbs::fromUtf8(n); }

std::u16string parentName(std::u16string_view p) {
    p = trimTrailingSeps(p);
    size_t cut = lastSep(p);
    if (cut == 0) return {};
    std::u16string_view parent = p.substr(0, cut);
    // Keep a lone root ("/", "C:\") but drop the separator before a name.
    if (parent.size() > 1 && isSep(parent.back()) && !(parent.size() == 3 && hasDrive(parent)))
        parent.remove_suffix(1);
    if (parent == p) return {};
    return std::u16string(parent);
}

std::u16string fileName(std::u16string_view p) {
    p = trimTrailingSeps(p);
    if (p.size() == 1 && isSep(p[0])) return {};
    return std::u16string(p.substr(lastSep(p)));
}

std::u16string baseName(std::u16string_view p) {
    std::u16string n = fileName(p);
    size_t dot = n.rfind(u'.');
    return dot == std::u16string::npos ? n : n.substr(0, dot);
}

std::u16string extensionName(std::u16string_view p) {
    std::u16string n = fileName(p);
    size_t dot = n.rfind(u'.');
    return dot == std::u16string::npos ? std::u16string() : n.substr(dot + 1);
}

std::u16string driveName(std::u16string_view p) {
    if (hasDrive(p)) return std::u16string(p.substr(0, 2));
    return {};
}

std::u16string buildPath(std::u16string_view path, std::u16string_view name) {
    std::u16string r(path);
    if (r.empty() || isSep(r.back()) || (r.size() == 2 && hasDrive(r)) ||
        (!name.empty() && isSep(name[0])))
        return r + std::u16string(name);
    // Keep the separator style the script already uses.
    bool backslash = r.find(u'\\') != std::u16string::npos && r.find(u'/') == std::u16string::npos;
    return r + (backslash ? u"\\" : u"/") + std::u16string(name);
}

std::string absolute(const std::string& n) {
    std::string full = n;
    if (full.empty() || full[0] != '/') {
        std::vector<char> buf(4096);
        std::string cwd = getcwd(buf.data(), buf.size()) ? buf.data() : "/";
        full = cwd + "/" + full;
    }
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= full.size()) {
        size_t j = full.find('/', i);
        if (j == std::string::npos) j = full.size();
        std::string part = full.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = j + 1;
    }
    std::string out;
    for (const auto& part : parts) out += "/" + part;
    return out.empty() ? "/" : out;
}

std::string parentOf(const std::string& n) {
    std::string a = absolute(n);
    size_t cut = a.rfind('/');
    return cut == 0 ? "/" : a.substr(0, cut);
}

std::string lastName(const std::string& n) {
    std::string a = absolute(n);
    return a == "/" ? std::string() : a.substr(a.rfind('/') + 1);
}

std::string join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool hasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string::npos; }

bool wildcardMatch(std::string_view pat, std::string_view name) {
    size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    while (n < name.size()) {
        if (p < pat.size() && (pat[p] == '?' || same(pat[p], name[n]))) {
            ++p, ++n;
        } else if (p < pat.size() && pat[p] == '*') {
            star = p++, mark = n;
        } else if (star != std::string::npos) {
            p = star + 1, n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == '*') ++p;
    return p == pat.size();
}

bool statPath(const std::string& n, struct stat& st) { return ::stat(n.c_str(), &st) == 0; }

bool isFile(const std::string& n) {
    struct stat st;
    return statPath(n, st) && !S_ISDIR(st.st_mode);
}

bool isFolder(const std::string& n) {
    struct stat st;
    return statPath(n, st) && S_ISDIR(st.st_mode);
}

double oleDate(std::time_t t) {
    std::tm lt{};
    localtime_r(&t, &lt);
    // Days from the civil date, then the offset of 1899-12-30.
    auto days = [](long y, long m, long d) {
        y -= m <= 2;
        long era = (y >= 0 ? y : y - 399) / 400;
        long yoe = y - era * 400;
        long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
        long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
        return era * 146097 + doe;
    };
    long d = days(lt.tm_year + 1900L, lt.tm_mon + 1L, lt.tm_mday) - days(1899, 12, 30);
    return static_cast<double>(d) + (lt.tm_hour * 3600 + lt.tm_min * 60 + lt.tm_sec) / 86400.0;
}

void throwErrno(int err, bool folder) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            vbs::throwError(folder ? 76 : 53);
        case EEXIST:
        case ENOTEMPTY:
            vbs::throwError(err == EEXIST ? 58 : 70);
        case EACCES:
        case EPERM:
        case EROFS:
        case EBUSY:
        case EISDIR:
        case ETXTBSY:
            vbs::throwError(70);
        case ENOSPC:
        case EDQUOT:
            vbs::throwError(61);
        case EXDEV:
            vbs::throwError(74);
        case ENAMETOOLONG:
            vbs::throwError(52);
        default:
            vbs::throwError(75);
    }
}

}  // namespace scripting::fspath
