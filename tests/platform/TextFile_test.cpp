#include "TextFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "TestSupport.h"

using TestSupport::readBytes;
using TestSupport::writeBytes;

class TextFileTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(TextFileTest, LinesEndAtCrLfOrLoneCrButNotAtLoneLf) {
    ASSERT_TRUE(writeBytes(path("a.vbs"), "one\r\ntwo\rthree\nstill three\r\n"));
    const auto r = TextFile::read(path("a.vbs"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.lines, (QStringList{"one", "two", "three\nstill three"}));
}

TEST_F(TextFileTest, FinalTerminatorAddsNoLineButABlankLineDoes) {
    ASSERT_TRUE(writeBytes(path("a"), "x\r\ny\r\n"));
    EXPECT_EQ(TextFile::read(path("a")).lines.size(), 2);
    ASSERT_TRUE(writeBytes(path("b"), "x\r\ny\r\n\r\n"));
    EXPECT_EQ(TextFile::read(path("b")).lines, (QStringList{"x", "y", ""}));
    ASSERT_TRUE(writeBytes(path("c"), "x\r\ny"));
    EXPECT_EQ(TextFile::read(path("c")).lines, (QStringList{"x", "y"}));
    ASSERT_TRUE(writeBytes(path("d"), ""));
    EXPECT_TRUE(TextFile::read(path("d")).lines.isEmpty());
}

TEST_F(TextFileTest, EncodingsAreRecognisedAndKept) {
    const QString text = QStringLiteral("你好，世界");
    struct Case {
        TextFile::Encoding enc;
    };
    for (auto enc :
         {TextFile::Encoding::Utf8, TextFile::Encoding::Utf8Bom, TextFile::Encoding::Utf16LE,
          TextFile::Encoding::Utf16BE, TextFile::Encoding::Gbk}) {
        const QString p = path(QStringLiteral("e%1").arg(int(enc)));
        ASSERT_TRUE(TextFile::writeText(p, text, enc).ok);
        const auto r = TextFile::read(p);
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.encoding, enc) << int(enc);
        EXPECT_EQ(r.lines, QStringList{text}) << int(enc);
    }
}

TEST_F(TextFileTest, GbkBytesAreReadAsChinese) {
    // "你好" in GBK, which is not valid UTF-8.
    ASSERT_TRUE(writeBytes(path("g.vbs"), "\xC4\xE3\xBA\xC3\r\n"));
    const auto r = TextFile::read(path("g.vbs"));
    EXPECT_EQ(r.encoding, TextFile::Encoding::Gbk);
    EXPECT_EQ(r.lines, QStringList{QStringLiteral("你好")});
}

TEST_F(TextFileTest, InvalidUtf8FallsBackToTheAnsiCodePageWithoutLosingBytes) {
    ASSERT_TRUE(writeBytes(path("bad"), "ok\xFF\xFEzz"));
    const auto r = TextFile::read(path("bad"));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.encoding, TextFile::Encoding::Gbk);
    ASSERT_EQ(r.lines.size(), 1);
    EXPECT_TRUE(r.lines[0].startsWith("ok"));
}

TEST_F(TextFileTest, WritingEndsTheTextWithCrLf) {
    ASSERT_TRUE(TextFile::writeText(path("w"), "a\r\nb").ok);
    EXPECT_EQ(readBytes(path("w")), QByteArray("a\r\nb\r\n"));
    ASSERT_TRUE(TextFile::writeLines(path("l"), {"x", "", "y"}).ok);
    EXPECT_EQ(readBytes(path("l")), QByteArray("x\r\n\r\ny\r\n"));
}

TEST_F(TextFileTest, JoiningDropsLeadingEmptyLinesLikeTheEditorAlwaysHas) {
    EXPECT_EQ(TextFile::joinLikeLineInput({"", "", "a", "", "b"}), QStringLiteral("a\r\n\r\nb"));
    EXPECT_EQ(TextFile::joinLikeLineInput({}), QString());
}

TEST_F(TextFileTest, MissingAndUnreadableFilesAreReportedInChinese) {
    const auto missing = TextFile::read(path("nope"));
    EXPECT_EQ(missing.status, TextFile::ReadResult::Status::NotFound);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("找不到")));
    const auto folder = TextFile::read(dir.path());
    EXPECT_EQ(folder.status, TextFile::ReadResult::Status::Unreadable);
}

TEST_F(TextFileTest, FailedWriteLeavesTheOldFileWhole) {
    ASSERT_TRUE(writeBytes(path("keep.vbs"), "old content\r\n"));
    QFile::setPermissions(path("keep.vbs"), QFile::ReadOwner);
    const auto w = TextFile::writeText(path("keep.vbs"), "new");
    QFile::setPermissions(path("keep.vbs"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_FALSE(w.ok);
    EXPECT_FALSE(w.error.isEmpty());
    EXPECT_EQ(readBytes(path("keep.vbs")), QByteArray("old content\r\n"));
}

TEST_F(TextFileTest, WriteIntoMissingFolderFails) {
    const auto w = TextFile::writeText(path("no/such/dir/x.vbs"), "x");
    EXPECT_FALSE(w.ok);
    EXPECT_FALSE(QFile::exists(path("no/such/dir/x.vbs")));
}

TEST_F(TextFileTest, Utf8MarkBeforeNonUtf8BytesDoesNotCorruptThemOnSave) {
    const QByteArray bytes("\xEF\xBB\xBFMsgBox \"\xC4\xE3\xBA\xC3\"");
    ASSERT_TRUE(writeBytes(path("mixed.vbs"), bytes));
    const auto r = TextFile::read(path("mixed.vbs"));
    EXPECT_EQ(r.encoding, TextFile::Encoding::Gbk);
    ASSERT_TRUE(TextFile::writeLines(path("back.vbs"), r.lines, r.encoding).ok);
    EXPECT_EQ(readBytes(path("back.vbs")), bytes + "\r\n");
}

TEST_F(TextFileTest, ASecondMarkIsTextAndSurvivesASave) {
    for (const QByteArray& bytes :
         {QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx"),
          QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF"), QByteArray("\xFF\xFE\xFF\xFEx\0", 6),
          QByteArray("\xFF\xFE\xFF\xFE\xFF\xFE", 6)}) {
        TextFile::Encoding enc;
        const QString text = TextFile::decode(bytes, &enc);
        EXPECT_TRUE(text.startsWith(QChar(0xFEFF)));
        EXPECT_EQ(TextFile::encode(text, enc), bytes);
    }
}
