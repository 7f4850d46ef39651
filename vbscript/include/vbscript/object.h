// The late-bound object interface shared by host objects, built-in objects
// (Dictionary, RegExp) and the engine's own class instances.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "vbscript/value.h"

namespace vbs {

// How a member is reached: obj.P (Get), obj.P = v (Let), Set obj.P = o (Set),
// obj.M a, b (Call). The default member has the empty name.
enum class InvokeKind { Get, Let, Set, Call };

class Object {
  public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    // Late-bound access. `name` is as the script wrote it: compare it with
    // iequals(). args[i] points at the argument; when the script passed a
    // variable by reference, writing *args[i] changes that variable. For Let
    // and Set the assigned value is the last element of args. Store what the
    // member returns in `result` (leave it Empty for none). Report failures
    // by throwing ScriptError (throwError(438) for an unknown member); the
    // script sees them in Err with number, description and source.
    virtual void invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                        Value& result) = 0;

    // For Each: fill `items` with what the loop visits (a Dictionary's keys).
    // Return false when the object is not a collection (error 451).
    virtual bool enumerate(std::vector<Value>& items);

    // TypeName of the object ("Dictionary", "IRegExp2", a class name...).
    virtual std::u16string typeName() const;

    void addRef() noexcept { ++refs_; }
    void release() noexcept {
        if (--refs_ == 0) destroy();
    }
    int32_t refCount() const noexcept { return refs_; }
    // Engine-internal: non-zero for the engine's own class instances.
    int32_t engineKind() const noexcept { return engineKind_; }
    // Whether a call into this object stops the script's clock (a host
    // object may open a dialog). Objects that never block set it false.
    bool pausesClock() const noexcept { return pausesClock_; }

  protected:
    // Called when the last reference goes. The default deletes the object;
    // chains of objects freeing each other are unwound without deep
    // recursion. Script classes run Class_Terminate here first.
    virtual void destroy() noexcept;
    int32_t engineKind_ = 0;
    bool pausesClock_ = true;  // set false in objects that never wait (Dictionary, RegExp)

  private:
    int32_t refs_ = 0;
};

// Owning pointer to an Object, counting references.
template <class T>
class Ref {
  public:
    Ref() noexcept = default;
    Ref(T* p) noexcept : p_(p) {
        if (p_) p_->addRef();
    }
    Ref(const Ref& o) noexcept : Ref(o.p_) {}
    Ref(Ref&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    template <class U>
    Ref(const Ref<U>& o) noexcept : Ref(o.get()) {}
    ~Ref() {
        if (p_) p_->release();
    }
    Ref& operator=(Ref o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }
    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    T& operator*() const noexcept { return *p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

  private:
    T* p_ = nullptr;
};

template <class T, class... A>
Ref<T> makeRef(A&&... a) {
    return Ref<T>(new T(std::forward<A>(a)...));
}

}  // namespace vbs
