#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "ScriptedDialogs.h"
#include "StatementReference.h"
#include "aboutfrm.h"
#include "helpfrm.h"
#include "thfrm.h"

TEST(ThanksWindow, EachPictureClickOpensTheSiteOnceAndKeepsTheWindow) {
    ScriptedDialogs dialogs;
    thfrm w(dialogs);
    QList<QUrl> opened;
    w.setOpener([&](const QUrl& url) {
        opened << url;
        return true;
    });
    w.show();
    QTest::mouseClick(w.Picture1, Qt::LeftButton);
    QTest::mouseClick(w.Picture1, Qt::LeftButton);
    QTest::mouseClick(w.Picture1, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0], thfrm::makerSite());
    EXPECT_TRUE(opened[0].scheme().startsWith("http"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST(ThanksWindow, ABrowserThatDoesNotStartIsReported) {
    ScriptedDialogs dialogs;
    thfrm w(dialogs);
    w.setOpener([](const QUrl&) { return false; });
    w.Picture1_Click();
    ASSERT_EQ(dialogs.calls.size(), 1);
    EXPECT_TRUE(dialogs.calls[0].text.contains(thfrm::makerSite().toString()));
}

TEST(ThanksWindow, OkClosesIt) {
    ScriptedDialogs dialogs;
    thfrm w(dialogs);
    w.show();
    w.Command1->click();
    EXPECT_FALSE(w.isVisible());
}

TEST(AboutWindow, ShowsProductVersionAndMaker) {
    aboutfrm w;
    QStringList texts;
    for (QLabel* l : w.findChildren<QLabel*>()) texts << l->text();
    EXPECT_TRUE(texts.contains("版本 1.131"));
    EXPECT_TRUE(texts.contains("Halvorne 出品"));
    EXPECT_TRUE(texts.contains("KorvelVBS编辑器"));
}

TEST(StatementHelp, TwentyEightEntriesInTheirOrder) {
    const QStringList expected = {"Call",
                                  "Class",
                                  "Const",
                                  "Dim",
                                  "Do...Loop",
                                  "Erase",
                                  "Execute",
                                  "ExecuteGlobal",
                                  "Exit",
                                  "For Each...Next",
                                  "For...Next",
                                  "Function",
                                  "If...Then...Else",
                                  "On Error",
                                  "Option Explicit",
                                  "Private",
                                  "Property Get",
                                  "Property Let",
                                  "Property Set",
                                  "Public",
                                  "Randomize",
                                  "ReDim",
                                  "Rem",
                                  "Select Case",
                                  "Set",
                                  "Sub",
                                  "While...Wend",
                                  "With"};
    QStringList names;
    for (const auto& e : StatementReference::entries()) names << e.name;
    EXPECT_EQ(names, expected);
}

TEST(StatementHelp, EveryEntryHasTheFullForm) {
    int withArguments = 0;
    int withExample = 0;
    for (const auto& e : StatementReference::entries()) {
        EXPECT_EQ(e.title, e.name + " 语句");
        EXPECT_FALSE(e.summary.isEmpty()) << e.name.toStdString();
        EXPECT_FALSE(e.summary.contains('\n')) << e.name.toStdString();
        EXPECT_FALSE(e.syntax.isEmpty()) << e.name.toStdString();
        EXPECT_FALSE(e.remarks.isEmpty()) << e.name.toStdString();
        // Each statement's own keyword appears in its syntax.
        const QString keyword = e.name.section("...", 0, 0).section(' ', 0, 0);
        EXPECT_TRUE(e.syntax.contains(keyword)) << e.name.toStdString();
        withArguments += !e.arguments.isEmpty();
        withExample += !e.example.isEmpty();
    }
    EXPECT_GT(withArguments, 20);
    EXPECT_GT(withExample, 20);
}

TEST(StatementHelp, WindowShowsEveryTitleInOrderReadOnly) {
    helpfrm w;
    EXPECT_EQ(w.windowTitle(), "语句帮助");
    EXPECT_TRUE(w.RichTextBox1->isReadOnly());
    const QString text = w.RichTextBox1->toPlainText();
    qsizetype last = -1;
    for (const auto& e : StatementReference::entries()) {
        const qsizetype at = text.indexOf(e.title, last + 1);
        ASSERT_GT(at, last) << e.title.toStdString();
        last = at;
    }
    EXPECT_TRUE(text.contains("参数"));
    EXPECT_TRUE(text.contains("说明"));
    // Markup in examples (comparisons, concatenation) shows as typed.
    EXPECT_TRUE(text.contains("If i = 5 Then Exit Do"));
    EXPECT_TRUE(text.contains("a & \" + \" & b"));
}
