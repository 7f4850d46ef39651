// WScript.Arguments and its Unnamed part: a list of texts by position.
// The full list also offers Named and Unnamed.
#pragma once

#include <string>
#include <vector>

#include "HostObject.h"

namespace scripting {

class WshArguments : public HostObject<WshArguments> {
  public:
    // `all` is every argument as given; the top-level list sorts them into
    // named ("/name:value", "/name") and unnamed ones.
    WshArguments(std::vector<std::u16string> all, bool topLevel);
    static const std::vector<Member<WshArguments>>& members();
    std::u16string typeName() const override { return top_ ? u"IWshArguments2" : u"IWshUnnamed"; }
    bool enumerate(std::vector<vbs::Value>& items) override;

  private:
    vbs::Value item(int32_t index) const;
    std::vector<std::u16string> items_;
    bool top_;
};

}  // namespace scripting
