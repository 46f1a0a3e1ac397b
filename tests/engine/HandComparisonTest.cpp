// The winner sentence of CompareSameHandType and showWinner against a
// textbook ordering of poker hands written here, over many random pairs of
// hands from one deck: every category, wheels, kickers at every place, ties.

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/HandComparison.h"
#include "engine/HandEvaluator.h"
#include "engine/HandTexts.h"
#include "tests/engine/TestHands.h"

using poker::CardRec;
using poker::Hand;
using poker::HandCategory;

namespace {

// ---- The textbook ordering (ace high, 14; the wheel is five-high) ----------

enum class Kind {
    HighCard,
    Pair,
    TwoPair,
    Trips,
    Straight,
    Flush,
    FullHouse,
    Quads,
    StraightFlush
};

struct Strength {
    Kind kind = Kind::HighCard;
    std::vector<int> order;  // ranks to compare, most significant first
};

int aceHigh(int rank) {
    return rank == 1 ? 14 : rank;
}

Strength textbook(const Hand& hand) {
    std::map<int, int> count;
    std::set<int> suits;
    for (const CardRec& card : hand) {
        ++count[aceHigh(card.rank)];
        suits.insert(card.suit);
    }
    // Groups by size, then by rank, both descending.
    std::vector<std::pair<int, int>> groups;
    for (const auto& [rank, n] : count) groups.push_back({n, rank});
    std::sort(groups.rbegin(), groups.rend());
    Strength s;
    for (const auto& g : groups) s.order.push_back(g.second);
    const bool flush = suits.size() == 1;
    int top = 0;
    if (groups.size() == 5) {
        if (s.order[0] - s.order[4] == 4) top = s.order[0];
        if (s.order == std::vector<int>{14, 5, 4, 3, 2}) top = 5;
    }
    if (top && flush) return {Kind::StraightFlush, {top}};
    if (groups[0].first == 4) return {Kind::Quads, s.order};
    if (groups[0].first == 3 && groups[1].first == 2) return {Kind::FullHouse, s.order};
    if (flush) return {Kind::Flush, s.order};
    if (top) return {Kind::Straight, {top}};
    if (groups[0].first == 3) return {Kind::Trips, s.order};
    if (groups[0].first == 2 && groups[1].first == 2) return {Kind::TwoPair, s.order};
    if (groups[0].first == 2) return {Kind::Pair, s.order};
    return {Kind::HighCard, s.order};
}

// 1 when hand 1 is stronger, 2 when hand 2 is, 0 for a tie.
int textbookWinner(const Strength& a, const Strength& b) {
    if (a.kind != b.kind) return a.kind > b.kind ? 1 : 2;
    if (a.order == b.order) return 0;
    return a.order > b.order ? 1 : 2;
}

// ---- The system's texts, as its tables give them ---------------------------

const std::map<int, std::string> kPlural = {
    {2, "twos"},    {3, "threes"}, {4, "fours"}, {5, "fives"}, {6, "sixes"},
    {7, "sevens"},  {8, "eights"}, {9, "nines"}, {10, "tens"}, {11, "jacks"},
    {12, "queens"}, {13, "kings"}, {14, "aces"}};
const std::map<int, std::string> kFlushName = {
    {6, "a six high flush"},    {7, "a seven high flush"}, {8, "an eight high flush"},
    {9, "a nine high flush"},   {10, "a ten high flush"},  {11, "an jack high flush"},
    {12, "a queen high flush"}, {13, "a king high flush"}, {14, "an ace high flush"}};
const std::map<int, std::string> kWord = {{2, "two"},  {3, "three"}, {4, "four"},   {5, "five"},
                                          {6, "sixe"}, {7, "seven"}, {8, "eight"},  {9, "nine"},
                                          {10, "ten"}, {11, "jack"}, {12, "queen"}, {13, "king"},
                                          {14, "ace"}};
const std::map<int, std::string> kStraightTop = {{7, "seven"}, {8, "eight"}, {9, "nine"},
                                                 {10, "ten"},  {11, "jack"}, {12, "queen"},
                                                 {13, "king"}};

std::string head(int winner) {
    return winner == 1 ? "Hand (1) wins with " : "Hand (2) wins with ";
}

std::string flushKicker(int rank) {
    return rank == 6 ? " six kicker" : " " + kWord.at(rank) + " kicker";
}

int firstDifference(const std::vector<int>& a, const std::vector<int>& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) return static_cast<int>(i);
    }
    return -1;
}

std::vector<int> descending(const Hand& hand) {
    std::vector<int> ranks;
    for (const CardRec& card : hand) ranks.push_back(aceHigh(card.rank));
    std::sort(ranks.rbegin(), ranks.rend());
    return ranks;
}

// What the tutor writes for two hands of one kind, from the textbook facts.
// `place` reports where the deciding card stood (kicker places), or -1.
std::string expectedSentence(const Hand& h1, const Hand& h2, int& place) {
    const Strength a = textbook(h1);
    const Strength b = textbook(h2);
    const int winner = textbookWinner(a, b);
    place = -1;
    if (winner == 0) return "There is a tie";
    const Strength& w = winner == 1 ? a : b;
    const Strength& l = winner == 1 ? b : a;
    switch (a.kind) {
        case Kind::StraightFlush:
        case Kind::Straight: {
            const std::string flush = a.kind == Kind::StraightFlush ? " flush" : "";
            const int top = w.order[0];
            if (top == 6) return head(winner) + "a six high straight" + flush;
            if (top == 14) {
                return head(winner) +
                       (a.kind == Kind::StraightFlush ? "a Royal flush" : "a ace high straight");
            }
            return head(winner) + "a " + kStraightTop.at(top) + " high straight" + flush;
        }
        case Kind::Quads:
            return head(winner) + "four of a kind " + kPlural.at(w.order[0]);
        case Kind::FullHouse: {
            const std::string full = "full of " + kPlural.at(w.order[1]);
            if (w.order[0] == 3)
                return (winner == 1 ? "Hand (1) wins threes " : "Hand (2) wins threes ") + full;
            return head(winner) + kPlural.at(w.order[0]) + " " + full;
        }
        case Kind::Flush: {
            place = firstDifference(w.order, l.order);
            std::string s = head(winner) + kFlushName.at(w.order[0]);
            if (place > 0) s += flushKicker(w.order[static_cast<std::size_t>(place)]);
            return s;
        }
        case Kind::Trips:
            return head(winner) + "three of a kind " + kPlural.at(w.order[0]);
        case Kind::TwoPair:
            return head(winner) + "two pair";
        case Kind::Pair: {
            const std::string pair = "pair of " + kPlural.at(w.order[0]);
            if (w.order[0] != l.order[0]) return head(winner) + pair;
            // Kickers are order[1..3]; the first that differs names the winner's.
            place = firstDifference(w.order, l.order);
            return head(winner) + pair + " " + kWord.at(w.order[static_cast<std::size_t>(place)]) +
                   " kicker";
        }
        case Kind::HighCard: {
            place = firstDifference(w.order, l.order);
            std::string s = head(winner) + "high card " + kWord.at(w.order[0]);
            if (place > 0)
                s += " " + kWord.at(w.order[static_cast<std::size_t>(place)]) + " kicker";
            return s;
        }
    }
    return "<no sentence>";
}

// ---- Random hands of each kind ---------------------------------------------

CardRec card(int rank, int suit) {
    return CardRec{static_cast<std::int16_t>(4 * (rank - 1) + suit),
                   static_cast<std::int16_t>(rank), static_cast<std::int16_t>(suit), 0};
}

class HandMaker {
  public:
    explicit HandMaker(unsigned seed) : random_(seed) {}

    // A hand of the kind; the ranks are drawn so that every shape comes up,
    // wheels and broadways included.
    Hand make(Kind kind) {
        for (;;) {
            Hand hand = draft(kind);
            if (distinct(hand) && textbook(hand).kind == kind) return hand;
        }
    }

    // A hand of the kind that shares no card with `other`.
    Hand makeBeside(Kind kind, const Hand& other) {
        for (;;) {
            Hand hand = make(kind);
            if (!sharesCard(hand, other)) return hand;
        }
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  private:
    int rank() { return 1 + below(13); }
    int suit() { return below(4); }

    std::vector<int> distinctRanks(int n) {
        std::vector<int> ranks(13);
        for (int i = 0; i < 13; ++i) ranks[static_cast<std::size_t>(i)] = i + 1;
        std::shuffle(ranks.begin(), ranks.end(), random_);
        ranks.resize(static_cast<std::size_t>(n));
        return ranks;
    }

    Hand draft(Kind kind) {
        Hand h{};
        const int s = suit();
        switch (kind) {
            case Kind::StraightFlush:
            case Kind::Straight: {
                const int low = 1 + below(10);  // 1 is the wheel, 10 the broadway
                for (int i = 0; i < 5; ++i) {
                    const int r = low + i == 14 ? 1 : low + i;
                    h[static_cast<std::size_t>(i)] =
                        card(r, kind == Kind::StraightFlush ? s : suit());
                }
                break;
            }
            case Kind::Flush: {
                const auto r = distinctRanks(5);
                for (std::size_t i = 0; i < 5; ++i) h[i] = card(r[i], s);
                break;
            }
            default: {
                // Group sizes for the kind, ranks distinct between groups.
                static const std::map<Kind, std::vector<int>> shapes = {
                    {Kind::Quads, {4, 1}},      {Kind::FullHouse, {3, 2}},
                    {Kind::Trips, {3, 1, 1}},   {Kind::TwoPair, {2, 2, 1}},
                    {Kind::Pair, {2, 1, 1, 1}}, {Kind::HighCard, {1, 1, 1, 1, 1}}};
                const auto& shape = shapes.at(kind);
                const auto ranks = distinctRanks(static_cast<int>(shape.size()));
                std::size_t k = 0;
                for (std::size_t g = 0; g < shape.size(); ++g) {
                    std::array<int, 4> suits = {0, 1, 2, 3};
                    std::shuffle(suits.begin(), suits.end(), random_);
                    for (int i = 0; i < shape[g]; ++i)
                        h[k++] = card(ranks[g], suits[static_cast<std::size_t>(i)]);
                }
                break;
            }
        }
        std::shuffle(h.begin(), h.end(), random_);
        return h;
    }

    static bool distinct(const Hand& h) {
        std::set<int> ids;
        for (const CardRec& c : h) ids.insert(c.id);
        return ids.size() == 5;
    }

    static bool sharesCard(const Hand& a, const Hand& b) {
        for (const CardRec& x : a)
            for (const CardRec& y : b)
                if (x.id == y.id) return true;
        return false;
    }

    std::mt19937 random_;
};

// The same ranks with every suit moved on by one: a hand that ties and
// shares no card.
Hand suitsMovedOn(const Hand& hand) {
    Hand moved = hand;
    for (CardRec& c : moved) c = card(c.rank, (c.suit + 1) % 4);
    return moved;
}

// The same hand with the suits moved on and one unpaired card given a rank
// the hand does not hold: the kickers decide between the two.
Hand kickerSibling(const Hand& hand, HandMaker& maker) {
    for (;;) {
        Hand sibling = suitsMovedOn(hand);
        std::map<int, int> count;
        for (const CardRec& c : hand) ++count[c.rank];
        std::vector<std::size_t> singles;
        for (std::size_t i = 0; i < 5; ++i) {
            if (count[hand[i].rank] == 1) singles.push_back(i);
        }
        const std::size_t which =
            singles[static_cast<std::size_t>(maker.below(static_cast<int>(singles.size())))];
        const int rank = 1 + maker.below(13);
        if (count.count(rank)) continue;
        sibling[which] = card(rank, sibling[which].suit);
        if (textbook(sibling).kind == textbook(hand).kind) return sibling;
    }
}

// Classified and stored as the lessons do before they compare.
void classify(Hand& hand) {
    hand[0].value = poker::code(poker::EvaluatePokerHand(hand, {}));
}

bool isDescendingKind(Kind kind) {
    return kind == Kind::Flush || kind == Kind::HighCard || kind == Kind::Pair ||
           kind == Kind::TwoPair;
}

struct Seen {
    std::set<int> places;
    int ties = 0;
    int wheels = 0;
    int hand1Wins = 0;
    int hand2Wins = 0;
};

// Compares as the lessons do and checks the sentence, the blink, a second
// comparison, and what became of the aces.
void checkPair(Kind kind, const Hand& one, const Hand& two, Seen& seen) {
    Hand h1 = one;
    Hand h2 = two;
    classify(h1);
    classify(h2);
    ASSERT_EQ(h1[0].value, h2[0].value);
    int place = -1;
    const std::string expected = expectedSentence(one, two, place);
    const poker::WinnerMessage message = poker::CompareSameHandType(h1, h2);
    const std::string sentence = message.sentence.value_or("<none>");
    ASSERT_EQ(sentence, expected) << testing::PrintToString(descending(one)) << " vs "
                                  << testing::PrintToString(descending(two));
    EXPECT_TRUE(message.setsBlink);

    for (std::size_t i = 0; i < 5; ++i) {
        const int wasAce = one[i].rank == 1;
        EXPECT_EQ(h1[i].rank, isDescendingKind(kind) && wasAce ? 14 : one[i].rank);
        EXPECT_EQ(h2[i].rank, isDescendingKind(kind) && two[i].rank == 1 ? 14 : two[i].rank);
    }
    EXPECT_EQ(poker::CompareSameHandType(h1, h2).sentence.value_or("<none>"), expected);

    if (place >= 0) seen.places.insert(place);
    if (expected == "There is a tie") ++seen.ties;
    if (expected.rfind("Hand (1)", 0) == 0) ++seen.hand1Wins;
    if (expected.rfind("Hand (2)", 0) == 0) ++seen.hand2Wins;
    if (descending(one) == std::vector<int>{14, 5, 4, 3, 2} ||
        descending(two) == std::vector<int>{14, 5, 4, 3, 2})
        ++seen.wheels;
}

#ifdef __SANITIZE_ADDRESS__
constexpr int kPairsPerKind = 400;
#else
constexpr int kPairsPerKind = 3000;
#endif

struct KindRow {
    const char* name;
    Kind kind;
    bool canTie;       // one deck can hold two equal hands of this kind
    bool hasKickers;   // unpaired cards can decide between two such hands
    int kickerPlaces;  // the places a kicker can decide at, 1..n (0: none)
};

void PrintTo(const KindRow& row, std::ostream* os) {
    *os << row.name;
}

}  // namespace

class CompareRandomPairs : public ::testing::TestWithParam<KindRow> {};

TEST_P(CompareRandomPairs, SentenceNamesTheTextbookWinner) {
    const KindRow& row = GetParam();
    HandMaker maker(1000u + static_cast<unsigned>(row.kind));
    Seen seen;
    for (int i = 0; i < kPairsPerKind; ++i) {
        const Hand one = maker.make(row.kind);
        const Hand two = maker.makeBeside(row.kind, one);
        checkPair(row.kind, one, two, seen);
        checkPair(row.kind, two, one, seen);
        if (row.canTie && i % 10 == 0) {
            checkPair(row.kind, one, suitsMovedOn(one), seen);
        }
        if (row.hasKickers) {
            const Hand sibling = kickerSibling(one, maker);
            checkPair(row.kind, one, sibling, seen);
            checkPair(row.kind, sibling, one, seen);
        }
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(seen.hand1Wins, 0);
    EXPECT_GT(seen.hand2Wins, 0);
    EXPECT_EQ(seen.ties > 0, row.canTie);
    if (row.kind == Kind::Straight || row.kind == Kind::StraightFlush) {
        EXPECT_GT(seen.wheels, 0);
    }
    for (int p = 1; p <= row.kickerPlaces; ++p)
        EXPECT_EQ(seen.places.count(p), 1u) << "place " << p;
}

INSTANTIATE_TEST_SUITE_P(AllKinds, CompareRandomPairs,
                         ::testing::Values(KindRow{"StraightFlush", Kind::StraightFlush, true,
                                                   false, 0},
                                           KindRow{"FourOfAKind", Kind::Quads, false, false, 0},
                                           KindRow{"FullHouse", Kind::FullHouse, false, false, 0},
                                           KindRow{"Flush", Kind::Flush, true, true, 4},
                                           KindRow{"Straight", Kind::Straight, true, false, 0},
                                           KindRow{"ThreeOfAKind", Kind::Trips, false, false, 0},
                                           KindRow{"TwoPair", Kind::TwoPair, true, true, 0},
                                           KindRow{"Pair", Kind::Pair, true, true, 3},
                                           KindRow{"HighCard", Kind::HighCard, true, true, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

// Between kinds the stronger kind wins, named as showWinner names it.
TEST(CompareDifferentKinds, ShowWinnerNamesTheTextbookWinner) {
    const std::map<Kind, std::string> names = {{Kind::StraightFlush, "straight flush"},
                                               {Kind::Quads, "four of a kind"},
                                               {Kind::FullHouse, "full house "},
                                               {Kind::Flush, "flush"},
                                               {Kind::Straight, "straight"},
                                               {Kind::Trips, "three of a kind"},
                                               {Kind::TwoPair, "two pair"},
                                               {Kind::Pair, "pair"},
                                               {Kind::HighCard, "high card"}};
    HandMaker maker(77);
    for (int i = 0; i < 2000; ++i) {
        const auto k1 = static_cast<Kind>(maker.below(9));
        const auto k2 = static_cast<Kind>(maker.below(9));
        if (k1 == k2) continue;
        Hand h1 = maker.make(k1);
        Hand h2 = maker.makeBeside(k2, h1);
        classify(h1);
        classify(h2);
        const int winner = textbookWinner(textbook(h1), textbook(h2));
        const std::string expected =
            (winner == 1 ? "Hand (1) wins with a " : "Hand (2) wins with a ") +
            names.at(winner == 1 ? k1 : k2);
        const poker::WinnerMessage message = poker::showWinner(h1, h2);
        ASSERT_EQ(message.sentence.value_or("<none>"), expected);
        EXPECT_TRUE(message.setsBlink);
    }
}

// The edge cases of the tie-breaks, each in both seats.
struct EdgeRow {
    const char* name;
    const char* hand1;
    const char* hand2;
    const char* sentence;
};

void PrintTo(const EdgeRow& row, std::ostream* os) {
    *os << row.hand1 << " vs " << row.hand2;
}

class CompareEdgeCases : public ::testing::TestWithParam<EdgeRow> {};

TEST_P(CompareEdgeCases, WritesTheSentenceAndItsMirror) {
    const EdgeRow& row = GetParam();
    for (bool mirrored : {false, true}) {
        Hand h1 = testhands::parse(mirrored ? row.hand2 : row.hand1);
        Hand h2 = testhands::parse(mirrored ? row.hand1 : row.hand2);
        classify(h1);
        classify(h2);
        std::string expected = row.sentence;
        if (mirrored && expected.rfind("Hand (", 0) == 0)
            expected[6] = expected[6] == '1' ? '2' : '1';
        const auto message = h1[0].value == h2[0].value ? poker::CompareSameHandType(h1, h2)
                                                        : poker::showWinner(h1, h2);
        EXPECT_EQ(message.sentence.value_or("<none>"), expected) << (mirrored ? "mirrored" : "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CompareEdgeCases,
    ::testing::Values(EdgeRow{"WheelLosesToSixHigh", "AC 2D 3H 4S 5C", "2C 3D 4H 5S 6D",
                              "Hand (2) wins with a six high straight"},
                      EdgeRow{"WheelLosesToSevenHigh", "AC 2D 3H 4S 5C", "3C 4D 5H 6S 7D",
                              "Hand (2) wins with a seven high straight"},
                      EdgeRow{"SixHighLosesToSevenHigh", "2C 3D 4H 5S 6D", "3C 4D 5H 6S 7D",
                              "Hand (2) wins with a seven high straight"},
                      EdgeRow{"BroadwayBeatsKingHigh", "TC JD QH KS AD", "9C TD JH QS KC",
                              "Hand (1) wins with a ace high straight"},
                      EdgeRow{"WheelFlushLosesToSixHighFlush", "AH 2H 3H 4H 5H", "2S 3S 4S 5S 6S",
                              "Hand (2) wins with a six high straight flush"},
                      EdgeRow{"RoyalBeatsKingHighFlush", "TS JS QS KS AS", "9H TH JH QH KH",
                              "Hand (1) wins with a Royal flush"},
                      EdgeRow{"TwoRoyalsTie", "TS JS QS KS AS", "TH JH QH KH AH", "There is a tie"},
                      EdgeRow{"FourTwosLose", "2C 2D 2H 2S AC", "3C 3D 3H 3S 4C",
                              "Hand (2) wins with four of a kind threes"},
                      EdgeRow{"FourAcesWithKicker", "AC AD AH AS 2C", "KC KD KH KS QC",
                              "Hand (1) wins with four of a kind aces"},
                      EdgeRow{"AcesFullOfTwos", "AC AD AH 2S 2C", "KD KH KS QC QD",
                              "Hand (1) wins with aces full of twos"},
                      EdgeRow{"ThreesFullHaveNoWith", "3C 3D 3H KS KC", "2D 2H 2S AC AD",
                              "Hand (1) wins threes full of kings"},
                      EdgeRow{"TwosFullOfAcesLose", "2D 2H 2S AC AD", "4C 4D 4H 3S 3C",
                              "Hand (2) wins with fours full of threes"},
                      EdgeRow{"FlushFirstCardNamesNoKicker", "AH 4H 3H 2H 6H", "KS QS JS 9S 8S",
                              "Hand (1) wins with an ace high flush"},
                      EdgeRow{"FlushSecondCard", "KH QH 7H 4H 2H", "KS JS 9S 8S 6S",
                              "Hand (1) wins with a king high flush queen kicker"},
                      EdgeRow{"FlushSixKicker", "TH 8H 6H 4H 2H", "TS 8S 5S 4S 3S",
                              "Hand (1) wins with a ten high flush six kicker"},
                      EdgeRow{"FlushLastCard", "JH 9H 7H 4H 3H", "JS 9S 7S 4S 2S",
                              "Hand (1) wins with an jack high flush three kicker"},
                      EdgeRow{"TripsWhereverTheyStand", "5C 5D 5H 2S 9C", "7D 7H 7S 3C 4D",
                              "Hand (2) wins with three of a kind sevens"},
                      EdgeRow{"TripAces", "AC AD AH 2S 3C", "KD KH KS QC JD",
                              "Hand (1) wins with three of a kind aces"},
                      EdgeRow{"AcesUpBeatKingsUp", "AC AD 2H 2S 3C", "KD KH QS QC JD",
                              "Hand (1) wins with two pair"},
                      EdgeRow{"TwoPairLowerPairDecides", "9C 9D 5H 5S AC", "9H 9S 6C 6D 2C",
                              "Hand (2) wins with two pair"},
                      EdgeRow{"TwoPairOddCardDecides", "9C 9D 5H 5S 3C", "9H 9S 5C 5D 4C",
                              "Hand (2) wins with two pair"},
                      EdgeRow{"TwoPairOddCardOnTop", "QC 9D 9H 5S 5C", "9S 9C 5D 5H JD",
                              "Hand (1) wins with two pair"},
                      EdgeRow{"TwoPairTie", "9C 9D 5H 5S 3C", "9H 9S 5C 5D 3D", "There is a tie"},
                      EdgeRow{"PairAceKicker", "7C 7D AH 9S 4C", "7H 7S KC QD JD",
                              "Hand (1) wins with pair of sevens ace kicker"},
                      EdgeRow{"PairLastKicker", "7C 7D AH 9S 4C", "7H 7S AC 9D 3D",
                              "Hand (1) wins with pair of sevens four kicker"},
                      EdgeRow{"PairKickerBelowThePair", "KC KD 4H 3S 2C", "KH KS 5C 3D 2D",
                              "Hand (2) wins with pair of kings five kicker"},
                      EdgeRow{"PairSixeKicker", "9C 9D KH 8S 6C", "9H 9S KC 8D 5D",
                              "Hand (1) wins with pair of nines sixe kicker"},
                      EdgeRow{"PairOfAces", "AC AD 2H 3S 4C", "KH KS QC JD 9D",
                              "Hand (1) wins with pair of aces"},
                      EdgeRow{"HighCardFirst", "AC 9D 7H 4S 2C", "KD QH JS 9C 7D",
                              "Hand (1) wins with high card ace"},
                      EdgeRow{"HighCardSecond", "KC QD 7H 4S 2C", "KD JH 9S 8C 7D",
                              "Hand (1) wins with high card king queen kicker"},
                      EdgeRow{"HighCardLast", "KC 9D 7H 4S 2C", "KD 9H 7S 4C 3D",
                              "Hand (2) wins with high card king three kicker"},
                      EdgeRow{"HighCardSixe", "7C 6D 4H 3S 2C", "7D 5H 4S 3C 2D",
                              "Hand (1) wins with high card seven sixe kicker"},
                      EdgeRow{"HighCardTie", "KC 9D 7H 4S 2C", "KD 9H 7S 4C 2D", "There is a tie"},
                      EdgeRow{"PairLosesToFlush", "9C 9D KH 8S 6C", "2H 5H 7H 9H JH",
                              "Hand (2) wins with a flush"},
                      EdgeRow{"FullHouseEndsInABlank", "3C 3D 3H KS KC", "9C 9D 5H 5S 3S",
                              "Hand (1) wins with a full house "}),
    [](const auto& info) { return std::string(info.param.name); });
