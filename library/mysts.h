#pragma once
#include <QDialog>

class CodeBox;
class DialogServices;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The window for the user's own statements. Its commands are not built yet
// and say so; nothing is read or written. Open it modally with exec().
class mysts : public QDialog {
    Q_OBJECT
  public:
    explicit mysts(DialogServices& dialogs, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QLineEdit* nameBox;         // 语句名
    QLineEdit* pathBox;         // 路径
    QLineEdit* descriptionBox;  // 功能描述
    QPushButton* Command1;      // OK
    QPushButton* Command3;      // delete
    QPushButton* Command2;      // close
    QListWidget* searchlist;
    CodeBox* codebox;

    void Command1_Click();
    void Command3_Click();

  private:
    void inDevelopment();

    DialogServices& dialogs_;
};
