#pragma once
#include <QDialog>

class DialogServices;
class QLabel;
class QPushButton;
class SettingsStore;

// The settings hub: a banner and four buttons, each opening its window
// modally while the hub stays open behind it. Open it modally with exec().
class setfrm : public QDialog {
    Q_OBJECT
  public:
    setfrm(SettingsStore& settings, DialogServices& dialogs, QWidget* parent = nullptr);

    QLabel* Picture1;
    QPushButton* Command1;  // check for updates
    QPushButton* Command2;  // theme
    QPushButton* Command3;  // 'End Sub
    QPushButton* Command4;  // title

  private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    SettingsStore& settings_;
    DialogServices& dialogs_;
};
