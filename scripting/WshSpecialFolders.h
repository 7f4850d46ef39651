// WshShell.SpecialFolders: the user's folders under their Windows names,
// mapped to the XDG folders of the Linux desktop. Names without a Linux
// counterpart give "", as unknown names do on Windows.
#pragma once

#include "HostObject.h"

namespace scripting {

class WshSpecialFolders : public HostObject<WshSpecialFolders> {
  public:
    static const std::vector<Member<WshSpecialFolders>>& members();
    std::u16string typeName() const override { return u"IWshCollection"; }
    bool enumerate(std::vector<vbs::Value>& items) override;

    static std::u16string path(std::u16string_view name);
};

}  // namespace scripting
