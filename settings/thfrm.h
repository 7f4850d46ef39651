#pragma once
#include <QDialog>
#include <QUrl>
#include <functional>

class DialogServices;
class QLabel;
class QPushButton;

// The acknowledgements window. A click on its picture opens the maker's web
// site in the default browser, one request per click, and the window stays
// open. Open it modally with exec().
class thfrm : public QDialog {
    Q_OBJECT
  public:
    // Hands an address to the desktop's own opener; false when it failed.
    using Opener = std::function<bool(const QUrl&)>;

    static const QUrl& makerSite();

    explicit thfrm(DialogServices& dialogs, QWidget* parent = nullptr);

    // The default opener is QDesktopServices; tests record instead.
    void setOpener(Opener opener) { opener_ = std::move(opener); }

    QLabel* Picture1;
    QPushButton* Command1;

    void Picture1_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    DialogServices& dialogs_;
    Opener opener_;
};
