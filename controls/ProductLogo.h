#pragma once
#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

// The product's picture and the centred text lines of the splash and the
// about window.
namespace ProductLogo {
QPixmap picture(int size);
QLabel* line(QWidget* parent, const QString& text, int pointSize, bool bold);
}  // namespace ProductLogo
