#include "io/real48.h"

#include <cmath>

namespace velmora {

namespace {

constexpr int kBias = 129;
constexpr int kFractionBits = 39;
constexpr uint64_t kImpliedOne = uint64_t{1} << kFractionBits;
constexpr uint64_t kFractionMask = kImpliedOne - 1;
constexpr uint8_t kSignBit = 0x80;
constexpr int kMaxExponentByte = 255;

Real48 Pack(bool negative, int exponentByte, uint64_t fraction) {
    Real48 r{};
    r[0] = static_cast<uint8_t>(exponentByte);
    for (size_t i = 1; i < r.size(); ++i) {
        r[i] = static_cast<uint8_t>(fraction & 0xFF);
        fraction >>= 8;
    }
    if (negative) r[5] |= kSignBit;
    return r;
}

Real48 Largest(bool negative) {
    return Pack(negative, kMaxExponentByte, kFractionMask);
}
Real48 Smallest(bool negative) {
    return Pack(negative, 1, 0);
}

// The 53-bit significand of |value| (leading 1 at bit 52) rounded to 40 bits (leading
// 1 at bit 39), half to even. Returns the significand and adjusts the power of two
// when rounding carries into bit 40.
uint64_t RoundSignificand(double magnitude, int& power) {
    int exp2 = 0;
    const double m = std::frexp(magnitude, &exp2);  // magnitude = m x 2^exp2, m in [0.5, 1)
    power = exp2 - 1;                               // magnitude = 2m x 2^power
    // Exact: m has at most 53 significant bits (subnormal inputs have fewer).
    const auto wide = static_cast<uint64_t>(std::ldexp(m, 53));
    constexpr int kDropped = 53 - (kFractionBits + 1);
    constexpr uint64_t kHalf = uint64_t{1} << (kDropped - 1);
    constexpr uint64_t kDroppedMask = (uint64_t{1} << kDropped) - 1;
    uint64_t kept = wide >> kDropped;
    const uint64_t rest = wide & kDroppedMask;
    if (rest > kHalf || (rest == kHalf && (kept & 1) != 0)) ++kept;
    if (kept == kImpliedOne << 1) {
        kept >>= 1;
        ++power;
    }
    return kept;
}

}  // namespace

Real48 DoubleToReal48(double value) {
    if (std::isnan(value) || value == 0) return Real48{};
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) return Largest(negative);

    int power = 0;
    const uint64_t significand = RoundSignificand(magnitude, power);
    const int exponentByte = power + kBias;
    if (exponentByte > kMaxExponentByte) return Largest(negative);
    if (exponentByte < 1) {
        // Below the smallest value: the nearest of zero and 2^-128, ties to zero.
        return magnitude > kReal48Min / 2 ? Smallest(negative) : Real48{};
    }
    return Pack(negative, exponentByte, significand & kFractionMask);
}

double Real48ToDouble(std::span<const uint8_t, 6> bytes) {
    if (bytes[0] == 0) return 0.0;
    uint64_t fraction = bytes[5] & static_cast<uint8_t>(~kSignBit);
    for (size_t i = 4; i >= 1; --i) fraction = (fraction << 8) | bytes[i];
    const double magnitude =
        std::ldexp(static_cast<double>(kImpliedOne | fraction), bytes[0] - kBias - kFractionBits);
    return (bytes[5] & kSignBit) != 0 ? -magnitude : magnitude;
}

}  // namespace velmora
