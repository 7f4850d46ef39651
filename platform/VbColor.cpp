#include "VbColor.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>

QColor VbColor::toQColor(uint32_t value) {
    if (value & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (value & 0xFF) {
            case 5:
                return pal.color(QPalette::Base);  // window background
            case 8:
                return pal.color(QPalette::Text);  // window text
            case 15:
                return pal.color(QPalette::Button);  // button face
            case 16:
                return pal.color(QPalette::Dark);  // button shadow
            case 17:
                return pal.color(QPalette::PlaceholderText);  // grey text
            case 18:
                return pal.color(QPalette::ButtonText);  // button text
            case 20:
                return pal.color(QPalette::Light);  // button highlight
            case 13:
                return pal.color(QPalette::Highlight);
            case 14:
                return pal.color(QPalette::HighlightedText);
            default:
                return pal.color(QPalette::Window);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

uint32_t VbColor::fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

double Twips::perPixel() {
    double dpi = 96.0;
    if (auto* s = QGuiApplication::primaryScreen()) dpi = s->logicalDotsPerInch();
    if (dpi <= 0) dpi = 96.0;
    return 1440.0 / dpi;
}

int Twips::toPixels(double twips) { return int(twips / perPixel() + 0.5); }

double Twips::fromPixels(double pixels) { return pixels * perPixel(); }
