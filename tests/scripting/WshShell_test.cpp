// WScript.Shell and WScript.Network with real child processes.
#include "WshShell.h"

#include <unistd.h>

#include <QTemporaryDir>
#include <chrono>

#include "ChildProcess.h"
#include "ScriptingTestSupport.h"
#include "TestSupport.h"
#include "WshEnvironment.h"
#include "WshNetwork.h"

using namespace ScriptingTest;
using vbs::Value;

namespace {

class WshShellTest : public ::testing::Test {
  protected:
    vbs::Ref<scripting::WshShell> shell{new scripting::WshShell(nullptr)};
    Value call(std::u16string_view name, std::vector<Value> args) {
        return invoke(*shell, name, std::move(args));
    }
    // Waits for an Exec object to finish, as scripts do with Status.
    void waitFor(const Value& exec) {
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (get(obj(exec), u"Status").toLong() == 0 && std::chrono::steady_clock::now() < until)
            usleep(10000);
        ASSERT_EQ(get(obj(exec), u"Status").toLong(), 1);
    }
};

TEST_F(WshShellTest, RunWaitsAndReturnsTheExitCodeOnlyWhenAskedTo) {
    EXPECT_EQ(call(u"Run", {u("exit 5"), Value(0), Value(true)}).toLong(), 5);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(
        call(u"Run", {u("exec >/dev/null 2>&1; sleep 2; exit 9"), Value(1), Value(false)}).toLong(),
        0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(WshShellTest, ExecCollectsOutputErrorsAndExitCode) {
    Value exec = call(u"Exec", {u("printf 'a\\nb\\n'; echo oops >&2; exit 3")});
    waitFor(exec);
    Value out = get(obj(exec), u"StdOut");
    EXPECT_EQ(s(invoke(obj(out), u"ReadLine")), "a");
    EXPECT_EQ(s(invoke(obj(out), u"ReadAll")), "b\n");
    EXPECT_TRUE(get(obj(out), u"AtEndOfStream").toBool());
    EXPECT_EQ(s(invoke(obj(get(obj(exec), u"StdErr")), u"ReadLine")), "oops");
    EXPECT_EQ(get(obj(exec), u"ExitCode").toLong(), 3);
    EXPECT_GT(get(obj(exec), u"ProcessID").toLong(), 0);
}

TEST_F(WshShellTest, ExecDoesNotHangOnLargeOutput) {
    // More than a pipe holds: the child must still be able to finish while
    // the script only polls Status.
    Value exec = call(u"Exec", {u("head -c 300000 /dev/zero | tr '\\0' x")});
    waitFor(exec);
    EXPECT_EQ(s(invoke(obj(get(obj(exec), u"StdOut")), u"ReadAll")).size(), 300000u);
}

TEST_F(WshShellTest, ExecFeedsStandardInput) {
    Value exec = call(u"Exec", {u("tr a-z A-Z")});
    Value in = get(obj(exec), u"StdIn");
    invoke(obj(in), u"WriteLine", {u("hello 中文")});
    invoke(obj(in), u"Close");
    EXPECT_EQ(s(invoke(obj(get(obj(exec), u"StdOut")), u"ReadLine")), "HELLO 中文");
    waitFor(exec);
    EXPECT_EQ(get(obj(exec), u"ExitCode").toLong(), 0);
}

TEST_F(WshShellTest, ExecConversesLineByLine) {
    // The script writes, then waits for the answer, with the input still
    // open: what it wrote must reach the child at once.
    Value exec = call(u"Exec", {u("cat")});
    Value in = get(obj(exec), u"StdIn");
    Value out = get(obj(exec), u"StdOut");
    invoke(obj(in), u"WriteLine", {u("ping")});
    EXPECT_EQ(s(invoke(obj(out), u"ReadLine")), "ping");
    invoke(obj(in), u"WriteLine", {u("again")});
    EXPECT_EQ(s(invoke(obj(out), u"ReadLine")), "again");
    invoke(obj(exec), u"Terminate");
    waitFor(exec);
}

TEST_F(WshShellTest, ExecReadsGbkOutput) {
    Value exec = call(u"Exec", {u("printf '\\326\\320\\316\\304'")});
    EXPECT_EQ(s(invoke(obj(get(obj(exec), u"StdOut")), u"ReadAll")), "中文");
}

TEST_F(WshShellTest, AMissingProgramIsReportedBeforeAnythingRuns) {
    EXPECT_EQ(errorOf([&] { call(u"Run", {u("notepad.exe readme.txt")}); }),
              static_cast<int32_t>(0x80070002u));
    EXPECT_EQ(errorOf([&] { call(u"Exec", {u("\"/no/such/prog\" x")}); }),
              static_cast<int32_t>(0x80070002u));
    EXPECT_NE(errorTextOf([&] { call(u"Exec", {u("nosuchprogram42")}); }).find(u"nosuchprogram42"),
              std::u16string::npos);
}

TEST_F(WshShellTest, WindowsPathsInCommandLinesBecomeLinuxPaths) {
    QTemporaryDir dir;
    std::string d = dir.path().toStdString();
    std::string win = d + "\\sub\\f.txt";
    EXPECT_EQ(scripting::ChildProcess::translatePaths("cat \"" + d + "\\f.txt\" x"),
              "cat \"" + d + "/f.txt\" x");
    // Folders that do not exist, shell escapes and patterns stay as written.
    EXPECT_EQ(scripting::ChildProcess::translatePaths("cat " + win), "cat " + win);
    EXPECT_EQ(scripting::ChildProcess::translatePaths("grep 'a\\.b' x"), "grep 'a\\.b' x");
    EXPECT_EQ(scripting::ChildProcess::translatePaths("printf a\\nb"), "printf a\\nb");
    EXPECT_EQ(scripting::ChildProcess::translatePaths("ls C:\\"), "ls /");
}

TEST_F(WshShellTest, RunOpensDocumentsAndAddressesLikeTheDesktop) {
    QTemporaryDir dir;
    std::string doc = dir.filePath("it's.txt").toStdString();
    ASSERT_TRUE(TestSupport::writeBytes(QString::fromStdString(doc), "x"));
    EXPECT_EQ(s(Value(scripting::ChildProcess::documentCommand(vbs::fromUtf8("\"" + doc + "\"")))),
              "\"xdg-open\" '" + dir.filePath("it").toStdString() + "'\\''s.txt'");
    EXPECT_EQ(s(Value(scripting::ChildProcess::documentCommand(u"https://example.org/a b"))),
              "\"xdg-open\" 'https://example.org/a'");
    EXPECT_EQ(s(Value(scripting::ChildProcess::documentCommand(u"ls -l"))), "ls -l");
    // A script runs in our own windowed host, which waits and reports its
    // exit code like any program.
    QString child = dir.filePath("child.vbs");
    ASSERT_TRUE(TestSupport::writeBytes(
        child, "CreateObject(\"Scripting.FileSystemObject\").CreateTextFile(\"" +
                   dir.filePath("ran.txt").toUtf8() + "\").Write \"ok\"\nWScript.Quit 5\n"));
    EXPECT_EQ(call(u"Run", {u(child.toStdString()), Value(1), Value(true)}).toLong(), 5);
    EXPECT_EQ(TestSupport::readBytes(dir.filePath("ran.txt")), QByteArray("ok"));
}

TEST_F(WshShellTest, EnvironmentExpandsAndChangesReachChildren) {
    setenv("KORVEL_TEST_VAR", "v1", 1);
    EXPECT_EQ(s(call(u"ExpandEnvironmentStrings",
                     {u("[%KORVEL_TEST_VAR%][%korvel_test_var%][%NOT_SET_42%][50%]")})),
              "[v1][v1][%NOT_SET_42%][50%]");
    EXPECT_FALSE(s(call(u"ExpandEnvironmentStrings", {u("%TEMP%")})).empty());
    Value env = call(u"Environment", {u("Process")});
    invoke(obj(env), u"Item", {u("KORVEL_TEST_VAR"), u("v2")}, vbs::InvokeKind::Let);
    Value exec = call(u"Exec", {u("printf %s \"$KORVEL_TEST_VAR\"")});
    EXPECT_EQ(s(invoke(obj(get(obj(exec), u"StdOut")), u"ReadAll")), "v2");
    EXPECT_EQ(s(get(obj(env), u"Item", {u("NOT_SET_42")})), "");
    // The lasting environments cannot be changed from here; saying so beats
    // a change that silently vanishes.
    Value system = call(u"Environment", {u("SYSTEM")});
    EXPECT_EQ(s(get(obj(system), u"", {u("KORVEL_TEST_VAR")})), "v2");
    EXPECT_EQ(errorOf([&] {
                  invoke(obj(system), u"", {u("X"), u("1")}, vbs::InvokeKind::Let);
              }),
              445);
}

TEST_F(WshShellTest, CurrentDirectoryFollowsTheScript) {
    QTemporaryDir dir;
    std::string before = s(get(*shell, u"CurrentDirectory"));
    let(*shell, u"CurrentDirectory", u(dir.path().toStdString()));
    EXPECT_EQ(s(get(*shell, u"CurrentDirectory")), dir.path().toStdString());
    EXPECT_EQ(s(invoke(obj(get(obj(call(u"Exec", {u("pwd")})), u"StdOut")), u"ReadLine")),
              dir.path().toStdString());
    EXPECT_EQ(
        s(invoke(obj(get(obj(call(u"Exec", {u("printf %s \"$PWD\"")})), u"StdOut")), u"ReadAll")),
        dir.path().toStdString());
    EXPECT_EQ(errorOf([&] { let(*shell, u"CurrentDirectory", u("/no/such/dir")); }), 76);
    let(*shell, u"CurrentDirectory", u(before));
}

TEST_F(WshShellTest, WindowsOnlyMembersSayWhyTheyFail) {
    for (auto name : {u"RegRead", u"RegWrite", u"CreateShortcut", u"SendKeys"}) {
        std::u16string text = errorTextOf([&] { call(name, {u("HKCU\\x")}); });
        EXPECT_NE(text.find(u"Linux"), std::u16string::npos) << vbs::toUtf8(name);
    }
}

TEST_F(WshShellTest, SpecialFoldersLiveUnderHome) {
    setenv("HOME", "/home/tester", 1);
    setenv("XDG_CONFIG_HOME", "/nonexistent-config", 1);
    EXPECT_EQ(s(call(u"SpecialFolders", {u("Desktop")})), "/home/tester/Desktop");
    EXPECT_EQ(s(call(u"SpecialFolders", {u("MyDocuments")})), "/home/tester/Documents");
    EXPECT_EQ(s(call(u"SpecialFolders", {u("NetHood")})), "");
}

TEST_F(WshShellTest, PopupWithoutAHostAnswersWithTheDefaultButton) {
    EXPECT_EQ(call(u"Popup", {u("x"), Value(0), u("t"), Value(4 + 256)}).toLong(), 7);
}

TEST(WshNetworkTest, NamesTheUserAndTheMachine) {
    vbs::Ref<scripting::WshNetwork> net(new scripting::WshNetwork);
    char host[256] = {};
    gethostname(host, sizeof host - 1);
    std::string shortHost = std::string(host).substr(0, std::string(host).find('.'));
    EXPECT_EQ(s(get(*net, u"ComputerName")), shortHost);
    EXPECT_FALSE(s(get(*net, u"UserName")).empty());
    EXPECT_EQ(errorOf([&] {
                  invoke(*net, u"MapNetworkDrive", {u("Z:"), u("\\\\srv\\share")});
              }),
              445);
}

}  // namespace
