#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// The option dialog: one pick from the choices in HostState::OptionItems.
// OK stays disabled until the user has picked; closing the window without
// OK leaves empty text as the result.
class optiondlgf : public QDialog {
    Q_OBJECT
  public:
    explicit optiondlgf(QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* listchoose;
    QPushButton* OKButton;

  public slots:
    void reject() override;

  private:
    void choose();
};
