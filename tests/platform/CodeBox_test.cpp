#include "CodeBox.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "VbsHighlighter.h"

TEST(CodeBox, TextJoinsLinesWithCrLfAndAcceptsEveryLineEnd) {
    CodeBox box;
    box.setText("a\r\nb\rc\nd");
    EXPECT_EQ(box.Text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(box.blockCount(), 4);
}

TEST(CodeBox, CaretPositionCountsLineBreaksAsTwo) {
    CodeBox box;
    box.setText("ab\r\ncd\r\nef");
    box.setCaretPosition(4);  // after the first CR LF
    EXPECT_EQ(box.CaretPosition(), 4);
    EXPECT_TRUE(box.Text().left(box.CaretPosition()).endsWith("\r\n"));
    EXPECT_EQ(box.textCursor().position(), 3);
    box.setCaretPosition(box.Text().size());
    EXPECT_EQ(box.CaretPosition(), box.Text().size());
    // Between CR and LF falls back before the break.
    box.setCaretPosition(3);
    EXPECT_EQ(box.CaretPosition(), 2);
}

TEST(CodeBox, EveryWriteRaisesExactlyOneNotification) {
    CodeBox box;
    QSignalSpy spy(&box, &CodeBox::changed);
    box.setText("line one\r\nline two\r\nline three");
    EXPECT_EQ(spy.count(), 1);
    box.setText("");
    EXPECT_EQ(spy.count(), 2);
    box.insertAt(0, "x\r\ny");
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(box.Text(), QStringLiteral("x\r\ny"));
}

TEST(CodeBox, TypingRaisesTheNotificationToo) {
    CodeBox box;
    box.show();
    QSignalSpy spy(&box, &CodeBox::changed);
    QTest::keyClicks(&box, "ab");
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(box.Text(), QStringLiteral("ab"));
}

TEST(CodeBox, InsertAtKeepsUndo) {
    CodeBox box;
    box.setText("ac");
    box.insertAt(1, "b");
    EXPECT_EQ(box.Text(), QStringLiteral("abc"));
    EXPECT_EQ(box.CaretPosition(), 2);
    box.undo();
    EXPECT_EQ(box.Text(), QStringLiteral("ac"));
}

TEST(CodeBox, MousePressReportsButtonCodes) {
    CodeBox box;
    box.resize(200, 100);
    box.show();
    QSignalSpy spy(&box, &CodeBox::mousePressed);
    QTest::mousePress(box.viewport(), Qt::RightButton);
    QTest::mouseRelease(box.viewport(), Qt::RightButton);
    QTest::mousePress(box.viewport(), Qt::LeftButton);
    QTest::mouseRelease(box.viewport(), Qt::LeftButton);
    QTest::mousePress(box.viewport(), Qt::MiddleButton);
    QTest::mouseRelease(box.viewport(), Qt::MiddleButton);
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy[0][0].toInt(), 2);
    EXPECT_EQ(spy[1][0].toInt(), 1);
    EXPECT_EQ(spy[2][0].toInt(), 4);
}

TEST(CodeBox, HighlightingNeverChangesTheText) {
    CodeBox box;
    const QString code = "If x = \"it's\" Then ' note\r\nd = #2026-12-06#\r\nRem old\r\n";
    box.setText(code);
    EXPECT_EQ(box.Text(), QString(code).replace("\r\n", "\n").replace("\n", "\r\n"));
}

TEST(VbsHighlighter, ClassifiesKeywordsStringsCommentsNumbersAndDates) {
    using K = VbsHighlighter::Kind;
    auto kindAt = [](const QString& line, int pos) {
        K k = K::Plain;
        for (const auto& run : VbsHighlighter::classify(line))
            if (run.first <= pos) k = run.second;
        return k;
    };
    const QString line = "Dim s: s = \"a ' b\" ' c";
    EXPECT_EQ(kindAt(line, 0), K::Keyword);
    EXPECT_EQ(kindAt(line, 4), K::Plain);
    EXPECT_EQ(kindAt(line, 13), K::String);  // the quote inside the string is no comment
    EXPECT_EQ(kindAt(line, 20), K::Comment);
    EXPECT_EQ(kindAt("x = &HFF + 12", 4), K::Number);
    EXPECT_EQ(kindAt("d = #1/2/2026#", 5), K::Date);
    EXPECT_EQ(kindAt("Rem hello", 5), K::Comment);
    EXPECT_EQ(kindAt("x = 1: Rem hello", 9), K::Comment);
    EXPECT_EQ(kindAt("remark = 1", 0), K::Plain);
}

TEST(CodeBox, HugeTextsAreShownWithoutColouringAndSmallOnesWithIt) {
    CodeBox box;
    box.setText(QString(CodeBox::kHighlightLimit + 1, u'x'));
    EXPECT_FALSE(box.highlighting());
    box.setText("Dim a");
    EXPECT_TRUE(box.highlighting());
}

TEST(CodeBox, EnterKeepsTheIndentationOfTheLineItBreaks) {
    CodeBox box;
    box.show();
    box.setText("Sub A()\r\n    If x Then");
    box.setCaretPosition(box.Text().size());
    QSignalSpy spy(&box, &CodeBox::changed);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(spy.count(), 1);
    QTest::keyClicks(&box, "y = 1");
    EXPECT_EQ(box.Text(), QStringLiteral("Sub A()\r\n    If x Then\r\n    y = 1"));
    // Breaking inside the indentation keeps only what is left of the caret; tabs count too.
    box.setText("\t\tz");
    box.setCaretPosition(1);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.Text(), QStringLiteral("\t\r\n\t\tz"));
    // An unindented line gets a plain break, and one undo takes the whole break back.
    box.setText("ab");
    box.setCaretPosition(1);
    QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("a\r\nb"));
    box.setText("    x");
    box.setCaretPosition(5);
    QTest::keyClick(&box, Qt::Key_Return);
    box.undo();
    EXPECT_EQ(box.Text(), QStringLiteral("    x"));
}

TEST(CodeBox, EnterOverASelectionReplacesItAndIndentsLikeItsFirstLine) {
    CodeBox box;
    box.show();
    box.setText("  abc\r\ndef");
    QTextCursor c = box.textCursor();
    c.setPosition(3);
    c.setPosition(8, QTextCursor::KeepAnchor);  // "bc", the break and "de"
    box.setTextCursor(c);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.Text(), QStringLiteral("  a\r\n  f"));
}

namespace {
void selectRange(CodeBox& box, int from, int to) {
    QTextCursor c = box.textCursor();
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    box.setTextCursor(c);
}
}  // namespace

TEST(CodeBox, TabAndShiftTabIndentAndOutdentSelectedLines) {
    CodeBox box;
    box.show();
    box.setText("If a Then\r\nb = 1\r\n\r\nc = 2\r\nEnd If");
    // From inside line 2 to inside line 4: lines 2 to 4, the empty one left alone.
    selectRange(box, 12, 20);
    QSignalSpy spy(&box, &CodeBox::changed);
    QTest::keyClick(&box, Qt::Key_Tab);
    EXPECT_EQ(box.Text(), QStringLiteral("If a Then\r\n    b = 1\r\n\r\n    c = 2\r\nEnd If"));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(box.textCursor().selectedText(),
              QStringLiteral("    b = 1\u2029\u2029    c = 2"));  // still selected, whole lines
    QTest::keyClick(&box, Qt::Key_Tab);
    QTest::keyClick(&box, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("If a Then\r\n    b = 1\r\n\r\n    c = 2\r\nEnd If"));
    box.undo();
    box.undo();
    box.undo();
    EXPECT_EQ(box.Text(), QStringLiteral("If a Then\r\nb = 1\r\n\r\nc = 2\r\nEnd If"));
    // Tab without a selection of several lines types a tab as before.
    box.setCaretPosition(0);
    QTest::keyClick(&box, Qt::Key_Tab);
    EXPECT_TRUE(box.Text().startsWith(QStringLiteral("\tIf a Then")));
    // Shift+Tab takes away one tab, or up to four spaces, from the caret's line.
    QTest::keyClick(&box, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(box.Text().startsWith(QStringLiteral("If a Then")));
    box.setText("      x");
    QTest::keyClick(&box, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("  x"));
    QTest::keyClick(&box, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("x"));
}

TEST(CodeBox, CtrlSlashCommentsLinesOutAndBackIn) {
    CodeBox box;
    box.show();
    box.setText("    MsgBox 1\r\n\r\n    MsgBox 2\r\nx = 3");
    // The selection ends at the start of the last line, which does not take part.
    selectRange(box, 2, 22);
    QTest::keyClick(&box, Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("    'MsgBox 1\r\n\r\n    'MsgBox 2\r\nx = 3"));
    QTest::keyClick(&box, Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("    MsgBox 1\r\n\r\n    MsgBox 2\r\nx = 3"));
    // A mix of comments and code is commented out as a whole first.
    box.setText("'a\r\nb");
    selectRange(box, 0, 4);
    QTest::keyClick(&box, Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("''a\r\n'b"));
    box.undo();
    EXPECT_EQ(box.Text(), QStringLiteral("'a\r\nb"));
    // Without a selection the caret's line is toggled; blank text stays as it is.
    box.setText("y = 2");
    QTest::keyClick(&box, Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("'y = 2"));
    box.setText("   ");
    QSignalSpy spy(&box, &CodeBox::changed);
    QTest::keyClick(&box, Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_EQ(box.Text(), QStringLiteral("   "));
    EXPECT_EQ(spy.count(), 0);  // nothing changed, nothing to save
}
