// Runs resolved trees: frames, globals, calls, class instances, Err.
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "Ast.h"
#include "vbscript/engine.h"
#include "vbscript/object.h"

namespace vbs {

class ErrObject;
class Instance;

struct Frame {
    explicit Frame(Interpreter& i) : in(i) {}
    Interpreter& in;
    Value* locals = nullptr;
    Procedure* proc = nullptr;
    Instance* me = nullptr;
    Value retval;
    bool resumeNext = false;
    std::vector<Value> with;
    std::unique_ptr<std::unordered_map<std::u16string, Value>> dyn;
    Value* dynLookup(const std::u16string& lower, bool create);
};

struct Global {
    std::u16string name;
    Value value;
    Procedure* proc = nullptr;
    ClassDef* cls = nullptr;
    bool isConst = false;
    bool declared = false;
    // A writable variable: the fast path of every global access. Call
    // refresh() after changing any of the fields above.
    bool plain = false;
    void refresh() noexcept { plain = declared && !proc && !cls && !isConst; }
};

// An instance of a script class.
class Instance : public Object {
  public:
    Instance(Interpreter& in, ClassDef* cls);
    void invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                Value& result) override;
    bool enumerate(std::vector<Value>& items) override;
    std::u16string typeName() const override;

    // Null once the engine is gone: a host may hold instances longer.
    Interpreter* interp() const noexcept { return *life; }
    std::shared_ptr<Interpreter*> life;
    ClassDef* cls;
    std::vector<Value> fields;

  protected:
    void destroy() noexcept override;
};

class Interpreter {
  public:
    explicit Interpreter(Engine& e);
    ~Interpreter();

    Engine& engine;

    // Compiles the text into a piece. `scope` is the frame Execute/Eval
    // runs in (null: global scope). Throws compile errors.
    Piece* compile(std::u16string_view text, Frame* scope, bool expressionOnly);
    void runTop(Piece* p);  // AddCode: entry point with clock and error reporting
    Value evalTop(std::u16string_view text);
    Value runProcedure(std::u16string_view name, std::span<Value> args);

    // Inside a running script.
    void execute(Frame& f, const Value& code, bool global);
    Value evalIn(Frame& f, const Value& code);
    Value getRef(const Value& name);

    int globalSlot(const std::u16string& name);  // creates on demand
    Global& global(int i) { return globals_[static_cast<size_t>(i)]; }
    Global* findGlobal(const std::u16string& lower);
    void addObject(std::u16string_view name, Ref<Object> obj);

    // Calls. `args` point at the arguments (variables for ByRef).
    Value callProc(Procedure* p, Instance* me, std::span<Value* const> args);
    Value callBuiltin(const BuiltinRegistry::Function* fn, std::span<Value> args);
    // Member access on any object.
    Value getMember(const Value& obj, const std::u16string& name, const std::u16string& lower,
                    std::span<Value* const> args, InvokeKind kind);
    void setMember(const Value& obj, const std::u16string& name, const std::u16string& lower,
                   std::span<Value* const> args, Value v, bool isSet);
    // Calling or indexing a value: arrays index, objects use their default member.
    Value callValue(const Value& target, std::span<Value* const> args, InvokeKind kind);
    // Calls a non-script object, pausing the clock when it may block.
    void invokeHost(Object* o, std::u16string_view name, InvokeKind kind,
                    std::span<Value* const> args, Value& result);
    Value newInstance(ClassDef* cls);
    Value newObject(const std::u16string& name);  // New X for registry classes

    ErrObject& err() { return *err_; }
    void setErrFrom(const ScriptError& e);

    // Limits.
    void tick() {
        if (++ticks_ >= 2048) {
            ticks_ = 0;
            checkTime();
        }
    }
    void checkTime();
    void checkStack();
    void pause() noexcept;
    void resume() noexcept;

    std::shared_ptr<Interpreter*> life;  // cleared when the interpreter is destroyed
    BuiltinContext ctx;
    int depth = 0;
    Instance* activeMe = nullptr;  // Me of the running procedure, for Private members

  private:
    void link(Piece& p, Frame* scope);
    void registerDefinitions(Piece& p);
    void enter();
    void leave();

    std::deque<Global> globals_;
    std::unordered_map<std::u16string, int> globalIndex_;
    std::vector<std::unique_ptr<Piece>> pieces_;
    Ref<ErrObject> err_;
    int ticks_ = 0;
    int entryDepth_ = 0;
    int pauseDepth_ = 0;
    // For code entered from inside a host call: the pause depth to restore when it leaves.
    std::vector<int> resumedPauses_;
    const char* stackBase_ = nullptr;
    std::chrono::steady_clock::time_point start_, pauseStart_;
    std::chrono::steady_clock::duration paused_{};
    bool timedOut_ = false;
};

// Value helpers shared by nodes.
Value opAdd(const Value& a, const Value& b);
Value opSub(const Value& a, const Value& b);
Value opMul(const Value& a, const Value& b);
Value opDiv(const Value& a, const Value& b);
Value opIntDiv(const Value& a, const Value& b);
Value opMod(const Value& a, const Value& b);
Value opPow(const Value& a, const Value& b);
Value opNeg(const Value& a);
Value opConcat(const Value& a, const Value& b);
Value opNot(const Value& a);
Value opAnd(const Value& a, const Value& b);
Value opOr(const Value& a, const Value& b);
Value opXor(const Value& a, const Value& b);
Value opEqv(const Value& a, const Value& b);
Value opImp(const Value& a, const Value& b);
// -1, 0, 1, or 2 when either side is Null.
int compareValues(const Value& a, const Value& b, bool aLiteral, bool bLiteral);
bool truthy(const Value& v);  // condition of If/While (Null is False)
// Reads an array element; throws 9 when out of range.
Value* arrayElement(ArrayData* a, std::span<const Value> idx);

}  // namespace vbs
