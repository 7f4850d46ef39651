#include "WshSpecialFolders.h"

#include <cstdlib>
#include <fstream>

#include "WshEnvironment.h"

namespace scripting {

namespace {

struct Mapping {
    std::u16string_view name;
    const char* xdgKey;    // key in user-dirs.dirs, or null
    const char* fallback;  // below the home folder; null: no counterpart
};

const Mapping kFolders[] = {
    {u"Desktop", "XDG_DESKTOP_DIR", "Desktop"},
    {u"AllUsersDesktop", "XDG_DESKTOP_DIR", "Desktop"},
    {u"MyDocuments", "XDG_DOCUMENTS_DIR", "Documents"},
    {u"Templates", "XDG_TEMPLATES_DIR", "Templates"},
    {u"AllUsersTemplates", "XDG_TEMPLATES_DIR", "Templates"},
    {u"AppData", nullptr, ".config"},
    {u"Fonts", nullptr, ".local/share/fonts"},
    {u"Startup", nullptr, ".config/autostart"},
    {u"AllUsersStartup", nullptr, ".config/autostart"},
    {u"Programs", nullptr, ".local/share/applications"},
    {u"AllUsersPrograms", nullptr, ".local/share/applications"},
    {u"StartMenu", nullptr, ".local/share/applications"},
    {u"AllUsersStartMenu", nullptr, ".local/share/applications"},
    {u"Recent", nullptr, nullptr},
    {u"SendTo", nullptr, nullptr},
    {u"NetHood", nullptr, nullptr},
    {u"PrintHood", nullptr, nullptr},
    {u"Favorites", nullptr, nullptr},
};

// The folder the desktop's user-dirs.dirs names for `key`, if any.
std::string xdgFolder(const std::string& home, const char* key) {
    const char* cfg = std::getenv("XDG_CONFIG_HOME");
    std::string file = (cfg && *cfg ? std::string(cfg) : home + "/.config") + "/user-dirs.dirs";
    std::ifstream in(file);
    std::string line;
    std::string prefix = std::string(key) + "=\"";
    while (std::getline(in, line)) {
        if (!line.starts_with(prefix)) continue;
        std::string v = line.substr(prefix.size());
        if (!v.empty() && v.back() == '"') v.pop_back();
        if (v.starts_with("$HOME")) v = home + v.substr(5);
        return v;
    }
    return {};
}

}  // namespace

std::u16string WshSpecialFolders::path(std::u16string_view name) {
    std::string home = vbs::toUtf8(WshEnvironment::lookup(u"USERPROFILE"));
    for (const Mapping& m : kFolders) {
        if (!vbs::iequals(m.name, name)) continue;
        if (!m.fallback) return {};
        if (m.xdgKey) {
            std::string x = xdgFolder(home, m.xdgKey);
            if (!x.empty()) return vbs::fromUtf8(x);
        }
        if (vbs::iequals(name, u"AppData")) return WshEnvironment::lookup(u"APPDATA");
        return vbs::fromUtf8(home + "/" + m.fallback);
    }
    return {};
}

bool WshSpecialFolders::enumerate(std::vector<vbs::Value>& items) {
    for (const Mapping& m : kFolders) {
        std::u16string p = path(m.name);
        if (!p.empty()) items.push_back(vbs::Value(p));
    }
    return true;
}

const std::vector<Member<WshSpecialFolders>>& WshSpecialFolders::members() {
    using V = vbs::Value;
    using S = WshSpecialFolders;
    auto item = [](S&, Args a, V& r) { r = V(path(argText(a, 0))); };
    static const std::vector<Member<S>> table = {
        {u"", item},
        {u"Item", item},
        {u"Count",
         [](S& s, Args, V& r) {
             std::vector<V> items;
             s.enumerate(items);
             r = V(static_cast<int32_t>(items.size()));
         }},
    };
    return table;
}

}  // namespace scripting
