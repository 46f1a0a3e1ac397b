#include "SevenCardEval.h"

#include <algorithm>
#include <vector>

namespace make169 {

namespace {

enum Category : std::uint32_t {
    kHighCard, kPair, kTwoPair, kTrips, kStraight, kFlush, kFullHouse, kQuads, kStraightFlush
};

std::uint32_t make(Category c, std::uint32_t primary, std::uint32_t kickers) {
    return c << 26 | primary << 13 | kickers;
}

int popcount(std::uint32_t m) { return __builtin_popcount(m); }

std::uint32_t topBit(std::uint32_t m) { return m ? 1u << (31 - __builtin_clz(m)) : 0; }

// The n highest ranks of m.
std::uint32_t keepTop(std::uint32_t m, int n) {
    while (popcount(m) > n) m &= m - 1;
    return m;
}

// 1 + the rank of the top card of the best straight in m (the wheel counts
// its five as top), or 0.
std::uint32_t straightTop(std::uint32_t m) {
    const std::uint32_t low = (m << 1) | ((m >> 12) & 1);  // bit 0: the ace as one
    const std::uint32_t runs = low & (low >> 1) & (low >> 2) & (low >> 3) & (low >> 4);
    if (!runs) return 0;
    return static_cast<std::uint32_t>(31 - __builtin_clz(runs)) + 4;  // 4 (wheel) .. 13
}

}  // namespace

std::uint32_t strengthOf(const SuitMasks& s) {
    // In seven cards a flush rules out four of a kind and a full house.
    for (std::uint32_t suit : s) {
        if (popcount(suit) >= 5) {
            if (const std::uint32_t top = straightTop(suit)) return make(kStraightFlush, 0, top);
            return make(kFlush, 0, keepTop(suit, 5));
        }
    }
    const std::uint32_t all = s[0] | s[1] | s[2] | s[3];
    const std::uint32_t quads = s[0] & s[1] & s[2] & s[3];
    if (quads) return make(kQuads, quads, keepTop(all & ~quads, 1));
    const std::uint32_t three =
        (s[0] & s[1] & s[2]) | (s[0] & s[1] & s[3]) | (s[0] & s[2] & s[3]) | (s[1] & s[2] & s[3]);
    const std::uint32_t two = (s[0] & s[1]) | (s[0] & s[2]) | (s[0] & s[3]) | (s[1] & s[2]) |
                              (s[1] & s[3]) | (s[2] & s[3]);
    if (three) {
        const std::uint32_t trips = topBit(three);
        if (const std::uint32_t pair = topBit(two & ~trips)) return make(kFullHouse, trips, pair);
    }
    if (const std::uint32_t top = straightTop(all)) return make(kStraight, 0, top);
    if (three) {
        const std::uint32_t trips = topBit(three);
        return make(kTrips, trips, keepTop(all & ~trips, 2));
    }
    if (popcount(two) >= 2) {
        const std::uint32_t pairs = keepTop(two, 2);
        return make(kTwoPair, pairs, keepTop(all & ~pairs, 1));
    }
    if (two) return make(kPair, two, keepTop(all & ~two, 3));
    return make(kHighCard, 0, keepTop(all, 5));
}

namespace {

// A five-card hand as (category, ranks in tie-break order), packed.
std::uint64_t fiveCardStrength(const int (&c)[5]) {
    int count[13] = {};
    bool flush = true;
    for (int i = 0; i < 5; ++i) {
        ++count[c[i] / 4];
        if (c[i] % 4 != c[0] % 4) flush = false;
    }
    // Ranks ordered by how often they occur, then by rank, highest first.
    std::vector<std::pair<int, int>> groups;
    for (int r = 12; r >= 0; --r)
        if (count[r]) groups.push_back({count[r], r});
    std::stable_sort(groups.begin(), groups.end(),
                     [](auto a, auto b) { return a.first > b.first; });
    bool straight = false;
    int top = 0;
    if (groups.size() == 5) {
        if (groups[0].second - groups[4].second == 4) {
            straight = true;
            top = groups[0].second;
        } else if (groups[0].second == 12 && groups[1].second == 3) {
            straight = true;  // A-2-3-4-5
            top = 3;
        }
    }
    int category;
    if (straight && flush) category = 8;
    else if (groups[0].first == 4) category = 7;
    else if (groups[0].first == 3 && groups[1].first == 2) category = 6;
    else if (flush) category = 5;
    else if (straight) category = 4;
    else if (groups[0].first == 3) category = 3;
    else if (groups[0].first == 2 && groups[1].first == 2) category = 2;
    else if (groups[0].first == 2) category = 1;
    else category = 0;
    std::uint64_t packed = static_cast<std::uint64_t>(category);
    if (straight) return packed << 20 | static_cast<std::uint64_t>(top) << 16;
    for (std::size_t i = 0; i < 5; ++i)
        packed = packed << 4 | (i < groups.size() ? static_cast<std::uint64_t>(groups[i].second) : 0);
    return packed;
}

}  // namespace

std::uint64_t referenceStrength(const int (&cards)[7]) {
    std::uint64_t best = 0;
    for (int skipA = 0; skipA < 7; ++skipA) {
        for (int skipB = skipA + 1; skipB < 7; ++skipB) {
            int five[5];
            int n = 0;
            for (int i = 0; i < 7; ++i)
                if (i != skipA && i != skipB) five[n++] = cards[i];
            best = std::max(best, fiveCardStrength(five));
        }
    }
    return best;
}

}  // namespace make169
