#pragma once
// The texts of the results grid's cells. Numbers are written as the old runtime's
// "%n" conversion wrote them: "," between thousands, "." before the decimals, the
// value first taken to 18 significant digits and then rounded half away from zero
// (0.125 -> "0.13"), and no minus sign on a value that rounds to zero. Widths are
// minimum widths: a longer number is never cut unless a cell says so.

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// "%.Dn": the number with thousands separators and `decimals` decimals.
std::string NumberText(double value, int decimals = 2);
// "%-W.Dn": NumberText left-aligned in at least `width` characters.
std::string NumberLeft(double value, int width, int decimals);
// The first `n` characters of a text.
std::string FirstChars(std::string_view text, size_t n);
// " %-W.Dn" cut to its first 16 characters: the form of the counts ("Total Hands",
// bankrolls won and lost) and of the numbers inside the advantage and ratio cells.
std::string NumberCell(double value, int width, int decimals);

// A fraction as a percentage: 0.1234 -> "     12.34 %", 0.0567 -> "       5.67 %",
// -0.05 -> "     - 5.00 %", 1 -> "   100.00 %". From 1.0000 up (after rounding to
// four decimals) the whole percentage is right-aligned in nine characters:
// 1.5 -> "   150.00 %", -1 -> "  -100.00 %". A value that is not finite reads as 0.
std::string PercentCell(double v);
// A dollar amount: "$" and a margin that lines the digits up, then "%-14n".
std::string DollarCell(double v);
// The player's advantage `a` in percent: "      -1.50 %" for -1.5.
std::string AdvantageCell(double a);
// Bankrolls won against bankrolls lost: "+ 1.5 " for 3 won, 2 lost; "- 1.5 " the other
// way round; empty while either count is 0 or less.
std::string RatioCell(int64_t won, int64_t lost);
// Play time as "1:05:09": hours, then minutes and seconds with two digits.
std::string RunTimeText(int hours, int minutes, int seconds);

}  // namespace velmora
