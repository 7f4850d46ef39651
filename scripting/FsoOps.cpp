#include "FsoOps.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "FdSource.h"
#include "FileSink.h"
#include "FsPath.h"

namespace scripting::fsops {

namespace {

bool writeProtected(const struct stat& st) { return (st.st_mode & S_IWUSR) == 0; }

bool endsWithSep(const std::string& p) { return !p.empty() && p.back() == '/'; }

// The items a source pattern names: the path itself, or the matches of its
// wildcard in its folder.
std::vector<std::string> expand(const std::string& pattern, bool folders) {
    std::string name = fspath::lastName(pattern);
    if (!fspath::hasWildcard(name)) return {fspath::absolute(pattern)};
    std::string parent = fspath::parentOf(pattern);
    if (!fspath::isFolder(parent)) vbs::throwError(76);
    std::vector<std::string> out;
    for (const std::string& n : list(parent, folders)) {
        if (fspath::wildcardMatch(name, n)) out.push_back(fspath::join(parent, n));
    }
    return out;
}

// Where one item goes: into the destination folder, or onto the name.
std::string target(const std::string& item, const std::string& dest, bool many) {
    if (endsWithSep(dest) || many) {
        if (!fspath::isFolder(dest)) vbs::throwError(76);
        return fspath::join(dest, fspath::lastName(item));
    }
    return dest;
}

void copyBytes(const std::string& from, const std::string& to, mode_t mode) {
    int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) fspath::throwErrno(errno);
    int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode & 07777);
    if (out < 0) {
        int err = errno;
        ::close(in);
        fspath::throwErrno(err, err == ENOENT);
    }
    char buf[65536];
    ssize_t n;
    int err = 0;
    while ((n = ::read(in, buf, sizeof buf)) > 0) {
        for (ssize_t done = 0; done < n;) {
            ssize_t w = ::write(out, buf + done, static_cast<size_t>(n - done));
            if (w < 0) {
                if (errno == EINTR) continue;
                err = errno;
                break;
            }
            done += w;
        }
        if (err) break;
    }
    if (n < 0) err = errno;
    ::close(in);
    if (::close(out) != 0 && !err) err = errno;
    if (err) fspath::throwErrno(err);
}

void copyOneFile(const std::string& from, const std::string& to, bool overwrite) {
    struct stat src, dst;
    if (!fspath::statPath(from, src) || S_ISDIR(src.st_mode)) vbs::throwError(53);
    std::string real = to;
    if (fspath::statPath(to, dst) && S_ISDIR(dst.st_mode)) {
        real = fspath::join(to, fspath::lastName(from));
    }
    if (fspath::statPath(real, dst)) {
        if (S_ISDIR(dst.st_mode)) vbs::throwError(70);
        if (!overwrite) vbs::throwError(58);
        if (writeProtected(dst)) vbs::throwError(70);
        if (dst.st_ino == src.st_ino && dst.st_dev == src.st_dev) vbs::throwError(70);
    }
    if (!fspath::isFolder(fspath::parentOf(real))) vbs::throwError(76);
    copyBytes(from, real, src.st_mode);
}

void copyTree(const std::string& from, const std::string& to, bool overwrite) {
    struct stat st;
    if (fspath::statPath(to, st)) {
        if (!S_ISDIR(st.st_mode)) vbs::throwError(58);
    } else if (::mkdir(to.c_str(), 0777) != 0) {
        fspath::throwErrno(errno, true);
    }
    for (const std::string& n : list(from, false)) {
        std::string src = fspath::join(from, n), dst = fspath::join(to, n);
        struct stat lst;
        if (::lstat(src.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) {
            // A link is copied as a link, so a loop of links cannot recurse.
            char buf[4096];
            ssize_t len = ::readlink(src.c_str(), buf, sizeof buf - 1);
            if (len < 0) continue;
            if (::lstat(dst.c_str(), &st) == 0) {
                if (!overwrite) vbs::throwError(58);
                ::unlink(dst.c_str());
            }
            if (::symlink(std::string(buf, static_cast<size_t>(len)).c_str(), dst.c_str()) != 0)
                fspath::throwErrno(errno);
        } else {
            copyOneFile(src, dst, overwrite);
        }
    }
    for (const std::string& n : list(from, true)) {
        copyTree(fspath::join(from, n), fspath::join(to, n), overwrite);
    }
}

void removeTree(const std::string& path, bool force) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) fspath::throwErrno(errno, true);
    if (S_ISDIR(st.st_mode)) {
        if (!force && writeProtected(st)) vbs::throwError(70);
        DIR* d = ::opendir(path.c_str());
        if (!d) fspath::throwErrno(errno, true);
        std::vector<std::string> names;
        while (dirent* e = ::readdir(d)) {
            std::string n = e->d_name;
            if (n != "." && n != "..") names.push_back(n);
        }
        ::closedir(d);
        for (const auto& n : names) removeTree(fspath::join(path, n), force);
        if (::rmdir(path.c_str()) != 0) fspath::throwErrno(errno, true);
    } else {
        if (!force && !S_ISLNK(st.st_mode) && writeProtected(st)) vbs::throwError(70);
        if (::unlink(path.c_str()) != 0) fspath::throwErrno(errno);
    }
}

void moveItem(const std::string& from, const std::string& to, bool folder) {
    struct stat st;
    if (::lstat(to.c_str(), &st) == 0) vbs::throwError(58);
    if (!fspath::isFolder(fspath::parentOf(to))) vbs::throwError(76);
    if (::rename(from.c_str(), to.c_str()) == 0) return;
    if (errno != EXDEV) fspath::throwErrno(errno, folder);
    // Another file system: copy, then remove the original.
    if (folder) {
        copyTree(from, to, false);
        removeTree(from, true);
    } else {
        copyOneFile(from, to, false);
        removeTree(from, true);
    }
}

TextEncoding appendEncoding(const std::string& path, int32_t format) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::string head;
    if (f) {
        char buf[65536];
        size_t n = std::fread(buf, 1, sizeof buf, f);
        head.assign(buf, n);
        std::fclose(f);
    }
    if (format == -1 || head.starts_with("\xFF\xFE")) return TextEncoding::Utf16LE;
    if (head.empty()) return format == -2 ? TextEncoding::Utf8 : TextEncoding::Ansi;
    // Keep appending in the encoding the file already has.
    bool ascii = std::all_of(head.begin(), head.end(), [](char c) { return (c & 0x80) == 0; });
    if (head.starts_with("\xEF\xBB\xBF")) return TextEncoding::Utf8;
    if (!ascii && TextCodec::isValidUtf8(head.substr(0, TextCodec::completeUtf8Prefix(head))))
        return TextEncoding::Utf8;
    if (!ascii) return TextEncoding::Ansi;
    return format == -2 ? TextEncoding::Utf8 : TextEncoding::Ansi;
}

vbs::Ref<TextStream> openWriter(const std::string& path, const char* mode, TextEncoding enc) {
    struct stat st;
    bool existed = fspath::statPath(path, st);
    if (existed && S_ISDIR(st.st_mode)) vbs::throwError(70);
    if (existed && writeProtected(st)) vbs::throwError(70);
    if (!fspath::isFolder(fspath::parentOf(path))) vbs::throwError(76);
    std::FILE* f = std::fopen(path.c_str(), mode);
    if (!f) fspath::throwErrno(errno);
    bool empty = std::ftell(f) == 0;
    if (mode[0] == 'a') {
        std::fseek(f, 0, SEEK_END);
        empty = std::ftell(f) == 0;
    }
    if (empty && enc == TextEncoding::Utf16LE) std::fwrite("\xFF\xFE", 1, 2, f);
    return TextStream::writer(std::make_unique<FileSink>(f, true), enc);
}

}  // namespace

std::vector<std::string> list(const std::string& folder, bool folders) {
    DIR* d = ::opendir(folder.c_str());
    if (!d) fspath::throwErrno(errno, true);
    std::vector<std::string> out;
    while (dirent* e = ::readdir(d)) {
        std::string n = e->d_name;
        if (n == "." || n == "..") continue;
        if (fspath::isFolder(fspath::join(folder, n)) == folders) out.push_back(n);
    }
    ::closedir(d);
    std::sort(out.begin(), out.end());
    return out;
}

void requireFolder(const std::string& path) {
    if (!fspath::isFolder(path)) vbs::throwError(76);
}

void requireFile(const std::string& path) {
    if (!fspath::isFile(path)) vbs::throwError(53);
}

void copyFile(const std::string& source, const std::string& dest, bool overwrite) {
    std::vector<std::string> items = expand(source, false);
    bool many = fspath::hasWildcard(fspath::lastName(source));
    if (items.empty()) vbs::throwError(53);
    for (const auto& item : items) copyOneFile(item, target(item, dest, many), overwrite);
}

void copyFolder(const std::string& source, const std::string& dest, bool overwrite) {
    std::vector<std::string> items = expand(source, true);
    bool many = fspath::hasWildcard(fspath::lastName(source));
    if (items.empty()) vbs::throwError(76);
    for (const auto& item : items) {
        requireFolder(item);
        std::string to = fspath::absolute(target(item, dest, many));
        // Copying a folder into itself would never end.
        if (to == item || to.starts_with(item + "/")) vbs::throwError(70);
        copyTree(item, to, overwrite);
    }
}

void moveFile(const std::string& source, const std::string& dest) {
    std::vector<std::string> items = expand(source, false);
    bool many = fspath::hasWildcard(fspath::lastName(source));
    if (items.empty()) vbs::throwError(53);
    for (const auto& item : items) {
        requireFile(item);
        std::string to = target(item, dest, many);
        if (!many && fspath::isFolder(to)) to = fspath::join(to, fspath::lastName(item));
        moveItem(item, to, false);
    }
}

void moveFolder(const std::string& source, const std::string& dest) {
    std::vector<std::string> items = expand(source, true);
    bool many = fspath::hasWildcard(fspath::lastName(source));
    if (items.empty()) vbs::throwError(76);
    for (const auto& item : items) {
        requireFolder(item);
        std::string to = fspath::absolute(target(item, dest, many));
        if (to.starts_with(item + "/")) vbs::throwError(70);
        moveItem(item, to, true);
    }
}

void deleteFile(const std::string& pattern, bool force) {
    std::vector<std::string> items = expand(pattern, false);
    if (items.empty()) vbs::throwError(53);
    for (const auto& item : items) {
        requireFile(item);
        removeTree(item, force);
    }
}

void deleteFolder(const std::string& pattern, bool force) {
    std::vector<std::string> items = expand(pattern, true);
    if (items.empty()) vbs::throwError(76);
    for (const auto& item : items) {
        requireFolder(item);
        removeTree(item, force);
    }
}

void createFolder(const std::string& path) {
    struct stat st;
    if (fspath::statPath(path, st)) vbs::throwError(58);
    if (::mkdir(path.c_str(), 0777) != 0) fspath::throwErrno(errno, true);
}

vbs::Ref<TextStream> openText(const std::string& path, int32_t iomode, bool create,
                              int32_t format) {
    if (iomode != 1 && iomode != 2 && iomode != 8) vbs::throwError(5);
    if (format != 0 && format != -1 && format != -2) vbs::throwError(5);
    struct stat st;
    bool exists = fspath::statPath(path, st);
    if (!exists && !create) {
        vbs::throwError(fspath::isFolder(fspath::parentOf(path)) ? 53 : 76);
    }
    if (iomode == 1) {
        if (!exists) openWriter(path, "wb", TextEncoding::Ansi)->close();
        if (exists && S_ISDIR(st.st_mode)) vbs::throwError(70);
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) fspath::throwErrno(errno);
        auto dec = format == -1 ? TextStream::Decoding::Utf16LE : TextStream::Decoding::Auto;
        return TextStream::reader(std::make_unique<FdSource>(fd, true), dec);
    }
    if (iomode == 8) return openWriter(path, "ab", appendEncoding(path, format));
    TextEncoding enc = format == -1   ? TextEncoding::Utf16LE
                       : format == -2 ? TextEncoding::Utf8
                                      : TextEncoding::Ansi;
    return openWriter(path, "wb", enc);
}

vbs::Ref<TextStream> createText(const std::string& path, bool overwrite, bool unicode) {
    struct stat st;
    if (fspath::statPath(path, st) && !overwrite) vbs::throwError(58);
    return openWriter(path, "wb", unicode ? TextEncoding::Utf16LE : TextEncoding::Ansi);
}

int32_t attributes(const std::string& path) {
    struct stat st, lst;
    if (!fspath::statPath(path, st)) fspath::throwErrno(errno);
    int32_t a = S_ISDIR(st.st_mode) ? Directory : Archive;
    if (writeProtected(st)) a |= ReadOnly;
    std::string name = fspath::lastName(path);
    if (!name.empty() && name[0] == '.') a |= Hidden;
    if (::lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) a |= Alias;
    return a;
}

void setAttributes(const std::string& path, int32_t attrs) {
    struct stat st;
    if (!fspath::statPath(path, st)) fspath::throwErrno(errno);
    // Only the read-only bit has a counterpart in the permission bits; the
    // others follow from the name or the kind of item and are left alone.
    mode_t mode = st.st_mode & 07777;
    mode = (attrs & ReadOnly) ? mode & ~static_cast<mode_t>(0222) : mode | S_IWUSR;
    if (::chmod(path.c_str(), mode) != 0) fspath::throwErrno(errno);
}

std::u16string typeText(const std::string& path, bool folder) {
    if (folder) return u"文件夹";
    std::u16string ext = fspath::extensionName(fspath::toScript(path));
    if (ext.empty()) return u"文件";
    for (char16_t& c : ext) {
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    }
    return ext + u" 文件";
}

double folderSize(const std::string& path) {
    double total = 0;
    for (const auto& n : list(path, false)) {
        struct stat st;
        if (fspath::statPath(fspath::join(path, n), st)) total += static_cast<double>(st.st_size);
    }
    for (const auto& n : list(path, true)) {
        std::string sub = fspath::join(path, n);
        struct stat lst;
        if (::lstat(sub.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode)) continue;
        total += folderSize(sub);
    }
    return total;
}

}  // namespace scripting::fsops
