#include "tsetfrm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DialogServices.h"
#include "SettingsKeys.h"

tsetfrm::tsetfrm(SettingsStore& settings, DialogServices& dialogs, QWidget* parent)
    : QDialog(parent), settings_(settings), dialogs_(dialogs) {
    setObjectName(QStringLiteral("tsetfrm"));
    setWindowTitle(QStringLiteral("标题设置"));
    Label1 = new QLabel(QStringLiteral("请输入标题："), this);
    Label2 = new QLabel(QStringLiteral("KorvelVBS编辑器---"), this);
    Text1 = new QLineEdit(this);
    Command1 = new QPushButton(QStringLiteral("确定(&OK)"), this);
    Command2 = new QPushButton(QStringLiteral("恢复默认"), this);
    Command1->setDefault(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 16, 20, 16);
    grid->setVerticalSpacing(12);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text1, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    grid->addLayout(buttons, 2, 0, 1, 2);
    setFixedSize(420, 150);

    connect(Command1, &QPushButton::clicked, this, &tsetfrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &tsetfrm::Command2_Click);
}

void tsetfrm::Command1_Click() {
    if (Text1->text().isEmpty()) {
        dialogs_.messageBox(QStringLiteral("请输入标题！"), DialogServices::Exclamation);
        return;
    }
    dialogs_.messageBox(QStringLiteral("保存成功！重启KorvelVbs编辑器后生效！"),
                        DialogServices::Information);
    SettingsKeys::write(settings_, dialogs_, QStringLiteral("title"), Text1->text());
}

void tsetfrm::Command2_Click() {
    dialogs_.messageBox(QStringLiteral("恢复成功！重启KorvelVbs编辑器后生效！"),
                        DialogServices::Information);
    SettingsKeys::write(settings_, dialogs_, QStringLiteral("title"), QString());
}
