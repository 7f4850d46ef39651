#include "FileSystemObject.h"

#include <unistd.h>

#include <cstdlib>
#include <random>

#include "FdSource.h"
#include "FileSink.h"
#include "FsPath.h"
#include "FsoCollection.h"
#include "FsoDrive.h"
#include "FsoFile.h"
#include "FsoFolder.h"
#include "FsoOps.h"
#include "TextStream.h"

namespace scripting {

namespace {

using V = vbs::Value;
using FSO = FileSystemObject;

std::string pathArg(Args a, size_t i) { return fspath::native(argText(a, i)); }

// Existence tests answer False for paths that cannot exist here.
bool exists(Args a, bool folder) {
    std::string n;
    if (!fspath::toNative(argText(a, 0), n) || n.empty()) return false;
    return folder ? fspath::isFolder(n) : fspath::isFile(n);
}

std::u16string tempName() {
    static std::mt19937 gen{std::random_device{}()};
    static const char16_t hex[] = u"0123456789ABCDEF";
    std::u16string name = u"rad";
    for (int i = 0; i < 5; ++i) name += hex[gen() % 16];
    return name + u".tmp";
}

V standardStream(Args a) {
    int32_t which = arg(a, 0).toLong();
    bool unicode = optBool(a, 1, false);
    auto enc = unicode ? TextEncoding::Utf16LE : TextEncoding::Utf8;
    switch (which) {
        case 0:
            return objectValue(TextStream::reader(
                std::make_unique<FdSource>(0),
                unicode ? TextStream::Decoding::Utf16LE : TextStream::Decoding::Auto));
        case 1:
            return objectValue(
                TextStream::writer(std::make_unique<FileSink>(stdout, false), enc, u"\n"));
        case 2:
            return objectValue(
                TextStream::writer(std::make_unique<FileSink>(stderr, false), enc, u"\n"));
        default:
            vbs::throwError(5);
    }
}

const std::vector<Member<FSO>>& table() {
    static const std::vector<Member<FSO>> t = {
        {u"BuildPath",
         [](FSO&, Args a, V& r) { r = V(fspath::buildPath(argText(a, 0), argText(a, 1))); }},
        {u"GetParentFolderName",
         [](FSO&, Args a, V& r) { r = V(fspath::parentName(argText(a, 0))); }},
        {u"GetFileName", [](FSO&, Args a, V& r) { r = V(fspath::fileName(argText(a, 0))); }},
        {u"GetBaseName", [](FSO&, Args a, V& r) { r = V(fspath::baseName(argText(a, 0))); }},
        {u"GetExtensionName",
         [](FSO&, Args a, V& r) { r = V(fspath::extensionName(argText(a, 0))); }},
        {u"GetDriveName", [](FSO&, Args a, V& r) { r = V(fspath::driveName(argText(a, 0))); }},
        {u"GetAbsolutePathName",
         [](FSO&, Args a, V& r) {
             std::u16string p = argText(a, 0);
             r = V(fspath::toScript(
                 fspath::absolute(p.empty() ? std::string(".") : fspath::native(p))));
         }},
        {u"GetTempName", [](FSO&, Args, V& r) { r = V(tempName()); }},
        {u"FileExists", [](FSO&, Args a, V& r) { r = V(exists(a, false)); }},
        {u"FolderExists", [](FSO&, Args a, V& r) { r = V(exists(a, true)); }},
        {u"DriveExists", [](FSO&, Args a, V& r) { r = V(FsoDrive::names(argText(a, 0))); }},
        {u"GetFile",
         [](FSO&, Args a, V& r) {
             std::string p = fspath::absolute(pathArg(a, 0));
             fsops::requireFile(p);
             r = objectValue(new FsoFile(p));
         }},
        {u"GetFolder",
         [](FSO&, Args a, V& r) {
             std::string p = fspath::absolute(pathArg(a, 0));
             fsops::requireFolder(p);
             r = objectValue(new FsoFolder(p));
         }},
        {u"GetDrive",
         [](FSO&, Args a, V& r) {
             if (!FsoDrive::names(argText(a, 0))) vbs::throwError(68);
             r = objectValue(new FsoDrive);
         }},
        {u"Drives",
         [](FSO&, Args a, V& r) {
             r = objectValue(new FsoCollection(FsoCollection::Kind::Drives, ""));
             forwardArgs(r, a);
         }},
        {u"GetSpecialFolder",
         [](FSO&, Args a, V& r) {
             r = objectValue(new FsoFolder(FSO::specialFolder(arg(a, 0).toLong())));
         }},
        {u"GetStandardStream", [](FSO&, Args a, V& r) { r = standardStream(a); }},
        {u"CreateFolder",
         [](FSO&, Args a, V& r) {
             std::string p = fspath::absolute(pathArg(a, 0));
             fsops::createFolder(p);
             r = objectValue(new FsoFolder(p));
         }},
        {u"CreateTextFile",
         [](FSO&, Args a, V& r) {
             r = objectValue(
                 fsops::createText(pathArg(a, 0), optBool(a, 1, true), optBool(a, 2, false)));
         }},
        {u"OpenTextFile",
         [](FSO&, Args a, V& r) {
             r = objectValue(fsops::openText(pathArg(a, 0), optLong(a, 1, 1), optBool(a, 2, false),
                                             optLong(a, 3, 0)));
         }},
        {u"CopyFile",
         [](FSO&, Args a, V&) {
             fsops::copyFile(pathArg(a, 0), pathArg(a, 1), optBool(a, 2, true));
         }},
        {u"CopyFolder",
         [](FSO&, Args a, V&) {
             fsops::copyFolder(pathArg(a, 0), pathArg(a, 1), optBool(a, 2, true));
         }},
        {u"MoveFile", [](FSO&, Args a, V&) { fsops::moveFile(pathArg(a, 0), pathArg(a, 1)); }},
        {u"MoveFolder", [](FSO&, Args a, V&) { fsops::moveFolder(pathArg(a, 0), pathArg(a, 1)); }},
        {u"DeleteFile",
         [](FSO&, Args a, V&) { fsops::deleteFile(pathArg(a, 0), optBool(a, 1, false)); }},
        {u"DeleteFolder",
         [](FSO&, Args a, V&) { fsops::deleteFolder(pathArg(a, 0), optBool(a, 1, false)); }},
        {u"GetFileVersion",
         [](FSO&, Args a, V& r) {
             fsops::requireFile(fspath::absolute(pathArg(a, 0)));
             r = V(u"");  // Linux programs carry no version resource.
         }},
    };
    return t;
}

}  // namespace

const std::vector<Member<FileSystemObject>>& FileSystemObject::members() { return table(); }

std::string FileSystemObject::specialFolder(int32_t which) {
    switch (which) {
        case 0:
            return "/etc";
        case 1:
            return "/usr/bin";
        case 2: {
            const char* t = std::getenv("TMPDIR");
            std::string dir = t && *t ? t : "/tmp";
            while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
            return dir;
        }
        default:
            vbs::throwError(5);
    }
}

}  // namespace scripting
