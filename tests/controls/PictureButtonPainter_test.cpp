#include "PictureButtonPainter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "PictureButton.h"
#include "VbColor.h"

namespace {

using Look = PictureButtonPainter::Look;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kFace(212, 208, 200);

QImage paint(Look look, uint32_t fore, const QString& caption = {}, QSize size = {100, 30},
             const QImage& picture = {}) {
    QImage surface(size, QImage::Format_RGB32);
    surface.fill(Qt::magenta);
    PictureButtonPainter::Input in;
    in.look = look;
    in.picture = picture;
    in.foreColor = fore;
    in.backColor = VbColor::fromQColor(kFace);
    in.caption = caption;
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(14);
    f.setBold(true);
    in.font = f;
    PictureButtonPainter::draw(surface, in);
    return surface;
}

QColor px(const QImage& img, int x, int y) { return QColor(img.pixel(x, y)); }

// The bounding box of the pixels inside the frame that differ from the face.
QRect inkBox(const QImage& img) {
    QRect box;
    for (int y = 1; y < img.height() - 1; ++y)
        for (int x = 1; x < img.width() - 1; ++x)
            if (px(img, x, y) != kFace) box |= QRect(x, y, 1, 1);
    return box;
}

// A 40 × 20 picture: each 6 × 6 corner a colour of its own with a marker
// pixel at its outer corner, bands and centre in further colours.
QImage ninePicture() {
    QImage p(40, 20, QImage::Format_RGB32);
    p.fill(QColor(50, 50, 50));  // centre
    auto fill = [&](QRect r, QColor c) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) p.setPixelColor(x, y, c);
    };
    fill({6, 0, 28, 6}, QColor(10, 200, 10));   // top band
    fill({6, 14, 28, 6}, QColor(10, 10, 200));  // bottom band
    fill({0, 6, 6, 8}, QColor(200, 200, 10));   // left band
    fill({34, 6, 6, 8}, QColor(10, 200, 200));  // right band
    fill({0, 0, 6, 6}, QColor(255, 0, 0));
    fill({34, 0, 6, 6}, QColor(0, 255, 0));
    fill({0, 14, 6, 6}, QColor(0, 0, 255));
    fill({34, 14, 6, 6}, QColor(255, 255, 0));
    p.setPixelColor(0, 0, Qt::white);
    p.setPixelColor(39, 0, Qt::white);
    p.setPixelColor(0, 19, Qt::white);
    p.setPixelColor(39, 19, Qt::white);
    return p;
}

}  // namespace

TEST(PictureButtonPainting, PlainNormalLookIsARaisedFrame) {
    const QImage img = paint(Look::Normal, 0);
    for (int y = 0; y < 30; ++y) EXPECT_EQ(px(img, 0, y), kWhite) << "left edge " << y;
    for (int x = 0; x < 99; ++x) EXPECT_EQ(px(img, x, 0), kWhite) << "top edge " << x;
    for (int y = 0; y < 30; ++y) EXPECT_EQ(px(img, 99, y), kBlack) << "right edge " << y;
    for (int x = 1; x < 100; ++x) EXPECT_EQ(px(img, x, 29), kBlack) << "bottom edge " << x;
    EXPECT_EQ(px(img, 50, 15), kFace);
    EXPECT_EQ(px(img, 1, 1), kFace);
}

TEST(PictureButtonPainting, PressedLookSwapsTheColours) {
    const QImage img = paint(Look::Down, 0);
    EXPECT_EQ(px(img, 0, 0), kBlack);
    EXPECT_EQ(px(img, 0, 29), kBlack);
    EXPECT_EQ(px(img, 50, 0), kBlack);
    EXPECT_EQ(px(img, 99, 0), kWhite);
    EXPECT_EQ(px(img, 99, 29), kWhite);
    EXPECT_EQ(px(img, 50, 29), kWhite);
}

TEST(PictureButtonPainting, DarkEdgeIsTheCaptionColourAtHalfBrightness) {
    const QImage img = paint(Look::Normal, VbColor::rgb(255, 128, 2));
    EXPECT_EQ(px(img, 99, 10), QColor(128, 64, 1));
    EXPECT_EQ(px(img, 0, 10), kWhite);
}

TEST(PictureButtonPainting, SystemCaptionColourUsesTheCurrentPalette) {
    const QPalette saved = QApplication::palette();
    QPalette p = saved;
    p.setColor(QPalette::ButtonText, QColor(0, 200, 100));
    QApplication::setPalette(p);
    const QImage img = paint(Look::Normal, 0x80000012u);
    EXPECT_EQ(px(img, 99, 10), QColor(0, 100, 50));
    QApplication::setPalette(saved);
}

TEST(PictureButtonPainting, CaptionIsCentredAndInTheCaptionColour) {
    const QImage img = paint(Look::Normal, VbColor::rgb(200, 0, 0), QStringLiteral("确定"));
    const QRect ink = inkBox(img);
    ASSERT_FALSE(ink.isNull());
    EXPECT_NEAR(ink.center().x(), 50, 3);
    EXPECT_NEAR(ink.center().y(), 15, 3);
    bool sawCaptionColour = false;
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x)
            sawCaptionColour |= px(img, x, y) == QColor(200, 0, 0);
    EXPECT_TRUE(sawCaptionColour);
}

TEST(PictureButtonPainting, EmptyCaptionDrawsNoTextAndLongCaptionStaysOneLine) {
    EXPECT_TRUE(inkBox(paint(Look::Normal, 0)).isNull());
    const QImage img =
        paint(Look::Normal, 0, QStringLiteral("很长很长很长很长很长很长的标题"), {60, 40});
    const QRect ink = inkBox(img);
    ASSERT_FALSE(ink.isNull());
    EXPECT_LT(ink.height(), 20);  // one line, clipped left and right
    EXPECT_EQ(ink.left(), 1);
}

TEST(PictureButtonPainting, NineSliceKeepsCornersAndStretchesBands) {
    const QImage img = paint(Look::Normal, 0, {}, {200, 50}, ninePicture());
    // Corners unscaled, marker pixels at the outer corners.
    EXPECT_EQ(px(img, 0, 0), kWhite);
    EXPECT_EQ(px(img, 1, 0), QColor(255, 0, 0));
    EXPECT_EQ(px(img, 5, 5), QColor(255, 0, 0));
    EXPECT_EQ(px(img, 199, 0), kWhite);
    EXPECT_EQ(px(img, 194, 5), QColor(0, 255, 0));
    EXPECT_EQ(px(img, 0, 49), kWhite);
    EXPECT_EQ(px(img, 5, 44), QColor(0, 0, 255));
    EXPECT_EQ(px(img, 199, 49), kWhite);
    EXPECT_EQ(px(img, 194, 44), QColor(255, 255, 0));
    // Bands stretched: 28 → 188 wide, 8 → 38 high.
    EXPECT_EQ(px(img, 6, 0), QColor(10, 200, 10));
    EXPECT_EQ(px(img, 193, 5), QColor(10, 200, 10));
    EXPECT_EQ(px(img, 100, 49), QColor(10, 10, 200));
    EXPECT_EQ(px(img, 0, 6), QColor(200, 200, 10));
    EXPECT_EQ(px(img, 5, 43), QColor(200, 200, 10));
    EXPECT_EQ(px(img, 199, 25), QColor(10, 200, 200));
    EXPECT_EQ(px(img, 100, 25), QColor(50, 50, 50));
    // Nothing of the old surface shows through.
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_NE(px(img, x, y), QColor(Qt::magenta)) << x << "," << y;
}

TEST(PictureButtonPainting, TinyButtonKeepsItsCornersWithoutFailing) {
    const QImage img = paint(Look::Normal, 0, {}, {10, 8}, ninePicture());
    EXPECT_EQ(px(img, 0, 0), kWhite);
    EXPECT_EQ(px(img, 9, 0), kWhite);
    EXPECT_EQ(px(img, 9, 7), kWhite);
}

TEST(PictureButtonPainting, CaptionColourIsTheSameBeforeAndAfterAPaint) {
    PictureButton b;
    b.resize(100, 30);
    b.setForeColor(0x80000012u);
    b.DrawDown();
    b.DrawNormal();
    EXPECT_EQ(b.ForeColor(), 0x80000012u);
}
