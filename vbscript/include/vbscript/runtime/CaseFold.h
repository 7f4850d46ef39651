#pragma once

namespace vbs::runtime {

// Simple one-to-one lower-casing for case-insensitive comparison and matching: ASCII, Latin-1,
// Latin Extended-A, Greek, Cyrillic and the full-width Latin letters.
char16_t foldCase(char16_t c);
// Upper-casing over the same ranges, for UCase.
char16_t upperCase(char16_t c);

}  // namespace vbs::runtime
