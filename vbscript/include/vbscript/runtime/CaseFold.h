#pragma once

namespace vbs::runtime {

// Simple one-to-one lower-casing for case-insensitive comparison and matching: ASCII, Latin-1,
// Latin Extended-A, Greek, Cyrillic and the full-width Latin letters.
char16_t foldCaseWide(char16_t c);
// Upper-casing over the same ranges, for UCase.
char16_t upperCaseWide(char16_t c);

// ASCII is decided inline: it is nearly all the text scripts handle.
inline char16_t foldCase(char16_t c) {
    if (c < 0x80) return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c + 32) : c;
    return foldCaseWide(c);
}

// vbTextCompare: case and width are both ignored, so the full-width forms of ASCII that
// Chinese input methods type (ＡＢＣ, ！) and the ideographic space match their ASCII twins.
// One unit for one unit, so positions found in folded text hold in the original.
inline char16_t textFold(char16_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) c = static_cast<char16_t>(c - 0xFEE0);
    else if (c == 0x3000) c = u' ';
    return foldCase(c);
}

inline char16_t upperCase(char16_t c) {
    if (c < 0x80) return c >= 'a' && c <= 'z' ? static_cast<char16_t>(c - 32) : c;
    return upperCaseWide(c);
}

}  // namespace vbs::runtime
