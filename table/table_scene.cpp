#include "table/table_scene.h"

#include <string>

#include "table/chips.h"

namespace velmora {

namespace {

constexpr int kSlotSize = 44;
constexpr int kCardTop = 150;
constexpr int kPointerTop = 136;

// Bet slots 1..5 of hands 1..4 (left, top); {0, 0} where a hand has no such slot.
constexpr int kSlotPlace[kHandCount][kBetSlots + 1][2] = {
    {},
    {{}, {318, 369}, {366, 369}, {318, 319}, {366, 319}, {414, 319}},
    {{}, {470, 369}, {518, 369}, {470, 319}, {518, 319}, {0, 0}},
    {{}, {6, 369}, {54, 369}, {6, 319}, {54, 319}, {102, 319}},
    {{}, {166, 369}, {214, 369}, {166, 319}, {214, 319}, {0, 0}},
};

struct RackPlace {
    const char* name;
    int left;
    int top;
    int outlines;
    Rgb pen;
};
// In ChipKind order. The rack stands in two staggered columns at the right edge.
constexpr RackPlace kRack[kChipKinds] = {
    {"BetHalf", 590, 345, 1, colour::kFuchsia}, {"Bet5", 570, 295, 5, colour::kRed},
    {"Bet25", 590, 245, 5, colour::kLime},      {"Bet100", 570, 195, 5, colour::kBlack},
    {"Bet500", 590, 145, 4, colour::kMaroon},   {"Bet1000", 570, 95, 4, colour::kWhite},
    {"Bet5000", 592, 45, 5, colour::kBlue},
};
constexpr int kRackWidth = 44;
constexpr int kRackHeight = 38;
constexpr int kOutlineWidth = 42;
constexpr int kOutlineHeights[kRackOutlines] = {40, 43, 46, 48, 52};
constexpr char kRackHint[] = "Click to Bet, Drag to Split or Double Down";
constexpr char kLimitsHint[] = "Click to Change Limits";
constexpr char kBetPanelHint[] = "Double Click to Bet 2x last bet";

std::string OutlineName(int kind, int i) {
    if (kind == kHalfChip) return "Bet2a";
    // The third outline of every stack but the 5000s is spelt in lower case.
    std::string name = kRack[kind].name;
    if (i == 2 && kind != kChip5000) name[0] = 'b';
    return name + static_cast<char>('a' + i);
}

Sprite Image(std::string name, int left, int top, int width, int height) {
    Sprite s;
    s.Name = std::move(name);
    s.Kind = SpriteKind::Image;
    s.MoveTo(left, top);
    s.Width = width;
    s.Height = height;
    return s;
}

Sprite Outline(std::string name, int left, int top, int width, int height, Rgb pen, int penWidth) {
    Sprite s = Image(std::move(name), left, top, width, height);
    s.Kind = SpriteKind::Ellipse;
    s.Pen = pen;
    s.PenWidth = penWidth;
    return s;
}

Sprite Panel(std::string name, int left, int top, int width, int height) {
    Sprite s = Image(std::move(name), left, top, width, height);
    s.Kind = SpriteKind::Panel;
    return s;
}

}  // namespace

void TableScene::PutCardHome(int hand, int k) {
    const SpriteId place = CardPlace(hand, k);
    if (place == kNoSprite) return;
    int left, top, width, height;
    CardHome(hand, k, left, top, width, height);
    (*this)[place].MoveTo(left, top);
}

int TableScene::PointerLeft(int hand) {
    constexpr int kPointerLeft[] = {0, 380, 530, 80, 230};
    return hand >= 1 && hand <= 4 ? kPointerLeft[hand] : 0;
}

void TableScene::CardHome(int hand, int k, int& left, int& top, int& width, int& height) {
    width = kCardWidth;
    height = kCardHeight;
    if (hand == kDealer) {
        left = 197 + 40 * (k - 1);
        top = 26 + 4 * (k - 1);
    } else if (k <= 9) {
        left = HandLeft(hand) + 8 * (k - 1);
        top = kCardTop + 24 * (k - 1);
    } else if (k == 10) {
        left = HandLeft(hand) + 72;
        top = 366;
        height = 76;
    } else {
        left = HandLeft(hand) + 80;
        top = 390;
        height = 55;
    }
}

TableScene::TableScene() {
    for (auto& row : cards_)
        for (SpriteId& id : row) id = kNoSprite;
    for (int h = 0; h < kHandCount; ++h)
        for (int s = 0; s <= kBetSlots; ++s) slots_[h][s] = rings_[h][s] = kNoSprite;
    for (auto& row : outlines_)
        for (SpriteId& id : row) id = kNoSprite;
    for (SpriteId& id : labels_) id = kNoSprite;

    // The bet boxes lie on the felt under everything else.
    Sprite box1 = Outline("BetBox1", 315, 364, 100, 60, colour::kWhite, 2);
    box1.Hint = "Place bet here to play 1 hand";
    box1.Visible = true;
    BetBox1 = Add(box1);
    Sprite box3 = Outline("BetBox3", 3, 364, 100, 60, colour::kSilver, 2);
    box3.Hint = "Place bet here to play 2 hands";
    box3.Visible = true;
    BetBox3 = Add(box3);
    Sprite betPanel = Panel("BetPanel", 299, 336, 120, 16);
    betPanel.Caption = "PLACE YOUR BET";
    betPanel.Bold = betPanel.Underline = true;
    betPanel.Hint = kBetPanelHint;
    BetPanel = Add(betPanel);
    Sprite bet2Panel = Panel("Bet2Panel", 8, 336, 100, 16);
    bet2Panel.Caption = "BET 2 HANDS";
    bet2Panel.TextColour = colour::kSilver;
    bet2Panel.Bold = true;
    bet2Panel.Hint = kBetPanelHint;
    Bet2Panel = Add(bet2Panel);

    // Card places: the dealer's row, then each hand, later cards over earlier ones.
    for (int h = 0; h < kHandCount; ++h) {
        const int places = h == kDealer ? kDealerPlaces : kHandPlaces;
        for (int k = 1; k <= places; ++k) {
            int left, top, width, height;
            CardHome(h, k, left, top, width, height);
            const std::string name = "pos" + std::to_string(h == kDealer ? k : 10 * h + k);
            cards_[h][k] = Add(Image(k >= 10 ? "pos" + std::to_string(h) + std::to_string(k) : name,
                                     left, top, width, height));
        }
    }
    // The dealer's face-down card stands the active hand when clicked.
    sprites_[cards_[kDealer][2]].Hint = "'Click to Stand'";
    Sprite cut = Image("CutCard", 24, 12, 70, 97);
    cut.Kind = SpriteKind::Rectangle;
    cut.Fill = colour::kRed;
    cut.Filled = true;
    CutCard = Add(cut);

    // Bet slots, each over its ring: a ring shown means a second chip lies under.
    for (int h = 1; h < kHandCount; ++h) {
        for (int s = 1; s <= kBetSlots; ++s) {
            const int left = kSlotPlace[h][s][0], top = kSlotPlace[h][s][1];
            if (left == 0 && top == 0) continue;
            const std::string suffix(static_cast<size_t>(s), static_cast<char>('0' + h));
            rings_[h][s] =
                Add(Outline("Ring" + suffix, left + 1, top + 1, 43, 46, colour::kWhite, 2));
            slots_[h][s] = Add(Image("Bet" + suffix, left, top, kSlotSize, kSlotSize));
        }
    }

    // The rack: each stack's outlines (tallest first), then its chip in front.
    for (int kind = kChip5000; kind >= kHalfChip; --kind) {
        const RackPlace& p = kRack[kind];
        const int bottom = p.top + kRackHeight;
        for (int i = p.outlines - 1; i >= 0; --i) {
            const int height = kOutlineHeights[i];
            outlines_[kind][i] = Add(Outline(OutlineName(kind, i), p.left + 1, bottom - height,
                                             kOutlineWidth, height, p.pen, 1));
            sprites_[outlines_[kind][i]].Hint = kRackHint;
        }
        Sprite chip = Image(p.name, p.left, p.top, kRackWidth, kRackHeight);
        chip.Stretch = true;
        chip.Tag = kChipCodes[static_cast<size_t>(kind)];
        chip.Pic = {PictureKind::Chip, chip.Tag};
        chip.Hint = kRackHint;
        rack_[kind] = Add(chip);
    }

    constexpr int kLabelPlace[kHandCount][3] = {
        {}, {304, 134, 89}, {448, 134, 97}, {0, 134, 97}, {144, 134, 97}};
    for (int h = 1; h < kHandCount; ++h) {
        Sprite label = Panel("Hand" + std::to_string(h), kLabelPlace[h][0], kLabelPlace[h][1],
                             kLabelPlace[h][2], 16);
        label.Bold = true;
        labels_[h] = Add(label);
    }
    Sprite pointer = Image("Pointer", 380, kPointerTop, 53, 36);
    pointer.Pic = {PictureKind::Pointer, 0};
    Pointer = Add(pointer);

    // Pieces in flight ride above the table.
    MovingChip2 = Add(Image("MovingChip2", 0, 0, kRackWidth, kRackHeight));
    sprites_[MovingChip2].Stretch = true;
    Chipa = Add(Outline("Chipa", 0, 0, 42, 40, colour::kWhite, 2));
    Chipb = Add(Outline("Chipb", 0, 0, 42, 43, colour::kWhite, 2));
    Sprite moving = Image("MovingChip", 0, 0, kSlotSize, kSlotSize);
    moving.Hint = "'Click to Bet or Double Down'";
    MovingChip = Add(moving);

    Sprite bank = Panel("BankPanel", 544, 390, 92, 20);
    bank.Filled = true;
    bank.Fill = colour::kWhite;
    bank.TextColour = colour::kBlack;
    bank.Bold = true;
    BankPanel = Add(bank);
    Sprite advice = Panel("AdvicePanel", 152, 0, 329, 18);
    advice.Filled = true;
    advice.Fill = colour::kBlue;
    advice.Bold = true;
    AdvicePanel = Add(advice);
    Sprite border = Panel("AdvicePanelBorder", 481, 0, 152, 37);
    border.Filled = true;
    border.Fill = colour::kBlack;
    border.Hint = kLimitsHint;
    AdvicePanelBorder = Add(border);
    for (SpriteId* id : {&AdvicePanel1, &AdvicePanel2}) {
        const bool first = id == &AdvicePanel1;
        Sprite limit = Panel(first ? "AdvicePanel1" : "AdvicePanel2", 482, first ? 1 : 18, 150, 18);
        limit.Filled = true;
        limit.Bold = true;
        limit.Hint = kLimitsHint;
        *id = Add(limit);
    }
    Sprite speedLabel = Panel("Edit1", 503, 0, 130, 22);
    speedLabel.Caption = "< Slower    Faster>";
    speedLabel.Filled = true;
    speedLabel.Fill = colour::kWhite;
    speedLabel.TextColour = colour::kBlack;
    speedLabel.Hint = "Slide button to vary playing speed";
    SpeedLabel = Add(speedLabel);
    Sprite bar = Image("ScrollBar1", 504, 24, 128, 16);
    bar.Kind = SpriteKind::SpeedBar;
    bar.Tag = 50;
    bar.Hint = "Slide button to vary playing speed";
    SpeedBar = Add(bar);
    AddSigns();
}

// The signs lie where no card can: a player hand's to the right of its second card,
// below the pointer and above the third card, which starts 16 pixels further right;
// hand 2's, which the rack leaves no room beside, to its left, a row lower than hand
// 1's; the dealer's to the left of the up card.
void TableScene::AddSigns() {
    struct Zone {
        int left, top, width;
        Align align;
    };
    const Zone zones[kHandCount] = {
        {100, 31, 94, Align::Right},
        {HandLeft(1) + 82, 177, 68, Align::Left},
        {HandLeft(1) + 90, 201, 60, Align::Right},
        {HandLeft(3) + 82, 177, 68, Align::Left},
        {HandLeft(4) + 82, 177, 68, Align::Left},
    };
    constexpr int kTotalHeight = 15;
    constexpr int kBannerHeight = 22;
    auto sign = [](std::string name, const Zone& z, int top, int height) {
        Sprite s = Panel(std::move(name), z.left, top, z.width, height);
        s.Passive = true;
        s.Filled = true;
        s.HugCaption = true;
        s.Alignment = z.align;
        s.Bold = true;
        return s;
    };
    for (int h = 0; h < kHandCount; ++h) {
        Sprite total = sign("Total" + std::to_string(h), zones[h], zones[h].top, kTotalHeight);
        total.Fill = colour::kBlack;
        total.TextColour = colour::kWhite;
        totals_[h] = Add(total);
    }
    // Banners over the totals, a little larger, centred on the same line.
    for (int h = 0; h < kHandCount; ++h)
        banners_[h] =
            Add(sign("Banner" + std::to_string(h), zones[h], zones[h].top - 3, kBannerHeight));
    // Practice's judgement goes above the hand, on the row of its label, which a practice
    // round never writes: the next deal follows at once, and its total must stay in view
    // while the word about the last decision shows.
    Sprite judgement = sign("Judgement", {304, 0, 89, Align::Centre}, 132, 18);
    judgement.Fill = 0x2E9E44;
    judgement.TextColour = colour::kWhite;
    judgement.Caption = "Correct";
    Judgement = Add(judgement);
    // The mode and the practice score: pale lettering in the felt's lower corners.
    auto feltLine = [](std::string name, int left, int width, Align align) {
        Sprite s = Panel(std::move(name), left, 448, width, 13);
        s.Passive = true;
        s.Bold = true;
        s.Alignment = align;
        s.TextColour = 0xF2E8C8;
        return s;
    };
    ModeLine = Add(feltLine("ModeLine", 6, 120, Align::Left));
    PracticeCounter = Add(feltLine("PracticeCounter", 380, 256, Align::Right));
}

SpriteId TableScene::Add(Sprite sprite) {
    sprites_.push_back(std::move(sprite));
    return static_cast<SpriteId>(sprites_.size() - 1);
}

std::optional<SpriteId> TableScene::Find(std::string_view name) const {
    for (size_t i = 0; i < sprites_.size(); ++i)
        if (sprites_[i].Name == name) return static_cast<SpriteId>(i);
    return std::nullopt;
}

std::optional<SpriteId> TableScene::SpriteAt(int x, int y) const {
    for (size_t i = sprites_.size(); i-- > 0;)
        if (sprites_[i].Visible && !sprites_[i].Passive && sprites_[i].Contains(x, y))
            return static_cast<SpriteId>(i);
    return std::nullopt;
}

SpriteId TableScene::CardPlace(int hand, int k) const {
    if (!IsHandIndex(hand) || k < 1) return kNoSprite;
    if (k > (hand == kDealer ? kDealerPlaces : kHandPlaces)) return kNoSprite;
    return cards_[hand][k];
}

SpriteId TableScene::PlaceOfCode(int code) const {
    if (code >= 1 && code <= 9) return CardPlace(kDealer, code);
    if (code < 11 || code > 50) return kNoSprite;
    // 20, 30, 40 and 50 are the tenth cards of hands 1..4.
    if (code % 10 == 0) return CardPlace(code / 10 - 1, 10);
    return CardPlace(code / 10, code % 10);
}

SpriteId TableScene::BetSlot(int hand, int slot) const {
    if (!IsPlayerHand(hand) || slot < 1 || slot > kBetSlots) return kNoSprite;
    return slots_[hand][slot];
}

SpriteId TableScene::Ring(int hand, int slot) const {
    if (!IsPlayerHand(hand) || slot < 1 || slot > kBetSlots) return kNoSprite;
    return rings_[hand][slot];
}

SpriteId TableScene::RackOutline(int kind, int i) const {
    if (kind < 0 || kind >= kChipKinds || i < 0 || i >= kRackOutlines) return kNoSprite;
    return outlines_[kind][i];
}

std::optional<int> TableScene::RackKindOf(SpriteId id) const {
    for (int kind = 0; kind < kChipKinds; ++kind) {
        if (rack_[kind] == id) return kind;
        for (SpriteId outline : outlines_[kind])
            if (outline == id && id != kNoSprite) return kind;
    }
    return std::nullopt;
}

SpriteId TableScene::HandLabel(int hand) const {
    return IsPlayerHand(hand) ? labels_[hand] : kNoSprite;
}

SpriteId TableScene::Total(int hand) const {
    return IsHandIndex(hand) ? totals_[hand] : kNoSprite;
}

SpriteId TableScene::Banner(int hand) const {
    return IsHandIndex(hand) ? banners_[hand] : kNoSprite;
}

}  // namespace velmora
