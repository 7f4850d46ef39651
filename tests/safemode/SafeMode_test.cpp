#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "BlueButton.h"
#include "CodeBox.h"
#include "ProcessState.h"
#include "RecordingLauncher.h"
#include "ScriptedDialogs.h"
#include "TestSupport.h"
#include "p.h"

using TestSupport::readBytes;
using TestSupport::writeBytes;

namespace {

struct Safe {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    RecordingLauncher launcher;
    QStringList options;
    int aboutShown = 0;
    p w{{dialogs, launcher,
         [this](const QString&, const QString&) {
             return options.isEmpty() ? QString() : options.takeFirst();
         },
         [this] { ++aboutShown; }}};
    Safe() { ProcessState::CurrentPath().clear(); }
    QString path(const QString& n) const { return dir.filePath(n); }
};

}  // namespace

TEST(SafeMode, SaveAlwaysAsksAndNeverRemembersTheName) {
    Safe s;
    ProcessState::CurrentPath() = s.path("open.vbs");
    s.w.codebox->setText("x");
    s.dialogs.push(s.path("a.vbs"));
    EXPECT_TRUE(s.w.Save());
    s.dialogs.push(s.path("b.vbs"));
    EXPECT_TRUE(s.w.Save());
    EXPECT_EQ(s.dialogs.calls.size(), 2);
    EXPECT_EQ(readBytes(s.path("b.vbs")), QByteArray("x\r\n"));
    EXPECT_EQ(ProcessState::CurrentPath(), s.path("open.vbs"));
}

TEST(SafeMode, OpenSetsTheSharedPathAndRunOverwritesIt) {
    Safe s;
    writeBytes(s.path("o.vbs"), "a\r\nb");
    s.dialogs.push(s.path("o.vbs"));
    s.w.Open();
    EXPECT_EQ(s.w.codebox->Text(), QStringLiteral("a\r\nb"));
    EXPECT_EQ(ProcessState::CurrentPath(), s.path("o.vbs"));
    EXPECT_FALSE(s.w.Modified);
    s.dialogs.push(DialogServices::Yes);
    s.w.Run();
    EXPECT_EQ(s.dialogs.calls.last().text,
              QStringLiteral("你的VBS程序将会被程序保存后覆盖源文件。继续？"));
    EXPECT_EQ(readBytes(s.path("o.vbs")), QByteArray("a\r\nb\r\n"));
    ASSERT_EQ(s.launcher.commandLines.size(), 1);
    EXPECT_TRUE(s.launcher.commandLines[0].endsWith("\"" + s.path("o.vbs") + "\""));
}

TEST(SafeMode, RunUntitledRunsTheChosenFileWithoutRememberingIt) {
    Safe s;
    s.w.codebox->setText("MsgBox 1");
    s.dialogs.push(DialogServices::Yes);
    s.dialogs.push(s.path("my script.vbs"));
    s.w.Run();
    ASSERT_EQ(s.launcher.commandLines.size(), 1);
    EXPECT_TRUE(s.launcher.commandLines[0].endsWith("\"" + s.path("my script.vbs") + "\""));
    EXPECT_TRUE(ProcessState::CurrentPath().isEmpty());
}

TEST(SafeMode, RunWithCancelledSaveStartsNothing) {
    Safe s;
    s.dialogs.push(DialogServices::Yes);
    s.dialogs.push(QString());
    s.w.Run();
    EXPECT_TRUE(s.launcher.commandLines.isEmpty());
    EXPECT_EQ(s.dialogs.calls.last().kind, QStringLiteral("message"));
}

TEST(SafeMode, NewAsksOnlyAfterEditsAndKeepsTextWhenTheSaveIsCancelled) {
    Safe s;
    s.w.New();  // nothing typed: nothing asked
    EXPECT_TRUE(s.dialogs.calls.isEmpty());
    s.w.codebox->setText("typed");
    s.options << QStringLiteral("保存");
    s.dialogs.push(QString());
    s.w.New();
    EXPECT_EQ(s.w.codebox->Text(), QStringLiteral("typed"));
    s.options << QStringLiteral("不保存");
    s.w.New();
    EXPECT_EQ(s.w.codebox->Text(), QString());
    EXPECT_FALSE(s.w.Modified);
}

TEST(SafeMode, CloseAndAboutButtons) {
    Safe s;
    s.w.show();
    QSignalSpy close(&s.w, &p::closeRequested);
    QTest::mouseClick(s.w.bluebutton1, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(close.count(), 1);
    QTest::mouseClick(s.w.bluebutton2, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(s.aboutShown, 1);
    EXPECT_EQ(s.w.bluebutton1->Caption(), QStringLiteral("×"));
    EXPECT_EQ(s.w.windowTitle(), QStringLiteral("安全模式"));
}
