#include "RegexCompiler.h"

#include <algorithm>

#include "vbscript/runtime/CaseFold.h"
#include "vbscript/runtime/RuntimeFault.h"

namespace vbs::runtime {

namespace {

using Ranges = std::vector<std::pair<char16_t, char16_t>>;

constexpr int kMaxDepth = 400;          // group nesting; deeper patterns are refused
constexpr size_t kMaxCode = 2'000'000;  // instructions after expanding counted repeats
constexpr int kMaxCount = 100'000;      // largest {n,m} bound

enum AssertKind { kBol, kEol, kWordB, kNotWordB };

Ranges digitRanges() { return {{u'0', u'9'}}; }
Ranges wordRanges() { return {{u'0', u'9'}, {u'A', u'Z'}, {u'_', u'_'}, {u'a', u'z'}}; }
// White space and line ends as the JavaScript-like dialect counts them; the ideographic space
// U+3000 matters in Chinese text.
Ranges spaceRanges() {
    return {{u'\t', u'\r'},         {u' ', u' '},           {u'\u00A0', u'\u00A0'},
            {u'\u1680', u'\u1680'}, {u'\u2000', u'\u200A'}, {u'\u2028', u'\u2029'},
            {u'\u202F', u'\u202F'}, {u'\u205F', u'\u205F'}, {u'\u3000', u'\u3000'},
            {u'\uFEFF', u'\uFEFF'}};
}

Ranges normalized(Ranges r) {
    std::sort(r.begin(), r.end());
    Ranges out;
    for (auto& range : r) {
        if (!out.empty() && range.first <= out.back().second + 1) {
            out.back().second = std::max(out.back().second, range.second);
        } else {
            out.push_back(range);
        }
    }
    return out;
}

Ranges complement(const Ranges& in) {
    Ranges r = normalized(in), out;
    uint32_t next = 0;
    for (auto& range : r) {
        if (range.first > next)
            out.push_back({static_cast<char16_t>(next), static_cast<char16_t>(range.first - 1)});
        next = uint32_t{range.second} + 1;
    }
    if (next <= 0xFFFF) out.push_back({static_cast<char16_t>(next), u'\xFFFF'});
    return out;
}

int hexDigit(char16_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void setBit(std::vector<uint64_t>& set, char16_t c) { set[c >> 6] |= uint64_t{1} << (c & 63); }

}  // namespace

struct RegexCompiler::Node {
    enum Kind { Empty, Char, Any, Class, Assert, Backref, Group, Look, Concat, Alt, Repeat } kind;
    int value = 0;      // character, class index, assertion, group number (-1: not capturing)
    bool flag = false;  // Look: negative; Repeat: greedy
    int min = 0, max = 0;
    std::vector<NodePtr> kids;

    explicit Node(Kind k, int v = 0) : kind(k), value(v) {}
};

bool RxClass::inRanges(char16_t c) const {
    auto it = std::upper_bound(
        ranges.begin(), ranges.end(), c,
        [](char16_t x, const std::pair<char16_t, char16_t>& r) { return x < r.first; });
    return it != ranges.begin() && c <= std::prev(it)->second;
}

bool RxClass::matches(char16_t c) const {
    if (c < 128) return (ascii[c >> 6] >> (c & 63)) & 1;
    bool in = inRanges(c) || (ignoreCase && (inRanges(foldCase(c)) || inRanges(upperCase(c))));
    return in != negated;
}

RegexCompiler::RegexCompiler(std::u16string_view pattern, bool ignoreCase, bool multiline)
    : p_(pattern) {
    prog_.ignoreCase = ignoreCase;
    prog_.multiline = multiline;
}

int RegexCompiler::countGroups() const {
    int count = 0;
    bool inClass = false;
    for (size_t i = 0; i < p_.size(); ++i) {
        char16_t c = p_[i];
        if (c == '\\') {
            ++i;
        } else if (inClass) {
            if (c == ']') inClass = false;
        } else if (c == '[') {
            inClass = true;
        } else if (c == '(' && !(i + 1 < p_.size() && p_[i + 1] == '?')) {
            ++count;
        }
    }
    return count;
}

RegexProgram RegexCompiler::compile() {
    groupTotal_ = countGroups();
    NodePtr root = parseAlternation(0);
    if (i_ < p_.size()) throw RuntimeFault(kRegexSyntax);  // a ')' without its '('
    prog_.groups = nextGroup_ - 1;
    push({RxOp::Save, false, 0});
    emit(*root);
    push({RxOp::Save, false, 1});
    push({RxOp::Match});
    prog_.anchored = !prog_.multiline && prog_.code.size() > 1 && prog_.code[1].op == RxOp::Bol;
    std::vector<uint64_t> set(1024, 0);
    bool any = false;
    if (!firstChars(*root, set, any) && !any) prog_.firstSet = std::move(set);
    return std::move(prog_);
}

RegexCompiler::NodePtr RegexCompiler::parseAlternation(int depth) {
    if (depth > kMaxDepth) throw RuntimeFault(kOutOfStack);
    NodePtr first = parseSequence(depth);
    if (i_ >= p_.size() || p_[i_] != '|') return first;
    auto alt = std::make_unique<Node>(Node::Alt);
    alt->kids.push_back(std::move(first));
    while (i_ < p_.size() && p_[i_] == '|') {
        ++i_;
        alt->kids.push_back(parseSequence(depth));
    }
    return alt;
}

RegexCompiler::NodePtr RegexCompiler::parseSequence(int depth) {
    auto seq = std::make_unique<Node>(Node::Concat);
    while (i_ < p_.size() && p_[i_] != '|' && p_[i_] != ')') {
        NodePtr atom = parseAtom(depth);
        int min, max;
        size_t quantAt = i_;
        if (readQuantifier(min, max)) {
            if (atom->kind == Node::Assert) throw RuntimeFault(kRegexUnexpectedQuantifier);
            bool greedy = true;
            if (i_ < p_.size() && p_[i_] == '?') {
                greedy = false;
                ++i_;
            }
            auto rep = std::make_unique<Node>(Node::Repeat);
            rep->min = min;
            rep->max = max;
            rep->flag = greedy;
            rep->kids.push_back(std::move(atom));
            atom = std::move(rep);
            int m2, x2;
            quantAt = i_;
            if (readQuantifier(m2, x2)) throw RuntimeFault(kRegexUnexpectedQuantifier);
        }
        i_ = quantAt;
        seq->kids.push_back(std::move(atom));
    }
    return seq;
}

bool RegexCompiler::readBraces(size_t& at, int& min, int& max) const {
    // {n}, {n,} or {n,m}; anything else is a literal brace.
    size_t j = at + 1;
    auto readNumber = [&](int& out) {
        size_t start = j;
        long long v = 0;
        while (j < p_.size() && p_[j] >= '0' && p_[j] <= '9') {
            v = std::min<long long>(v * 10 + (p_[j] - '0'), kMaxCount + 1);
            ++j;
        }
        out = static_cast<int>(v);
        return j > start;
    };
    if (!readNumber(min)) return false;
    max = min;
    if (j < p_.size() && p_[j] == ',') {
        ++j;
        if (!readNumber(max)) max = -1;
    }
    if (j >= p_.size() || p_[j] != '}') return false;
    at = j + 1;
    return true;
}

bool RegexCompiler::readQuantifier(int& min, int& max) {
    if (i_ >= p_.size()) return false;
    switch (p_[i_]) {
        case '*':
            min = 0, max = -1;
            break;
        case '+':
            min = 1, max = -1;
            break;
        case '?':
            min = 0, max = 1;
            break;
        case '{': {
            size_t at = i_;
            if (!readBraces(at, min, max)) return false;
            if (min > kMaxCount || max > kMaxCount || (max >= 0 && max < min)) {
                throw RuntimeFault(kRegexSyntax);
            }
            i_ = at;
            return true;
        }
        default:
            return false;
    }
    ++i_;
    return true;
}

RegexCompiler::NodePtr RegexCompiler::parseAtom(int depth) {
    char16_t c = p_[i_];
    switch (c) {
        case '^':
            ++i_;
            return std::make_unique<Node>(Node::Assert, kBol);
        case '$':
            ++i_;
            return std::make_unique<Node>(Node::Assert, kEol);
        case '.':
            ++i_;
            return std::make_unique<Node>(Node::Any);
        case '(':
            return parseGroup(depth);
        case '[':
            return parseClass();
        case '\\':
            return parseEscape();
        case '*':
        case '+':
        case '?':
            throw RuntimeFault(kRegexUnexpectedQuantifier);
        case '{': {
            int min, max;
            size_t at = i_;
            if (readBraces(at, min, max)) throw RuntimeFault(kRegexUnexpectedQuantifier);
            break;
        }
        default:
            break;
    }
    ++i_;
    return std::make_unique<Node>(Node::Char, c);
}

RegexCompiler::NodePtr RegexCompiler::parseGroup(int depth) {
    ++i_;  // '('
    NodePtr node;
    if (i_ + 1 < p_.size() && p_[i_] == '?') {
        char16_t kind = p_[i_ + 1];
        if (kind != ':' && kind != '=' && kind != '!') throw RuntimeFault(kRegexSyntax);
        i_ += 2;
        if (kind == ':') {
            node = std::make_unique<Node>(Node::Group, -1);
        } else {
            node = std::make_unique<Node>(Node::Look);
            node->flag = kind == '!';
        }
    } else {
        if (i_ < p_.size() && p_[i_] == '?') throw RuntimeFault(kRegexSyntax);
        node = std::make_unique<Node>(Node::Group, nextGroup_++);
    }
    node->kids.push_back(parseAlternation(depth + 1));
    if (i_ >= p_.size() || p_[i_] != ')') throw RuntimeFault(kRegexExpectedParen);
    ++i_;
    return node;
}

char16_t RegexCompiler::readEscapedChar(bool inClass) {
    // i_ is on the character after the backslash.
    char16_t c = p_[i_++];
    switch (c) {
        case 'n':
            return u'\n';
        case 'r':
            return u'\r';
        case 't':
            return u'\t';
        case 'f':
            return u'\f';
        case 'v':
            return u'\v';
        case 'b':
            return inClass ? u'\b' : c;
        case 'x':
            if (i_ + 1 < p_.size() && hexDigit(p_[i_]) >= 0 && hexDigit(p_[i_ + 1]) >= 0) {
                char16_t v = static_cast<char16_t>(hexDigit(p_[i_]) * 16 + hexDigit(p_[i_ + 1]));
                i_ += 2;
                return v;
            }
            return c;
        case 'u':
            if (i_ + 3 < p_.size() && hexDigit(p_[i_]) >= 0 && hexDigit(p_[i_ + 1]) >= 0 &&
                hexDigit(p_[i_ + 2]) >= 0 && hexDigit(p_[i_ + 3]) >= 0) {
                int v = 0;
                for (int k = 0; k < 4; ++k) v = v * 16 + hexDigit(p_[i_++]);
                return static_cast<char16_t>(v);
            }
            return c;
        case 'c':
            if (i_ < p_.size() &&
                ((p_[i_] >= 'a' && p_[i_] <= 'z') || (p_[i_] >= 'A' && p_[i_] <= 'Z'))) {
                return static_cast<char16_t>(p_[i_++] % 32);
            }
            return c;
        default:
            break;
    }
    if (c >= '0' && c <= '7') {  // octal escape: up to three digits, at most \377
        int v = c - '0';
        for (int k = 0; k < 2 && i_ < p_.size() && p_[i_] >= '0' && p_[i_] <= '7'; ++k) {
            if (v * 8 + (p_[i_] - '0') > 0377) break;
            v = v * 8 + (p_[i_++] - '0');
        }
        return static_cast<char16_t>(v);
    }
    return c;
}

RegexCompiler::NodePtr RegexCompiler::parseEscape() {
    ++i_;  // '\'
    if (i_ >= p_.size()) throw RuntimeFault(kRegexSyntax);
    char16_t c = p_[i_];
    switch (c) {
        case 'd':
        case 'D':
        case 'w':
        case 'W':
        case 's':
        case 'S': {
            ++i_;
            char16_t lower = static_cast<char16_t>(c | 0x20);
            Ranges r = lower == 'd' ? digitRanges() : lower == 'w' ? wordRanges() : spaceRanges();
            return std::make_unique<Node>(Node::Class, addClass(r, c != lower));
        }
        case 'b':
            ++i_;
            return std::make_unique<Node>(Node::Assert, kWordB);
        case 'B':
            ++i_;
            return std::make_unique<Node>(Node::Assert, kNotWordB);
        default:
            break;
    }
    if (c >= '1' && c <= '9') {
        size_t j = i_;
        int n = 0;
        while (j < p_.size() && p_[j] >= '0' && p_[j] <= '9' &&
               n * 10 + (p_[j] - '0') <= groupTotal_) {
            n = n * 10 + (p_[j++] - '0');
        }
        if (n >= 1) {
            i_ = j;
            return std::make_unique<Node>(Node::Backref, n);
        }
    }
    return std::make_unique<Node>(Node::Char, readEscapedChar(false));
}

RegexCompiler::NodePtr RegexCompiler::parseClass() {
    ++i_;  // '['
    bool negated = false;
    if (i_ < p_.size() && p_[i_] == '^') {
        negated = true;
        ++i_;
    }
    Ranges ranges;
    // One member: a character (returned) or a class escape (added, returns -1).
    auto member = [&]() -> int {
        char16_t c = p_[i_];
        if (c != '\\') {
            ++i_;
            return c;
        }
        ++i_;
        if (i_ >= p_.size()) throw RuntimeFault(kRegexExpectedBracket);
        char16_t e = p_[i_];
        char16_t lower = static_cast<char16_t>(e | 0x20);
        if (lower == 'd' || lower == 'w' || lower == 's') {
            ++i_;
            Ranges r = lower == 'd' ? digitRanges() : lower == 'w' ? wordRanges() : spaceRanges();
            if (e != lower) r = complement(r);
            ranges.insert(ranges.end(), r.begin(), r.end());
            return -1;
        }
        return readEscapedChar(true);
    };
    while (true) {
        if (i_ >= p_.size()) throw RuntimeFault(kRegexExpectedBracket);
        if (p_[i_] == ']') {
            ++i_;
            break;
        }
        int lo = member();
        if (i_ + 1 < p_.size() && p_[i_] == '-' && p_[i_ + 1] != ']') {
            ++i_;
            int hi = member();
            if (lo < 0 || hi < 0) {  // [\d-z]: the dash is itself a member
                if (lo >= 0)
                    ranges.push_back({static_cast<char16_t>(lo), static_cast<char16_t>(lo)});
                if (hi >= 0)
                    ranges.push_back({static_cast<char16_t>(hi), static_cast<char16_t>(hi)});
                ranges.push_back({u'-', u'-'});
                continue;
            }
            if (lo > hi) throw RuntimeFault(kRegexInvalidRange);
            ranges.push_back({static_cast<char16_t>(lo), static_cast<char16_t>(hi)});
        } else if (lo >= 0) {
            ranges.push_back({static_cast<char16_t>(lo), static_cast<char16_t>(lo)});
        }
    }
    return std::make_unique<Node>(Node::Class, addClass(ranges, negated));
}

int RegexCompiler::addClass(Ranges ranges, bool negated) {
    RxClass cls;
    cls.ranges = normalized(std::move(ranges));
    cls.negated = negated;
    cls.ignoreCase = prog_.ignoreCase;
    for (char16_t c = 0; c < 128; ++c) {
        bool in = cls.inRanges(c) ||
                  (cls.ignoreCase && (cls.inRanges(foldCase(c)) || cls.inRanges(upperCase(c))));
        if (in != negated) cls.ascii[c >> 6] |= uint64_t{1} << (c & 63);
    }
    prog_.classes.push_back(std::move(cls));
    return static_cast<int>(prog_.classes.size()) - 1;
}

int RegexCompiler::push(RxInst inst) {
    if (prog_.code.size() >= kMaxCode) throw RuntimeFault(kOutOfMemory);
    prog_.code.push_back(inst);
    return static_cast<int>(prog_.code.size()) - 1;
}

void RegexCompiler::emit(const Node& n) {
    switch (n.kind) {
        case Node::Empty:
            break;
        case Node::Char:
            push({RxOp::Char, false,
                  prog_.ignoreCase ? foldCase(static_cast<char16_t>(n.value)) : n.value});
            break;
        case Node::Any:
            push({RxOp::Any});
            break;
        case Node::Class:
            push({RxOp::Class, false, n.value});
            break;
        case Node::Assert: {
            static const RxOp kOps[] = {RxOp::Bol, RxOp::Eol, RxOp::WordB, RxOp::NotWordB};
            push({kOps[n.value]});
            break;
        }
        case Node::Backref:
            push({RxOp::Backref, false, n.value});
            break;
        case Node::Group:
            if (n.value > 0) push({RxOp::Save, false, 2 * n.value});
            emit(*n.kids[0]);
            if (n.value > 0) push({RxOp::Save, false, 2 * n.value + 1});
            break;
        case Node::Look: {
            int start = push({RxOp::LookStart, n.flag});
            emit(*n.kids[0]);
            push({RxOp::LookEnd, n.flag});
            prog_.code[start].a = static_cast<int32_t>(prog_.code.size());
            break;
        }
        case Node::Concat:
            for (auto& kid : n.kids) emit(*kid);
            break;
        case Node::Alt: {
            std::vector<int> jumps;
            for (size_t k = 0; k < n.kids.size(); ++k) {
                int split = -1;
                if (k + 1 < n.kids.size()) split = push({RxOp::Split});
                if (split >= 0) prog_.code[split].a = split + 1;
                emit(*n.kids[k]);
                if (k + 1 < n.kids.size()) {
                    jumps.push_back(push({RxOp::Jmp}));
                    prog_.code[split].b = static_cast<int32_t>(prog_.code.size());
                }
            }
            for (int j : jumps) prog_.code[j].a = static_cast<int32_t>(prog_.code.size());
            break;
        }
        case Node::Repeat:
            emitRepeat(n);
            break;
    }
}

void RegexCompiler::emitRepeat(const Node& n) {
    const Node& body = *n.kids[0];
    for (int k = 0; k < n.min; ++k) emit(body);
    auto setSplit = [&](int split, int32_t taken, int32_t skipped) {
        prog_.code[split].a = n.flag ? taken : skipped;
        prog_.code[split].b = n.flag ? skipped : taken;
    };
    if (n.max < 0) {
        // An iteration that matches nothing ends the loop, so (a*)* cannot spin.
        bool guard = nullable(body);
        int reg = guard ? prog_.registers++ : 0;
        int split = push({RxOp::Split});
        if (guard) push({RxOp::Mark, false, reg});
        emit(body);
        if (guard) push({RxOp::Check, false, reg});
        push({RxOp::Jmp, false, split});
        setSplit(split, split + 1, static_cast<int32_t>(prog_.code.size()));
        return;
    }
    std::vector<int> splits;
    for (int k = n.min; k < n.max; ++k) {
        splits.push_back(push({RxOp::Split}));
        emit(body);
    }
    for (int split : splits) setSplit(split, split + 1, static_cast<int32_t>(prog_.code.size()));
}

bool RegexCompiler::nullable(const Node& n) {
    switch (n.kind) {
        case Node::Char:
        case Node::Any:
        case Node::Class:
            return false;
        case Node::Group:
            return nullable(*n.kids[0]);
        case Node::Concat:
            return std::all_of(n.kids.begin(), n.kids.end(), [](auto& k) { return nullable(*k); });
        case Node::Alt:
            return std::any_of(n.kids.begin(), n.kids.end(), [](auto& k) { return nullable(*k); });
        case Node::Repeat:
            return n.min == 0 || nullable(*n.kids[0]);
        default:
            return true;
    }
}

void RegexCompiler::addFirst(std::vector<uint64_t>& set, char16_t c) const {
    setBit(set, c);
    if (prog_.ignoreCase) {
        setBit(set, foldCase(c));
        setBit(set, upperCase(c));
        setBit(set, upperCase(foldCase(c)));
    }
}

// Collects the characters a match can start with; returns whether the node can match empty.
bool RegexCompiler::firstChars(const Node& n, std::vector<uint64_t>& set, bool& any) const {
    switch (n.kind) {
        case Node::Char:
            addFirst(set, static_cast<char16_t>(n.value));
            return false;
        case Node::Any:
        case Node::Backref:
            any = true;
            return n.kind == Node::Backref;
        case Node::Class: {
            const RxClass& cls = prog_.classes[n.value];
            if (cls.negated) {
                any = true;
                return false;
            }
            for (auto& r : cls.ranges) {
                for (uint32_t c = r.first; c <= r.second; ++c)
                    addFirst(set, static_cast<char16_t>(c));
            }
            return false;
        }
        case Node::Group:
            return firstChars(*n.kids[0], set, any);
        case Node::Concat:
            for (auto& kid : n.kids) {
                if (!firstChars(*kid, set, any)) return false;
            }
            return true;
        case Node::Alt: {
            bool empty = false;
            for (auto& kid : n.kids) empty = firstChars(*kid, set, any) || empty;
            return empty;
        }
        case Node::Repeat:
            return firstChars(*n.kids[0], set, any) || n.min == 0;
        default:
            return true;
    }
}

}  // namespace vbs::runtime
