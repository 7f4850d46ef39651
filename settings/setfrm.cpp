#include "setfrm.h"

#include <QGridLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "bset.h"
#include "endfrm.h"
#include "tsetfrm.h"
#include "upfrm.h"

namespace {

QPixmap banner(QSize size) {
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient g(0, 0, size.width(), 0);
    g.setColorAt(0, QColor(0, 84, 153));
    g.setColorAt(1, QColor(0, 150, 230));
    p.fillRect(pm.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 70), 6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(size.width() - 40, size.height() / 2), 22, 22);
    p.drawEllipse(QPoint(size.width() - 40, size.height() / 2), 8, 8);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(18, 0, size.width() - 80, size.height()), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("KorvelVBS编辑器 设置"));
    return pm;
}

}  // namespace

setfrm::setfrm(SettingsStore& settings, DialogServices& dialogs, QWidget* parent)
    : QDialog(parent), settings_(settings), dialogs_(dialogs) {
    setObjectName(QStringLiteral("setfrm"));
    setWindowTitle(QStringLiteral("设置"));
    const QSize size(340, 250);
    Picture1 = new QLabel(this);
    Picture1->setPixmap(banner(QSize(size.width(), 70)));
    Command1 = new QPushButton(QStringLiteral("检查更新(&U)"), this);
    Command2 = new QPushButton(QStringLiteral("主题设置(&Z)"), this);
    Command3 = new QPushButton(QStringLiteral("End Sub设置(&E)"), this);
    Command4 = new QPushButton(QStringLiteral("标题设置(&T)"), this);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 16);
    v->setSpacing(14);
    v->addWidget(Picture1);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(24, 0, 24, 0);
    grid->setSpacing(12);
    grid->addWidget(Command1, 0, 0);
    grid->addWidget(Command2, 0, 1);
    grid->addWidget(Command3, 1, 0);
    grid->addWidget(Command4, 1, 1);
    for (QPushButton* b : {Command1, Command2, Command3, Command4}) b->setMinimumHeight(36);
    v->addLayout(grid);
    v->addStretch();
    setFixedSize(size);

    connect(Command1, &QPushButton::clicked, this, &setfrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &setfrm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &setfrm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &setfrm::Command4_Click);
}

// Each window is made afresh for every opening, so it shows no choice from
// last time, and there is never more than one of it.
void setfrm::Command1_Click() {
    upfrm w(settings_, dialogs_, this);
    w.exec();
}

void setfrm::Command2_Click() {
    bset w(settings_, dialogs_, this);
    w.exec();
}

void setfrm::Command3_Click() {
    endfrm w(settings_, dialogs_, this);
    w.exec();
}

void setfrm::Command4_Click() {
    tsetfrm w(settings_, dialogs_, this);
    w.exec();
}
