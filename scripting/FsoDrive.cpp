#include "FsoDrive.h"

#include <sys/statvfs.h>
#include <sys/vfs.h>

#include "FsoFolder.h"

namespace scripting {

namespace {

struct Space {
    double total = 0, free = 0, available = 0;
    unsigned long id = 0;
};

Space rootSpace() {
    struct statvfs s;
    Space sp;
    if (::statvfs("/", &s) == 0) {
        double unit = static_cast<double>(s.f_frsize);
        sp.total = unit * static_cast<double>(s.f_blocks);
        sp.free = unit * static_cast<double>(s.f_bfree);
        sp.available = unit * static_cast<double>(s.f_bavail);
        sp.id = s.f_fsid;
    }
    return sp;
}

std::u16string fileSystemName() {
    struct statfs s;
    if (::statfs("/", &s) != 0) return u"";
    switch (static_cast<unsigned long>(s.f_type)) {
        case 0xEF53:
            return u"ext4";
        case 0x58465342:
            return u"xfs";
        case 0x9123683E:
            return u"btrfs";
        case 0x794C7630:
            return u"overlay";
        case 0x01021994:
            return u"tmpfs";
        case 0x65735546:
            return u"fuse";
        default:
            return u"unknown";
    }
}

}  // namespace

bool FsoDrive::names(std::u16string_view s) {
    if (s == u"/") return true;
    if (s.empty() || (s[0] != u'C' && s[0] != u'c')) return false;
    return s.size() == 1 ||
           (s[1] == u':' && (s.size() == 2 || (s.size() == 3 && (s[2] == u'\\' || s[2] == u'/'))));
}

const std::vector<Member<FsoDrive>>& FsoDrive::members() {
    using V = vbs::Value;
    using D = FsoDrive;
    auto pathGet = [](D&, Args, V& r) { r = V(u"C:"); };
    static const std::vector<Member<D>> table = {
        {u"", pathGet},
        {u"Path", pathGet},
        {u"DriveLetter", [](D&, Args, V& r) { r = V(u"C"); }},
        {u"DriveType", [](D&, Args, V& r) { r = V(2); }},  // fixed disk
        {u"IsReady", [](D&, Args, V& r) { r = V(true); }},
        {u"ShareName", [](D&, Args, V& r) { r = V(u""); }},
        {u"VolumeName", [](D&, Args, V& r) { r = V(u""); }},
        {u"FileSystem", [](D&, Args, V& r) { r = V(fileSystemName()); }},
        {u"SerialNumber",
         [](D&, Args, V& r) { r = V(static_cast<int32_t>(rootSpace().id & 0x7FFFFFFF)); }},
        {u"TotalSize", [](D&, Args, V& r) { r = V(rootSpace().total); }},
        {u"FreeSpace", [](D&, Args, V& r) { r = V(rootSpace().available); }},
        {u"AvailableSpace", [](D&, Args, V& r) { r = V(rootSpace().available); }},
        {u"RootFolder", [](D&, Args, V& r) { r = objectValue(new FsoFolder("/")); }},
    };
    return table;
}

}  // namespace scripting
