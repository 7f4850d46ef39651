// The tree the parser builds and the interpreter walks. Names are resolved
// to slots (locals, fields, globals) before a piece of code runs.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "vbscript/builtins.h"
#include "vbscript/value.h"

namespace vbs {

struct Frame;
struct Procedure;
struct ClassDef;
class Interpreter;

// The text of one piece of code, for error reports.
struct SourceText {
    std::u16string text;
    int firstLine = 1;
    std::u16string line(int n) const;
};

// Node kinds the interpreter dispatches on without RTTI.
enum class ExprKind : uint8_t { Other, Name, Call, Member, Missing, Literal, Binary };

struct Expr {
    int line = 0, col = 0;
    ExprKind ek = ExprKind::Other;
    virtual ~Expr() = default;
    virtual Value eval(Frame& f) = 0;
    // The value without copying it, for literals and plain variables whose
    // reading has no side effects; null otherwise.
    virtual const Value* peek(Frame&) { return nullptr; }
    // Address of the variable this expression names (for ByRef and
    // assignment); null when it is not a plain variable.
    virtual Value* ref(Frame&) { return nullptr; }
    virtual void assign(Frame& f, Value v, bool isSet);
    // A number written as a literal (or a constant of one): comparisons
    // with strings then convert the string.
    virtual bool isNumericLiteral() const { return false; }
};
using ExprPtr = std::unique_ptr<Expr>;

enum class Flow { Normal, ExitFor, ExitDo, ExitProc };

struct Stmt {
    int line = 0, col = 0;
    const SourceText* src = nullptr;
    virtual ~Stmt() = default;
    virtual Flow exec(Frame& f) = 0;
};
using StmtPtr = std::unique_ptr<Stmt>;

struct Block {
    std::vector<StmtPtr> list;
    Flow run(Frame& f) const;
};

// How a name was resolved.
enum class NameKind : uint8_t {
    Unresolved,
    Local,       // slot in the frame
    Field,       // field of Me
    MeMember,    // method or property of Me
    Global,      // global slot (variable, procedure, class, host object)
    Builtin,     // registry function
    Const,       // folded constant
    ReturnSlot,  // the function's own name as an assignment target
    DynLocal,    // local created by Execute inside a procedure
    Implicit,    // undeclared name in a procedure: the global once it exists, else a local
    Intrinsic,   // Eval, Execute, ExecuteGlobal, GetRef
};

enum class IntrinsicId : uint8_t { Eval, Execute, ExecuteGlobal, GetRef };

struct Param {
    std::u16string name;
    bool byRef = true;
};

struct ArrayInit {
    int slot;
    std::vector<int32_t> upper;
};

struct Procedure {
    enum Kind { Sub, Function, PropGet, PropLet, PropSet } kind = Sub;
    std::u16string name;
    std::vector<Param> params;
    int numLocals = 0;
    std::unordered_map<std::u16string, int> localIndex;  // lower-case name -> slot
    std::unordered_map<std::u16string, Value> consts;
    std::unordered_set<std::u16string> implicitLocals;  // undeclared names given a slot
    std::vector<ArrayInit> fixedArrays;
    Block body;
    ClassDef* cls = nullptr;
    bool isPublic = true;
    bool isDefault = false;
    bool optionExplicit = false;
    int line = 0;
    const SourceText* src = nullptr;
};

struct ClassMember {
    enum Kind { Field, Method, Property } kind = Field;
    int field = -1;
    Procedure* method = nullptr;
    Procedure* get = nullptr;
    Procedure* let = nullptr;
    Procedure* set = nullptr;
    bool isPublic = true;
};

struct ClassDef {
    std::u16string name;
    std::vector<std::u16string> fieldNames;
    std::vector<ArrayInit> fieldArrays;
    std::unordered_map<std::u16string, ClassMember> members;  // lower-case name
    Procedure* init = nullptr;
    Procedure* term = nullptr;
    ClassMember* defaultMember = nullptr;
    const ClassMember* find(const std::u16string& lower) const {
        auto it = members.find(lower);
        return it == members.end() ? nullptr : &it->second;
    }
};

// One piece of code handed to AddCode, Execute or ExecuteGlobal. Pieces
// live as long as the engine: procedures defined in them stay callable.
struct Piece {
    std::unique_ptr<SourceText> src;
    Block top;
    std::vector<std::unique_ptr<Procedure>> procs;
    std::vector<std::unique_ptr<ClassDef>> classes;
    bool optionExplicit = false;
    // Top-level declarations.
    std::vector<std::u16string> dims;
    std::vector<ArrayInit> dimArrays;  // slot = index into dims
    std::vector<std::pair<std::u16string, Value>> consts;
    ExprPtr expression;  // for Eval
};

}  // namespace vbs
