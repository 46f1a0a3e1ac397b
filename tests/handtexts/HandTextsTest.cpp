#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/HandComparison.h"
#include "engine/HandTexts.h"

using poker::CardRec;
using poker::Hand;
using poker::HandCategory;

namespace {

// "AS KH 7C ..." -> cards with the ace as rank 1, as the lessons fill hands.
Hand hand(const std::string& text, HandCategory category) {
    Hand h{};
    std::size_t i = 0;
    for (std::size_t p = 0; p + 1 < text.size() && i < h.size(); p += 3) {
        const std::string ranks = "A23456789TJQK";
        const std::string suits = "CDHS";
        const auto rank = static_cast<std::int16_t>(ranks.find(text[p]) + 1);
        const auto suit = static_cast<std::int16_t>(suits.find(text[p + 1]));
        h[i++] = CardRec{static_cast<std::int16_t>(4 * (rank - 1) + suit), rank, suit, 0};
    }
    h[0].value = poker::code(category);
    return h;
}

struct RankTextRow {
    std::int16_t rank;
    const char* flush;
    const char* fullHouse;
    const char* highCard;
    const char* pair;
    const char* kicker;
    const char* flushKicker;
};

}  // namespace

// The misspellings are the tutor's own and must survive.
TEST(RankTexts, TableOfAllFunctions) {
    const std::vector<RankTextRow> rows = {
        {0, "", "", "", "", "", ""},
        {1, "", "", "", "", "", ""},
        {2, "", "full of twos", "", "pair of twos", " two kicker", ""},
        {5, "", "full of fives", "high card five", "pair of fives", " five kicker", " five kicker"},
        {6, "a six high flush", "full of sixes", "high card sixe", "pair of sixes", " sixe kicker",
         " six kicker"},
        {8, "an eight high flush", "full of eights", "high card eight", "pair of eights",
         " eight kicker", " eight kicker"},
        {11, "an jack high flush", "full of jacks", "high card jack", "pair of jacks",
         " jack kicker", " jack kicker"},
        {13, "a king high flush", "full of kings", "high card king", "pair of kings",
         " king kicker", " king kicker"},
        {14, "an ace high flush", "full of aces", "high card ace", "pair of aces", " ace kicker", ""},
        {15, "", "", "", "", "", ""},
        {-3, "", "", "", "", "", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.rank);
        EXPECT_EQ(poker::FlushName(r.rank), r.flush);
        EXPECT_EQ(poker::FullHouseName(r.rank), r.fullHouse);
        EXPECT_EQ(poker::HighCardName(r.rank), r.highCard);
        EXPECT_EQ(poker::PairName(r.rank), r.pair);
        EXPECT_EQ(poker::KickerName(r.rank), r.kicker);
        EXPECT_EQ(poker::FlushKickerName(r.rank), r.flushKicker);
    }
}

TEST(ShowWinner, NamesTheStrongerCategory) {
    struct Row {
        std::int16_t a, b;
        const char* sentence;
    };
    const std::vector<Row> rows = {
        {7, 20, "Hand (1) wins with a three of a kind"},
        {3, 2, "Hand (2) wins with a straight flush"},
        {4, 8, "Hand (1) wins with a full house "},
        {9, 5, "Hand (2) wins with a flush"},
        {20, 9, "Hand (2) wins with a pair"},
        {0, 2, "Hand (1) wins with a high card"},  // any other code is "high card"
    };
    for (const auto& r : rows) {
        Hand h1{}, h2{};
        h1[0].value = r.a;
        h2[0].value = r.b;
        const auto message = poker::showWinner(h1, h2);
        EXPECT_TRUE(message.setsBlink);
        EXPECT_EQ(message.sentence.value_or("<none>"), r.sentence) << r.a << " vs " << r.b;
    }
}

namespace {
struct CompareRow {
    const char* name;
    HandCategory category;
    const char* hand1;
    const char* hand2;
    const char* sentence;
};

void PrintTo(const CompareRow& row, std::ostream* os) {
    *os << row.hand1 << " vs " << row.hand2;
}
}  // namespace

class SameCategory : public ::testing::TestWithParam<CompareRow> {};

TEST_P(SameCategory, WritesTheSentence) {
    const auto& row = GetParam();
    Hand h1 = hand(row.hand1, row.category);
    Hand h2 = hand(row.hand2, row.category);
    const auto message = poker::CompareSameHandType(h1, h2);
    EXPECT_TRUE(message.setsBlink);
    EXPECT_EQ(message.sentence.value_or("<none>"), row.sentence);
    // A second comparison of the same (possibly rewritten) hands agrees.
    const auto again = poker::CompareSameHandType(h1, h2);
    EXPECT_EQ(again.sentence.value_or("<none>"), row.sentence);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SameCategory,
    ::testing::Values(
        CompareRow{"wheel_loses_to_six_high", HandCategory::Straight, "AC 2D 3H 4S 5C",
                   "2C 3D 4H 5S 6C", "Hand (2) wins with a six high straight"},
        CompareRow{"six_high_beats_wheel", HandCategory::Straight, "2C 3D 4H 5S 6C",
                   "AD 2H 3S 4C 5D", "Hand (1) wins with a six high straight"},
        CompareRow{"two_wheels_tie", HandCategory::Straight, "AC 2D 3H 4S 5C", "AD 2H 3S 4C 5D",
                   "There is a tie"},
        CompareRow{"seven_high_beats_wheel", HandCategory::Straight, "3C 4D 5H 6S 7C",
                   "AD 2H 3S 4C 5D", "Hand (1) wins with a seven high straight"},
        CompareRow{"broadway", HandCategory::Straight, "9C TD JH QS KC", "TD JH QS KC AD",
                   "Hand (2) wins with a ace high straight"},
        CompareRow{"royal_flush", HandCategory::StraightFlush, "TS JS QS KS AS", "9H TH JH QH KH",
                   "Hand (1) wins with a Royal flush"},
        CompareRow{"six_high_straight_flush", HandCategory::StraightFlush, "AH 2H 3H 4H 5H",
                   "2S 3S 4S 5S 6S", "Hand (2) wins with a six high straight flush"},
        CompareRow{"four_aces", HandCategory::FourOfAKind, "AC AD AH AS KC", "KD KH KS KC 2C",
                   "Hand (1) wins with four of a kind aces"},
        CompareRow{"four_twos_lose", HandCategory::FourOfAKind, "2C 2D 2H 2S AC", "3C 3D 3H 3S 4C",
                   "Hand (2) wins with four of a kind threes"},
        CompareRow{"aces_full_of_twos", HandCategory::FullHouse, "AC AD AH 2S 2C",
                   "KD KH KS QC QD", "Hand (1) wins with aces full of twos"},
        CompareRow{"threes_full_no_with", HandCategory::FullHouse, "3C 3D 3H KS KC",
                   "2D 2H 2S AC AD", "Hand (1) wins threes full of kings"},
        CompareRow{"kings_full_of_aces", HandCategory::FullHouse, "QC QD QH AS AC",
                   "KD KH KS AH AD", "Hand (2) wins with kings full of aces"},
        CompareRow{"flush_queen_kicker", HandCategory::Flush, "KH QH 7H 4H 2H", "KS JS 9S 8S 6S",
                   "Hand (1) wins with a king high flush queen kicker"},
        CompareRow{"flush_mirror", HandCategory::Flush, "KS JS 9S 8S 6S", "KH QH 7H 4H 2H",
                   "Hand (2) wins with a king high flush queen kicker"},
        CompareRow{"flush_no_kicker", HandCategory::Flush, "AH 9H 7H 4H 2H", "KS QS JS 9S 7S",
                   "Hand (1) wins with an ace high flush"},
        CompareRow{"flush_last_card", HandCategory::Flush, "JH 9H 7H 4H 3H", "JS 9S 7S 4S 2S",
                   "Hand (1) wins with an jack high flush three kicker"},
        CompareRow{"trips_anywhere", HandCategory::ThreeOfAKind, "5C 5D 5H 2S 9C",
                   "7D 7H 7S 3C 4D", "Hand (2) wins with three of a kind sevens"},
        CompareRow{"trip_aces", HandCategory::ThreeOfAKind, "AC AD AH 2S 9C", "KD KH KS 3C 4D",
                   "Hand (1) wins with three of a kind aces"},
        CompareRow{"aces_up", HandCategory::TwoPair, "AC AD 2H 2S 9C", "KD KH QS QC JD",
                   "Hand (1) wins with two pair"},
        CompareRow{"two_pair_odd_card", HandCategory::TwoPair, "9C 9D 5H 5S 3C", "9H 9S 5C 5D 4C",
                   "Hand (2) wins with two pair"},
        CompareRow{"two_pair_tie", HandCategory::TwoPair, "9C 9D 5H 5S 3C", "9H 9S 5C 5D 3D",
                   "There is a tie"},
        CompareRow{"pair_ace_kicker", HandCategory::Pair, "7C 7D AH 9S 4C", "7H 7S KC QD JD",
                   "Hand (1) wins with pair of sevens ace kicker"},
        CompareRow{"pair_higher", HandCategory::Pair, "7C 7D AH 9S 4C", "8H 8S KC QD JD",
                   "Hand (2) wins with pair of eights"},
        CompareRow{"pair_sixe_kicker", HandCategory::Pair, "9C 9D KH 8S 6C", "9H 9S KC 8D 5D",
                   "Hand (1) wins with pair of nines sixe kicker"},
        CompareRow{"pair_tie", HandCategory::Pair, "9C 9D KH 8S 6C", "9H 9S KC 8D 6D",
                   "There is a tie"},
        CompareRow{"high_card", HandCategory::HighCard, "AC 9D 7H 4S 2C", "KD QH JS 9C 7D",
                   "Hand (1) wins with high card ace"},
        CompareRow{"high_card_kicker", HandCategory::HighCard, "KC 9D 7H 4S 2C", "KD 9H 7S 4C 3D",
                   "Hand (2) wins with high card king three kicker"},
        CompareRow{"high_card_tie", HandCategory::HighCard, "KC 9D 7H 4S 2C", "KD 9H 7S 4C 2D",
                   "There is a tie"}),
    [](const auto& info) { return std::string(info.param.name); });

// The four descending comparisons leave every ace at 14; the others leave them.
TEST(SameCategory, AceRewriteOnlyWhereTheListDescends) {
    Hand h1 = hand("AC 7D AH 9S 4C", HandCategory::Pair);
    Hand h2 = hand("7H 7S KC AD JD", HandCategory::Pair);
    poker::CompareSameHandType(h1, h2);
    EXPECT_EQ(h1[0].rank, 14);
    EXPECT_EQ(h1[2].rank, 14);
    EXPECT_EQ(h2[3].rank, 14);

    Hand s1 = hand("AC 2D 3H 4S 5C", HandCategory::Straight);
    Hand s2 = hand("2C 3D 4H 5S 6C", HandCategory::Straight);
    poker::CompareSameHandType(s1, s2);
    EXPECT_EQ(s1[0].rank, 1);
}

TEST(SameCategory, UnknownCodeWritesNothingAndLeavesTheBlink) {
    Hand h1 = hand("AC 2D 3H 4S 5C", HandCategory::None);
    Hand h2 = hand("2C 3D 4H 5S 6C", HandCategory::None);
    const auto message = poker::CompareSameHandType(h1, h2);
    EXPECT_FALSE(message.setsBlink);
    EXPECT_FALSE(message.sentence.has_value());
}
