#include "PictureButtonPainter.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "PictureButtonColor.h"
#include "VbColor.h"

namespace {

constexpr uint32_t kInvalid = 0xFFFFFFFFu;

QRgb toRgb(uint32_t color) {
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

void putPixel(QImage& img, int x, int y, QRgb c) {
    if (x >= 0 && y >= 0 && x < img.width() && y < img.height()) img.setPixel(x, y, c);
}

// A one-pixel horizontal or vertical line that, like the platform's,
// includes its start point and leaves out its end point, so a closed frame
// drawn from four of them sets every pixel once.
void lineTo(QImage& img, QPoint& pen, QPoint to, QRgb c) {
    const QPoint step((to.x() > pen.x()) - (to.x() < pen.x()),
                      (to.y() > pen.y()) - (to.y() < pen.y()));
    const int length = std::max(std::abs(to.x() - pen.x()), std::abs(to.y() - pen.y()));
    QPoint p = pen;
    for (int i = 0; i < length; ++i, p += step) putPixel(img, p.x(), p.y(), c);
    pen = to;
}

}  // namespace

uint32_t PictureButtonPainter::lightColor(uint32_t foreColor) {
    return PictureButtonColor::BlendColor(foreColor, 0xFFFFFF, 0);
}

uint32_t PictureButtonPainter::darkColor(uint32_t foreColor) {
    return PictureButtonColor::BlendColor(foreColor, 0, 128);
}

void PictureButtonPainter::draw(QImage& surface, const Input& in) {
    if (surface.isNull()) return;
    if (!in.picture.isNull())
        drawNineSlice(surface, in.picture);
    else
        drawPlain(surface, in);
    drawCaption(surface, in);
}

void PictureButtonPainter::drawNineSlice(QImage& surface, const QImage& picture) {
    const int B = kBorder;
    const int SW = surface.width();
    const int SH = surface.height();
    const int PW = picture.width();
    const int PH = picture.height();
    const QRect pieces[9][2] = {
        {{0, 0, B, B}, {0, 0, B, B}},
        {{B, 0, SW - 2 * B, B}, {B, 0, PW - 2 * B, B}},
        {{SW - B, 0, B, B}, {PW - B, 0, B, B}},
        {{0, B, B, SH - 2 * B}, {0, B, B, PH - 2 * B}},
        {{B, B, SW - 2 * B, SH - 2 * B}, {B, B, PW - 2 * B, PH - 2 * B}},
        {{SW - B, B, B, SH - 2 * B}, {PW - B, B, B, PH - 2 * B}},
        {{0, SH - B, B, B}, {0, PH - B, B, B}},
        {{B, SH - B, SW - 2 * B, B}, {B, PH - B, PW - 2 * B, B}},
        {{SW - B, SH - B, B, B}, {PW - B, PH - B, B, B}},
    };
    QPainter p(&surface);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const auto& piece : pieces) {
        // A button or picture under 12 pixels leaves the middle pieces without
        // area; they are skipped instead of being drawn mirrored.
        if (piece[0].width() <= 0 || piece[0].height() <= 0) continue;
        if (piece[1].width() <= 0 || piece[1].height() <= 0) continue;
        p.drawImage(piece[0], picture, piece[1]);
    }
}

void PictureButtonPainter::drawPlain(QImage& surface, const Input& in) {
    const uint32_t back = PictureButtonColor::TranslateColor(in.backColor);
    if (back != kInvalid) surface.fill(QColor(toRgb(back)));
    const QRgb light = toRgb(lightColor(in.foreColor));
    const QRgb dark = toRgb(darkColor(in.foreColor));
    const bool down = in.look == Look::Down;
    const int right = surface.width() - 1;
    const int bottom = surface.height() - 1;
    QPoint pen(0, bottom);
    lineTo(surface, pen, {0, 0}, down ? dark : light);
    lineTo(surface, pen, {right, 0}, down ? dark : light);
    lineTo(surface, pen, {right, bottom}, down ? light : dark);
    lineTo(surface, pen, {0, bottom}, down ? light : dark);
}

void PictureButtonPainter::drawCaption(QImage& surface, const Input& in) {
    if (in.caption.isEmpty()) return;
    const uint32_t fore = PictureButtonColor::TranslateColor(in.foreColor);
    if (fore == kInvalid) return;
    QPainter p(&surface);
    p.setFont(in.font);
    p.setPen(QColor(toRgb(fore)));
    p.drawText(QRect(0, 0, surface.width(), surface.height()), Qt::AlignCenter | Qt::TextSingleLine,
               in.caption);
}
