// The File object of FileSystemObject: one file on disk, by its path.
#pragma once

#include <string>

#include "HostObject.h"

namespace scripting {

class FsoFile : public HostObject<FsoFile> {
  public:
    explicit FsoFile(std::string path) : path_(std::move(path)) {}
    static const std::vector<Member<FsoFile>>& members();
    std::u16string typeName() const override { return u"File"; }
    const std::string& path() const { return path_; }

  private:
    void rename(const std::u16string& name);
    std::string path_;
};

// Date members shared by File and Folder: 0 created, 1 accessed, 2 modified.
vbs::Value itemDate(const std::string& path, int which);

}  // namespace scripting
