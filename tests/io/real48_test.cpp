#include "io/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/io/temp_folder.h"

namespace velmora {
namespace {

Real48 Bytes(uint8_t e, uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4, uint8_t b5) {
    return {e, b1, b2, b3, b4, b5};
}

// Expected patterns worked out from the definition of the format, not from the
// encoder: value = (-1)^s x 1.f x 2^(e - 129), e in byte 0, the 39 fraction bits
// f in bytes 1..5 (least significant first), s in the top bit of byte 5.
//
//   1.0   = 1.0 x 2^0: e = 129 = 0x81, f = 0            -> 81 00 00 00 00 00
//  -1.5   = 1.1b x 2^0: e = 0x81, f = 2^38 (bit 6 of byte 5), sign bit 0x80
//                                                        -> 81 00 00 00 00 C0
//   100   = 1.1001b x 2^6: e = 135 = 0x87, f bits 38 and 35 = byte 5 0x40 | 0x08
//                                                        -> 87 00 00 00 00 48
//   0.1   = 1.6 x 2^-4: e = 125 = 0x7D; f = 0.6 x 2^39 = 329853488332.8, rounded
//           to 329853488333 = 0x4C_CCCC_CCCD              -> 7D CD CC CC CC 4C
//   1e-30 = 1.2676506002282294 x 2^-100: e = 29 = 0x1D; f = 0.2676506002282294 x 2^39
//           = 147142473566.08, rounded to 147142473566 = 0x22_425F_F75E
//                                                        -> 1D 5E F7 5F 42 22
//   1e30  = 1.5777218104420236 x 2^99: e = 228 = 0xE4; f = 0.5777218104420236 x 2^39
//           = 317605924100.40, rounded to 317605924100 = 0x49_F2C9_CD04
//                                                        -> E4 04 CD C9 F2 49
struct Known {
    double value;
    Real48 bytes;
};
const Known kKnown[] = {
    {1.0, Bytes(0x81, 0x00, 0x00, 0x00, 0x00, 0x00)},
    {-1.5, Bytes(0x81, 0x00, 0x00, 0x00, 0x00, 0xC0)},
    {100.0, Bytes(0x87, 0x00, 0x00, 0x00, 0x00, 0x48)},
    {0.1, Bytes(0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C)},
    {1e-30, Bytes(0x1D, 0x5E, 0xF7, 0x5F, 0x42, 0x22)},
    {1e30, Bytes(0xE4, 0x04, 0xCD, 0xC9, 0xF2, 0x49)},
};

TEST(Real48, KnownValuesHaveTheirHandDerivedBytes) {
    for (const Known& k : kKnown) {
        EXPECT_EQ(DoubleToReal48(k.value), k.bytes) << k.value;
        // Back to a double: exact for values the format holds, within half a unit in
        // the 40th significant bit for the others.
        const double back = Real48ToDouble(k.bytes);
        EXPECT_NEAR(back, k.value, std::fabs(k.value) * std::ldexp(1.0, -40)) << k.value;
    }
    EXPECT_EQ(Real48ToDouble(kKnown[0].bytes), 1.0);
    EXPECT_EQ(Real48ToDouble(kKnown[1].bytes), -1.5);
    EXPECT_EQ(Real48ToDouble(kKnown[2].bytes), 100.0);
}

TEST(Real48, ZeroIsSixZeroBytesWhateverItsSign) {
    EXPECT_EQ(DoubleToReal48(0.0), Real48{});
    EXPECT_EQ(DoubleToReal48(-0.0), Real48{});
    // An exponent byte of 0 means zero, whatever the other bytes hold.
    EXPECT_EQ(Real48ToDouble(Bytes(0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF)), 0.0);
}

TEST(Real48, EveryPatternOfTheFormatConvertsBackToItself) {
    const std::vector<uint8_t> noise = testing::NoiseBytes(6 * 20000, 7);
    for (size_t i = 0; i < noise.size(); i += 6) {
        Real48 r;
        std::copy_n(noise.begin() + static_cast<std::ptrdiff_t>(i), 6, r.begin());
        if (r[0] == 0) continue;  // the zero patterns all mean 0
        const double d = Real48ToDouble(r);
        ASSERT_TRUE(std::isfinite(d));
        ASSERT_EQ(DoubleToReal48(d), r) << d;
    }
    // The ends of the range.
    for (const Real48& r : {Bytes(1, 0, 0, 0, 0, 0), Bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F),
                            Bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF)})
        EXPECT_EQ(DoubleToReal48(Real48ToDouble(r)), r);
}

TEST(Real48, WholeAndHalfDollarAmountsAreExact) {
    for (double v : {0.5, 2.5, -37.5, 12345.0, -98765.5, 1e9, 68719476735.5}) {
        EXPECT_EQ(Real48ToDouble(DoubleToReal48(v)), v);
    }
}

TEST(Real48, OtherDoublesRoundToTheNearestValueTiesToEven) {
    const double ulp = std::ldexp(1.0, -39);  // one unit of the fraction at 1.0
    // Below half a unit: down; above: up.
    EXPECT_EQ(Real48ToDouble(DoubleToReal48(1.0 + 0.49 * ulp)), 1.0);
    EXPECT_EQ(Real48ToDouble(DoubleToReal48(1.0 + 0.51 * ulp)), 1.0 + ulp);
    // Exactly half a unit: to the even fraction.
    EXPECT_EQ(Real48ToDouble(DoubleToReal48(1.0 + 0.5 * ulp)), 1.0);
    EXPECT_EQ(Real48ToDouble(DoubleToReal48(1.0 + 1.5 * ulp)), 1.0 + 2 * ulp);
    // Rounding up out of the top of the fraction carries into the exponent.
    EXPECT_EQ(DoubleToReal48(2.0 - 0.25 * ulp), Bytes(0x82, 0, 0, 0, 0, 0));
    EXPECT_EQ(DoubleToReal48(-(2.0 - 0.25 * ulp)), Bytes(0x82, 0, 0, 0, 0, 0x80));
}

TEST(Real48, TooSmallBecomesZeroAndTooLargeClampsToTheLargestValue) {
    EXPECT_EQ(DoubleToReal48(1e-40), Real48{});
    EXPECT_EQ(DoubleToReal48(-1e-40), Real48{});
    EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::denorm_min()), Real48{});
    EXPECT_EQ(DoubleToReal48(std::ldexp(1.0, -129)), Real48{});  // the tie goes to zero
    // Nearer to the smallest value than to zero.
    EXPECT_EQ(DoubleToReal48(std::ldexp(1.5, -129)), Bytes(1, 0, 0, 0, 0, 0));
    EXPECT_EQ(Real48ToDouble(Bytes(1, 0, 0, 0, 0, 0)), kReal48Min);

    const Real48 largest = Bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F);
    const Real48 mostNegative = Bytes(0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF);
    EXPECT_EQ(Real48ToDouble(largest), kReal48Max);
    EXPECT_EQ(DoubleToReal48(1e40), largest);
    EXPECT_EQ(DoubleToReal48(-1e40), mostNegative);
    EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::max()), largest);
    EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::infinity()), largest);
    EXPECT_EQ(DoubleToReal48(-std::numeric_limits<double>::infinity()), mostNegative);
    // Just above the largest value, where rounding would carry past the top exponent.
    EXPECT_EQ(DoubleToReal48(std::nextafter(kReal48Max, 1e300)), largest);
    EXPECT_EQ(DoubleToReal48(std::numeric_limits<double>::quiet_NaN()), Real48{});
}

TEST(Real48, NoPatternReadsAsNaNOrInfinity) {
    const std::vector<uint8_t> noise = testing::NoiseBytes(6 * 50000, 11);
    for (size_t i = 0; i < noise.size(); i += 6) {
        const double d = Real48ToDouble(std::span<const uint8_t, 6>(noise.data() + i, 6));
        ASSERT_TRUE(std::isfinite(d));
        ASSERT_LE(std::fabs(d), kReal48Max);
    }
}

}  // namespace
}  // namespace velmora
