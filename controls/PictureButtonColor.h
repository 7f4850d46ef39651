#pragma once
#include <cstdint>

// Colour arithmetic of the picture button. Colours are 0x00BBGGRR values or
// system colour references (high bit set, index in the low byte).
namespace PictureButtonColor {

// Resolves a colour to 0x00BBGGRR; system colours come from the application
// palette. Returns 0xFFFFFFFF for a value that names no colour.
uint32_t TranslateColor(uint32_t color, uint32_t palette = 0);

// Mixes two colours channel by channel: weight 255 gives the first, 0 the
// second. Weights outside 0..255 are clamped, so no channel can overflow.
uint32_t BlendColor(uint32_t first, uint32_t second, int weight);

}  // namespace PictureButtonColor
