#pragma once
#include <QDialog>
#include <QStringList>
#include <QUrl>
#include <functional>

#include "HttpTransfer.h"

class DialogServices;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class SettingsStore;

// The update window: each time it is opened it asks the update server for the
// version on offer; it downloads the new setup program on request and starts
// it. Open it with exec() (modal) or show(); the check runs once the window
// is on screen.
class upfrm : public QDialog {
    Q_OBJECT
  public:
    // Starts the setup program given by path; false when that failed.
    using Launcher = std::function<bool(const QString& program)>;

    static constexpr int checkTimeoutMs = 10000;
    // No byte for this long ends a download.
    static constexpr int downloadIdleTimeoutMs = 30000;
    // More than this is not a version number; reading stops there.
    static constexpr qint64 maxInfoBytes = 64;

    upfrm(SettingsStore& settings, DialogServices& dialogs, QWidget* parent = nullptr);

    // Defaults: the server of UpdateServer, the time-outs above, and
    // SetupLauncher::start.
    void setServerBase(const QUrl& base) { base_ = base; }
    void setCheckTimeout(int ms) { checkTimeout_ = ms; }
    void setDownloadIdleTimeout(int ms) { downloadIdleTimeout_ = ms; }
    void setLauncher(Launcher launcher) { launcher_ = std::move(launcher); }

    // The three procedures; the window calls them itself (on opening and on
    // the two buttons), tests call them directly.
    void check();
    void download();
    void startSetup();

    // The local copy of the setup program: update/setup.exe in the
    // application folder.
    static QString setupPath();
    // What has been printed on the window's surface, one entry per line.
    QStringList printedLines() const { return printed_; }

    QLabel* Label1;
    QLineEdit* Text1;
    QLabel* Label2;
    QPushButton* updatebutton;
    QPushButton* bsetup;
    QProgressBar* progress;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void arrange();
    void reset();
    void Print(const QString& line = {});
    void Cls();
    void printBelowControls(const QString& line);
    void showProgress(qint64 received, qint64 total);
    QString downloadFailureText(const HttpTransfer::Result& result) const;
    void keepUpdateValue(const QString& value);

    SettingsStore& settings_;
    DialogServices& dialogs_;
    HttpTransfer transfer_;
    QUrl base_;
    int checkTimeout_ = checkTimeoutMs;
    int downloadIdleTimeout_ = downloadIdleTimeoutMs;
    Launcher launcher_;
    // The "update" value as read or last written.
    QString update_;
    QStringList printed_;
    // A transfer is running: the window stays until it is over.
    bool busy_ = false;
};
