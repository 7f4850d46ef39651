#pragma once
#include <QDialog>

class DialogServices;
class PictureButton;
class QRadioButton;
class SettingsStore;

// The 'End Sub setting window: switches the numbered 'End Sub marker on or
// off from the editor's next start ("End Sub"). It opens with neither option
// chosen and stays open after saving. Open it modally with exec().
class endfrm : public QDialog {
    Q_OBJECT
  public:
    endfrm(SettingsStore& settings, DialogServices& dialogs, QWidget* parent = nullptr);

    QRadioButton* Option1;  // on
    QRadioButton* Option2;  // off
    PictureButton* Button1;

  private:
    void Button1_Click();

    SettingsStore& settings_;
    DialogServices& dialogs_;
};
