#include "DocumentCommands.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "CodeBox.h"
#include "MainWindowState.h"
#include "ProcessState.h"
#include "RecordingLauncher.h"
#include "ScriptedDialogs.h"
#include "TestSupport.h"

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

// The document commands over a real code box, scripted dialogs and a
// launcher that only records.
struct Doc {
    QTemporaryDir dir;
    CodeBox box;
    MainWindowState state;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QStringList options;  // answers to the option question
    QStringList asked;
    QString status = QStringLiteral("状态：正常");
    DocumentCommands docs{{nullptr, box, state, dialogs, launcher,
                           [this](const QString& c, const QString& t) {
                               asked << c + "|" + t;
                               return options.isEmpty() ? QString() : options.takeFirst();
                           },
                           [this](const QString& s) { status = s; }}};

    Doc() {
        ProcessState::CurrentPath().clear();
        QObject::connect(&box, &CodeBox::changed, [this] {
            state.Modified = true;
            status = QStringLiteral("状态：正常");
        });
    }
    QString path(const QString& n) const { return dir.filePath(n); }
};

}  // namespace

TEST(Save, UntitledAsksForANameWritesCrLfAndRemembersIt) {
    Doc d;
    d.box.setText("a\r\nb");
    d.dialogs.push(d.path("x.vbs"));
    d.docs.Save();
    EXPECT_EQ(readBytes(d.path("x.vbs")), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(ProcessState::CurrentPath(), d.path("x.vbs"));
    EXPECT_FALSE(d.state.Modified);
    EXPECT_EQ(d.status, QStringLiteral("文件已保存！"));
    ASSERT_EQ(d.dialogs.calls.size(), 1);
    EXPECT_EQ(d.dialogs.calls[0].text, QStringLiteral("VBScript脚本文件(*.vbs)|*.vbs|"));
}

TEST(Save, TitledOverwritesWithoutAnyQuestion) {
    Doc d;
    writeBytes(d.path("t.vbs"), "old\r\n");
    ProcessState::CurrentPath() = d.path("t.vbs");
    d.box.setText("new");
    d.docs.Save();
    EXPECT_TRUE(d.dialogs.calls.isEmpty());
    EXPECT_EQ(readBytes(d.path("t.vbs")), QByteArray("new\r\n"));
    EXPECT_FALSE(d.state.Modified);
}

TEST(Save, CancelledDialogChangesNothing) {
    Doc d;
    d.box.setText("text");
    d.dialogs.push(QVariant());
    d.docs.Save();
    EXPECT_TRUE(d.state.Modified);
    EXPECT_EQ(d.status, QStringLiteral("状态：正常"));
    EXPECT_TRUE(ProcessState::CurrentPath().isEmpty());
}

TEST(Save, FailedWriteIsToldAndKeepsTheOldFileAndState) {
    Doc d;
    writeBytes(d.path("ro.vbs"), "keep\r\n");
    QFile::setPermissions(d.path("ro.vbs"), QFile::ReadOwner);
    ProcessState::CurrentPath() = d.path("ro.vbs");
    d.box.setText("lost?");
    d.docs.Save();
    QFile::setPermissions(d.path("ro.vbs"), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(readBytes(d.path("ro.vbs")), QByteArray("keep\r\n"));
    EXPECT_TRUE(d.state.Modified);
    EXPECT_NE(d.status, QStringLiteral("文件已保存！"));
    ASSERT_EQ(d.dialogs.calls.size(), 1);
    EXPECT_TRUE(d.dialogs.calls[0].text.contains(d.path("ro.vbs")));
    EXPECT_EQ(d.dialogs.calls[0].style, 16);
}

TEST(Save, KeepsTheEncodingTheFileCameIn) {
    Doc d;
    writeBytes(d.path("g.vbs"), "\xC4\xE3\xBA\xC3\r\n");  // GBK
    ASSERT_TRUE(d.docs.openPath(d.path("g.vbs")));
    d.box.setText(d.box.Text() + QStringLiteral("世界"));
    d.docs.Save();
    EXPECT_EQ(readBytes(d.path("g.vbs")), QByteArray("\xC4\xE3\xBA\xC3\xCA\xC0\xBD\xE7\r\n"));
}

TEST(New, DoesNothingWhenUnmodifiedEvenWithText) {
    Doc d;
    d.box.setText("keep");
    d.state.Modified = false;
    ProcessState::CurrentPath() = "/x.vbs";
    d.docs.New();
    EXPECT_TRUE(d.asked.isEmpty());
    EXPECT_EQ(d.box.Text(), QStringLiteral("keep"));
    EXPECT_EQ(ProcessState::CurrentPath(), QStringLiteral("/x.vbs"));
}

TEST(New, AsksWithTheOptionQuestionAndCancelKeepsEverything) {
    Doc d;
    d.box.setText("work");
    d.options << QStringLiteral("取消");
    d.docs.New();
    EXPECT_EQ(d.asked, QStringList{QStringLiteral("保存,不保存,取消|您的文件未保存。")});
    EXPECT_EQ(d.box.Text(), QStringLiteral("work"));
    EXPECT_TRUE(d.state.Modified);
}

TEST(New, DontSaveClearsAndTheClearingCountsAsAChange) {
    Doc d;
    d.box.setText("work");
    ProcessState::CurrentPath() = "/x.vbs";
    d.options << QStringLiteral("不保存");
    d.docs.New();
    EXPECT_EQ(d.box.Text(), QString());
    EXPECT_TRUE(ProcessState::CurrentPath().isEmpty());
    EXPECT_TRUE(d.state.Modified);  // a second New asks again
    d.options << QStringLiteral("不保存");
    d.docs.New();
    EXPECT_EQ(d.asked.size(), 2);
}

TEST(New, SaveThenClear) {
    Doc d;
    d.box.setText("work");
    d.options << QStringLiteral("保存");
    d.dialogs.push(d.path("saved.vbs"));
    d.docs.New();
    EXPECT_EQ(readBytes(d.path("saved.vbs")), QByteArray("work\r\n"));
    EXPECT_EQ(d.box.Text(), QString());
    EXPECT_TRUE(ProcessState::CurrentPath().isEmpty());
}

TEST(New, SaveWithCancelledDialogKeepsTheText) {
    Doc d;
    d.box.setText("precious");
    d.options << QStringLiteral("保存");
    d.dialogs.push(QVariant());
    d.docs.New();
    EXPECT_EQ(d.box.Text(), QStringLiteral("precious"));
    EXPECT_TRUE(d.state.Modified);
}

TEST(Open, ReadsLinesJoinedWithCrLfAndKeepsLeadingEmptyLines) {
    Doc d;
    writeBytes(d.path("o.vbs"), "\r\n\r\na\r\nb\r\n");
    d.dialogs.push(d.path("o.vbs"));
    d.docs.Open();
    EXPECT_EQ(d.box.Text(), QStringLiteral("\r\n\r\na\r\nb"));
    EXPECT_EQ(ProcessState::CurrentPath(), d.path("o.vbs"));
    EXPECT_FALSE(d.state.Modified);
}

TEST(Open, LfOnlyFileIsOneLineInTheFileButShowsItsBreaks) {
    Doc d;
    writeBytes(d.path("lf.vbs"), "a\nb\nc");
    ASSERT_TRUE(d.docs.openPath(d.path("lf.vbs")));
    EXPECT_EQ(d.box.blockCount(), 3);
}

TEST(Open, UnreadableFileIsToldAndTheDocumentStays) {
    Doc d;
    d.box.setText("mine");
    ProcessState::CurrentPath() = "/mine.vbs";
    d.dialogs.push(d.path("missing.vbs"));
    d.docs.Open();
    EXPECT_EQ(d.box.Text(), QStringLiteral("mine"));
    EXPECT_EQ(ProcessState::CurrentPath(), QStringLiteral("/mine.vbs"));
    ASSERT_EQ(d.dialogs.calls.size(), 2);
    EXPECT_EQ(d.dialogs.calls[1].style, 16);
}

TEST(Open, CancelledDialogChangesNothing) {
    Doc d;
    d.box.setText("mine");
    d.dialogs.push(QString());
    d.docs.Open();
    EXPECT_EQ(d.box.Text(), QStringLiteral("mine"));
}

TEST(Run, UntitledAnswerNoStartsNothing) {
    Doc d;
    d.dialogs.push(DialogServices::No);
    d.docs.Run();
    EXPECT_TRUE(d.launcher.commandLines.isEmpty());
    EXPECT_EQ(d.dialogs.calls[0].text, QStringLiteral("请先保存你的文件才可以调试！是否保存？"));
    EXPECT_EQ(d.dialogs.calls[0].style, 36);
    EXPECT_EQ(d.status, QStringLiteral("状态：正常"));
}

TEST(Run, UntitledYesSavesAndStartsWscriptWithTheQuotedPath) {
    Doc d;
    d.box.setText("WScript.Echo 1");
    d.dialogs.push(DialogServices::Yes);
    d.dialogs.push(d.path("with blanks.vbs"));
    d.docs.Run();
    EXPECT_EQ(readBytes(d.path("with blanks.vbs")), QByteArray("WScript.Echo 1\r\n"));
    ASSERT_EQ(d.launcher.commandLines.size(), 1);
    EXPECT_EQ(d.launcher.commandLines[0],
              "/opt/korvelvbs/wscript \"" + d.path("with blanks.vbs") + "\"");
    EXPECT_EQ(d.status, QStringLiteral("程序正在运行！"));
}

TEST(Run, TitledAsksBeforeOverwritingAndSavesEveryTime) {
    Doc d;
    writeBytes(d.path("r.vbs"), "old\r\n");
    ASSERT_TRUE(d.docs.openPath(d.path("r.vbs")));
    d.dialogs.push(DialogServices::Yes);
    d.docs.Run();
    EXPECT_EQ(d.dialogs.calls[0].text,
              QStringLiteral("你的VBS程序将会被程序保存后覆盖源文件。继续？"));
    EXPECT_EQ(readBytes(d.path("r.vbs")), QByteArray("old\r\n"));
    EXPECT_EQ(d.launcher.commandLines.size(), 1);
}

TEST(Run, CancelledSaveOrMissingHostStartsNothingAndSaysWhy) {
    Doc d;
    d.dialogs.push(DialogServices::Yes);
    d.dialogs.push(QString());
    d.docs.Run();
    EXPECT_TRUE(d.launcher.commandLines.isEmpty());
    EXPECT_NE(d.status, QStringLiteral("程序正在运行！"));
    EXPECT_EQ(d.dialogs.calls.last().kind, QStringLiteral("message"));

    Doc e;
    e.launcher.wscriptPath.clear();
    ProcessState::CurrentPath() = e.path("s.vbs");
    e.dialogs.push(DialogServices::Yes);
    e.docs.Run();
    EXPECT_TRUE(e.launcher.commandLines.isEmpty());
    EXPECT_TRUE(e.dialogs.calls.last().text.contains("wscript"));
    EXPECT_NE(e.status, QStringLiteral("程序正在运行！"));
}

TEST(Run, FailedStartIsTold) {
    Doc d;
    d.launcher.startSucceeds = false;
    ProcessState::CurrentPath() = d.path("s.vbs");
    d.dialogs.push(DialogServices::Yes);
    d.docs.Run();
    EXPECT_NE(d.status, QStringLiteral("程序正在运行！"));
    EXPECT_EQ(d.dialogs.calls.last().style, 16);
}
