#include "ui/art/chip_look.h"

#include "table/chips.h"

namespace velmora {

namespace {

const QColor kInsertWhite(250, 248, 240);

ChipLook LookOfKind(int kind) {
    switch (kind) {
        case kHalfChip:
            return {QColor(214, 38, 160), kInsertWhite, "2.50"};
        case kChip5:
            return {QColor(196, 30, 40), kInsertWhite, "5"};
        case kChip25:
            return {QColor(52, 168, 60), kInsertWhite, "25"};
        case kChip100:
            return {QColor(32, 32, 36), kInsertWhite, "100"};
        case kChip500:
            return {QColor(112, 36, 150), QColor(250, 220, 90), "500"};
        case kChip1000:
            return {QColor(240, 238, 228), QColor(30, 60, 150), "1000"};
        default:
            return {QColor(30, 80, 200), kInsertWhite, "5000"};
    }
}

}  // namespace

ChipLook ChipLookOfCode(int code) {
    const std::optional<int> chip = ChipOfBet(code);
    const std::optional<int> kind = chip ? KindOfCode(*chip) : std::nullopt;
    if (!kind) return {QColor(128, 128, 128), kInsertWhite, QString()};
    return LookOfKind(*kind);
}

ChipLook ChipLookOfColour(Rgb colour) {
    switch (colour) {
        case colour::kFuchsia:
            return LookOfKind(kHalfChip);
        case colour::kRed:
            return LookOfKind(kChip5);
        case colour::kLime:
            return LookOfKind(kChip25);
        case colour::kBlack:
            return LookOfKind(kChip100);
        case colour::kPurple:
        case colour::kMaroon:
            return LookOfKind(kChip500);
        case colour::kWhite:
            return LookOfKind(kChip1000);
        case colour::kBlue:
            return LookOfKind(kChip5000);
        default:
            return {QColor::fromRgb(colour), kInsertWhite, QString()};
    }
}

}  // namespace velmora
