#include "QtArgumentDialogs.h"

#include "ca.h"
#include "folderdialogf.h"
#include "optiondlgf.h"

void QtArgumentDialogs::showOptionDialog() {
    optiondlgf dlg(parent_);
    dlg.exec();
}

void QtArgumentDialogs::showFolderDialog() {
    folderdialogf dlg(parent_);
    dlg.exec();
}

void QtArgumentDialogs::showCheckDialog() {
    ca dlg(parent_);
    dlg.exec();
}
