// WshShell.Environment: the process environment. Every kind can be read;
// only "PROCESS" can be changed, since Linux has no lasting system or user
// environment that a running program could rewrite.
#pragma once

#include "HostObject.h"

namespace scripting {

class WshEnvironment : public HostObject<WshEnvironment> {
  public:
    explicit WshEnvironment(std::u16string kind);
    static const std::vector<Member<WshEnvironment>>& members();
    std::u16string typeName() const override { return u"IWshEnvironment"; }
    bool enumerate(std::vector<vbs::Value>& items) override;

    // A variable's value, with the Windows names scripts rely on (TEMP,
    // USERNAME, COMPUTERNAME, USERPROFILE ...) mapped to their Linux
    // counterparts when the environment lacks them. Empty when unknown.
    static std::u16string lookup(std::u16string_view name, bool* found = nullptr);
    // %NAME% replaced by its value; unknown names stay as written.
    static std::u16string expand(std::u16string_view text);

  private:
    void requireWritable() const;
    std::u16string kind_;
};

}  // namespace scripting
