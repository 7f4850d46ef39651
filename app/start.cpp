#include "start.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "ProductLogo.h"
#include "Version.h"

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
    imgLogo->setPixmap(ProductLogo::picture(96));
    imgLogo->setAlignment(Qt::AlignCenter);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(40, 30, 40, 24);
    v->addWidget(imgLogo);
    v->addWidget(ProductLogo::line(this, QStringLiteral("VBS编辑器"), 20, true));
    v->addWidget(ProductLogo::line(
        this, QStringLiteral("版本 ") + QString::fromLatin1(Version::text), 11, false));
    v->addWidget(ProductLogo::line(this, QStringLiteral("Halvorne 出品"), 11, false));
    v->addSpacing(12);
    v->addWidget(ProductLogo::line(this, QStringLiteral("启动中... ..."), 10, false));
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
