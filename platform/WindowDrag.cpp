#include "WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>
#include <cmath>
#include <limits>

#include "MouseCodes.h"
#include "VbColor.h"

int16_t WindowDrag::roundHalfEven(double v) {
    double r = std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
    r = std::clamp(r, double(std::numeric_limits<int16_t>::min()),
                   double(std::numeric_limits<int16_t>::max()));
    return int16_t(r);
}

bool WindowDrag::mouseMove(QWidget* window, double x, double y, int buttons) {
    if (buttons == 0) {
        anchorX = roundHalfEven(x);
        anchorY = roundHalfEven(y);
        return false;
    }
    if (buttons != 1) return false;
    const double per = Twips::perPixel();
    const double leftTwips = window->x() * per - anchorX + x;
    const double topTwips = window->y() * per - anchorY + y;
    window->move(int(std::lround(leftTwips / per)), int(std::lround(topTwips / per)));
    return true;
}

bool WindowDrag::mouseMove(QWidget* window, const QMouseEvent* e) {
    return mouseMove(window, Twips::fromPixels(e->position().x()),
                     Twips::fromPixels(e->position().y()), MouseCodes::buttons(e->buttons()));
}
