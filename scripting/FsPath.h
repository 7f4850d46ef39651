// Paths as scripts write them (C:\dir\file.txt, dir/file.txt) mapped onto the
// Linux tree, the name-only path operations of FileSystemObject, and the
// mapping of system errors to the language's file error numbers.
#pragma once

#include <sys/stat.h>

#include <ctime>
#include <string>
#include <string_view>

namespace scripting::fspath {

// "\" is a folder separator. The system drive "C:" is the root of the tree;
// other drive letters and \\server\share paths have no counterpart, so they
// give false (the caller reports "Path not found" or answers False).
bool toNative(std::u16string_view scriptPath, std::string& native);
// As above, raising error 76 for an unmappable path and 5 for an empty one.
std::string native(std::u16string_view scriptPath);
std::u16string toScript(std::string_view native);

// Name-only operations; they never touch the disk and accept both separators.
std::u16string parentName(std::u16string_view path);
std::u16string fileName(std::u16string_view path);
std::u16string baseName(std::u16string_view path);
std::u16string extensionName(std::u16string_view path);
std::u16string driveName(std::u16string_view path);
std::u16string buildPath(std::u16string_view path, std::u16string_view name);
// Absolute, with "." and ".." resolved by name (GetAbsolutePathName).
std::string absolute(const std::string& native);
std::string parentOf(const std::string& native);
std::string lastName(const std::string& native);
std::string join(const std::string& folder, const std::string& name);

// "*" and "?" in the last component, matched without regard to case as the
// scripts' home platform does.
bool hasWildcard(std::string_view name);
bool wildcardMatch(std::string_view pattern, std::string_view name);

bool statPath(const std::string& native, struct stat& st);
bool isFile(const std::string& native);
bool isFolder(const std::string& native);

// Seconds since 1970 to the language's Date (days since 1899-12-30, local).
double oleDate(std::time_t t);

// Raises the language's error for a failed system call: 53 File not found
// (76 Path not found for folders), 58 File already exists, 70 Permission
// denied, 61 Disk full, 74 Can't rename with different drive, else 75.
[[noreturn]] void throwErrno(int err, bool folder = false);

}  // namespace scripting::fspath
