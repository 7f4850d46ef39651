#include "WshShell.h"

#include <unistd.h>

#include <optional>
#include <vector>

#include "ChildProcess.h"
#include "FsPath.h"
#include "ScriptHostServices.h"
#include "WshEnvironment.h"
#include "WshExec.h"
#include "WshSpecialFolders.h"

namespace scripting {

namespace {

using V = vbs::Value;
using S = WshShell;

const char16_t kDefaultTitle[] = u"Windows Script Host";

// Pauses the engine's clock while the host waits on something outside it.
class Pause {
  public:
    explicit Pause(vbs::Engine* e) {
        if (e) guard_.emplace(*e);
    }

  private:
    std::optional<vbs::BuiltinContext::HostPause> guard_;
};

template <const char16_t* Name, const char16_t* Why>
void refuse(S&, Args, V&) {
    throwUnsupported(Name, Why);
}

constexpr char16_t kRegRead[] = u"RegRead";
constexpr char16_t kRegWrite[] = u"RegWrite";
constexpr char16_t kRegDelete[] = u"RegDelete";
constexpr char16_t kNoRegistry[] = u"Linux 没有 Windows 注册表。";
constexpr char16_t kShortcut[] = u"CreateShortcut";
constexpr char16_t kNoShortcut[] = u"Linux 没有 Windows 快捷方式（.lnk）。";
constexpr char16_t kAppActivate[] = u"AppActivate";
constexpr char16_t kSendKeys[] = u"SendKeys";
constexpr char16_t kNoWindows[] = u"脚本宿主无法控制其他程序的窗口。";
constexpr char16_t kLogEvent[] = u"LogEvent";
constexpr char16_t kNoEventLog[] = u"Linux 没有 Windows 事件日志。";

}  // namespace

int32_t WshShell::run(const std::u16string& command, bool wait) {
    auto child = ChildProcess::start(ChildProcess::documentCommand(command), false);
    if (!wait) return 0;
    Pause pause(engine_);
    return child->wait();
}

int WshShell::popup(const std::u16string& text, int seconds, const std::u16string& title,
                    int type) {
    auto* host = engine_ ? dynamic_cast<ScriptHostServices*>(engine_->hostServices()) : nullptr;
    if (host) {
        Pause pause(engine_);
        return host->popup(text, seconds, title, type);
    }
    if (engine_) return vbs::BuiltinContext(*engine_).msgBox(text, type, title);
    return HostUi::defaultAnswer(type);
}

const std::vector<Member<WshShell>>& WshShell::members() {
    static const std::vector<Member<S>> table = {
        {u"Run",
         [](S& s, Args a, V& r) {
             // The window style has no meaning for Linux programs, which open
             // their own windows as they see fit.
             r = V(s.run(argText(a, 0), optBool(a, 2, false)));
         }},
        {u"Exec",
         [](S& s, Args a, V& r) {
             r = objectValue(new WshExec(ChildProcess::start(argText(a, 0), true), s.engine_));
         }},
        {u"Environment",
         [](S&, Args a, V& r) { r = objectValue(new WshEnvironment(optText(a, 0, u"SYSTEM"))); }},
        {u"ExpandEnvironmentStrings",
         [](S&, Args a, V& r) { r = V(WshEnvironment::expand(argText(a, 0))); }},
        {u"CurrentDirectory",
         [](S&, Args, V& r) {
             std::vector<char> buf(4096);
             r = V(vbs::fromUtf8(::getcwd(buf.data(), buf.size()) ? buf.data() : "/"));
         },
         [](S&, Args a) {
             std::string dir = fspath::native(a.back()->toString());
             if (::chdir(dir.c_str()) != 0) fspath::throwErrno(errno, true);
             // Programs started later read the current folder from PWD too.
             std::vector<char> buf(4096);
             if (::getcwd(buf.data(), buf.size())) ::setenv("PWD", buf.data(), 1);
         }},
        {u"Popup",
         [](S& s, Args a, V& r) {
             r = V(s.popup(argText(a, 0), optLong(a, 1, 0), optText(a, 2, kDefaultTitle),
                           optLong(a, 3, 0)));
         }},
        {u"SpecialFolders",
         [](S&, Args a, V& r) {
             if (omitted(a, 0))
                 r = objectValue(new WshSpecialFolders);
             else
                 r = V(WshSpecialFolders::path(argText(a, 0)));
         }},
        {u"RegRead", refuse<kRegRead, kNoRegistry>},
        {u"RegWrite", refuse<kRegWrite, kNoRegistry>},
        {u"RegDelete", refuse<kRegDelete, kNoRegistry>},
        {u"CreateShortcut", refuse<kShortcut, kNoShortcut>},
        {u"AppActivate", refuse<kAppActivate, kNoWindows>},
        {u"SendKeys", refuse<kSendKeys, kNoWindows>},
        {u"LogEvent", refuse<kLogEvent, kNoEventLog>},
    };
    return table;
}

}  // namespace scripting
