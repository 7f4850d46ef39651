#pragma once
#include <QFont>
#include <QWidget>
#include <cstdint>

class QLabel;
class PropertyBag;

// The flat caption button: one child label covers the whole control and does
// the drawing; the control switches the label's background while the mouse is
// held on it and raises Click when it is clicked.
class BlueButton : public QWidget {
    Q_OBJECT
  public:
    explicit BlueButton(QWidget* parent = nullptr);

    bool Enabled() const;
    void setEnabled(bool on);
    QFont Font() const;
    void setFont(const QFont& font);
    QString Caption() const;
    void setCaption(const QString& caption);
    bool Style() const { return style_; }
    void setStyle(bool on);
    bool Checked() const { return checked_; }
    void setChecked(bool on);
    uint32_t DownColor() const { return downColor_; }
    void setDownColor(uint32_t color);
    uint32_t ForeColor() const { return foreColor_; }
    void setForeColor(uint32_t color);
    uint32_t BackColor() const { return backColor_; }
    void setBackColor(uint32_t color);

    // The label's current background, for tests and painting checks.
    uint32_t shownColor() const { return shown_; }
    QLabel* label() const { return label_; }

    // Stored properties with their defaults; the hosting window fills a bag
    // with its design values and loads it.
    void load(const PropertyBag& bag);
    void save(PropertyBag& bag) const;

  signals:
    void Click();
    void DblClick();
    // Button 1 left, 2 right, 4 middle; Shift 1 Shift, 2 Ctrl, 4 Alt; X and Y
    // in twips.
    void MouseDown(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    // A stored property got a new value.
    void propertyChanged(const QString& key);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void applyBackground();
    void paintLabel(uint32_t color);
    void applyForeground();
    void raiseMouse(QMouseEvent* e, bool down);

    QLabel* label_;
    uint32_t backColor_ = 0;
    uint32_t downColor_ = 0;
    uint32_t foreColor_ = 0xFFFFFF;
    uint32_t shown_ = 0;
    bool checked_ = false;
    bool style_ = false;
    bool pressedInside_ = false;
    bool suppressNextRelease_ = false;
};
