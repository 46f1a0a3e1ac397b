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

// The quick path, for real cards: every rank 1..13 and every suit 0..3.
// Each card adds its entry from a small table into one 64-bit sum:
//   bits  0..38  a 3-bit count per rank, the ace in field 0 ... the king in 12
//   bits 39..41  the aces once more, as field 13 above the king, for the runs
//   bits 42..57  a 4-bit count per suit
//   bits 58..60  cards whose rank is 0, 14 or 15, which the quick path leaves
// Carries out of the rank counts tell the pairs, threes and fours, a run is
// five neighbouring counts of one, a flush a suit count of five; a second
// small table turns that into the category. No branch depends on the cards,
// so shuffled hands cost no more than sorted ones.
constexpr std::uint64_t kRankOnes = 01111111111111ULL;  // fields 0..12 (octal)
constexpr std::uint64_t kRunOnes = 011111111111111ULL;  // fields 0..13
constexpr std::uint64_t kSuitOnes = 0x1111ULL << 42;
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

// Key of the category table: bits 0..2 the weight of the repeated ranks
// (1 per rank held twice or more, 2 more per rank held three times or more,
// 4 more per rank held four times or more: pair 1, two pair 2, three 3,
// full house 4, four 7), bit 3 a flush, bit 4 a run.
constexpr unsigned kFlushBit = 8;
constexpr unsigned kRunBit = 16;

// Reading card `count` is the first thing that would go out of range; kept
// apart so that the classification stays small.
NEVER_INLINE HandCategory reportShortHand(const ErrorReporter& report) {
    if (report) report("Error  in  EvaluatePokerHand (  Subscript out of range  )");
    return HandCategory::None;
}

constexpr HandCategory categoryOfKey(unsigned key) {
    const unsigned repeats = key & 7;
    const bool flush = key & kFlushBit;
    const bool run = (key & kRunBit) && repeats == 0;
    if (repeats == 7) return HandCategory::FourOfAKind;
    if (repeats == 4) return HandCategory::FullHouse;
    if (flush && run) return HandCategory::StraightFlush;
    if (flush) return HandCategory::Flush;
    if (run) return HandCategory::Straight;
    if (repeats == 3) return HandCategory::ThreeOfAKind;
    if (repeats == 2) return HandCategory::TwoPair;
    if (repeats == 1) return HandCategory::Pair;
    return HandCategory::HighCard;
}

struct CategoryTable {
    std::array<HandCategory, 32> category{};
    constexpr CategoryTable() {
        for (unsigned key = 0; key < 32; ++key) category[key] = categoryOfKey(key);
    }
};

constexpr CategoryTable kCategoryTable;

inline std::uint32_t rankAndSuit(const CardRec& card) {
    return static_cast<std::uint16_t>(card.rank) |
           static_cast<std::uint32_t>(static_cast<std::uint16_t>(card.suit)) << 16;
}

// None when a rank is not 1..13 or a suit not 0..3; those go by the rules.
ALWAYS_INLINE HandCategory quickCategory(const CardRec* cards) {
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
    if (((c0 | c1 | c2 | c3 | c4) & ~0x3000FU) | (sum >> kLeftOutShift)) return HandCategory::None;

    // Counts are at most 5 in 3 bits: adding 2 or 1 reaches the top bit of a
    // field exactly when the count is 2 or more, 3 or more; 4 or more has it set.
    const std::uint64_t twoPlus = (sum + 2 * kRankOnes) & 4 * kRankOnes;
    const std::uint64_t threePlus = (sum + kRankOnes) & 4 * kRankOnes;
    const std::uint64_t fourPlus = sum & 4 * kRankOnes;
    const std::uint64_t weights = twoPlus >> 2 | threePlus >> 1 | fourPlus;
    // The product gathers the sum of all fields into field 12; it is at most 7.
    const unsigned repeats = static_cast<unsigned>((weights * kRankOnes) >> 36) & 7;

    // Five neighbouring fields holding an odd count; only counts of one can
    // line up five in a row when the table honours runs without repeats.
    const std::uint64_t odd = sum & kRunOnes;
    const std::uint64_t two = odd & odd >> 3;
    const std::uint64_t five = two & two >> 6 & odd >> 12;
    const unsigned run = static_cast<unsigned>((five + (1ULL << 63) - 1) >> 59) & kRunBit;

    // A suit count of 5 plus 3 reaches 8; then the sum below reaches 2^63.
    const std::uint64_t fiveOfASuit = (sum + 3 * kSuitOnes) & 8 * kSuitOnes;
    const unsigned flush =
        static_cast<unsigned>((fiveOfASuit + ((1ULL << 63) - (1ULL << 45))) >> 60) & kFlushBit;

    return kCategoryTable.category[repeats | flush | run];
}

}  // namespace

namespace detail {

HandCategory classifyStepByStep(const CardRec* cards) {
    return classifySorted(sortByRank(cards));
}

std::optional<HandCategory> classifyQuick(const CardRec* cards) {
    const HandCategory category = quickCategory(cards);
    if (category == HandCategory::None) return std::nullopt;
    return category;
}

}  // namespace detail

HandCategory EvaluatePokerHand(const CardRec* cards, std::size_t count,
                               const ErrorReporter& report) {
    if (cards != nullptr && count >= kHandSize) {
        const HandCategory quick = quickCategory(cards);
        if (quick != HandCategory::None) return quick;
        return detail::classifyStepByStep(cards);
    }
    return reportShortHand(report);
}

HandCategory EvaluatePokerHand(const Hand& hand, const ErrorReporter& report) {
    return EvaluatePokerHand(hand.data(), hand.size(), report);
}

}  // namespace poker
