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
    std::u16string typeName() const override {
        return top_ ? u"IWshArguments2" : u"IWshUnnamed";
    }
    bool enumerate(std::vector<vbs::Value>& items) override;

private:
    vbs::Value item(int32_t index) const;
    std::vector<std::u16string> items_;
    bool top_;
};

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
