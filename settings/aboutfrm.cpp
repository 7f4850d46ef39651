#include "aboutfrm.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ProductLogo.h"
#include "Version.h"

aboutfrm::aboutfrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutfrm"));
    setWindowTitle(QStringLiteral("关于"));
    auto* picture = new QLabel(this);
    picture->setPixmap(ProductLogo::picture(72));
    picture->setAlignment(Qt::AlignCenter);
    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setDefault(true);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(24, 20, 24, 16);
    v->setSpacing(8);
    v->addWidget(picture);
    v->addWidget(ProductLogo::line(this, QStringLiteral("KorvelVBS编辑器"), 16, true));
    v->addWidget(ProductLogo::line(
        this, QStringLiteral("版本 ") + QString::fromLatin1(Version::text), 11, false));
    v->addWidget(ProductLogo::line(this, QStringLiteral("Halvorne 出品"), 11, false));
    v->addSpacing(6);
    v->addWidget(Command1, 0, Qt::AlignHCenter);
    setFixedSize(300, 260);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}
