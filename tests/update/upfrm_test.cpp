#include "upfrm.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "AppPaths.h"
#include "ScriptedDialogs.h"
#include "SettingsStore.h"
#include "TestHttpServer.h"
#include "TestSupport.h"
#include "UpdateServer.h"

namespace {

const QString kInfo = QStringLiteral("/korvelvbs/update.dat");
const QString kSetup = QStringLiteral("/korvelvbs/setup.exe");
const QString kNewest = QStringLiteral("您的KorvelVBS已经是最新版！");
const QString kAlready = QStringLiteral("您已经下载了更新！");
const QString kTimeout = QStringLiteral("超时！获取信息失败！");
const QString kAskDownload = QStringLiteral("有较新版本，是否下载？");
const QString kAskSaved = QStringLiteral("请确认您已经保存好您的文件！确认请点击【是】");
const qint64 kHundredMegabytes = 100LL * 1024 * 1024;
const QString kSuccess = QStringLiteral(" 下载成功！可以安装更新了！");

QByteArray setupBytes() {
    QByteArray b;
    for (int i = 0; i < 300 * 1024; ++i) b.append(char(i * 7 % 251));
    return b;
}

class UpdateWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        // Requests go straight to 127.0.0.1 whatever the machine's proxy.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        ASSERT_TRUE(appDir.isValid() && configDir.isValid() && server.listening());
        AppPaths::setApplicationFolder(appDir.path());
        settings = std::make_unique<SettingsStore>(configDir.path());
        window = std::make_unique<upfrm>(*settings, dialogs);
        window->setServerBase(server.base());
        window->setCheckTimeout(5000);
        window->setDownloadIdleTimeout(5000);
        window->setLauncher([this](const QString& program) {
            launched.append(program);
            launchedExecutable = QFileInfo(program).isExecutable();
            return launchResult;
        });
    }
    void TearDown() override { AppPaths::setApplicationFolder({}); }

    void offer(const QByteArray& body) { server.on(kInfo, {200, body}); }
    QString updateKey() const { return settings->get("korvelVbs", "main", "update", "<absent>"); }
    void setUpdateKey(const QString& v) { settings->save("korvelVbs", "main", "update", v); }
    QStringList messages() const {
        QStringList out;
        for (const auto& c : dialogs.calls) out << c.text;
        return out;
    }
    QString setupFile() const { return appDir.filePath("update/setup.exe"); }
    QStringList updateFolder() const {
        return QDir(appDir.filePath("update")).entryList(QDir::Files | QDir::Hidden);
    }
    void expectHugeBodyRefused() {
        EXPECT_TRUE(dialogs.calls.isEmpty());
        EXPECT_TRUE(window->Text1->text().isEmpty());
        EXPECT_FALSE(window->updatebutton->isEnabled());
        // The client hung up long before the server was done.
        EXPECT_LT(server.floodSent, kHundredMegabytes / 10);
    }
    // A check that found a newer version, with the download answered Yes.
    void checkAndDownload() {
        offer("1.2");
        window->check();
        ASSERT_TRUE(window->updatebutton->isEnabled());
        dialogs.push(DialogServices::Yes);
        window->download();
    }

    QTemporaryDir appDir;
    QTemporaryDir configDir;
    TestHttpServer server;
    ScriptedDialogs dialogs;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<upfrm> window;
    QStringList launched;
    bool launchedExecutable = false;
    bool launchResult = true;
};

// --- the check --------------------------------------------------------------

TEST_F(UpdateWindow, SameVersionIsTheNewestAlsoWithTrailingZero) {
    for (const char* body : {"1.131", "1.1310", "1.131\r\n"}) {
        dialogs.calls.clear();
        offer(body);
        window->check();
        EXPECT_EQ(messages(), QStringList{kNewest}) << body;
        EXPECT_EQ(dialogs.calls.value(0).style, DialogServices::Information);
        EXPECT_FALSE(window->updatebutton->isEnabled());
        EXPECT_FALSE(window->bsetup->isEnabled());
    }
    EXPECT_EQ(window->Text1->text(), "1.131");
}

TEST_F(UpdateWindow, NumericallyGreaterVersionOffersTheDownloadSilently) {
    offer("1.14");
    window->check();
    EXPECT_TRUE(dialogs.calls.isEmpty());
    EXPECT_EQ(window->Text1->text(), "1.14");
    EXPECT_TRUE(window->updatebutton->isEnabled());
    EXPECT_FALSE(window->bsetup->isEnabled());
}

TEST_F(UpdateWindow, BodyThatIsNotOneNumberEndsTheCheckSilently) {
    setUpdateKey("yes");
    for (const QByteArray& body : {QByteArray("1.1.32"), QByteArray("garbage"),
                                   QByteArray("\x89PNG\r\n\x1a\n\0\0", 10), QByteArray()}) {
        offer(body);
        window->check();
        EXPECT_TRUE(dialogs.calls.isEmpty()) << body.toHex().constData();
        EXPECT_FALSE(window->updatebutton->isEnabled());
        // The stored "yes" is not even consulted.
        EXPECT_FALSE(window->bsetup->isEnabled());
    }
}

TEST_F(UpdateWindow, NeverAnsweringServerIsReportedAsTimeOut) {
    server.on(kInfo, TestHttpServer::silence());
    window->setCheckTimeout(150);
    window->check();
    ASSERT_EQ(messages(), QStringList{kTimeout});
    EXPECT_EQ(dialogs.calls[0].style, DialogServices::Critical);
    EXPECT_FALSE(window->updatebutton->isEnabled());
    EXPECT_TRUE(window->Text1->text().isEmpty());
}

TEST_F(UpdateWindow, ServerErrorsAndRefusedConnectionsEndTheCheckSilently) {
    setUpdateKey("yes");
    server.on(kInfo, {404, "1.2"});
    window->check();
    EXPECT_TRUE(dialogs.calls.isEmpty());
    EXPECT_TRUE(window->Text1->text().isEmpty());  // an error page is no version
    EXPECT_FALSE(window->updatebutton->isEnabled());
    EXPECT_FALSE(window->bsetup->isEnabled());

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    window->setServerBase(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
    window->check();
    EXPECT_TRUE(dialogs.calls.isEmpty());
}

TEST_F(UpdateWindow, HugeBodyWithoutLengthIsNotReadBeyondTheSmallLimit) {
    server.on(kInfo, TestHttpServer::flooding(kHundredMegabytes, -1));
    window->check();
    expectHugeBodyRefused();
}

TEST_F(UpdateWindow, HugeAnnouncedBodyIsRefusedAtOnce) {
    server.on(kInfo, TestHttpServer::flooding(kHundredMegabytes, kHundredMegabytes));
    window->check();
    expectHugeBodyRefused();
}

TEST_F(UpdateWindow, StoredDownloadIsOfferedAfterTheNewestMessage) {
    setUpdateKey("yes");
    offer("1.131");
    window->check();
    EXPECT_EQ(messages(), (QStringList{kNewest, kAlready}));
    EXPECT_FALSE(window->updatebutton->isEnabled());
    EXPECT_TRUE(window->bsetup->isEnabled());
}

TEST_F(UpdateWindow, OpeningTheWindowRunsTheCheck) {
    offer("1.14");
    window->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->updatebutton->isEnabled(); }, 5000));
    EXPECT_EQ(server.requested, QStringList{kInfo});
}

TEST_F(UpdateWindow, EveryOpeningStartsAfreshWithANewCheck) {
    offer("1.14");
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->updatebutton->isEnabled(); }, 5000));
    window->hide();
    offer("1.131");
    window->show();
    // The buttons of the last opening are gone at once, before any answer.
    EXPECT_FALSE(window->updatebutton->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dialogs.calls.isEmpty(); }, 5000));
    EXPECT_EQ(messages(), QStringList{kNewest});
    EXPECT_EQ(window->Text1->text(), "1.131");
    EXPECT_EQ(server.requested, (QStringList{kInfo, kInfo}));
}

TEST_F(UpdateWindow, EnvironmentVariableChoosesTheServer) {
    offer("1.14");
    qputenv(UpdateServer::environmentVariable, server.base().toString().toUtf8());
    upfrm fromEnvironment(*settings, dialogs);
    qunsetenv(UpdateServer::environmentVariable);
    fromEnvironment.check();
    EXPECT_EQ(server.requested, QStringList{kInfo});
    EXPECT_TRUE(fromEnvironment.updatebutton->isEnabled());
}

TEST_F(UpdateWindow, VersionLabelShowsTheOneVersionDefinition) {
    EXPECT_EQ(window->Label2->text(), "当前版本号:1.131");
    EXPECT_EQ(window->windowTitle(), "检测新版本");
    EXPECT_TRUE(window->Text1->isReadOnly());
}

// --- the download -----------------------------------------------------------

TEST_F(UpdateWindow, SuccessfulDownloadStoresTheProgramAndOffersTheInstall) {
    server.on(kSetup, {200, setupBytes()});
    ASSERT_FALSE(QDir(appDir.filePath("update")).exists());
    int shownMax = 0;
    bool hiddenWhileMoving = false;
    QObject::connect(window->progress, &QProgressBar::valueChanged, [&](int v) {
        shownMax = qMax(shownMax, v);
        if (!window->progress->isVisibleTo(window.get())) hiddenWhileMoving = true;
    });
    checkAndDownload();

    EXPECT_EQ(messages(), QStringList{kAskDownload});
    EXPECT_EQ(dialogs.calls[0].style, DialogServices::YesNo | DialogServices::Information);
    EXPECT_EQ(TestSupport::readBytes(setupFile()), setupBytes());
    EXPECT_EQ(updateFolder(), QStringList{"setup.exe"});  // no temporary left behind
    EXPECT_EQ(updateKey(), "yes");
    EXPECT_FALSE(window->updatebutton->isEnabled());
    EXPECT_TRUE(window->bsetup->isEnabled());
    EXPECT_EQ(window->printedLines(), (QStringList{"", "", "", kSuccess}));
    EXPECT_EQ(shownMax, 1000);
    EXPECT_FALSE(hiddenWhileMoving);
    EXPECT_FALSE(window->progress->isVisibleTo(window.get()));
}

TEST_F(UpdateWindow, RedirectsAreFollowedForCheckAndDownload) {
    server.on(kInfo, TestHttpServer::redirect("/mirror/update.dat"));
    server.on("/mirror/update.dat", {200, "1.2"});
    server.on(kSetup, TestHttpServer::redirect(server.base().toString().toUtf8() + "/files/s.exe"));
    server.on("/files/s.exe", {200, setupBytes()});
    window->check();
    ASSERT_TRUE(window->updatebutton->isEnabled());
    dialogs.push(DialogServices::Yes);
    window->download();
    EXPECT_EQ(TestSupport::readBytes(setupFile()), setupBytes());
    EXPECT_EQ(updateKey(), "yes");
}

TEST_F(UpdateWindow, WindowCannotBeClosedHalfWayThroughADownload) {
    server.on(kSetup, {200, setupBytes()});
    offer("1.2");
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->updatebutton->isEnabled(); }, 5000));
    bool closedDuringDownload = false;
    bool tried = false;
    QObject::connect(window->progress, &QProgressBar::valueChanged, [&] {
        if (tried) return;
        tried = true;
        window->close();
        closedDuringDownload = !window->isVisible();
    });
    dialogs.push(DialogServices::Yes);
    window->download();
    ASSERT_TRUE(tried);
    EXPECT_FALSE(closedDuringDownload);
    EXPECT_EQ(updateKey(), "yes");
    window->close();  // afterwards it closes as usual
    EXPECT_FALSE(window->isVisible());
}

TEST_F(UpdateWindow, DownloadDeclinedOrNotNewerFetchesNothing) {
    offer("1.2");
    window->check();
    dialogs.push(DialogServices::No);
    window->download();
    offer("1.131");
    window->check();
    window->download();  // not newer: not even asked
    EXPECT_EQ(messages(), (QStringList{kAskDownload, kNewest}));
    EXPECT_FALSE(server.requested.contains(kSetup));
    EXPECT_EQ(updateKey(), "<absent>");
}

TEST_F(UpdateWindow, CutShortDownloadKeepsTheOldProgramAndTheState) {
    ASSERT_TRUE(QDir(appDir.path()).mkpath("update"));
    ASSERT_TRUE(TestSupport::writeBytes(setupFile(), "old setup"));
    const QByteArray half = setupBytes().left(100 * 1024);
    server.on(kSetup, {200, half, false, qint64(setupBytes().size())});
    checkAndDownload();

    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_EQ(dialogs.calls[1].style, DialogServices::Critical);
    EXPECT_TRUE(dialogs.calls[1].text.contains("下载不完整"))
        << dialogs.calls[1].text.toStdString();
    EXPECT_EQ(TestSupport::readBytes(setupFile()), "old setup");
    EXPECT_EQ(updateFolder(), QStringList{"setup.exe"});
    EXPECT_EQ(updateKey(), "<absent>");
    EXPECT_FALSE(window->bsetup->isEnabled());
    EXPECT_TRUE(window->updatebutton->isEnabled());  // the user may try again
    EXPECT_FALSE(window->printedLines().contains(kSuccess));
}

TEST_F(UpdateWindow, ServerErrorPageIsNeverSavedAsTheProgram) {
    server.on(kSetup, {500, "<html>oops</html>"});
    checkAndDownload();

    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_EQ(dialogs.calls[1].style, DialogServices::Critical);
    EXPECT_TRUE(dialogs.calls[1].text.contains("HTTP 500")) << dialogs.calls[1].text.toStdString();
    EXPECT_FALSE(QFile::exists(setupFile()));
    EXPECT_TRUE(updateFolder().isEmpty());
    EXPECT_EQ(updateKey(), "<absent>");
    EXPECT_FALSE(window->bsetup->isEnabled());
}

TEST_F(UpdateWindow, StalledDownloadTimesOut) {
    server.on(kSetup, TestHttpServer::silence());
    window->setDownloadIdleTimeout(150);
    checkAndDownload();

    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_TRUE(dialogs.calls[1].text.contains("下载超时"));
    EXPECT_FALSE(QFile::exists(setupFile()));
    EXPECT_EQ(updateKey(), "<absent>");
    EXPECT_FALSE(window->progress->isVisibleTo(window.get()));
}

TEST_F(UpdateWindow, LostConnectionBeforeTheDownloadIsReported) {
    offer("1.2");
    window->check();
    ASSERT_TRUE(window->updatebutton->isEnabled());
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    window->setServerBase(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort())));
    closed.close();
    dialogs.push(DialogServices::Yes);
    window->download();

    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_TRUE(dialogs.calls[1].text.startsWith("网络连接失败"));
    EXPECT_FALSE(QFile::exists(setupFile()));
    EXPECT_EQ(updateKey(), "<absent>");
}

TEST_F(UpdateWindow, UnwritableUpdateFolderIsReported) {
    // A file where the folder should be: cannot be created, even as root.
    ASSERT_TRUE(TestSupport::writeBytes(appDir.filePath("update"), "in the way"));
    server.on(kSetup, {200, setupBytes()});
    checkAndDownload();

    ASSERT_EQ(dialogs.calls.size(), 2);
    EXPECT_TRUE(dialogs.calls[1].text.contains("无法保存安装程序"));
    EXPECT_EQ(updateKey(), "<absent>");
    EXPECT_FALSE(window->bsetup->isEnabled());
}

// --- starting the setup -----------------------------------------------------

TEST_F(UpdateWindow, StartingTheSetupRunsTheDownloadedFileAndClearsTheState) {
    server.on(kSetup, {200, setupBytes()});
    checkAndDownload();
    ASSERT_EQ(updateKey(), "yes");
    dialogs.push(DialogServices::Yes);
    window->startSetup();

    EXPECT_EQ(dialogs.calls.last().text, kAskSaved);
    EXPECT_EQ(dialogs.calls.last().style, DialogServices::YesNo | DialogServices::Question);
    EXPECT_EQ(launched, QStringList{setupFile()});
    EXPECT_TRUE(launchedExecutable);
    EXPECT_EQ(updateKey(), "");  // stored empty, not removed

    // The next opening no longer offers the install.
    upfrm next(*settings, dialogs);
    next.setServerBase(server.base());
    dialogs.calls.clear();
    offer("1.131");
    next.check();
    EXPECT_EQ(messages(), QStringList{kNewest});
    EXPECT_FALSE(next.bsetup->isEnabled());
}

TEST_F(UpdateWindow, DecliningOrFailingSetupStartKeepsTheDownload) {
    server.on(kSetup, {200, setupBytes()});
    checkAndDownload();
    dialogs.push(DialogServices::No);
    window->startSetup();
    EXPECT_TRUE(launched.isEmpty());
    EXPECT_EQ(updateKey(), "yes");

    launchResult = false;
    dialogs.push(DialogServices::Yes);
    window->startSetup();
    EXPECT_EQ(launched.size(), 1);
    EXPECT_EQ(dialogs.calls.last().text, "无法启动安装程序！");
    EXPECT_EQ(updateKey(), "yes");
}

TEST_F(UpdateWindow, InstallWithoutSetupProgramTellsTheUser) {
    setUpdateKey("yes");
    offer("1.131");
    window->check();
    ASSERT_TRUE(window->bsetup->isEnabled());
    window->startSetup();

    EXPECT_TRUE(launched.isEmpty());
    EXPECT_EQ(dialogs.calls.last().text, "没有找到安装程序！请重新下载更新。");
    EXPECT_EQ(dialogs.calls.last().style, DialogServices::Exclamation);
    EXPECT_FALSE(window->bsetup->isEnabled());
    EXPECT_EQ(updateKey(), "");
}

}  // namespace
