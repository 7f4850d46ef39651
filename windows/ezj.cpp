#include "ezj.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "BlueButton.h"
#include "DialogServices.h"
#include "PropertyBag.h"
#include "VbColor.h"

namespace {

const QColor kStrip(64, 64, 64);
constexpr int kStripHeight = 34;

QPixmap samplePicture() {
    QPixmap pm(120, 120);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 204, 0));
    p.setPen(QPen(QColor(120, 90, 0), 3));
    p.drawEllipse(8, 8, 104, 104);
    p.setBrush(QColor(60, 40, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(38, 40, 12, 16);
    p.drawEllipse(70, 40, 12, 16);
    p.setPen(QPen(QColor(60, 40, 0), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(34, 44, 52, 44, 200 * 16, 140 * 16);
    return pm;
}

}  // namespace

QString ezj::pageText() {
    return QStringLiteral(
        "【1】会聊天的电脑\r\n"
        "\r\n"
        "打开后电脑会“开口说话”，弹出几句玩笑话，然后向你问好。\r\n"
        "它只显示消息，不会改动电脑上的任何文件或设置。\r\n"
        "\r\n"
        "—— 批处理版（保存为 聊天.bat）——\r\n"
        "@echo off\r\n"
        "title 系统提示\r\n"
        "echo 你的电脑想和你聊聊天……\r\n"
        "pause\r\n"
        "echo 它说：今天辛苦了，记得喝水！\r\n"
        "pause\r\n"
        "echo 开玩笑的，祝你今天愉快！\r\n"
        "pause\r\n"
        "\r\n"
        "—— VBScript 版（保存为 聊天.vbs）——\r\n"
        "MsgBox \"你的电脑想和你聊聊天……\", vbInformation, \"系统提示\"\r\n"
        "If MsgBox(\"要继续聊吗？\", vbYesNo + vbQuestion, \"系统提示\") = vbYes Then\r\n"
        "    MsgBox \"它说：今天辛苦了，记得喝水！\", vbInformation, \"系统提示\"\r\n"
        "    MsgBox \"开玩笑的，祝你今天愉快！\", vbInformation, \"系统提示\"\r\n"
        "Else\r\n"
        "    MsgBox \"好吧，下次再聊。\", vbInformation, \"系统提示\"\r\n"
        "End If\r\n");
}

ezj::ezj(DialogServices& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), dialogs_(dialogs) {
    setObjectName(QStringLiteral("ezj"));
    setWindowTitle(QStringLiteral("恶作剧"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(pal);
    buildTitleStrip();
    buildBody();
    setFixedSize(640, 470);
    Load();
}

void ezj::buildTitleStrip() {
    titleLine = new QLabel(QStringLiteral("恶作剧大全"), this);
    QFont tf = titleLine->font();
    tf.setPointSize(11);
    tf.setBold(true);
    titleLine->setFont(tf);
    QPalette tp = titleLine->palette();
    tp.setColor(QPalette::WindowText, Qt::white);
    titleLine->setPalette(tp);
    titleLine->setGeometry(12, 0, 300, kStripHeight);
    // Dragging the title line moves the window like the bare surface does.
    titleLine->setAttribute(Qt::WA_TransparentForMouseEvents);

    bluebutton1 = new BlueButton(this);
    bluebutton1->setObjectName(QStringLiteral("bluebutton1"));
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Caption"), QStringLiteral("×"), QStringLiteral("Label1"));
    bag.WriteProperty(QStringLiteral("BackColor"), VbColor::rgb(64, 64, 64), 0u);
    bag.WriteProperty(QStringLiteral("DownColor"), VbColor::rgb(200, 60, 60), 0u);
    QFont bf;
    bf.setPointSize(14);
    bag.WriteProperty(QStringLiteral("Font"), bf, QVariant());
    bluebutton1->load(bag);
    bluebutton1->setGeometry(640 - 44, 1, 42, kStripHeight - 2);
    connect(bluebutton1, &BlueButton::Click, this, &QDialog::reject);
}

void ezj::buildBody() {
    heading = new QLabel(QStringLiteral("恶作剧大全"), this);
    QFont hf = heading->font();
    hf.setPointSize(16);
    hf.setBold(true);
    heading->setFont(hf);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setPlainText(pageText());
    Image1 = new QLabel(this);
    Image1->setPixmap(samplePicture());
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    Label2 = new QLabel(QStringLiteral("页数："), this);
    Label3 = new QLabel(QStringLiteral("注意！"), this);
    QPalette np = Label3->palette();
    np.setColor(QPalette::WindowText, QColor(200, 0, 0));
    Label3->setPalette(np);
    QFont nf = Label3->font();
    nf.setUnderline(true);
    nf.setBold(true);
    Label3->setFont(nf);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->installEventFilter(this);
    Command1 = new QPushButton(QStringLiteral("下一页(&N)"), this);
    Command2 = new QPushButton(QStringLiteral("关闭(&E)"), this);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    auto* middle = new QHBoxLayout;
    middle->addWidget(Text1, 1);
    middle->addWidget(Image1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label2);
    bottom->addSpacing(16);
    bottom->addWidget(Label3);
    bottom->addStretch();
    bottom->addWidget(Command1);
    bottom->addWidget(Command2);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(16, kStripHeight + 10, 16, 14);
    v->setSpacing(10);
    v->addWidget(heading);
    v->addLayout(middle, 1);
    v->addLayout(bottom);
}

void ezj::Load() {
    const QString page = QStringLiteral("1");
    Label2->setText(QStringLiteral("页数：") + page + QStringLiteral("/1"));
}

void ezj::Label3_Click() {
    const QString notice = QStringLiteral(
                               "注意！代码仅供学习，了解相关知识，技能之用。部分涉及犯罪违法，请务"
                               "必对自己的行为负责！") +
                           QChar(13) +
                           QStringLiteral(
                               "如果使用者使用代码不当而造成对自己或者对他人的一切伤害，Halvorne将"
                               "不会对此承担任何责任。");
    dialogs_.messageBox(notice, DialogServices::Information, QStringLiteral("注意！"));
}

bool ezj::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label3 && event->type() == QEvent::MouseButtonRelease) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && Label3->rect().contains(me->position().toPoint()))
            Label3_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ezj::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(0, 0, width(), kStripHeight, kStrip);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(0, 0, width() - 1, height() - 1);
}

void ezj::mouseMoveEvent(QMouseEvent* e) {
    const bool overBackground = childAt(e->position().toPoint()) == nullptr;
    if (e->buttons() == Qt::NoButton ? !overBackground : !pressOnBackground_) return;
    drag_.mouseMove(this, e);
}

void ezj::mousePressEvent(QMouseEvent* e) {
    pressOnBackground_ = childAt(e->position().toPoint()) == nullptr;
    QDialog::mousePressEvent(e);
}
