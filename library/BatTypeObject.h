#pragma once
#include <vbscript/object.h>

#include <QPointer>

#include "BatType.h"

// BatType as scripts reach it (registered as "CBatCode"): member names in
// any letter case, arguments converted to text, results as text.
class BatTypeObject : public vbs::Object {
  public:
    explicit BatTypeObject(BatType* control) : control_(control) {}

    void invoke(std::u16string_view name, vbs::InvokeKind kind, std::span<vbs::Value* const> args,
                vbs::Value& result) override;
    std::u16string typeName() const override { return u"BatType"; }

  private:
    BatType& control() const;
    QPointer<BatType> control_;
};
