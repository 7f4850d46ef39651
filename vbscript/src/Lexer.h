// Turns script text into tokens: names, keywords, literals, operators and
// statement ends (line breaks and ':').
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vbscript/value.h"

namespace vbs {

enum class Tok {
    End,      // end of text
    Newline,  // line break or ':'
    Name,     // identifier or keyword (keywords are matched by text)
    Number,
    String,
    Date,
    Op,  // punctuation and operators, text in `text`
};

struct Token {
    Tok kind = Tok::End;
    std::u16string text;   // name as written, operator text, string contents
    std::u16string lower;  // lower-case name for keyword matching
    Value value;           // Number and Date literals
    int line = 1;
    int column = 1;
    bool colon = false;  // Newline made by ':'
    bool spaceBefore = false;
    bool bracketed = false;  // [name]
};

class Lexer {
  public:
    explicit Lexer(std::u16string_view text, int firstLine = 1);
    // Tokenizes the whole text; throws ScriptError (compile error) on bad input.
    std::vector<Token> run();

  private:
    [[noreturn]] void fail(int number, int line, int col);
    void readNumber(Token& t);
    void readHexOct(Token& t);
    bool isRadixLiteral() const;
    void readString(Token& t);
    void readDate(Token& t);
    void readName(Token& t);
    char16_t peek(size_t ahead = 0) const {
        return pos_ + ahead < src_.size() ? src_[pos_ + ahead] : u'\0';
    }
    bool atEnd() const { return pos_ >= src_.size(); }
    void skipToLineEnd();

    std::u16string_view src_;
    size_t pos_ = 0;
    int line_;
    size_t lineStart_ = 0;
};

}  // namespace vbs
