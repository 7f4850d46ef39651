#include "PictureButtonColor.h"

#include <algorithm>
#include <cmath>

#include "VbColor.h"

namespace PictureButtonColor {

namespace {

constexpr uint32_t kInvalid = 0xFFFFFFFFu;
// The highest system colour index the platform knows.
constexpr uint32_t kLastSystemColour = 30;

int channel(uint32_t color, int shift) { return int((color >> shift) & 0xFF); }

int mix(int a, int b, int weight) {
    const int32_t first = a * weight;
    const int32_t second = b * (255 - weight);
    // Both halves are divided on their own and the sum rounded half to even,
    // which is what stored colours were computed with.
    return int(std::nearbyint(double(first) / 255.0 + double(second) / 255.0));
}

}  // namespace

uint32_t TranslateColor(uint32_t color, uint32_t /*palette*/) {
    switch (color >> 24) {
        case 0x00:
        case 0x02:  // a palette-relative RGB value is still an RGB value
            return color & 0x00FFFFFFu;
        case 0x80:
            if ((color & 0x00FFFF00u) != 0 || (color & 0xFF) > kLastSystemColour) return kInvalid;
            return VbColor::fromQColor(VbColor::toQColor(color));
        default:
            return kInvalid;
    }
}

uint32_t BlendColor(uint32_t first, uint32_t second, int weight) {
    weight = std::clamp(weight, 0, 255);
    const uint32_t t1 = TranslateColor(first);
    const uint32_t t2 = TranslateColor(second);
    const int r = mix(channel(t1, 0), channel(t2, 0), weight);
    const int g = mix(channel(t1, 8), channel(t2, 8), weight);
    const int b = mix(channel(t1, 16), channel(t2, 16), weight);
    return uint32_t(r) + uint32_t(g) * 256u + uint32_t(b) * 65536u;
}

}  // namespace PictureButtonColor
