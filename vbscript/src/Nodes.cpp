// Evaluation of expressions and execution of statements.
#include "Nodes.h"

#include <cmath>
#include <new>

#include "ErrObject.h"

namespace vbs {

namespace {
constexpr int kInstanceKind = 1;

// Arguments of one call: pointers to variables (ByRef) or to temporaries.
struct ArgPack {
    static constexpr size_t kSmall = 4;
    // Array elements passed ByRef are copied in and written back after the
    // call, so a callee that resizes the array cannot leave a dangling pointer.
    struct WriteBack {
        NameExpr* var;
        size_t arg;
        std::vector<Value> idx;
    };
    alignas(Value) unsigned char smallTemps[kSmall * sizeof(Value)];
    Value* smallPtrs[kSmall];
    std::unique_ptr<Value[]> bigTemps;
    std::unique_ptr<Value*[]> bigPtrs;
    std::unique_ptr<std::vector<WriteBack>> writeBacks;
    Value* temps;
    Value** ptrs;
    size_t n;

    explicit ArgPack(size_t count) : n(count) {
        if (count <= kSmall) {
            temps = reinterpret_cast<Value*>(smallTemps);
            for (size_t i = 0; i < count; ++i) new (temps + i) Value();
            ptrs = smallPtrs;
        } else {
            bigTemps = std::make_unique<Value[]>(count);
            bigPtrs = std::make_unique<Value*[]>(count);
            temps = bigTemps.get();
            ptrs = bigPtrs.get();
        }
    }
    ~ArgPack() {
        if (!bigTemps)
            for (size_t i = n; i-- > 0;) temps[i].~Value();
    }
    ArgPack(const ArgPack&) = delete;
    ArgPack& operator=(const ArgPack&) = delete;
    std::span<Value* const> span() const { return {ptrs, n}; }
};

Value* arrayVarOf(Frame& f, Expr* e, NameExpr*& name) {
    if (e->ek != ExprKind::Call) return nullptr;
    auto* c = static_cast<CallExpr*>(e);
    if (c->args.empty() || c->target->ek != ExprKind::Name) return nullptr;
    name = static_cast<NameExpr*>(c->target.get());
    switch (name->kind) {
        case NameKind::Local:
        case NameKind::Field:
        case NameKind::Global:
        case NameKind::DynLocal:
            break;
        default:
            return nullptr;
    }
    Value* v = name->slot(f, false);
    return v && v->isArray() ? v : nullptr;
}

void bindArgs(Frame& f, std::vector<ExprPtr>& args, ArgPack& pack, bool byRef) {
    for (size_t i = 0; i < args.size(); ++i) {
        Expr* a = args[i].get();
        if (byRef) {
            if (a->ek == ExprKind::Name) {
                if (Value* p = a->ref(f)) {
                    pack.ptrs[i] = p;
                    continue;
                }
            }
            NameExpr* name = nullptr;
            if (Value* arr = arrayVarOf(f, a, name)) {
                auto* c = static_cast<CallExpr*>(a);
                ArgPack::WriteBack wb{name, i, {}};
                for (auto& ix : c->args) wb.idx.push_back(ix->eval(f));
                arr = name->slot(f, false);
                if (!arr || !arr->isArray()) throwError(13);
                pack.temps[i] = *arrayElement(arr->arr(), wb.idx);
                pack.ptrs[i] = &pack.temps[i];
                if (!pack.writeBacks)
                    pack.writeBacks = std::make_unique<std::vector<ArgPack::WriteBack>>();
                pack.writeBacks->push_back(std::move(wb));
                continue;
            }
        }
        pack.temps[i] = a->eval(f);
        pack.ptrs[i] = &pack.temps[i];
    }
}

void writeBack(Frame& f, ArgPack& pack) {
    if (!pack.writeBacks) return;
    for (auto& wb : *pack.writeBacks) {
        Value* arr = wb.var->slot(f, false);
        if (!arr || !arr->isArray()) continue;
        try {
            *arrayElement(arr->uniqueArray(), wb.idx) = pack.temps[wb.arg];
        } catch (const ScriptError&) {
            // The array shrank meanwhile: nothing to write back to.
        }
    }
}

Value withObject(Frame& f) {
    if (f.with.empty()) throwError(505);
    return f.with.back();
}

Value callIntrinsic(Frame& f, IntrinsicId id, std::span<Value> args) {
    Interpreter& in = f.in;
    switch (id) {
        case IntrinsicId::Eval:
            if (args.size() != 1) throwError(450);
            return in.evalIn(f, args[0]);
        case IntrinsicId::Execute:
        case IntrinsicId::ExecuteGlobal:
            if (args.size() != 1) throwError(450);
            in.execute(f, args[0], id == IntrinsicId::ExecuteGlobal);
            return Value();
        case IntrinsicId::GetRef:
            if (args.size() != 1) throwError(450);
            return in.getRef(args[0]);
    }
    return Value();
}

Value callBuiltinArgs(Frame& f, const BuiltinRegistry::Function* fn, std::vector<ExprPtr>& args) {
    Value small[6];
    std::vector<Value> big;
    Value* vals = small;
    if (args.size() > 6) {
        big.resize(args.size());
        vals = big.data();
    }
    for (size_t i = 0; i < args.size(); ++i) vals[i] = args[i]->eval(f);
    // Trailing omitted arguments are simply absent.
    size_t n = args.size();
    while (n > 0 && args[n - 1]->ek == ExprKind::Missing) --n;
    return f.in.callBuiltin(fn, std::span<Value>(vals, n));
}
}  // namespace

void Expr::assign(Frame&, Value, bool) { throwError(501); }

// ---- names ----

Value* NameExpr::slot(Frame& f, bool forWrite) {
    switch (kind) {
        case NameKind::Local: {
            Value& v = f.locals[index];
            return v.isByRef() ? v.refTarget() : &v;
        }
        case NameKind::Field:
            if (!f.me) throwError(424);
            return &f.me->fields[static_cast<size_t>(index)];
        case NameKind::Global: {
            Global& g = *global;
            if (g.plain) return &g.value;
            if (g.proc || g.cls) return nullptr;
            if (!g.declared) {
                if (explicitMode) throwError(500);
                g.declared = true;
                g.refresh();
            }
            if (forWrite && g.isConst) throwError(501);
            return &g.value;
        }
        case NameKind::DynLocal: {
            if (Value* p = f.dynLookup(lower, false)) return p;
            if (Global* g = f.in.findGlobal(lower); g && g->declared && !g->proc && !g->cls) {
                if (forWrite && g->isConst) throwError(501);
                return &g->value;
            }
            if (explicitMode) throwError(500);
            return forWrite ? f.dynLookup(lower, true) : nullptr;
        }
        case NameKind::ReturnSlot:
            return &f.retval;
        case NameKind::Implicit: {
            Global& g = *global;
            if (g.declared && !g.proc && !g.cls) {
                if (forWrite && g.isConst) throwError(501);
                return &g.value;
            }
            if (g.proc || g.cls) return nullptr;
            Value& v = f.locals[index];
            return v.isByRef() ? v.refTarget() : &v;
        }
        default:
            return nullptr;
    }
}

Value* NameExpr::ref(Frame& f) {
    switch (kind) {
        case NameKind::Local:
        case NameKind::Field:
        case NameKind::Implicit:
        case NameKind::DynLocal:
            return slot(f, true);
        case NameKind::Global: {
            Global& g = *global;
            if (g.proc || g.cls || g.isConst) return nullptr;
            return slot(f, true);
        }
        default:
            return nullptr;
    }
}

const Value* NameExpr::peek(Frame& f) {
    switch (kind) {
        case NameKind::Local:
            return &f.locals[index].deref();
        case NameKind::Const:
            return &constValue;
        case NameKind::Global: {
            const Global& g = *global;
            return g.declared && !g.proc && !g.cls ? &g.value : nullptr;
        }
        default:
            return nullptr;
    }
}

Value NameExpr::eval(Frame& f) {
    switch (kind) {
        case NameKind::Local:
            return f.locals[index].deref();
        case NameKind::Const:
            return constValue;
        case NameKind::Global: {
            Global& g = *global;
            if (g.proc) return f.in.callProc(g.proc, nullptr, {});
            if (g.cls) throwError(13);
            if (!g.declared && explicitMode) throwError(500);
            return g.value;
        }
        case NameKind::Field:
            if (!f.me) throwError(424);
            return f.me->fields[static_cast<size_t>(index)];
        case NameKind::MeMember:
            if (!f.me) throwError(424);
            return f.in.getMember(Value(static_cast<Object*>(f.me)), name, lower, {},
                                  InvokeKind::Get);
        case NameKind::Builtin:
            return f.in.callBuiltin(builtin, {});
        case NameKind::Intrinsic:
            throwError(450);
        case NameKind::Implicit: {
            Global& g = *global;
            if (g.proc) return f.in.callProc(g.proc, nullptr, {});
            Value* p = slot(f, false);
            return p ? *p : Value();
        }
        case NameKind::ReturnSlot:
        case NameKind::DynLocal: {
            Value* p = slot(f, false);
            return p ? *p : Value();
        }
        default:
            throwError(500);
    }
}

void NameExpr::assign(Frame& f, Value v, bool isSet) {
    switch (kind) {
        case NameKind::Const:
        case NameKind::Builtin:
        case NameKind::Intrinsic:
            throwError(501);
        case NameKind::MeMember:
            if (!f.me) throwError(424);
            f.in.setMember(Value(static_cast<Object*>(f.me)), name, lower, {}, std::move(v), isSet);
            return;
        default:
            break;
    }
    Value* p = slot(f, true);
    if (!p) throwError(501);
    *p = std::move(v);
}

Value MeExpr::eval(Frame& f) {
    if (!f.me) throwError(424);
    return Value(static_cast<Object*>(f.me));
}

Value WithObjExpr::eval(Frame& f) { return withObject(f); }

Value NewExpr::eval(Frame& f) { return f.in.newObject(name); }

// ---- members and calls ----

Value MemberExpr::eval(Frame& f) {
    Value o = object ? object->eval(f) : withObject(f);
    return f.in.getMember(o, name, lower, {}, InvokeKind::Get);
}

void MemberExpr::assign(Frame& f, Value v, bool isSet) {
    Value o = object ? object->eval(f) : withObject(f);
    f.in.setMember(o, name, lower, {}, std::move(v), isSet);
}

Value CallExpr::eval(Frame& f) {
    Interpreter& in = f.in;
    InvokeKind kind = statement ? InvokeKind::Call : InvokeKind::Get;
    if (target->ek == ExprKind::Name) {
        auto* n = static_cast<NameExpr*>(target.get());
        switch (n->kind) {
            case NameKind::Builtin:
                return callBuiltinArgs(f, n->builtin, args);
            case NameKind::Intrinsic: {
                std::vector<Value> vals;
                for (auto& a : args) vals.push_back(a->eval(f));
                return callIntrinsic(f, n->intrinsic, vals);
            }
            case NameKind::Implicit:
            case NameKind::Global: {
                Global& g = *n->global;
                if (g.proc) {
                    ArgPack pack(args.size());
                    bindArgs(f, args, pack, true);
                    Value r = in.callProc(g.proc, nullptr, pack.span());
                    writeBack(f, pack);
                    return r;
                }
                break;
            }
            case NameKind::MeMember: {
                if (!f.me) throwError(424);
                ArgPack pack(args.size());
                bindArgs(f, args, pack, true);
                Value r = in.getMember(Value(static_cast<Object*>(f.me)), n->name, n->lower,
                                       pack.span(), kind);
                writeBack(f, pack);
                return r;
            }
            default:
                break;
        }
        // A variable: index an array, or call an object's default member.
        Value* var = n->kind == NameKind::Const ? nullptr : n->slot(f, false);
        if (var && var->isArray() && !args.empty()) {
            Value idx[6];
            std::vector<Value> big;
            Value* ix = idx;
            if (args.size() > 6) {
                big.resize(args.size());
                ix = big.data();
            }
            for (size_t i = 0; i < args.size(); ++i) ix[i] = args[i]->eval(f);
            var = n->slot(f, false);  // evaluating indexes may have changed it
            if (!var || !var->isArray()) throwError(13);
            return *arrayElement(var->arr(), std::span<const Value>(ix, args.size()));
        }
        Value v = var ? *var : n->eval(f);
        ArgPack pack(args.size());
        bindArgs(f, args, pack, true);
        Value r = in.callValue(v, pack.span(), kind);
        writeBack(f, pack);
        return r;
    }
    if (target->ek == ExprKind::Member) {
        auto* m = static_cast<MemberExpr*>(target.get());
        Value o = m->object ? m->object->eval(f) : withObject(f);
        ArgPack pack(args.size());
        bindArgs(f, args, pack, true);
        Value r = in.getMember(o, m->name, m->lower, pack.span(), kind);
        writeBack(f, pack);
        return r;
    }
    Value v = target->eval(f);
    ArgPack pack(args.size());
    bindArgs(f, args, pack, false);
    return in.callValue(v, pack.span(), kind);
}

void CallExpr::assign(Frame& f, Value v, bool isSet) {
    Interpreter& in = f.in;
    if (target->ek == ExprKind::Name) {
        auto* n = static_cast<NameExpr*>(target.get());
        if (n->kind == NameKind::MeMember) {
            ArgPack pack(args.size());
            bindArgs(f, args, pack, false);
            if (!f.me) throwError(424);
            in.setMember(Value(static_cast<Object*>(f.me)), n->name, n->lower, pack.span(),
                         std::move(v), isSet);
            return;
        }
        if (args.size() == 1) {
            // a(i) = v, the common case, without an argument pack.
            Value idx = args[0]->eval(f);
            Value* var = n->slot(f, true);
            if (!var) throwError(501);
            if (var->isArray()) {
                *arrayElement(var->uniqueArray(), std::span<const Value>(&idx, 1)) = std::move(v);
                return;
            }
            if (var->isObject()) {
                Value* one[1] = {&idx};
                in.setMember(*var, u"", u"", std::span<Value* const>(one, 1), std::move(v), isSet);
                return;
            }
            throwError(13);
        }
        ArgPack pack(args.size());
        bindArgs(f, args, pack, false);
        Value* var = n->slot(f, true);
        if (!var) throwError(501);
        if (var->isArray()) {
            *arrayElement(var->uniqueArray(), std::span<const Value>(pack.temps, pack.n)) =
                std::move(v);
            return;
        }
        if (var->isObject()) {
            in.setMember(*var, u"", u"", pack.span(), std::move(v), isSet);
            return;
        }
        throwError(13);
    }
    if (target->ek == ExprKind::Member) {
        auto* m = static_cast<MemberExpr*>(target.get());
        Value o = m->object ? m->object->eval(f) : withObject(f);
        ArgPack pack(args.size());
        bindArgs(f, args, pack, false);
        in.setMember(o, m->name, m->lower, pack.span(), std::move(v), isSet);
        return;
    }
    if (target->ek == ExprKind::Call) {
        // a(i)(j) = v: the inner array is written where it lives.
        ArgPack pack(args.size());
        bindArgs(f, args, pack, false);
        Value* inner = static_cast<CallExpr*>(target.get())->elementRef(f);
        if (inner && inner->isArray()) {
            *arrayElement(inner->uniqueArray(), std::span<const Value>(pack.temps, pack.n)) =
                std::move(v);
            return;
        }
        Value o = inner ? *inner : target->eval(f);
        if (o.isObject()) {
            in.setMember(o, u"", u"", pack.span(), std::move(v), isSet);
            return;
        }
        throwError(inner ? 13 : 501);
    }
    throwError(501);
}

Value* CallExpr::elementRef(Frame& f) {
    ArgPack pack(args.size());
    bindArgs(f, args, pack, false);
    Value* base = nullptr;
    if (target->ek == ExprKind::Name) {
        auto* n = static_cast<NameExpr*>(target.get());
        if (n->kind == NameKind::MeMember) return nullptr;
        base = n->slot(f, true);
    } else if (target->ek == ExprKind::Call) {
        base = static_cast<CallExpr*>(target.get())->elementRef(f);
    }
    if (!base || !base->isArray()) return nullptr;
    return arrayElement(base->uniqueArray(), std::span<const Value>(pack.temps, pack.n));
}

// ---- operators ----

Value BinaryExpr::eval(Frame& f) {
    // Plain variables and literals are read in place; anything else (a call
    // that might change a variable) is evaluated into a copy, left first.
    Value ta, tb;
    const Value* px = nullptr;
    const Value* py = nullptr;
    if (b->ek == ExprKind::Literal || b->ek == ExprKind::Name) px = a->peek(f);
    if (!px) {
        ta = a->eval(f);
        px = &ta;
    }
    py = b->peek(f);
    if (!py) {
        tb = b->eval(f);
        py = &tb;
    }
    const Value& x = *px;
    const Value& y = *py;
    switch (op) {
        case BinOp::Add:
            return opAdd(x, y);
        case BinOp::Sub:
            return opSub(x, y);
        case BinOp::Mul:
            return opMul(x, y);
        case BinOp::Div:
            return opDiv(x, y);
        case BinOp::IntDiv:
            return opIntDiv(x, y);
        case BinOp::Mod:
            return opMod(x, y);
        case BinOp::Pow:
            return opPow(x, y);
        case BinOp::Concat:
            return opConcat(x, y);
        case BinOp::And:
            return opAnd(x, y);
        case BinOp::Or:
            return opOr(x, y);
        case BinOp::Xor:
            return opXor(x, y);
        case BinOp::Eqv:
            return opEqv(x, y);
        case BinOp::Imp:
            return opImp(x, y);
        case BinOp::Is: {
            if (!x.isObject() || !y.isObject()) throwError(424);
            return Value(x.obj() == y.obj());
        }
        default:
            break;
    }
    int c;
    if (x.type() == vtInteger && y.type() == vtInteger)
        c = x.rawInteger() < y.rawInteger() ? -1 : x.rawInteger() > y.rawInteger() ? 1 : 0;
    else if (x.type() == vtLong && y.type() == vtLong)
        c = x.rawLong() < y.rawLong() ? -1 : x.rawLong() > y.rawLong() ? 1 : 0;
    else
        c = compareValues(x, y, a->isNumericLiteral(), b->isNumericLiteral());
    if (c == 2) return Value::null();
    switch (op) {
        case BinOp::Eq:
            return Value(c == 0);
        case BinOp::Ne:
            return Value(c != 0);
        case BinOp::Lt:
            return Value(c < 0);
        case BinOp::Gt:
            return Value(c > 0);
        case BinOp::Le:
            return Value(c <= 0);
        case BinOp::Ge:
            return Value(c >= 0);
        default:
            return Value();
    }
}

Value UnaryExpr::eval(Frame& f) {
    Value x = a->eval(f);
    return isNot ? opNot(x) : opNeg(x);
}

// ---- statements ----

Flow Block::run(Frame& f) const {
    for (const auto& s : list) {
        try {
            Flow fl = s->exec(f);
            if (fl != Flow::Normal) return fl;
        } catch (ScriptError& e) {
            if (e.line == 0) {
                e.line = s->line;
                e.column = s->col;
                if (s->src) e.sourceLine = s->src->line(s->line);
            }
            if (!f.resumeNext || e.fatal) throw;
            f.in.setErrFrom(e);
        } catch (const std::bad_alloc&) {
            ScriptError e(7, errorDescription(7), kRuntimeSource);
            e.line = s->line;
            e.column = s->col;
            if (!f.resumeNext) throw e;
            f.in.setErrFrom(e);
        }
    }
    return Flow::Normal;
}

Flow ExprStmt::exec(Frame& f) {
    e->eval(f);
    return Flow::Normal;
}

namespace {
Value prepare(Value v, bool isSet) {
    if (isSet) {
        if (!v.isObject()) throwError(424);
        return v;
    }
    if (v.isObject()) {
        if (!v.obj()) throwError(91);
        return v.resolved();
    }
    return v;
}

// Condition of If / loops. Under On Error Resume Next a failing condition
// counts as `onError`.
bool condition(Frame& f, Expr* e, bool onError) {
    try {
        return truthy(e->eval(f));
    } catch (ScriptError& err) {
        if (!f.resumeNext || err.fatal) throw;
        f.in.setErrFrom(err);
        return onError;
    }
}
}  // namespace

Flow AssignStmt::exec(Frame& f) {
    target->assign(f, prepare(value->eval(f), isSet), isSet);
    return Flow::Normal;
}

Flow AppendStmt::exec(Frame& f) {
    Value* v = target->slot(f, false);
    if (!v || !v->isString()) {
        target->assign(f, prepare(fallback->eval(f), false), false);
        return Flow::Normal;
    }
    // All parts first (they may read the target: s = s & s), then append.
    Value small[4];
    std::vector<Value> big;
    Value* vals = small;
    if (parts.size() > 4) {
        big.resize(parts.size());
        vals = big.data();
    }
    for (size_t i = 0; i < parts.size(); ++i) vals[i] = parts[i]->eval(f);
    v = target->slot(f, false);
    if (!v || !v->isString()) throwError(13);
    for (size_t i = 0; i < parts.size(); ++i) {
        const Value& d = vals[i].deref();
        if (d.isString())
            v->append(d.str());
        else if (!d.isNull() && !d.isEmpty())
            v->append(d.toString());
    }
    return Flow::Normal;
}

Flow DimStmt::exec(Frame& f) {
    for (auto& item : items) {
        std::vector<int32_t> bounds;
        for (auto& b : item.bounds) {
            int32_t u = b->eval(f).toLong();
            if (u < -1) throwError(9);
            bounds.push_back(u);
        }
        auto* name = static_cast<NameExpr*>(item.var.get());
        Value* var = name->slot(f, true);
        if (!var) throwError(501);
        if (fixed) {
            *var = bounds.empty() ? Value::array(std::vector<int32_t>{}, false)
                                  : Value::array(bounds, true);
            continue;
        }
        if (var->isArray() && var->arr()->fixed) throwError(10);
        Value fresh = Value::array(bounds, false);
        if (preserve && var->isArray() && !var->arr()->upper.empty()) {
            ArrayData* old = var->arr();
            if (old->upper.size() != bounds.size()) throwError(9);
            for (size_t k = 0; k + 1 < bounds.size(); ++k)
                if (old->upper[k] != bounds[k]) throwError(9);
            ArrayData* nu = fresh.arr();
            size_t keep = std::min(old->items.size(), nu->items.size());
            for (size_t i = 0; i < keep; ++i) nu->items[i] = old->items[i];
        }
        *var = std::move(fresh);
    }
    return Flow::Normal;
}

Flow EraseStmt::exec(Frame& f) {
    auto* name = static_cast<NameExpr*>(var.get());
    Value* v = name->slot(f, true);
    if (!v || !v->isArray()) throwError(13);
    if (v->arr()->fixed) {
        for (auto& item : v->uniqueArray()->items) item = Value();
    } else {
        *v = Value::array(std::vector<int32_t>{}, false);
    }
    return Flow::Normal;
}

Flow ConstStmt::exec(Frame& f) {
    auto* name = static_cast<NameExpr*>(var.get());
    if (name->kind == NameKind::Global) {
        Global& g = f.in.global(name->index);
        g.value = v;
        g.isConst = true;
        g.declared = true;
        g.refresh();
        return Flow::Normal;
    }
    if (name->kind == NameKind::Const) return Flow::Normal;
    if (Value* p = name->slot(f, true)) *p = v;
    return Flow::Normal;
}

Flow IfStmt::exec(Frame& f) {
    for (auto& [cond, body] : branches)
        if (condition(f, cond.get(), true)) return body.run(f);
    return elseBlock.run(f);
}

Flow SelectStmt::exec(Frame& f) {
    Value t = test->eval(f);
    bool tLit = test->isNumericLiteral();
    for (auto& c : cases) {
        bool hit = c.isElse;
        for (auto& item : c.items) {
            if (hit) break;
            Value x = item.a->eval(f);
            int r = compareValues(t, x, tLit, item.a->isNumericLiteral());
            if (r == 2) continue;
            switch (item.kind) {
                case CaseClause::Item::Value:
                    hit = r == 0;
                    break;
                case CaseClause::Item::Range: {
                    if (r < 0) break;
                    Value y = item.b->eval(f);
                    int r2 = compareValues(t, y, tLit, item.b->isNumericLiteral());
                    hit = r2 != 2 && r2 <= 0;
                    break;
                }
                case CaseClause::Item::Is:
                    switch (item.op) {
                        case BinOp::Eq:
                            hit = r == 0;
                            break;
                        case BinOp::Ne:
                            hit = r != 0;
                            break;
                        case BinOp::Lt:
                            hit = r < 0;
                            break;
                        case BinOp::Gt:
                            hit = r > 0;
                            break;
                        case BinOp::Le:
                            hit = r <= 0;
                            break;
                        case BinOp::Ge:
                            hit = r >= 0;
                            break;
                        default:
                            break;
                    }
                    break;
            }
        }
        if (hit) return c.body.run(f);
    }
    return Flow::Normal;
}

namespace {
bool wholeType(uint16_t t) {
    return t == vtInteger || t == vtLong || t == vtByte || t == vtBoolean || t == vtEmpty;
}
}  // namespace

Flow ForStmt::exec(Frame& f) {
    Value s = from->eval(f).resolved();
    Value e = to->eval(f).resolved();
    Value st = step ? step->eval(f).resolved() : Value::integer(1);
    if (s.isNull() || e.isNull() || st.isNull()) throwError(94);
    auto* name = static_cast<NameExpr*>(var.get());
    Interpreter& in = f.in;
    // Locals, globals and fields keep their address for the whole loop.
    bool stable = name->kind == NameKind::Local || name->kind == NameKind::Global ||
                  name->kind == NameKind::Field;
    if (wholeType(s.type()) && wholeType(e.type()) && wholeType(st.type())) {
        bool isLong = s.type() == vtLong || e.type() == vtLong || st.type() == vtLong;
        int64_t cur = s.toLong(), end = e.toLong(), inc = st.toLong();
        Value* fixedVar = nullptr;
        auto varPtr = [&](bool write) -> Value* {
            if (fixedVar) return fixedVar;
            Value* p = name->slot(f, write);
            if (!p && write) throwError(501);
            if (stable) fixedVar = p;
            return p;
        };
        auto read = [&]() -> int64_t {
            Value* p = varPtr(false);
            if (!p) return 0;
            if (p->type() == vtInteger) return p->rawInteger();
            if (p->type() == vtLong) return p->rawLong();
            return p->toLong();
        };
        auto store = [&](int64_t x) {
            *varPtr(true) =
                isLong ? Value(static_cast<int32_t>(x)) : Value::integer(static_cast<int16_t>(x));
        };
        store(cur);
        while (true) {
            cur = read();
            if (inc >= 0 ? cur > end : cur < end) break;
            Flow fl = body.run(f);
            if (fl == Flow::ExitFor) break;
            if (fl != Flow::Normal) return fl;
            in.tick();
            int64_t next = read() + inc;
            if (isLong ? (next > INT32_MAX || next < INT32_MIN) : (next > 32767 || next < -32768))
                throwError(6);
            store(next);
        }
        return Flow::Normal;
    }
    double cur = s.toDouble(), end = e.toDouble(), inc = st.toDouble();
    uint16_t type = std::max({s.type() == vtString ? uint16_t(vtDouble) : s.type(),
                              e.type() == vtString ? uint16_t(vtDouble) : e.type(),
                              st.type() == vtString ? uint16_t(vtDouble) : st.type()});
    auto store = [&](double x) {
        Value v = type == vtSingle ? Value::single(static_cast<float>(x))
                  : type == vtCurrency
                      ? Value::currency(static_cast<int64_t>(roundHalfEven(x * 10000)))
                  : type == vtDate ? Value::date(x)
                                   : Value(x);
        Value* p = name->slot(f, true);
        if (!p) throwError(501);
        *p = v;
    };
    store(cur);
    while (true) {
        Value* p = name->slot(f, false);
        cur = p ? p->toDouble() : 0;
        if (inc >= 0 ? cur > end : cur < end) break;
        Flow fl = body.run(f);
        if (fl == Flow::ExitFor) break;
        if (fl != Flow::Normal) return fl;
        in.tick();
        p = name->slot(f, false);
        cur = p ? p->toDouble() : 0;
        store(cur + inc);
    }
    return Flow::Normal;
}

Flow ForEachStmt::exec(Frame& f) {
    std::vector<Value> items;
    Value holder;
    const std::vector<Value>* list = nullptr;
    try {
        holder = collection->eval(f);
        if (holder.isArray()) {
            list = &holder.arr()->items;
        } else if (holder.isObject() && holder.obj()) {
            Object* o = holder.obj();
            bool ok;
            bool timed = o->pausesClock() && f.in.engine.timeout() > 0;
            if (timed) f.in.pause();
            try {
                ok = o->enumerate(items);
            } catch (...) {
                if (timed) f.in.resume();
                throw;
            }
            if (timed) f.in.resume();
            if (!ok) throwError(451);
            list = &items;
        } else if (holder.isObject()) {
            throwError(424);
        } else {
            throwError(451);
        }
    } catch (ScriptError& e) {
        if (!f.resumeNext || e.fatal) throw;
        f.in.setErrFrom(e);
        // The body runs once when the collection cannot be read.
        Flow fl = body.run(f);
        return fl == Flow::ExitFor ? Flow::Normal : fl;
    }
    auto* name = static_cast<NameExpr*>(var.get());
    for (size_t i = 0; i < list->size(); ++i) {
        Value item = (*list)[i];
        Value* p = name->slot(f, true);
        if (!p) throwError(501);
        *p = std::move(item);
        Flow fl = body.run(f);
        if (fl == Flow::ExitFor) break;
        if (fl != Flow::Normal) return fl;
        f.in.tick();
    }
    return Flow::Normal;
}

Flow DoStmt::exec(Frame& f) {
    Interpreter& in = f.in;
    while (true) {
        if (cond && atTop) {
            bool c = condition(f, cond.get(), !until);
            if (until ? c : !c) break;
        }
        Flow fl = body.run(f);
        if (fl == Flow::ExitDo) break;
        if (fl != Flow::Normal) return fl;
        in.tick();
        if (cond && !atTop) {
            bool c = condition(f, cond.get(), until);
            if (until ? c : !c) break;
        }
    }
    return Flow::Normal;
}

Flow OnErrorStmt::exec(Frame& f) {
    f.resumeNext = resumeNext;
    f.in.err().clear();
    return Flow::Normal;
}

Flow WithStmt::exec(Frame& f) {
    f.with.push_back(object->eval(f));
    Flow fl;
    try {
        fl = body.run(f);
    } catch (...) {
        f.with.pop_back();
        throw;
    }
    f.with.pop_back();
    return fl;
}

}  // namespace vbs
