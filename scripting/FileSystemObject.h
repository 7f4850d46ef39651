// Scripting.FileSystemObject: files, folders and text streams on the Linux
// tree, with paths written either way ("C:\dir\a.txt" or "dir/a.txt").
#pragma once

#include "HostObject.h"

namespace scripting {

class FileSystemObject : public HostObject<FileSystemObject> {
  public:
    static const std::vector<Member<FileSystemObject>>& members();
    std::u16string typeName() const override { return u"FileSystemObject"; }

    // GetSpecialFolder: 0 the system's own files, 1 its programs, 2 the
    // temporary folder (TMPDIR, else /tmp).
    static std::string specialFolder(int32_t which);
};

}  // namespace scripting
