#include "Lexer.h"

#include <cmath>
#include <cstdlib>

namespace vbs {

namespace {
bool isNameStart(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c >= 0x80;
}
bool isNameChar(char16_t c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '_'; }
bool isDigit(char16_t c) { return c >= '0' && c <= '9'; }
bool isSpace(char16_t c) {
    return c == ' ' || c == '\t' || c == 0x3000 || c == 0xA0 || c == 0xFEFF;
}
}  // namespace

Lexer::Lexer(std::u16string_view text, int firstLine) : src_(text), line_(firstLine) {}

void Lexer::fail(int number, int line, int col) {
    ScriptError e(number, errorDescription(number), kCompileSource);
    e.line = line;
    e.column = col;
    throw e;
}

void Lexer::skipToLineEnd() {
    while (!atEnd() && peek() != '\r' && peek() != '\n') ++pos_;
}

std::vector<Token> Lexer::run() {
    std::vector<Token> out;
    bool stmtStart = true;
    bool space = false;
    while (true) {
        while (!atEnd() && isSpace(peek())) ++pos_, space = true;
        Token t;
        t.line = line_;
        t.column = static_cast<int>(pos_ - lineStart_) + 1;
        t.spaceBefore = space;
        space = false;
        if (atEnd()) {
            t.kind = Tok::End;
            out.push_back(std::move(t));
            return out;
        }
        char16_t c = peek();
        if (c == '\r' || c == '\n') {
            if (c == '\r' && peek(1) == '\n') ++pos_;
            ++pos_;
            ++line_;
            lineStart_ = pos_;
            t.kind = Tok::Newline;
            out.push_back(std::move(t));
            stmtStart = true;
            continue;
        }
        if (c == '\'') {
            skipToLineEnd();
            continue;
        }
        if (c == '_') {
            // Line continuation: '_' followed only by spaces up to the line end.
            size_t p = pos_ + 1;
            while (p < src_.size() && isSpace(src_[p])) ++p;
            if (p >= src_.size() || src_[p] == '\r' || src_[p] == '\n') {
                pos_ = p;
                if (!atEnd()) {
                    if (peek() == '\r' && peek(1) == '\n') ++pos_;
                    ++pos_;
                    ++line_;
                    lineStart_ = pos_;
                }
                space = true;
                continue;
            }
            fail(1032, t.line, t.column);
        }
        if (c == ':') {
            ++pos_;
            t.kind = Tok::Newline;
            t.colon = true;
            out.push_back(std::move(t));
            stmtStart = true;
            continue;
        }
        if (isNameStart(c) || c == '[') {
            readName(t);
            if (stmtStart && !t.bracketed && t.lower == u"rem") {
                skipToLineEnd();
                continue;
            }
            out.push_back(std::move(t));
            stmtStart = false;
            continue;
        }
        stmtStart = false;
        if (isDigit(c) || (c == '.' && isDigit(peek(1)))) {
            readNumber(t);
        } else if (c == '&' && isRadixLiteral()) {
            readHexOct(t);
        } else if (c == '"') {
            readString(t);
        } else if (c == '#') {
            readDate(t);
        } else {
            t.kind = Tok::Op;
            static const char16_t* two[] = {u"<>", u"<=", u">=", u"=<", u"=>"};
            bool done = false;
            for (auto* op : two) {
                if (peek() == op[0] && peek(1) == op[1]) {
                    t.text = op;
                    if (t.text == u"=<") t.text = u"<=";
                    if (t.text == u"=>") t.text = u">=";
                    pos_ += 2;
                    done = true;
                    break;
                }
            }
            if (!done) {
                static const std::u16string_view one = u"+-*/\\^&=<>(),.";
                if (one.find(c) == std::u16string_view::npos) fail(1032, t.line, t.column);
                t.text = std::u16string(1, c);
                ++pos_;
            }
        }
        out.push_back(std::move(t));
    }
}

void Lexer::readName(Token& t) {
    t.kind = Tok::Name;
    if (peek() == '[') {
        ++pos_;
        size_t start = pos_;
        while (!atEnd() && peek() != ']' && peek() != '\r' && peek() != '\n') ++pos_;
        if (atEnd() || peek() != ']') fail(1007, t.line, t.column);
        t.text = std::u16string(src_.substr(start, pos_ - start));
        ++pos_;
        t.bracketed = true;
    } else {
        size_t start = pos_;
        while (!atEnd() && isNameChar(peek())) ++pos_;
        t.text = std::u16string(src_.substr(start, pos_ - start));
    }
    if (t.text.size() > 255) fail(1030, t.line, t.column);
    t.lower = toLower(t.text);
}

void Lexer::readNumber(Token& t) {
    t.kind = Tok::Number;
    size_t start = pos_;
    bool isFloat = false;
    while (isDigit(peek())) ++pos_;
    if (peek() == '.' && isDigit(peek(1))) {
        isFloat = true;
        ++pos_;
        while (isDigit(peek())) ++pos_;
    } else if (peek() == '.' && !isNameStart(peek(1))) {
        isFloat = true;
        ++pos_;
    }
    if (peek() == 'e' || peek() == 'E') {
        size_t save = pos_;
        ++pos_;
        if (peek() == '+' || peek() == '-') ++pos_;
        if (!isDigit(peek())) {
            pos_ = save;
        } else {
            isFloat = true;
            while (isDigit(peek())) ++pos_;
        }
    }
    if (isNameStart(peek())) fail(1031, t.line, t.column);
    std::string s;
    for (size_t i = start; i < pos_; ++i) s += static_cast<char>(src_[i]);
    double d = std::strtod(s.c_str(), nullptr);
    if (!std::isfinite(d)) fail(1031, t.line, t.column);
    // Type suffixes: & makes a whole number Long, # makes any number Double.
    bool forceLong = false;
    if (peek() == '&' && !isFloat) forceLong = true, ++pos_;
    if (peek() == '#') isFloat = true;
    if (peek() == '#' || peek() == '!' || peek() == '@') ++pos_;
    if (!isFloat && d <= 32767 && !forceLong)
        t.value = Value::integer(static_cast<int16_t>(d));
    else if (!isFloat && d <= 2147483647.0)
        t.value = Value(static_cast<int32_t>(d));
    else
        t.value = Value(d);
}

// &H1F and &O17 are numbers; "a"&Hex(1) is the & operator before a name.
bool Lexer::isRadixLiteral() const {
    char16_t k = peek(1);
    bool hex = k == 'h' || k == 'H';
    if (!hex && k != 'o' && k != 'O') return false;
    size_t i = 2;
    while (true) {
        char16_t c = peek(i);
        bool digit = isDigit(c) || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
        if (!digit) break;
        ++i;
    }
    if (i == 2) return !isNameChar(peek(2));
    return !isNameChar(peek(i));
}

void Lexer::readHexOct(Token& t) {
    t.kind = Tok::Number;
    ++pos_;  // &
    int base = 8;
    if (peek() == 'h' || peek() == 'H')
        base = 16, ++pos_;
    else if (peek() == 'o' || peek() == 'O')
        ++pos_;
    uint64_t v = 0;
    int digits = 0;
    while (true) {
        char16_t c = peek();
        int d;
        if (isDigit(c))
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            break;
        if (d >= base) fail(1031, t.line, t.column);
        v = v * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
        if (v > 0xFFFFFFFFull) fail(1031, t.line, t.column);
        ++digits;
        ++pos_;
    }
    if (!digits) fail(1031, t.line, t.column);
    bool forceLong = false;
    if (peek() == '&') forceLong = true, ++pos_;
    if (!forceLong && v <= 0xFFFF)
        t.value = Value::integer(static_cast<int16_t>(static_cast<uint16_t>(v)));
    else
        t.value = Value(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

void Lexer::readString(Token& t) {
    t.kind = Tok::String;
    ++pos_;
    std::u16string s;
    while (true) {
        if (atEnd() || peek() == '\r' || peek() == '\n') fail(1033, t.line, t.column);
        char16_t c = peek();
        ++pos_;
        if (c == '"') {
            if (peek() == '"') {
                s += u'"';
                ++pos_;
                continue;
            }
            break;
        }
        s += c;
    }
    t.text = std::move(s);
}

void Lexer::readDate(Token& t) {
    t.kind = Tok::Date;
    ++pos_;
    size_t start = pos_;
    while (!atEnd() && peek() != '#' && peek() != '\r' && peek() != '\n') ++pos_;
    if (atEnd() || peek() != '#') fail(1002, t.line, t.column);
    std::u16string body(src_.substr(start, pos_ - start));
    ++pos_;
    try {
        t.value = Value::date(Value(body).toDate());
    } catch (const ScriptError&) {
        fail(1002, t.line, t.column);
    }
}

}  // namespace vbs
