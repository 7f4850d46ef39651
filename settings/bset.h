#pragma once
#include <QDialog>

class DialogServices;
class QPushButton;
class QRadioButton;
class SettingsStore;

// The theme window: picks the colour scheme the main window uses from its
// next start ("bj"). It opens with no option chosen and stays open after OK.
// Open it modally with exec().
class bset : public QDialog {
    Q_OBJECT
  public:
    bset(SettingsStore& settings, DialogServices& dialogs, QWidget* parent = nullptr);

    QRadioButton* Option1;  // green
    QRadioButton* Option2;  // light blue
    QRadioButton* Option3;  // light grey, the default scheme
    QPushButton* Command1;

  private:
    void Command1_Click();

    SettingsStore& settings_;
    DialogServices& dialogs_;
};
