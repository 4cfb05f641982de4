#pragma once
// The 6-byte real of the saved-game statistics. Byte 0 is the exponent biased by
// 129 (0 means the value zero); bytes 1..5 hold a 39-bit fraction, least
// significant byte first, below an implied leading 1; the top bit of byte 5 is
// the sign. Value = (-1)^sign x 1.fraction x 2^(exponent - 129).
//
// Every pattern decodes to a finite double (zero when the exponent byte is 0), so
// a file can never bring NaN or infinity into the statistics.

#include <array>
#include <cstdint>
#include <span>

namespace velmora {

using Real48 = std::array<uint8_t, 6>;

// The largest finite value the format holds: (2 - 2^-39) x 2^126, about 1.7e38.
inline constexpr double kReal48Max = 0x1.fffffffffep+126;
// The smallest positive value: 2^-128, about 2.9e-39.
inline constexpr double kReal48Min = 0x1p-128;

// Rounds to the nearest representable value, ties to an even fraction. Magnitudes
// above kReal48Max become kReal48Max (infinity too), magnitudes of 2^-129 or less
// become zero, and NaN becomes zero; zero is always written as six zero bytes.
Real48 DoubleToReal48(double value);

// Exact: every value of the format is a double.
double Real48ToDouble(std::span<const uint8_t, 6> bytes);

}  // namespace velmora
