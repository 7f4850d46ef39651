#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vbs::runtime {

struct RegexProgram;

// A compiled pattern of the RegExp dialect over UTF-16 text: classes, greedy and lazy
// quantifiers, groups, alternation, anchors, \b \d \w \s and their negations, back references
// and lookahead. Matching backtracks on an explicit stack, so no pattern can exhaust the
// native stack; a search that runs past its step budget stops with error 28.
class Regex {
  public:
    // Throws RuntimeFault 5017 to 5021 for a bad pattern.
    Regex(std::u16string_view pattern, bool ignoreCase, bool multiline);
    ~Regex();
    Regex(Regex&&) noexcept;
    Regex& operator=(Regex&&) noexcept;

    // Capturing groups, not counting the whole match.
    int groupCount() const;

    // Finds the first match starting at or after `from`. On success `captures` holds
    // 2 * (groupCount() + 1) offsets, start and end per group, -1 for a group that took no part.
    bool search(std::u16string_view text, size_t from, std::vector<int>& captures) const;

    // Steps one search may take before it gives up (error 28); catastrophic patterns end there.
    void setStepBudget(uint64_t steps) { stepBudget_ = steps; }

  private:
    std::unique_ptr<RegexProgram> program_;
    uint64_t stepBudget_ = 200'000'000;
};

}  // namespace vbs::runtime
