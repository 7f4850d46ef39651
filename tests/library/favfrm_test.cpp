#include "favfrm.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include "AppPaths.h"
#include "BlueButton.h"
#include "EditorHost.h"
#include "HostState.h"
#include "ScriptedDialogs.h"
#include "TestSupport.h"

namespace {

class RecordingHost : public EditorHost {
  public:
    QStringList added;
    void CodeAddString(const QString& s) override { added << s; }
    QString codeText() const override { return {}; }
    void setCodeText(const QString&) override {}
};

class Favourites : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    RecordingHost host;
    ScriptedDialogs dialogs;

    void SetUp() override {
        AppPaths::setApplicationFolder(dir.path());
        HostState::LastInsertedText().clear();
    }
    void TearDown() override {
        QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner);
        AppPaths::setApplicationFolder({});
    }
    QString file() const { return dir.filePath("fav.dat"); }
    QByteArray bytes() const { return TestSupport::readBytes(file()); }
    void seed(const QByteArray& b) { ASSERT_TRUE(TestSupport::writeBytes(file(), b)); }
    QStringList messages() const {
        QStringList m;
        for (const auto& c : dialogs.calls) m << c.text;
        return m;
    }
};

}  // namespace

TEST_F(Favourites, OpenAndCloseRewritesTheSameEntriesWithCrLf) {
    seed("Dim a\r\n\r\nMsgBox 1\rlast");
    {
        favfrm w(host, dialogs);
        EXPECT_EQ(w.entries(), (QStringList{"Dim a", "", "MsgBox 1", "last"}));
        w.show();
        w.close();
    }
    EXPECT_EQ(bytes(), QByteArray("Dim a\r\n\r\nMsgBox 1\r\nlast\r\n"));
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST_F(Favourites, ChineseAnsiFileStaysInItsEncoding) {
    const QByteArray gbk("\xC4\xE3\xBA\xC3\r\n");  // 你好 in the Chinese code page
    seed(gbk);
    favfrm w(host, dialogs);
    EXPECT_EQ(w.entries(), QStringList{QStringLiteral("你好")});
    w.reject();
    EXPECT_EQ(bytes(), gbk);
}

TEST_F(Favourites, MissingFileIsReportedAndCreatedOnClose) {
    HostState::LastInsertedText() = "MsgBox \"hi\"";
    favfrm w(host, dialogs);
    EXPECT_EQ(messages(), QStringList{"收藏夹文件未找到！"});
    EXPECT_EQ(dialogs.calls[0].style, 16);
    EXPECT_TRUE(w.favyj->text().isEmpty());  // the last text is not offered
    EXPECT_EQ(w.fav->count(), 0);
    w.reject();
    EXPECT_TRUE(QFile::exists(file()));
    EXPECT_EQ(bytes(), QByteArray());
}

TEST_F(Favourites, OffersTheLastInsertedText) {
    seed("x\r\n");
    HostState::LastInsertedText() = "Set fso = CreateObject(\"Scripting.FileSystemObject\")";
    favfrm w(host, dialogs);
    EXPECT_EQ(w.favyj->text(), HostState::LastInsertedText());
    w.reject();
}

TEST_F(Favourites, NothingOfferedBeforeAnyInsertion) {
    seed("x\r\n");
    favfrm w(host, dialogs);
    EXPECT_TRUE(w.favyj->text().isEmpty());
    w.reject();
}

TEST_F(Favourites, AddingAnEmptyTextSavesAnEmptyEntryThatComesBack) {
    seed("first\r\n");
    {
        favfrm w(host, dialogs);
        w.show();
        w.favyj->clear();
        w.bluebutton2_Click();
        EXPECT_EQ(messages(), QStringList{"保存成功！"});
        EXPECT_EQ(dialogs.calls[0].style, 64);
        EXPECT_FALSE(w.isVisible());  // adding closes the window
    }
    EXPECT_EQ(bytes(), QByteArray("first\r\n\r\n"));
    favfrm again(host, dialogs);
    EXPECT_EQ(again.entries(), (QStringList{"first", ""}));
    again.reject();
}

TEST_F(Favourites, AddTakesTheTextUnchanged) {
    seed("");
    favfrm w(host, dialogs);
    w.favyj->setText("  WScript.Echo 1  ");
    w.bluebutton2_Click();
    EXPECT_EQ(bytes(), QByteArray("  WScript.Echo 1  \r\n"));
    EXPECT_TRUE(w.favyj->text().isEmpty());
}

TEST_F(Favourites, DeleteWithoutSelectionStillSaysDeleted) {
    seed("a\r\nb\r\n");
    favfrm w(host, dialogs);
    w.show();
    w.fav->clearSelection();
    w.bluebutton1_Click();
    EXPECT_EQ(messages(), QStringList{"删除成功！"});
    EXPECT_EQ(w.entries(), (QStringList{"a", "b"}));
    EXPECT_TRUE(w.isVisible());
    w.close();
}

TEST_F(Favourites, AfterDeletingDoubleClickInsertsExactlyTheClickedEntry) {
    seed("one\r\ntwo\r\nthree\r\n");
    {
        favfrm w(host, dialogs);
        w.show();
        w.fav->setCurrentRow(0);
        w.bluebutton1_Click();
        ASSERT_EQ(w.entries(), (QStringList{"two", "three"}));
        emit w.fav->itemDoubleClicked(w.fav->item(1));
        EXPECT_EQ(host.added, QStringList{"three"});
        EXPECT_FALSE(w.isVisible());
    }
    EXPECT_EQ(bytes(), QByteArray("two\r\nthree\r\n"));
}

TEST_F(Favourites, UnwritableFileIsReportedAndKeptWhole) {
    seed("keep me\r\n");
    QFile::setPermissions(file(), QFile::ReadOwner);
    favfrm w(host, dialogs);
    w.favyj->setText("new one");
    dialogs.push(DialogServices::Ok);      // "保存成功！"
    dialogs.push(DialogServices::Retry);   // first failure: try again
    dialogs.push(DialogServices::Cancel);  // second failure: give up
    w.bluebutton2_Click();
    ASSERT_EQ(dialogs.calls.size(), 3);
    EXPECT_EQ(dialogs.calls[1].style, DialogServices::RetryCancel | DialogServices::Critical);
    EXPECT_TRUE(dialogs.calls[1].text.contains("原来的收藏夹文件保持不变"));
    QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(bytes(), QByteArray("keep me\r\n"));
}

TEST_F(Favourites, UnreadableFileIsNeverOverwritten) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("fav.dat"));  // a folder in the file's place
    favfrm w(host, dialogs);
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_EQ(dialogs.calls[0].style, 16);
    w.favyj->setText("x");
    w.bluebutton2_Click();
    EXPECT_TRUE(QFileInfo(file()).isDir());
    EXPECT_TRUE(messages().last().contains("没有保存"));
}

TEST_F(Favourites, FileIsWrittenOnceWhateverClosesTheWindow) {
    seed("a\r\n");
    favfrm w(host, dialogs);
    w.show();
    w.close();
    seed("changed elsewhere\r\n");
    w.reject();  // a second close of the same opening writes nothing more
    EXPECT_EQ(bytes(), QByteArray("changed elsewhere\r\n"));
}
