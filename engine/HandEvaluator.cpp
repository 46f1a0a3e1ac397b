#include "engine/HandEvaluator.h"

#include "engine/HandEvaluatorDetail.h"

#include <array>
#include <cstdint>
#include <optional>

#if defined(__GNUC__)
#define ALWAYS_INLINE inline __attribute__((always_inline))
#define NEVER_INLINE __attribute__((noinline, cold))
#else
#define ALWAYS_INLINE inline
#define NEVER_INLINE
#endif

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

// Reading card `count` is the first thing that would go out of range; kept
// apart so that the classification stays small.
NEVER_INLINE HandCategory reportShortHand(const ErrorReporter& report) {
    if (report) report("Error  in  EvaluatePokerHand (  Subscript out of range  )");
    return HandCategory::None;
}

// The quick path, for real cards: every rank 1..13 and every suit 0..3.
// Each card adds its entry from a small table into one 64-bit sum:
//   bits  0..38  a 3-bit count per rank, the ace in field 0 ... the king in 12
//   bits 39..41  the aces once more, as field 13 above the king, for the runs
//   bits 42..57  a 4-bit count per suit
//   bits 58..60  cards whose rank is 0, 14 or 15, which the quick path leaves
// Carries out of the rank counts weigh the pairs, threes and fours;
// multiplicative hashes of the rank pattern and of the suit counts find the
// runs and the flushes; a last small table turns these into the category.
// No branch depends on the cards, so shuffled hands cost what sorted ones do.
constexpr std::uint64_t kRankOnes = 01111111111111ULL;  // fields 0..12 (octal)
constexpr std::uint64_t kRunOnes = 011111111111111ULL;  // fields 0..13
constexpr int kLeftOutShift = 58;

constexpr std::uint64_t cardEntry(unsigned rank, unsigned suit) {
    if (rank < 1 || rank > 13) return 1ULL << kLeftOutShift;
    const std::uint64_t aceAbove = rank == 1 ? 1ULL << 39 : 0;
    return 1ULL << 3 * (rank - 1) | aceAbove | 1ULL << (42 + 4 * suit);
}

// Rank (bits 0..15) and suit (bits 16..31) of a card in one word; the
// multiplication maps rank and suit below 16 and 4 to 4 * rank + suit, and
// any word at all to 0..63.
constexpr unsigned entryIndex(std::uint32_t rankAndSuit) {
    return static_cast<std::uint32_t>(rankAndSuit * ((1U << 28) + (1U << 10))) >> 26;
}

struct EntryTable {
    std::array<std::uint64_t, 64> entry{};
    constexpr EntryTable() {
        for (unsigned rank = 0; rank < 16; ++rank)
            for (unsigned suit = 0; suit < 4; ++suit)
                entry[entryIndex(rank | suit << 16)] = cardEntry(rank, suit);
    }
};

constexpr EntryTable kEntryTable;

// Runs: for five different ranks the odd-count bits of the rank fields
// (fields 0..13) are the hand's rank pattern; a multiplicative hash with
// this multiplier sends the ten runs to slots that none of the other 1,277
// patterns of five ranks reaches. The table is honoured only without repeats.
constexpr std::uint64_t kRunHashMultiplier = 0x989a2f464c3b8477ULL;
constexpr int kRunHashBits = 10;

constexpr unsigned runSlot(std::uint64_t pattern) {
    return static_cast<unsigned>((pattern * kRunHashMultiplier) >> (64 - kRunHashBits));
}

constexpr unsigned kRunBit = 8;

struct RunTable {
    std::array<std::uint8_t, 1U << kRunHashBits> bit{};
    constexpr RunTable() {
        for (unsigned low = 1; low <= 10; ++low) {  // the ace-low run up to the ace-high run
            std::uint64_t pattern = 0;
            for (unsigned rank = low; rank < low + 5; ++rank)
                pattern |= cardEntry(rank == 14 ? 1 : rank, 0);
            bit[runSlot(pattern & kRunOnes)] = kRunBit;
        }
    }
};

constexpr RunTable kRunTable;

// Flushes: the four suit counts (bits 42..57) hashed to 4 bits; the four
// flushes land on slots no mixed hand reaches.
constexpr std::uint32_t kSuitHashMultiplier = 0x7ada8ec7U;

constexpr unsigned suitSlot(std::uint64_t sum) {
    return static_cast<std::uint32_t>(static_cast<std::uint32_t>(sum >> 42) *
                                      kSuitHashMultiplier) >>
           28;
}

// Key of the category table: bits 0..2 the weight of the repeated ranks,
// summed over the ranks with the weights 0 0 2 3 1 1 for counts 0 to 5
// (pair 2, two pair 4, three 3, full house 5, four or five 1); bit 3 a run;
// bits 4..7 the suit slot.
constexpr HandCategory categoryOfKey(unsigned key) {
    const unsigned repeats = key & 7;
    const bool run = (key & kRunBit) && repeats == 0;
    bool flush = false;
    for (unsigned suit = 0; suit < 4; ++suit) {
        flush = flush || key >> 4 == suitSlot(5ULL << (42 + 4 * suit));
    }
    if (repeats == 1) return HandCategory::FourOfAKind;
    if (repeats == 5) return HandCategory::FullHouse;
    if (flush && run) return HandCategory::StraightFlush;
    if (flush) return HandCategory::Flush;
    if (run) return HandCategory::Straight;
    if (repeats == 3) return HandCategory::ThreeOfAKind;
    if (repeats == 4) return HandCategory::TwoPair;
    if (repeats == 2) return HandCategory::Pair;
    return HandCategory::HighCard;
}

struct CategoryTable {
    std::array<HandCategory, 256> category{};
    constexpr CategoryTable() {
        for (unsigned key = 0; key < 256; ++key) category[key] = categoryOfKey(key);
    }
};

constexpr CategoryTable kCategoryTable;

inline std::uint32_t rankAndSuit(const CardRec& card) {
    return static_cast<std::uint16_t>(card.rank) |
           static_cast<std::uint32_t>(static_cast<std::uint16_t>(card.suit)) << 16;
}

// False when a rank is not 1..13 or a suit not 0..3: those go by the rules.
ALWAYS_INLINE bool quickCategory(const CardRec* cards, HandCategory& category) {
    const std::uint32_t c0 = rankAndSuit(cards[0]);
    const std::uint32_t c1 = rankAndSuit(cards[1]);
    const std::uint32_t c2 = rankAndSuit(cards[2]);
    const std::uint32_t c3 = rankAndSuit(cards[3]);
    const std::uint32_t c4 = rankAndSuit(cards[4]);
    const std::uint64_t sum = kEntryTable.entry[entryIndex(c0)] +
                              kEntryTable.entry[entryIndex(c1)] +
                              kEntryTable.entry[entryIndex(c2)] +
                              kEntryTable.entry[entryIndex(c3)] + kEntryTable.entry[entryIndex(c4)];
    // A rank above 15 or a suit above 3 shows in the words themselves.
    if (((c0 | c1 | c2 | c3 | c4) & ~0x3000FU) | (sum >> kLeftOutShift)) return false;

    // A count v (at most 5) weighs (v & 2) | [v >= 3]: bit 1 of the count,
    // and the carry into bit 2 when 1 is added.
    const std::uint64_t weights = (sum & 2 * kRankOnes) | ((sum + kRankOnes) & 4 * kRankOnes) >> 2;
    // The product gathers the sum of all fields into field 12; it is at most 5.
    const unsigned repeats = static_cast<unsigned>((weights * kRankOnes) >> 36) & 7;

    const unsigned run = kRunTable.bit[runSlot(sum & kRunOnes)];
    category = kCategoryTable.category[repeats | run | suitSlot(sum) << 4];
    return true;
}

}  // namespace

namespace detail {

HandCategory classifyStepByStep(const CardRec* cards) {
    return classifySorted(sortByRank(cards));
}

std::optional<HandCategory> classifyQuick(const CardRec* cards) {
    HandCategory category = HandCategory::None;
    if (!quickCategory(cards, category)) return std::nullopt;
    return category;
}

}  // namespace detail

HandCategory EvaluatePokerHand(const CardRec* cards, std::size_t count,
                               const ErrorReporter& report) {
    if (cards != nullptr && count >= kHandSize) {
        HandCategory category = HandCategory::None;
        if (quickCategory(cards, category)) return category;
        return detail::classifyStepByStep(cards);
    }
    return reportShortHand(report);
}

HandCategory EvaluatePokerHand(const Hand& hand, const ErrorReporter& report) {
    return EvaluatePokerHand(hand.data(), hand.size(), report);
}

}  // namespace poker
