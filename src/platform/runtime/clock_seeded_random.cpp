#include "platform/runtime/clock_seeded_random.h"

#include <chrono>

namespace platform {

namespace {

std::uint64_t splitMix(std::uint64_t& state) {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31U);
}

}  // namespace

void ClockSeededRandom::Randomize() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    state_ ^= static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

float ClockSeededRandom::Rnd() {
    // 24 random bits fill a float's mantissa exactly: the result is a multiple
    // of 2^-24 below 1, so the draw can never round up to 1.
    constexpr float kScale = 1.0F / 16777216.0F;
    return static_cast<float>(splitMix(state_) >> 40U) * kScale;
}

}  // namespace platform
