#include "optiondlgf.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "HostState.h"
#include "VbColor.h"

optiondlgf::optiondlgf(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("选择一项"));
    setModal(true);
    Label1 = new QLabel(QStringLiteral("选择一个项"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    listchoose = new QComboBox(this);
    listchoose->setObjectName(QStringLiteral("listchoose"));
    listchoose->setEditable(false);
    OKButton = new QPushButton(QStringLiteral("确定"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));

    auto* v = new QVBoxLayout(this);
    v->addWidget(Label1);
    v->addWidget(listchoose);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(OKButton);
    v->addLayout(row);
    setMinimumWidth(Twips::toPixels(4200));

    // The inputs are read when the window opens.
    Label1->setText(HostState::OptionTitle());
    listchoose->addItems(HostState::OptionItems());
    listchoose->setCurrentIndex(-1);
    OKButton->setEnabled(false);
    // Enter confirms once a choice is picked; before that it does nothing.
    OKButton->setDefault(true);

    connect(listchoose, &QComboBox::activated, this, [this] { OKButton->setEnabled(true); });
    connect(OKButton, &QPushButton::clicked, this, [this] { choose(); });
}

void optiondlgf::choose() {
    if (listchoose->currentIndex() < 0) return;
    HostState::OptionResult() = listchoose->currentText();
    accept();
}

void optiondlgf::reject() {
    // Closed from the title bar or with Esc: the caller must not mistake an
    // earlier call's answer for this one.
    HostState::OptionResult().clear();
    QDialog::reject();
}
