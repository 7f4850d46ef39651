// The script's Err object.
#pragma once

#include "vbscript/object.h"

namespace vbs {

class ErrObject : public Object {
  public:
    ErrObject() { pausesClock_ = false; }
    void invoke(std::u16string_view name, InvokeKind kind, std::span<Value* const> args,
                Value& result) override;
    std::u16string typeName() const override { return u"ErrObject"; }
    void clear();

    int32_t number = 0;
    std::u16string description, source, helpFile;
    int32_t helpContext = 0;
};

}  // namespace vbs
