// cscript FILE [ARGS...]: runs a script on the console. WScript.Echo writes
// to standard output; an uncaught error goes to standard error with the
// file, line, column, number and text, and the exit code is 1.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ConsoleHost.h"
#include "WScriptObject.h"
#include "vbscript/engine.h"

namespace {

// UTF-16 with a byte-order mark, else UTF-8 (a UTF-8 mark is skipped).
std::u16string decode(const std::string& bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string s;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            s += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       (static_cast<unsigned char>(bytes[i + 1]) << 8));
        return s;
    }
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
        static_cast<unsigned char>(bytes[1]) == 0xFF) {
        std::u16string s;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            s += static_cast<char16_t>((static_cast<unsigned char>(bytes[i]) << 8) |
                                       static_cast<unsigned char>(bytes[i + 1]));
        return s;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return vbs::fromUtf8(std::string_view(bytes).substr(3));
    return vbs::fromUtf8(bytes);
}

void report(const std::string& file, const vbs::ScriptError& e) {
    std::string msg = file + "(" + std::to_string(e.line) + ", " + std::to_string(e.column) + ") " +
                      vbs::toUtf8(e.source) + " " + std::to_string(e.number) + ": " +
                      vbs::toUtf8(e.description) + "\n";
    if (!e.sourceLine.empty()) msg += "    " + vbs::toUtf8(e.sourceLine) + "\n";
    std::fflush(stdout);
    std::fwrite(msg.data(), 1, msg.size(), stderr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "用法: cscript 脚本文件 [参数...]\n");
        return 2;
    }
    std::string file = argv[1];
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "无法打开脚本文件: %s\n", file.c_str());
        return 2;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::u16string> args;
    for (int i = 2; i < argc; ++i) args.push_back(vbs::fromUtf8(argv[i]));

    korvel::ConsoleHost host;
    vbs::Engine engine;
    engine.setHostServices(&host);
    engine.setTimeout(0);  // a console script may run as long as it likes
    engine.AddObject(u"WScript", vbs::makeRef<korvel::WScriptObject>(vbs::fromUtf8(file), args));
    try {
        engine.AddCode(decode(bytes));
    } catch (const vbs::ScriptError& e) {
        report(file, e);
        return 1;
    } catch (const korvel::QuitRequest& q) {
        std::fflush(stdout);
        return q.code;
    }
    std::fflush(stdout);
    return 0;
}
