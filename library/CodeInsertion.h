#pragma once
#include <QString>

// The text rule behind CodeAddString, apart from any widget: addstr goes in
// at the caret, and with CrlfPlus a line break goes at the very end of the
// whole text (after what followed the caret, not after addstr).
namespace CodeInsertion {

struct Result {
    QString text;
    qsizetype caret = 0;  // right after the inserted text
};

// True when the setting, read as a number, equals 1 (" 1" and "1.0" count;
// text that is no number does not).
bool crlfPlusOn(const QString& crlfPlus);

// caret is clamped to the text, so a stale position cannot cut it wrongly.
Result apply(const QString& text, qsizetype caret, const QString& addstr, bool crlfPlus);

}  // namespace CodeInsertion
