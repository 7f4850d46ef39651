#include "PictureButton.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include "MouseCodes.h"
#include "PropertyBag.h"
#include "VbColor.h"

namespace {

// The original platform's timer resolution. A literal 1 ms period would make
// the two-tick push flash too short to see.
constexpr int kTickMs = 16;

QVariant imageValue(const QImage& img) { return img.isNull() ? QVariant() : QVariant(img); }

}  // namespace

PictureButton::PictureButton(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    TmR.setInterval(kTickMs);
    tMrPush.setInterval(kTickMs);
    connect(&TmR, &QTimer::timeout, this, &PictureButton::TmR_Timer);
    connect(&tMrPush, &QTimer::timeout, this, &PictureButton::tMrPush_Timer);
    cursorSource = [] { return QCursor::pos(); };
    widgetAtSource = [](QPoint p) { return QApplication::widgetAt(p); };
    surface_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    surface_.fill(VbColor::toQColor(backColor_));
}

void PictureButton::changed(const QString& key) {
    emit propertyChanged(key);
    UserControl_Paint();
}

void PictureButton::setPicture(const QImage& picture) {
    picture_ = picture;
    changed(QStringLiteral("Picture"));
}

void PictureButton::setPictureMouseOn(const QImage& picture) {
    pictureMouseOn_ = picture;
    changed(QStringLiteral("PictureMouseOn"));
}

void PictureButton::setPictureDown(const QImage& picture) {
    pictureDown_ = picture;
    changed(QStringLiteral("PictureDown"));
}

void PictureButton::setCaption(const QString& caption) {
    caption_ = caption;
    changed(QStringLiteral("Caption"));
}

void PictureButton::setFont(const QFont& font) {
    QWidget::setFont(font);
    changed(QStringLiteral("Font"));
}

void PictureButton::setForeColor(uint32_t color) {
    foreColor_ = color;
    changed(QStringLiteral("ForeColor"));
}

void PictureButton::setBackColor(uint32_t color) {
    backColor_ = color;
    changed(QStringLiteral("BackColor"));
}

void PictureButton::load(const PropertyBag& bag) {
    const QFont hostFont = parentWidget() ? parentWidget()->font() : QApplication::font();
    pictureMouseOn_ =
        bag.ReadProperty(QStringLiteral("PictureMouseOn"), QVariant()).value<QImage>();
    pictureDown_ = bag.ReadProperty(QStringLiteral("PictureDown"), QVariant()).value<QImage>();
    picture_ = bag.ReadProperty(QStringLiteral("Picture"), QVariant()).value<QImage>();
    caption_ = bag.ReadProperty(QStringLiteral("Caption"), QString()).toString();
    QWidget::setFont(bag.ReadProperty(QStringLiteral("Font"), hostFont).value<QFont>());
    foreColor_ = bag.ReadProperty(QStringLiteral("ForeColor"), kDefaultForeColor).toUInt();
    backColor_ = bag.ReadProperty(QStringLiteral("BackColor"), kDefaultBackColor).toUInt();
}

void PictureButton::save(PropertyBag& bag) const {
    const QFont hostFont = parentWidget() ? parentWidget()->font() : QApplication::font();
    bag.WriteProperty(QStringLiteral("PictureMouseOn"), imageValue(pictureMouseOn_), QVariant());
    bag.WriteProperty(QStringLiteral("PictureDown"), imageValue(pictureDown_), QVariant());
    bag.WriteProperty(QStringLiteral("Picture"), imageValue(picture_), QVariant());
    bag.WriteProperty(QStringLiteral("Caption"), caption_, QString());
    bag.WriteProperty(QStringLiteral("Font"), font(), hostFont);
    bag.WriteProperty(QStringLiteral("ForeColor"), foreColor_, kDefaultForeColor);
    bag.WriteProperty(QStringLiteral("BackColor"), backColor_, kDefaultBackColor);
}

void PictureButton::drawLook(PictureButtonPainter::Look look, const QImage& picture) {
    PictureButtonPainter::Input in;
    in.look = look;
    in.picture = picture;
    in.font = font();
    in.foreColor = foreColor_;
    in.backColor = backColor_;
    in.caption = caption_;
    PictureButtonPainter::draw(surface_, in);
    surfaceFresh_ = true;
    update();
}

void PictureButton::DrawNormal() { drawLook(PictureButtonPainter::Look::Normal, picture_); }
void PictureButton::DrawHover() { drawLook(PictureButtonPainter::Look::Hover, pictureMouseOn_); }
void PictureButton::DrawDown() { drawLook(PictureButtonPainter::Look::Down, pictureDown_); }

void PictureButton::UserControl_Paint() {
    if (pressLook_ == 1)
        DrawHover();
    else if (pressLook_ == 2)
        DrawDown();
    else if (mouseState_ == 0)
        DrawNormal();
    else if (mouseState_ == 1)
        DrawHover();
}

void PictureButton::paintEvent(QPaintEvent*) {
    // A paint the platform asked for runs the paint request; one that only
    // shows what we just drew must not, or a push's pressed look would be
    // painted over at once.
    if (!surfaceFresh_) UserControl_Paint();
    surfaceFresh_ = false;
    QPainter p(this);
    p.drawImage(0, 0, surface_);
}

void PictureButton::resizeEvent(QResizeEvent*) {
    QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    grown.fill(VbColor::toQColor(backColor_));
    QPainter(&grown).drawImage(0, 0, surface_);
    surface_ = grown;
    surfaceFresh_ = false;
}

bool PictureButton::pointerOverSelf() {
    cursorPos_ = cursorSource ? cursorSource() : QCursor::pos();
    QWidget* under = widgetAtSource ? widgetAtSource(cursorPos_) : nullptr;
    return under == this;
}

void PictureButton::mouseMoveEvent(QMouseEvent* e) {
    short button = short(MouseCodes::buttons(e->buttons()));
    short shift = short(MouseCodes::shift(e->modifiers()));
    float x = float(Twips::fromPixels(e->position().x()));
    float y = float(Twips::fromPixels(e->position().y()));
    emit MouseMove(button, shift, x, y);
    if (!TmR.isActive()) TmR.start();
    if (button != 2 && mouseState_ != 1 && mouseState_ != 2) {
        mouseState_ = 1;
        UserControl_Paint();
    }
}

void PictureButton::mousePressEvent(QMouseEvent* e) {
    short button = short(MouseCodes::button(e->button()));
    short shift = short(MouseCodes::shift(e->modifiers()));
    float x = float(Twips::fromPixels(e->position().x()));
    float y = float(Twips::fromPixels(e->position().y()));
    emit MouseDown(button, shift, x, y);
    if (button == 1 && mouseState_ != 2) {
        mouseState_ = 2;
        UserControl_Paint();
    }
}

void PictureButton::mouseReleaseEvent(QMouseEvent* e) {
    short button = short(MouseCodes::button(e->button()));
    short shift = short(MouseCodes::shift(e->modifiers()));
    float x = float(Twips::fromPixels(e->position().x()));
    float y = float(Twips::fromPixels(e->position().y()));
    if (mouseState_ == 2) {
        mouseState_ = 0;
        UserControl_Paint();
    }
    if (pressLook_ != 0) {
        pressLook_ = 0;
        UserControl_Paint();
    }
    if (!pointerOverSelf()) return;
    if (button == 1) emit Click();
    emit MouseUp(button, shift, x, y);
}

void PictureButton::TmR_Timer() {
    const bool inside = pointerOverSelf();
    switch (mouseState_) {
        case 0:
            TmR.stop();
            break;
        case 1:
            if (!inside) {
                TmR.stop();
                mouseState_ = 0;
                UserControl_Paint();
            }
            break;
        case 2:
            if (inside && pressLook_ != 2) {
                pressLook_ = 2;
                UserControl_Paint();
            } else if (!inside && pressLook_ != 1) {
                pressLook_ = 1;
                UserControl_Paint();
            }
            break;
        default:
            break;
    }
}

void PictureButton::Push(bool checkAfterPush) {
    pushTicks_ = 0;
    checkAfterPush_ = checkAfterPush;
    DrawDown();
    if (!checkAfterPush_) emit Click();
    tMrPush.start();
}

void PictureButton::tMrPush_Timer() {
    if (pushTicks_ != 1) {
        ++pushTicks_;
        return;
    }
    tMrPush.stop();
    if (checkAfterPush_) emit Click();
    pushTicks_ = 0;
    checkAfterPush_ = false;
    DrawNormal();
}
