#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// The one kind of failure a handler can raise; nothing in the game catches it.
class RuntimeError : public std::runtime_error {
  public:
    enum class Code : std::uint16_t {
        Overflow = 6,
        TypeMismatch = 13,
        NoSuchControl = 340,
        FormNotLoaded = 364,
    };

    explicit RuntimeError(Code code);

    Code code() const { return code_; }

    // The runtime's standard message, as shown to the player.
    std::string standardMessage() const;

  private:
    Code code_;
};

// Text to number, as the runtime converts captions: blanks around an optional
// sign, digits with an optional decimal part and exponent; anything else is a
// type mismatch.
double textToNumber(std::string_view text);

// A number in its shortest decimal form: 10, not 10.0 or 1E+01.
std::string numberToText(double value);

// 16-bit signed arithmetic that traps instead of wrapping.
std::int16_t add16(std::int16_t a, int b);

}  // namespace platform
