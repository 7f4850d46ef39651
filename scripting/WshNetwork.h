// WScript.Network: who and where the script runs. Windows network drives
// and printer connections have no counterpart and raise an error saying so.
#pragma once

#include "HostObject.h"

namespace scripting {

class WshNetwork : public HostObject<WshNetwork> {
  public:
    static const std::vector<Member<WshNetwork>>& members();
    std::u16string typeName() const override { return u"IWshNetwork2"; }
};

}  // namespace scripting
