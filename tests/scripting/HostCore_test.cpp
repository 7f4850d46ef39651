// The host core's pieces that need no running script: the command line, the
// script file reader and the error texts.
#include <QTemporaryDir>

#include "HostOptions.h"
#include "HostUi.h"
#include "ScriptHost.h"
#include "Scripting.h"
#include "ScriptingTestSupport.h"
#include "TestSupport.h"
#include "WScriptObject.h"
#include "WshArguments.h"
#include "WshNamedArguments.h"
#include "vbscript/engine.h"

using namespace ScriptingTest;
using scripting::HostOptions;

namespace {

HostOptions parse(std::vector<const char*> words) {
    words.insert(words.begin(), "cscript");
    return HostOptions::parse(static_cast<int>(words.size()), words.data());
}

TEST(RegistrationTest, AnyEngineCanCreateTheScriptingObjects) {
    // The editor's own engine has no WScript object and no host services.
    vbs::Engine engine;
    scripting::registerScriptingObjects(engine);
    engine.AddCode(
        std::u16string_view(u"Set a = CreateObject(\"Scripting.FileSystemObject\")\n"
                            u"Set b = CreateObject(\"wscript.shell\")\n"
                            u"Set c = CreateObject(\"WScript.Network\")\n"));
    EXPECT_EQ(s(engine.Eval(u"TypeName(a) & \" \" & TypeName(b) & \" \" & TypeName(c)")),
              "FileSystemObject IWshShell3 IWshNetwork2");
    EXPECT_EQ(s(engine.Eval(u"b.ExpandEnvironmentStrings(\"%NO_SUCH_VAR_9%\")")),
              "%NO_SUCH_VAR_9%");
    EXPECT_EQ(s(engine.Eval(u"a.GetBaseName(\"C:\\x\\report.txt\")")), "report");
}

TEST(HostOptionsTest, HostOptionsMayStandAnywhere) {
    HostOptions o = parse({"//NoLogo", "run.vbs", "/x:1", "//B", "plain", "//T:5"});
    EXPECT_EQ(o.script, "run.vbs");
    EXPECT_TRUE(o.nologo);
    EXPECT_TRUE(o.batch);
    EXPECT_EQ(o.timeoutSeconds, 5);
    EXPECT_EQ(o.arguments, (std::vector<std::u16string>{u"/x:1", u"plain"}));
    EXPECT_TRUE(o.error.empty());
}

TEST(HostOptionsTest, BadOptionsAreExplained) {
    EXPECT_NE(parse({"//Q", "a.vbs"}).error.find(u"//Q"), std::u16string::npos);
    EXPECT_FALSE(parse({"//T:abc", "a.vbs"}).error.empty());
    EXPECT_TRUE(parse({"//?"}).usage);
    EXPECT_FALSE(parse({"//B", "//I", "a.vbs"}).batch);
}

TEST(WshArgumentsTest, NamedAndUnnamedArgumentsAreSorted) {
    vbs::Ref<scripting::WshArguments> args(
        new scripting::WshArguments({u"/Out:file.txt", u"first", u"/v", u"second"}, true));
    EXPECT_EQ(get(*args, u"Count").toLong(), 4);
    EXPECT_EQ(s(get(*args, u"", {vbs::Value(1)})), "first");
    EXPECT_EQ(errorOf([&] { get(*args, u"Item", {vbs::Value(4)}); }), 9);
    vbs::Value named = get(*args, u"Named");
    EXPECT_EQ(s(get(obj(named), u"Item", {u("out")})), "file.txt");
    EXPECT_TRUE(invoke(obj(named), u"Exists", {u("V")}).toBool());
    EXPECT_TRUE(get(obj(named), u"", {u("v")}).isEmpty());
    EXPECT_FALSE(invoke(obj(named), u"Exists", {u("first")}).toBool());
    vbs::Value unnamed = get(*args, u"Unnamed");
    EXPECT_EQ(get(obj(unnamed), u"Count").toLong(), 2);
    EXPECT_EQ(s(get(obj(unnamed), u"", {vbs::Value(1)})), "second");
}

TEST(ScriptFileTest, ReadsEveryEncodingTheEditorWrites) {
    QTemporaryDir dir;
    auto check = [&](const QByteArray& bytes, const std::string& expected) {
        QString p = dir.filePath("s.vbs");
        ASSERT_TRUE(TestSupport::writeBytes(p, bytes));
        std::u16string text, problem;
        ASSERT_TRUE(scripting::readScriptFile(p.toStdString(), text, problem));
        EXPECT_EQ(vbs::toUtf8(text), expected);
    };
    check("\xEF\xBB\xBFMsgBox \"\xE4\xB8\xAD\"", "MsgBox \"中\"");
    check(QByteArray("\xFF\xFEx\0=\0"
                     "1\0",
                     8),
          "x=1");
    check(QByteArray("\xFE\xFF\0x\0=\0"
                     "1",
                     8),
          "x=1");
    check("MsgBox \"\xD6\xD0\xCE\xC4\"\r\n", "MsgBox \"中文\"\r\n");
    check("' plain\n", "' plain\n");
    std::u16string text, problem;
    EXPECT_FALSE(scripting::readScriptFile(dir.filePath("none.vbs").toStdString(), text, problem));
    EXPECT_NE(problem.find(u"找不到"), std::u16string::npos);
    EXPECT_FALSE(scripting::readScriptFile(dir.path().toStdString(), text, problem));
    ASSERT_TRUE(TestSupport::writeBytes(dir.filePath("x.js"), "WScript.Echo(1);"));
    EXPECT_FALSE(scripting::readScriptFile(dir.filePath("x.js").toStdString(), text, problem));
    EXPECT_NE(problem.find(u".vbs"), std::u16string::npos);
}

TEST(HostErrorTextTest, ConsoleAndWindowTextsNameThePlaceAndTheNumber) {
    vbs::ScriptError e(13, u"Type mismatch", vbs::kRuntimeSource);
    e.line = 4;
    e.column = 7;
    e.sourceLine = u"x = a + \"b\"";
    EXPECT_EQ(vbs::toUtf8(scripting::consoleErrorText("/s/a.vbs", e)),
              "/s/a.vbs(4, 7) VBScript runtime error 13: Type mismatch\n    x = a + \"b\"");
    std::string window = vbs::toUtf8(scripting::windowErrorText("/s/a.vbs", e));
    EXPECT_NE(window.find("行:\t4"), std::string::npos);
    EXPECT_NE(window.find("代码:\t800A000D"), std::string::npos);
    vbs::ScriptError raised(static_cast<int32_t>(0x80070002u), u"x", u"WshShell");
    EXPECT_NE(vbs::toUtf8(scripting::consoleErrorText("a", raised)).find("WshShell -2147024894: x"),
              std::string::npos);
}

TEST(HostUiDefaultTest, DefaultAnswersFollowTheDefaultButton) {
    EXPECT_EQ(scripting::HostUi::defaultAnswer(0), 1);
    EXPECT_EQ(scripting::HostUi::defaultAnswer(4), 6);
    EXPECT_EQ(scripting::HostUi::defaultAnswer(4 + 256), 7);
    EXPECT_EQ(scripting::HostUi::defaultAnswer(3 + 512), 2);
    EXPECT_EQ(scripting::HostUi::defaultAnswer(2 + 768), 3);
}

TEST(WScriptEchoTest, EchoWritesBooleansAsNumbers) {
    using scripting::WScriptObject;
    EXPECT_EQ(vbs::toUtf8(WScriptObject::echoText(vbs::Value(true))), "-1");
    EXPECT_EQ(vbs::toUtf8(WScriptObject::echoText(vbs::Value(false))), "0");
    EXPECT_EQ(vbs::toUtf8(WScriptObject::echoText(vbs::Value::null())), "Null");
    EXPECT_EQ(vbs::toUtf8(WScriptObject::echoText(vbs::Value(2.5))), "2.5");
    EXPECT_EQ(errorOf([] { WScriptObject::echoText(vbs::Value::array({vbs::Value(1)})); }), 13);
}

// Records what a windowed host would show, answering questions as told.
class RecordingUi : public scripting::HostUi {
  public:
    std::vector<std::string> echoes, errors, questions;
    int answer = 1;
    void echo(const std::u16string& t) override { echoes.push_back(vbs::toUtf8(t)); }
    void error(const std::u16string&, const std::u16string& t) override {
        errors.push_back(vbs::toUtf8(t));
    }
    int msgBox(const std::u16string& p, int, const std::u16string&) override {
        questions.push_back(vbs::toUtf8(p));
        return answer;
    }
    vbs::Value inputBox(const std::u16string& p, const std::u16string&,
                        const std::u16string&) override {
        questions.push_back(vbs::toUtf8(p));
        return vbs::Value(u"typed");
    }
    int popup(const std::u16string& t, int, const std::u16string&, int) override {
        questions.push_back(vbs::toUtf8(t));
        return answer;
    }
};

class WindowedHostTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    RecordingUi ui;
    int run(const QByteArray& code, std::vector<std::string> options = {}) {
        QString p = dir.filePath("w.vbs");
        EXPECT_TRUE(TestSupport::writeBytes(p, code));
        std::string path = p.toStdString();
        std::vector<const char*> argv = {"wscript"};
        for (const auto& o : options) argv.push_back(o.c_str());
        argv.push_back(path.c_str());
        return scripting::runScriptHost(static_cast<int>(argv.size()), argv.data(),
                                        scripting::Mode::Windowed, &ui);
    }
};

TEST_F(WindowedHostTest, EchoAndQuestionsGoToTheWindows) {
    ui.answer = 7;
    EXPECT_EQ(run("WScript.Echo \"hi\", 2\nIf MsgBox(\"q\", vbYesNo) = vbNo Then WScript.Echo "
                  "InputBox(\"name\")\n"),
              0);
    EXPECT_EQ(ui.echoes, (std::vector<std::string>{"hi 2", "typed"}));
    EXPECT_EQ(ui.questions, (std::vector<std::string>{"q", "name"}));
}

TEST_F(WindowedHostTest, AnErrorOpensOneBoxWithItsPlace) {
    EXPECT_EQ(run("Dim a(2)\na(5) = 1\n"), 1);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("行:\t2"), std::string::npos) << ui.errors[0];
    EXPECT_NE(ui.errors[0].find("800A0009"), std::string::npos) << ui.errors[0];
}

TEST_F(WindowedHostTest, BatchModeShowsNothingAndAsksNobody) {
    EXPECT_EQ(run("WScript.Echo 1\nx = MsgBox(\"q\")\ny = 1 / 0\n", {"//B"}), 1);
    EXPECT_TRUE(ui.echoes.empty());
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(WindowedHostTest, ABusyScriptPastItsTimeLimitSaysSoInAWindow) {
    EXPECT_EQ(run("Do\nLoop\n", {"//T:1"}), 1);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("超过了 1 秒"), std::string::npos) << ui.errors[0];
}

TEST_F(WindowedHostTest, ASleepingScriptPastItsTimeLimitSaysSoInAWindow) {
    // Sleep ends at the limit instead of the watchdog ending the process silently.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(run("On Error Resume Next\nWScript.Sleep 20000\nWScript.Echo \"late\"\n", {"//T:1"}),
              1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(ui.echoes.empty());
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_NE(ui.errors[0].find("超过了 1 秒"), std::string::npos) << ui.errors[0];
}

TEST_F(WindowedHostTest, ShortSleepsWithinTheLimitRunNormally) {
    EXPECT_EQ(run("WScript.Sleep 10\nWScript.Quit 7\n", {"//T:5"}), 7);
    EXPECT_TRUE(ui.errors.empty());
}

TEST_F(WindowedHostTest, TheScriptCanShortenItsOwnTimeLimit) {
    // Ending the process is the time-out's job; here only the property's
    // round trip is checked, the limit itself is tested on the real host.
    EXPECT_EQ(run("WScript.Timeout = 300\nWScript.Quit WScript.Timeout Mod 256\n"), 300 % 256);
    EXPECT_EQ(run("On Error Resume Next\nWScript.Timeout = -1\nWScript.Quit Err.Number\n"), 5);
}

}  // namespace
