#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The version number the update server offers: the whole body of the
// information file is one decimal number.
class OfferedVersion {
  public:
    // The number, or nothing when the text is anything but one decimal
    // number. Blanks around it and one final line break are allowed.
    static std::optional<double> parse(const QString& text);
    // What the window shows of a fetched body: the text without its final
    // line break.
    static QString displayText(const QByteArray& body);
    // True when the text is a number above the running version.
    static bool isNewer(const QString& text);
};
