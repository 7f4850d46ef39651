// WScript.Arguments.Named.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "HostObject.h"

namespace scripting {

// WScript.Arguments.Named: "/name:value" switches by name, without regard
// to case; "/name" alone is present with an empty value.
class WshNamedArguments : public HostObject<WshNamedArguments> {
  public:
    explicit WshNamedArguments(const std::vector<std::u16string>& all);
    static const std::vector<Member<WshNamedArguments>>& members();
    std::u16string typeName() const override { return u"IWshNamed"; }
    bool enumerate(std::vector<vbs::Value>& items) override;

    // Splits "/name:value"; false when the text is not a switch.
    static bool parse(const std::u16string& text, std::u16string& name, vbs::Value& value);

  private:
    std::vector<std::pair<std::u16string, vbs::Value>> items_;
};

}  // namespace scripting
