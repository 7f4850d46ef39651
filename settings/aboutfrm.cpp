#include "aboutfrm.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "Version.h"

namespace {

QPixmap logo() {
    QPixmap pm(72, 72);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 120, 215));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(2, 2, 68, 68, 12, 12);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(24);
    p.setFont(f);
    p.drawText(QRect(2, 2, 68, 68), Qt::AlignCenter, QStringLiteral("VBS"));
    return pm;
}

QLabel* line(const QString& text, QWidget* parent, int pointSize, bool bold) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

aboutfrm::aboutfrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutfrm"));
    setWindowTitle(QStringLiteral("关于"));
    auto* picture = new QLabel(this);
    picture->setPixmap(logo());
    picture->setAlignment(Qt::AlignCenter);
    Command1 = new QPushButton(QStringLiteral("确定"), this);
    Command1->setDefault(true);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(24, 20, 24, 16);
    v->setSpacing(8);
    v->addWidget(picture);
    v->addWidget(line(QStringLiteral("KorvelVBS编辑器"), this, 16, true));
    v->addWidget(
        line(QStringLiteral("版本 ") + QString::fromLatin1(Version::text), this, 11, false));
    v->addWidget(line(QStringLiteral("Halvorne 出品"), this, 11, false));
    v->addSpacing(6);
    v->addWidget(Command1, 0, Qt::AlignHCenter);
    setFixedSize(300, 260);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}
