#include "BlueButton.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "PropertyBag.h"
#include "VbColor.h"

namespace {

constexpr uint32_t kBack = VbColor::rgb(0, 120, 215);
constexpr uint32_t kDown = VbColor::rgb(0, 84, 153);

struct Fixture {
    BlueButton b;
    QStringList order;
    QList<uint32_t> colourAtEvent;
    Fixture() {
        PropertyBag bag;
        bag.WriteProperty("Caption", QStringLiteral("保存"), "Label1");
        bag.WriteProperty("BackColor", kBack, 0u);
        bag.WriteProperty("DownColor", kDown, 0u);
        b.load(bag);
        b.resize(80, 30);
        b.show();
        QObject::connect(&b, &BlueButton::MouseDown, [this](int, int, float, float) {
            order << "down";
            colourAtEvent << b.shownColor();
        });
        QObject::connect(&b, &BlueButton::MouseUp, [this](int, int, float, float) {
            order << "up";
            colourAtEvent << b.shownColor();
        });
        QObject::connect(&b, &BlueButton::Click, [this] {
            order << "click";
            colourAtEvent << b.shownColor();
        });
        QObject::connect(&b, &BlueButton::DblClick, [this] { order << "dbl"; });
    }
};

}  // namespace

TEST(BlueButton, ClickRaisesDownUpClickWithPressedColourBetween) {
    Fixture f;
    QTest::mousePress(&f.b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(f.b.shownColor(), kDown);
    QTest::mouseRelease(&f.b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(f.order, (QStringList{"down", "up", "click"}));
    // MouseDown is raised before the colour changes; Click sees the idle colour.
    EXPECT_EQ(f.colourAtEvent, (QList<uint32_t>{kBack, kDown, kBack}));
    EXPECT_EQ(f.b.shownColor(), kBack);
}

TEST(BlueButton, ReleasingOutsideGivesNoClickAndNoStuckColour) {
    Fixture f;
    QTest::mousePress(&f.b, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&f.b, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(f.order, (QStringList{"down", "up"}));
    EXPECT_EQ(f.b.shownColor(), kBack);
}

TEST(BlueButton, DoubleClickRaisesClickOnce) {
    Fixture f;
    // What a real double-click delivers: press, release, double-click, release.
    const QPoint at(10, 10);
    QTest::mousePress(&f.b, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&f.b, Qt::LeftButton, {}, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(at), f.b.mapToGlobal(QPointF(at)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.b, &dbl);
    QTest::mouseRelease(&f.b, Qt::LeftButton, {}, at);
    EXPECT_EQ(f.order.count("click"), 1) << f.order.join(",").toStdString();
    EXPECT_EQ(f.order.count("dbl"), 1);
    EXPECT_LT(f.order.indexOf("click"), f.order.indexOf("dbl"));
}

TEST(BlueButton, MouseParametersAreButtonShiftAndTwips) {
    Fixture f;
    QList<QVariantList> downs;
    QObject::connect(&f.b, &BlueButton::MouseDown, [&](int b, int s, float x, float y) {
        downs << QVariantList{b, s, x, y};
    });
    QTest::mousePress(&f.b, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(4, 2));
    QTest::mouseRelease(&f.b, Qt::RightButton, {}, QPoint(4, 2));
    ASSERT_EQ(downs.size(), 1);
    EXPECT_EQ(downs[0][0].toInt(), 2);
    EXPECT_EQ(downs[0][1].toInt(), 3);
    EXPECT_NEAR(downs[0][2].toFloat(), 4 * Twips::perPixel(), 0.01);
    EXPECT_NEAR(downs[0][3].toFloat(), 2 * Twips::perPixel(), 0.01);
}

TEST(BlueButton, DisabledButtonRaisesNothing) {
    Fixture f;
    f.b.setEnabled(false);
    QTest::mouseClick(&f.b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(f.order.isEmpty());
    EXPECT_FALSE(f.b.label()->isEnabled());
}

TEST(BlueButton, MissingStoredPropertiesReadAsDefaults) {
    BlueButton b;
    b.load(PropertyBag());
    EXPECT_EQ(b.Caption(), QStringLiteral("Label1"));
    EXPECT_EQ(b.ForeColor(), 0xFFFFFFu);
    EXPECT_EQ(b.BackColor(), 0u);
    EXPECT_EQ(b.shownColor(), 0u);
    EXPECT_TRUE(b.Enabled());
    EXPECT_EQ(b.label()->palette().color(QPalette::Active, QPalette::WindowText),
              QColor(Qt::white));
}

TEST(BlueButton, SaveWritesOnlyWhatDiffersFromDefaults) {
    BlueButton b;
    b.load(PropertyBag());
    PropertyBag out;
    b.save(out);
    EXPECT_EQ(out.size(), 0);
    b.setCaption("x");
    b.setBackColor(5);
    b.setEnabled(false);
    b.save(out);
    EXPECT_TRUE(out.contains("Caption"));
    EXPECT_TRUE(out.contains("BackColor"));
    EXPECT_TRUE(out.contains("Enabled"));
    EXPECT_FALSE(out.contains("DownColor"));
    BlueButton copy;
    copy.load(out);
    EXPECT_EQ(copy.Caption(), QStringLiteral("x"));
    EXPECT_EQ(copy.BackColor(), 5u);
    EXPECT_FALSE(copy.Enabled());
}

TEST(BlueButton, BackgroundRuleFollowsStyleAndChecked) {
    BlueButton b;
    b.setBackColor(1);
    b.setDownColor(2);
    EXPECT_EQ(b.shownColor(), 1u);  // Style off: always BackColor
    b.setChecked(true);
    EXPECT_EQ(b.shownColor(), 1u);
    b.setStyle(true);
    EXPECT_EQ(b.shownColor(), 1u);  // setting Style alone repaints nothing
    b.setChecked(true);
    EXPECT_EQ(b.shownColor(), 2u);
    b.setChecked(false);
    EXPECT_EQ(b.shownColor(), 1u);
}

TEST(BlueButton, SettersNotifyTheirStoredKey) {
    BlueButton b;
    QSignalSpy spy(&b, &BlueButton::propertyChanged);
    b.setCaption("a");
    b.setForeColor(3);
    b.setDownColor(4);
    b.setChecked(true);  // no notice for Checked
    QStringList keys;
    for (const auto& args : spy) keys << args[0].toString();
    EXPECT_EQ(keys, (QStringList{"Caption", "ForeColor", "DownColor"}));
}

TEST(VbColor, BgrValuesAndSystemColours) {
    EXPECT_EQ(VbColor::toQColor(VbColor::rgb(255, 192, 128)), QColor(255, 192, 128));
    EXPECT_EQ(VbColor::toQColor(0x80000008u), QApplication::palette().color(QPalette::Text));
}
