// The Folder object of FileSystemObject, with its Files and SubFolders.
#pragma once

#include <string>

#include "HostObject.h"

namespace scripting {

class FsoFolder : public HostObject<FsoFolder> {
  public:
    explicit FsoFolder(std::string path) : path_(std::move(path)) {}
    static const std::vector<Member<FsoFolder>>& members();
    std::u16string typeName() const override { return u"Folder"; }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace scripting
