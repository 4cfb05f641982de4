#pragma once
// Every picture of the table rendered once per size and device pixel ratio and kept
// as a pixmap, so a frame only copies pixmaps: card faces and backs, chips (seen from
// above or tilted), the chips that rings and stack outlines stand for, the pointer.

#include <QPixmap>
#include <QSize>

#include <cstdint>
#include <functional>
#include <unordered_map>

namespace velmora {

class CardDeck;

enum class Art : uint8_t {
    CardFace,      // value: card 1..52
    CardBack,      // value: back 0 or 1
    ChipFace,      // value: chip code, seen from above
    TiltedChip,    // value: chip code, face and edge
    ColourChip,    // value: an Rgb colour; the chip of that colour seen from above
    ColourTilted,  // value: an Rgb colour; tilted
    Pointer,
};

class PictureCache {
  public:
    explicit PictureCache(const CardDeck& deck);

    // The picture drawn to fill `size` device-independent pixels at `dpr`.
    const QPixmap& Get(Art art, int value, QSize size, double dpr);
    // Drops every pixmap (the table's scale changed: the old sizes are not needed).
    void Clear() { pixmaps_.clear(); }
    int Size() const { return int(pixmaps_.size()); }
    // Pictures drawn so far (a frame that draws any is not a pure copy).
    long long Renders() const { return renders_; }

  private:
    struct Key {
        Art art;
        int value;
        int width;  // device pixels
        int height;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const {
            const uint64_t size = uint64_t(uint32_t(key.width)) << 32 | uint32_t(key.height);
            return std::hash<uint64_t>()(size) ^
                   std::hash<int64_t>()(int64_t(key.value) << 8 | int64_t(key.art));
        }
    };

    QPixmap Render(Art art, int value, QSize pixels, double dpr) const;

    const CardDeck& deck_;
    std::unordered_map<Key, QPixmap, KeyHash> pixmaps_;
    long long renders_ = 0;
};

}  // namespace velmora
