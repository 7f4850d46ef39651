#include "WScriptObject.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "FdSource.h"
#include "FileSink.h"
#include "FsPath.h"
#include "WshArguments.h"

namespace scripting {

namespace {

using V = vbs::Value;
using W = WScriptObject;
const char16_t kHostName[] = u"Windows Script Host";

}  // namespace

WScriptObject::WScriptObject(ScriptInfo info, vbs::Engine& engine, HostUi& ui)
    : info_(std::move(info)), engine_(engine), ui_(ui) {}

std::u16string WScriptObject::echoText(const vbs::Value& value) {
    V v = value.isObject() && value.obj() ? value.resolved() : value;
    if (v.isNothing()) vbs::throwError(91);
    switch (v.type()) {
        case vbs::vtBoolean:
            return v.rawBoolean() ? u"-1" : u"0";
        case vbs::vtNull:
            return u"Null";
        case vbs::vtEmpty:
            return u"";
        default:
            if (v.isArray()) vbs::throwError(13);
            return v.toString();
    }
}

vbs::Value WScriptObject::stream(int which) {
    // Only the console host has standard streams to offer.
    if (!info_.console) {
        vbs::throwError(static_cast<int32_t>(0x80070006u),
                        u"句柄无效：只有控制台宿主 cscript 提供 StdIn、StdOut 和 StdErr。",
                        u"WScript");
    }
    auto& s = streams_[which];
    if (!s) {
        if (which == 0) {
            s = TextStream::reader(std::make_unique<FdSource>(0), TextStream::Decoding::Auto);
            s->pauseWhileWaiting(&engine_);
        } else {
            std::FILE* f = which == 1 ? stdout : stderr;
            s = TextStream::writer(std::make_unique<FileSink>(f, false), TextEncoding::Utf8, u"\n");
        }
    }
    return objectValue(s);
}

const std::vector<Member<WScriptObject>>& WScriptObject::members() {
    auto name = [](W&, Args, V& r) { r = V(kHostName); };
    static const std::vector<Member<W>> table = {
        {u"", name},
        {u"Name", name},
        {u"Echo",
         [](W& w, Args a, V&) {
             std::u16string line;
             for (size_t i = 0; i < a.size(); ++i) {
                 if (i) line += u' ';
                 if (!a[i]->isMissing()) line += echoText(*a[i]);
             }
             // A windowed host in batch mode shows nothing at all.
             if (w.info_.console || w.info_.interactive) w.ui_.echo(line);
         }},
        {u"Quit",
         [](W& w, Args a, V&) {
             w.exitCode_ = optLong(a, 0, 0);
             vbs::ScriptError e(kScriptQuit, u"WScript.Quit", u"WScript");
             e.fatal = true;
             throw e;
         }},
        {u"Sleep",
         [](W& w, Args a, V&) {
             int32_t ms = arg(a, 0).toLong();
             if (ms < 0) vbs::throwError(5);
             vbs::BuiltinContext::HostPause pause(w.engine_);
             const auto wake = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
             const bool limited = w.deadline_ != std::chrono::steady_clock::time_point{} &&
                                  w.deadline_ <= wake;
             std::this_thread::sleep_until(limited ? w.deadline_ : wake);
             if (limited) {
                 vbs::ScriptError e(vbs::kErrTimeout, vbs::errorDescription(vbs::kErrTimeout),
                                    vbs::kRuntimeSource);
                 e.fatal = true;
                 throw e;
             }
         }},
        {u"Arguments",
         [](W& w, Args a, V& r) {
             r = objectValue(new WshArguments(w.info_.arguments, true));
             forwardArgs(r, a);
         }},
        {u"ScriptName",
         [](W& w, Args, V& r) { r = V(fspath::toScript(fspath::lastName(w.info_.scriptPath))); }},
        {u"ScriptFullName", [](W& w, Args, V& r) { r = V(fspath::toScript(w.info_.scriptPath)); }},
        {u"FullName", [](W& w, Args, V& r) { r = V(fspath::toScript(w.info_.hostPath)); }},
        {u"Path",
         [](W& w, Args, V& r) { r = V(fspath::toScript(fspath::parentOf(w.info_.hostPath))); }},
        {u"Version", [](W&, Args, V& r) { r = V(u"5.8"); }},
        {u"BuildVersion", [](W&, Args, V& r) { r = V(int32_t{18362}); }},
        {u"Interactive", [](W& w, Args, V& r) { r = V(w.info_.interactive); },
         [](W& w, Args a) { w.info_.interactive = a.back()->toBool(); }},
        {u"Timeout", [](W& w, Args, V& r) { r = V(int32_t{w.info_.timeoutSeconds}); },
         [](W& w, Args a) {
             int32_t s = a.back()->toLong();
             if (s < 0) vbs::throwError(5);
             w.info_.timeoutSeconds = s;
             if (w.onTimeoutChanged) w.onTimeoutChanged(s);
         }},
        {u"StdIn", [](W& w, Args, V& r) { r = w.stream(0); }},
        {u"StdOut", [](W& w, Args, V& r) { r = w.stream(1); }},
        {u"StdErr", [](W& w, Args, V& r) { r = w.stream(2); }},
        {u"CreateObject",
         [](W& w, Args a, V& r) {
             if (!omitted(a, 1)) {
                 throwUnsupported(u"WScript.CreateObject", u"不支持用前缀连接对象事件。");
             }
             r = objectValue(vbs::BuiltinContext(w.engine_).createObject(argText(a, 0)));
         }},
        {u"GetObject",
         [](W& w, Args a, V& r) {
             r = objectValue(
                 vbs::BuiltinContext(w.engine_).getObject(argText(a, 0), optText(a, 1, u"")));
         }},
        {u"ConnectObject",
         [](W&, Args, V&) { throwUnsupported(u"WScript.ConnectObject", u"不支持连接对象事件。"); }},
        {u"DisconnectObject", [](W&, Args, V&) {}},
    };
    return table;
}

}  // namespace scripting
