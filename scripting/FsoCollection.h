// Files, Folders and Drives: a snapshot of items with Count, Item and
// For Each. Folders can also Add a subfolder.
#pragma once

#include <string>
#include <vector>

#include "HostObject.h"

namespace scripting {

class FsoCollection : public HostObject<FsoCollection> {
  public:
    enum class Kind { Files, Folders, Drives };
    // For Files and Folders `folder` is the parent; the items are its
    // current content.
    FsoCollection(Kind kind, std::string folder);
    static const std::vector<Member<FsoCollection>>& members();
    std::u16string typeName() const override;
    bool enumerate(std::vector<vbs::Value>& items) override;

  private:
    vbs::Value item(const vbs::Value& key) const;
    vbs::Value make(const std::string& name) const;
    Kind kind_;
    std::string folder_;
    std::vector<std::string> names_;
};

}  // namespace scripting
