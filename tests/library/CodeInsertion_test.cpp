#include "CodeInsertion.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "CodeBox.h"
#include "CodeBoxHost.h"

namespace {

const QString kText = QStringLiteral("Dim a\r\nDim b");

TEST(CodeInsertionRule, InsertsAtStartMiddleAndEndWithoutLineBreak) {
    auto start = CodeInsertion::apply(kText, 0, QStringLiteral("X"), false);
    EXPECT_EQ(start.text, QStringLiteral("XDim a\r\nDim b"));
    EXPECT_EQ(start.caret, 1);

    auto middle = CodeInsertion::apply(kText, 7, QStringLiteral("XY"), false);
    EXPECT_EQ(middle.text, QStringLiteral("Dim a\r\nXYDim b"));
    EXPECT_EQ(middle.caret, 9);

    auto end = CodeInsertion::apply(kText, kText.size(), QStringLiteral("X"), false);
    EXPECT_EQ(end.text, kText + QStringLiteral("X"));
    EXPECT_EQ(end.caret, kText.size() + 1);
}

TEST(CodeInsertionRule, LineBreakGoesAtTheVeryEndNotAfterTheInsertedText) {
    auto start = CodeInsertion::apply(kText, 0, QStringLiteral("X"), true);
    EXPECT_EQ(start.text, QStringLiteral("XDim a\r\nDim b\r\n"));
    EXPECT_EQ(start.caret, 1);

    auto middle = CodeInsertion::apply(kText, 3, QStringLiteral("X"), true);
    EXPECT_EQ(middle.text, QStringLiteral("DimX a\r\nDim b\r\n"));
    EXPECT_EQ(middle.caret, 4);

    auto end = CodeInsertion::apply(kText, kText.size(), QStringLiteral("X"), true);
    EXPECT_EQ(end.text, kText + QStringLiteral("X\r\n"));
}

TEST(CodeInsertionRule, CaretOutsideTheTextIsClamped) {
    auto r = CodeInsertion::apply(QStringLiteral("ab"), 99, QStringLiteral("c"), false);
    EXPECT_EQ(r.text, QStringLiteral("abc"));
    EXPECT_EQ(r.caret, 3);
    r = CodeInsertion::apply(QStringLiteral("ab"), -4, QStringLiteral("c"), false);
    EXPECT_EQ(r.text, QStringLiteral("cab"));
}

TEST(CodeInsertionRule, SettingCountsAsOnOnlyWhenItIsTheNumberOne) {
    EXPECT_TRUE(CodeInsertion::crlfPlusOn(QStringLiteral("1")));
    EXPECT_TRUE(CodeInsertion::crlfPlusOn(QStringLiteral(" 1 ")));
    EXPECT_TRUE(CodeInsertion::crlfPlusOn(QStringLiteral("1.0")));
    EXPECT_FALSE(CodeInsertion::crlfPlusOn(QString()));
    EXPECT_FALSE(CodeInsertion::crlfPlusOn(QStringLiteral("0")));
    EXPECT_FALSE(CodeInsertion::crlfPlusOn(QStringLiteral("yes")));
    EXPECT_FALSE(CodeInsertion::crlfPlusOn(QStringLiteral("11")));
}

class CodeBoxHostTest : public ::testing::Test {
  protected:
    CodeBox box;
    QString crlfPlus;
    CodeBoxHost host{box, [this] { return crlfPlus; }};
};

TEST_F(CodeBoxHostTest, InsertsAtTheCaretAndLeavesTheCaretAfterTheText) {
    box.setText(kText);
    box.setCaretPosition(7);
    host.CodeAddString(QStringLiteral("MsgBox 1\r\n"));
    EXPECT_EQ(box.Text(), QStringLiteral("Dim a\r\nMsgBox 1\r\nDim b"));
    EXPECT_EQ(box.CaretPosition(), 17);
    host.CodeAddString(QStringLiteral("MsgBox 2\r\n"));
    EXPECT_EQ(box.Text(), QStringLiteral("Dim a\r\nMsgBox 1\r\nMsgBox 2\r\nDim b"));
}

TEST_F(CodeBoxHostTest, WithCrlfPlusTheBreakEndsTheWholeText) {
    crlfPlus = QStringLiteral("1");
    box.setText(kText);
    box.setCaretPosition(0);
    host.CodeAddString(QStringLiteral("X"));
    EXPECT_EQ(box.Text(), QStringLiteral("XDim a\r\nDim b\r\n"));
    EXPECT_EQ(box.CaretPosition(), 1);
}

TEST_F(CodeBoxHostTest, OneInsertionIsOneChangeAndOneUndoStep) {
    crlfPlus = QStringLiteral("1");
    box.setText(kText);
    box.document()->clearUndoRedoStacks();
    box.setCaretPosition(kText.size());
    QSignalSpy changes(&box, &CodeBox::changed);
    host.CodeAddString(QStringLiteral("\r\nMsgBox 1"));
    EXPECT_EQ(changes.count(), 1);
    box.undo();
    EXPECT_EQ(box.Text(), kText);
}

TEST_F(CodeBoxHostTest, LoneLineFeedsAreCountedAsTheBoxStoresThem) {
    box.setText(QStringLiteral("end"));
    box.setCaretPosition(0);
    host.CodeAddString(QStringLiteral("a\nb\rc"));
    EXPECT_EQ(box.Text(), QStringLiteral("a\r\nb\r\ncend"));
    EXPECT_EQ(box.CaretPosition(), 7);
    host.CodeAddString(QStringLiteral("!"));
    EXPECT_EQ(box.Text(), QStringLiteral("a\r\nb\r\nc!end"));
}

TEST_F(CodeBoxHostTest, AppendedMarkerReadsBackOnItsOwnLineAndKeepsTheCaret) {
    box.setText(kText);
    box.setCaretPosition(3);
    host.setCodeText(host.codeText() + QStringLiteral("\r'End Sub (1)"));
    EXPECT_EQ(box.Text(), kText + QStringLiteral("\r\n'End Sub (1)"));
    EXPECT_EQ(box.CaretPosition(), 3);
}

TEST_F(CodeBoxHostTest, OtherTextReplacesTheWholeContent) {
    box.setText(kText);
    QSignalSpy changes(&box, &CodeBox::changed);
    host.setCodeText(QStringLiteral("new"));
    EXPECT_EQ(box.Text(), QStringLiteral("new"));
    EXPECT_EQ(changes.count(), 1);
    host.setCodeText(QString());
    EXPECT_EQ(box.Text(), QString());
    EXPECT_EQ(changes.count(), 2);
}

}  // namespace
