#include "start.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "Version.h"

namespace {

QPixmap logo() {
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 120, 215));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(4, 4, 88, 88, 16, 16);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(34);
    p.setFont(f);
    p.drawText(QRect(4, 4, 88, 88), Qt::AlignCenter, QStringLiteral("VBS"));
    return pm;
}

QLabel* line(QWidget* parent, const QString& text, int pointSize, bool bold) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setPointSize(pointSize);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

start::start(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint | Qt::SplashScreen) {
    setObjectName(QStringLiteral("start"));
    setWindowTitle(QStringLiteral("VBS编辑器"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(logo());
    imgLogo->setAlignment(Qt::AlignCenter);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(40, 30, 40, 24);
    v->addWidget(imgLogo);
    v->addWidget(line(this, QStringLiteral("VBS编辑器"), 20, true));
    v->addWidget(line(this, QStringLiteral("版本 ") + QString::fromLatin1(Version::text), 11, false));
    v->addWidget(line(this, QStringLiteral("Halvorne 出品"), 11, false));
    v->addSpacing(12);
    v->addWidget(line(this, QStringLiteral("启动中... ..."), 10, false));
    resize(420, 300);
    if (QScreen* s = screen()) move(s->geometry().center() - rect().center());

    Timer1 = new QTimer(this);
    Timer1->setInterval(1500);
    Timer1->setSingleShot(false);
    connect(Timer1, &QTimer::timeout, this, &start::tick);
    Timer1->start();
}

void start::tick() {
    // Off the screen before the main window starts loading, and the timer
    // never fires again.
    hide();
    Timer1->stop();
    emit finished();
    close();
}
