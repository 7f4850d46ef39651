#pragma once
#include <QDialog>

class DialogServices;
class QLabel;
class QLineEdit;
class QPushButton;
class SettingsStore;

// The title window: the text shown after "KorvelVBS编辑器---" in the main
// window's title from its next start ("title"), or the default title back.
// Open it modally with exec().
class tsetfrm : public QDialog {
    Q_OBJECT
  public:
    tsetfrm(SettingsStore& settings, DialogServices& dialogs, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* Text1;
    QPushButton* Command1;  // OK
    QPushButton* Command2;  // restore the default

  private:
    void Command1_Click();
    void Command2_Click();

    SettingsStore& settings_;
    DialogServices& dialogs_;
};
