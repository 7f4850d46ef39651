#include "vbscript/runtime/Regex.h"

#include "RegexCompiler.h"
#include "RegexProgram.h"
#include "vbscript/runtime/CaseFold.h"
#include "vbscript/runtime/RuntimeFault.h"

namespace vbs::runtime {

namespace {

constexpr size_t kMaxStack = 16u << 20;  // backtrack entries before giving up

bool isWordChar(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Line terminators: '.' does not match them and Multiline anchors stop at them.
bool isLineEnd(char16_t c) { return c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029; }

// One search's state. The backtrack stack holds choice points, undo records for captures and
// loop registers, and lookahead barriers.
class Matcher {
  public:
    Matcher(const RegexProgram& prog, std::u16string_view text, uint64_t budget)
        : prog_(prog), t_(text), n_(static_cast<int>(text.size())), budget_(budget) {}

    bool run(int start, std::vector<int>& caps);

  private:
    enum Kind : int32_t { Branch, UndoCap, UndoReg, Barrier };
    struct Entry {
        Kind kind;
        int32_t pos;
        int32_t a;  // Branch: pc; Undo: slot; Barrier: pc to go on with
        int32_t b;  // Undo: old value; Barrier: 1 when negative
    };

    bool step(const RxInst& in, int& pc, int& pos, std::vector<int>& caps);
    bool backtrack(int& pc, int& pos, std::vector<int>& caps);
    bool lookEnd(bool negative, int& pc, int& pos, std::vector<int>& caps);
    void undo(const Entry& e, std::vector<int>& caps);
    bool backref(int group, int& pos, const std::vector<int>& caps) const;
    void pushEntry(Entry e) {
        if (stack_.size() >= kMaxStack) throw RuntimeFault(kOutOfStack);
        stack_.push_back(e);
    }

    const RegexProgram& prog_;
    std::u16string_view t_;
    int n_;
    uint64_t budget_;
    uint64_t steps_ = 0;
    std::vector<Entry> stack_;
    std::vector<int> regs_;
};

bool Matcher::run(int start, std::vector<int>& caps) {
    caps.assign(2 * (prog_.groups + 1), -1);
    regs_.assign(prog_.registers, -1);
    stack_.clear();
    int pc = 0, pos = start;
    for (;;) {
        const RxInst& in = prog_.code[pc];
        if (in.op == RxOp::Match) return true;
        if (++steps_ > budget_) throw RuntimeFault(kOutOfStack);
        if (!step(in, pc, pos, caps) && !backtrack(pc, pos, caps)) return false;
    }
}

bool Matcher::step(const RxInst& in, int& pc, int& pos, std::vector<int>& caps) {
    switch (in.op) {
        case RxOp::Char:
            if (pos >= n_ || (prog_.ignoreCase ? foldCase(t_[pos]) : t_[pos]) != in.a) return false;
            ++pos;
            break;
        case RxOp::Any:
            if (pos >= n_ || isLineEnd(t_[pos])) return false;
            ++pos;
            break;
        case RxOp::Class:
            if (pos >= n_ || !prog_.classes[in.a].matches(t_[pos])) return false;
            ++pos;
            break;
        case RxOp::Bol:
            if (pos != 0 && !(prog_.multiline && isLineEnd(t_[pos - 1]))) return false;
            break;
        case RxOp::Eol:
            if (pos != n_ && !(prog_.multiline && isLineEnd(t_[pos]))) return false;
            break;
        case RxOp::WordB:
        case RxOp::NotWordB: {
            bool before = pos > 0 && isWordChar(t_[pos - 1]);
            bool after = pos < n_ && isWordChar(t_[pos]);
            if ((before != after) != (in.op == RxOp::WordB)) return false;
            break;
        }
        case RxOp::Split:
            pushEntry({Branch, pos, in.b, 0});
            pc = in.a;
            return true;
        case RxOp::Jmp:
            pc = in.a;
            return true;
        case RxOp::Save:
            pushEntry({UndoCap, 0, in.a, caps[in.a]});
            caps[in.a] = pos;
            break;
        case RxOp::Backref:
            if (!backref(in.a, pos, caps)) return false;
            break;
        case RxOp::Mark:
            pushEntry({UndoReg, 0, in.a, regs_[in.a]});
            regs_[in.a] = pos;
            break;
        case RxOp::Check:
            if (regs_[in.a] == pos) return false;
            break;
        case RxOp::LookStart:
            pushEntry({Barrier, pos, in.a, in.flag ? 1 : 0});
            break;
        case RxOp::LookEnd:
            return lookEnd(in.flag, pc, pos, caps);
        case RxOp::Match:
            break;
    }
    ++pc;
    return true;
}

bool Matcher::backref(int group, int& pos, const std::vector<int>& caps) const {
    int s = caps[2 * group], e = caps[2 * group + 1];
    if (s < 0 || e < 0) return true;  // a group that took no part matches empty
    int len = e - s;
    if (pos + len > n_) return false;
    for (int k = 0; k < len; ++k) {
        char16_t x = t_[s + k], y = t_[pos + k];
        if (x != y && !(prog_.ignoreCase && foldCase(x) == foldCase(y))) return false;
    }
    pos += len;
    return true;
}

void Matcher::undo(const Entry& e, std::vector<int>& caps) {
    if (e.kind == UndoCap) caps[e.a] = e.b;
    if (e.kind == UndoReg) regs_[e.a] = e.b;
}

bool Matcher::lookEnd(bool negative, int& pc, int& pos, std::vector<int>& caps) {
    size_t barrier = stack_.size();
    while (barrier > 0 && stack_[barrier - 1].kind != Barrier) --barrier;
    --barrier;
    Entry mark = stack_[barrier];
    if (negative) {
        // The body matched, so the negative lookahead fails: undo the body, drop the barrier.
        while (stack_.size() > barrier + 1) {
            undo(stack_.back(), caps);
            stack_.pop_back();
        }
        stack_.pop_back();
        return false;
    }
    // A positive lookahead is atomic: its choice points go, its undo records stay.
    size_t w = barrier;
    for (size_t r = barrier + 1; r < stack_.size(); ++r) {
        if (stack_[r].kind != Branch) stack_[w++] = stack_[r];
    }
    stack_.resize(w);
    pos = mark.pos;
    pc = mark.a;
    return true;
}

bool Matcher::backtrack(int& pc, int& pos, std::vector<int>& caps) {
    while (!stack_.empty()) {
        Entry e = stack_.back();
        stack_.pop_back();
        switch (e.kind) {
            case Branch:
                pc = e.a;
                pos = e.pos;
                return true;
            case Barrier:
                if (e.b) {  // the body of a negative lookahead failed: the lookahead holds
                    pc = e.a;
                    pos = e.pos;
                    return true;
                }
                break;
            default:
                undo(e, caps);
                break;
        }
    }
    return false;
}

}  // namespace

Regex::Regex(std::u16string_view pattern, bool ignoreCase, bool multiline)
    : program_(
          std::make_unique<RegexProgram>(RegexCompiler(pattern, ignoreCase, multiline).compile())) {
}

Regex::~Regex() = default;
Regex::Regex(Regex&&) noexcept = default;
Regex& Regex::operator=(Regex&&) noexcept = default;

int Regex::groupCount() const { return program_->groups; }

bool Regex::search(std::u16string_view text, size_t from, std::vector<int>& captures) const {
    const RegexProgram& prog = *program_;
    if (from > text.size()) return false;
    Matcher matcher(prog, text, stepBudget_);
    const uint64_t* first = prog.firstSet.empty() ? nullptr : prog.firstSet.data();
    for (size_t start = from; start <= text.size(); ++start) {
        if (prog.anchored && start > 0) return false;
        if (first) {
            while (start < text.size() && !((first[text[start] >> 6] >> (text[start] & 63)) & 1))
                ++start;
            if (start >= text.size()) return false;
        }
        if (matcher.run(static_cast<int>(start), captures)) return true;
    }
    return false;
}

}  // namespace vbs::runtime
