#pragma once
#include <QPoint>
#include <QPointF>
#include <cstdint>

class QWidget;
class QMouseEvent;

// Moving a frameless window by its bare background. While no button is
// held the anchor follows the cursor (in twips, rounded half to even);
// while the left button alone is held the window moves so the cursor keeps
// its place relative to the window. Any other button state does nothing.
class WindowDrag {
  public:
    // X and Y in twips relative to the client area; buttons as a bit set
    // (1 left, 2 right, 4 middle). Returns true when the window was moved.
    bool mouseMove(QWidget* window, double x, double y, int buttons);
    // Same, from a Qt event over the window itself.
    bool mouseMove(QWidget* window, const QMouseEvent* e);

    int16_t anchorX = 0;
    int16_t anchorY = 0;

    static int16_t roundHalfEven(double v);
};
