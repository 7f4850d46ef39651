#include "ScriptRunner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

#include "BatType.h"
#include "BatTypeObject.h"
#include "CommonDialog.h"
#include "HostState.h"
#include "LibraryTestSupport.h"
#include "ScriptControl.h"
#include "ScriptedArgumentDialogs.h"
#include "ScriptedDialogs.h"
#include "StatementPanel.h"
#include "StatementTable.h"
#include "TestSupport.h"
#include "TextFile.h"

namespace {

// Waits in the dialog as a user would, so the script's clock must not run.
class SlowDialogs : public ScriptedArgumentDialogs {
  public:
    void showOptionDialog() override {
        QThread::msleep(400);
        ScriptedArgumentDialogs::showOptionDialog();
    }
};

class ScriptRunnerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sc.AddObject(QStringLiteral("CBatCode"), vbs::makeRef<BatTypeObject>(&control));
        sc.AddObject(QStringLiteral("CFileDlg"), vbs::makeRef<CommonDialog>(services));
    }
    QString script(const QString& name, const QByteArray& utf8) {
        const QString path = dir.filePath(name);
        TestSupport::writeBytes(path, utf8);
        return path;
    }
    int failures() const {
        int n = 0;
        for (const auto& c : services.calls)
            if (c.kind == u"message" && c.style == DialogServices::Critical) ++n;
        return n;
    }
    QString lastMessage() const {
        return services.calls.isEmpty() ? QString() : services.calls.last().text;
    }

    QTemporaryDir dir;
    FakeEditor editor;
    SlowDialogs args;
    ScriptedDialogs services;
    BatType control{editor, args};
    ScriptControl sc{services};
    ScriptRunner runner{sc, services};
};

TEST_F(ScriptRunnerTest, GeneratorInsertsItsTextsInOrder) {
    const QString path = script(QStringLiteral("two.vbs"),
                                "CBatCode.StringReturn \"a\"\r\ncbatcode.stringreturn \"b\"\r\n");
    EXPECT_TRUE(runner.runcode(path));
    EXPECT_EQ(editor.text, QStringLiteral("ab"));
    EXPECT_EQ(failures(), 0);
}

TEST_F(ScriptRunnerTest, MissingFileShowsTheMessageOnceWithThePath) {
    const QString path = dir.filePath(QStringLiteral("没有 这个.vbs"));
    EXPECT_FALSE(runner.runcode(path));
    EXPECT_EQ(failures(), 1);
    EXPECT_EQ(lastMessage(), QStringLiteral("无法执行 '") + path + QStringLiteral("' 命令。"));
}

TEST_F(ScriptRunnerTest, BackslashPathsFromTheLibraryAreOpened) {
    script(QStringLiteral("w.vbs"), "CBatCode.StringReturn \"ok\"");
    QString windowsStyle = dir.path() + QStringLiteral("\\w.vbs");
    EXPECT_TRUE(runner.runcode(windowsStyle));
    EXPECT_EQ(editor.text, QStringLiteral("ok"));
}

TEST_F(ScriptRunnerTest, SyntaxErrorRunsNothingAndReportsThePath) {
    const QString path =
        script(QStringLiteral("bad.vbs"), "CBatCode.StringReturn \"x\"\r\nIf Then\r\n");
    EXPECT_FALSE(runner.runcode(path));
    EXPECT_EQ(editor.text, QString());
    EXPECT_EQ(failures(), 1);
    EXPECT_TRUE(lastMessage().contains(path));
}

TEST_F(ScriptRunnerTest, RuntimeErrorKeepsTextInsertedBeforeAndTheNextRunWorks) {
    const QString bad = script(QStringLiteral("half.vbs"),
                               "CBatCode.StringReturn \"first\"\r\nx = 1 / 0\r\n"
                               "CBatCode.StringReturn \"never\"\r\n");
    EXPECT_FALSE(runner.runcode(bad));
    EXPECT_EQ(editor.text, QStringLiteral("first"));
    const QString good = script(QStringLiteral("good.vbs"), "CBatCode.StringReturn \"+\"");
    EXPECT_TRUE(runner.runcode(good));
    EXPECT_EQ(editor.text, QStringLiteral("first+"));
    EXPECT_EQ(failures(), 1);
}

TEST_F(ScriptRunnerTest, FailingHostCallIsReportedLikeAnyError) {
    const QString path = script(QStringLiteral("host.vbs"),
                                "r = CBatCode.CheckDLG(\"no bar\", \"t\")\r\n"
                                "CBatCode.StringReturn \"after\"\r\n");
    EXPECT_FALSE(runner.runcode(path));
    EXPECT_EQ(editor.text, QString());
    EXPECT_EQ(failures(), 1);
}

TEST_F(ScriptRunnerTest, HandledErrorsDoNotFailTheRun) {
    const QString path = script(QStringLiteral("handled.vbs"),
                                "On Error Resume Next\r\n"
                                "r = CBatCode.CheckDLG(\"no bar\", \"t\")\r\n"
                                "CBatCode.StringReturn Err.Number\r\n");
    EXPECT_TRUE(runner.runcode(path));
    EXPECT_EQ(editor.text, QStringLiteral("9"));
}

TEST_F(ScriptRunnerTest, DefinitionsStayForLaterScripts) {
    EXPECT_TRUE(runner.runcode(
        script(QStringLiteral("def.vbs"), "Function Twice(s)\r\nTwice = s & s\r\nEnd Function")));
    EXPECT_TRUE(
        runner.runcode(script(QStringLiteral("use.vbs"), "CBatCode.StringReturn Twice(\"ab\")")));
    EXPECT_EQ(editor.text, QStringLiteral("abab"));
}

TEST_F(ScriptRunnerTest, ChineseAnsiScriptsAreRead) {
    const QString text = QStringLiteral("CBatCode.StringReturn \"中文\"");
    QByteArray gbk = TextFile::encode(text, TextFile::Encoding::Gbk);
    EXPECT_TRUE(runner.runcode(script(QStringLiteral("gbk.vbs"), gbk)));
    EXPECT_EQ(editor.text, QStringLiteral("中文"));
}

TEST_F(ScriptRunnerTest, MessageAndInputBoxesGoThroughTheDialogs) {
    services.push(DialogServices::No);
    services.push(QStringLiteral("张三"));
    services.push(QVariant());
    const QString path = script(QStringLiteral("ask.vbs"),
                                "a = MsgBox(\"继续？\", 36, \"问题\")\r\n"
                                "b = InputBox(\"名字\")\r\n"
                                "c = InputBox(\"再来\")\r\n"
                                "CBatCode.StringReturn a & \",\" & b & \",\" & IsEmpty(c)");
    EXPECT_TRUE(runner.runcode(path));
    EXPECT_EQ(editor.text, QStringLiteral("7,张三,True"));
    ASSERT_GE(services.calls.size(), 2);
    EXPECT_EQ(services.calls[0].style, 36);
    EXPECT_EQ(services.calls[0].title, QStringLiteral("问题"));
    EXPECT_EQ(services.calls[1].kind, QStringLiteral("input"));
}

TEST_F(ScriptRunnerTest, RunawayScriptIsStoppedButDialogTimeDoesNotCount) {
    sc.setTimeout(300);
    EXPECT_FALSE(runner.runcode(script(QStringLiteral("loop.vbs"), "Do\r\nLoop")));
    EXPECT_EQ(failures(), 1);
    QElapsedTimer t;
    t.start();
    const QString path = script(QStringLiteral("waits.vbs"),
                                "a = CBatCode.OptionDLG(\"x,y\", \"t\")\r\n"
                                "b = CBatCode.OptionDLG(\"x,y\", \"t\")\r\n"
                                "CBatCode.StringReturn a & b");
    EXPECT_TRUE(runner.runcode(path));
    EXPECT_GE(t.elapsed(), 700);
    EXPECT_EQ(editor.text, QStringLiteral("xx"));
    EXPECT_EQ(failures(), 1);
}

TEST_F(ScriptRunnerTest, FileDialogObjectIsReachableFromScripts) {
    services.push(QStringLiteral("/data/报告.txt"));
    const QString path = script(QStringLiteral("file.vbs"),
                                "CFileDlg.Filter = \"文本|*.txt\"\r\n"
                                "CFileDlg.ShowOpen\r\n"
                                "CBatCode.StringReturn CFileDlg.FileTitle");
    EXPECT_TRUE(runner.runcode(path));
    EXPECT_EQ(editor.text, QStringLiteral("报告.txt"));
}

TEST_F(ScriptRunnerTest, FailureDetailsNameTheLineForDiagnostics) {
    const QString path = script(QStringLiteral("line.vbs"), "a = 1\r\nb = a / 0\r\n");
    EXPECT_FALSE(runner.runcode(path));
    EXPECT_TRUE(runner.lastFailure().startsWith(QStringLiteral("第 2 行")))
        << runner.lastFailure().toStdString();
    EXPECT_TRUE(runner.lastFailure().contains(QStringLiteral("11")));
    EXPECT_TRUE(runner.runcode(script(QStringLiteral("fine.vbs"), "a = 1")));
    EXPECT_TRUE(runner.lastFailure().isEmpty());
}

TEST_F(ScriptRunnerTest, FailuresReadInChineseAsTheEditorRunsThem) {
    // The editor switches the engine's messages to Chinese at start.
    vbs::setMessageLanguage(vbs::MessageLanguage::Chinese);
    const bool ok = runner.runcode(script(QStringLiteral("zh.vbs"), "a = 1\r\nb = a / 0\r\n"));
    const QString why = runner.lastFailure();
    vbs::setMessageLanguage(vbs::MessageLanguage::English);
    EXPECT_FALSE(ok);
    EXPECT_EQ(why, QStringLiteral("第 2 行：被零除（错误 11）"));
}

// A dialog that tries to start another generator while its own is running.
class ReenteringDialogs : public ScriptedArgumentDialogs {
  public:
    std::function<void()> onOpen;
    void showOptionDialog() override {
        if (onOpen) onOpen();
        ScriptedArgumentDialogs::showOptionDialog();
    }
};

TEST(ScriptRunnerReentry, ASecondGeneratorCannotStartWhileOneWaitsInADialog) {
    QTemporaryDir dir;
    FakeEditor editor;
    ReenteringDialogs args;
    ScriptedDialogs services;
    BatType control(editor, args);
    ScriptControl sc(services);
    sc.AddObject(QStringLiteral("CBatCode"), vbs::makeRef<BatTypeObject>(&control));
    ScriptRunner runner(sc, services);
    const QString inner = dir.filePath(QStringLiteral("inner.vbs"));
    const QString outer = dir.filePath(QStringLiteral("outer.vbs"));
    TestSupport::writeBytes(inner, "CBatCode.StringReturn \"inner\"");
    TestSupport::writeBytes(outer,
                            "x = CBatCode.OptionDLG(\"a\", \"t\")\r\nCBatCode.StringReturn x");
    bool innerRan = true;
    args.onOpen = [&] { innerRan = runner.runcode(inner); };
    EXPECT_TRUE(runner.runcode(outer));
    EXPECT_FALSE(innerRan);
    EXPECT_EQ(editor.text, QStringLiteral("a"));
    EXPECT_TRUE(services.calls.isEmpty());
}

// The search box finds names exactly and runs the first match only.
class SearchTest : public ScriptRunnerTest {
  protected:
    void SetUp() override {
        ScriptRunnerTest::SetUp();
        script(QStringLiteral("one.vbs"), "CBatCode.StringReturn \"1\"");
        script(QStringLiteral("two.vbs"), "CBatCode.StringReturn \"2\"");
        table.loadLines({QStringLiteral("循环,d,[apppath]\\one.vbs,f"),
                         QStringLiteral("循环,d,[apppath]\\two.vbs,f"),
                         QStringLiteral("Loop,d,[apppath]\\two.vbs,f")},
                        dir.path());
        QObject::connect(&panel, &StatementPanel::runScript,
                         [this](const QString& p) { runner.runcode(p); });
    }
    void searchFor(const QString& text) {
        panel.searchtext->setText(text);
        panel.search();
    }
    StatementTable table;
    StatementPanel panel{table, services};
};

TEST_F(SearchTest, FirstOfTwoEqualNamesWins) {
    searchFor(QStringLiteral("循环"));
    EXPECT_EQ(editor.text, QStringLiteral("1"));
}

TEST_F(SearchTest, CaseAndTrailingBlanksMatter) {
    searchFor(QStringLiteral("loop"));
    searchFor(QStringLiteral("循环 "));
    EXPECT_EQ(editor.text, QString());
    ASSERT_EQ(services.calls.size(), 2);
    EXPECT_EQ(services.calls[1].text, QStringLiteral("未找到该语句。"));
    EXPECT_EQ(services.calls[1].style, DialogServices::Exclamation);
    searchFor(QStringLiteral("Loop"));
    EXPECT_EQ(editor.text, QStringLiteral("2"));
}

}  // namespace
