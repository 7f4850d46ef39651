#pragma once
#include <QColor>
#include <cstdint>

// Colours as stored by the windows: 0x00BBGGRR, or a system colour reference
// (high bit set, index in the low byte) resolved through the palette.
namespace VbColor {
constexpr uint32_t rgb(int r, int g, int b) {
    return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}
QColor toQColor(uint32_t value);
uint32_t fromQColor(const QColor& c);
}  // namespace VbColor

// 15 twips are one pixel at 96 dpi; other screens scale with their dpi.
namespace Twips {
double perPixel();
int toPixels(double twips);
double fromPixels(double pixels);
}  // namespace Twips
