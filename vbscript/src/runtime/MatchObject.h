#pragma once

#include <string>
#include <vector>

#include "vbscript/object.h"

namespace vbs::runtime {

// One match of RegExp.Execute: Value (the default member), FirstIndex, Length, SubMatches.
class MatchObject : public Object {
  public:
    MatchObject(std::u16string value, int firstIndex, std::vector<Value> subMatches)
        : value_(std::move(value)), firstIndex_(firstIndex), subMatches_(std::move(subMatches)) {
        pausesClock_ = false;
    }

    void invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                Value& result) override;
    std::u16string typeName() const override { return u"IMatch2"; }

  private:
    std::u16string value_;
    int firstIndex_;
    std::vector<Value> subMatches_;  // Empty for a group that took no part
};

}  // namespace vbs::runtime
