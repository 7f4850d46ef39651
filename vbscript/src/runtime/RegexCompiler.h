#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "RegexProgram.h"

namespace vbs::runtime {

// Reads a pattern into a tree and turns the tree into the backtracking program.
class RegexCompiler {
  public:
    RegexCompiler(std::u16string_view pattern, bool ignoreCase, bool multiline);
    // Throws RuntimeFault 5017 to 5021.
    RegexProgram compile();

  private:
    struct Node;
    using NodePtr = std::unique_ptr<Node>;

    NodePtr parseAlternation(int depth);
    NodePtr parseSequence(int depth);
    NodePtr parseAtom(int depth);
    NodePtr parseGroup(int depth);
    NodePtr parseEscape();
    NodePtr parseClass();
    bool readQuantifier(int& min, int& max);
    bool readBraces(size_t& at, int& min, int& max) const;
    char16_t readEscapedChar(bool inClass);
    int addClass(std::vector<std::pair<char16_t, char16_t>> ranges, bool negated);
    int countGroups() const;

    void emit(const Node& node);
    void emitRepeat(const Node& node);
    int push(RxInst inst);
    static bool nullable(const Node& node);
    bool firstChars(const Node& node, std::vector<uint64_t>& set, bool& any) const;
    void addFirst(std::vector<uint64_t>& set, char16_t c) const;

    std::u16string_view p_;
    size_t i_ = 0;
    int groupTotal_ = 0;
    int nextGroup_ = 1;
    RegexProgram prog_;
};

}  // namespace vbs::runtime
