// The Drive object. Linux has one tree, so there is one drive: the file
// system holding the root, known to scripts as "C:".
#pragma once

#include "HostObject.h"

namespace scripting {

class FsoDrive : public HostObject<FsoDrive> {
  public:
    static const std::vector<Member<FsoDrive>>& members();
    std::u16string typeName() const override { return u"Drive"; }
    // "C", "C:", "C:\" and "/" name the drive; nothing else does.
    static bool names(std::u16string_view pattern);
};

}  // namespace scripting
