#include "ProductLogo.h"

#include <QLabel>
#include <QPainter>

QPixmap ProductLogo::picture(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 120, 215));
    p.setPen(Qt::NoPen);
    const int margin = size / 24 + 1;
    const QRect box(margin, margin, size - 2 * margin, size - 2 * margin);
    p.drawRoundedRect(box, size / 6.0, size / 6.0);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(size * 34 / 96);
    p.setFont(f);
    p.drawText(box, Qt::AlignCenter, QStringLiteral("VBS"));
    return pm;
}

QLabel* ProductLogo::line(QWidget* parent, const QString& text, int pointSize, bool bold) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
