#pragma once
#include <QDialog>
#include <memory>

class DialogServices;
class QLabel;
class QLineEdit;
class QPushButton;

// The folder dialog: a path typed by hand or picked with the system folder
// browser. OK returns the box's text as it stands, Cancel and closing the
// window return "none".
class folderdialogf : public QDialog {
    Q_OBJECT
  public:
    // browser: the dialog services whose folder picker Browse uses; null
    // means the real one, owned by this window.
    explicit folderdialogf(QWidget* parent = nullptr, DialogServices* browser = nullptr);
    ~folderdialogf() override;

    // The system folder browser with sPrompt as its title; empty text when
    // the user cancels.
    static QString ForFolder(DialogServices& dialogs, const QString& sPrompt);

    QLabel* Label1;
    QLineEdit* txtpath;
    QPushButton* btnbrowse;
    QPushButton* OKButton;
    QPushButton* CancelButton;

  public slots:
    void reject() override;

  private:
    std::unique_ptr<DialogServices> ownBrowser_;
    DialogServices* browser_;
};
