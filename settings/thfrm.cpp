#include "thfrm.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogServices.h"

namespace {

QPixmap makerPicture() {
    QPixmap pm(300, 90);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 90);
    g.setColorAt(0, QColor(40, 40, 48));
    g.setColorAt(1, QColor(70, 70, 84));
    p.fillRect(pm.rect(), g);
    p.setPen(QColor(255, 192, 128));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(30);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 8, 300, 50), Qt::AlignCenter, QStringLiteral("Halvorne"));
    QFont small(QStringLiteral("WenQuanYi Micro Hei"));
    small.setPixelSize(13);
    p.setFont(small);
    p.setPen(QColor(220, 220, 230));
    p.drawText(QRect(0, 54, 300, 28), Qt::AlignCenter, QStringLiteral("点击访问我们的网站"));
    return pm;
}

QLabel* role(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

const QUrl& thfrm::makerSite() {
    static const QUrl site(QStringLiteral("https://www.halvorne.cn/"));
    return site;
}

thfrm::thfrm(DialogServices& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("thfrm"));
    setWindowTitle(QStringLiteral("鸣谢"));
    opener_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    Picture1 = new QLabel(this);
    Picture1->setPixmap(makerPicture());
    Picture1->setCursor(Qt::PointingHandCursor);
    Picture1->setToolTip(makerSite().toString());
    Picture1->installEventFilter(this);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setDefault(true);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    grid->addWidget(role(QStringLiteral("主程序"), this), 0, 0, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Halvorne、青柚、Ardent"), this), 0, 1);
    grid->addWidget(role(QStringLiteral("建议"), this), 1, 0, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("小林同学、Mistral_K、北岸、半夏"), this), 1, 1);

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(20, 16, 20, 16);
    v->setSpacing(12);
    v->addWidget(Picture1, 0, Qt::AlignHCenter);
    v->addLayout(grid);
    v->addWidget(new QLabel(QStringLiteral("更多默默无闻地工作的小伙伴"), this));
    v->addWidget(Command1, 0, Qt::AlignRight);
    setFixedSize(340, 290);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void thfrm::Picture1_Click() {
    if (opener_ && opener_(makerSite())) return;
    dialogs_.messageBox(
        QStringLiteral("无法打开浏览器。请手动访问：%1").arg(makerSite().toString()),
        DialogServices::Exclamation);
}

bool thfrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && Picture1->rect().contains(me->position().toPoint()))
            Picture1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
