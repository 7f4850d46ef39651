#include "Parser.h"

#include <algorithm>

namespace vbs {

namespace {
const char16_t* const kReserved[] = {
    u"and",  u"byref",  u"byval", u"call",     u"case",    u"class",  u"const",   u"dim",
    u"do",   u"each",   u"else",  u"elseif",   u"empty",   u"end",    u"eqv",     u"erase",
    u"exit", u"false",  u"for",   u"function", u"if",      u"imp",    u"in",      u"is",
    u"loop", u"me",     u"mod",   u"new",      u"next",    u"not",    u"nothing", u"null",
    u"on",   u"option", u"or",    u"preserve", u"private", u"public", u"redim",   u"select",
    u"set",  u"sub",    u"then",  u"to",       u"true",    u"until",  u"wend",    u"while",
    u"with", u"xor"};

bool reserved(const Token& t) {
    if (t.kind != Tok::Name || t.bracketed) return false;
    for (auto* k : kReserved)
        if (t.lower == k) return true;
    return false;
}

// Nesting guard: deep input gets error 28 instead of exhausting the stack.
struct Nest {
    explicit Nest(int& n) : n_(n) {
        if (++n_ > 200) {
            --n_;
            throwError(28);
        }
    }
    ~Nest() { --n_; }
    int& n_;
};
}  // namespace

Parser::Parser(std::vector<Token> tokens, Piece& piece, Procedure* scopeProc, ClassDef* scopeCls)
    : toks_(std::move(tokens)), piece_(piece), scopeProc_(scopeProc), scopeCls_(scopeCls) {}

void Parser::failAt(int number, const Token& t) {
    ScriptError e(number, errorDescription(number), kCompileSource);
    e.line = t.line;
    e.column = t.column;
    throw e;
}

void Parser::fail(int number) { failAt(number, cur()); }

void Parser::expectKw(const char16_t* kw, int err) {
    if (!isKw(kw)) fail(err);
    next();
}

void Parser::expectOp(const char16_t* op, int err) {
    if (!isOp(op)) fail(err);
    next();
}

std::u16string Parser::expectName() {
    if (cur().kind != Tok::Name || reserved(cur())) fail(1010);
    std::u16string n = cur().text;
    next();
    return n;
}

bool Parser::atStatementEnd() const {
    return cur().kind == Tok::Newline || cur().kind == Tok::End ||
           (singleLineIf_ > 0 && isKw(u"else"));
}

void Parser::endStatement() {
    if (!atStatementEnd()) fail(1025);
}

void Parser::skipSeparators() {
    while (cur().kind == Tok::Newline) next();
}

void Parser::parseProgram() {
    Block& top = piece_.top;
    while (true) {
        skipSeparators();
        if (cur().kind == Tok::End) break;
        StmtPtr s = parseStatement();
        if (s) top.list.push_back(std::move(s));
        endStatement();
    }
}

void Parser::parseExpressionOnly() {
    skipSeparators();
    piece_.expression = parseExpr();
    skipSeparators();
    if (cur().kind != Tok::End) fail(1025);
}

bool Parser::atStop(const std::vector<const char16_t*>& stops) const {
    if (cur().kind == Tok::End) return true;
    if (cur().kind != Tok::Name || cur().bracketed) return false;
    for (auto* s : stops)
        if (cur().lower == s) return true;
    return false;
}

void Parser::parseBlock(Block& b, const std::vector<const char16_t*>& stops, int missingErr) {
    Nest guard(nesting_);
    static const char16_t* const kClosers[] = {u"end",  u"loop",   u"next", u"wend",
                                               u"else", u"elseif", u"case"};
    while (true) {
        skipSeparators();
        if (atStop(stops)) {
            if (cur().kind == Tok::End) fail(missingErr);
            return;
        }
        if (cur().kind == Tok::Name && !cur().bracketed) {
            for (auto* c : kClosers)
                if (cur().lower == c) fail(missingErr);
        }
        StmtPtr s = parseStatement();
        if (s) b.list.push_back(std::move(s));
        endStatement();
    }
}

void Parser::declare(const std::u16string& name, const Token& at, std::vector<int32_t>* fixed) {
    std::u16string lower = toLower(name);
    if (proc_) {
        if (proc_->localIndex.count(lower)) failAt(1041, at);
        int slot = proc_->numLocals++;
        proc_->localIndex[lower] = slot;
        if (fixed) proc_->fixedArrays.push_back({slot, *fixed});
        return;
    }
    if (scopeProc_) return;  // Execute inside a procedure: made when first assigned
    piece_.dims.push_back(name);
}

StmtPtr Parser::parseStatement() {
    Nest guard(nesting_);
    const Token& t = cur();
    if (t.kind == Tok::Op && t.text == u".") return parseSimple(false);
    if (t.kind != Tok::Name) fail(1024);
    if (t.bracketed) return parseSimple(false);
    const std::u16string& k = t.lower;
    if (k == u"dim") {
        next();
        return parseDim(false, true);
    }
    if (k == u"redim") return parseReDim();
    if (k == u"const") return parseConst();
    if (k == u"public" || k == u"private") {
        bool pub = k == u"public";
        next();
        bool isDefault = false;
        if (isKw(u"default")) {
            if (!pub) fail(1057);
            isDefault = true;
            next();
        }
        if (isKw(u"sub")) {
            next();
            parseProc(Procedure::Sub, pub, isDefault);
            return nullptr;
        }
        if (isKw(u"function")) {
            next();
            parseProc(Procedure::Function, pub, isDefault);
            return nullptr;
        }
        if (isKw(u"property")) {
            next();
            if (!cls_ || proc_) fail(1048);
            Procedure::Kind kind = isKw(u"get")   ? Procedure::PropGet
                                   : isKw(u"let") ? Procedure::PropLet
                                   : isKw(u"set") ? Procedure::PropSet
                                                  : (fail(1049), Procedure::PropGet);
            if (isDefault && kind != Procedure::PropGet) fail(1058);
            next();
            parseProc(kind, pub, isDefault);
            return nullptr;
        }
        if (isDefault) fail(1056);
        if (isKw(u"const")) return parseConst();
        return parseDim(false, pub);
    }
    if (k == u"sub" || k == u"function") {
        next();
        parseProc(k == u"sub" ? Procedure::Sub : Procedure::Function, true, false);
        return nullptr;
    }
    if (k == u"property") {
        next();
        if (!cls_ || proc_) fail(1048);
        Procedure::Kind kind = isKw(u"get")   ? Procedure::PropGet
                               : isKw(u"let") ? Procedure::PropLet
                               : isKw(u"set") ? Procedure::PropSet
                                              : (fail(1049), Procedure::PropGet);
        next();
        parseProc(kind, true, false);
        return nullptr;
    }
    if (k == u"class") {
        parseClass();
        return nullptr;
    }
    if (k == u"if") return parseIf();
    if (k == u"for") return parseFor();
    if (k == u"do") return parseDo();
    if (k == u"while") return parseWhile();
    if (k == u"select") return parseSelect();
    if (k == u"with") return parseWith();
    if (k == u"exit") return parseExit();
    if (k == u"on") return parseOnError();
    if (k == u"option") {
        next();
        expectKw(u"explicit", 1002);
        piece_.optionExplicit = true;
        return nullptr;
    }
    if (k == u"set") {
        next();
        return parseSimple(true);
    }
    if (k == u"call") return parseCall();
    if (k == u"erase") return parseErase();
    if (k == u"stop") {
        auto s = stmt<NopStmt>(t);
        next();
        return s;
    }
    if (k == u"loop") fail(1038);
    if (k == u"next") fail(1055);
    if (k == u"wend" || k == u"end" || k == u"else" || k == u"elseif" || k == u"case") fail(1024);
    if (reserved(t) && k != u"me") fail(1024);
    return parseSimple(false);
}

StmtPtr Parser::makeAssign(ExprPtr target, ExprPtr value, bool isSet, const Token& at) {
    if (auto* n = dynamic_cast<NameExpr*>(target.get())) {
        n->target = true;
        // s = s & x & y: append in place.
        if (!isSet) {
            std::vector<Expr*> parts;
            Expr* e = value.get();
            while (auto* b = dynamic_cast<BinaryExpr*>(e)) {
                if (b->op != BinOp::Concat) break;
                parts.push_back(b->b.get());
                e = b->a.get();
            }
            auto* leftmost = dynamic_cast<NameExpr*>(e);
            if (!parts.empty() && leftmost && leftmost->lower == n->lower) {
                auto s = stmt<AppendStmt>(at);
                std::reverse(parts.begin(), parts.end());
                s->target = n;
                s->targetOwner = std::move(target);
                s->parts = std::move(parts);
                s->fallback = std::move(value);
                return s;
            }
        }
    } else if (!dynamic_cast<MemberExpr*>(target.get()) && !dynamic_cast<CallExpr*>(target.get())) {
        failAt(1024, at);
    }
    auto s = stmt<AssignStmt>(at);
    s->target = std::move(target);
    s->value = std::move(value);
    s->isSet = isSet;
    return s;
}

StmtPtr Parser::parseSimple(bool isSet) {
    const Token start = cur();
    if (start.kind == Tok::Name && reserved(start) && start.lower != u"me") fail(1024);
    ExprPtr lhs = parsePostfix(parsePrimary());
    if (isOp(u"=")) {
        next();
        ExprPtr rhs = parseExpr();
        return makeAssign(std::move(lhs), std::move(rhs), isSet, start);
    }
    if (isSet) fail(1011);
    auto call = stmt<ExprStmt>(start);
    auto ce = node<CallExpr>(start);
    ce->statement = true;
    if (atStatementEnd()) {
        if (auto* c = dynamic_cast<CallExpr*>(lhs.get())) {
            // Foo(a) as a statement: the parentheses belong to the argument.
            if (c->args.size() > 1) failAt(1044, start);
            ce->target = std::move(c->target);
            for (auto& a : c->args) {
                if (dynamic_cast<MissingExpr*>(a.get())) {
                    ce->args.push_back(std::move(a));
                    continue;
                }
                auto p = node<ParenExpr>(start);
                p->inner = std::move(a);
                ce->args.push_back(std::move(p));
            }
        } else {
            ce->target = std::move(lhs);
        }
        call->e = std::move(ce);
        return call;
    }
    auto* c = dynamic_cast<CallExpr*>(lhs.get());
    if (c && c->args.size() == 1 && !dynamic_cast<MissingExpr*>(c->args[0].get())) {
        // Foo (a) + 1, b: the parenthesised expression starts the first argument.
        auto p = node<ParenExpr>(start);
        p->inner = std::move(c->args[0]);
        ce->target = std::move(c->target);
        pending_ = std::move(p);
        ce->args.push_back(parseExpr());
        if (pending_) fail(1002);
    } else if (c) {
        fail(1044);
    } else {
        ce->target = std::move(lhs);
        if (isOp(u","))
            ce->args.push_back(std::make_unique<MissingExpr>());
        else
            ce->args.push_back(parseExpr());
    }
    while (isOp(u",")) {
        next();
        if (isOp(u",") || atStatementEnd())
            ce->args.push_back(std::make_unique<MissingExpr>());
        else
            ce->args.push_back(parseExpr());
    }
    call->e = std::move(ce);
    return call;
}

StmtPtr Parser::parseCall() {
    const Token start = cur();
    next();
    ExprPtr e = parsePostfix(parsePrimary());
    auto s = stmt<ExprStmt>(start);
    if (auto* c = dynamic_cast<CallExpr*>(e.get())) {
        c->statement = true;
        s->e = std::move(e);
    } else {
        auto ce = node<CallExpr>(start);
        ce->statement = true;
        ce->target = std::move(e);
        s->e = std::move(ce);
    }
    return s;
}

StmtPtr Parser::parseDim(bool, bool isPublic) {
    auto dynamicDims = stmt<DimStmt>(cur());
    dynamicDims->fixed = true;
    while (true) {
        Token at = cur();
        std::u16string name = expectName();
        std::vector<int32_t> bounds;
        bool isArray = false;
        if (isOp(u"(")) {
            next();
            isArray = true;
            while (!isOp(u")")) {
                bool neg = false;
                if (isOp(u"-")) neg = true, next();
                if (cur().kind != Tok::Number) fail(1026);
                int32_t v = cur().value.toLong();
                if (neg) v = -v;
                if (v < 0) fail(1026);
                bounds.push_back(v);
                next();
                if (isOp(u","))
                    next();
                else if (!isOp(u")"))
                    fail(1006);
            }
            next();
        }
        if (cls_ && !proc_) {
            // A field of the class being parsed.
            std::u16string lower = toLower(name);
            if (cls_->members.count(lower)) failAt(1041, at);
            ClassMember m;
            m.kind = ClassMember::Field;
            m.field = static_cast<int>(cls_->fieldNames.size());
            m.isPublic = isPublic;
            cls_->fieldNames.push_back(name);
            if (isArray) cls_->fieldArrays.push_back({m.field, bounds});
            cls_->members[lower] = m;
        } else if (proc_) {
            declare(name, at, isArray ? &bounds : nullptr);
        } else {
            declare(name, at, nullptr);
            if (isArray) {
                DimStmt::Item item;
                item.var = makeName(at);
                for (int32_t b : bounds) {
                    auto lit = node<LiteralExpr>(at);
                    lit->v = Value(b);
                    item.bounds.push_back(std::move(lit));
                }
                if (bounds.empty()) {
                    item.bounds.clear();
                }
                dynamicDims->items.push_back(std::move(item));
            }
        }
        if (!isOp(u",")) break;
        next();
    }
    if (dynamicDims->items.empty()) return nullptr;
    return dynamicDims;
}

StmtPtr Parser::parseReDim() {
    auto s = stmt<DimStmt>(cur());
    next();
    if (isKw(u"preserve")) s->preserve = true, next();
    while (true) {
        Token at = cur();
        std::u16string name = expectName();
        DimStmt::Item item;
        item.var = makeName(at);
        expectOp(u"(", 1005);
        while (true) {
            item.bounds.push_back(parseExpr());
            if (isOp(u",")) {
                next();
                continue;
            }
            break;
        }
        expectOp(u")", 1006);
        s->items.push_back(std::move(item));
        if (!isOp(u",")) break;
        next();
    }
    return s;
}

StmtPtr Parser::parseConst() {
    next();
    std::vector<StmtPtr> out;
    while (true) {
        Token at = cur();
        std::u16string name = expectName();
        expectOp(u"=", 1011);
        bool neg = false;
        while (isOp(u"-") || isOp(u"+")) {
            if (isOp(u"-")) neg = !neg;
            next();
        }
        Value v;
        const Token& t = cur();
        if (t.kind == Tok::Number || t.kind == Tok::Date)
            v = t.value;
        else if (t.kind == Tok::String)
            v = Value(t.text);
        else if (isKw(u"true"))
            v = Value(true);
        else if (isKw(u"false"))
            v = Value(false);
        else if (isKw(u"empty"))
            v = Value();
        else if (isKw(u"null"))
            v = Value::null();
        else if (isKw(u"nothing"))
            v = Value::nothing();
        else
            fail(1045);
        next();
        if (neg) v = opNeg(v);
        std::u16string lower = toLower(name);
        if (proc_) {
            declare(name, at, nullptr);
            proc_->consts[lower] = v;
        } else if (cls_) {
            fail(1024);
        } else if (!scopeProc_) {
            piece_.consts.push_back({name, v});
        }
        auto cs = stmt<ConstStmt>(at);
        cs->var = makeName(at);
        static_cast<NameExpr*>(cs->var.get())->target = true;
        cs->v = v;
        out.push_back(std::move(cs));
        if (!isOp(u",")) break;
        next();
    }
    if (out.size() == 1) return std::move(out[0]);
    // Several constants on one line: run them as one block.
    auto holder = stmt<IfStmt>(toks_[pos_]);
    auto lit = std::make_unique<LiteralExpr>();
    lit->v = Value(true);
    Block blk;
    for (auto& s : out) blk.list.push_back(std::move(s));
    holder->branches.emplace_back(std::move(lit), std::move(blk));
    return holder;
}

StmtPtr Parser::parseIf() {
    auto s = stmt<IfStmt>(cur());
    next();
    ExprPtr cond = parseExpr();
    expectKw(u"then", 1017);
    // Nothing after Then, the end of the text included, starts a block If.
    const bool blockForm = (cur().kind == Tok::Newline && !cur().colon) || cur().kind == Tok::End;
    if (!blockForm) {
        // One-line form: If c Then a : b Else c : d
        if (cur().kind == Tok::Newline) next();
        ++singleLineIf_;
        Block thenB;
        while (true) {
            if (cur().kind == Tok::Newline && !cur().colon) break;
            if (cur().kind == Tok::End || isKw(u"else")) break;
            if (isKw(u"end") && isKwAt(1, u"if")) break;
            if (cur().kind == Tok::Newline) {
                next();
                continue;
            }
            StmtPtr st = parseStatement();
            if (st) thenB.list.push_back(std::move(st));
            endStatement();
        }
        s->branches.emplace_back(std::move(cond), std::move(thenB));
        if (isKw(u"else")) {
            next();
            while (true) {
                if (cur().kind == Tok::Newline && !cur().colon) break;
                if (cur().kind == Tok::End) break;
                if (isKw(u"end") && isKwAt(1, u"if")) break;
                if (cur().kind == Tok::Newline) {
                    next();
                    continue;
                }
                StmtPtr st = parseStatement();
                if (st) s->elseBlock.list.push_back(std::move(st));
                endStatement();
            }
        }
        if (isKw(u"end") && isKwAt(1, u"if")) next(), next();
        --singleLineIf_;
        return s;
    }
    int saved = singleLineIf_;
    singleLineIf_ = 0;
    Block thenB;
    parseBlock(thenB, {u"elseif", u"else", u"end"}, 1014);
    s->branches.emplace_back(std::move(cond), std::move(thenB));
    while (isKw(u"elseif")) {
        next();
        ExprPtr c = parseExpr();
        expectKw(u"then", 1017);
        Block b;
        parseBlock(b, {u"elseif", u"else", u"end"}, 1014);
        s->branches.emplace_back(std::move(c), std::move(b));
    }
    if (isKw(u"else")) {
        next();
        parseBlock(s->elseBlock, {u"end"}, 1014);
    }
    expectKw(u"end", 1014);
    expectKw(u"if", 1012);
    singleLineIf_ = saved;
    return s;
}

StmtPtr Parser::parseFor() {
    Token at = cur();
    next();
    if (isKw(u"each")) {
        next();
        auto s = stmt<ForEachStmt>(at);
        Token vt = cur();
        if (cur().kind != Tok::Name || reserved(cur())) fail(1010);
        next();
        s->var = makeName(vt);
        static_cast<NameExpr*>(s->var.get())->target = true;
        expectKw(u"in", 1046);
        s->collection = parseExpr();
        endStatement();
        ++forDepth_;
        int saved = singleLineIf_;
        singleLineIf_ = 0;
        parseBlock(s->body, {u"next"}, 1020);
        singleLineIf_ = saved;
        --forDepth_;
        expectKw(u"next", 1020);
        if (cur().kind == Tok::Name && !reserved(cur()) && !atStatementEnd()) next();
        return s;
    }
    auto s = stmt<ForStmt>(at);
    Token vt = cur();
    if (cur().kind != Tok::Name || reserved(cur())) fail(1040);
    next();
    s->var = makeName(vt);
    static_cast<NameExpr*>(s->var.get())->target = true;
    expectOp(u"=", 1011);
    s->from = parseExpr();
    expectKw(u"to", 1013);
    s->to = parseExpr();
    if (isKw(u"step")) {
        next();
        s->step = parseExpr();
    }
    endStatement();
    ++forDepth_;
    int saved = singleLineIf_;
    singleLineIf_ = 0;
    parseBlock(s->body, {u"next"}, 1020);
    singleLineIf_ = saved;
    --forDepth_;
    expectKw(u"next", 1020);
    // Next i, j closes two loops only in other dialects; accept one name.
    if (cur().kind == Tok::Name && !reserved(cur()) && !atStatementEnd()) next();
    return s;
}

StmtPtr Parser::parseDo() {
    auto s = stmt<DoStmt>(cur());
    next();
    if (isKw(u"while") || isKw(u"until")) {
        s->until = isKw(u"until");
        next();
        s->cond = parseExpr();
        s->atTop = true;
    }
    if (!atStatementEnd()) fail(1028);
    ++doDepth_;
    int saved = singleLineIf_;
    singleLineIf_ = 0;
    parseBlock(s->body, {u"loop"}, 1019);
    singleLineIf_ = saved;
    --doDepth_;
    expectKw(u"loop", 1019);
    if (isKw(u"while") || isKw(u"until")) {
        if (s->cond) fail(1025);
        s->until = isKw(u"until");
        next();
        s->cond = parseExpr();
        s->atTop = false;
    }
    return s;
}

StmtPtr Parser::parseWhile() {
    auto s = stmt<DoStmt>(cur());
    next();
    s->cond = parseExpr();
    s->atTop = true;
    endStatement();
    int saved = singleLineIf_;
    singleLineIf_ = 0;
    parseBlock(s->body, {u"wend"}, 1018);
    singleLineIf_ = saved;
    expectKw(u"wend", 1018);
    return s;
}

StmtPtr Parser::parseSelect() {
    auto s = stmt<SelectStmt>(cur());
    next();
    expectKw(u"case", 1021);
    s->test = parseExpr();
    endStatement();
    int saved = singleLineIf_;
    singleLineIf_ = 0;
    skipSeparators();
    while (isKw(u"case")) {
        next();
        CaseClause c;
        if (isKw(u"else")) {
            next();
            c.isElse = true;
        } else {
            while (true) {
                CaseClause::Item item;
                if (isKw(u"is")) {
                    next();
                    item.kind = CaseClause::Item::Is;
                    const std::u16string op = cur().kind == Tok::Op ? cur().text : u"";
                    if (op == u"=")
                        item.op = BinOp::Eq;
                    else if (op == u"<>")
                        item.op = BinOp::Ne;
                    else if (op == u"<")
                        item.op = BinOp::Lt;
                    else if (op == u">")
                        item.op = BinOp::Gt;
                    else if (op == u"<=")
                        item.op = BinOp::Le;
                    else if (op == u">=")
                        item.op = BinOp::Ge;
                    else
                        fail(1002);
                    next();
                    item.a = parseExpr();
                } else {
                    item.a = parseExpr();
                    if (isKw(u"to")) {
                        next();
                        item.kind = CaseClause::Item::Range;
                        item.b = parseExpr();
                    }
                }
                c.items.push_back(std::move(item));
                if (!isOp(u",")) break;
                next();
            }
        }
        parseBlock(c.body, {u"case", u"end"}, 1014);
        bool wasElse = c.isElse;
        s->cases.push_back(std::move(c));
        if (wasElse && isKw(u"case")) fail(1022);
    }
    expectKw(u"end", 1014);
    expectKw(u"select", 1022);
    singleLineIf_ = saved;
    return s;
}

StmtPtr Parser::parseWith() {
    auto s = stmt<WithStmt>(cur());
    next();
    s->object = parseExpr();
    endStatement();
    int saved = singleLineIf_;
    singleLineIf_ = 0;
    parseBlock(s->body, {u"end"}, 1014);
    singleLineIf_ = saved;
    expectKw(u"end", 1014);
    expectKw(u"with", 1029);
    return s;
}

StmtPtr Parser::parseExit() {
    auto s = stmt<ExitStmt>(cur());
    next();
    if (isKw(u"for")) {
        if (!forDepth_) fail(1039);
        s->flow = Flow::ExitFor;
    } else if (isKw(u"do")) {
        if (!doDepth_) fail(1039);
        s->flow = Flow::ExitDo;
    } else if (isKw(u"sub")) {
        if (!proc_ || proc_->kind != Procedure::Sub) fail(1039);
    } else if (isKw(u"function")) {
        if (!proc_ || proc_->kind != Procedure::Function) fail(1039);
    } else if (isKw(u"property")) {
        if (!proc_ || (proc_->kind != Procedure::PropGet && proc_->kind != Procedure::PropLet &&
                       proc_->kind != Procedure::PropSet))
            fail(1039);
    } else {
        fail(1039);
    }
    next();
    return s;
}

StmtPtr Parser::parseOnError() {
    auto s = stmt<OnErrorStmt>(cur());
    next();
    expectKw(u"error", 1002);
    if (isKw(u"resume")) {
        next();
        expectKw(u"next", 1002);
        s->resumeNext = true;
    } else if (isKw(u"goto")) {
        next();
        if (cur().kind != Tok::Number || cur().value.toDouble() != 0) fail(1002);
        next();
        s->resumeNext = false;
    } else {
        fail(1002);
    }
    return s;
}

StmtPtr Parser::parseErase() {
    auto s = stmt<EraseStmt>(cur());
    next();
    Token at = cur();
    expectName();
    s->var = makeName(at);
    return s;
}

void Parser::parseProc(Procedure::Kind kind, bool isPublic, bool isDefault) {
    if (proc_) fail(1024);
    Token at = cur();
    auto p = std::make_unique<Procedure>();
    p->kind = kind;
    p->name = expectName();
    p->isPublic = isPublic;
    p->isDefault = isDefault;
    p->cls = cls_;
    p->line = at.line;
    p->src = piece_.src.get();
    if (isOp(u"(")) {
        next();
        while (!isOp(u")")) {
            Param prm;
            if (isKw(u"byval"))
                prm.byRef = false, next();
            else if (isKw(u"byref"))
                next();
            Token pt = cur();
            prm.name = expectName();
            if (isOp(u"(")) {
                next();
                expectOp(u")", 1006);
            }
            std::u16string lower = toLower(prm.name);
            if (p->localIndex.count(lower)) failAt(1041, pt);
            p->localIndex[lower] = p->numLocals++;
            p->params.push_back(prm);
            if (isOp(u","))
                next();
            else if (!isOp(u")"))
                fail(1006);
        }
        next();
    }
    if ((kind == Procedure::PropLet || kind == Procedure::PropSet) && p->params.empty())
        failAt(1054, at);
    endStatement();
    Procedure* saved = proc_;
    proc_ = p.get();
    int savedIf = singleLineIf_;
    singleLineIf_ = 0;
    parseBlock(p->body, {u"end"}, 1014);
    singleLineIf_ = savedIf;
    proc_ = saved;
    expectKw(u"end", 1014);
    if (kind == Procedure::Sub)
        expectKw(u"sub", 1016);
    else if (kind == Procedure::Function)
        expectKw(u"function", 1015);
    else
        expectKw(u"property", 1050);

    std::u16string lower = toLower(p->name);
    if (cls_) {
        if (lower == u"class_initialize" || lower == u"class_terminate") {
            if (!p->params.empty()) failAt(1053, at);
            (lower == u"class_initialize" ? cls_->init : cls_->term) = p.get();
        }
        ClassMember& m = cls_->members[lower];
        if (kind == Procedure::Sub || kind == Procedure::Function) {
            if (m.method || m.get || m.let || m.set || m.field >= 0) failAt(1041, at);
            m.kind = ClassMember::Method;
            m.method = p.get();
        } else {
            if (m.method || m.field >= 0) failAt(1041, at);
            m.kind = ClassMember::Property;
            Procedure*& slot = kind == Procedure::PropGet   ? m.get
                               : kind == Procedure::PropLet ? m.let
                                                            : m.set;
            if (slot) failAt(1041, at);
            slot = p.get();
        }
        m.isPublic = isPublic;
        if (isDefault) {
            if (cls_->defaultMember) failAt(1052, at);
            cls_->defaultMember = &m;
        }
    } else if (isDefault) {
        failAt(1048, at);
    }
    piece_.procs.push_back(std::move(p));
}

void Parser::parseClass() {
    Token at = cur();
    next();
    if (cls_ || proc_) fail(1024);
    auto c = std::make_unique<ClassDef>();
    c->name = expectName();
    endStatement();
    cls_ = c.get();
    while (true) {
        skipSeparators();
        if (cur().kind == Tok::End) fail(1047);
        if (isKw(u"end")) break;
        StmtPtr s = parseStatement();
        if (s && !dynamic_cast<DimStmt*>(s.get())) failAt(1024, toks_[pos_]);
        endStatement();
    }
    cls_ = nullptr;
    expectKw(u"end", 1014);
    expectKw(u"class", 1047);
    (void)at;
    piece_.classes.push_back(std::move(c));
}

// ---- expressions ----

std::unique_ptr<NameExpr> Parser::makeName(const Token& t) {
    auto n = node<NameExpr>(t);
    n->name = t.text;
    n->lower = t.lower;
    n->proc = proc_ ? proc_ : scopeProc_;
    n->cls = cls_ ? cls_ : scopeCls_;
    n->dynamicScope = !proc_ && scopeProc_;
    names.push_back(n.get());
    return n;
}

namespace {
// Parentheses around an operand only group: the operator reads the inner expression directly
// (in place, when it is a variable). A numeric literal keeps them, as they decide how a
// comparison with text converts.
ExprPtr withoutGrouping(ExprPtr e) {
    while (auto* p = dynamic_cast<ParenExpr*>(e.get())) {
        if (p->inner->isNumericLiteral()) break;
        ExprPtr inner = std::move(p->inner);
        e = std::move(inner);
    }
    return e;
}
}  // namespace

ExprPtr Parser::binary(BinOp op, ExprPtr a, ExprPtr b, const Token& t) {
    auto e = node<BinaryExpr>(t);
    e->op = op;
    e->a = withoutGrouping(std::move(a));
    e->b = withoutGrouping(std::move(b));
    return e;
}

ExprPtr Parser::parseExpr() {
    Nest guard(nesting_);
    return parseBinary(0);
}

namespace {

// Binary operators by precedence level, loosest first: Imp, Eqv, Xor, Or,
// And, (Not), comparisons, &, + -, Mod, \, * /, (^ and unary minus).
struct BinaryOperator {
    int level;
    bool word;  // a keyword, matched on its lower-case name
    std::u16string_view text;
    BinOp op;
};
constexpr BinaryOperator kBinaryOperators[] = {
    {0, true, u"imp", BinOp::Imp},     {1, true, u"eqv", BinOp::Eqv},
    {2, true, u"xor", BinOp::Xor},     {3, true, u"or", BinOp::Or},
    {4, true, u"and", BinOp::And},     {6, true, u"is", BinOp::Is},
    {6, false, u"=", BinOp::Eq},       {6, false, u"<>", BinOp::Ne},
    {6, false, u"<", BinOp::Lt},       {6, false, u">", BinOp::Gt},
    {6, false, u"<=", BinOp::Le},      {6, false, u">=", BinOp::Ge},
    {7, false, u"&", BinOp::Concat},   {8, false, u"+", BinOp::Add},
    {8, false, u"-", BinOp::Sub},      {9, true, u"mod", BinOp::Mod},
    {10, false, u"\\", BinOp::IntDiv}, {11, false, u"*", BinOp::Mul},
    {11, false, u"/", BinOp::Div},
};

}  // namespace

ExprPtr Parser::parseBinary(int level) {
    if (level == 5) return parseNot();
    if (level == 12) return parseUnary();
    ExprPtr left = parseBinary(level + 1);
    while (true) {
        const Token& t = cur();
        BinOp op{};
        bool ok = false;
        const bool isWord = t.kind == Tok::Name && !t.bracketed;
        if (isWord || t.kind == Tok::Op) {
            for (const BinaryOperator& b : kBinaryOperators) {
                if (b.level != level || b.word != isWord) continue;
                if ((isWord ? std::u16string_view(t.lower) : std::u16string_view(t.text)) ==
                    b.text) {
                    op = b.op;
                    ok = true;
                    break;
                }
            }
        }
        if (!ok) return left;
        Token at = t;
        next();
        ExprPtr right = level == 11 ? parseUnary() : parseBinary(level + 1);
        left = binary(op, std::move(left), std::move(right), at);
    }
}

ExprPtr Parser::parseNot() {
    if (isKw(u"not")) {
        Token at = cur();
        next();
        Nest guard(nesting_);
        auto e = node<UnaryExpr>(at);
        e->isNot = true;
        e->a = parseNot();
        return e;
    }
    return parseBinary(6);
}

// Unary minus binds tighter than ^: -3^2 is 9.
ExprPtr Parser::parseSigned() {
    if (!pending_ && (isOp(u"-") || isOp(u"+"))) {
        Token at = cur();
        bool neg = isOp(u"-");
        next();
        Nest guard(nesting_);
        ExprPtr inner = parseSigned();
        if (!neg) return inner;
        if (auto* lit = dynamic_cast<LiteralExpr*>(inner.get()); lit && lit->numericLiteral) {
            lit->v = opNeg(lit->v);
            return inner;
        }
        auto e = node<UnaryExpr>(at);
        e->a = std::move(inner);
        return e;
    }
    return parsePostfix(parsePrimary());
}

ExprPtr Parser::parseUnary() {
    ExprPtr left = parseSigned();
    while (isOp(u"^")) {
        Token at = cur();
        next();
        left = binary(BinOp::Pow, std::move(left), parseSigned(), at);
    }
    return left;
}

ExprPtr Parser::parsePrimary() {
    if (pending_) return std::move(pending_);
    const Token t = cur();
    switch (t.kind) {
        case Tok::Number:
        case Tok::Date: {
            auto e = node<LiteralExpr>(t);
            e->v = t.value;
            e->numericLiteral = t.kind == Tok::Number;
            next();
            return e;
        }
        case Tok::String: {
            auto e = node<LiteralExpr>(t);
            e->v = Value(t.text);
            next();
            return e;
        }
        case Tok::Op:
            if (t.text == u"(") {
                next();
                auto e = node<ParenExpr>(t);
                e->inner = parseExpr();
                expectOp(u")", 1006);
                return e;
            }
            if (t.text == u".") {
                next();
                auto m = node<MemberExpr>(t);
                if (cur().kind != Tok::Name) fail(1010);
                m->name = cur().text;
                m->lower = cur().lower;
                next();
                return m;
            }
            fail(1023);
        case Tok::Name: {
            if (!t.bracketed) {
                const auto& k = t.lower;
                auto lit = [&](Value v) {
                    auto e = node<LiteralExpr>(t);
                    e->v = std::move(v);
                    next();
                    return e;
                };
                if (k == u"true") return lit(Value(true));
                if (k == u"false") return lit(Value(false));
                if (k == u"empty") return lit(Value());
                if (k == u"null") return lit(Value::null());
                if (k == u"nothing") return lit(Value::nothing());
                if (k == u"me") {
                    if (!cls_ && !scopeCls_) fail(1037);
                    next();
                    return node<MeExpr>(t);
                }
                if (k == u"new") {
                    next();
                    auto e = node<NewExpr>(t);
                    if (cur().kind != Tok::Name) fail(1010);
                    e->name = cur().text;
                    e->lower = cur().lower;
                    next();
                    return e;
                }
                if (reserved(t)) fail(1023);
            }
            next();
            return makeName(t);
        }
        default:
            fail(1023);
    }
}

void Parser::parseArgs(std::vector<ExprPtr>& args) {
    // cur() is '('
    next();
    if (isOp(u")")) {
        next();
        return;
    }
    while (true) {
        if (isOp(u",") || isOp(u")"))
            args.push_back(std::make_unique<MissingExpr>());
        else
            args.push_back(parseExpr());
        if (isOp(u",")) {
            next();
            continue;
        }
        expectOp(u")", 1006);
        return;
    }
}

ExprPtr Parser::parsePostfix(ExprPtr e) {
    while (true) {
        if (isOp(u".") && !cur().spaceBefore) {
            Token at = cur();
            next();
            if (cur().kind != Tok::Name) fail(1010);
            auto m = node<MemberExpr>(at);
            m->object = std::move(e);
            m->name = cur().text;
            m->lower = cur().lower;
            next();
            e = std::move(m);
        } else if (isOp(u"(")) {
            Token at = cur();
            auto c = node<CallExpr>(at);
            c->target = std::move(e);
            parseArgs(c->args);
            e = std::move(c);
        } else {
            return e;
        }
    }
}

}  // namespace vbs
