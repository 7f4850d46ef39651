#pragma once
// Calling scripting objects the way the engine does, for tests that do not
// need a running script.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>
#include <vector>

#include "vbscript/object.h"
#include "vbscript/value.h"

namespace ScriptingTest {

inline vbs::Value invoke(vbs::Object& o, std::u16string_view name,
                         std::vector<vbs::Value> args = {},
                         vbs::InvokeKind kind = vbs::InvokeKind::Call) {
    std::vector<vbs::Value*> ptrs;
    for (auto& a : args) ptrs.push_back(&a);
    vbs::Value r;
    o.invoke(name, kind, ptrs, r);
    return r;
}

inline vbs::Value get(vbs::Object& o, std::u16string_view name, std::vector<vbs::Value> args = {}) {
    return invoke(o, name, std::move(args), vbs::InvokeKind::Get);
}

inline void let(vbs::Object& o, std::u16string_view name, vbs::Value v) {
    invoke(o, name, {std::move(v)}, vbs::InvokeKind::Let);
}

inline vbs::Object& obj(const vbs::Value& v) {
    EXPECT_TRUE(v.isObject() && v.obj());
    return *v.obj();
}

// The error number a call raises, or 0 when it succeeds.
template <class F>
int errorOf(F&& f) {
    try {
        f();
    } catch (const vbs::ScriptError& e) {
        return e.number;
    }
    return 0;
}

template <class F>
std::u16string errorTextOf(F&& f) {
    try {
        f();
    } catch (const vbs::ScriptError& e) {
        return e.description;
    }
    return {};
}

inline vbs::Value u(const std::string& utf8) { return vbs::Value(vbs::fromUtf8(utf8)); }
inline std::string s(const vbs::Value& v) { return vbs::toUtf8(v.toString()); }

}  // namespace ScriptingTest
