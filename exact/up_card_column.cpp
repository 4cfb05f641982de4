#include "exact/up_card_column.h"

#include <cassert>
#include <unordered_map>

#include "engine/game.h"
#include "exact/dealer_outcomes.h"

namespace velmora {

namespace {

// The net of a standing player total against the dealer's final totals.
double StandNet(int total, const DealerOutcomes& dealer) {
    double net = dealer[kDealerBust];
    for (int f = 0; f < kDealerBust; ++f) {
        const int dealerTotal = 17 + f;
        if (total > dealerTotal)
            net += dealer[static_cast<size_t>(f)];
        else if (total < dealerTotal)
            net -= dealer[static_cast<size_t>(f)];
    }
    return net;
}

RankCounts Without(RankCounts shoe, int rank, int count = 1) {
    shoe[rank] -= count;
    return shoe;
}

}  // namespace

UpCardColumn::UpCardColumn(const HandGraph& graph, const ExactRules& rules, int upRank)
    : upRank_(upRank),
      upValue_(ValueOfRank(upRank)),
      doubleAny_(rules.DoubleAnyHand),
      doubleAfterSplit_(rules.DoubleAfterSplit),
      shoe_(Without(rules.Shoe, upRank)) {
    // A shoe without this rank never shows it: the column stays empty.
    if (rules.Shoe[upRank] == 0) return;
    // The dealer's chances depend only on the cards out, which hands of different
    // situations often share: each set of cards out is weighed once.
    const DealerDraws draws(upRank, rules.DealerHitsSoft17);
    DealerCache dealer;
    situations_.resize(kRanks + 1);
    for (int extra = 0; extra <= kRanks; ++extra) BuildSituation(graph, draws, dealer, extra);
    BuildDeals(graph, rules);
}

void UpCardColumn::BuildSituation(const HandGraph& graph, const DealerDraws& draws,
                                  DealerCache& dealerOf, int extra) {
    Situation& s = situations_[static_cast<size_t>(extra)];
    s.extraRank = extra;
    s.played = extra != kAceRank;
    s.entryOfNode.assign(static_cast<size_t>(graph.Size()), -1);
    if (extra > 0 && shoe_[extra] < 2) return;  // no such pair can be dealt

    for (int i = 0; i < graph.Size(); ++i) {
        const HandNode& node = graph[i];
        if (node.size < 2) continue;
        if (extra > 0 && (node.cards[extra] == 0 || (!s.played && node.size > 2))) continue;
        RankCounts out = node.cards;
        if (extra > 0) out[extra] += 1;
        if (!out.FitsIn(shoe_)) continue;
        const RankCounts left = shoe_ - out;

        Entry e{i, static_cast<uint8_t>(node.Total()), node.Soft(), 0};
        for (int r = 1; r <= kRanks; ++r)
            if (node.size == 2 && node.cards[r] == 2) e.pairRank = static_cast<uint8_t>(r);
        auto [found, fresh] = dealerOf.try_emplace(out.Key());
        if (fresh) found->second = draws.Weigh(left);
        e.stand = StandNet(node.Total(), found->second);
        e.standStake = NoBlackjackChance(left, upRank_);
        if (s.played) {
            e.firstEdge = static_cast<uint32_t>(edges_.size());
            const double cards = left.Total();
            double keepNet = 0, keepStake = 0;  // the doubled card that does not bust
            for (int r = 1; r <= kRanks; ++r) {
                if (left[r] == 0) continue;
                const double chance = left[r] / cards;
                const int32_t child = node.child[static_cast<size_t>(r)];
                if (child < 0) {
                    const double stake = NoBlackjackChance(Without(left, r), upRank_);
                    e.bust -= chance * stake;
                    e.bustStake += chance * stake;
                    continue;
                }
                const int32_t to = s.entryOfNode[static_cast<size_t>(child)];
                assert(to >= 0);
                const Entry& next = s.entries[static_cast<size_t>(to)];
                edges_.push_back({to, chance});
                e.edges += 1;
                keepNet += chance * next.stand;
                keepStake += chance * next.standStake;
            }
            e.dbl = 2 * (e.bust + keepNet);
            e.dblStake = 2 * (e.bustStake + keepStake);
        }
        s.entryOfNode[static_cast<size_t>(i)] = static_cast<int32_t>(s.entries.size());
        s.entries.push_back(e);
    }
}

void UpCardColumn::BuildDeals(const HandGraph& graph, const ExactRules& rules) {
    const double cards = shoe_.Total();
    const Situation& dealt = situations_[0];
    for (int a = 1; a <= kRanks; ++a)
        for (int b = a; b <= kRanks; ++b) {
            const double first = shoe_[a] / cards;
            const double second = (shoe_[b] - (a == b ? 1 : 0)) / (cards - 1);
            const double chance = (a == b ? 1 : 2) * first * second;
            if (chance <= 0) continue;
            RankCounts hand;
            hand[a] += 1;
            hand[b] += 1;
            const int node = graph.Find(hand);
            assert(node >= 0);
            Deal d;
            d.chance = chance;
            d.dealerBlackjack = 1 - NoBlackjackChance(shoe_ - hand, upRank_);
            d.entry = dealt.entryOfNode[static_cast<size_t>(node)];
            d.blackjack = a == kAceRank && b == kTenRank;
            const int total = graph[node].Total();
            d.permissions = (a == b ? kMaySplit : 0) |
                            (rules.DoubleAnyHand || total == 10 || total == 11 ? kMayDouble : 0) |
                            (rules.SurrenderAllowed ? kMaySurrender : 0);
            deals_.push_back(d);
        }

    splits_.resize(kRanks + 1);
    for (int p = 1; p <= kRanks; ++p) {
        if (shoe_[p] < 2) continue;
        const Situation& split = situations_[static_cast<size_t>(p)];
        const RankCounts left = Without(shoe_, p, 2);
        // Split aces take one card each and are never split again.
        const int mostHands = p == kAceRank || !rules.ResplitAllowed ? 2 : 4;
        SplitPlan& plan = splits_[static_cast<size_t>(p)];
        plan.hands = ExpectedSplitHands(left[p], left.Total(), mostHands);
        const double others = left.Total() - left[p];
        for (int x = 1; x <= kRanks; ++x) {
            if (left[x] == 0) continue;
            RankCounts hand;
            hand[p] += 1;
            hand[x] += 1;
            const int32_t entry = split.entryOfNode[static_cast<size_t>(graph.Find(hand))];
            assert(entry >= 0);
            if (x == p)
                plan.paired = entry;
            else
                plan.unpaired.emplace_back(entry, left[x] / others);
        }
    }
}

std::pair<double, double> UpCardColumn::HitValue(const Entry& e, const Values& v) const {
    double net = e.bust, staked = e.bustStake;
    for (uint32_t k = e.firstEdge; k < e.firstEdge + e.edges; ++k) {
        const Edge& edge = edges_[k];
        net += edge.chance * v[static_cast<size_t>(edge.entry)].first;
        staked += edge.chance * v[static_cast<size_t>(edge.entry)].second;
    }
    return {net, staked};
}

int UpCardColumn::SplitPermissions(const Entry& e) const {
    const bool doubles = doubleAfterSplit_ && (doubleAny_ || e.total == 10 || e.total == 11);
    return doubles ? kMayDouble : 0;
}

std::pair<double, double> UpCardColumn::TwoCardValue(const TableMoves& moves, int situation,
                                                     int32_t entry, int permissions,
                                                     const std::vector<Values>& v) const {
    const Situation& s = situations_[static_cast<size_t>(situation)];
    const Entry& e = s.entries[static_cast<size_t>(entry)];
    if (!s.played) return {e.stand, e.standStake};
    switch (moves.Move(upValue_, e.soft, e.total, permissions)) {
        case kHit:
            return HitValue(e, v[static_cast<size_t>(situation)]);
        case kDouble:
            return {e.dbl, e.dblStake};
        case kSurrender:
            return {-0.5 * e.standStake, e.standStake};
        case kSplit:
            return SplitValue(moves, e.pairRank, v);
        default:
            return {e.stand, e.standStake};
    }
}

std::pair<double, double> UpCardColumn::SplitValue(const TableMoves& moves, int pairRank,
                                                   const std::vector<Values>& v) const {
    const SplitPlan& plan = splits_[static_cast<size_t>(pairRank)];
    const Situation& s = situations_[static_cast<size_t>(pairRank)];
    auto hand = [&](int32_t entry) {
        return TwoCardValue(moves, pairRank, entry,
                            SplitPermissions(s.entries[static_cast<size_t>(entry)]), v);
    };
    double net = 0, staked = 0;
    for (const auto& [entry, chance] : plan.unpaired) {
        const auto [n, st] = hand(entry);
        net += plan.hands.Unpaired * chance * n;
        staked += plan.hands.Unpaired * chance * st;
    }
    if (plan.paired >= 0 && plan.hands.Paired > 0) {
        const auto [n, st] = hand(plan.paired);
        net += plan.hands.Paired * n;
        staked += plan.hands.Paired * st;
    }
    return {net, staked};
}

ColumnReturn UpCardColumn::Evaluate(const TableMoves& moves) const {
    // Every hand's value when only hitting and standing are left (after a hit, or a
    // hand the rules let do nothing else), children before parents.
    std::vector<Values> v(situations_.size());
    for (size_t k = 0; k < situations_.size(); ++k) {
        const Situation& s = situations_[k];
        Values& values = v[k];
        values.resize(s.entries.size());
        for (size_t i = 0; i < s.entries.size(); ++i) {
            const Entry& e = s.entries[i];
            const bool hit = s.played && moves.Move(upValue_, e.soft, e.total, 0) == kHit;
            values[i] = hit ? HitValue(e, values) : std::pair{e.stand, e.standStake};
        }
    }
    ColumnReturn out;
    for (const Deal& d : deals_) {
        if (d.blackjack) {
            // Paid 3 to 2 unless the dealer has blackjack too, which pushes.
            out.Net += d.chance * 1.5 * (1 - d.dealerBlackjack);
            out.Staked += d.chance;
            continue;
        }
        // The dealer's blackjack takes the bet before the player acts.
        const auto [net, staked] = TwoCardValue(moves, 0, d.entry, d.permissions, v);
        out.Net += d.chance * (net - d.dealerBlackjack);
        out.Staked += d.chance * (staked + d.dealerBlackjack);
    }
    return out;
}

}  // namespace velmora
