#include "platform/runtime/runtime_error.h"

#include <cmath>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace platform {

namespace {

std::string_view describe(RuntimeError::Code code) {
    switch (code) {
        case RuntimeError::Code::Overflow:
            return "Desbordamiento";
        case RuntimeError::Code::TypeMismatch:
            return "No coinciden los tipos";
        case RuntimeError::Code::NoSuchControl:
            return "El elemento de la matriz de controles no existe";
        case RuntimeError::Code::FormNotLoaded:
            return "El formulario no está cargado";
    }
    return "Error de la aplicación";
}

}  // namespace

RuntimeError::RuntimeError(Code code)
    : std::runtime_error(std::string(describe(code))), code_(code) {}

std::string RuntimeError::standardMessage() const {
    return "Error '" + std::to_string(static_cast<int>(code_)) + "' en tiempo de ejecución:\n\n" +
           what();
}

double textToNumber(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) {
        throw RuntimeError(RuntimeError::Code::TypeMismatch);
    }
    std::string_view digits = text.substr(first, last - first + 1);
    if (digits.front() == '+') {
        digits.remove_prefix(1);
    }
    // A stream in the classic locale reads a point whatever the player's locale, and
    // every standard library reads doubles from one (em++'s has no floating-point
    // from_chars). Only a second sign, or what could start a hexadecimal or named
    // value, would get further than the decimal form: those are turned away first.
    if (digits.empty() || digits.front() == '+' ||
        digits.find_first_not_of("0123456789.eE+-") != std::string_view::npos) {
        throw RuntimeError(RuntimeError::Code::TypeMismatch);
    }
    std::istringstream stream{std::string(digits)};
    stream.imbue(std::locale::classic());
    double value = 0;
    stream >> std::noskipws >> value;
    if (stream.fail() || !stream.eof() || !std::isfinite(value)) {
        throw RuntimeError(RuntimeError::Code::TypeMismatch);
    }
    return value;
}

std::string numberToText(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeError(RuntimeError::Code::Overflow);
    }
    // Fifteen significant digits, the precision the runtime shows doubles with, fixed
    // or scientific as %g chooses; a point whatever the locale.
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::setprecision(15) << value;
    return stream.str();
}

std::int16_t add16(std::int16_t a, int b) {
    const int sum = a + b;
    if (sum < std::numeric_limits<std::int16_t>::min() ||
        sum > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(RuntimeError::Code::Overflow);
    }
    return static_cast<std::int16_t>(sum);
}

}  // namespace platform
