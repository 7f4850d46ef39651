#pragma once
#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

// Draws one look of the picture button onto its surface image (pixels).
// With a picture: a nine-slice whose 6-pixel corners keep their size while
// edges and centre stretch, so one picture serves any button size. Without:
// the back colour with a one-pixel raised or sunken frame. The caption goes
// centred on top in both cases.
class PictureButtonPainter {
  public:
    enum class Look { Normal, Hover, Down };

    struct Input {
        Look look = Look::Normal;
        QImage picture;  // the look's own picture; null draws the plain look
        QFont font;
        uint32_t foreColor = 0;
        uint32_t backColor = 0;
        QString caption;
    };

    static constexpr int kBorder = 6;

    static void draw(QImage& surface, const Input& in);

    // The frame colours computed from the caption colour.
    static uint32_t lightColor(uint32_t foreColor);
    static uint32_t darkColor(uint32_t foreColor);

  private:
    static void drawNineSlice(QImage& surface, const QImage& picture);
    static void drawPlain(QImage& surface, const Input& in);
    static void drawCaption(QImage& surface, const Input& in);
};
