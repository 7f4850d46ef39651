#include "toolsfrm.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>

#include "EditorHost.h"
#include "ScriptedDialogs.h"

namespace {

// The main window's code box as the tools see it: whole text in, whole text out.
class FakeHost : public EditorHost {
  public:
    QString text;
    int writes = 0;
    QStringList inserted;
    void CodeAddString(const QString& s) override { inserted << s; }
    QString codeText() const override { return text; }
    void setCodeText(const QString& t) override {
        text = t;
        ++writes;
    }
};

struct Tools {
    FakeHost host;
    ScriptedDialogs dialogs;
    toolsfrm w{host, dialogs};

    // Queues the answers for the input boxes (nullopt = cancelled).
    void answers(std::initializer_list<std::optional<QString>> list) {
        for (const auto& a : list) dialogs.push(a ? QVariant(*a) : QVariant());
    }
    QStringList prompts() const {
        QStringList p;
        for (const auto& c : dialogs.calls)
            if (c.kind == "input") p << c.text;
        return p;
    }
    QList<ScriptedDialogs::Call> messages() const {
        QList<ScriptedDialogs::Call> m;
        for (const auto& c : dialogs.calls)
            if (c.kind == "message") m << c;
        return m;
    }
};

}  // namespace

TEST(ToolsSnippets, ChrAppendsToTheLastLineWithoutLineBreaks) {
    Tools t;
    t.host.text = "a";
    t.w.bChr->click();
    EXPECT_EQ(t.host.text, "aChr(13)");
    t.w.bChr->click();
    EXPECT_EQ(t.host.text, "aChr(13)Chr(13)");
    EXPECT_TRUE(t.host.inserted.isEmpty());  // never at the caret
}

TEST(ToolsSnippets, DimAsksForTheNameAndKeepsGoingWhenCancelled) {
    Tools t;
    t.answers({"x"});
    t.w.bdim->click();
    EXPECT_EQ(t.host.text, "Dim x");
    EXPECT_EQ(t.prompts(), QStringList{"请输入变量名称！"});
    t.answers({std::nullopt});
    t.w.bdim->click();
    EXPECT_EQ(t.host.text, "Dim xDim ");
}

TEST(ToolsSnippets, ExecuteTakesTheStatementsUnquoted) {
    Tools t;
    t.host.text = "' 开头\r\n";
    t.answers({"a = 1 : b = 2"});
    t.w.bExecute->click();
    EXPECT_EQ(t.host.text, "' 开头\r\nExecute a = 1 : b = 2");
    EXPECT_EQ(t.prompts(), QStringList{"请输入语句，多个语句请用冒号隔开！"});
}

TEST(ToolsSnippets, ExitPicksTheBlockByNumber) {
    const std::pair<QString, QString> cases[] = {
        {"1", "Exit Do"},  {"2", "Exit For"}, {"3", "Exit Function"},  {"4", "Exit Property"},
        {"5", "Exit Sub"}, {"01", "Exit Do"}, {" 3 ", "Exit Function"}};
    for (const auto& [answer, snippet] : cases) {
        Tools t;
        t.answers({answer});
        t.w.bexit->click();
        EXPECT_EQ(t.host.text, snippet) << answer.toStdString();
        EXPECT_TRUE(t.messages().isEmpty());
        EXPECT_EQ(t.prompts(),
                  QStringList{"你要退出什么代码块：1.Do 2.For 3.Function 4.Property 5.Sub"});
    }
}

TEST(ToolsSnippets, ExitRejectsOtherAnswersWithAWarningAndAppendsExitAlone) {
    for (const std::optional<QString>& answer :
         {std::optional<QString>("6"), std::optional<QString>("Sub"), std::optional<QString>("2.5"),
          std::optional<QString>(""), std::optional<QString>()}) {
        Tools t;
        t.answers({answer});
        t.w.bexit->click();
        ASSERT_EQ(t.messages().size(), 1);
        EXPECT_EQ(t.messages()[0].text, "请输入1,2,3,4或5！");
        EXPECT_EQ(t.messages()[0].style, 16);
        EXPECT_EQ(t.host.text, "Exit ");
    }
}

TEST(ToolsSnippets, InputboxQuotesThePrompt) {
    Tools t;
    t.answers({"Name?", "s"});
    t.w.bInputbox->click();
    EXPECT_EQ(t.host.text, "s=inputbox(\"Name?\")");
    EXPECT_EQ(t.prompts(), (QStringList{"请输入提示信息！", "请输入变量！"}));
}

TEST(ToolsSnippets, MsgboxWithEachIcon) {
    const QString icons[] = {"vbInformation", "vbQuestion", "vbExclamation", "vbCritical"};
    for (int i = 0; i < 4; ++i) {
        Tools t;
        t.answers({"\"Hi\"", QString::number(i + 1), "Note"});
        t.w.bmsgbox->click();
        EXPECT_EQ(t.host.text, "Msgbox \"Hi\"," + icons[i] + ",\"Note\"");
        EXPECT_TRUE(t.messages().isEmpty());
    }
}

TEST(ToolsSnippets, MsgboxRejectedIconWarnsAndStillAsksForTheTitle) {
    Tools t;
    t.answers({"\"Hi\"", "9"});
    t.dialogs.push(DialogServices::Ok);  // the warning
    t.answers({"Note"});
    t.w.bmsgbox->click();
    ASSERT_EQ(t.messages().size(), 1);
    EXPECT_EQ(t.messages()[0].text, "请输入1,2,3或4！");
    EXPECT_EQ(t.messages()[0].style, 48);
    EXPECT_EQ(t.host.text, "Msgbox \"Hi\",,\"Note\"");
    EXPECT_EQ(t.prompts(), (QStringList{"请输入要弹出的消息，如果是变量请勿加双引号。",
                                        "需要图标吗？1.消息 2.疑问 3.警告 4.错误", "请输入标题"}));
}

TEST(ToolsSnippets, MsgboxCancelledEverywhere) {
    Tools t;
    t.answers({std::nullopt, std::nullopt});
    t.dialogs.push(DialogServices::Ok);  // the warning about the empty icon answer
    t.answers({std::nullopt});
    t.w.bmsgbox->click();
    EXPECT_EQ(t.host.text, "Msgbox ,,\"\"");
}

TEST(ToolsSnippets, WithUsesSingleCarriageReturns) {
    Tools t;
    t.answers({"obj", ".Run"});
    t.w.bwith->click();
    EXPECT_EQ(t.host.text, QString("With obj") + QChar(13) + ".Run" + QChar(13) + "End With");
    EXPECT_FALSE(t.host.text.contains('\n'));
    EXPECT_EQ(t.prompts(), (QStringList{"请输入一个对象名称或对象的一个函数",
                                        "请输入将要对 object 执行的一个或多个命令"}));
}

TEST(ToolsSnippets, UnfinishedButtonOnlySaysSo) {
    Tools t;
    t.host.text = "abc";
    t.w.Command1->click();
    ASSERT_EQ(t.messages().size(), 1);
    EXPECT_EQ(t.messages()[0].text, "开发中！");
    EXPECT_EQ(t.messages()[0].style, 64);
    EXPECT_EQ(t.host.writes, 0);
}

TEST(ToolsWindow, SecondOpeningBringsTheSameWindowForward) {
    FakeHost host;
    ScriptedDialogs dialogs;
    toolsfrm* first = toolsfrm::showOrRaise(host, dialogs, nullptr);
    toolsfrm* second = toolsfrm::showOrRaise(host, dialogs, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(first->windowTitle(), "工具箱");
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    toolsfrm* third = toolsfrm::showOrRaise(host, dialogs, nullptr);
    EXPECT_TRUE(third->isVisible());
    third->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(ToolsWindow, NumberedAnswers) {
    EXPECT_EQ(toolsfrm::choiceNumber("1"), 1);
    EXPECT_EQ(toolsfrm::choiceNumber("01"), 1);
    EXPECT_EQ(toolsfrm::choiceNumber("1.0"), 1);
    EXPECT_EQ(toolsfrm::choiceNumber(""), std::nullopt);
    EXPECT_EQ(toolsfrm::choiceNumber("一"), std::nullopt);
    EXPECT_EQ(toolsfrm::choiceNumber("1.5"), std::nullopt);
    EXPECT_EQ(toolsfrm::choiceNumber("nan"), std::nullopt);
}
