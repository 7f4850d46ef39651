#include "BlueButton.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "MouseCodes.h"
#include "PropertyBag.h"
#include "VbColor.h"

namespace {

QFont designFont() {
    QFont f(QStringLiteral("微软雅黑"));
    f.setPointSizeF(10.5);
    return f;
}

}  // namespace

BlueButton::BlueButton(QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
    // The control takes the mouse itself; the label only draws.
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label_->setWordWrap(true);
    label_->setAutoFillBackground(true);
    label_->setText(QStringLiteral("Label1"));
    label_->setFont(designFont());
    paintLabel(backColor_);
    applyForeground();
    setCursor(Qt::PointingHandCursor);
}

bool BlueButton::Enabled() const { return isEnabled(); }

void BlueButton::setEnabled(bool on) {
    QWidget::setEnabled(on);
    emit propertyChanged(QStringLiteral("Enabled"));
}

QFont BlueButton::Font() const { return label_->font(); }

void BlueButton::setFont(const QFont& font) {
    label_->setFont(font);
    emit propertyChanged(QStringLiteral("Font"));
}

QString BlueButton::Caption() const { return label_->text(); }

void BlueButton::setCaption(const QString& caption) {
    label_->setText(caption);
    emit propertyChanged(QStringLiteral("Caption"));
}

void BlueButton::setStyle(bool on) {
    style_ = on;
    emit propertyChanged(QStringLiteral("Style"));
}

void BlueButton::setChecked(bool on) {
    checked_ = on;
    applyBackground();
}

void BlueButton::setDownColor(uint32_t color) {
    downColor_ = color;
    emit propertyChanged(QStringLiteral("DownColor"));
    applyBackground();
}

void BlueButton::setForeColor(uint32_t color) {
    foreColor_ = color;
    applyForeground();
    emit propertyChanged(QStringLiteral("ForeColor"));
}

void BlueButton::setBackColor(uint32_t color) {
    backColor_ = color;
    emit propertyChanged(QStringLiteral("BackColor"));
    applyBackground();
}

void BlueButton::applyBackground() { paintLabel(style_ && checked_ ? downColor_ : backColor_); }

void BlueButton::paintLabel(uint32_t color) {
    shown_ = color;
    QPalette p = label_->palette();
    const QColor c = VbColor::toQColor(color);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Window, c);
    label_->setPalette(p);
}

void BlueButton::applyForeground() {
    QPalette p = label_->palette();
    const QColor c = VbColor::toQColor(foreColor_);
    p.setColor(QPalette::Active, QPalette::WindowText, c);
    p.setColor(QPalette::Inactive, QPalette::WindowText, c);
    // Disabled captions keep the platform's greyed look.
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(160, 160, 160));
    label_->setPalette(p);
}

void BlueButton::raiseMouse(QMouseEvent* e, bool down) {
    const double x = Twips::fromPixels(e->position().x());
    const double y = Twips::fromPixels(e->position().y());
    const int b = MouseCodes::button(e->button());
    const int s = MouseCodes::shift(e->modifiers());
    if (down)
        emit MouseDown(b, s, float(x), float(y));
    else
        emit MouseUp(b, s, float(x), float(y));
}

void BlueButton::mousePressEvent(QMouseEvent* e) {
    raiseMouse(e, true);
    paintLabel(downColor_);
    pressedInside_ = true;
}

void BlueButton::mouseReleaseEvent(QMouseEvent* e) {
    raiseMouse(e, false);
    paintLabel(backColor_);
    const bool click =
        pressedInside_ && rect().contains(e->position().toPoint()) && !suppressNextRelease_;
    pressedInside_ = false;
    suppressNextRelease_ = false;
    if (!click) return;
    emit Click();
    // The handler may have closed the window that owns us; nothing below
    // touches anything but our own fields.
    if (style_) {
        checked_ = true;
        emit propertyChanged(QStringLiteral("Checked"));
        applyBackground();
    } else {
        paintLabel(backColor_);
    }
    checked_ = !checked_;
    emit propertyChanged(QStringLiteral("Checked"));
}

void BlueButton::mouseDoubleClickEvent(QMouseEvent* e) {
    // Qt reports press, release, double-click, release; the second release
    // must not raise Click again.
    Q_UNUSED(e);
    emit DblClick();
    suppressNextRelease_ = true;
    pressedInside_ = true;
}

void BlueButton::resizeEvent(QResizeEvent*) { label_->setGeometry(0, 0, width(), height()); }

void BlueButton::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) label_->setEnabled(isEnabled());
}

void BlueButton::load(const PropertyBag& bag) {
    QWidget::setEnabled(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
    const QVariant f = bag.ReadProperty(QStringLiteral("Font"), QVariant());
    label_->setFont(f.isValid() ? f.value<QFont>()
                                : (parentWidget() ? parentWidget()->font() : QApplication::font()));
    label_->setText(
        bag.ReadProperty(QStringLiteral("Caption"), QStringLiteral("Label1")).toString());
    style_ = bag.ReadProperty(QStringLiteral("Style"), false).toBool();
    checked_ = bag.ReadProperty(QStringLiteral("Checked"), false).toBool();
    const uint32_t back = bag.ReadProperty(QStringLiteral("BackColor"), 0u).toUInt();
    paintLabel(back);
    downColor_ = bag.ReadProperty(QStringLiteral("DownColor"), 0u).toUInt();
    foreColor_ = bag.ReadProperty(QStringLiteral("ForeColor"), 0xFFFFFFu).toUInt();
    applyForeground();
    backColor_ = back;
}

void BlueButton::save(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("Enabled"), isEnabled(), true);
    const QFont parentFont = parentWidget() ? parentWidget()->font() : QApplication::font();
    bag.WriteProperty(QStringLiteral("Font"), label_->font(), parentFont);
    bag.WriteProperty(QStringLiteral("Caption"), label_->text(), QStringLiteral("Label1"));
    bag.WriteProperty(QStringLiteral("Style"), style_, false);
    bag.WriteProperty(QStringLiteral("Checked"), checked_, false);
    bag.WriteProperty(QStringLiteral("BackColor"), backColor_, 0u);
    bag.WriteProperty(QStringLiteral("DownColor"), downColor_, 0u);
    bag.WriteProperty(QStringLiteral("ForeColor"), foreColor_, 0xFFFFFFu);
}
