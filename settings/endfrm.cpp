#include "endfrm.h"

#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "DialogServices.h"
#include "PictureButton.h"
#include "PropertyBag.h"
#include "SettingsKeys.h"

endfrm::endfrm(SettingsStore& settings, DialogServices& dialogs, QWidget* parent)
    : QDialog(parent), settings_(settings), dialogs_(dialogs) {
    setObjectName(QStringLiteral("endfrm"));
    setWindowTitle(QStringLiteral("End Sub设置"));
    Option1 = new QRadioButton(QStringLiteral("开启 End Sub"), this);
    Option2 = new QRadioButton(QStringLiteral("关闭 End Sub"), this);

    Button1 = new PictureButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    QFont f;
    f.setFamilies(
        {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei")});
    f.setPointSize(12);
    f.setBold(true);
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("确定"), QString());
    bag.WriteProperty(QStringLiteral("Font"), f, QVariant());
    Button1->load(bag);
    Button1->setFixedSize(96, 32);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(28, 20, 28, 18);
    v->setSpacing(12);
    v->addWidget(Option1);
    v->addWidget(Option2);
    v->addSpacing(4);
    v->addWidget(Button1, 0, Qt::AlignHCenter);
    setFixedSize(260, 170);

    connect(Button1, &PictureButton::Click, this, &endfrm::Button1_Click);
}

void endfrm::Button1_Click() {
    QString value;
    if (Option1->isChecked())
        value = QStringLiteral("yes");
    else if (Option2->isChecked())
        value = QStringLiteral("no");
    else
        return;
    dialogs_.messageBox(QStringLiteral("设置成功！重启KorvelVBS编辑器后生效！"),
                        DialogServices::Information);
    SettingsKeys::write(settings_, dialogs_, QStringLiteral("End Sub"), value);
}
