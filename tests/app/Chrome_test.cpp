#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "VbColor.h"
#include "WindowDrag.h"

TEST(WindowDrag, AnchorRoundsHalfToEven) {
    EXPECT_EQ(WindowDrag::roundHalfEven(2.5), 2);
    EXPECT_EQ(WindowDrag::roundHalfEven(3.5), 4);
    EXPECT_EQ(WindowDrag::roundHalfEven(-2.5), -2);
    EXPECT_EQ(WindowDrag::roundHalfEven(7.4), 7);
    EXPECT_EQ(WindowDrag::roundHalfEven(1e9), 32767);
}

TEST(WindowDrag, LeftButtonMovesByTheOffsetFromTheAnchor) {
    QWidget w;
    w.move(100, 100);
    WindowDrag drag;
    const double per = Twips::perPixel();
    EXPECT_FALSE(drag.mouseMove(&w, 30 * per, 40 * per, 0));
    EXPECT_EQ(drag.anchorX, WindowDrag::roundHalfEven(30 * per));
    EXPECT_TRUE(drag.mouseMove(&w, 50 * per, 45 * per, 1));
    EXPECT_EQ(w.pos(), QPoint(120, 105));
}

TEST(WindowDrag, OtherButtonStatesDoNotDragNorMoveTheAnchor) {
    QWidget w;
    w.move(10, 10);
    WindowDrag drag;
    drag.mouseMove(&w, 150, 150, 0);
    for (int buttons : {2, 3, 4, 5}) {
        EXPECT_FALSE(drag.mouseMove(&w, 900, 900, buttons));
        EXPECT_EQ(w.pos(), QPoint(10, 10));
        EXPECT_EQ(drag.anchorX, 150);
    }
}
