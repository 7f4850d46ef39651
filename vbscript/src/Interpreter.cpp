#include "Interpreter.h"

#include <new>
#include <unordered_set>

#include "ErrObject.h"
#include "Lexer.h"
#include "Nodes.h"
#include "Parser.h"

namespace vbs {

namespace {
constexpr int kInstanceKind = 1;
constexpr size_t kStackBudget = 4u << 20;  // bytes of native stack a script may use

// GetRef's result: calling it calls the procedure.
class ProcRef : public Object {
  public:
    ProcRef(Interpreter& in, Procedure* p) : life_(in.life), p_(p) { pausesClock_ = false; }
    void invoke(std::u16string_view name, InvokeKind, std::span<Value* const> args,
                Value& result) override {
        if (!name.empty()) throwError(438);
        if (!*life_) throwError(424);
        result = (*life_)->callProc(p_, nullptr, args);
    }
    std::u16string typeName() const override { return u"Object"; }

  private:
    std::shared_ptr<Interpreter*> life_;
    Procedure* p_;
};

// Keeps the host's own exceptions from escaping as anything but script errors.
template <class F>
void guardHost(F&& f) {
    try {
        f();
    } catch (const ScriptError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throwError(7);
    } catch (const std::exception& e) {
        throwError(440, fromUtf8(e.what()));
    }
}
}  // namespace

std::u16string SourceText::line(int n) const {
    int cur = firstLine;
    size_t i = 0;
    while (cur < n && i < text.size()) {
        char16_t c = text[i++];
        if (c == '\r') {
            if (i < text.size() && text[i] == '\n') ++i;
            ++cur;
        } else if (c == '\n') {
            ++cur;
        }
    }
    if (cur != n) return {};
    size_t e = i;
    while (e < text.size() && text[e] != '\r' && text[e] != '\n') ++e;
    return text.substr(i, e - i);
}

Value* Frame::dynLookup(const std::u16string& lower, bool create) {
    if (!dyn) {
        if (!create) return nullptr;
        dyn = std::make_unique<std::unordered_map<std::u16string, Value>>();
    }
    auto it = dyn->find(lower);
    if (it != dyn->end()) return &it->second;
    if (!create) return nullptr;
    return &(*dyn)[lower];
}

// ---- class instances ----

Instance::Instance(Interpreter& i, ClassDef* c)
    : life(i.life), cls(c), fields(c->fieldNames.size()) {
    engineKind_ = kInstanceKind;
    pausesClock_ = false;
}

std::u16string Instance::typeName() const { return interp() ? cls->name : u"Object"; }

bool Instance::enumerate(std::vector<Value>&) { return false; }

void Instance::invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                      Value& result) {
    Interpreter* ip = interp();
    if (!ip) throwError(424);
    Interpreter& in = *ip;
    std::u16string n(name);
    std::u16string lower = toLower(name);
    Value self(static_cast<Object*>(this));
    if (kind == InvokeKind::Let || kind == InvokeKind::Set) {
        if (args.empty()) throwError(450);
        Value v = args.back()->deref();
        in.setMember(self, n, lower, args.first(args.size() - 1), std::move(v),
                     kind == InvokeKind::Set);
        return;
    }
    result = in.getMember(self, n, lower, args, kind);
}

namespace {
struct Finalizer {
    bool active = false;
    std::vector<Instance*> pending;
};
Finalizer& finalizer() {
    static thread_local Finalizer f;
    return f;
}
}  // namespace

void Instance::destroy() noexcept {
    // Releases that cascade (a long linked list) are queued, not recursed.
    Finalizer& fz = finalizer();
    fz.pending.push_back(this);
    if (fz.active) return;
    fz.active = true;
    while (!fz.pending.empty()) {
        Instance* x = fz.pending.back();
        fz.pending.pop_back();
        if (x->interp() && x->cls->term && x->engineKind_ == kInstanceKind) {
            x->engineKind_ = 2;  // terminated: the next release deletes
            x->addRef();
            try {
                x->interp()->callProc(x->cls->term, x, {});
            } catch (...) {
                // An error in Class_Terminate is not reported.
            }
            x->release();  // queues x again when nothing resurrected it
            continue;
        }
        delete x;
    }
    fz.active = false;
}

// ---- interpreter ----

Interpreter::Interpreter(Engine& e)
    : engine(e), life(std::make_shared<Interpreter*>(this)), ctx(e), err_(new ErrObject) {
    addObject(u"Err", Ref<Object>(err_.get()));
}

Interpreter::~Interpreter() {
    // Free script values while the interpreter still exists, so
    // Class_Terminate handlers can run.
    // Script variables first, host objects (WScript, Err) last, so a
    // Class_Terminate can still reach them.
    for (int pass = 0; pass < 2; ++pass) {
        for (auto& g : globals_) {
            if (pass == 0 && g.isConst && g.value.isObject()) continue;
            Value v = std::move(g.value);
            g.value = Value();
        }
    }
    globals_.clear();
    *life = nullptr;
}

Global* Interpreter::findGlobal(const std::u16string& lower) {
    auto it = globalIndex_.find(lower);
    return it == globalIndex_.end() ? nullptr : &globals_[static_cast<size_t>(it->second)];
}

int Interpreter::globalSlot(const std::u16string& lower) {
    auto it = globalIndex_.find(lower);
    if (it != globalIndex_.end()) return it->second;
    int i = static_cast<int>(globals_.size());
    globals_.emplace_back();
    globals_.back().name = lower;
    globalIndex_.emplace(lower, i);
    return i;
}

void Interpreter::addObject(std::u16string_view name, Ref<Object> obj) {
    Global& g = global(globalSlot(toLower(name)));
    g.value = Value(obj.get());
    g.declared = true;
    g.isConst = true;
    g.proc = nullptr;
    g.cls = nullptr;
    g.refresh();
}

void Interpreter::setErrFrom(const ScriptError& e) {
    err_->number = e.number;
    err_->description = e.description;
    err_->source = e.source;
}

// ---- limits ----

void Interpreter::enter() {
    if (entryDepth_++ == 0) {
        char probe;
        stackBase_ = &probe;
        start_ = std::chrono::steady_clock::now();
        paused_ = {};
        pauseDepth_ = 0;
        ticks_ = 0;
        depth = 0;
        resumedPauses_.clear();
        return;
    }
    // Code the host runs from inside one of its calls, while the clock stands still for that
    // call, is script time again: a loop in it must still time out.
    resumedPauses_.push_back(pauseDepth_);
    if (pauseDepth_ > 0) {
        paused_ += std::chrono::steady_clock::now() - pauseStart_;
        pauseDepth_ = 0;
    }
}

void Interpreter::leave() {
    if (--entryDepth_ == 0 || resumedPauses_.empty()) return;
    const int outer = resumedPauses_.back();
    resumedPauses_.pop_back();
    if (outer > 0 && pauseDepth_ == 0) {
        pauseDepth_ = outer;
        pauseStart_ = std::chrono::steady_clock::now();
    }
}

void Interpreter::pause() noexcept {
    if (pauseDepth_++ == 0) pauseStart_ = std::chrono::steady_clock::now();
}

void Interpreter::resume() noexcept {
    if (pauseDepth_ > 0 && --pauseDepth_ == 0)
        paused_ += std::chrono::steady_clock::now() - pauseStart_;
}

void Interpreter::checkTime() {
    int limit = engine.timeout();
    if (limit <= 0 || entryDepth_ == 0 || pauseDepth_ > 0) return;
    auto used = std::chrono::steady_clock::now() - start_ - paused_;
    if (used > std::chrono::milliseconds(limit)) {
        ScriptError e(kErrTimeout, errorDescription(kErrTimeout), kRuntimeSource);
        e.fatal = true;
        throw e;
    }
}

void Interpreter::checkStack() {
    char probe;
    if (stackBase_ && stackBase_ > &probe &&
        static_cast<size_t>(stackBase_ - &probe) > kStackBudget)
        throwError(28);
}

// ---- compiling ----

void Interpreter::registerDefinitions(Piece& p) {
    for (auto& c : p.classes) {
        Global& g = global(globalSlot(toLower(c->name)));
        g.cls = c.get();
        g.proc = nullptr;
        g.declared = true;
        g.refresh();
    }
    for (auto& pr : p.procs) {
        if (pr->cls) continue;
        Global& g = global(globalSlot(toLower(pr->name)));
        g.proc = pr.get();
        g.cls = nullptr;
        g.declared = true;
        g.isConst = false;
        g.value = Value();
        g.refresh();
    }
    for (auto& d : p.dims) {
        Global& g = global(globalSlot(toLower(d)));
        if (g.proc || g.cls) g.proc = nullptr, g.cls = nullptr;
        g.declared = true;
        g.refresh();
    }
    for (auto& [name, v] : p.consts) {
        Global& g = global(globalSlot(toLower(name)));
        g.value = v;
        g.isConst = true;
        g.declared = true;
        g.proc = nullptr;
        g.cls = nullptr;
        g.refresh();
    }
}

namespace {
bool intrinsicOf(const std::u16string& lower, IntrinsicId& id) {
    if (lower == u"eval")
        id = IntrinsicId::Eval;
    else if (lower == u"execute")
        id = IntrinsicId::Execute;
    else if (lower == u"executeglobal")
        id = IntrinsicId::ExecuteGlobal;
    else if (lower == u"getref")
        id = IntrinsicId::GetRef;
    else
        return false;
    return true;
}
}  // namespace

void Interpreter::link(Piece& p, Frame* scope) {
    (void)scope;
    registerDefinitions(p);
}

Piece* Interpreter::compile(std::u16string_view text, Frame* scope, bool expressionOnly) {
    auto piece = std::make_unique<Piece>();
    piece->src = std::make_unique<SourceText>();
    piece->src->text = std::u16string(text);
    Procedure* scopeProc = scope ? scope->proc : nullptr;
    ClassDef* scopeCls = scope && scope->me ? scope->me->cls : nullptr;
    std::vector<NameExpr*> names;
    try {
        Lexer lx(piece->src->text);
        Parser ps(lx.run(), *piece, scopeProc, scopeCls);
        if (expressionOnly)
            ps.parseExpressionOnly();
        else
            ps.parseProgram();
        names = std::move(ps.names);
    } catch (ScriptError& e) {
        if (e.source.empty() || e.number == 28) e.source = kCompileSource;
        if (e.line == 0) e.line = 1;
        e.sourceLine = piece->src->line(e.line);
        throw;
    }
    registerDefinitions(*piece);
    for (auto& pr : piece->procs) pr->optionExplicit = piece->optionExplicit;
    // Option Explicit holds for the piece that states it; code run by
    // Execute from a procedure inherits it from that procedure.
    bool explicitMode = piece->optionExplicit || (scopeProc && scopeProc->optionExplicit);

    auto resolve = [&](NameExpr* n) {
        n->explicitMode = explicitMode;
        const std::u16string& lower = n->lower;
        Procedure* proc = n->proc;
        if (proc) {
            if (n->target &&
                (proc->kind == Procedure::Function || proc->kind == Procedure::PropGet) &&
                lower == toLower(proc->name)) {
                n->kind = NameKind::ReturnSlot;
                return;
            }
            if (!n->target) {
                auto c = proc->consts.find(lower);
                if (c != proc->consts.end()) {
                    n->kind = NameKind::Const;
                    n->constValue = c->second;
                    return;
                }
            }
            auto it = proc->localIndex.find(lower);
            if (it != proc->localIndex.end() && !proc->implicitLocals.count(lower)) {
                n->kind = NameKind::Local;
                n->index = it->second;
                return;
            }
        }
        if (n->cls) {
            if (const ClassMember* m = n->cls->find(lower)) {
                if (m->kind == ClassMember::Field) {
                    n->kind = NameKind::Field;
                    n->index = m->field;
                } else {
                    n->kind = NameKind::MeMember;
                }
                return;
            }
        }
        if (Global* g = findGlobal(lower); g && (g->declared || g->proc || g->cls)) {
            if (g->isConst && !n->target && !g->value.isObject()) {
                n->kind = NameKind::Const;
                n->constValue = g->value;
                n->index = globalSlot(lower);
                // Host objects stay live globals; script constants fold.
                return;
            }
            n->kind = NameKind::Global;
            n->index = globalSlot(lower);
            n->global = &global(n->index);
            return;
        }
        if (!n->target) {
            if (auto* f = engine.builtins().findFunction(lower)) {
                n->kind = NameKind::Builtin;
                n->builtin = f;
                return;
            }
            if (auto* c = engine.builtins().findConstant(lower)) {
                n->kind = NameKind::Const;
                n->constValue = *c;
                return;
            }
        }
        if (intrinsicOf(lower, n->intrinsic)) {
            n->kind = NameKind::Intrinsic;
            return;
        }
        if (n->dynamicScope) {
            n->kind = NameKind::DynLocal;
            return;
        }
        if (proc && !explicitMode) {
            auto it = proc->localIndex.find(lower);
            int slot;
            if (it != proc->localIndex.end()) {
                slot = it->second;
            } else {
                slot = proc->numLocals++;
                proc->localIndex[lower] = slot;
                proc->implicitLocals.insert(lower);
            }
            n->kind = NameKind::Implicit;
            n->index = slot;
            n->globalIndex = globalSlot(lower);
            n->global = &global(n->globalIndex);
            return;
        }
        n->kind = NameKind::Global;
        n->index = globalSlot(lower);
        n->global = &global(n->index);
    };
    // Top level first, so procedures see the globals it creates implicitly.
    for (NameExpr* n : names)
        if (!n->proc) resolve(n);
    for (NameExpr* n : names)
        if (n->proc) resolve(n);
    Piece* raw = piece.get();
    pieces_.push_back(std::move(piece));
    return raw;
}

// ---- entry points ----

namespace {
struct EntryGuard {
    explicit EntryGuard(Interpreter& in, void (Interpreter::*enter)(), void (Interpreter::*leave)())
        : in_(in), leave_(leave) {
        (in.*enter)();
    }
    ~EntryGuard() { (in_.*leave_)(); }
    Interpreter& in_;
    void (Interpreter::*leave_)();
};
}  // namespace

void Interpreter::runTop(Piece* p) {
    EntryGuard g(*this, &Interpreter::enter, &Interpreter::leave);
    Frame top(*this);
    try {
        p->top.run(top);
    } catch (const std::bad_alloc&) {
        throwError(7);
    }
}

Value Interpreter::evalTop(std::u16string_view text) {
    Piece* p = compile(text, nullptr, true);
    EntryGuard g(*this, &Interpreter::enter, &Interpreter::leave);
    Frame top(*this);
    try {
        return p->expression->eval(top);
    } catch (ScriptError& e) {
        if (e.line == 0) {
            e.line = 1;
            e.sourceLine = p->src->line(1);
        }
        throw;
    }
}

Value Interpreter::runProcedure(std::u16string_view name, std::span<Value> args) {
    Global* g = findGlobal(toLower(name));
    if (!g || !g->proc) throwError(35);
    EntryGuard guard(*this, &Interpreter::enter, &Interpreter::leave);
    std::vector<Value*> ptrs;
    for (auto& a : args) ptrs.push_back(&a);
    return callProc(g->proc, nullptr, ptrs);
}

namespace {
// Nested Execute / Eval count like calls: runaway self-execution is error 28.
struct NestGuard {
    explicit NestGuard(Interpreter& in) : in_(in) {
        in_.checkStack();
        if (++in_.depth > in_.engine.recursionLimit()) {
            --in_.depth;
            throwError(28);
        }
    }
    ~NestGuard() { --in_.depth; }
    NestGuard(const NestGuard&) = delete;
    NestGuard& operator=(const NestGuard&) = delete;
    Interpreter& in_;
};
}  // namespace

void Interpreter::execute(Frame& f, const Value& code, bool global) {
    NestGuard guard(*this);
    std::u16string text = code.toString();
    if (global || !f.proc) {
        Piece* p = compile(text, nullptr, false);
        Frame top(*this);
        p->top.run(top);
        return;
    }
    Piece* p = compile(text, &f, false);
    bool savedResume = f.resumeNext;
    Flow fl = p->top.run(f);
    (void)fl;
    f.resumeNext = savedResume;
}

Value Interpreter::evalIn(Frame& f, const Value& code) {
    NestGuard guard(*this);
    std::u16string text = code.toString();
    Piece* p = compile(text, f.proc ? &f : nullptr, true);
    return p->expression->eval(f);
}

Value Interpreter::getRef(const Value& name) {
    Global* g = findGlobal(toLower(name.toString()));
    if (!g || !g->proc) throwError(5);
    return Value(static_cast<Object*>(new ProcRef(*this, g->proc)));
}

// ---- calls ----

void Interpreter::invokeHost(Object* o, std::u16string_view name, InvokeKind kind,
                             std::span<Value* const> args, Value& result) {
    Ref<Object> keep(o);
    // Reading the clock costs; skip it when nothing would be counted.
    if (!o->pausesClock() || engine.timeout() <= 0) {
        guardHost([&] { o->invoke(name, kind, args, result); });
        return;
    }
    pause();
    try {
        guardHost([&] { o->invoke(name, kind, args, result); });
    } catch (...) {
        resume();
        throw;
    }
    resume();
}

namespace {
struct DepthGuard {
    explicit DepthGuard(Interpreter& in) : in_(in) {
        if (++in_.depth > in_.engine.recursionLimit()) {
            --in_.depth;
            throwError(28);
        }
    }
    ~DepthGuard() { --in_.depth; }
    Interpreter& in_;
};

struct Locals {
    static constexpr int kSmall = 12;
    alignas(Value) unsigned char small[kSmall * sizeof(Value)];
    std::unique_ptr<Value[]> big;
    Value* p;
    int n;
    explicit Locals(int count) : n(count) {
        if (count <= kSmall) {
            p = reinterpret_cast<Value*>(small);
            for (int i = 0; i < count; ++i) new (p + i) Value();
        } else {
            big = std::make_unique<Value[]>(static_cast<size_t>(count));
            p = big.get();
        }
    }
    ~Locals() {
        if (!big)
            for (int i = n - 1; i >= 0; --i) p[i].~Value();
    }
};
}  // namespace

Value Interpreter::callProc(Procedure* p, Instance* me, std::span<Value* const> args) {
    if (args.size() != p->params.size()) throwError(450);
    DepthGuard dg(*this);
    checkStack();
    tick();
    Locals locals(p->numLocals);
    Frame fr(*this);
    fr.locals = locals.p;
    fr.proc = p;
    fr.me = me;
    Ref<Object> keepMe(me);
    struct MeGuard {
        Interpreter& in;
        Instance* saved;
        ~MeGuard() { in.activeMe = saved; }
    } meGuard{*this, activeMe};
    activeMe = me;
    for (size_t i = 0; i < args.size(); ++i) {
        if (p->params[i].byRef)
            fr.locals[i] = Value::byRef(&args[i]->deref());
        else
            fr.locals[i] = args[i]->deref();
    }
    // Dim a(3) is fixed; Dim a() is a dynamic array with no elements yet.
    for (auto& a : p->fixedArrays) fr.locals[a.slot] = Value::array(a.upper, !a.upper.empty());
    p->body.run(fr);
    return std::move(fr.retval);
}

Value Interpreter::callBuiltin(const BuiltinRegistry::Function* fn, std::span<Value> args) {
    int n = static_cast<int>(args.size());
    if (n < fn->minArgs || (fn->maxArgs >= 0 && n > fn->maxArgs)) throwError(450);
    Value result;
    guardHost([&] { fn->fn(ctx, args, result); });
    return result;
}

Value Interpreter::newInstance(ClassDef* cls) {
    auto* inst = new Instance(*this, cls);
    Value v(static_cast<Object*>(inst));
    for (auto& a : cls->fieldArrays)
        inst->fields[static_cast<size_t>(a.slot)] = Value::array(a.upper, !a.upper.empty());
    if (cls->init) callProc(cls->init, inst, {});
    return v;
}

Value Interpreter::newObject(const std::u16string& name) {
    std::u16string lower = toLower(name);
    if (Global* g = findGlobal(lower); g && g->cls) return newInstance(g->cls);
    if (auto* f = engine.builtins().findClass(lower)) {
        Ref<Object> o;
        guardHost([&] { o = (*f)(ctx); });
        if (!o) throwError(506);
        return Value(o.get());
    }
    throwError(506);
}

Value Interpreter::callValue(const Value& target0, std::span<Value* const> args, InvokeKind kind) {
    const Value& target = target0.deref();
    if (target.isArray()) {
        if (args.empty()) return target;
        Value idx[8];
        std::vector<Value> big;
        std::span<const Value> ix;
        if (args.size() <= 8) {
            for (size_t i = 0; i < args.size(); ++i) idx[i] = args[i]->deref();
            ix = std::span<const Value>(idx, args.size());
        } else {
            for (auto* a : args) big.push_back(a->deref());
            ix = big;
        }
        return *arrayElement(target.arr(), ix);
    }
    if (target.isObject()) {
        Object* o = target.obj();
        if (!o) throwError(91);
        if (o->engineKind() == kInstanceKind) {
            auto* inst = static_cast<Instance*>(o);
            if (!inst->cls->defaultMember) throwError(438);
            ClassMember* m = inst->cls->defaultMember;
            Procedure* p = m->kind == ClassMember::Method ? m->method : m->get;
            if (!p) throwError(438);
            return callProc(p, inst, args);
        }
        Value r;
        invokeHost(o, u"", kind, args, r);
        return r;
    }
    if (args.empty()) return target;
    throwError(13);
}

Value Interpreter::getMember(const Value& obj0, const std::u16string& name,
                             const std::u16string& lower, std::span<Value* const> args,
                             InvokeKind kind) {
    const Value& obj = obj0.deref();
    Object* o = obj.obj();
    if (!o) throwError(424);
    if (o->engineKind() == kInstanceKind) {
        auto* inst = static_cast<Instance*>(o);
        const ClassMember* m = lower.empty() ? inst->cls->defaultMember : inst->cls->find(lower);
        if (!m || (!m->isPublic && activeMe != inst)) throwError(438);
        switch (m->kind) {
            case ClassMember::Field: {
                Value v = inst->fields[static_cast<size_t>(m->field)];
                if (args.empty()) return v;
                return callValue(v, args, kind);
            }
            case ClassMember::Method:
                return callProc(m->method, inst, args);
            case ClassMember::Property:
                if (!m->get) throwError(438);
                return callProc(m->get, inst, args);
        }
    }
    Value r;
    invokeHost(o, name, kind, args, r);
    return r;
}

void Interpreter::setMember(const Value& obj0, const std::u16string& name,
                            const std::u16string& lower, std::span<Value* const> args, Value v,
                            bool isSet) {
    const Value& obj = obj0.deref();
    Object* o = obj.obj();
    if (!o) throwError(424);
    Ref<Object> keep(o);
    if (o->engineKind() == kInstanceKind) {
        auto* inst = static_cast<Instance*>(o);
        const ClassMember* m = lower.empty() ? inst->cls->defaultMember : inst->cls->find(lower);
        if (!m || (!m->isPublic && activeMe != inst)) throwError(438);
        switch (m->kind) {
            case ClassMember::Field: {
                Value& field = inst->fields[static_cast<size_t>(m->field)];
                if (args.empty()) {
                    field = std::move(v);
                    return;
                }
                if (field.isArray()) {
                    std::vector<Value> idx;
                    for (auto* a : args) idx.push_back(a->deref());
                    *arrayElement(field.uniqueArray(), idx) = std::move(v);
                    return;
                }
                if (field.isObject()) return setMember(field, u"", u"", args, std::move(v), isSet);
                throwError(13);
            }
            case ClassMember::Method:
                throwError(438);
            case ClassMember::Property: {
                Procedure* p = isSet ? m->set : m->let;
                if (!p) throwError(isSet ? 438 : (m->set ? 438 : 438));
                std::vector<Value*> all(args.begin(), args.end());
                all.push_back(&v);
                callProc(p, inst, all);
                return;
            }
        }
    }
    std::vector<Value*> all(args.begin(), args.end());
    all.push_back(&v);
    Value ignored;
    pause();
    try {
        guardHost(
            [&] { o->invoke(name, isSet ? InvokeKind::Set : InvokeKind::Let, all, ignored); });
    } catch (...) {
        resume();
        throw;
    }
    resume();
}

}  // namespace vbs
