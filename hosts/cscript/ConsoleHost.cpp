#include "ConsoleHost.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace korvel {

void ConsoleHost::echo(const std::u16string& text) {
    std::string s = vbs::toUtf8(text) + "\n";
    std::fwrite(s.data(), 1, s.size(), stdout);
}

int ConsoleHost::msgBox(const std::u16string& prompt, int, const std::u16string&) {
    echo(prompt);
    return 1;  // OK
}

vbs::Value ConsoleHost::inputBox(const std::u16string& prompt, const std::u16string&,
                                 const std::u16string& defaultText) {
    echo(prompt);
    std::string line;
    if (!std::getline(std::cin, line)) return vbs::Value();  // end of input: cancelled
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) return vbs::Value(defaultText);
    return vbs::Value(vbs::fromUtf8(line));
}

}  // namespace korvel
