#include "FsoFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "FsPath.h"
#include "FsoCollection.h"
#include "FsoDrive.h"
#include "FsoFolder.h"
#include "FsoOps.h"

namespace scripting {

vbs::Value itemDate(const std::string& path, int which) {
    struct stat st;
    if (!fspath::statPath(path, st)) fspath::throwErrno(errno);
    std::time_t t = which == 0 ? st.st_ctime : which == 1 ? st.st_atime : st.st_mtime;
    // The birth time where the file system keeps one; else the last status
    // change is the closest there is.
    struct statx sx;
    if (which == 0 && ::statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME, &sx) == 0 &&
        (sx.stx_mask & STATX_BTIME) && sx.stx_btime.tv_sec > 0)
        t = static_cast<std::time_t>(sx.stx_btime.tv_sec);
    return vbs::Value::date(fspath::oleDate(t));
}

void FsoFile::rename(const std::u16string& name) {
    if (name.empty() || name.find_first_of(u"/\\") != std::u16string::npos) vbs::throwError(5);
    std::string to = fspath::join(fspath::parentOf(path_), vbs::toUtf8(name));
    if (to == path_) return;
    fsops::moveFile(path_, to);
    path_ = to;
}

const std::vector<Member<FsoFile>>& FsoFile::members() {
    using V = vbs::Value;
    using F = FsoFile;
    auto pathGet = [](F& f, Args, V& r) { r = V(fspath::toScript(f.path_)); };
    auto nameGet = [](F& f, Args, V& r) { r = V(fspath::toScript(fspath::lastName(f.path_))); };
    static const std::vector<Member<F>> table = {
        {u"", pathGet},
        {u"Path", pathGet},
        {u"ShortPath", pathGet},
        {u"Name", nameGet, [](F& f, Args a) { f.rename(a.back()->toString()); }},
        {u"ShortName", nameGet},
        {u"Size",
         [](F& f, Args, V& r) {
             struct stat st;
             if (!fspath::statPath(f.path_, st)) fspath::throwErrno(errno);
             r = V(static_cast<double>(st.st_size));
             if (st.st_size <= 0x7FFFFFFF) r = V(static_cast<int32_t>(st.st_size));
         }},
        {u"Type", [](F& f, Args, V& r) { r = V(fsops::typeText(f.path_, false)); }},
        {u"Attributes", [](F& f, Args, V& r) { r = V(fsops::attributes(f.path_)); },
         [](F& f, Args a) { fsops::setAttributes(f.path_, a.back()->toLong()); }},
        {u"DateCreated", [](F& f, Args, V& r) { r = itemDate(f.path_, 0); }},
        {u"DateLastAccessed", [](F& f, Args, V& r) { r = itemDate(f.path_, 1); }},
        {u"DateLastModified", [](F& f, Args, V& r) { r = itemDate(f.path_, 2); }},
        {u"Drive", [](F&, Args, V& r) { r = objectValue(new FsoDrive); }},
        {u"ParentFolder",
         [](F& f, Args, V& r) { r = objectValue(new FsoFolder(fspath::parentOf(f.path_))); }},
        {u"Copy",
         [](F& f, Args a, V&) {
             fsops::copyFile(f.path_, fspath::native(argText(a, 0)), optBool(a, 1, true));
         }},
        {u"Move",
         [](F& f, Args a, V&) {
             std::string to = fspath::native(argText(a, 0));
             if (fspath::isFolder(to)) to = fspath::join(to, fspath::lastName(f.path_));
             fsops::moveFile(f.path_, to);
             f.path_ = fspath::absolute(to);
         }},
        {u"Delete", [](F& f, Args a, V&) { fsops::deleteFile(f.path_, optBool(a, 0, false)); }},
        {u"OpenAsTextStream",
         [](F& f, Args a, V& r) {
             auto t = fsops::openText(f.path_, optLong(a, 0, 1), false, optLong(a, 1, 0));
             r = objectValue(t);
         }},
    };
    return table;
}

}  // namespace scripting
