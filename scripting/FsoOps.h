// The file operations behind FileSystemObject, File and Folder, on native
// paths. Failures raise the language's file errors (see fspath::throwErrno).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TextStream.h"

namespace scripting::fsops {

// Attribute bits as scripts test them.
enum Attribute : int32_t {
    ReadOnly = 1,
    Hidden = 2,
    System = 4,
    Directory = 16,
    Archive = 32,
    Alias = 1024,
};

// Sources may carry "*" and "?" in their last component. A destination
// ending in a separator, or naming an existing folder, receives the items.
void copyFile(const std::string& source, const std::string& dest, bool overwrite);
void copyFolder(const std::string& source, const std::string& dest, bool overwrite);
void moveFile(const std::string& source, const std::string& dest);
void moveFolder(const std::string& source, const std::string& dest);
void deleteFile(const std::string& pattern, bool force);
void deleteFolder(const std::string& pattern, bool force);
void createFolder(const std::string& path);

// iomode 1 reading, 2 writing, 8 appending; format 0 ANSI, -1 UTF-16,
// -2 the system default (UTF-8 here).
vbs::Ref<TextStream> openText(const std::string& path, int32_t iomode, bool create, int32_t format);
vbs::Ref<TextStream> createText(const std::string& path, bool overwrite, bool unicode);

int32_t attributes(const std::string& path);
void setAttributes(const std::string& path, int32_t attributes);
std::u16string typeText(const std::string& path, bool folder);
double folderSize(const std::string& path);
// Names in a folder, sorted, without "." and "..".
std::vector<std::string> list(const std::string& folder, bool folders);
// Raises 76 (folder) or 53 (file) when the item is missing.
void requireFolder(const std::string& path);
void requireFile(const std::string& path);

}  // namespace scripting::fsops
