#pragma once
#include <Qt>

// Mouse buttons and modifier keys as the windows' handlers number them:
// buttons 1 left, 2 right, 4 middle; modifiers 1 Shift, 2 Ctrl, 4 Alt.
namespace MouseCodes {

inline int button(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return 1;
        case Qt::RightButton: return 2;
        case Qt::MiddleButton: return 4;
        default: return 0;
    }
}

inline int buttons(Qt::MouseButtons b) {
    int s = 0;
    if (b & Qt::LeftButton) s |= 1;
    if (b & Qt::RightButton) s |= 2;
    if (b & Qt::MiddleButton) s |= 4;
    return s;
}

inline int shift(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

}  // namespace MouseCodes
