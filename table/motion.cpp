#include "table/motion.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "table/motion_timing.h"
#include "table/table_ops.h"

namespace velmora {

namespace {

int Speed(const TPlayer& t) {
    return t.game.Options.ComputerSpeed;
}

// Steps of a motion: ComputerSpeed x factor, rounded.
int StepsFor(const TPlayer& t, double factor) {
    return Nearest(Speed(t) * factor);
}

// trunc(distance / steps); no step at all moves by nothing.
int StepOf(int distance, int steps) {
    return steps > 0 ? distance / steps : 0;
}

constexpr double kShortChipFactor = 0.001;
constexpr double kLongChipFactor = 0.0025;
constexpr int kLongChipDistance = 100;
constexpr int kStepWait = 2;
constexpr int kSettleWait = 10;

}  // namespace

int Nearest(double x) {
    return static_cast<int>(std::nearbyint(x));
}

void Delay(TPlayer& t, int units) {
    if (units <= 0 || t.game.PracticeDeckMode || !t.game.TableShown || t.Closed()) return;
    t.animator.Wait(units * kDelayUnit);
}

void LongDelay(TPlayer& t, int n) {
    if (n <= 0 || !t.game.TableShown || t.Closed()) return;
    t.animator.Wait(std::min(n, 100) * kLongDelayStep);
}

void GlideControl(TPlayer& t, SpriteId piece, int steps, int stepX, int stepY) {
    t.Scene[piece].Visible = true;
    for (int i = 0; i < steps; ++i) {
        Sprite& s = t.Scene[piece];
        s.Top += stepY;
        s.Left += stepX;
        t.animator.Repaint();
        Delay(t, kStepWait);
    }
}

void GlideChip(TPlayer& t, SpriteId source, SpriteId target, bool sourceShown,
               bool targetShownAfter) {
    TableScene& scene = t.Scene;
    scene[source].Visible = sourceShown;
    scene[target].Tag = scene[source].Tag;
    scene[target].Pic = scene[source].Pic;
    const int fromLeft = scene[source].Left, fromTop = scene[source].Top;
    const int toLeft = scene[target].Left, toTop = scene[target].Top;
    const int dx = std::abs(toLeft - fromLeft), dy = std::abs(toTop - fromTop);
    const bool longWay = dx >= kLongChipDistance || dy >= kLongChipDistance;
    const int steps = StepsFor(t, longWay ? kLongChipFactor : kShortChipFactor);
    const int stepX = fromLeft > toLeft ? -StepOf(dx, steps) : StepOf(dx, steps);
    const int stepY = toTop < fromTop ? -StepOf(dy, steps) : StepOf(dy, steps);

    Sprite& chip = scene[scene.MovingChip];
    chip.MoveTo(fromLeft, fromTop);
    chip.Pic = scene[source].Pic;
    chip.Tag = scene[source].Tag;
    chip.Visible = true;
    GlideControl(t, scene.MovingChip, steps, stepX, stepY);

    scene[scene.MovingChip].MoveTo(toLeft, toTop);
    if (targetShownAfter) scene[target].Visible = true;
    scene[scene.MovingChip].Visible = false;
    t.animator.Repaint();
    Delay(t, kSettleWait);
}

void DealCard(TPlayer& t, const TCard& card, int hand, int number) {
    const SpriteId place = t.Scene.CardPlace(hand, number);
    if (place == kNoSprite) return;
    int left, top, width, height;
    TableScene::CardHome(hand, number, left, top, width, height);
    Sprite& s = t.Scene[place];
    const bool holeCard = hand == kDealer && number == 2;
    s.Pic = holeCard ? Picture{PictureKind::CardBack, t.game.CardBackChoice == 1 ? 1 : 0}
                     : Picture{PictureKind::CardFace, card.Number};
    s.Stretch = false;
    s.Width = width;
    s.Height = height;
    const int steps = StepsFor(t, top < 100 ? 0.001 : 0.002);
    const int dx = std::abs(left - kShoeLeft);
    const int stepX = left < kShoeLeft ? -StepOf(dx, steps) : StepOf(dx, steps);
    const int stepY = StepOf(top - kShoeTop, steps);
    s.MoveTo(kShoeLeft, kShoeTop);
    s.Visible = true;
    t.animator.Repaint();
    GlideControl(t, place, steps, stepX, stepY);
    t.Scene[place].MoveTo(left, top);
    t.animator.Repaint();
}

void FlipHoleCard(TPlayer& t) {
    if (t.game.Hands[kDealer].Finished) return;
    const SpriteId place = t.Scene.CardPlace(kDealer, 2);
    Sprite& card = t.Scene[place];
    const int left = card.Left, width = card.Width;
    const int speed = Speed(t);
    // n narrowing steps of s pixels a side: at 8000, 4 of 9, so the card closes.
    const int n = speed <= 1800 ? 1 : std::min(14, Nearest(speed / 1800.0));
    const int s = Nearest(36.0 / n);
    card.Stretch = true;
    for (int i = 0; i < n; ++i) {
        t.Scene[place].Left += s;
        t.Scene[place].Width -= 2 * s;
        Delay(t, 1);
        t.animator.Repaint();
    }
    t.Scene[place].Pic = {PictureKind::CardFace, t.game.Hands[kDealer].Cards[2].Number};
    for (int i = 0; i < n; ++i) {
        t.Scene[place].Left -= s;
        t.Scene[place].Width += 2 * s;
        Delay(t, 1);
        t.animator.Repaint();
    }
    Sprite& done = t.Scene[place];
    done.Stretch = false;
    done.Left = left;
    done.Width = width;
    t.animator.Repaint();
}

void MoveSplitCard(TPlayer& t, SpriteId source, SpriteId target) {
    TableScene& scene = t.Scene;
    scene[target].Pic = scene[source].Pic;
    const int homeLeft = scene[target].Left, homeTop = scene[target].Top;
    const int dx = std::abs(homeLeft - scene[source].Left);
    const int dy = std::abs(homeTop - scene[source].Top);
    const int steps = StepsFor(t, dx >= 200 ? 0.002 : 0.001);
    const int stepX = scene[source].Left > homeLeft ? -StepOf(dx, steps) : StepOf(dx, steps);
    const int stepY = -StepOf(dy, steps);  // second cards lie below first cards
    scene[target].MoveTo(scene[source].Left, scene[source].Top);
    scene[target].Visible = true;
    scene[source].Visible = false;
    GlideControl(t, target, steps, stepX, stepY);
    scene[target].MoveTo(homeLeft, homeTop);
    t.animator.Repaint();
    // The split gesture may have dragged the source away: it goes home.
    for (int h = 1; h < kHandCount; ++h)
        if (scene.CardPlace(h, 2) == source) scene.PutCardHome(h, 2);
}

void MoveCutCard(TPlayer& t, bool out) {
    TableScene& scene = t.Scene;
    Sprite& cut = scene[scene.CutCard];
    const int steps = StepsFor(t, 0.001);
    constexpr int kOutLeft = 20, kOutTop = 12;
    if (out) cut.MoveTo(kShoeLeft, kShoeTop);
    const int toLeft = out ? kOutLeft : kShoeLeft, toTop = out ? kOutTop : kShoeTop;
    const int stepX = steps > 0 ? Nearest(double(toLeft - cut.Left) / steps) : 0;
    const int stepY = steps > 0 ? Nearest(double(toTop - cut.Top) / steps) : 0;
    GlideControl(t, scene.CutCard, steps, stepX, stepY);
    scene[scene.CutCard].MoveTo(toLeft, toTop);
    if (!out) scene[scene.CutCard].Visible = false;
    t.animator.Repaint();
    Delay(t, kSettleWait);
}

void ShowShuffle(TPlayer& t) {
    Delay(t, 200);
    ClearTable(t);
    // The cut card came out when the dealing reached it; it goes back for the shuffle.
    if (t.Scene[t.Scene.CutCard].Visible) MoveCutCard(t, false);
    const int n = std::min(40, Nearest(Speed(t) * 0.00125) + 25);
    const SpriteId leftCard = t.Scene.CardPlace(1, 1), rightCard = t.Scene.CardPlace(1, 2);
    constexpr int kShuffleTop = 200;
    for (SpriteId id : {leftCard, rightCard}) {
        Sprite& s = t.Scene[id];
        s.MoveTo(id == leftCard ? 280 : 360, kShuffleTop);
        s.Visible = true;
        s.Stretch = false;
    }
    t.animator.Repaint();
    Delay(t, 10);
    const int wait = Speed(t) < 5000 ? 1 : 5;
    const auto& shoe = t.game.Shoe;
    // The faces riffled are those of entries 41 - n .. 40 of the old order.
    for (int i = 41 - n; i <= 40 && i < static_cast<int>(shoe.size()); ++i) {
        const Picture face{PictureKind::CardFace, shoe[static_cast<size_t>(i)].Card.Number};
        for (SpriteId id : {leftCard, rightCard}) {
            t.Scene[id].Pic = face;
            t.Scene[id].Left += id == leftCard ? 1 : -1;
            t.animator.Repaint();
            Delay(t, wait);
        }
    }
    Delay(t, 10);
    for (int k : {1, 2}) {
        t.Scene[t.Scene.CardPlace(1, k)].Visible = false;
        t.Scene.PutCardHome(1, k);
    }
    t.animator.Repaint();
}

}  // namespace velmora
