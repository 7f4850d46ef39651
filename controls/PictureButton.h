#pragma once
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "PictureButtonPainter.h"

class PropertyBag;

// A push button that draws itself: normal, hover and pressed looks, each from
// its own optional picture or as a plain raised or sunken frame, with the
// caption centred on top. The pointer is tracked by polling while it is over
// the control or the left button is held, so the pressed look follows the
// pointer and a release raises Click only over the control.
class PictureButton : public QWidget {
    Q_OBJECT
  public:
    explicit PictureButton(QWidget* parent = nullptr);

    static constexpr uint32_t kDefaultForeColor = 0x80000012u;  // button text
    static constexpr uint32_t kDefaultBackColor = 0x8000000Fu;  // button face

    QImage Picture() const { return picture_; }
    void setPicture(const QImage& picture);
    QImage PictureMouseOn() const { return pictureMouseOn_; }
    void setPictureMouseOn(const QImage& picture);
    QImage PictureDown() const { return pictureDown_; }
    void setPictureDown(const QImage& picture);
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QFont Font() const { return font(); }
    void setFont(const QFont& font);
    uint32_t ForeColor() const { return foreColor_; }
    void setForeColor(uint32_t color);
    uint32_t BackColor() const { return backColor_; }
    void setBackColor(uint32_t color);

    // Plays a press by program: the pressed look for two push ticks, Click
    // before it, or after it when checkAfterPush is true.
    void Push(bool checkAfterPush = false);

    void load(const PropertyBag& bag);
    void save(PropertyBag& bag) const;

    // The paint request: draws the look that the state calls for (nothing
    // while a press has not yet been placed by a tracking tick).
    void UserControl_Paint();
    void DrawNormal();
    void DrawHover();
    void DrawDown();

    // Timer handlers; public so the state machine can be driven tick by tick.
    void TmR_Timer();
    void tMrPush_Timer();

    int MouseState() const { return mouseState_; }
    int PressLook() const { return pressLook_; }
    QPoint CursorPos() const { return cursorPos_; }
    bool trackingActive() const { return TmR.isActive(); }
    bool pushActive() const { return tMrPush.isActive(); }
    // What the control shows right now.
    const QImage& surface() const { return surface_; }

    // Where the cursor is and which widget lies under a screen point; tests
    // replace them to move a pointer that does not exist.
    std::function<QPoint()> cursorSource;
    std::function<QWidget*(QPoint)> widgetAtSource;

  signals:
    void Click();
    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt; X and
    // Y in twips. Passed by reference: a handler may change them.
    void MouseDown(short& Button, short& Shift, float& X, float& Y);
    void MouseUp(short& Button, short& Shift, float& X, float& Y);
    void MouseMove(short& Button, short& Shift, float& X, float& Y);
    // A stored property got a new value.
    void propertyChanged(const QString& key);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    void drawLook(PictureButtonPainter::Look look, const QImage& picture);
    void changed(const QString& key);
    bool pointerOverSelf();

    QImage picture_;
    QImage pictureMouseOn_;
    QImage pictureDown_;
    QString caption_;
    uint32_t foreColor_ = kDefaultForeColor;
    uint32_t backColor_ = kDefaultBackColor;

    int mouseState_ = 0;  // 0 normal, 1 mouse over, 2 pressed
    int pressLook_ = 0;   // while pressed: 0 undecided, 1 outside, 2 inside
    int pushTicks_ = 0;
    bool checkAfterPush_ = false;
    QPoint cursorPos_;

    QTimer TmR;
    QTimer tMrPush;
    QImage surface_;
    bool surfaceFresh_ = false;  // drawn by us since the last blit
};
