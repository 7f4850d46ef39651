#include "StatementInsertion.h"

#include <gtest/gtest.h>

#include "CodeBox.h"
#include "CodeBoxHost.h"
#include "LibraryTestSupport.h"
#include "MainWindowState.h"
#include "StatementTable.h"

namespace {

const QString kOff = QStringLiteral("您已经关闭了 'End Sub！");
const QString kAdded =
    QStringLiteral("你已经新建控件！'End Sub为未激活！激活请点击右键！ KorvelVBS");
const QString kArmed = QStringLiteral("'End Sub已经激活！");
const QString kDisabled = QStringLiteral("'End Sub已禁用！");

class StatementInsertionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        table.loadLines({QStringLiteral("消息框,说明,[apppath]\\scripts\\a.vbs,显示"),
                         QStringLiteral("输入框,说明,[apppath]\\scripts\\b.vbs,输入")},
                        QStringLiteral("/app"));
    }
    bool run(const QString& path) {
        runs << path;
        editor.CodeAddString(QStringLiteral("MsgBox 1"));
        return scriptSucceeds;
    }

    MainWindowState state;
    FakeEditor editor;
    StatementTable table;
    QStringList runs;
    QStringList statuses;
    bool scriptSucceeds = true;
    StatementInsertion insertion{state, editor, table, [this](const QString& p) { return run(p); },
                                 [this](const QString& s) { statuses << s; }};
};

TEST_F(StatementInsertionTest, FirstDoubleClickAppendsMarkerOneAfterTheStatement) {
    insertion.listDoubleClicked(1);
    EXPECT_EQ(runs, QStringList{QStringLiteral("/app\\scripts\\b.vbs")});
    EXPECT_EQ(editor.text, QStringLiteral("MsgBox 1\r'End Sub (1)"));
    EXPECT_FALSE(state.EndSubArmed);
    EXPECT_EQ(state.EndSubCount, 1);
    EXPECT_EQ(statuses, QStringList{kAdded});
}

TEST_F(StatementInsertionTest, SecondDoubleClickWithoutRightClickAddsNoMarkerAndNoStatus) {
    insertion.listDoubleClicked(0);
    insertion.listDoubleClicked(0);
    EXPECT_EQ(runs.size(), 2);
    EXPECT_EQ(editor.text.count(QStringLiteral("'End Sub")), 1);
    EXPECT_EQ(statuses.size(), 1);
}

TEST_F(StatementInsertionTest, RightClicksRearmAndTheNumberKeepsCounting) {
    insertion.listDoubleClicked(0);
    insertion.listMousePressed(1);
    insertion.listDoubleClicked(0);
    EXPECT_EQ(editor.text.count(QStringLiteral("'End Sub")), 1);
    insertion.listMousePressed(2);
    EXPECT_TRUE(state.EndSubArmed);
    EXPECT_EQ(statuses.last(), kArmed);
    insertion.listDoubleClicked(0);
    EXPECT_TRUE(editor.text.endsWith(QStringLiteral("\r'End Sub (2)")));
    insertion.backgroundMousePressed(2);
    insertion.listDoubleClicked(0);
    insertion.codeBoxMousePressed(2);
    insertion.listDoubleClicked(0);
    EXPECT_TRUE(editor.text.endsWith(QStringLiteral("\r'End Sub (4)")));
    EXPECT_EQ(state.EndSubCount, 4);
}

TEST_F(StatementInsertionTest, SwitchedOffFeatureAddsNothingAndSaysSo) {
    state.EndSubSetting = QStringLiteral("no");
    insertion.listDoubleClicked(0);
    EXPECT_EQ(editor.text, QStringLiteral("MsgBox 1"));
    EXPECT_EQ(statuses, QStringList{kOff});
    insertion.codeBoxMousePressed(1);
    EXPECT_EQ(statuses.last(), kDisabled);
    // The list still reports activation, but nothing is appended afterwards.
    insertion.listMousePressed(2);
    EXPECT_EQ(statuses.last(), kArmed);
    insertion.listDoubleClicked(0);
    EXPECT_FALSE(editor.text.contains(QStringLiteral("'End Sub")));
    EXPECT_EQ(state.EndSubCount, 0);
}

TEST_F(StatementInsertionTest, OtherButtonsAndLeftClicksInTheCodeBoxChangeNothing) {
    state.EndSubArmed = false;
    insertion.listMousePressed(1);
    insertion.listMousePressed(4);
    insertion.backgroundMousePressed(1);
    insertion.codeBoxMousePressed(1);
    insertion.codeBoxMousePressed(4);
    EXPECT_FALSE(state.EndSubArmed);
    EXPECT_TRUE(statuses.isEmpty());
}

TEST_F(StatementInsertionTest, AFailedScriptStillGetsTheMarker) {
    scriptSucceeds = false;
    insertion.listDoubleClicked(0);
    EXPECT_TRUE(editor.text.endsWith(QStringLiteral("'End Sub (1)")));
}

TEST_F(StatementInsertionTest, SearchHitRunsTheScriptWithoutTouchingTheMarkerState) {
    insertion.searchHit(QStringLiteral("/x.vbs"));
    EXPECT_EQ(runs, QStringList{QStringLiteral("/x.vbs")});
    EXPECT_TRUE(state.EndSubArmed);
    EXPECT_EQ(state.EndSubCount, 0);
    EXPECT_FALSE(editor.text.contains(QStringLiteral("'End Sub")));
    EXPECT_TRUE(statuses.isEmpty());
}

TEST_F(StatementInsertionTest, NoSelectionDoesNothing) {
    insertion.listDoubleClicked(-1);
    insertion.listDoubleClicked(2);
    EXPECT_TRUE(runs.isEmpty());
    EXPECT_EQ(editor.writes, 0);
    EXPECT_TRUE(state.EndSubArmed);
}

TEST(StatementInsertionInCodeBox, MarkerStandsOnItsOwnLastLineWhereverTheCaretIs) {
    CodeBox box;
    box.setText(QStringLiteral("Sub A()\r\nEnd Sub"));
    box.setCaretPosition(9);
    CodeBoxHost host(box, [] { return QString(); });
    MainWindowState state;
    StatementTable table;
    table.loadLines({QStringLiteral("n,d,p,f")}, QString());
    StatementInsertion insertion(state, host, table,
                                 [&](const QString&) {
                                     host.CodeAddString(QStringLiteral("  MsgBox 1\r\n"));
                                     return true;
                                 },
                                 {});
    insertion.listDoubleClicked(0);
    EXPECT_EQ(box.Text(), QStringLiteral("Sub A()\r\n  MsgBox 1\r\nEnd Sub\r\n'End Sub (1)"));
    // The caret stays after the statement, ready for the next one.
    EXPECT_EQ(box.CaretPosition(), 21);
}

}  // namespace
