#include "ScriptHost.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "ConsoleHostUi.h"
#include "FsPath.h"
#include "HostOptions.h"
#include "ScriptHostServices.h"
#include "Scripting.h"
#include "TextCodec.h"
#include "WScriptObject.h"
#include "Watchdog.h"
#include "vbscript/engine.h"

namespace scripting {

namespace {

const char16_t kTitle[] = u"Windows Script Host";

std::string selfPath(const char* argv0) {
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) return std::string(buf, static_cast<size_t>(n));
    return fspath::absolute(argv0 ? argv0 : "");
}

std::u16string hexCode(int32_t number) {
    uint32_t code = static_cast<uint32_t>(number);
    if (number > 0 && number <= 0xFFFF) code = 0x800A0000u | static_cast<uint32_t>(number);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08X", code);
    return vbs::fromUtf8(buf);
}

std::u16string sourceName(const vbs::ScriptError& e) {
    if (e.source.empty() || e.source == vbs::kRuntimeSource)
        return u"Microsoft VBScript 运行时错误";
    if (e.source == vbs::kCompileSource) return u"Microsoft VBScript 编译器错误";
    return e.source;
}

// A script named without its extension is found with ".vbs" added.
std::string locate(const std::string& name) {
    if (fspath::isFile(name)) return fspath::absolute(name);
    if (fspath::extensionName(vbs::fromUtf8(name)).empty() && fspath::isFile(name + ".vbs"))
        return fspath::absolute(name + ".vbs");
    return fspath::absolute(name);
}

std::u16string programName(Mode mode) { return mode == Mode::Console ? u"cscript" : u"wscript"; }

std::u16string timeoutText(const std::u16string& scriptName, int seconds) {
    return u"脚本“" + scriptName + u"”的运行时间超过了 " + vbs::fromUtf8(std::to_string(seconds)) +
           u" 秒的限制，已被终止。";
}

// //T:nn. The engine's own limit ends a busy script where it stands, so the
// host can still say why (in a window, too); the watchdog, a moment later,
// ends a script that is asleep or waiting for a program.
void applyLimit(vbs::Engine& engine, Watchdog& watchdog, int seconds) {
    constexpr int kGraceSeconds = 1;
    engine.setTimeout(seconds > 0 ? seconds * 1000 : 0);
    watchdog.arm(seconds > 0 ? seconds + kGraceSeconds : 0);
}

void showLogo(HostUi& ui) { ui.echo(u"KorvelVBS 脚本宿主 5.8（Linux）\n"); }

}  // namespace

bool readScriptFile(const std::string& path, std::u16string& text, std::u16string& problem) {
    std::u16string shown = fspath::toScript(path);
    std::u16string ext = vbs::toLower(fspath::extensionName(shown));
    if (ext == u"js" || ext == u"jse" || ext == u"wsf" || ext == u"vbe") {
        problem = u"无法运行“" + shown + u"”：本宿主只运行 VBScript（.vbs）脚本，不支持 ." + ext +
                  u" 文件。";
        return false;
    }
    if (fspath::isFolder(path)) {
        problem = u"“" + shown + u"”是一个文件夹，不是脚本文件。";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        problem = errno == ENOENT ? u"找不到脚本文件“" + shown + u"”。"
                                  : u"无法打开脚本文件“" + shown + u"”：没有读取权限。";
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        problem = u"读取脚本文件“" + shown + u"”时出错。";
        return false;
    }
    text = TextCodec::decode(bytes.str());
    return true;
}

std::u16string consoleErrorText(const std::string& scriptPath, const vbs::ScriptError& e) {
    auto num = [](long n) { return vbs::fromUtf8(std::to_string(n)); };
    std::u16string source = e.source.empty() ? std::u16string(vbs::kRuntimeSource) : e.source;
    std::u16string s = fspath::toScript(scriptPath) + u"(" + num(e.line) + u", " + num(e.column) +
                       u") " + source + u" " + num(e.number) + u": " + e.description;
    if (!e.sourceLine.empty()) s += u"\n    " + e.sourceLine;
    return s;
}

std::u16string windowErrorText(const std::string& scriptPath, const vbs::ScriptError& e) {
    return u"脚本:\t" + fspath::toScript(scriptPath) + u"\n行:\t" +
           vbs::fromUtf8(std::to_string(e.line)) + u"\n字符:\t" +
           vbs::fromUtf8(std::to_string(e.column)) + u"\n错误:\t" + e.description + u"\n代码:\t" +
           hexCode(e.number) + u"\n源:\t" + sourceName(e);
}

int runScriptHost(int argc, const char* const* argv, Mode mode, HostUi* givenUi) {
    ConsoleHostUi consoleUi;
    HostUi& ui = givenUi ? *givenUi : consoleUi;
    HostOptions opts = HostOptions::parse(argc, argv);
    const bool console = mode == Mode::Console;
    if (!opts.error.empty()) {
        ui.error(kTitle, opts.error + u"\n\n" + HostOptions::usageText(programName(mode)));
        return 1;
    }
    if (opts.usage || opts.script.empty()) {
        if (console)
            ui.echo(HostOptions::usageText(programName(mode)));
        else if (!opts.batch)
            ui.error(kTitle, HostOptions::usageText(programName(mode)));
        return opts.usage ? 0 : 1;
    }
    // The banner is for people at a terminal; piped output stays clean.
    if (console && !opts.nologo && (opts.logo || ::isatty(STDOUT_FILENO))) showLogo(ui);

    ScriptInfo info;
    info.scriptPath = locate(opts.script);
    info.hostPath = selfPath(argc > 0 ? argv[0] : nullptr);
    info.arguments = opts.arguments;
    info.console = console;
    info.interactive = !opts.batch;
    info.timeoutSeconds = opts.timeoutSeconds;

    std::u16string code, problem;
    if (!readScriptFile(info.scriptPath, code, problem)) {
        if (console || !opts.batch) ui.error(kTitle, problem);
        return 1;
    }

    vbs::Engine engine;
    ScriptHostServices services(ui, opts.batch);
    engine.setHostServices(&services);
    registerScriptingObjects(engine);

    std::u16string scriptName = fspath::toScript(fspath::lastName(info.scriptPath));
    const bool windows = !console && !opts.batch;
    Watchdog watchdog([scriptName, &info, &ui, windows] {
        std::fflush(stdout);
        const std::u16string text = timeoutText(scriptName, info.timeoutSeconds);
        if (windows) {
            ui.timeUp(kTitle, text);
        } else {
            ui.HostUi::timeUp(kTitle, text);
        }
        std::_Exit(1);
    });
    applyLimit(engine, watchdog, info.timeoutSeconds);

    vbs::Ref<WScriptObject> wscript(new WScriptObject(info, engine, ui));
    auto limitSleep = [&wscript](int seconds) {
        wscript->setDeadline(seconds > 0 ? std::chrono::steady_clock::now() +
                                               std::chrono::seconds(seconds)
                                         : std::chrono::steady_clock::time_point{});
    };
    limitSleep(info.timeoutSeconds);
    wscript->onTimeoutChanged = [&engine, &watchdog, &info, limitSleep](int s) {
        info.timeoutSeconds = s;
        applyLimit(engine, watchdog, s);
        limitSleep(s);
    };
    engine.AddObject(u"WScript", wscript);
    try {
        engine.AddCode(std::u16string_view(code));
    } catch (const vbs::ScriptError& e) {
        watchdog.arm(0);  // the report may wait for the user
        if (e.number == kScriptQuit) return wscript->exitCode();
        std::u16string text = e.number == vbs::kErrTimeout
                                  ? timeoutText(scriptName, info.timeoutSeconds)
                              : console ? consoleErrorText(info.scriptPath, e)
                                        : windowErrorText(info.scriptPath, e);
        if (console || !opts.batch) ui.error(kTitle, text);
        return 1;
    } catch (const std::exception& e) {
        watchdog.arm(0);
        ui.error(kTitle, u"脚本宿主内部错误：" + vbs::fromUtf8(e.what()));
        return 1;
    }
    std::fflush(stdout);
    return 0;
}

}  // namespace scripting
