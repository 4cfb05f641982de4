#pragma once
// A length-prefixed string of at most N characters in N + 1 bytes, as the
// options record stores its texts. Assigning a shorter text keeps the bytes
// after it as they were, so a record read from a file is written back unchanged.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

template <size_t N>
struct ShortString {
    std::array<uint8_t, N + 1> Raw{};

    size_t Length() const { return std::min<size_t>(Raw[0], N); }
    std::string Text() const {
        return std::string(reinterpret_cast<const char*>(Raw.data() + 1), Length());
    }
    void Assign(std::string_view text) {
        const size_t n = std::min(text.size(), N);
        Raw[0] = static_cast<uint8_t>(n);
        std::copy_n(text.begin(), n, Raw.begin() + 1);
    }
    bool operator==(std::string_view text) const {
        return Raw[0] == text.size() && Text() == text;
    }
    friend bool operator==(const ShortString&, const ShortString&) = default;
};

}  // namespace velmora
