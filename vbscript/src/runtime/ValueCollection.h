#pragma once

#include <string>
#include <vector>

#include "vbscript/object.h"

namespace vbs::runtime {

// A read-only collection with Count and Item (the default member, indexed from 0), visited by
// For Each: the Matches and SubMatches collections of RegExp.
class ValueCollection : public Object {
  public:
    ValueCollection(std::vector<Value> items, std::u16string typeName)
        : items_(std::move(items)), typeName_(std::move(typeName)) {
        pausesClock_ = false;
    }

    void invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                Value& result) override;
    bool enumerate(std::vector<Value>& items) override;
    std::u16string typeName() const override { return typeName_; }

  private:
    std::vector<Value> items_;
    std::u16string typeName_;
};

}  // namespace vbs::runtime
