#pragma once
#include <QDialog>

class QPushButton;

// The about window: product, version and maker. Open it modally with exec().
class aboutfrm : public QDialog {
    Q_OBJECT
  public:
    explicit aboutfrm(QWidget* parent = nullptr);

    QPushButton* Command1;
};
