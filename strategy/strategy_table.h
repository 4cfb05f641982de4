#pragma once
// The playing strategy: 321 rows of 12 yes/no bytes, one row per question
// (row code = 100 x plane + hand total; plane 2 hit, 3 double down, 4 split,
// 5 surrender). Byte 0 is the ALWAYS mark, byte 1 the NEVER mark, and byte u
// (2..11) says whether to act against a dealer up card of value u (11 = ace).
// The block is stored byte for byte in the options file and in saved games.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace velmora {

constexpr int kFirstRowCode = 200;
constexpr int kLastRowCode = 520;
constexpr int kStrategyRows = kLastRowCode - kFirstRowCode + 1;  // 321
constexpr int kRowBytes = 12;
constexpr int kStrategyBytes = kStrategyRows * kRowBytes;  // 3852
constexpr int kAlwaysMark = 0;
constexpr int kNeverMark = 1;

// Planes of the row code.
constexpr int kHitPlane = 200;
constexpr int kDoublePlane = 300;
constexpr int kSplitPlane = 400;
constexpr int kSurrenderPlane = 500;

class StrategyTable {
public:
    static constexpr bool IsRowCode(int code) {
        return code >= kFirstRowCode && code <= kLastRowCode;
    }
    static constexpr bool IsUpCard(int up) { return up >= 2 && up <= 11; }

    // Byte `index` (0..11) of row `code`; 0 for any position outside the table.
    uint8_t Cell(int code, int index) const {
        if (!IsRowCode(code) || index < 0 || index >= kRowBytes) return 0;
        return bytes_[Offset(code) + static_cast<size_t>(index)];
    }
    // Ignored for a position outside the table.
    void SetCell(int code, int index, bool set) {
        if (!IsRowCode(code) || index < 0 || index >= kRowBytes) return;
        bytes_[Offset(code) + static_cast<size_t>(index)] = set ? 1 : 0;
    }

    // The play question: act against up card `up` (2..11)? The caller guarantees both
    // arguments are in range; this is the analysis hot path.
    bool Takes(int code, int up) const {
        return bytes_[Offset(code) + static_cast<size_t>(up)] != 0;
    }

    bool HasAlwaysMark(int code) const { return Cell(code, kAlwaysMark) != 0; }
    bool HasNeverMark(int code) const { return Cell(code, kNeverMark) != 0; }

    // Whole-row edit as the presets and the editor make it: the marks and the ten
    // up-card cells, given in the order 2, 3, ..., 10, A.
    void SetRow(int code, bool always, bool never, const std::array<bool, 10>& cells);
    void ClearRow(int code);
    void Clear() { bytes_.fill(0); }

    // Block access for persistence: 3852 bytes in row order.
    std::span<uint8_t, kStrategyBytes> Bytes() { return bytes_; }
    std::span<const uint8_t, kStrategyBytes> Bytes() const { return bytes_; }

    // Every byte is 0 or 1, and no row carries both marks; a marked row agrees with
    // its mark.
    bool IsOk() const;

    friend bool operator==(const StrategyTable&, const StrategyTable&) = default;

private:
    static constexpr size_t Offset(int code) {
        return static_cast<size_t>(code - kFirstRowCode) * kRowBytes;
    }
    std::array<uint8_t, kStrategyBytes> bytes_{};
};

// The default strategy: every byte cleared, then the default rows written.
void ResetStrategyToDefault(StrategyTable& table);

// The advanced strategy: the default, then the advanced changes. With
// `surrenderAllowed` the pair of 8's is no longer split against 9 and 10, since
// surrendering the hard 16 is better there.
void SetStrategyToAdvanced(StrategyTable& table, bool surrenderAllowed);

}  // namespace velmora
