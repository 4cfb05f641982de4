// The table's layout and motion: places of cards, the pointer and labels, and the
// step counts and end places of every movement.

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/card.h"
#include "table/motion.h"
#include "table/motion_timing.h"
#include "table/table_ops.h"
#include "tests/table/table_fixture.h"

namespace velmora::testing {
namespace {

using MotionTest = TableFixture;

TEST_F(MotionTest, PositionCodesFindTheirPlacesAndOthersNone) {
    const TableScene& s = table.Scene;
    EXPECT_EQ(s[s.PlaceOfCode(1)].Name, "pos1");
    EXPECT_EQ(s[s.PlaceOfCode(9)].Name, "pos9");
    EXPECT_EQ(s[s.PlaceOfCode(11)].Name, "pos11");
    EXPECT_EQ(s[s.PlaceOfCode(20)].Name, "pos110");  // hand 1's tenth card
    EXPECT_EQ(s[s.PlaceOfCode(49)].Name, "pos49");
    EXPECT_EQ(s[s.PlaceOfCode(50)].Name, "pos410");
    for (int code : {0, 10, 51, 111}) EXPECT_EQ(s.PlaceOfCode(code), kNoSprite) << code;
    EXPECT_EQ(s[s.CardPlace(2, 11)].Name, "pos211");
    EXPECT_EQ(s.CardPlace(0, 10), kNoSprite);  // the dealer has nine places
    // Rack outlines keep their names, the odd lower-case third among them.
    for (const char* name : {"bet1000c", "Bet5000c", "Bet2a", "Bet44444"})
        EXPECT_EQ(s.Find(name).has_value(), std::string(name) != "Bet44444") << name;
}

TEST_F(MotionTest, TopmostVisiblePieceIsFound) {
    TableScene& s = table.Scene;
    const SpriteId card = s.CardPlace(1, 1), second = s.CardPlace(1, 2);
    EXPECT_NE(s.SpriteAt(320, 200), card);  // hidden places are not hit
    s[card].Visible = s[second].Visible = true;
    EXPECT_EQ(s.SpriteAt(320, 200), second);  // the later card lies over the first
    EXPECT_EQ(s.SpriteAt(320, 160), card);
}

TEST_F(MotionTest, PointerShowsOnlyWhileMoreThanOneHandIsInPlay) {
    ShowPointer(table, 1);
    EXPECT_FALSE(Piece(table.Scene.Pointer).Visible);
    table.Scene[table.Scene.CardPlace(3, 1)].Visible = true;
    ShowPointer(table, 4);
    EXPECT_TRUE(Piece(table.Scene.Pointer).Visible);
    EXPECT_EQ(Piece(table.Scene.Pointer).Left, 230);
    ShowPointer(table, 0);
    EXPECT_FALSE(Piece(table.Scene.Pointer).Visible);
}

TEST_F(MotionTest, LabelsAndHitsTouchOnlyPlayerHands) {
    ShowHandLabel(table, 0, "17");
    for (int h = 1; h <= 4; ++h) EXPECT_FALSE(Piece(table.Scene.HandLabel(h)).Visible);
    ShowHandLabel(table, 2, "PUSH");
    EXPECT_EQ(Piece("Hand2").Caption, "PUSH");

    for (THand& h : game.Hands) h.Finished = false;
    game.Hand(4).Finished = true;
    game.PlayerAction = kNoAction;
    RequestHit(table, 4);  // a finished hand: nothing at all
    EXPECT_EQ(game.PlayerAction, kNoAction);
    RequestHit(table, 3);
    EXPECT_EQ(game.PlayerAction, kHit);
    EXPECT_EQ(game.ActiveHand, 3);
    EXPECT_TRUE(game.Hand(2).Finished && game.Hand(1).Finished);
    EXPECT_FALSE(game.Hand(3).Finished);
}

TEST_F(MotionTest, ClearTableHidesCardsButLeavesChips) {
    table.Scene[table.Scene.CardPlace(1, 1)].Visible = true;
    table.Scene[table.Scene.BetSlot(1, 1)].Visible = true;
    table.Scene[table.Scene.Ring(1, 1)].Visible = true;
    ShowHandLabel(table, 1, "Win $25");
    ClearTable(table);
    EXPECT_FALSE(Piece("pos11").Visible);
    EXPECT_FALSE(Piece("Hand1").Visible);
    EXPECT_TRUE(Piece("Bet1").Visible && Piece("Ring1").Visible);
}

// Frames of a glide: the steps counted and the place it ends on.
struct GlideCase {
    const char* from;
    const char* to;
    int speed;
    int steps;
};

TEST_F(MotionTest, ChipGlidesTakeTheirStepsAndEndOnTheTarget) {
    for (const GlideCase& c :
         {GlideCase{"Bet1", "Bet11", 8000, 8}, GlideCase{"Bet5", "Bet1", 8000, 20},
          GlideCase{"Bet1", "Bet11", 1000, 1}, GlideCase{"Bet25", "Bet333", 25000, 62}}) {
        game.Options.ComputerSpeed = static_cast<uint16_t>(c.speed);
        TableScene& s = table.Scene;
        const SpriteId from = *s.Find(c.from), to = *s.Find(c.to);
        s[from].Tag = 25;
        s[from].Pic = {PictureKind::Chip, 25};
        s[from].Visible = true;
        animator.Watch(s, s.MovingChip);
        GlideChip(table, from, to, false, true);
        // One frame per step, then the final one with the chip hidden on the target.
        ASSERT_EQ(static_cast<int>(animator.frames.size()), c.steps + 1) << c.from << c.to;
        EXPECT_EQ(s[s.MovingChip].Left, s[to].Left);
        EXPECT_EQ(s[s.MovingChip].Top, s[to].Top);
        EXPECT_TRUE(s[to].Visible);
        EXPECT_EQ(s[to].Tag, 25);
        EXPECT_FALSE(s[from].Visible);
        EXPECT_FALSE(s[s.MovingChip].Visible);
    }
}

TEST_F(MotionTest, DealtCardsFlyFromTheShoeInTheirStepsToTheirPlaces) {
    struct DealCase {
        int hand, number, steps;
        const char* place;
    };
    for (const DealCase& c : {DealCase{0, 1, 8, "pos1"}, DealCase{1, 1, 16, "pos11"},
                              DealCase{3, 9, 16, "pos39"}, DealCase{2, 11, 16, "pos211"}}) {
        const SpriteId place = *table.Scene.Find(c.place);
        const Sprite home = Piece(place);
        animator.Watch(table.Scene, place);
        DealCard(table, MakeCard(13), c.hand, c.number);  // the king of the first suit
        // The first frame shows the card at the shoe, then one frame a step, then home.
        ASSERT_EQ(static_cast<int>(animator.frames.size()), c.steps + 2) << c.place;
        EXPECT_EQ(animator.frames.front().left, kShoeLeft);
        EXPECT_EQ(animator.frames.front().top, kShoeTop);
        EXPECT_EQ(Piece(place).Left, home.Left);
        EXPECT_EQ(Piece(place).Top, home.Top);
        EXPECT_TRUE(Piece(place).Visible);
        EXPECT_EQ(Piece(place).Pic, (Picture{PictureKind::CardFace, 13}));
    }
    game.CardBackChoice = 1;
    DealCard(table, MakeCard(1), 0, 2);
    EXPECT_EQ(Piece("pos2").Pic, (Picture{PictureKind::CardBack, 1}));
    animator.Reset();
    DealCard(table, MakeCard(1), 0, 10);  // no tenth dealer place: nothing drawn
    EXPECT_EQ(animator.repaints, 0);
}

TEST_F(MotionTest, HoleCardClosesAndOpensOnItsOwnPlace) {
    game.Hands[kDealer].Finished = false;
    game.Hands[kDealer].Cards[2] = MakeCard(27);
    DealCard(table, MakeCard(27), 0, 2);
    const Sprite before = Piece("pos2");
    animator.Watch(table.Scene, table.Scene.CardPlace(0, 2));
    FlipHoleCard(table);  // at 8000: 4 steps of 9 pixels a side, so it closes fully
    ASSERT_EQ(animator.frames.size(), 9u);
    EXPECT_EQ(animator.frames[3].width, 0);
    EXPECT_EQ(animator.frames[3].left, before.Left + 36);
    EXPECT_EQ(Piece("pos2").Left, before.Left);
    EXPECT_EQ(Piece("pos2").Width, before.Width);
    EXPECT_FALSE(Piece("pos2").Stretch);
    EXPECT_EQ(Piece("pos2").Pic, (Picture{PictureKind::CardFace, 27}));

    game.Hands[kDealer].Finished = true;  // a dealer blackjack was already turned
    animator.Reset();
    FlipHoleCard(table);
    EXPECT_EQ(animator.repaints, 0);
}

TEST_F(MotionTest, SplitCardRisesToItsHandAndTheDraggedPlaceGoesHome) {
    TableScene& s = table.Scene;
    const SpriteId source = s.CardPlace(1, 2), target = s.CardPlace(3, 1);
    s[source].Visible = true;
    s[source].Pic = {PictureKind::CardFace, 8};
    s[source].MoveTo(250, 260);  // dragged away by the player
    MoveSplitCard(table, source, target);
    EXPECT_EQ(s[target].Left, 5);
    EXPECT_EQ(s[target].Top, 150);
    EXPECT_TRUE(s[target].Visible);
    EXPECT_EQ(s[target].Pic, (Picture{PictureKind::CardFace, 8}));
    EXPECT_FALSE(s[source].Visible);
    EXPECT_EQ(s[source].Left, 317);
    EXPECT_EQ(s[source].Top, 174);
}

TEST_F(MotionTest, CutCardComesOutAndGoesBackHidden) {
    MoveCutCard(table, true);
    EXPECT_TRUE(Piece("CutCard").Visible);
    EXPECT_EQ(Piece("CutCard").Left, 20);
    EXPECT_EQ(Piece("CutCard").Top, 12);
    MoveCutCard(table, false);
    EXPECT_FALSE(Piece("CutCard").Visible);
    EXPECT_EQ(Piece("CutCard").Left, kShoeLeft);
    EXPECT_EQ(Piece("CutCard").Top, kShoeTop);
}

TEST_F(MotionTest, ShuffleRifflesTheOldOrderAndPutsThePlacesBack) {
    game.Options.Decks = 1;
    BuildShoe(game);
    MoveCutCard(table, true);
    animator.Watch(table.Scene, table.Scene.CardPlace(1, 1));
    ShowShuffle(table);
    // At 8000, 35 faces (entries 6..40), each a pixel's step right of the left card.
    int rightmost = 0;
    for (const Frame& f : animator.frames)
        if (f.top == 200) rightmost = std::max(rightmost, f.left);
    EXPECT_EQ(rightmost, 280 + 35);
    EXPECT_FALSE(Piece("CutCard").Visible);
    EXPECT_FALSE(Piece("pos11").Visible);
    EXPECT_EQ(Piece("pos11").Left, 309);
    EXPECT_EQ(Piece("pos12").Top, 174);
    EXPECT_EQ(Piece("pos11").Pic.Value, game.Shoe[40].Card.Number);
}

TEST_F(MotionTest, WaitsFollowTheSettingsAndStopWhenTheTableGoes) {
    Delay(table, 10);
    EXPECT_EQ(animator.waited, 10 * kDelayUnit);
    LongDelay(table, 100);  // the slow end of the speed bar waits longest
    EXPECT_EQ(animator.waited, 10 * kDelayUnit + 100 * kLongDelayStep);
    animator.Reset();
    game.PracticeDeckMode = true;
    Delay(table, 10);
    LongDelay(table, 5);  // practice skips only the short waits
    EXPECT_EQ(animator.waited, 5 * kLongDelayStep);
    game.PracticeDeckMode = false;
    animator.Reset();
    table.Close();
    Delay(table, 10);
    LongDelay(table, 5);
    EXPECT_EQ(animator.waits, 0);
}

}  // namespace
}  // namespace velmora::testing
