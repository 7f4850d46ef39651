#include "vbscript/engine.h"

#include "Interpreter.h"

namespace vbs {

int HostServices::msgBox(const std::u16string& prompt, int, const std::u16string&) {
    echo(prompt);
    return 1;
}

Value HostServices::inputBox(const std::u16string&, const std::u16string&, const std::u16string&) {
    return Value();
}

Ref<Object> HostServices::createObject(const std::u16string&) { return {}; }

Ref<Object> HostServices::getObject(const std::u16string&, const std::u16string&) { return {}; }

void HostServices::echo(const std::u16string&) {}

Engine::Engine() {
    registerCoreBuiltins(builtins_);
#ifdef VBS_HAVE_RUNTIME_LIBRARY
    registerRuntimeLibrary(builtins_);
#endif
    interp_ = std::make_unique<Interpreter>(*this);
}

Engine::~Engine() = default;

void Engine::AddObject(std::u16string_view name, Ref<Object> object) {
    interp_->addObject(name, std::move(object));
}

void Engine::AddCode(std::u16string_view code) {
    Piece* p = interp_->compile(code, nullptr, false);
    interp_->runTop(p);
}

Value Engine::Eval(std::u16string_view expression) { return interp_->evalTop(expression); }

Value Engine::Run(std::u16string_view name, std::span<Value> args) {
    return interp_->runProcedure(name, args);
}

void Engine::pauseClock() noexcept { interp_->pause(); }
void Engine::resumeClock() noexcept { interp_->resume(); }

}  // namespace vbs
