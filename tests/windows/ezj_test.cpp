#include "ezj.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "BlueButton.h"
#include "ScriptControl.h"
#include "ScriptedDialogs.h"

namespace {

void moveOver(QWidget* target, QPoint local, Qt::MouseButtons held) {
    QMouseEvent e(QEvent::MouseMove, QPointF(local), target->mapToGlobal(QPointF(local)),
                  Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

void pressOn(QWidget* target, QPoint local) {
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(local), target->mapToGlobal(QPointF(local)),
                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

}  // namespace

TEST(SampleBrowser, OpensOnTheOnlyPageAndNextPageChangesNothing) {
    ScriptedDialogs dialogs;
    ezj w(dialogs);
    w.show();
    EXPECT_EQ(w.Label2->text(), "页数：1/1");
    EXPECT_EQ(w.windowTitle(), "恶作剧");
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    const QString before = w.Text1->toPlainText();
    w.Command1->click();
    EXPECT_EQ(w.Text1->toPlainText(), before);
    EXPECT_EQ(w.Label2->text(), "页数：1/1");
    EXPECT_TRUE(dialogs.calls.isEmpty());
    EXPECT_TRUE(w.isVisible());
}

TEST(SampleBrowser, NoticeHasItsTitleAndTwoLinesSplitByOneCarriageReturn) {
    ScriptedDialogs dialogs;
    ezj w(dialogs);
    w.show();
    QTest::mouseClick(w.Label3, Qt::LeftButton);
    ASSERT_EQ(dialogs.calls.size(), 1);
    const auto& c = dialogs.calls[0];
    EXPECT_EQ(c.title, "注意！");
    EXPECT_EQ(c.style, 64);
    const QStringList parts = c.text.split(QChar(13));
    ASSERT_EQ(parts.size(), 2);
    EXPECT_FALSE(c.text.contains('\n'));
    EXPECT_EQ(
        parts[0],
        "注意！代码仅供学习，了解相关知识，技能之用。部分涉及犯罪违法，请务必对自己的行为负责！");
    EXPECT_EQ(
        parts[1],
        "如果使用者使用代码不当而造成对自己或者对他人的一切伤害，Halvorne将不会对此承担任何责任。");
}

TEST(SampleBrowser, BothCloseButtonsCloseAndTheNextOpeningStartsAfresh) {
    ScriptedDialogs dialogs;
    {
        ezj w(dialogs);
        w.show();
        w.Command2->click();
        EXPECT_FALSE(w.isVisible());
    }
    ezj w(dialogs);
    w.show();
    emit w.bluebutton1->Click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.bluebutton1->Caption(), "×");
}

TEST(SampleBrowser, DraggingTheBareSurfaceMovesTheWindow) {
    ScriptedDialogs dialogs;
    ezj w(dialogs);
    w.move(100, 100);
    w.show();
    const QPoint bare(5, w.height() - 5);
    ASSERT_EQ(w.childAt(bare), nullptr);
    moveOver(&w, bare, Qt::NoButton);
    pressOn(&w, bare);
    moveOver(&w, bare + QPoint(30, 20), Qt::LeftButton);
    EXPECT_EQ(w.pos(), QPoint(130, 120));
}

TEST(SampleBrowser, DraggingFromTheTextFieldDoesNotMoveTheWindow) {
    ScriptedDialogs dialogs;
    ezj w(dialogs);
    w.move(100, 100);
    w.show();
    const QPoint inText = w.Text1->geometry().center();
    moveOver(&w, QPoint(5, w.height() - 5), Qt::NoButton);
    pressOn(&w, inText);
    moveOver(&w, inText + QPoint(30, 20), Qt::LeftButton);
    EXPECT_EQ(w.pos(), QPoint(100, 100));
}

TEST(SampleBrowser, SamplesOnlyShowMessages) {
    const QString page = ezj::pageText();
    EXPECT_TRUE(page.contains("@echo off"));
    EXPECT_TRUE(page.contains("MsgBox"));
    // Nothing that deletes, shuts down, changes settings or starts programs.
    for (const char* word : {"del ", "rd ", "format ", "shutdown", "reg ", "taskkill", "copy ",
                             "start ", "CreateObject", ".Run", "Kill", "attrib", "net "})
        EXPECT_FALSE(page.contains(QString::fromLatin1(word), Qt::CaseInsensitive)) << word;
}

TEST(SampleBrowser, TheVbScriptSampleRunsAndOnlyTalks) {
    const QString page = ezj::pageText();
    const qsizetype header = page.indexOf("—— VBScript 版");
    ASSERT_GE(header, 0);
    const QString script = page.mid(page.indexOf('\n', header) + 1);
    ScriptedDialogs dialogs;
    ScriptControl sc(dialogs);
    ASSERT_TRUE(sc.AddCode(script)) << sc.lastFailure().description.toStdString();
    ASSERT_EQ(dialogs.calls.size(), 4);  // the question answered Yes by default
    for (const auto& c : dialogs.calls) {
        EXPECT_EQ(c.kind, "message");
        EXPECT_EQ(c.title, "系统提示");
    }
    EXPECT_EQ(dialogs.calls.last().text, "开玩笑的，祝你今天愉快！");
}
