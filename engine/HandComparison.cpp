#include "engine/HandComparison.h"

#include <array>

namespace poker {

namespace {

using RankList = std::array<std::int16_t, kHandSize>;

constexpr std::int16_t kAceHigh = 14;

// Every ace of both hands becomes 14, in the hands themselves, so that a
// second comparison of the same hands finds 14 and says the same.
void rewriteAces(Hand& hand1, Hand& hand2) {
    for (Hand* hand : {&hand1, &hand2}) {
        for (CardRec& card : *hand) {
            if (card.rank == 1) card.rank = kAceHigh;
        }
    }
}

// Ranks from the highest to the lowest (ace as 14); unfilled places hold 0.
RankList descendingList(const Hand& hand) {
    RankList list{};
    std::size_t k = 0;
    for (std::int16_t r = kAceHigh; r >= 2; --r) {
        for (const CardRec& card : hand) {
            if (card.rank == r && k < list.size()) list[k++] = r;
        }
    }
    return list;
}

// Ranks from the lowest up, aces left out: each ace leaves a 0 at the end.
RankList ascendingList(const Hand& hand) {
    RankList list{};
    std::size_t k = 0;
    for (std::int16_t r = 2; r <= 13; ++r) {
        for (const CardRec& card : hand) {
            if (card.rank == r && k < list.size()) list[k++] = r;
        }
    }
    return list;
}

// In an ascending list a 0 is an ace.
std::int16_t aceAsHigh(std::int16_t rank) { return rank == 0 ? kAceHigh : rank; }

const char* head(bool handOneWins) {
    return handOneWins ? "Hand (1) wins with " : "Hand (2) wins with ";
}

const char* headWithA(bool handOneWins) {
    return handOneWins ? "Hand (1) wins with a " : "Hand (2) wins with a ";
}

WinnerMessage blinking() {
    WinnerMessage message;
    message.setsBlink = true;
    return message;
}

WinnerMessage withSentence(std::string sentence) {
    WinnerMessage message = blinking();
    message.sentence = std::move(sentence);
    return message;
}

WinnerMessage tie() { return withSentence("There is a tie"); }

// The first place where the lists differ, or -1 when they are equal.
int firstDifference(const RankList& a, const RankList& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return static_cast<int>(i);
    }
    return -1;
}

// Words for the lowest card of a straight (the ace left out), 3 to 10.
const char* straightName(std::int16_t key) {
    static constexpr std::array<const char*, 8> names = {
        "seven high straight", "eight high straight", "nine high straight",
        "ten high straight",   "jack high straight",  "queen high straight",
        "king high straight",  "ace high straight"};
    return key >= 3 && key <= 10 ? names[static_cast<std::size_t>(key - 3)] : "";
}

const char* straightFlushName(std::int16_t key) {
    static constexpr std::array<const char*, 8> names = {
        "seven high straight flush", "eight high straight flush", "nine high straight flush",
        "ten high straight flush",   "jack high straight flush",  "queen high straight flush",
        "king high straight flush",  "Royal flush"};
    return key >= 3 && key <= 10 ? names[static_cast<std::size_t>(key - 3)] : "";
}

// Plural rank words 3..14 for the fixed sentences of fours, threes and the
// full-house heads; twos never win these, so they have no word.
const char* pluralRank(std::int16_t rank) {
    static constexpr std::array<const char*, 12> words = {
        "threes", "fours", "fives", "sixes", "sevens", "eights",
        "nines",  "tens",  "jacks", "queens", "kings", "aces"};
    return rank >= 3 && rank <= 14 ? words[static_cast<std::size_t>(rank - 3)] : nullptr;
}

WinnerMessage compareRuns(const Hand& hand1, const Hand& hand2, const char* (*name)(std::int16_t),
                          const char* sixHighName) {
    const RankList l1 = ascendingList(hand1);
    const RankList l2 = ascendingList(hand2);
    const std::int16_t k1 = l1[0];
    const std::int16_t k2 = l2[0];
    if (k1 > k2) return withSentence(std::string(headWithA(true)) + name(k1));
    if (k2 > k1) return withSentence(std::string(headWithA(false)) + name(k2));
    // Both start at two: the six-high run (ends in 6) beats the five-high one
    // (ends in the ace's 0).
    if (k1 == 2 && l2[4] == 6 && l1[4] == 0)
        return withSentence(std::string(headWithA(false)) + sixHighName);
    if (k1 == 2 && l1[4] == 6 && l2[4] == 0)
        return withSentence(std::string(headWithA(true)) + sixHighName);
    if (firstDifference(l1, l2) < 0) return tie();
    return blinking();
}

// The fixed sentence "Hand (n) wins with <kind> <plural rank>", none for twos.
WinnerMessage fixedRankSentence(bool handOneWins, const char* kind, std::int16_t key) {
    const char* plural = pluralRank(key);
    if (!plural) return blinking();
    return withSentence(std::string(head(handOneWins)) + kind + plural);
}

std::int16_t fourOfAKindRank(const RankList& list) {
    return aceAsHigh(list[0] == list[1] ? list[0] : list[4]);
}

std::int16_t threeOfAKindRank(const RankList& list) {
    for (std::int16_t rank : list) {
        int count = 0;
        for (std::int16_t other : list) count += other == rank ? 1 : 0;
        if (count >= 3) return aceAsHigh(rank);
    }
    return 0;
}

struct TwoPairKeys {
    std::int16_t higher = 0;
    std::int16_t lower = 0;
    std::int16_t odd = 0;
};

TwoPairKeys twoPairKeys(const RankList& l) {
    if (l[3] == l[4] && l[0] == l[1]) return {l[0], l[4], l[2]};
    if (l[1] == l[2] && l[3] == l[4]) return {l[1], l[4], l[0]};
    if (l[2] == l[3] && l[0] == l[1]) return {l[0], l[2], l[4]};
    return {};
}

std::int16_t pairRank(const RankList& l) {
    for (std::size_t i = 0; i + 1 < l.size(); ++i) {
        if (l[i] == l[i + 1]) return l[i];
    }
    return 0;
}

}  // namespace

WinnerMessage CompareSameHandType(Hand& hand1, Hand& hand2) {
    switch (static_cast<HandCategory>(hand1[0].value)) {
        case HandCategory::StraightFlush: return CompareStraightFlushes(hand1, hand2);
        case HandCategory::FourOfAKind: return CompareFourOfAKind(hand1, hand2);
        case HandCategory::FullHouse: return CompareFullHouses(hand1, hand2);
        case HandCategory::Flush: return CompareFlushes(hand1, hand2);
        case HandCategory::Straight: return CompareStraights(hand1, hand2);
        case HandCategory::ThreeOfAKind: return CompareThreeOfAKind(hand1, hand2);
        case HandCategory::TwoPair: return CompareTwoPairs(hand1, hand2);
        case HandCategory::Pair: return ComparePairs(hand1, hand2);
        case HandCategory::HighCard: return CompareHighCards(hand1, hand2);
        default: return {};
    }
}

WinnerMessage CompareStraightFlushes(Hand& hand1, Hand& hand2) {
    return compareRuns(hand1, hand2, straightFlushName, "six high straight flush");
}

WinnerMessage CompareStraights(Hand& hand1, Hand& hand2) {
    return compareRuns(hand1, hand2, straightName, "six high straight");
}

WinnerMessage CompareFourOfAKind(Hand& hand1, Hand& hand2) {
    const std::int16_t k1 = fourOfAKindRank(ascendingList(hand1));
    const std::int16_t k2 = fourOfAKindRank(ascendingList(hand2));
    const bool oneWins = k1 > k2;
    return fixedRankSentence(oneWins, "four of a kind ", oneWins ? k1 : k2);
}

WinnerMessage CompareFullHouses(Hand& hand1, Hand& hand2) {
    struct Keys {
        std::int16_t trips, pair;
    };
    auto keys = [](const RankList& l) {
        return l[0] == l[1] && l[1] == l[2] ? Keys{aceAsHigh(l[0]), aceAsHigh(l[4])}
                                            : Keys{aceAsHigh(l[4]), aceAsHigh(l[0])};
    };
    const Keys k1 = keys(ascendingList(hand1));
    const Keys k2 = keys(ascendingList(hand2));
    const bool oneWins = k1.trips > k2.trips;
    const Keys& winner = oneWins ? k1 : k2;
    std::string sentence;
    if (winner.trips == 3) {
        // The heads for threes have no "with".
        sentence = oneWins ? "Hand (1) wins threes " : "Hand (2) wins threes ";
    } else if (const char* plural = pluralRank(winner.trips)) {
        sentence = std::string(head(oneWins)) + plural + " ";
    }
    return withSentence(sentence + FullHouseName(winner.pair));
}

WinnerMessage CompareFlushes(Hand& hand1, Hand& hand2) {
    rewriteAces(hand1, hand2);
    const RankList l1 = descendingList(hand1);
    const RankList l2 = descendingList(hand2);
    const int place = firstDifference(l1, l2);
    if (place < 0) return tie();
    const bool oneWins = l1[static_cast<std::size_t>(place)] > l2[static_cast<std::size_t>(place)];
    const RankList& winner = oneWins ? l1 : l2;
    std::string sentence = std::string(head(oneWins)) + FlushName(winner[0]);
    if (place != 0) sentence += FlushKickerName(winner[static_cast<std::size_t>(place)]);
    return withSentence(sentence);
}

WinnerMessage CompareThreeOfAKind(Hand& hand1, Hand& hand2) {
    const std::int16_t k1 = threeOfAKindRank(ascendingList(hand1));
    const std::int16_t k2 = threeOfAKindRank(ascendingList(hand2));
    const bool oneWins = k1 > k2;
    return fixedRankSentence(oneWins, "three of a kind ", oneWins ? k1 : k2);
}

WinnerMessage CompareTwoPairs(Hand& hand1, Hand& hand2) {
    rewriteAces(hand1, hand2);
    const TwoPairKeys k1 = twoPairKeys(descendingList(hand1));
    const TwoPairKeys k2 = twoPairKeys(descendingList(hand2));
    const RankList a = {k1.higher, k1.lower, k1.odd, 0, 0};
    const RankList b = {k2.higher, k2.lower, k2.odd, 0, 0};
    const int place = firstDifference(a, b);
    if (place < 0) return tie();
    const bool oneWins = a[static_cast<std::size_t>(place)] > b[static_cast<std::size_t>(place)];
    return withSentence(oneWins ? "Hand (1) wins with two pair" : "Hand (2) wins with two pair");
}

WinnerMessage ComparePairs(Hand& hand1, Hand& hand2) {
    rewriteAces(hand1, hand2);
    const RankList l1 = descendingList(hand1);
    const RankList l2 = descendingList(hand2);
    const std::int16_t p1 = pairRank(l1);
    const std::int16_t p2 = pairRank(l2);
    if (p1 > p2) return withSentence(head(true) + PairName(p1));
    if (p2 > p1) return withSentence(head(false) + PairName(p2));
    const int place = firstDifference(l1, l2);
    if (place < 0) return tie();
    const bool oneWins = l1[static_cast<std::size_t>(place)] > l2[static_cast<std::size_t>(place)];
    const RankList& winner = oneWins ? l1 : l2;
    return withSentence(head(oneWins) + PairName(p1) +
                        KickerName(winner[static_cast<std::size_t>(place)]));
}

WinnerMessage CompareHighCards(Hand& hand1, Hand& hand2) {
    rewriteAces(hand1, hand2);
    const RankList l1 = descendingList(hand1);
    const RankList l2 = descendingList(hand2);
    if (l1[0] > l2[0]) return withSentence(head(true) + HighCardName(l1[0]));
    if (l2[0] > l1[0]) return withSentence(head(false) + HighCardName(l2[0]));
    const int place = firstDifference(l1, l2);
    if (place < 0) return tie();
    const bool oneWins = l1[static_cast<std::size_t>(place)] > l2[static_cast<std::size_t>(place)];
    const RankList& winner = oneWins ? l1 : l2;
    return withSentence(head(oneWins) + HighCardName(winner[0]) +
                        KickerName(winner[static_cast<std::size_t>(place)]));
}

}  // namespace poker
