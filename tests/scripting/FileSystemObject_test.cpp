// FileSystemObject on real files in a temporary folder: text streams in each
// encoding, the file and folder operations and the errors scripts test for.
#include "FileSystemObject.h"

#include <sys/stat.h>
#include <sys/time.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>

#include "ScriptingTestSupport.h"
#include "TestSupport.h"

using namespace ScriptingTest;
using vbs::Value;

namespace {

class FsoTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    vbs::Ref<scripting::FileSystemObject> fso{new scripting::FileSystemObject};

    std::string path(const std::string& name) { return dir.path().toStdString() + "/" + name; }
    QString qpath(const std::string& name) { return QString::fromStdString(path(name)); }
    Value call(std::u16string_view name, std::vector<Value> args) {
        return invoke(*fso, name, std::move(args));
    }
    void write(const std::string& name, const QByteArray& bytes) {
        ASSERT_TRUE(TestSupport::writeBytes(qpath(name), bytes));
    }
    QByteArray bytes(const std::string& name) { return TestSupport::readBytes(qpath(name)); }
    // Writes lines through CreateTextFile and closes the stream.
    void writeLines(const std::string& name, std::vector<std::string> lines, bool unicode = false) {
        Value ts = call(u"CreateTextFile", {u(path(name)), Value(true), Value(unicode)});
        for (const auto& l : lines) invoke(obj(ts), u"WriteLine", {u(l)});
        invoke(obj(ts), u"Close");
    }
    Value open(const std::string& name, int mode = 1, bool create = false, int format = 0) {
        return call(u"OpenTextFile", {u(path(name)), Value(mode), Value(create), Value(format)});
    }
};

TEST_F(FsoTest, AnsiTextIsWrittenInGbkWithCrLfAndReadBack) {
    writeLines("a.txt", {"中文", "abc"});
    EXPECT_EQ(bytes("a.txt"), QByteArray("\xD6\xD0\xCE\xC4\r\nabc\r\n"));
    Value ts = open("a.txt");
    EXPECT_EQ(s(invoke(obj(ts), u"ReadLine")), "中文");
    EXPECT_EQ(get(obj(ts), u"Line").toLong(), 2);
    EXPECT_EQ(s(invoke(obj(ts), u"ReadLine")), "abc");
    EXPECT_TRUE(get(obj(ts), u"AtEndOfStream").toBool());
    EXPECT_EQ(errorOf([&] { invoke(obj(ts), u"ReadLine"); }), 62);
}

TEST_F(FsoTest, UnicodeFilesCarryAByteOrderMark) {
    writeLines("u.txt", {"é"}, true);
    EXPECT_EQ(bytes("u.txt"), QByteArray("\xFF\xFE\xE9\x00\r\x00\n\x00", 8));
    Value ts = open("u.txt", 1, false, -1);
    EXPECT_EQ(s(invoke(obj(ts), u"ReadAll")), "é\r\n");
}

TEST_F(FsoTest, ReadingUnderstandsUtf8AndEveryLineEnd) {
    write("m.txt", "\xEF\xBB\xBFone\ntwo\rthree\r\nfour");
    Value ts = open("m.txt");
    std::vector<std::string> lines;
    while (!get(obj(ts), u"AtEndOfStream").toBool())
        lines.push_back(s(invoke(obj(ts), u"ReadLine")));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "four"}));
}

TEST_F(FsoTest, LargeFilesReadInPiecesKeepEveryCharacter) {
    // Long enough to be read in several pieces, with characters straddling
    // the piece boundaries (the odd "a" shifts them).
    QByteArray gbk = "a", utf8 = "a";
    std::string expected = "a";
    for (int i = 0; i < 40000; ++i) {
        gbk += "\xD6\xD0\x81\x30\x81\x30";  // 中 and a four-byte character
        utf8 += "\xE4\xB8\xAD\xC2\x80";
        expected += "中";
    }
    write("gbk.txt", gbk);
    write("utf8.txt", utf8);
    std::string fromGbk = s(invoke(obj(open("gbk.txt")), u"ReadAll"));
    std::string fromUtf8 = s(invoke(obj(open("utf8.txt")), u"ReadAll"));
    EXPECT_EQ(fromGbk.size(), 1 + 40000 * (3 + 2));
    EXPECT_EQ(fromGbk.substr(0, 9), "a中\xC2\x80中");
    EXPECT_EQ(fromUtf8, fromGbk);
    EXPECT_EQ(fromGbk.find("\xEF\xBF\xBD"), std::string::npos);  // no replacement characters
}

TEST_F(FsoTest, ReadSkipAndColumnsCountCharacters) {
    write("r.txt", "汉字abc\r\nx");
    Value ts = open("r.txt");
    EXPECT_EQ(s(invoke(obj(ts), u"Read", {Value(3)})), "汉字a");
    EXPECT_EQ(get(obj(ts), u"Column").toLong(), 4);
    invoke(obj(ts), u"SkipLine");
    EXPECT_EQ(s(invoke(obj(ts), u"ReadAll")), "x");
    EXPECT_EQ(errorOf([&] { invoke(obj(ts), u"ReadAll"); }), 62);
}

TEST_F(FsoTest, AppendingKeepsTheEncodingTheFileHas) {
    write("utf8.txt", "ü\r\n");
    Value ts = open("utf8.txt", 8);
    invoke(obj(ts), u"WriteLine", {u("中")});
    invoke(obj(ts), u"Close");
    EXPECT_EQ(bytes("utf8.txt"), QByteArray("\xC3\xBC\r\n\xE4\xB8\xAD\r\n"));

    writeLines("uni.txt", {"a"}, true);
    ts = open("uni.txt", 8);
    invoke(obj(ts), u"Write", {u("b")});
    invoke(obj(ts), u"Close");
    EXPECT_EQ(bytes("uni.txt"), QByteArray("\xFF\xFE"
                                           "a\0\r\0\n\0b\0",
                                           10));
}

TEST_F(FsoTest, SystemDefaultFormatIsUtf8AndAnsiLosesNothing) {
    Value ts = open("d.txt", 2, true, -2);
    invoke(obj(ts), u"Write", {u("中")});
    invoke(obj(ts), u"Close");
    EXPECT_EQ(bytes("d.txt"), QByteArray("\xE4\xB8\xAD"));
    // Characters outside GBK still survive an ANSI round trip.
    writeLines("wide.txt", {"€ 😀"});
    EXPECT_EQ(s(invoke(obj(open("wide.txt")), u"ReadLine")), "€ 😀");
}

TEST_F(FsoTest, StreamsRefuseTheWrongDirection) {
    writeLines("w.txt", {"x"});
    Value reader = open("w.txt");
    EXPECT_EQ(errorOf([&] { invoke(obj(reader), u"Write", {u("y")}); }), 54);
    Value writer = open("w.txt", 2);
    EXPECT_EQ(errorOf([&] { invoke(obj(writer), u"ReadLine"); }), 54);
    invoke(obj(writer), u"Close");
    EXPECT_EQ(errorOf([&] { invoke(obj(writer), u"Write", {u("z")}); }), 54);
}

TEST_F(FsoTest, OpeningErrorsCarryTheirNumbers) {
    EXPECT_EQ(errorOf([&] { open("missing.txt"); }), 53);
    EXPECT_EQ(errorOf([&] { open("no/such/folder/x.txt", 2, true); }), 76);
    EXPECT_EQ(errorOf([&] { open("x.txt", 3, true); }), 5);
    writeLines("keep.txt", {"precious"});
    EXPECT_EQ(errorOf([&] { call(u"CreateTextFile", {u(path("keep.txt")), Value(false)}); }), 58);
    EXPECT_EQ(bytes("keep.txt"), QByteArray("precious\r\n"));
    ::chmod(path("keep.txt").c_str(), 0444);
    EXPECT_EQ(errorOf([&] { open("keep.txt", 2); }), 70);
    EXPECT_EQ(bytes("keep.txt"), QByteArray("precious\r\n"));
}

TEST_F(FsoTest, CreatingWithCreateFlagMakesAnEmptyFile) {
    Value ts = open("new.txt", 1, true);
    EXPECT_TRUE(get(obj(ts), u"AtEndOfStream").toBool());
    EXPECT_TRUE(QFile::exists(qpath("new.txt")));
}

TEST_F(FsoTest, BackslashesAndTheSystemDriveMapOntoTheTree) {
    std::string back = "C:" + path("a.txt");
    for (char& c : back) {
        if (c == '/') c = '\\';
    }
    writeLines("a.txt", {"x"});
    EXPECT_TRUE(call(u"FileExists", {u(back)}).toBool());
    EXPECT_FALSE(call(u"FileExists", {u("D:\\a.txt")}).toBool());
    EXPECT_EQ(errorOf([&] { call(u"GetFile", {u("D:\\a.txt")}); }), 76);
    EXPECT_TRUE(call(u"FolderExists", {u("C:\\")}).toBool());
}

TEST_F(FsoTest, NameOperationsWorkWithEitherSeparator) {
    EXPECT_EQ(s(call(u"GetParentFolderName", {u("C:\\dir\\sub\\f.txt")})), "C:\\dir\\sub");
    EXPECT_EQ(s(call(u"GetParentFolderName", {u("/a/b/")})), "/a");
    EXPECT_EQ(s(call(u"GetParentFolderName", {u("f.txt")})), "");
    EXPECT_EQ(s(call(u"GetFileName", {u("dir/f.tar.gz")})), "f.tar.gz");
    EXPECT_EQ(s(call(u"GetBaseName", {u("dir\\f.tar.gz")})), "f.tar");
    EXPECT_EQ(s(call(u"GetExtensionName", {u("dir/f.tar.gz")})), "gz");
    EXPECT_EQ(s(call(u"GetExtensionName", {u("dir.d/f")})), "");
    EXPECT_EQ(s(call(u"GetDriveName", {u("C:\\x")})), "C:");
    EXPECT_EQ(s(call(u"BuildPath", {u("C:\\dir"), u("f.txt")})), "C:\\dir\\f.txt");
    EXPECT_EQ(s(call(u"BuildPath", {u("/dir/"), u("f.txt")})), "/dir/f.txt");
    EXPECT_EQ(s(call(u"GetAbsolutePathName", {u("/a/./b/../c")})), "/a/c");
}

TEST_F(FsoTest, CopyMoveAndDeleteFiles) {
    writeLines("a.log", {"1"});
    writeLines("b.log", {"2"});
    writeLines("c.txt", {"3"});
    call(u"CreateFolder", {u(path("out"))});
    call(u"CopyFile", {u(path("*.log")), u(path("out/"))});
    EXPECT_TRUE(QFile::exists(qpath("out/a.log")) && QFile::exists(qpath("out/b.log")));
    EXPECT_FALSE(QFile::exists(qpath("out/c.txt")));
    EXPECT_EQ(errorOf([&] {
                  call(u"CopyFile", {u(path("c.txt")), u(path("a.log")), Value(false)});
              }),
              58);
    EXPECT_EQ(bytes("a.log"), QByteArray("1\r\n"));
    EXPECT_EQ(errorOf([&] { call(u"CopyFile", {u(path("nope.txt")), u(path("x.txt"))}); }), 53);
    EXPECT_EQ(errorOf([&] { call(u"MoveFile", {u(path("c.txt")), u(path("a.log"))}); }), 58);
    call(u"MoveFile", {u(path("c.txt")), u(path("d.txt"))});
    EXPECT_FALSE(QFile::exists(qpath("c.txt")));
    EXPECT_EQ(bytes("d.txt"), QByteArray("3\r\n"));
    call(u"DeleteFile", {u(path("*.log"))});
    EXPECT_FALSE(QFile::exists(qpath("a.log")) || QFile::exists(qpath("b.log")));
    EXPECT_EQ(errorOf([&] { call(u"DeleteFile", {u(path("*.log"))}); }), 53);
}

TEST_F(FsoTest, CopyingAFileOntoItselfIsRefused) {
    writeLines("same.txt", {"keep me"});
    EXPECT_EQ(errorOf([&] { call(u"CopyFile", {u(path("same.txt")), u(path("same.txt"))}); }), 70);
    EXPECT_EQ(bytes("same.txt"), QByteArray("keep me\r\n"));
}

TEST_F(FsoTest, DotFilesAreHiddenAndMissingItemsAreErrors) {
    writeLines(".profile", {"x"});
    Value f = call(u"GetFile", {u(path(".profile"))});
    EXPECT_EQ(get(obj(f), u"Attributes").toLong() & 2, 2);
    Value files = get(obj(call(u"GetFolder", {u(dir.path().toStdString())})), u"Files");
    EXPECT_EQ(errorOf([&] { get(obj(files), u"Item", {u("none.txt")}); }), 53);
    EXPECT_EQ(errorOf([&] { call(u"GetFile", {u(path("none.txt"))}); }), 53);
}

TEST_F(FsoTest, ReadOnlyFilesNeedForceToDelete) {
    writeLines("ro.txt", {"x"});
    Value f = call(u"GetFile", {u(path("ro.txt"))});
    let(obj(f), u"Attributes", Value(1));
    EXPECT_EQ(get(obj(f), u"Attributes").toLong() & 1, 1);
    EXPECT_EQ(errorOf([&] { call(u"DeleteFile", {u(path("ro.txt"))}); }), 70);
    EXPECT_TRUE(QFile::exists(qpath("ro.txt")));
    call(u"DeleteFile", {u(path("ro.txt")), Value(true)});
    EXPECT_FALSE(QFile::exists(qpath("ro.txt")));
}

TEST_F(FsoTest, FoldersCopyMoveDeleteAndRefuseToCopyIntoThemselves) {
    EXPECT_EQ(errorOf([&] { call(u"CreateFolder", {u(path("x/y"))}); }), 76);
    call(u"CreateFolder", {u(path("src"))});
    EXPECT_EQ(errorOf([&] { call(u"CreateFolder", {u(path("src"))}); }), 58);
    call(u"CreateFolder", {u(path("src/sub"))});
    writeLines("src/sub/f.txt", {"deep"});
    call(u"CopyFolder", {u(path("src")), u(path("dst"))});
    EXPECT_EQ(bytes("dst/sub/f.txt"), QByteArray("deep\r\n"));
    EXPECT_EQ(errorOf([&] {
                  call(u"CopyFolder", {u(path("src")), u(path("src/sub/inner"))});
              }),
              70);
    call(u"MoveFolder", {u(path("dst")), u(path("moved"))});
    EXPECT_TRUE(QDir(qpath("moved/sub")).exists());
    EXPECT_EQ(errorOf([&] { call(u"DeleteFolder", {u(path("nothere"))}); }), 76);
    call(u"DeleteFolder", {u(path("moved"))});
    EXPECT_FALSE(QDir(qpath("moved")).exists());
}

TEST_F(FsoTest, FolderObjectsListTheirContent) {
    call(u"CreateFolder", {u(path("f"))});
    writeLines("f/b.txt", {"bb"});
    writeLines("f/a.txt", {"a"});
    call(u"CreateFolder", {u(path("f/s1"))});
    Value folder = call(u"GetFolder", {u(path("f"))});
    Value files = get(obj(folder), u"Files");
    EXPECT_EQ(get(obj(files), u"Count").toLong(), 2);
    std::vector<Value> items;
    ASSERT_TRUE(obj(files).enumerate(items));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(s(get(obj(items[0]), u"Name")), "a.txt");
    EXPECT_EQ(get(obj(items[1]), u"Size").toLong(), 4);
    EXPECT_EQ(s(get(obj(get(obj(files), u"Item", {u("B.TXT")})), u"Name")), "b.txt");
    Value subs = get(obj(folder), u"SubFolders");
    EXPECT_EQ(get(obj(subs), u"Count").toLong(), 1);
    invoke(obj(subs), u"Add", {u("s2")});
    EXPECT_TRUE(QDir(qpath("f/s2")).exists());
    EXPECT_EQ(get(obj(folder), u"Size").toDouble(), 7.0);
    EXPECT_EQ(s(get(obj(get(obj(folder), u"ParentFolder")), u"Path")), dir.path().toStdString());
    EXPECT_EQ(errorOf([&] { call(u"GetFolder", {u(path("nope"))}); }), 76);
}

TEST_F(FsoTest, RenamingThroughNameKeepsTheObjectUsable) {
    writeLines("old.txt", {"x"});
    Value f = call(u"GetFile", {u(path("old.txt"))});
    let(obj(f), u"Name", u("new.txt"));
    EXPECT_TRUE(QFile::exists(qpath("new.txt")));
    EXPECT_EQ(s(get(obj(f), u"Path")), path("new.txt"));
    EXPECT_EQ(get(obj(f), u"Size").toLong(), 3);
}

TEST_F(FsoTest, DatesAreLocalTimesInTheLanguagesForm) {
    writeLines("d.txt", {"x"});
    std::tm local{};
    local.tm_year = 2024 - 1900;
    local.tm_mon = 2;
    local.tm_mday = 5;
    local.tm_hour = 14;
    local.tm_min = 30;
    local.tm_isdst = -1;
    std::time_t t = std::mktime(&local);
    struct timeval times[2] = {{t, 0}, {t, 0}};
    ASSERT_EQ(::utimes(path("d.txt").c_str(), times), 0);
    Value modified = get(obj(call(u"GetFile", {u(path("d.txt"))})), u"DateLastModified");
    EXPECT_EQ(modified.type(), vbs::vtDate);
    // 2024-03-05 is day 45356 counted from 1899-12-30; 14:30 is 0.6041667.
    EXPECT_NEAR(modified.rawDate(), 45356.0 + 14.5 / 24, 1e-6);
}

TEST_F(FsoTest, SpecialFoldersAndDrives) {
    qputenv("TMPDIR", dir.path().toUtf8());
    EXPECT_EQ(s(get(obj(call(u"GetSpecialFolder", {Value(2)})), u"Path")),
              dir.path().toStdString());
    EXPECT_EQ(errorOf([&] { call(u"GetSpecialFolder", {Value(7)}); }), 5);
    EXPECT_TRUE(call(u"DriveExists", {u("c:")}).toBool());
    EXPECT_FALSE(call(u"DriveExists", {u("Q:")}).toBool());
    Value drive = call(u"GetDrive", {u("C:")});
    EXPECT_GT(get(obj(drive), u"TotalSize").toDouble(), 0.0);
    EXPECT_EQ(errorOf([&] { call(u"GetDrive", {u("Q:")}); }), 68);
}

}  // namespace
