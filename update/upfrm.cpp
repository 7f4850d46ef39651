#include "upfrm.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "AppPaths.h"
#include "DialogServices.h"
#include "OfferedVersion.h"
#include "SettingsStore.h"
#include "SetupLauncher.h"
#include "UpdateServer.h"
#include "Version.h"

namespace {
const QString kApp = QStringLiteral("korvelVbs");
const QString kSection = QStringLiteral("main");
const QString kKey = QStringLiteral("update");
constexpr int kMargin = 12;
constexpr int kWidth = 400;
}  // namespace

upfrm::upfrm(SettingsStore& settings, DialogServices& dialogs, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      dialogs_(dialogs),
      base_(UpdateServer().base()),
      launcher_(&SetupLauncher::start) {
    setObjectName(QStringLiteral("upfrm"));
    setWindowTitle(QStringLiteral("检测新版本"));
    Label1 = new QLabel(QStringLiteral("网络版本："), this);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Label2 = new QLabel(QStringLiteral("当前版本号:") + QString::fromLatin1(Version::text), this);
    updatebutton = new QPushButton(QStringLiteral("下载更新"), this);
    updatebutton->setObjectName(QStringLiteral("updatebutton"));
    bsetup = new QPushButton(QStringLiteral("安装更新"), this);
    bsetup->setObjectName(QStringLiteral("bsetup"));
    progress = new QProgressBar(this);
    progress->setObjectName(QStringLiteral("progress"));
    progress->setTextVisible(true);
    // Enter must not start a download or the setup by accident.
    updatebutton->setAutoDefault(false);
    bsetup->setAutoDefault(false);
    connect(updatebutton, &QPushButton::clicked, this, &upfrm::download);
    connect(bsetup, &QPushButton::clicked, this, &upfrm::startSetup);
    arrange();
    reset();
}

void upfrm::arrange() {
    const int line = fontMetrics().lineSpacing();
    const int rowH = qMax(line + 8, 24);
    const int labelW = Label1->sizeHint().width();
    Label1->setGeometry(kMargin, kMargin, labelW, rowH);
    Text1->setGeometry(kMargin + labelW, kMargin, 110, rowH);
    const int versionX = Text1->geometry().right() + 16;
    Label2->setGeometry(versionX, kMargin, kWidth - versionX - kMargin, rowH);
    // Printed lines start at the top; the three empty lines in front of each
    // message put it just below the first row of controls.
    const int textBottom = qMax(4 * line, kMargin + rowH + line);
    progress->setGeometry(kMargin, textBottom + 8, kWidth - 2 * kMargin, 18);
    const int buttonY = progress->geometry().bottom() + 12;
    const int buttonW = 110;
    updatebutton->setGeometry(kWidth - 2 * buttonW - kMargin - 10, buttonY, buttonW, 30);
    bsetup->setGeometry(kWidth - buttonW - kMargin, buttonY, buttonW, 30);
    setFixedSize(kWidth, buttonY + 30 + kMargin);
}

void upfrm::reset() {
    Text1->clear();
    updatebutton->setEnabled(false);
    bsetup->setEnabled(false);
    progress->hide();
    Cls();
}

QString upfrm::setupPath() {
    // QDir joins correctly also when the application folder is the root.
    return QDir(AppPaths::applicationFolder()).filePath(QStringLiteral("update/setup.exe"));
}

void upfrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restoring a minimized window is not a new opening.
    if (event->spontaneous()) return;
    reset();
    // Queued, so the window is on screen before the synchronous fetch.
    QTimer::singleShot(0, this, &upfrm::check);
}

void upfrm::check() {
    busy_ = true;
    const HttpTransfer::Result r =
        transfer_.fetch(UpdateServer(base_).infoUrl(), checkTimeout_, maxInfoBytes);
    busy_ = false;
    if (r.status == HttpTransfer::Status::TimedOut) {
        dialogs_.messageBox(QStringLiteral("超时！获取信息失败！"), DialogServices::Critical);
        return;
    }
    // Any other failure ends the check without a word.
    if (r.status != HttpTransfer::Status::Ok) return;
    Text1->setText(OfferedVersion::displayText(r.body));
    const std::optional<double> offered = OfferedVersion::parse(Text1->text());
    if (!offered) return;
    if (*offered <= Version::number) {
        dialogs_.messageBox(QStringLiteral("您的KorvelVBS已经是最新版！"),
                            DialogServices::Information);
    } else {
        updatebutton->setEnabled(true);
    }
    update_ = settings_.get(kApp, kSection, kKey, QString());
    if (update_ == QStringLiteral("yes")) {
        dialogs_.messageBox(QStringLiteral("您已经下载了更新！"), DialogServices::Information);
        bsetup->setEnabled(true);
    }
}

void upfrm::download() {
    if (!OfferedVersion::isNewer(Text1->text())) return;
    const int answer = dialogs_.messageBox(QStringLiteral("有较新版本，是否下载？"),
                                           DialogServices::YesNo | DialogServices::Information);
    if (answer != DialogServices::Yes) return;
    Cls();
    printBelowControls(QStringLiteral(" 请稍后！下载中！！！"));
    progress->setRange(0, 0);
    progress->show();
    repaint();

    busy_ = true;
    const HttpTransfer::Result r = transfer_.download(
        UpdateServer(base_).setupUrl(), setupPath(), downloadIdleTimeout_,
        [this](qint64 received, qint64 total) { showProgress(received, total); });
    busy_ = false;
    progress->hide();
    Cls();
    if (r.status != HttpTransfer::Status::Ok) {
        dialogs_.messageBox(downloadFailureText(r), DialogServices::Critical);
        return;
    }
    printBelowControls(QStringLiteral(" 下载成功！可以安装更新了！"));
    keepUpdateValue(QStringLiteral("yes"));
    updatebutton->setEnabled(false);
    bsetup->setEnabled(true);
}

void upfrm::startSetup() {
    const QString program = setupPath();
    if (!QFileInfo(program).isFile()) {
        dialogs_.messageBox(QStringLiteral("没有找到安装程序！请重新下载更新。"),
                            DialogServices::Exclamation);
        // Nothing waits in the update folder any more.
        keepUpdateValue(QString());
        bsetup->setEnabled(false);
        return;
    }
    const int answer =
        dialogs_.messageBox(QStringLiteral("请确认您已经保存好您的文件！确认请点击【是】"),
                            DialogServices::YesNo | DialogServices::Question);
    if (answer != DialogServices::Yes) return;
    SetupLauncher::makeExecutable(program);
    if (!launcher_ || !launcher_(program)) {
        dialogs_.messageBox(QStringLiteral("无法启动安装程序！"), DialogServices::Critical);
        return;
    }
    keepUpdateValue(QString());
}

void upfrm::keepUpdateValue(const QString& value) {
    update_ = value;
    settings_.save(kApp, kSection, kKey, update_);
}

QString upfrm::downloadFailureText(const HttpTransfer::Result& result) const {
    using S = HttpTransfer::Status;
    switch (result.status) {
        case S::TimedOut:
            return QStringLiteral("下载超时！请检查网络连接后重试。");
        case S::ServerError:
            return QStringLiteral("服务器返回错误（%1），下载失败！")
                .arg(result.httpStatus ? QStringLiteral("HTTP %1").arg(result.httpStatus)
                                       : QStringLiteral("无效的应答"));
        case S::Incomplete:
            return QStringLiteral("下载不完整，安装程序未保存！请重试。");
        case S::WriteError:
            return QStringLiteral("无法保存安装程序到“%1”！请检查该文件夹是否可写。")
                .arg(QDir::toNativeSeparators(QFileInfo(setupPath()).absolutePath()));
        case S::TooLarge:
        case S::NetworkError:
        case S::Ok:
            break;
    }
    QString text = QStringLiteral("网络连接失败，下载失败！请检查网络连接后重试。");
    // The lower layer's words help whoever has to find the fault.
    if (!result.detail.isEmpty()) text += QStringLiteral("\n（%1）").arg(result.detail);
    return text;
}

void upfrm::showProgress(qint64 received, qint64 total) {
    if (total > 0) {
        // Scaled to per mille: QProgressBar counts in int.
        progress->setRange(0, 1000);
        progress->setValue(int(qMin<qint64>(1000, received * 1000 / total)));
    } else {
        progress->setRange(0, 0);
    }
}

void upfrm::Print(const QString& line) {
    printed_.append(line);
    update();
}

void upfrm::Cls() {
    printed_.clear();
    update();
}

void upfrm::printBelowControls(const QString& line) {
    Print();
    Print();
    Print();
    Print(line);
}

void upfrm::closeEvent(QCloseEvent* event) {
    // Keys and clicks wait during a transfer, but the window manager's close
    // does not; closing half way would hide the outcome from the user.
    if (busy_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void upfrm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics fm = fontMetrics();
    int y = fm.ascent();
    for (const QString& line : printed_) {
        painter.drawText(kMargin, y, line);
        y += fm.lineSpacing();
    }
}
