// The console host run as a program on real scripts: output, exit codes,
// arguments, errors, batch mode and time-outs.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "ScriptingTestSupport.h"
#include "TestSupport.h"

namespace {

struct HostRun {
    int code = -1;
    QString out, err;
    qint64 ms = 0;
};

class CscriptTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;

    QString script(const QString& name, const QByteArray& text) {
        QString p = dir.filePath(name);
        EXPECT_TRUE(TestSupport::writeBytes(p, text));
        return p;
    }
    HostRun run(QStringList args, const QByteArray& input = {}) {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral(KORVEL_BIN_DIR "/cscript"), args);
        EXPECT_TRUE(p.waitForStarted());
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(30000));
        HostRun r;
        r.ms = t.elapsed();
        r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
};

TEST_F(CscriptTest, EchoPrintsOneLinePerCallAndTheScriptEndsWithZero) {
    QString s =
        script("e.vbs", "WScript.Echo \"a\", 1, True\r\nWScript.Echo\r\nWScript.Echo \"中文\"\r\n");
    HostRun r = run({s});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, QString::fromUtf8("a 1 -1\n\n中文\n"));
    EXPECT_EQ(r.err, "");
}

TEST_F(CscriptTest, QuitSetsTheExitCodeEvenUnderResumeNext) {
    QString s = script(
        "q.vbs",
        "On Error Resume Next\nWScript.Echo \"before\"\nWScript.Quit 42\nWScript.Echo \"after\"\n");
    HostRun r = run({s});
    EXPECT_EQ(r.code, 42);
    EXPECT_EQ(r.out, "before\n");
}

TEST_F(CscriptTest, AnUncaughtErrorNamesFileLineColumnAndNumber) {
    QString s =
        script("err.vbs", "WScript.Echo \"start\"\nDim x\nx = 1 / 0\nWScript.Echo \"never\"\n");
    HostRun r = run({s});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "start\n");
    EXPECT_TRUE(r.err.startsWith(s + "(3, ")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("VBScript runtime error 11: Division by zero\n    x = 1 / 0"))
        << r.err.toStdString();
}

TEST_F(CscriptTest, ASyntaxErrorStopsTheScriptBeforeItRuns) {
    QString s = script("syn.vbs", "WScript.Echo \"x\"\nIf Then\n");
    HostRun r = run({s});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.contains("compilation error")) << r.err.toStdString();
}

TEST_F(CscriptTest, ArgumentsAndNamesReachTheScript) {
    QString s =
        script("args.vbs",
               "Set a = WScript.Arguments\n"
               "WScript.Echo a.Count, a(0), a.Named(\"out\"), a.Named.Exists(\"v\"), a.Unnamed(1)\n"
               "WScript.Echo WScript.ScriptName, WScript.ScriptFullName = \"" +
                   dir.filePath("args.vbs").toUtf8() + "\"\n");
    HostRun r = run({"//nologo", s, "first", "/out:x.txt", "/v", "second"});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "4 first x.txt -1 second\nargs.vbs -1\n");
}

TEST_F(CscriptTest, ScriptsAreFoundWithoutTheirExtension) {
    script("plain.vbs", "WScript.Echo \"found\"\n");
    HostRun r = run({dir.filePath("plain")});
    EXPECT_EQ(r.out, "found\n");
}

TEST_F(CscriptTest, GbkAndUtf16ScriptsRun) {
    QString gbk = script("gbk.vbs", "WScript.Echo \"\xD6\xD0\xCE\xC4\"\r\n");
    EXPECT_EQ(run({gbk}).out, QString::fromUtf8("中文\n"));
    QString u16 = script("u16.vbs", QByteArray("\xFF\xFEW\0S\0c\0r\0i\0p\0t\0.\0E\0c\0h\0o\0 \0"
                                               "7\0",
                                               30));
    EXPECT_EQ(run({u16}).out, "7\n");
}

TEST_F(CscriptTest, BatchModeAnswersBoxesAtOnce) {
    QString s = script("b.vbs",
                       "WScript.Echo MsgBox(\"q\", vbYesNo + vbDefaultButton2)\n"
                       "WScript.Echo InputBox(\"name?\", \"t\", \"默认\")\n"
                       "WScript.Echo CreateObject(\"WScript.Shell\").Popup(\"p\", 5)\n"
                       "WScript.Echo WScript.Interactive\n");
    HostRun r = run({"//B", s});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QString::fromUtf8("7\n默认\n-1\n0\n"));
    EXPECT_LT(r.ms, 4000);
}

TEST_F(CscriptTest, PipedInputIsDataNotAnswers) {
    // Nobody sits at a pipe: boxes take their default answers and the input
    // stays for WScript.StdIn.
    QString s = script("i.vbs",
                       "WScript.Echo MsgBox(\"go on?\", vbYesNo + vbDefaultButton2)\n"
                       "WScript.Echo \"[\" & InputBox(\"name?\", , \"def\") & \"]\"\n"
                       "WScript.Echo WScript.StdIn.ReadLine\n");
    HostRun r = run({s}, "n\nZhang\n");
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "go on?\n7\nname?\n[def]\nn\n");
}

TEST_F(CscriptTest, ConsolePopupGivesUpWhenNobodyAnswers) {
    QString s = script("p.vbs",
                       "Set sh = CreateObject(\"WScript.Shell\")\n"
                       "WScript.Echo sh.Popup(\"wait\", 1, \"t\", vbYesNo)\n"
                       "WScript.Echo sh.Popup(\"ask\", 0, \"t\", vbYesNo)\n");
    HostRun r = run({s}, "y\n");
    EXPECT_EQ(r.out, QString("wait\n-1\nask\n6\n")) << r.out.toStdString();
    EXPECT_LT(r.ms, 4000);
}

TEST_F(CscriptTest, StandardStreamsWorkInTheConsole) {
    QString s = script("io.vbs",
                       "Do Until WScript.StdIn.AtEndOfStream\n"
                       "  l = WScript.StdIn.ReadLine\n"
                       "  WScript.StdOut.WriteLine UCase(l)\n"
                       "Loop\n"
                       "WScript.StdErr.Write \"done\"\n");
    HostRun r = run({s}, "ab\ncd\n");
    EXPECT_EQ(r.out, "AB\nCD\n");
    EXPECT_EQ(r.err, "done");
}

TEST_F(CscriptTest, TimeOutEndsASleepingScript) {
    QString s =
        script("t.vbs", "WScript.Echo \"go\"\nWScript.Sleep 20000\nWScript.Echo \"late\"\n");
    HostRun r = run({"//T:1", s});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "go\n");
    EXPECT_TRUE(r.err.contains(QString::fromUtf8("超过了 1 秒"))) << r.err.toStdString();
    EXPECT_LT(r.ms, 10000);
}

TEST_F(CscriptTest, TheScriptCanSetItsOwnTimeLimit) {
    QString s = script("own.vbs", "WScript.Timeout = 1\nWScript.Sleep 20000\n");
    HostRun r = run({s});
    EXPECT_EQ(r.code, 1);
    EXPECT_LT(r.ms, 10000);
}

TEST_F(CscriptTest, TimeOutEndsABusyLoop) {
    QString s = script("loop.vbs", "On Error Resume Next\nDo\nx = x + 1\nLoop\n");
    HostRun r = run({"//T:1", s});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8("超过了 1 秒"))) << r.err.toStdString();
    EXPECT_LT(r.ms, 10000);
}

TEST_F(CscriptTest, CommandLineMistakesAreExplained) {
    HostRun missing = run({dir.filePath("nothing.vbs")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(QString::fromUtf8("找不到脚本文件")))
        << missing.err.toStdString();
    HostRun bad = run({"//Zap", "x.vbs"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(bad.err.contains("//Zap"));
    HostRun help = run({"//?"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("//T:nn"));
}

TEST_F(CscriptTest, UnknownComponentsAndWmiFailClearly) {
    QString s = script("com.vbs",
                       "On Error Resume Next\n"
                       "Set x = CreateObject(\"Excel.Application\")\n"
                       "WScript.Echo Err.Number, Err.Description\n"
                       "Err.Clear\n"
                       "Set w = GetObject(\"winmgmts:\\\\.\\root\\cimv2\")\n"
                       "WScript.Echo Err.Number, Err.Description\n");
    HostRun r = run({s});
    QStringList lines = r.out.split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "429 ActiveX component can't create object");
    EXPECT_TRUE(lines[0].startsWith("429 ")) << r.out.toStdString();
    EXPECT_TRUE(lines[1].startsWith("429 ") && lines[1].contains("WMI")) << r.out.toStdString();
}

TEST_F(CscriptTest, AnAdministrationScriptWrittenForWindowsRunsUnchanged) {
    // Files and folders, a class, a dictionary, regular expressions, dates,
    // an external program and its output; the exit code is the error count.
    QString src = QStringLiteral(KORVEL_SOURCE_DIR "/tests/scripting/scripts/");
    HostRun r =
        run({"//nologo", src + "log_report.vbs", "/root:" + dir.filePath("work"), "/keep:20"});
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(r.out, QString::fromUtf8(TestSupport::readBytes(src + "log_report.expected")));
    EXPECT_TRUE(QFile::exists(dir.filePath("work/archive/db-20251228.log")));
}

}  // namespace
