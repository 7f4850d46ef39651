#include "FindBar.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "CodeBox.h"

namespace {

struct FindBarTest : ::testing::Test {
    CodeBox box;
    FindBar* bar = new FindBar(&box);
    void SetUp() override {
        box.resize(600, 300);
        box.show();
    }
    // The selected text and where it starts, as the user sees it.
    QString selected() const { return box.textCursor().selectedText(); }
    int selectionStart() const { return box.textCursor().selectionStart(); }
    void search(const QString& what) {
        bar->openFind();
        bar->findText->setText(what);
    }
};

TEST_F(FindBarTest, FindsForwardFromTheCaretAndWrapsAround) {
    box.setText("Dim a\r\nDim b\r\nDim c");
    box.setCaretPosition(3);
    search("Dim");
    ASSERT_TRUE(bar->findNext());
    EXPECT_EQ(selectionStart(), 6);  // the second line, after the caret
    EXPECT_TRUE(bar->status->text().isEmpty());
    ASSERT_TRUE(bar->findNext());
    EXPECT_EQ(selectionStart(), 12);
    ASSERT_TRUE(bar->findNext());
    EXPECT_EQ(selectionStart(), 0);
    EXPECT_EQ(bar->status->text(), QStringLiteral("已从开头重新查找。"));
}

TEST_F(FindBarTest, FindsBackwardAndWrapsToTheEnd) {
    box.setText("x = 1 : x = 2 : x = 3");
    box.setCaretPosition(9);
    search("x");
    ASSERT_TRUE(bar->findPrevious());
    EXPECT_EQ(selectionStart(), 8);
    ASSERT_TRUE(bar->findPrevious());
    EXPECT_EQ(selectionStart(), 0);
    ASSERT_TRUE(bar->findPrevious());
    EXPECT_EQ(selectionStart(), 16);
    EXPECT_EQ(bar->status->text(), QStringLiteral("已从末尾重新查找。"));
}

TEST_F(FindBarTest, CaseAndWholeWordOptionsNarrowTheSearch) {
    box.setText("DIM dimension Dim");
    box.setCaretPosition(0);
    search("dim");
    ASSERT_TRUE(bar->findNext());
    EXPECT_EQ(selected(), QStringLiteral("DIM"));
    bar->matchCase->setChecked(true);
    ASSERT_TRUE(bar->findNext());
    EXPECT_EQ(selectionStart(), 4);  // "dim" of dimension
    bar->wholeWord->setChecked(true);
    EXPECT_FALSE(bar->findNext());
    EXPECT_EQ(bar->status->text(), QStringLiteral("找不到“dim”。"));
    bar->matchCase->setChecked(false);
    ASSERT_TRUE(bar->findNext());
    EXPECT_EQ(selected(), QStringLiteral("Dim"));
}

TEST_F(FindBarTest, NothingToFindChangesNothing) {
    box.setText("MsgBox 1");
    box.setCaretPosition(3);
    search("");
    EXPECT_FALSE(bar->findNext());
    EXPECT_FALSE(bar->status->text().isEmpty());
    search("InputBox");
    EXPECT_FALSE(bar->findNext());
    EXPECT_EQ(box.CaretPosition(), 3);
    EXPECT_FALSE(box.textCursor().hasSelection());
}

TEST_F(FindBarTest, ChineseTextIsFoundAndReplaced) {
    box.setText("Greet \"张三\"\r\nGreet \"张三丰\"");
    box.setCaretPosition(0);
    search("张三");
    ASSERT_TRUE(bar->findNext());
    EXPECT_EQ(selected(), QStringLiteral("张三"));
    bar->replaceText->setText("李四");
    EXPECT_EQ(bar->replaceAll(), 2);
    EXPECT_EQ(box.Text(), QStringLiteral("Greet \"李四\"\r\nGreet \"李四丰\""));
    EXPECT_EQ(bar->status->text(), QStringLiteral("已替换 2 处。"));
}

TEST_F(FindBarTest, ReplaceCurrentReplacesOnlyASelectedMatch) {
    box.setText("a = 1\r\na = 2");
    box.setCaretPosition(0);
    bar->openReplace();
    bar->findText->setText("a");
    bar->replaceText->setText("total");
    // Nothing matching is selected yet: the first press only finds.
    EXPECT_FALSE(bar->replaceCurrent());
    EXPECT_EQ(box.Text(), QStringLiteral("a = 1\r\na = 2"));
    EXPECT_EQ(selectionStart(), 0);
    EXPECT_TRUE(bar->replaceCurrent());
    EXPECT_EQ(box.Text(), QStringLiteral("total = 1\r\na = 2"));
    EXPECT_EQ(selected(), QStringLiteral("a"));  // the next one is waiting
    EXPECT_TRUE(bar->replaceCurrent());
    EXPECT_EQ(box.Text(), QStringLiteral("total = 1\r\ntotal = 2"));
}

TEST_F(FindBarTest, ReplaceAllIsOneUndoStepAndOneNotification) {
    const QString before = "For i = 1 To 3\r\n    s = s & i\r\nNext";
    box.setText(before);
    QSignalSpy changes(&box, &CodeBox::changed);
    bar->openReplace();
    bar->findText->setText("i");
    bar->replaceText->setText("index");
    bar->wholeWord->setChecked(true);
    EXPECT_EQ(bar->replaceAll(), 2);
    EXPECT_EQ(box.Text(), QStringLiteral("For index = 1 To 3\r\n    s = s & index\r\nNext"));
    EXPECT_EQ(changes.count(), 1);
    box.undo();
    EXPECT_EQ(box.Text(), before);
}

TEST_F(FindBarTest, ReplacementMayContainTheSearchTextWithoutLooping) {
    box.setText("a a a");
    bar->openReplace();
    bar->findText->setText("a");
    bar->replaceText->setText("aa");
    EXPECT_EQ(bar->replaceAll(), 3);
    EXPECT_EQ(box.Text(), QStringLiteral("aa aa aa"));
    bar->findText->setText("zz");
    EXPECT_EQ(bar->replaceAll(), 0);
    EXPECT_EQ(bar->status->text(), QStringLiteral("找不到“zz”。"));
}

TEST_F(FindBarTest, OpeningTakesASelectionOnOneLineAsTheSearchText) {
    box.setText("MsgBox \"hi\"\r\nWScript.Echo 1");
    QTextCursor c = box.textCursor();
    c.setPosition(0);
    c.setPosition(6, QTextCursor::KeepAnchor);
    box.setTextCursor(c);
    bar->openFind();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->findText->text(), QStringLiteral("MsgBox"));
    EXPECT_FALSE(bar->replaceText->isVisible());
    bar->closeBar();
    c.setPosition(0);
    c.setPosition(16, QTextCursor::KeepAnchor);  // across the line break
    box.setTextCursor(c);
    bar->openReplace();
    EXPECT_EQ(bar->findText->text(), QStringLiteral("MsgBox"));
    EXPECT_TRUE(bar->replaceText->isVisible());
}

TEST_F(FindBarTest, KeysDriveTheBar) {
    box.setText("x\r\nx\r\nx");
    box.setCaretPosition(0);
    search("x");
    QTest::keyClick(bar->findText, Qt::Key_Return);
    EXPECT_EQ(selectionStart(), 0);
    QTest::keyClick(bar->findText, Qt::Key_Return);
    EXPECT_EQ(selectionStart(), 2);
    QTest::keyClick(bar->findText, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(selectionStart(), 0);
    QTest::keyClick(bar->findText, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    // Esc in the code box puts the bar away too, and is not typed.
    bar->openFind();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(box.Text(), QStringLiteral("x\r\nx\r\nx"));
}

TEST_F(FindBarTest, TheBarStaysInsideTheBoxWhenItIsResized) {
    bar->openFind();
    box.resize(900, 300);
    QCoreApplication::processEvents();
    EXPECT_TRUE(box.rect().contains(bar->geometry()));
    box.resize(420, 300);
    QCoreApplication::processEvents();
    EXPECT_TRUE(box.rect().contains(bar->geometry()))
        << bar->geometry().x() << "," << bar->geometry().width();
}

}  // namespace

TEST(CodeBox, GoToLineMovesTheCaretOnlyToLinesThatExist) {
    CodeBox box;
    box.setText("a\r\nb\r\nc");
    EXPECT_TRUE(box.goToLine(3));
    EXPECT_EQ(box.CaretPosition(), 6);
    EXPECT_TRUE(box.goToLine(1));
    EXPECT_EQ(box.CaretPosition(), 0);
    EXPECT_FALSE(box.goToLine(0));
    EXPECT_FALSE(box.goToLine(4));
    EXPECT_EQ(box.CaretPosition(), 0);
}

TEST(CodeBox, SelectionStaysVisibleWithoutTheFocus) {
    CodeBox box;
    const QPalette p = box.palette();
    EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Highlight),
              p.color(QPalette::Active, QPalette::Highlight));
    // A palette brought later (by a theme) is corrected as well.
    QPalette later = box.palette();
    later.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    box.setPalette(later);
    EXPECT_EQ(box.palette().color(QPalette::Inactive, QPalette::Highlight),
              box.palette().color(QPalette::Active, QPalette::Highlight));
}
