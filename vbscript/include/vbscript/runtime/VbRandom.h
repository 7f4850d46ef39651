#pragma once

#include <cstdint>

namespace vbs::runtime {

// Rnd and Randomize: the language's 24-bit linear congruential generator, so a seeded script
// gives the same sequence everywhere.
class VbRandom {
  public:
    // Rnd(number): below zero reseeds from the number and draws, zero repeats the last value,
    // above zero (or absent) draws the next.
    float rnd(double number = 1.0);
    // Randomize number: mixes the number into the seed without resetting it.
    void randomize(double number);
    uint32_t seed() const { return seed_; }

  private:
    void advance();
    uint32_t seed_ = 0x50000;
};

}  // namespace vbs::runtime
