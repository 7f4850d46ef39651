#include "bset.h"

#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogServices.h"
#include "SettingsKeys.h"

bset::bset(SettingsStore& settings, DialogServices& dialogs, QWidget* parent)
    : QDialog(parent), settings_(settings), dialogs_(dialogs) {
    setObjectName(QStringLiteral("bset"));
    setWindowTitle(QStringLiteral("主题设置"));
    Option1 = new QRadioButton(QStringLiteral("绿色"), this);
    Option2 = new QRadioButton(QStringLiteral("淡蓝色"), this);
    Option3 = new QRadioButton(QStringLiteral("浅灰色(默认）"), this);
    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setDefault(true);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(24, 18, 24, 18);
    v->setSpacing(10);
    v->addWidget(Option1);
    v->addWidget(Option2);
    v->addWidget(Option3);
    v->addSpacing(6);
    v->addWidget(Command1, 0, Qt::AlignHCenter);
    setFixedSize(260, 190);
    connect(Command1, &QPushButton::clicked, this, &bset::Command1_Click);
}

void bset::Command1_Click() {
    QString colour;
    QString value;
    if (Option1->isChecked()) {
        colour = QStringLiteral("绿色");
        value = QStringLiteral("green");
    } else if (Option2->isChecked()) {
        colour = QStringLiteral("淡蓝色");
        value = QStringLiteral("blue");
    } else if (Option3->isChecked()) {
        colour = QStringLiteral("浅灰色");
        value = QStringLiteral("black");
    } else {
        return;
    }
    dialogs_.messageBox(QStringLiteral("您选择了%1！重启KorvelVBS编辑器后生效！").arg(colour),
                        DialogServices::Information);
    SettingsKeys::write(settings_, dialogs_, QStringLiteral("bj"), value);
}
