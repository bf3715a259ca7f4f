#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>
#include <string>
#include <utility>

#include "platform/runtime/runtime_error.h"

namespace {

using platform::RuntimeError;

// A desktop whose locale writes decimal commas: captions keep their points.
struct DecimalComma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

class NumberText : public testing::Test {
  protected:
    void SetUp() override {
        previous_ = std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
    }
    void TearDown() override { std::locale::global(previous_); }

  private:
    std::locale previous_;
};

RuntimeError::Code failureOf(auto convert) {
    try {
        convert();
    } catch (const RuntimeError& error) {
        return error.code();
    }
    return {};
}

// Blanks around a sign, digits, a decimal part and an exponent; nothing else.
TEST_F(NumberText, captionsReadInTheirDecimalFormAloneWhateverTheLocale) {
    const std::pair<const char*, double> cases[] = {
        {"0", 0},       {" 41 ", 41},
        {"+7", 7},      {"-3", -3},
        {"1.5", 1.5},   {"1.", 1},
        {".5", 0.5},    {"-.5", -0.5},
        {"1e3", 1000},  {"1E+3", 1000},
        {"2e-2", 0.02}, {"1.7976931348623157e308", std::numeric_limits<double>::max()}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(platform::textToNumber(text), value) << text;
    }
    for (const char* text : {"", "   ", "+", "-", "++1", ".", "1e", "e5", "0x1A", "inf", "nan",
                             "1e400", "1,5", "1 2", "\t1", "1-2", "12a"}) {
        EXPECT_EQ(failureOf([&] { platform::textToNumber(text); }),
                  RuntimeError::Code::TypeMismatch)
            << text;
    }
}

// Fifteen significant digits with a point; a number without digits overflows.
TEST_F(NumberText, numbersWrittenWithFifteenSignificantDigits) {
    const std::pair<double, const char*> cases[] = {{0, "0"},
                                                    {-3, "-3"},
                                                    {1.5, "1.5"},
                                                    {0.1, "0.1"},
                                                    {1e15, "1e+15"},
                                                    {1e-5, "1e-05"},
                                                    {1.0 / 3, "0.333333333333333"},
                                                    {123456789012345.0, "123456789012345"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(platform::numberToText(value), text);
    }
    for (const double value : {std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), std::nan("")}) {
        EXPECT_EQ(failureOf([&] { platform::numberToText(value); }), RuntimeError::Code::Overflow)
            << value;
    }
}

}  // namespace
