#include "vbscript/runtime/VbRandom.h"

#include <cstring>

namespace vbs::runtime {

namespace {
constexpr uint32_t kMultiplier = 0x43FD43FD;
constexpr uint32_t kIncrement = 0xC39EC3;
constexpr uint32_t kMask = 0xFFFFFF;
}  // namespace

void VbRandom::advance() { seed_ = (seed_ * kMultiplier + kIncrement) & kMask; }

float VbRandom::rnd(double number) {
    if (number < 0) {
        // The seed comes from the bits of the number as a Single.
        float f = static_cast<float>(number);
        uint32_t bits;
        std::memcpy(&bits, &f, sizeof bits);
        seed_ = (bits + (bits >> 24)) & kMask;
        advance();
    } else if (number > 0 || number != number) {
        advance();
    }
    return static_cast<float>(seed_) / 16777216.0f;
}

void VbRandom::randomize(double number) {
    // The high 32 bits of the Double, folded to 16 and placed in the middle of the seed.
    uint64_t bits;
    std::memcpy(&bits, &number, sizeof bits);
    uint32_t high = static_cast<uint32_t>(bits >> 32);
    uint32_t folded = ((high & 0xFFFF) ^ (high >> 16)) << 8;
    seed_ = ((seed_ & 0xFF0000FF) | folded) & kMask;
}

}  // namespace vbs::runtime
