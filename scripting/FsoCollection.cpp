#include "FsoCollection.h"

#include "FsPath.h"
#include "FsoDrive.h"
#include "FsoFile.h"
#include "FsoFolder.h"
#include "FsoOps.h"

namespace scripting {

FsoCollection::FsoCollection(Kind kind, std::string folder)
    : kind_(kind), folder_(std::move(folder)) {
    if (kind_ == Kind::Drives) {
        names_ = {"C"};
    } else {
        names_ = fsops::list(folder_, kind_ == Kind::Folders);
    }
}

std::u16string FsoCollection::typeName() const {
    switch (kind_) {
        case Kind::Files:
            return u"Files";
        case Kind::Folders:
            return u"Folders";
        default:
            return u"Drives";
    }
}

vbs::Value FsoCollection::make(const std::string& name) const {
    if (kind_ == Kind::Drives) return objectValue(new FsoDrive);
    std::string path = fspath::join(folder_, name);
    if (kind_ == Kind::Files) return objectValue(new FsoFile(path));
    return objectValue(new FsoFolder(path));
}

vbs::Value FsoCollection::item(const vbs::Value& key) const {
    std::u16string k = key.toString();
    if (kind_ == Kind::Drives) {
        if (!FsoDrive::names(k)) vbs::throwError(68);
        return make("C");
    }
    // Items are named, as on the scripts' home platform; the name is looked
    // up exactly first, then without regard to case.
    std::string name = vbs::toUtf8(k);
    for (const auto& n : names_) {
        if (n == name) return make(n);
    }
    for (const auto& n : names_) {
        if (vbs::iequals(vbs::fromUtf8(n), k)) return make(n);
    }
    vbs::throwError(kind_ == Kind::Files ? 53 : 76);
}

bool FsoCollection::enumerate(std::vector<vbs::Value>& items) {
    for (const auto& n : names_) items.push_back(make(n));
    return true;
}

const std::vector<Member<FsoCollection>>& FsoCollection::members() {
    using V = vbs::Value;
    using C = FsoCollection;
    auto itemGet = [](C& c, Args a, V& r) { r = c.item(arg(a, 0)); };
    static const std::vector<Member<C>> table = {
        {u"", itemGet},
        {u"Item", itemGet},
        {u"Count", [](C& c, Args, V& r) { r = V(static_cast<int32_t>(c.names_.size())); }},
        {u"Add",
         [](C& c, Args a, V& r) {
             if (c.kind_ != Kind::Folders) vbs::throwError(438);
             std::u16string name = argText(a, 0);
             if (name.empty() || name.find_first_of(u"/\\") != std::u16string::npos)
                 vbs::throwError(5);
             std::string path = fspath::join(c.folder_, vbs::toUtf8(name));
             fsops::createFolder(path);
             c.names_.push_back(vbs::toUtf8(name));
             r = objectValue(new FsoFolder(path));
         }},
    };
    return table;
}

}  // namespace scripting
