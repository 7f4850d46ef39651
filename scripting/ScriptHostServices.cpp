#include "ScriptHostServices.h"

namespace scripting {

int ScriptHostServices::msgBox(const std::u16string& prompt, int buttons,
                               const std::u16string& title) {
    return batch_ ? HostUi::defaultAnswer(buttons) : ui_.msgBox(prompt, buttons, title);
}

vbs::Value ScriptHostServices::inputBox(const std::u16string& prompt, const std::u16string& title,
                                        const std::u16string& defaultText) {
    return batch_ ? vbs::Value(defaultText) : ui_.inputBox(prompt, title, defaultText);
}

int ScriptHostServices::popup(const std::u16string& text, int seconds, const std::u16string& title,
                              int buttons) {
    // Nobody is there to press a button: the box "times out" at once.
    return batch_ ? -1 : ui_.popup(text, seconds, title, buttons);
}

vbs::Ref<vbs::Object> ScriptHostServices::createObject(const std::u16string&) {
    // Our own objects are in the engine's registry; the rest are COM
    // components that Linux does not have, and the engine raises the
    // language's own error 429 for them.
    return {};
}

vbs::Ref<vbs::Object> ScriptHostServices::getObject(const std::u16string& path,
                                                    const std::u16string& progId) {
    std::u16string lower = vbs::toLower(path);
    if (lower.starts_with(u"winmgmts")) {
        vbs::throwError(429, u"Linux 上没有 WMI（winmgmts），GetObject 无法取得它。");
    }
    if (lower.starts_with(u"ldap:") || lower.starts_with(u"winnt:")) {
        vbs::throwError(429,
                        u"Linux 上没有 Windows 目录服务（LDAP/WinNT），GetObject 无法取得它。");
    }
    std::u16string what = path.empty() ? progId : path;
    vbs::throwError(429, u"GetObject 在 Linux 上无法取得“" + what + u"”。");
}

}  // namespace scripting
