#include "engine/HandEvaluator.h"

#include <array>
#include <cstdint>

namespace poker {

namespace {

// The rules below follow the tutor's classifier step by step, so that hands
// the lessons never build (a 14 left by a comparison, ranks outside 1..13,
// repeated cards) are classified the same way it classifies them.
struct SortedHand {
    std::array<CardRec, kHandSize> card{};  // unfilled places stay all zero
};

// Ascending by rank, equal ranks in their input order, as a pass over the
// ranks 0..300 would copy them. A rank outside 0..300 is never copied, which
// leaves a zero record at the end.
SortedHand sortByRank(const CardRec* cards) {
    SortedHand sorted;
    std::size_t k = 0;
    for (std::size_t i = 0; i < kHandSize; ++i) {
        if (cards[i].rank < 0 || cards[i].rank > 300) continue;
        std::size_t place = k++;
        for (; place > 0 && sorted.card[place - 1].rank > cards[i].rank; --place) {
            sorted.card[place] = sorted.card[place - 1];
        }
        sorted.card[place] = cards[i];
    }
    return sorted;
}

bool isFlush(const SortedHand& s) {
    for (std::size_t i = 1; i < kHandSize; ++i) {
        if (s.card[i].suit != s.card[0].suit) return false;
    }
    return true;
}

bool isConsecutive(const SortedHand& s) {
    int count = 0;
    for (std::size_t i = 1; i < kHandSize; ++i) {
        if (s.card[i].rank == s.card[0].rank + static_cast<int>(i)) ++count;
    }
    return count >= 4;
}

bool isAceHigh(const SortedHand& s) {
    static constexpr std::array<std::int16_t, kHandSize> aceHigh = {1, 10, 11, 12, 13};
    for (std::size_t i = 0; i < kHandSize; ++i) {
        if (s.card[i].rank != aceHigh[i]) return false;
    }
    return true;
}

int countOfRank(const SortedHand& s, int rank) {
    int count = 0;
    for (const CardRec& card : s.card) count += card.rank == rank ? 1 : 0;
    return count;
}

bool someRankReaches(const SortedHand& s, int count) {
    for (int r = 1; r <= 13; ++r) {
        if (countOfRank(s, r) >= count) return true;
    }
    return false;
}

// The rank of the last card, in sorted order, whose rank is not r.
int partnerOf(const SortedHand& s, int r) {
    int partner = 0;
    for (const CardRec& card : s.card) {
        if (card.rank != r) partner = card.rank;
    }
    return partner;
}

// Once some rank r reaches `reach` cards, the partner (the last other rank)
// is counted; the count runs on over all ranks, and two partner cards make
// the hand. With reach 3 this is the full house, with reach 2 two pair.
bool partnerTestHolds(const SortedHand& s, int reach) {
    int partnerCount = 0;
    for (int r = 1; r <= 13; ++r) {
        int count = 0;
        for (const CardRec& card : s.card) {
            if (card.rank != r) continue;
            if (++count != reach) continue;
            const int partner = partnerOf(s, r);
            for (const CardRec& other : s.card) {
                if (other.rank == partner && ++partnerCount >= 2) return true;
            }
        }
    }
    return false;
}

HandCategory classifySorted(const SortedHand& s) {
    const bool flush = isFlush(s);
    if (flush && isAceHigh(s)) return HandCategory::StraightFlush;
    if (flush && isConsecutive(s)) return HandCategory::StraightFlush;
    if (someRankReaches(s, 4)) return HandCategory::FourOfAKind;
    if (partnerTestHolds(s, 3)) return HandCategory::FullHouse;
    if (flush) return HandCategory::Flush;
    if (isConsecutive(s) || isAceHigh(s)) return HandCategory::Straight;
    if (someRankReaches(s, 3)) return HandCategory::ThreeOfAKind;
    if (partnerTestHolds(s, 2)) return HandCategory::TwoPair;
    if (someRankReaches(s, 2)) return HandCategory::Pair;
    return HandCategory::HighCard;
}

}  // namespace

HandCategory EvaluatePokerHand(const CardRec* cards, std::size_t count,
                               const ErrorReporter& report) {
    if (cards == nullptr || count < kHandSize) {
        // Reading card `count` is the first thing that would go out of range.
        if (report) report("Error  in  EvaluatePokerHand (  Subscript out of range  )");
        return HandCategory::None;
    }
    return classifySorted(sortByRank(cards));
}

HandCategory EvaluatePokerHand(const Hand& hand, const ErrorReporter& report) {
    return EvaluatePokerHand(hand.data(), hand.size(), report);
}

}  // namespace poker
