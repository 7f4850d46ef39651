// Base of the objects scripts reach on this host (FileSystemObject, the
// WScript object, WScript.Shell ...): a member table looked up by name, so
// each object lists its members once and the late-bound plumbing lives here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "vbscript/object.h"
#include "vbscript/value.h"

namespace scripting {

using Args = std::span<vbs::Value* const>;

// Argument helpers. A trailing argument left out is absent; one left out in
// the middle is the "missing" error value. Both count as omitted.
bool omitted(Args args, std::size_t i);
const vbs::Value& arg(Args args, std::size_t i);  // error 450 when omitted
std::u16string argText(Args args, std::size_t i);
std::u16string optText(Args args, std::size_t i, std::u16string_view fallback);
bool optBool(Args args, std::size_t i, bool fallback);
int32_t optLong(Args args, std::size_t i, int32_t fallback);
void requireArgs(Args args, std::size_t min, std::size_t max);

// Raises an error for something that Windows offers but Linux has no
// counterpart for, so a script fails loudly instead of silently doing nothing.
[[noreturn]] void throwUnsupported(std::u16string_view member, std::u16string_view why);

// An object as a script value; the value takes its own reference.
template <class T>
vbs::Value objectValue(T* o) {
    return vbs::Value(static_cast<vbs::Object*>(o));
}
template <class T>
vbs::Value objectValue(const vbs::Ref<T>& o) {
    return vbs::Value(static_cast<vbs::Object*>(o.get()));
}

// For a property that returns a collection: `obj.Files("a.txt")` passes the
// arguments on to the collection's default member, as late binding does.
void forwardArgs(vbs::Value& result, Args args);

template <class T>
struct Member {
    std::u16string_view name;
    // Get and Call. Null: the member cannot be read (error 438).
    void (*get)(T& self, Args args, vbs::Value& result);
    // Let and Set, with the assigned value last in args. Null: read-only.
    void (*let)(T& self, Args args) = nullptr;
};

template <class T>
class HostObject : public vbs::Object {
  public:
    void invoke(std::u16string_view name, vbs::InvokeKind kind, Args args,
                vbs::Value& result) override {
        for (const Member<T>& m : T::members()) {
            if (!vbs::iequals(m.name, name)) continue;
            T& self = static_cast<T&>(*this);
            if (kind == vbs::InvokeKind::Let || kind == vbs::InvokeKind::Set) {
                if (!m.let) vbs::throwError(450);
                m.let(self, args);
            } else {
                if (!m.get) vbs::throwError(438);
                m.get(self, args, result);
            }
            return;
        }
        vbs::throwError(438);
    }
};

}  // namespace scripting
