#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>
#include <vector>

#include "FsPath.h"
#include "vbscript/value.h"

extern char** environ;

namespace scripting {

namespace {

constexpr int32_t kFileNotFound = static_cast<int32_t>(0x80070002u);

void drain(int fd, std::shared_ptr<PipeBuffer> buffer) {
    char buf[8192];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            buffer->add(buf, static_cast<size_t>(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break;
        }
    }
    ::close(fd);
    buffer->finish();
}

std::string firstWord(const std::string& cmd) {
    size_t i = cmd.find_first_not_of(" \t");
    if (i == std::string::npos) return {};
    if (cmd[i] == '"' || cmd[i] == '\'') {
        size_t end = cmd.find(cmd[i], i + 1);
        return cmd.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
    }
    size_t end = cmd.find_first_of(" \t;|&<>()", i);
    return cmd.substr(i, end == std::string::npos ? std::string::npos : end - i);
}

bool isShellWord(const std::string& w) {
    static const char* words[] = {
        "cd",    "echo",  "exit", "export", "set",    "unset",   "test", "[",
        "true",  "false", "read", "printf", "pwd",    "if",      "for",  "while",
        "case",  "exec",  "eval", ".",      "source", "command", "type", "ulimit",
        "umask", "wait",  "kill", "trap",   "shift",  "{",       "!"};
    for (const char* s : words) {
        if (w == s) return true;
    }
    // Assignments, expansions and redirections are the shell's to judge.
    return w.find_first_of("=$`*?~") != std::string::npos;
}

bool executable(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// A word written as a Windows path ("C:\\x", "dir\\file.txt") becomes the
// Linux path when the place it names exists; anything else, including
// backslashes meant for the shell, is left alone.
std::string translateWord(const std::string& word) {
    if (word.find('\\') == std::string::npos || word.find('\'') != std::string::npos) return word;
    bool quoted = word.size() >= 2 && word.front() == '"' && word.back() == '"';
    std::string inner = quoted ? word.substr(1, word.size() - 2) : word;
    if (inner.find('"') != std::string::npos) return word;
    // The text before the first backslash must already be a folder, so a
    // pattern such as "a\\.b" is not mistaken for a path.
    std::string head = inner.substr(0, inner.find('\\'));
    bool drive = head.size() == 2 && head[1] == ':';
    if (!drive && (head.empty() || !fspath::isFolder(head))) return word;
    std::string native;
    if (!fspath::toNative(vbs::fromUtf8(inner), native)) return word;
    struct stat st;
    if (::stat(native.c_str(), &st) != 0 && !fspath::isFolder(fspath::parentOf(native)))
        return word;
    return quoted ? "\"" + native + "\"" : native;
}

}  // namespace

std::string ChildProcess::translatePaths(const std::string& cmd) {
    std::string out;
    size_t i = 0;
    while (i < cmd.size()) {
        if (cmd[i] == ' ' || cmd[i] == '\t') {
            out += cmd[i++];
            continue;
        }
        size_t start = i;
        char quote = 0;
        while (i < cmd.size() && (quote || (cmd[i] != ' ' && cmd[i] != '\t'))) {
            if (!quote && (cmd[i] == '"' || cmd[i] == '\''))
                quote = cmd[i];
            else if (quote && cmd[i] == quote)
                quote = 0;
            ++i;
        }
        out += translateWord(cmd.substr(start, i - start));
    }
    return out;
}

std::u16string ChildProcess::documentCommand(const std::u16string& given) {
    std::string cmd = translatePaths(vbs::toUtf8(given));
    if (programExists(vbs::fromUtf8(cmd))) return given;
    std::string word = firstWord(cmd);
    static const char* schemes[] = {"http://", "https://", "ftp://", "mailto:", "file://"};
    bool url = false;
    for (const char* s : schemes) url = url || word.starts_with(s);
    struct stat st;
    bool document = !url && !word.empty() && ::stat(word.c_str(), &st) == 0;
    if (!url && !document) return given;
    // Scripts open with our own windowed host, everything else with the
    // desktop's choice of program.
    std::string opener = "xdg-open";
    char self[4096];
    ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (document && word.ends_with(".vbs") && n > 0) {
        std::string host =
            fspath::join(fspath::parentOf(std::string(self, static_cast<size_t>(n))), "wscript");
        if (executable(host)) opener = host;
    }
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    quoted += "'";
    return vbs::fromUtf8("\"" + opener + "\" " + quoted);
}

bool ChildProcess::programExists(const std::u16string& command) {
    std::string word = firstWord(vbs::toUtf8(command));
    if (word.empty()) return false;
    if (isShellWord(word)) return true;
    if (word.find('/') != std::string::npos) return executable(word);
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t i = 0;
    while (i <= dirs.size()) {
        size_t j = dirs.find(':', i);
        if (j == std::string::npos) j = dirs.size();
        std::string dir = dirs.substr(i, j - i);
        if (executable((dir.empty() ? "." : dir) + "/" + word)) return true;
        i = j + 1;
    }
    return false;
}

std::unique_ptr<ChildProcess> ChildProcess::start(const std::u16string& given, bool capture) {
    std::u16string command = vbs::fromUtf8(translatePaths(vbs::toUtf8(given)));
    if (!programExists(command)) {
        vbs::throwError(kFileNotFound, u"系统找不到指定的文件。(" + command + u")", u"WshShell");
    }
    std::unique_ptr<ChildProcess> child(new ChildProcess);
    std::string cmd = vbs::toUtf8(command);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int in[2] = {-1, -1}, out[2] = {-1, -1}, err[2] = {-1, -1};
    if (capture) {
        if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 ||
            ::pipe2(err, O_CLOEXEC) != 0) {
            posix_spawn_file_actions_destroy(&actions);
            vbs::throwError(67);
        }
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    }
    // Writing to a child that has gone must fail with an error, not end
    // the host; the child itself gets the usual default back.
    static const bool ignored = (::signal(SIGPIPE, SIG_IGN), true);
    (void)ignored;
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    std::vector<char*> argv = {const_cast<char*>("sh"), const_cast<char*>("-c"), cmd.data(),
                               nullptr};
    int rc = posix_spawn(&child->pid_, "/bin/sh", &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (capture) {
        ::close(in[0]);
        ::close(out[1]);
        ::close(err[1]);
    }
    if (rc != 0) {
        if (capture) ::close(in[1]), ::close(out[0]), ::close(err[0]);
        vbs::throwError(kFileNotFound, u"无法启动程序：" + command, u"WshShell");
    }
    if (capture) {
        child->stdin_ = in[1];
        child->out_ = std::make_shared<PipeBuffer>();
        child->err_ = std::make_shared<PipeBuffer>();
        std::thread(drain, out[0], child->out_).detach();
        std::thread(drain, err[0], child->err_).detach();
    }
    return child;
}

ChildProcess::~ChildProcess() {
    if (stdin_ >= 0) ::close(stdin_);
    // A child still running is left to run, as the script asked for nothing
    // else; one that ended is reaped so it does not linger.
    if (!done_) finished();
}

void ChildProcess::reap(int status) {
    done_ = true;
    if (WIFEXITED(status))
        exitCode_ = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        exitCode_ = 128 + WTERMSIG(status);
}

bool ChildProcess::finished() {
    if (done_) return true;
    int status = 0;
    pid_t r = ::waitpid(pid_, &status, WNOHANG);
    if (r == pid_)
        reap(status);
    else if (r < 0 && errno == ECHILD)
        done_ = true;
    return done_;
}

int ChildProcess::wait() {
    while (!done_) {
        int status = 0;
        pid_t r = ::waitpid(pid_, &status, 0);
        if (r == pid_)
            reap(status);
        else if (r < 0 && errno != EINTR)
            done_ = true;
    }
    return exitCode_;
}

void ChildProcess::terminate() {
    if (!finished()) ::kill(pid_, SIGTERM);
}

int ChildProcess::takeStdin() {
    int fd = stdin_;
    stdin_ = -1;
    return fd;
}

}  // namespace scripting
