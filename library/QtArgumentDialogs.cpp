#include "QtArgumentDialogs.h"

#include <QApplication>

#include "ca.h"
#include "folderdialogf.h"
#include "optiondlgf.h"

// Without an owner the dialogs still appear over the window the user works in.
QWidget* QtArgumentDialogs::owner() const {
    return parent_ ? parent_ : QApplication::activeWindow();
}

void QtArgumentDialogs::showOptionDialog() {
    optiondlgf dlg(owner());
    dlg.exec();
}

void QtArgumentDialogs::showFolderDialog() {
    folderdialogf dlg(owner());
    dlg.exec();
}

void QtArgumentDialogs::showCheckDialog() {
    ca dlg(owner());
    dlg.exec();
}
