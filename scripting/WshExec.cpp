#include "WshExec.h"

#include <unistd.h>

#include <cstdio>

#include "FileSink.h"
#include "PipeSource.h"

namespace scripting {

WshExec::WshExec(std::unique_ptr<ChildProcess> child, vbs::Engine* engine)
    : child_(std::move(child)) {
    int fd = child_->takeStdin();
    std::FILE* in = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
    if (!in && fd >= 0) ::close(fd);
    // Linux programs talk UTF-8; their output is read with the same rules
    // as files, so ANSI (GBK) output is understood too.
    stdIn_ = TextStream::writer(std::make_unique<FileSink>(in, true), TextEncoding::Utf8, u"\n");
    stdOut_ =
        TextStream::reader(std::make_unique<PipeSource>(child_->out()), TextStream::Decoding::Auto);
    stdErr_ =
        TextStream::reader(std::make_unique<PipeSource>(child_->err()), TextStream::Decoding::Auto);
    stdOut_->pauseWhileWaiting(engine);
    stdErr_->pauseWhileWaiting(engine);
}

const std::vector<Member<WshExec>>& WshExec::members() {
    using V = vbs::Value;
    using X = WshExec;
    static const std::vector<Member<X>> table = {
        {u"Status", [](X& x, Args, V& r) { r = V(x.child_->finished() ? 1 : 0); }},
        {u"ExitCode",
         [](X& x, Args, V& r) {
             x.child_->finished();
             r = V(x.child_->exitCode());
         }},
        {u"ProcessID", [](X& x, Args, V& r) { r = V(static_cast<int32_t>(x.child_->pid())); }},
        {u"StdIn", [](X& x, Args, V& r) { r = objectValue(x.stdIn_); }},
        {u"StdOut", [](X& x, Args, V& r) { r = objectValue(x.stdOut_); }},
        {u"StdErr", [](X& x, Args, V& r) { r = objectValue(x.stdErr_); }},
        {u"Terminate", [](X& x, Args, V&) { x.child_->terminate(); }},
    };
    return table;
}

}  // namespace scripting
