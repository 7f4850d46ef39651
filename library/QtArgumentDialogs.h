#pragma once
#include "ArgumentDialogs.h"

class QWidget;

// The real dialogs (optiondlgf, folderdialogf, ca), each created for one
// call and destroyed when it closes.
class QtArgumentDialogs : public ArgumentDialogs {
  public:
    explicit QtArgumentDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void showOptionDialog() override;
    void showFolderDialog() override;
    void showCheckDialog() override;

  private:
    QWidget* owner() const;
    QWidget* parent_;
};
