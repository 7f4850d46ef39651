// Expression and statement nodes.
#pragma once

#include "Ast.h"
#include "Interpreter.h"

namespace vbs {

// ---- expressions ----

struct LiteralExpr : Expr {
    LiteralExpr() { ek = ExprKind::Literal; }
    Value v;
    bool numericLiteral = false;
    Value eval(Frame&) override { return v; }
    const Value* peek(Frame&) override { return &v; }
    bool isNumericLiteral() const override { return numericLiteral; }
};

struct MissingExpr : Expr {
    MissingExpr() { ek = ExprKind::Missing; }
    Value eval(Frame&) override { return Value::missing(); }
};

struct NameExpr : Expr {
    NameExpr() { ek = ExprKind::Name; }
    std::u16string name, lower;
    NameKind kind = NameKind::Unresolved;
    int index = -1;
    int globalIndex = -1;      // Implicit: the global it becomes once that exists
    Global* global = nullptr;  // Global: its slot (deque elements never move)
    const BuiltinRegistry::Function* builtin = nullptr;
    Value constValue;
    IntrinsicId intrinsic{};
    bool explicitMode = false;
    // Scope the parser saw, for linking.
    Procedure* proc = nullptr;
    ClassDef* cls = nullptr;
    bool dynamicScope = false;  // inside code run by Execute in a procedure
    bool target = false;        // assigned to (Name = ..., Set Name = ...)

    Value eval(Frame& f) override;
    const Value* peek(Frame& f) override;
    Value* ref(Frame& f) override;
    void assign(Frame& f, Value v, bool isSet) override;
    bool isNumericLiteral() const override {
        return kind == NameKind::Const && constValue.isNumeric();
    }
    // The variable, or null for procedures, builtins and the like.
    Value* slot(Frame& f, bool forWrite);
};

struct MeExpr : Expr {
    Value eval(Frame& f) override;
};

struct WithObjExpr : Expr {
    Value eval(Frame& f) override;
};

struct NewExpr : Expr {
    std::u16string name, lower;
    Value eval(Frame& f) override;
};

struct MemberExpr : Expr {
    MemberExpr() { ek = ExprKind::Member; }
    ExprPtr object;
    std::u16string name, lower;
    const ClassDef* cacheCls = nullptr;
    const ClassMember* cacheMember = nullptr;
    Value eval(Frame& f) override;
    void assign(Frame& f, Value v, bool isSet) override;
};

// name(args), obj.m(args), x(args): a call or an array index, decided when
// it runs by what the target holds.
struct CallExpr : Expr {
    CallExpr() { ek = ExprKind::Call; }
    ExprPtr target;
    std::vector<ExprPtr> args;
    bool statement = false;  // value not used: call as a method
    Value eval(Frame& f) override;
    void assign(Frame& f, Value v, bool isSet) override;
    // The array element this names, reached from a variable (a(i), a(i)(j)),
    // so it can be written in place; null when it is anything else.
    Value* elementRef(Frame& f);
};

struct ParenExpr : Expr {
    ExprPtr inner;
    Value eval(Frame& f) override { return inner->eval(f).deref(); }
};

enum class BinOp {
    Add,
    Sub,
    Mul,
    Div,
    IntDiv,
    Mod,
    Pow,
    Concat,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    Is,
    And,
    Or,
    Xor,
    Eqv,
    Imp
};

struct BinaryExpr : Expr {
    BinaryExpr() { ek = ExprKind::Binary; }
    BinOp op;
    ExprPtr a, b;
    Value eval(Frame& f) override;
};

struct UnaryExpr : Expr {
    bool isNot = false;
    ExprPtr a;
    Value eval(Frame& f) override;
};

// ---- statements ----

struct ExprStmt : Stmt {
    ExprPtr e;
    Flow exec(Frame& f) override;
};

struct AssignStmt : Stmt {
    ExprPtr target, value;
    bool isSet = false;
    Flow exec(Frame& f) override;
};

// s = s & a & b: appends in place when s holds text nobody else shares.
struct AppendStmt : Stmt {
    NameExpr* target = nullptr;
    ExprPtr targetOwner;
    std::vector<Expr*> parts;  // right operands, owned by fallback
    ExprPtr fallback;          // the whole expression, for non-text targets
    Flow exec(Frame& f) override;
};

struct DimStmt : Stmt {
    // ReDim (or Dim of a fixed array where it cannot be made in advance):
    // target names with bound expressions.
    struct Item {
        ExprPtr var;
        std::vector<ExprPtr> bounds;
    };
    std::vector<Item> items;
    bool preserve = false;
    bool fixed = false;
    Flow exec(Frame& f) override;
};

struct EraseStmt : Stmt {
    ExprPtr var;
    Flow exec(Frame& f) override;
};

struct ConstStmt : Stmt {
    ExprPtr var;
    Value v;
    Flow exec(Frame& f) override;
};

struct IfStmt : Stmt {
    std::vector<std::pair<ExprPtr, Block>> branches;
    Block elseBlock;
    Flow exec(Frame& f) override;
};

struct CaseClause {
    struct Item {
        enum Kind { Value, Range, Is } kind = Value;
        ExprPtr a, b;
        BinOp op = BinOp::Eq;
    };
    std::vector<Item> items;
    bool isElse = false;
    Block body;
};

struct SelectStmt : Stmt {
    ExprPtr test;
    std::vector<CaseClause> cases;
    Flow exec(Frame& f) override;
};

struct ForStmt : Stmt {
    ExprPtr var, from, to, step;
    Block body;
    Flow exec(Frame& f) override;
};

struct ForEachStmt : Stmt {
    ExprPtr var, collection;
    Block body;
    Flow exec(Frame& f) override;
};

struct DoStmt : Stmt {
    ExprPtr cond;
    bool until = false;
    bool atTop = true;
    Block body;
    Flow exec(Frame& f) override;
};

struct ExitStmt : Stmt {
    Flow flow = Flow::ExitProc;
    Flow exec(Frame&) override { return flow; }
};

struct OnErrorStmt : Stmt {
    bool resumeNext = true;
    Flow exec(Frame& f) override;
};

struct WithStmt : Stmt {
    ExprPtr object;
    Block body;
    Flow exec(Frame& f) override;
};

struct NopStmt : Stmt {
    Flow exec(Frame&) override { return Flow::Normal; }
};

}  // namespace vbs
