#pragma once

#include <cstdint>

#include "platform/runtime/random_source.h"

namespace platform {

// Every Randomize mixes the clock into the state instead of replacing it, so
// two re-seeds within one clock tick still give different draws.
class ClockSeededRandom final : public RandomSource {
  public:
    void Randomize() override;
    float Rnd() override;

  private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ULL;
};

}  // namespace platform
