#include <gtest/gtest.h>

#include "platform/runtime_error.h"
#include "platform/units.h"

namespace {

using platform::RuntimeError;

TEST(Conversions, captionsReadAsNumbersAndWriteBackInShortestForm) {
    EXPECT_EQ(platform::textToNumber("0"), 0.0);
    EXPECT_EQ(platform::textToNumber(" 41 "), 41.0);
    EXPECT_EQ(platform::textToNumber("-2.5"), -2.5);
    EXPECT_EQ(platform::textToNumber("+1e3"), 1000.0);
    EXPECT_EQ(platform::numberToText(10), "10");
    EXPECT_EQ(platform::numberToText(9 + 1), "10");
    EXPECT_EQ(platform::numberToText(123456789012345.0), "123456789012345");
    EXPECT_EQ(platform::numberToText(0.5), "0.5");
}

TEST(Conversions, nonNumericTextIsATypeMismatch) {
    for (const char* text : {"", "   ", "diez", "1,5", "12abc", "inf", "nan", "0x10"}) {
        try {
            platform::textToNumber(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.code(), RuntimeError::Code::TypeMismatch);
        }
    }
}

TEST(Conversions, sixteenBitArithmeticTrapsInsteadOfWrapping) {
    EXPECT_EQ(platform::add16(250, -10), 240);
    EXPECT_EQ(platform::add16(32766, 1), 32767);
    EXPECT_THROW(platform::add16(32767, 1), RuntimeError);
    EXPECT_THROW(platform::add16(-32768, -1), RuntimeError);
}

TEST(Conversions, standardMessageNamesTheErrorNumber) {
    const RuntimeError error(RuntimeError::Code::Overflow);
    EXPECT_EQ(error.standardMessage(), "Error '6' en tiempo de ejecución:\n\nDesbordamiento");
}

TEST(Units, twipsRoundToWholePixelsAndColoursPackRedLow) {
    EXPECT_EQ(platform::toPixels(6255.0F), 417);
    EXPECT_EQ(platform::toPixels(-200.0F), -13);
    EXPECT_EQ(platform::toPixels(platform::TwipsRect{240, 840, 1095, 1095}),
              (platform::PixelRect{16, 56, 73, 73}));
    EXPECT_EQ(platform::RGB(128, 0, 0), 128U);
    EXPECT_EQ(platform::RGB(64, 0, 0), 64U);
    EXPECT_EQ(platform::RGB(1, 2, 3), 0x030201U);
}

}  // namespace
