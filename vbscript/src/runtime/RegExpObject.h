#pragma once

#include <memory>
#include <string>

#include "vbscript/object.h"
#include "vbscript/runtime/Regex.h"

namespace vbs::runtime {

// The RegExp object: Pattern, IgnoreCase, Global, Multiline, Test, Execute and Replace. The
// pattern is compiled when first used after a change, so a bad pattern fails at that call.
class RegExpObject : public Object {
  public:
    RegExpObject() { pausesClock_ = false; }  // never waits: its time counts toward the time-out
    void invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                Value& result) override;
    std::u16string typeName() const override { return u"IRegExp2"; }

    bool test(std::u16string_view text);
    Value execute(std::u16string_view text);
    std::u16string replace(std::u16string_view text, std::u16string_view replacement);
    // Replace with a function: `replacer` (a GetRef or an object with a default method) is
    // called for each match with the match, its submatches, its FirstIndex and the whole text,
    // and its result is put in place of the match. The caller keeps `replacer` alive.
    std::u16string replace(std::u16string_view text, Object& replacer);

  private:
    // Shared so that a replacer that changes the pattern cannot free the one in use.
    std::shared_ptr<const Regex> regex();
    template <class Expand>
    std::u16string replaceMatches(std::u16string_view text, Expand&& expand);
    bool setProperty(std::u16string_view name, const Value& value);
    static void expand(std::u16string& out, std::u16string_view replacement,
                       std::u16string_view text, const std::vector<int>& caps, int groups);

    std::u16string pattern_;
    bool ignoreCase_ = false;
    bool global_ = false;
    bool multiline_ = false;
    std::shared_ptr<const Regex> compiled_;
};

}  // namespace vbs::runtime
