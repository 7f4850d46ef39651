// The command line of the script hosts: host options start with "//" and may
// stand anywhere; the first other word is the script, the rest are its
// arguments.
#pragma once

#include <string>
#include <vector>

namespace scripting {

struct HostOptions {
    bool batch = false;
    bool logo = false;    // //Logo given
    bool nologo = false;  // //Nologo given
    bool usage = false;   // //? given
    int timeoutSeconds = 0;
    std::string script;
    std::vector<std::u16string> arguments;
    std::u16string error;  // what is wrong with the command line, in Chinese

    static HostOptions parse(int argc, const char* const* argv);
    // The help text, naming the host program.
    static std::u16string usageText(const std::u16string& program);
};

}  // namespace scripting
