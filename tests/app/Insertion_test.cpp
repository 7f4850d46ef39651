#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include "CodeBox.h"
#include "FindBar.h"
#include "HostState.h"
#include "RecordingLauncher.h"
#include "ScriptedArgumentDialogs.h"
#include "ScriptedDialogs.h"
#include "SettingsStore.h"
#include "StatementPanel.h"
#include "StatementTable.h"
#include "TestSupport.h"
#include "mainfrm.h"

namespace {

// The whole road of one insertion: list, generator script in the engine,
// host object, code box, 'End Sub marker.
struct Editor {
    QTemporaryDir config, app;
    SettingsStore settings{config.path()};
    ScriptedDialogs dialogs;
    ScriptedArgumentDialogs args;
    StatementTable table;
    RecordingLauncher launcher;
    std::unique_ptr<mainfrm> w;

    void script(const QString& name, const QByteArray& code) {
        QDir(app.path()).mkpath("scripts");
        TestSupport::writeBytes(app.filePath("scripts/" + name), code);
    }
    void start(const QByteArray& library) {
        TestSupport::writeBytes(app.filePath("stslist.dat"), library);
        w = std::make_unique<mainfrm>(
            mainfrm::Services{settings, dialogs, table, app.path(), launcher, args});
        ASSERT_EQ(w->Load(), mainfrm::LoadOutcome::Ready);
    }
};

}  // namespace

TEST(Insertion, DoubleClickRunsTheGeneratorAndAppendsTheMarker) {
    Editor e;
    e.script("one.vbs", "CBatCode.StringReturn \"MsgBox 1\"\r\n");
    e.start("消息,说明,[apppath]\\scripts\\one.vbs,功能\r\n");
    e.w->panel->statementActivated(0);
    EXPECT_EQ(e.w->codebox->Text(), QStringLiteral("MsgBox 1\r\n'End Sub (1)"));
    EXPECT_EQ(HostState::LastInsertedText(), QStringLiteral("MsgBox 1"));
    EXPECT_FALSE(e.w->state.EndSubArmed);
    EXPECT_TRUE(e.w->state.Modified);
    // Disarmed: the next statement comes without a marker, until a right click.
    e.w->codebox->setCaretPosition(0);
    e.w->panel->statementActivated(0);
    EXPECT_EQ(e.w->codebox->Text(), QStringLiteral("MsgBox 1MsgBox 1\r\n'End Sub (1)"));
    e.w->panel->listMousePressed(2);
    EXPECT_EQ(e.w->now->text(), QStringLiteral("'End Sub已经激活！"));
    e.w->panel->statementActivated(0);
    EXPECT_TRUE(e.w->codebox->Text().endsWith(QStringLiteral("'End Sub (2)")));
}

TEST(Insertion, ArgumentDialogsFeedTheGenerator) {
    Editor e;
    e.script("pick.vbs",
             "x = CBatCode.OptionDLG(\"红,绿,蓝\", \"颜色\")\r\nCBatCode.StringReturn \"c = \"\"\" "
             "& x & \"\"\"\"\r\n");
    e.settings.save("korvelVbs", "main", "End Sub", "no");
    e.start("颜色,说明,[apppath]\\scripts\\pick.vbs,功能\r\n");
    e.args.pushOption(1);
    e.w->panel->statementActivated(0);
    EXPECT_EQ(e.w->codebox->Text(), QStringLiteral("c = \"绿\""));
}

TEST(Insertion, FailingGeneratorIsReportedAndKeepsWhatItInserted) {
    Editor e;
    e.script("bad.vbs", "CBatCode.StringReturn \"part\"\r\nx = 1 / 0\r\n");
    e.settings.save("korvelVbs", "main", "End Sub", "no");
    e.start(
        "坏,说明,[apppath]\\scripts\\bad.vbs,功能\r\nless,说明,[apppath]\\scripts\\none.vbs,"
        "功能\r\n");
    e.w->panel->statementActivated(0);
    EXPECT_EQ(e.w->codebox->Text(), QStringLiteral("part"));
    ASSERT_FALSE(e.dialogs.calls.isEmpty());
    EXPECT_TRUE(e.dialogs.calls.last().text.startsWith(QStringLiteral("无法执行 '")));
    EXPECT_TRUE(e.dialogs.calls.last().text.endsWith(QStringLiteral("' 命令。")));
    e.w->panel->statementActivated(1);
    EXPECT_EQ(e.dialogs.calls.size(), 2);
}

TEST(Insertion, SearchRunsTheGeneratorWithoutMarker) {
    Editor e;
    e.script("one.vbs", "CBatCode.StringReturn \"Dim a\"\r\n");
    e.start("变量,说明,[apppath]\\scripts\\one.vbs,功能\r\n");
    e.w->panel->searchtext->setText(QStringLiteral("变量"));
    e.w->panel->search();
    EXPECT_EQ(e.w->codebox->Text(), QStringLiteral("Dim a"));
    EXPECT_TRUE(e.w->state.EndSubArmed);
}

TEST(Insertion, GeneratorsMayUseTheFileSystemObject) {
    Editor e;
    e.script("fso.vbs",
             "Set fso = CreateObject(\"Scripting.FileSystemObject\")\r\n"
             "CBatCode.StringReturn CStr(fso.FolderExists(\"" +
                 e.app.path().toUtf8() + "\"))\r\n");
    e.settings.save("korvelVbs", "main", "End Sub", "no");
    e.start("文件,说明,[apppath]\\scripts\\fso.vbs,功能\r\n");
    e.w->panel->statementActivated(0);
    EXPECT_EQ(e.w->codebox->Text(), QStringLiteral("True"));
}

TEST(Insertion, RightPressOnBackgroundOrCodeBoxArmsAndSwitchedOffIsReported) {
    Editor e;
    e.start("a,b,c,d\r\n");
    e.w->show();
    e.w->state.EndSubArmed = false;
    // A point of bare background: between the code box and the status strip.
    const QPoint bare(2, e.w->Picture1->y() - 2);
    ASSERT_EQ(e.w->childAt(bare), nullptr);
    QTest::mousePress(e.w.get(), Qt::RightButton, {}, bare);
    EXPECT_TRUE(e.w->state.EndSubArmed);
    EXPECT_EQ(e.w->now->text(), QStringLiteral("'End Sub已经激活！"));

    e.w->state.EndSubArmed = false;
    QTest::mousePress(e.w->codebox->viewport(), Qt::LeftButton);
    EXPECT_FALSE(e.w->state.EndSubArmed);
    QTest::mousePress(e.w->codebox->viewport(), Qt::RightButton);
    EXPECT_TRUE(e.w->state.EndSubArmed);

    e.w->state.EndSubSetting = QStringLiteral("no");
    QTest::mousePress(e.w->codebox->viewport(), Qt::LeftButton);
    EXPECT_EQ(e.w->now->text(), QStringLiteral("'End Sub已禁用！"));
}

TEST(Editing, ShortcutsOpenFindAndReplace) {
    Editor e;
    e.start("消息,说明,[apppath]\\scripts\\one.vbs,功能\r\n");
    e.w->show();
    e.w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(e.w.get()));
    e.w->codebox->setText("MsgBox 1\r\nMsgBox 2");
    e.w->codebox->setFocus();
    QTest::keyClick(e.w->codebox, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(e.w->findBar->isVisible());
    EXPECT_FALSE(e.w->findBar->replaceText->isVisible());
    e.w->findBar->findText->setText("MsgBox");
    QTest::keyClick(e.w->findBar->findText, Qt::Key_F3);
    EXPECT_EQ(e.w->codebox->textCursor().selectedText(), QStringLiteral("MsgBox"));
    QTest::keyClick(e.w->findBar->findText, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(e.w->findBar->replaceText->isVisible());
    e.w->findBar->replaceText->setText("WScript.Echo");
    EXPECT_EQ(e.w->findBar->replaceAll(), 2);
    EXPECT_EQ(e.w->codebox->Text(), QStringLiteral("WScript.Echo 1\r\nWScript.Echo 2"));
    EXPECT_TRUE(e.w->state.Modified);
}

TEST(Editing, GoToLineAsksForAnExistingLine) {
    Editor e;
    e.start("消息,说明,[apppath]\\scripts\\one.vbs,功能\r\n");
    e.w->codebox->setText("a\r\nb\r\nc\r\nd");
    e.dialogs.push(QStringLiteral("3"));
    e.w->goToLine();
    EXPECT_EQ(e.w->codebox->textCursor().blockNumber(), 2);
    ASSERT_EQ(e.dialogs.calls.size(), 1);
    EXPECT_EQ(e.dialogs.calls[0].text, QStringLiteral("转到第几行（1 到 4）："));
    // A line that does not exist, or no number, is explained and moves nothing.
    for (const QString& bad : {QStringLiteral("9"), QStringLiteral("三")}) {
        e.dialogs.push(bad);
        e.w->goToLine();
        EXPECT_EQ(e.w->codebox->textCursor().blockNumber(), 2);
        EXPECT_EQ(e.dialogs.calls.last().text, QStringLiteral("请输入 1 到 4 之间的行号。"));
    }
    // Cancel does nothing.
    const qsizetype asked = e.dialogs.calls.size();
    e.dialogs.push(QVariant());
    e.w->goToLine();
    EXPECT_EQ(e.dialogs.calls.size(), asked + 1);
    EXPECT_EQ(e.w->codebox->textCursor().blockNumber(), 2);
}
