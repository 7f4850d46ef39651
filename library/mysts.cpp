#include "mysts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "CodeBox.h"
#include "DialogServices.h"

mysts::mysts(DialogServices& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("mysts"));
    setWindowTitle(QStringLiteral("我的语句"));

    Frame1 = new QGroupBox(QStringLiteral("语句设置"), this);
    nameBox = new QLineEdit(Frame1);
    pathBox = new QLineEdit(Frame1);
    descriptionBox = new QLineEdit(Frame1);
    auto* form = new QFormLayout(Frame1);
    form->addRow(QStringLiteral("语句名："), nameBox);
    form->addRow(QStringLiteral("路径："), pathBox);
    form->addRow(QStringLiteral("功能描述："), descriptionBox);

    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command3 = new QPushButton(QStringLiteral("删除"), this);
    Command2 = new QPushButton(QStringLiteral("关闭"), this);
    searchlist = new QListWidget(this);
    searchlist->setObjectName(QStringLiteral("searchlist"));
    codebox = new CodeBox(this);
    codebox->setObjectName(QStringLiteral("codebox"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);
    auto* right = new QVBoxLayout;
    right->addWidget(Frame1);
    right->addWidget(codebox, 1);
    right->addLayout(buttons);
    auto* h = new QHBoxLayout(this);
    h->setContentsMargins(12, 12, 12, 12);
    h->addWidget(searchlist, 1);
    h->addLayout(right, 2);
    resize(640, 420);

    connect(Command1, &QPushButton::clicked, this, &mysts::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &mysts::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

void mysts::inDevelopment() {
    dialogs_.messageBox(QStringLiteral("开发中！"), DialogServices::Information);
}

void mysts::Command1_Click() { inDevelopment(); }

void mysts::Command3_Click() { inDevelopment(); }
