// The builtin registry, the context built-ins see, and Object's defaults.
#include "vbscript/builtins.h"

#include "vbscript/engine.h"

namespace vbs {

bool Object::enumerate(std::vector<Value>&) { return false; }

void Object::destroy() noexcept {
    static thread_local bool active = false;
    static thread_local std::vector<Object*> pending;
    if (active) {
        pending.push_back(this);
        return;
    }
    active = true;
    delete this;
    while (!pending.empty()) {
        Object* x = pending.back();
        pending.pop_back();
        delete x;
    }
    active = false;
}
std::u16string Object::typeName() const { return u"Object"; }

void BuiltinRegistry::registerFunction(std::u16string_view name, BuiltinFunction fn, int minArgs,
                                       int maxArgs) {
    functions_[toLower(name)] = Function{std::move(fn), minArgs, maxArgs};
}

void BuiltinRegistry::registerConstant(std::u16string_view name, Value value) {
    constants_[toLower(name)] = std::move(value);
}

void BuiltinRegistry::registerClass(std::u16string_view name, ObjectFactory factory) {
    classes_[toLower(name)] = std::move(factory);
}

void BuiltinRegistry::registerProgId(std::u16string_view progId, ObjectFactory factory) {
    progIds_[toLower(progId)] = std::move(factory);
}

const BuiltinRegistry::Function* BuiltinRegistry::findFunction(std::u16string_view name) const {
    auto it = functions_.find(toLower(name));
    return it == functions_.end() ? nullptr : &it->second;
}

const Value* BuiltinRegistry::findConstant(std::u16string_view name) const {
    auto it = constants_.find(toLower(name));
    return it == constants_.end() ? nullptr : &it->second;
}

const ObjectFactory* BuiltinRegistry::findClass(std::u16string_view name) const {
    auto it = classes_.find(toLower(name));
    return it == classes_.end() ? nullptr : &it->second;
}

const ObjectFactory* BuiltinRegistry::findProgId(std::u16string_view progId) const {
    auto it = progIds_.find(toLower(progId));
    return it == progIds_.end() ? nullptr : &it->second;
}

HostServices* BuiltinContext::host() const noexcept { return engine_.hostServices(); }

BuiltinContext::HostPause::HostPause(Engine& e) : e_(e) { e_.pauseClock(); }
BuiltinContext::HostPause::~HostPause() { e_.resumeClock(); }

int BuiltinContext::msgBox(const std::u16string& prompt, int buttons, const std::u16string& title) {
    HostPause p(engine_);
    if (HostServices* h = host()) return h->msgBox(prompt, buttons, title);
    return 1;
}

Value BuiltinContext::inputBox(const std::u16string& prompt, const std::u16string& title,
                               const std::u16string& defaultText) {
    HostPause p(engine_);
    if (HostServices* h = host()) return h->inputBox(prompt, title, defaultText);
    return Value();
}

Ref<Object> BuiltinContext::createObject(const std::u16string& progId) {
    if (const ObjectFactory* f = engine_.builtins().findProgId(progId)) {
        Ref<Object> o = (*f)(*this);
        if (o) return o;
    }
    if (HostServices* h = host()) {
        HostPause p(engine_);
        if (Ref<Object> o = h->createObject(progId)) return o;
    }
    throwError(429);
}

Ref<Object> BuiltinContext::getObject(const std::u16string& path, const std::u16string& progId) {
    if (HostServices* h = host()) {
        HostPause p(engine_);
        if (Ref<Object> o = h->getObject(path, progId)) return o;
    }
    throwError(429);
}

void BuiltinContext::echo(const std::u16string& text) {
    HostPause p(engine_);
    if (HostServices* h = host()) h->echo(text);
}

}  // namespace vbs
