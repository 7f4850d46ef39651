#pragma once
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// The check dialog: any number of entries of HostState::CheckItems checked;
// the button returns their values joined with "|", in list order.
class ca : public QDialog {
    Q_OBJECT
  public:
    explicit ca(QWidget* parent = nullptr);

    QLabel* Label1;  // the title the script gave; hidden when empty
    QListWidget* chooseargs;
    QPushButton* Command1;

  private:
    void choose();
};
