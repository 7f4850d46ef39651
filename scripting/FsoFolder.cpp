#include "FsoFolder.h"

#include "FsPath.h"
#include "FsoCollection.h"
#include "FsoDrive.h"
#include "FsoFile.h"
#include "FsoOps.h"

namespace scripting {

const std::vector<Member<FsoFolder>>& FsoFolder::members() {
    using V = vbs::Value;
    using F = FsoFolder;
    auto pathGet = [](F& f, Args, V& r) { r = V(fspath::toScript(f.path_)); };
    auto nameGet = [](F& f, Args, V& r) { r = V(fspath::toScript(fspath::lastName(f.path_))); };
    static const std::vector<Member<F>> table = {
        {u"", pathGet},
        {u"Path", pathGet},
        {u"ShortPath", pathGet},
        {u"Name", nameGet,
         [](F& f, Args a) {
             std::u16string name = a.back()->toString();
             if (name.empty() || name.find_first_of(u"/\\") != std::u16string::npos)
                 vbs::throwError(5);
             std::string to = fspath::join(fspath::parentOf(f.path_), vbs::toUtf8(name));
             if (to == f.path_) return;
             fsops::moveFolder(f.path_, to);
             f.path_ = to;
         }},
        {u"ShortName", nameGet},
        {u"IsRootFolder", [](F& f, Args, V& r) { r = V(f.path_ == "/"); }},
        {u"Size", [](F& f, Args, V& r) { r = V(fsops::folderSize(f.path_)); }},
        {u"Type", [](F& f, Args, V& r) { r = V(fsops::typeText(f.path_, true)); }},
        {u"Attributes", [](F& f, Args, V& r) { r = V(fsops::attributes(f.path_)); },
         [](F& f, Args a) { fsops::setAttributes(f.path_, a.back()->toLong()); }},
        {u"DateCreated", [](F& f, Args, V& r) { r = itemDate(f.path_, 0); }},
        {u"DateLastAccessed", [](F& f, Args, V& r) { r = itemDate(f.path_, 1); }},
        {u"DateLastModified", [](F& f, Args, V& r) { r = itemDate(f.path_, 2); }},
        {u"Drive", [](F&, Args, V& r) { r = objectValue(new FsoDrive); }},
        {u"ParentFolder",
         [](F& f, Args, V& r) {
             r = f.path_ == "/" ? V::nothing()
                                : objectValue(new FsoFolder(fspath::parentOf(f.path_)));
         }},
        {u"Files",
         [](F& f, Args a, V& r) {
             fsops::requireFolder(f.path_);
             r = objectValue(new FsoCollection(FsoCollection::Kind::Files, f.path_));
             forwardArgs(r, a);
         }},
        {u"SubFolders",
         [](F& f, Args a, V& r) {
             fsops::requireFolder(f.path_);
             r = objectValue(new FsoCollection(FsoCollection::Kind::Folders, f.path_));
             forwardArgs(r, a);
         }},
        {u"Copy",
         [](F& f, Args a, V&) {
             fsops::copyFolder(f.path_, fspath::native(argText(a, 0)), optBool(a, 1, true));
         }},
        {u"Move",
         [](F& f, Args a, V&) {
             std::string to = fspath::native(argText(a, 0));
             if (fspath::isFolder(to)) to = fspath::join(to, fspath::lastName(f.path_));
             fsops::moveFolder(f.path_, to);
             f.path_ = fspath::absolute(to);
         }},
        {u"Delete", [](F& f, Args a, V&) { fsops::deleteFolder(f.path_, optBool(a, 0, false)); }},
        {u"CreateTextFile",
         [](F& f, Args a, V& r) {
             std::string name = fspath::native(argText(a, 0));
             std::string p = name.starts_with("/") ? name : fspath::join(f.path_, name);
             auto t = fsops::createText(p, optBool(a, 1, true), optBool(a, 2, false));
             r = objectValue(t.get());
         }},
    };
    return table;
}

}  // namespace scripting
