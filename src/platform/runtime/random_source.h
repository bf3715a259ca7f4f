#pragma once

namespace platform {

class RandomSource {
  public:
    RandomSource() = default;
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;
    RandomSource(RandomSource&&) = delete;
    RandomSource& operator=(RandomSource&&) = delete;
    virtual ~RandomSource() = default;

    // Re-seeds from the system clock.
    virtual void Randomize() = 0;
    // A single-precision value uniform in [0, 1); never 1.
    virtual float Rnd() = 0;
};

}  // namespace platform
