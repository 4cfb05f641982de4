#include "analysis/cell_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace velmora {
namespace {

constexpr int kSignificantDigits = 18;
constexpr size_t kCellCut = 16;

// Adds one to a string of decimal digits ("" counts as 0).
void Increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digits of round(magnitude x 10^decimals), without leading zeros ("0" for
// zero). Taking 18 significant digits first is what the old conversion did; it
// also makes the rounding of decimal ties (0.125, 2.5) predictable.
std::string RoundedDigits(double magnitude, int decimals) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*e", kSignificantDigits - 1, magnitude);
    // buf holds "d.ddddddddddddddddde+XX".
    std::string digits(1, buf[0]);
    digits.append(buf + 2, kSignificantDigits - 1);
    const int exponent = std::atoi(buf + kSignificantDigits + 2);
    const int keep = exponent + 1 + decimals;  // digits before the rounding place
    if (keep < 0) return "0";
    std::string kept;
    if (keep >= kSignificantDigits) {
        kept = digits + std::string(static_cast<size_t>(keep - kSignificantDigits), '0');
    } else {
        kept = digits.substr(0, static_cast<size_t>(keep));
        if (digits[static_cast<size_t>(keep)] >= '5') Increment(kept);
    }
    const size_t first = kept.find_first_not_of('0');
    return first == std::string::npos ? "0" : kept.substr(first);
}

std::string GroupThousands(const std::string& whole) {
    std::string out;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += ',';
        out += whole[i];
    }
    return out;
}

// Joins texts by appending only (GCC 12 warns falsely about "literal" + string).
std::string Join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts) out.append(p);
    return out;
}

std::string PadLeft(std::string_view text, size_t width) {
    std::string out(text.size() < width ? width - text.size() : 0, ' ');
    out.append(text);
    return out;
}

double FiniteOrZero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

// A percentage of 100 or more: the four-decimal digits of the fraction read as a
// percentage with two decimals, right-aligned like "   100.00 %". A negative one keeps
// its sign: -1 is every dollar staked at a count lost, and "100.00 %" would read as
// every dollar won.
std::string WidePercent(const std::string& digits, bool negative) {
    const std::string_view d = digits;
    const std::string number =
        Join({negative ? "-" : "", d.substr(0, d.size() - 2), ".", d.substr(d.size() - 2)});
    return Join({PadLeft(number, 9), " %"});
}

}  // namespace

std::string NumberText(double value, int decimals) {
    value = FiniteOrZero(value);
    const size_t places = static_cast<size_t>(decimals > 0 ? decimals : 0);
    const std::string rounded = RoundedDigits(std::fabs(value), static_cast<int>(places));
    const bool negative = value < 0 && rounded != "0";
    // At least one digit before the point: 5 with two places is "0.05".
    std::string digits = PadLeft(rounded, places + 1);
    std::replace(digits.begin(), digits.end(), ' ', '0');
    const size_t point = digits.size() - places;
    std::string text = negative ? "-" : "";
    text += GroupThousands(digits.substr(0, point));
    if (places > 0) {
        text += '.';
        text.append(digits, point);
    }
    return text;
}

std::string NumberLeft(double value, int width, int decimals) {
    std::string text = NumberText(value, decimals);
    if (width > 0 && text.size() < static_cast<size_t>(width)) {
        text.append(static_cast<size_t>(width) - text.size(), ' ');
    }
    return text;
}

std::string FirstChars(std::string_view text, size_t n) {
    return std::string(text.substr(0, n));
}

std::string NumberCell(double value, int width, int decimals) {
    return FirstChars(Join({" ", NumberLeft(value, width, decimals)}), kCellCut);
}

std::string PercentCell(double v) {
    v = FiniteOrZero(v);
    // The fraction written with four decimals: d1 d2 d3 d4 become "d1d2.d3d4 %".
    const std::string rounded = RoundedDigits(std::fabs(v), 4);
    if (rounded.size() > 4) return WidePercent(rounded, v < 0);
    std::string digits = PadLeft(rounded, 4);
    std::replace(digits.begin(), digits.end(), ' ', '0');
    // A blank in place of a leading zero, and one more in front to make up for it.
    const bool leadingZero = digits[0] == '0';
    std::string text = leadingZero ? " " : "";
    text += v < 0 ? "    -" : "     ";
    text += leadingZero ? ' ' : digits[0];
    text += digits[1];
    text += '.';
    text.append(digits, 2);
    text += " %";
    return text;
}

std::string DollarCell(double v) {
    // The margins line the digits up: two-digit and larger amounts need less room
    // than one-digit ones, and a minus sign takes the place of a blank.
    const char* margin = "$     ";
    if (v <= -10) {
        margin = "$  ";
    } else if (v < 0 && std::fabs(v) >= 0.01) {
        margin = "$    ";
    } else if (v >= 10) {
        margin = "$   ";
    }
    return Join({margin, NumberLeft(v, 14, 2)});
}

std::string AdvantageCell(double a) {
    a = FiniteOrZero(a);
    if (a < 0) return Join({"     ", NumberCell(a, 6, 2), "%"});
    return Join({"      ", NumberCell(a, 5, 2), "%"});
}

std::string RatioCell(int64_t won, int64_t lost) {
    if (won <= 0 || lost <= 0) return "";
    const auto w = static_cast<double>(won);
    const auto l = static_cast<double>(lost);
    if (l > w) return Join({"-", NumberCell(l / w, 4, 1)});
    return Join({"+", NumberCell(w / l, 4, 1)});
}

std::string RunTimeText(int hours, int minutes, int seconds) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", hours, minutes, seconds);
    return buf;
}

}  // namespace velmora
