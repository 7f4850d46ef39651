#pragma once
#include <QDialog>

#include "WindowDrag.h"

class BlueButton;
class DialogServices;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The sample script browser: one page of harmless sample scripts to read,
// with a notice that they are for learning only. Frameless, framed by lines
// along its edges and moved by dragging its bare surface. Open it modally
// with exec().
class ezj : public QDialog {
    Q_OBJECT
  public:
    explicit ezj(DialogServices& dialogs, QWidget* parent = nullptr);

    // The page text the window is designed with.
    static QString pageText();

    QLabel* titleLine;
    QLabel* heading;
    QLabel* Image1;
    QPlainTextEdit* Text1;
    QLabel* Label2;           // page indicator
    QLabel* Label3;           // the notice
    QPushButton* Command1;    // next page: there is only one
    QPushButton* Command2;    // close
    BlueButton* bluebutton1;  // ×

    void Label3_Click();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Load();
    void buildTitleStrip();
    void buildBody();

    DialogServices& dialogs_;
    WindowDrag drag_;
    bool pressOnBackground_ = false;
};
