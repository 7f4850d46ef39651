#include "HostUi.h"

#include <unistd.h>

#include <vector>

namespace scripting {

int HostUi::defaultAnswer(int buttons) {
    static const std::vector<std::vector<int>> sets = {{1},       {1, 2}, {3, 4, 5},
                                                       {6, 7, 2}, {6, 7}, {4, 2}};
    int set = buttons & 0xF;
    if (set >= static_cast<int>(sets.size())) set = 0;
    size_t index = static_cast<size_t>((buttons >> 8) & 0x3);
    const auto& answers = sets[static_cast<size_t>(set)];
    return index < answers.size() ? answers[index] : answers[0];
}

void HostUi::timeUp(const std::u16string&, const std::u16string& text) {
    // Only write(): other threads may hold the locks of stdio.
    const std::string bytes = vbs::toUtf8(text + u"\n");
    ssize_t ignored = ::write(STDERR_FILENO, bytes.data(), bytes.size());
    (void)ignored;
}

}  // namespace scripting
