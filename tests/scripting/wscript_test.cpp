// The windowed host, headless: its dialogs answer as MsgBox, Popup and
// InputBox must, and the program runs scripts in batch mode without a window.
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QTimer>
#include <atomic>
#include <functional>
#include <thread>

#include "QtHostUi.h"
#include "ScriptingTestSupport.h"
#include "TestSupport.h"

namespace {

// Runs `act` on the first modal dialog that opens.
void whenDialogOpens(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start(20);
}

QPushButton* buttonNamed(QWidget* w, const QString& text) {
    for (auto* b : w->findChildren<QPushButton*>()) {
        if (b->text() == text) return b;
    }
    return nullptr;
}

TEST(QtHostUiTest, MessageBoxesUseChineseButtonsAndReturnTheAnswer) {
    scripting::QtHostUi ui;
    QString title, text;
    whenDialogOpens([&](QWidget* w) {
        title = w->windowTitle();
        text = static_cast<QMessageBox*>(w)->text();
        QPushButton* no = buttonNamed(w, QString::fromUtf8("否"));
        ASSERT_NE(no, nullptr);
        EXPECT_NE(buttonNamed(w, QString::fromUtf8("是")), nullptr);
        no->click();
    });
    EXPECT_EQ(ui.msgBox(u"继续吗？", 4 + 32, u"问题"), 7);
    EXPECT_EQ(title, QString::fromUtf8("问题"));
    EXPECT_EQ(text, QString::fromUtf8("继续吗？"));
}

TEST(QtHostUiTest, ClosingABoxAnswersCancel) {
    scripting::QtHostUi ui;
    whenDialogOpens([](QWidget* w) { w->close(); });
    EXPECT_EQ(ui.msgBox(u"x", 3, u""), 2);
}

TEST(QtHostUiTest, PopupGivesUpAfterItsTime) {
    scripting::QtHostUi ui;
    EXPECT_EQ(ui.popup(u"稍候", 1, u"t", 1), -1);
}

TEST(QtHostUiTest, InputBoxReturnsTheTextOrEmptyWhenCancelled) {
    scripting::QtHostUi ui;
    whenDialogOpens([](QWidget* w) {
        auto* d = static_cast<QInputDialog*>(w);
        EXPECT_EQ(d->textValue(), QString::fromUtf8("默认"));
        d->setTextValue(QString::fromUtf8("张三"));
        d->accept();
    });
    EXPECT_EQ(vbs::toUtf8(ui.inputBox(u"姓名", u"t", u"默认").toString()), "张三");
    whenDialogOpens([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_TRUE(ui.inputBox(u"姓名", u"t", u"默认").isEmpty());
}

TEST(QtHostUiTest, ErrorsShowTheirTextInACriticalBox) {
    scripting::QtHostUi ui;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    whenDialogOpens([&](QWidget* w) {
        auto* box = static_cast<QMessageBox*>(w);
        icon = box->icon();
        text = box->text();
        box->accept();
    });
    ui.error(u"Windows Script Host", u"行:\t3");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(text, QString::fromUtf8("行:\t3"));
}

TEST(QtHostUiTest, TimeUpShowsItsMessageOverTheWaitingScriptThenEnds) {
    scripting::QtHostUi ui;
    std::atomic<bool> ended{false}, returned{false};
    ui.endProcess = [&] { ended = true; };
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenDialogOpens([&](QWidget* w) {
        auto* box = static_cast<QMessageBox*>(w);
        text = box->text();
        icon = box->icon();
        EXPECT_FALSE(ended);  // the process ends only once the user has read it
        box->accept();
    });
    // The watchdog calls from its own thread while the window thread waits in the script.
    std::thread watchdog([&] {
        ui.timeUp(u"Windows Script Host", u"脚本“a.vbs”的运行时间超过了 1 秒的限制，已被终止。");
        returned = true;
    });
    QElapsedTimer clock;
    clock.start();
    while (!returned && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
    watchdog.join();
    EXPECT_TRUE(ended);
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(text.contains(QString::fromUtf8("超过了 1 秒"))) << text.toStdString();
}

TEST(QtHostUiTest, TimeUpFallsBackToStandardErrorWhenTheWindowThreadIsBlocked) {
    scripting::QtHostUi ui;
    ui.answerMs = 100;
    std::atomic<bool> ended{false};
    ui.endProcess = [&] { ended = true; };
    QElapsedTimer clock;
    clock.start();
    // The window thread does not take events while it waits here, as when a script waits
    // for a program.
    std::thread watchdog([&] { ui.timeUp(u"Windows Script Host", u"超时"); });
    watchdog.join();
    EXPECT_LT(clock.elapsed(), 5000);
    // The message that could not be shown in time is not shown late either.
    bool opened = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            opened = true;
            w->close();
        }
    });
    watch.start(20);
    clock.restart();
    while (clock.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(opened);
    EXPECT_FALSE(ended);
}

class WscriptProgramTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    int run(const QByteArray& code, QStringList extra = {}) {
        QString path = dir.filePath("w.vbs");
        EXPECT_TRUE(TestSupport::writeBytes(path, code));
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(KORVEL_BIN_DIR "/wscript"), extra << path);
        EXPECT_TRUE(p.waitForFinished(30000));
        stdoutText = p.readAllStandardOutput();
        stderrText = p.readAllStandardError();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    QByteArray stdoutText, stderrText;
};

TEST_F(WscriptProgramTest, BatchModeRunsWithoutAnyWindow) {
    QByteArray code =
        "WScript.Echo \"not shown\"\n"
        "MsgBox \"not shown either\"\n"
        "Set f = CreateObject(\"Scripting.FileSystemObject\").CreateTextFile(\"done.txt\")\n"
        "f.Write WScript.Name & \"|\" & InputBox(\"?\", , \"d\")\n"
        "f.Close\n"
        "WScript.Quit 3\n";
    EXPECT_EQ(run(code, {"//B"}), 3);
    EXPECT_EQ(TestSupport::readBytes(dir.filePath("done.txt")),
              QByteArray("Windows Script Host|d"));
    EXPECT_TRUE(stdoutText.isEmpty());
}

TEST_F(WscriptProgramTest, TimeLimitWhileWaitingForAProgramStillEndsTheRunAndSaysWhy) {
    // The window thread is blocked in the wait, so the message goes to standard error.
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(run("CreateObject(\"WScript.Shell\").Run \"sleep 8\", 0, True\n", {"//T:1"}), 1);
    EXPECT_LT(clock.elapsed(), 15000);
    EXPECT_TRUE(QString::fromUtf8(stderrText).contains(QString::fromUtf8("超过了 1 秒")))
        << stderrText.toStdString();
}

TEST_F(WscriptProgramTest, ErrorsInBatchModeStillFailTheRun) {
    EXPECT_EQ(run("x = CInt(\"abc\")\n", {"//B"}), 1);
}

TEST_F(WscriptProgramTest, StandardStreamsBelongToTheConsoleHost) {
    QByteArray code =
        "On Error Resume Next\n"
        "Set o = WScript.StdOut\n"
        "CreateObject(\"Scripting.FileSystemObject\").CreateTextFile(\"e.txt\").Write "
        "Hex(Err.Number)\n";
    EXPECT_EQ(run(code, {"//B"}), 0);
    EXPECT_EQ(TestSupport::readBytes(dir.filePath("e.txt")), QByteArray("80070006"));
}

}  // namespace
