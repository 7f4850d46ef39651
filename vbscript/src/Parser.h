// Recursive-descent parser: tokens to a Piece of statements, procedures
// and classes.
#pragma once

#include <memory>
#include <vector>

#include "Lexer.h"
#include "Nodes.h"

namespace vbs {

class Parser {
  public:
    // `scopeProc`: the procedure whose frame Execute / Eval runs in (its
    // locals are visible and new names become frame-local), else null.
    Parser(std::vector<Token> tokens, Piece& piece, Procedure* scopeProc, ClassDef* scopeCls);
    void parseProgram();
    void parseExpressionOnly();
    std::vector<NameExpr*> names;  // every name, for linking

  private:
    // tokens
    const Token& cur() const { return toks_[pos_]; }
    const Token& peekTok(size_t n = 1) const { return toks_[std::min(pos_ + n, toks_.size() - 1)]; }
    void next() {
        if (pos_ + 1 < toks_.size()) ++pos_;
    }
    bool isKw(const char16_t* kw) const {
        return cur().kind == Tok::Name && !cur().bracketed && cur().lower == kw;
    }
    bool isKwAt(size_t n, const char16_t* kw) const {
        const Token& t = peekTok(n);
        return t.kind == Tok::Name && !t.bracketed && t.lower == kw;
    }
    bool isOp(const char16_t* op) const { return cur().kind == Tok::Op && cur().text == op; }
    void expectKw(const char16_t* kw, int err);
    void expectOp(const char16_t* op, int err);
    [[noreturn]] void fail(int number);
    [[noreturn]] void failAt(int number, const Token& t);
    bool atStatementEnd() const;
    void endStatement();
    void skipSeparators();
    std::u16string expectName();

    // statements
    void parseBlock(Block& b, const std::vector<const char16_t*>& stops, int missingErr);
    bool atStop(const std::vector<const char16_t*>& stops) const;
    StmtPtr parseStatement();
    StmtPtr parseSimple(bool isSet);
    StmtPtr parseCall();
    StmtPtr parseDim(bool inClass, bool isPublic);
    StmtPtr parseReDim();
    StmtPtr parseConst();
    StmtPtr parseIf();
    StmtPtr parseFor();
    StmtPtr parseDo();
    StmtPtr parseWhile();
    StmtPtr parseSelect();
    StmtPtr parseWith();
    StmtPtr parseExit();
    StmtPtr parseOnError();
    StmtPtr parseErase();
    void parseProc(Procedure::Kind kind, bool isPublic, bool isDefault);
    void parseClass();
    void parseClassBody(ClassDef& c);
    StmtPtr makeAssign(ExprPtr target, ExprPtr value, bool isSet, const Token& at);
    template <class T>
    std::unique_ptr<T> node(const Token& t) {
        auto n = std::make_unique<T>();
        n->line = t.line;
        n->col = t.column;
        return n;
    }
    template <class T>
    std::unique_ptr<T> stmt(const Token& t) {
        auto n = node<T>(t);
        n->src = piece_.src.get();
        return n;
    }
    void declare(const std::u16string& name, const Token& at, std::vector<int32_t>* fixedBounds);

    // expressions
    ExprPtr parseExpr();
    ExprPtr parseBinary(int level);
    ExprPtr parseNot();
    ExprPtr parseUnary();
    ExprPtr parseSigned();
    ExprPtr parsePostfix(ExprPtr primary);
    ExprPtr parsePrimary();
    std::unique_ptr<NameExpr> makeName(const Token& t);
    void parseArgs(std::vector<ExprPtr>& args);
    ExprPtr binary(BinOp op, ExprPtr a, ExprPtr b, const Token& t);

    std::vector<Token> toks_;
    size_t pos_ = 0;
    Piece& piece_;
    Procedure* proc_ = nullptr;
    ClassDef* cls_ = nullptr;
    Procedure* scopeProc_ = nullptr;
    ClassDef* scopeCls_ = nullptr;
    int forDepth_ = 0, doDepth_ = 0;
    int singleLineIf_ = 0;
    int nesting_ = 0;
    ExprPtr pending_;  // primary already parsed (Foo (a) + 1 as a call statement)
};

}  // namespace vbs
