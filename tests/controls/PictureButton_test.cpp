#include "PictureButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QSignalSpy>

#include "PictureButtonColor.h"
#include "PropertyBag.h"
#include "VbColor.h"

using PictureButtonColor::BlendColor;
using PictureButtonColor::TranslateColor;

namespace {

const QColor kNormalPic(200, 0, 0);
const QColor kHoverPic(0, 200, 0);
const QColor kDownPic(0, 0, 200);

QImage solid(QColor c, int w = 20, int h = 20) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

QColor at(const PictureButton& b, int x, int y) { return QColor(b.surface().pixel(x, y)); }

// A button with a distinct picture per look, and a pointer the test moves.
struct Harness {
    PictureButton b;
    QWidget elsewhere;
    bool inside = true;
    QStringList events;

    Harness() {
        b.resize(60, 24);
        b.setPicture(solid(kNormalPic));
        b.setPictureMouseOn(solid(kHoverPic));
        b.setPictureDown(solid(kDownPic));
        b.cursorSource = [] { return QPoint(5, 5); };
        b.widgetAtSource = [this](QPoint) -> QWidget* { return inside ? &b : &elsewhere; };
        QObject::connect(&b, &PictureButton::Click,
                         [this] { events << QStringLiteral("click:") + look(); });
        QObject::connect(&b, &PictureButton::MouseDown, [this](short& bt, short&, float&, float&) {
            events << QStringLiteral("down%1").arg(bt);
        });
        QObject::connect(&b, &PictureButton::MouseUp, [this](short& bt, short&, float&, float&) {
            events << QStringLiteral("up%1").arg(bt);
        });
    }

    QString look() const {
        const QColor c = at(b, 30, 12);
        if (c == kNormalPic) return QStringLiteral("normal");
        if (c == kHoverPic) return QStringLiteral("hover");
        if (c == kDownPic) return QStringLiteral("down");
        return QStringLiteral("other");
    }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent e(type, QPointF(10, 10), b.mapToGlobal(QPointF(10, 10)), button, held,
                      Qt::NoModifier);
        QApplication::sendEvent(&b, &e);
    }
    void move(Qt::MouseButtons held = Qt::NoButton) { send(QEvent::MouseMove, Qt::NoButton, held); }
    void press(Qt::MouseButton bt = Qt::LeftButton) { send(QEvent::MouseButtonPress, bt, bt); }
    void release(Qt::MouseButton bt = Qt::LeftButton) {
        send(QEvent::MouseButtonRelease, bt, Qt::NoButton);
    }
};

}  // namespace

TEST(PictureButtonStates, PressedLookFollowsThePointerAndReleaseInsideClicks) {
    Harness h;
    h.move();
    EXPECT_EQ(h.look(), "hover");
    EXPECT_TRUE(h.b.trackingActive());
    h.press();
    // The pressed look waits for the next tracking tick.
    EXPECT_EQ(h.b.MouseState(), 2);
    EXPECT_EQ(h.look(), "hover");
    h.b.TmR_Timer();
    EXPECT_EQ(h.look(), "down");
    h.inside = false;
    h.b.TmR_Timer();
    EXPECT_EQ(h.look(), "hover");
    EXPECT_EQ(h.b.PressLook(), 1);
    h.inside = true;
    h.b.TmR_Timer();
    EXPECT_EQ(h.look(), "down");
    h.release();
    // Click sees the normal look already drawn, and comes before MouseUp.
    EXPECT_EQ(h.events, (QStringList{"down1", "click:normal", "up1"}));
    EXPECT_EQ(h.b.MouseState(), 0);
    EXPECT_EQ(h.b.PressLook(), 0);
    // The next tick finds the normal state and stops polling.
    h.b.TmR_Timer();
    EXPECT_FALSE(h.b.trackingActive());
}

TEST(PictureButtonStates, ReleaseOutsideRaisesNeitherClickNorMouseUp) {
    Harness h;
    h.move();
    h.press();
    h.inside = false;
    h.b.TmR_Timer();
    h.release();
    EXPECT_EQ(h.events, (QStringList{"down1"}));
    EXPECT_EQ(h.look(), "normal");
}

TEST(PictureButtonStates, RightButtonRaisesEventsButNoClickOrLookChange) {
    Harness h;
    h.move(Qt::RightButton);
    EXPECT_EQ(h.b.MouseState(), 0);
    EXPECT_EQ(h.look(), "normal");
    h.press(Qt::RightButton);
    h.b.TmR_Timer();
    h.release(Qt::RightButton);
    EXPECT_EQ(h.events, (QStringList{"down2", "up2"}));
    EXPECT_EQ(h.look(), "normal");
}

TEST(PictureButtonStates, LeavingWhileHoveringStopsPollingAndShowsNormal) {
    Harness h;
    h.move();
    h.b.TmR_Timer();
    EXPECT_TRUE(h.b.trackingActive());
    EXPECT_EQ(h.look(), "hover");
    h.inside = false;
    h.b.TmR_Timer();
    EXPECT_FALSE(h.b.trackingActive());
    EXPECT_EQ(h.b.MouseState(), 0);
    EXPECT_EQ(h.look(), "normal");
}

TEST(PictureButtonStates, HandlerMayChangeTheButtonPassedByReference) {
    Harness h;
    QObject::connect(&h.b, &PictureButton::MouseDown,
                     [](short& bt, short&, float&, float&) { bt = 2; });
    h.move();
    h.press();
    // The control goes on with the changed value: not a left press any more.
    EXPECT_EQ(h.b.MouseState(), 1);
}

TEST(PictureButtonPush, ClicksAtOnceAndShowsPressedLookForTwoTicks) {
    Harness h;
    h.move();  // the pointer rests on the control
    h.b.Push();
    EXPECT_EQ(h.events, (QStringList{"click:down"}));
    EXPECT_TRUE(h.b.pushActive());
    h.b.tMrPush_Timer();
    EXPECT_EQ(h.look(), "down");
    h.b.tMrPush_Timer();
    EXPECT_EQ(h.look(), "normal");
    EXPECT_FALSE(h.b.pushActive());
    EXPECT_EQ(h.events.size(), 1);
}

TEST(PictureButtonPush, CheckAfterPushClicksOnlyAtTheEnd) {
    Harness h;
    h.b.Push(true);
    EXPECT_TRUE(h.events.isEmpty());
    h.b.tMrPush_Timer();
    EXPECT_TRUE(h.events.isEmpty());
    h.b.tMrPush_Timer();
    EXPECT_EQ(h.events, (QStringList{"click:down"}));
    EXPECT_EQ(h.look(), "normal");
    // A second plain push clicks at once again.
    h.b.Push();
    EXPECT_EQ(h.events.size(), 2);
}

TEST(PictureButtonPush, PressedLookSurvivesThePlatformRepaintItCauses) {
    Harness h;
    h.b.show();
    h.b.Push();
    QApplication::processEvents();
    EXPECT_EQ(h.look(), "down");
}

TEST(PictureButtonProperties, SettersRepaintInTheCurrentLookAndNotify) {
    Harness h;
    QSignalSpy spy(&h.b, &PictureButton::propertyChanged);
    h.move();
    const QColor pink(250, 100, 200);
    h.b.setPictureMouseOn(solid(pink));
    EXPECT_EQ(at(h.b, 30, 12), pink);
    h.b.setPictureMouseOn(QImage());  // none: the plain raised frame
    EXPECT_EQ(at(h.b, 0, 0), QColor(Qt::white));
    h.b.setBackColor(VbColor::rgb(10, 20, 30));
    EXPECT_EQ(at(h.b, 30, 12), QColor(10, 20, 30));
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(0).at(0).toString(), "PictureMouseOn");
    EXPECT_EQ(spy.at(2).at(0).toString(), "BackColor");
}

TEST(PictureButtonProperties, DefaultsAreNotStoredAndChangesRoundTrip) {
    QWidget host;
    PictureButton b(&host);
    b.load(PropertyBag());
    EXPECT_EQ(b.ForeColor(), 0x80000012u);
    EXPECT_EQ(b.BackColor(), 0x8000000Fu);
    PropertyBag empty;
    b.save(empty);
    EXPECT_EQ(empty.size(), 0);

    b.setCaption(QStringLiteral("确定"));
    b.setForeColor(0xFF);
    b.setPicture(solid(Qt::yellow));
    PropertyBag bag;
    b.save(bag);
    EXPECT_EQ(bag.size(), 3);
    PictureButton copy(&host);
    copy.load(bag);
    EXPECT_EQ(copy.Caption(), "确定");
    EXPECT_EQ(copy.ForeColor(), 0xFFu);
    EXPECT_EQ(copy.Picture().pixelColor(0, 0), QColor(Qt::yellow));
    EXPECT_TRUE(copy.PictureDown().isNull());
}

TEST(PictureButtonColours, BlendColorArithmetic) {
    EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 255), 0x123456u);
    EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 0), 0xABCDEFu);
    EXPECT_EQ(BlendColor(0xFFFFFF, 0, 128), 0x808080u);
    EXPECT_EQ(BlendColor(0, 0xFFFFFF, 0), 0xFFFFFFu);
    // 16 × 128 / 255 = 8.03, 200 × 128 / 255 = 100.39, 3 × 128 / 255 = 1.51
    EXPECT_EQ(BlendColor(VbColor::rgb(16, 200, 3), 0, 128), VbColor::rgb(8, 100, 2));
    // Both halves count: 100 × 64/255 + 50 × 191/255 = 25.1 + 37.45 = 62.55
    EXPECT_EQ(BlendColor(VbColor::rgb(100, 0, 0), VbColor::rgb(50, 0, 0), 64),
              VbColor::rgb(63, 0, 0));
    // Out-of-range weights are held to the range instead of overflowing.
    EXPECT_EQ(BlendColor(0x123456, 0xABCDEF, 999), 0x123456u);
}

TEST(PictureButtonColours, SystemColoursResolveThroughThePalette) {
    const QPalette saved = QApplication::palette();
    QPalette p = saved;
    p.setColor(QPalette::ButtonText, QColor(200, 100, 50));
    QApplication::setPalette(p);
    EXPECT_EQ(TranslateColor(0x80000012u), VbColor::rgb(200, 100, 50));
    EXPECT_EQ(BlendColor(0x80000012u, 0, 128), VbColor::rgb(100, 50, 25));
    EXPECT_EQ(TranslateColor(0x01000005u), 0xFFFFFFFFu);
    EXPECT_EQ(TranslateColor(0x800000FFu), 0xFFFFFFFFu);
    EXPECT_EQ(TranslateColor(0x00ABCDEFu), 0x00ABCDEFu);
    QApplication::setPalette(saved);
}
