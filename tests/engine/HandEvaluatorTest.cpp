#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/HandEvaluator.h"
#include "engine/HandEvaluatorDetail.h"
#include "tests/engine/TestHands.h"

using poker::CardRec;
using poker::EvaluatePokerHand;
using poker::Hand;
using poker::HandCategory;

namespace {

HandCategory evaluate(const Hand& hand) {
    return EvaluatePokerHand(hand, [](const std::string& message) {
        ADD_FAILURE() << "unexpected report: " << message;
    });
}

// Textbook classification from rank counts, for real cards only (ranks 1..13).
HandCategory textbookCategory(const Hand& hand) {
    std::array<int, 15> count{};  // 1..13, and the ace again as 14
    bool flush = true;
    for (const CardRec& card : hand) {
        ++count[static_cast<std::size_t>(card.rank)];
        flush = flush && card.suit == hand[0].suit;
    }
    count[14] = count[1];
    int most = 0;
    int ranksHeldTwice = 0;
    int distinct = 0;
    for (std::size_t r = 1; r <= 13; ++r) {
        most = std::max(most, count[r]);
        ranksHeldTwice += count[r] >= 2 ? 1 : 0;
        distinct += count[r] > 0 ? 1 : 0;
    }
    bool straight = false;
    for (std::size_t low = 1; low <= 10 && distinct == 5; ++low) {
        // Runs with the ace low (A..5) up to the ace high (10..A).
        bool run = true;
        for (std::size_t r = low; r < low + 5; ++r) run = run && count[r] == 1;
        straight = straight || run;
    }
    if (straight && flush) return HandCategory::StraightFlush;
    if (most >= 4) return HandCategory::FourOfAKind;
    if (most == 3 && ranksHeldTwice == 2) return HandCategory::FullHouse;
    if (flush) return HandCategory::Flush;
    if (straight) return HandCategory::Straight;
    if (most == 3) return HandCategory::ThreeOfAKind;
    if (ranksHeldTwice == 2) return HandCategory::TwoPair;
    if (most == 2) return HandCategory::Pair;
    return HandCategory::HighCard;
}

#ifdef __SANITIZE_ADDRESS__
// The sanitizer build checks every seventh hand against the textbook and
// one rank pattern in five; the plain build checks them all.
constexpr long kTextbookEvery = 7;
constexpr long kPatternEvery = 5;
#else
constexpr long kTextbookEvery = 1;
constexpr long kPatternEvery = 1;
#endif

// Cards given as rank/suit pairs, for ranks no real card has.
Hand oddHand(std::array<std::int16_t, 5> ranks, std::array<std::int16_t, 5> suits) {
    Hand hand{};
    for (std::size_t i = 0; i < hand.size(); ++i) hand[i] = CardRec{0, ranks[i], suits[i], 0};
    return hand;
}

constexpr std::array<std::int16_t, 5> kMixed = {0, 1, 2, 3, 0};
constexpr std::array<std::int16_t, 5> kHearts = {2, 2, 2, 2, 2};
constexpr std::array<std::int16_t, 5> kClubs = {0, 0, 0, 0, 0};

// A row's text as a test name: each run of other characters becomes one
// underscore ("AH TH JH" gives AH_TH_JH).
std::string testName(const char* text) {
    std::string name;
    for (const char* c = text; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c)))
            name += *c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    if (!name.empty() && name.back() == '_') name.pop_back();
    return name;
}

bool sameCards(const Hand& a, const Hand& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].id != b[i].id || a[i].rank != b[i].rank || a[i].suit != b[i].suit ||
            a[i].value != b[i].value)
            return false;
    }
    return true;
}

}  // namespace

struct NamedHand {
    const char* cards;
    HandCategory expected;
};

void PrintTo(const NamedHand& row, std::ostream* os) {
    *os << row.cards;
}

class EvaluateNamedHands : public ::testing::TestWithParam<NamedHand> {};

TEST_P(EvaluateNamedHands, GivesItsCategoryInEveryOrderAndLeavesTheCardsAlone) {
    Hand hand = testhands::parse(GetParam().cards);
    hand[0].value = 77;
    std::array<std::size_t, 5> order = {0, 1, 2, 3, 4};
    do {
        Hand shuffled{};
        for (std::size_t i = 0; i < order.size(); ++i) shuffled[i] = hand[order[i]];
        const Hand before = shuffled;
        EXPECT_EQ(evaluate(shuffled), GetParam().expected) << GetParam().cards;
        EXPECT_TRUE(sameCards(shuffled, before));
    } while (std::next_permutation(order.begin(), order.end()));
}

INSTANTIATE_TEST_SUITE_P(Lessons, EvaluateNamedHands,
                         ::testing::Values(NamedHand{"AH TH JH QH KH", HandCategory::StraightFlush},
                                           NamedHand{"AS 2S 3S 4S 5S", HandCategory::StraightFlush},
                                           NamedHand{"9D TD JD QD KD", HandCategory::StraightFlush},
                                           NamedHand{"AS 2H 3S 4S 5S", HandCategory::Straight},
                                           NamedHand{"TC JH QS KS AD", HandCategory::Straight},
                                           NamedHand{"2C 3D 4H 5S 6C", HandCategory::Straight},
                                           NamedHand{"JC QH KS AD 2C", HandCategory::HighCard},
                                           NamedHand{"QC KH AS 2D 3C", HandCategory::HighCard},
                                           NamedHand{"AC AD AH AS KC", HandCategory::FourOfAKind},
                                           NamedHand{"2C 2D 2H 2S 3S", HandCategory::FourOfAKind},
                                           NamedHand{"KC KD KH AS AC", HandCategory::FullHouse},
                                           NamedHand{"2C 2D AH AS AC", HandCategory::FullHouse},
                                           NamedHand{"KC KD KH AS 2C", HandCategory::ThreeOfAKind},
                                           NamedHand{"4C 4D 7H 7S KC", HandCategory::TwoPair},
                                           NamedHand{"4C 4D 7H 7S 2C", HandCategory::TwoPair},
                                           NamedHand{"4C 4D 7H 7S 5C", HandCategory::TwoPair},
                                           NamedHand{"AC AD KH KS 2C", HandCategory::TwoPair},
                                           NamedHand{"9C 9D 2H 5S KC", HandCategory::Pair},
                                           NamedHand{"AC AD 2H 5S KC", HandCategory::Pair},
                                           NamedHand{"2H 7H 9H JH KH", HandCategory::Flush},
                                           NamedHand{"AH 7H 9H JH KH", HandCategory::Flush},
                                           NamedHand{"2C 7D 9H JS KC", HandCategory::HighCard}),
                         [](const auto& info) { return testName(info.param.cards); });

// Every five-card hand of one deck: the categories in their known numbers,
// and each hand as the textbook classifies it.
TEST(EvaluateAllHands, CountsPerCategoryMatchTheDeck) {
    std::map<HandCategory, long> counts;
    long royal = 0;
    long disagreements = 0;
    long enumerated = 0;
    Hand hand{};
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int e = d + 1; e < 52; ++e) {
                        hand = {testhands::cardOfId(a), testhands::cardOfId(b),
                                testhands::cardOfId(c), testhands::cardOfId(d),
                                testhands::cardOfId(e)};
                        const HandCategory category = EvaluatePokerHand(hand, {});
                        ++counts[category];
                        if (++enumerated % kTextbookEvery == 0 &&
                            category != textbookCategory(hand))
                            ++disagreements;
                        // An ace (ids 0..3) with a king (ids 48..51) in a straight flush.
                        if (category == HandCategory::StraightFlush && a < 4 && e >= 48) ++royal;
                    }
    EXPECT_EQ(disagreements, 0);
    EXPECT_EQ(royal, 4);
    const std::map<HandCategory, long> expected = {
        {HandCategory::StraightFlush, 40}, {HandCategory::FourOfAKind, 624},
        {HandCategory::FullHouse, 3744},   {HandCategory::Flush, 5108},
        {HandCategory::Straight, 10200},   {HandCategory::ThreeOfAKind, 54912},
        {HandCategory::TwoPair, 123552},   {HandCategory::Pair, 1098240},
        {HandCategory::HighCard, 1302540}};
    EXPECT_EQ(counts, expected);
}

// Hands no deal builds: ranks the comparisons left as 14, ranks outside
// 1..13, repeated cards. Only ranks 1..13 count towards fours, threes and
// pairs; the runs and the partner rules go by the sorted ranks as they are;
// a rank outside 0..300 drops out and leaves a rank 0, suit 0 card last.
struct OddHand {
    const char* why;
    std::array<std::int16_t, 5> ranks;
    std::array<std::int16_t, 5> suits;
    HandCategory expected;
};

void PrintTo(const OddHand& row, std::ostream* os) {
    *os << row.why;
}

class EvaluateOddHands : public ::testing::TestWithParam<OddHand> {};

TEST_P(EvaluateOddHands, FollowTheClassifierRules) {
    const OddHand& row = GetParam();
    Hand hand = oddHand(row.ranks, row.suits);
    std::array<std::size_t, 5> order = {0, 1, 2, 3, 4};
    do {
        Hand shuffled{};
        for (std::size_t i = 0; i < order.size(); ++i) shuffled[i] = hand[order[i]];
        EXPECT_EQ(evaluate(shuffled), row.expected) << row.why;
    } while (std::next_permutation(order.begin(), order.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, EvaluateOddHands,
    ::testing::Values(
        OddHand{"rewritten royal flush runs 10..14",
                {14, 13, 12, 11, 10},
                kHearts,
                HandCategory::StraightFlush},
        OddHand{
            "rewritten ace-high straight", {14, 13, 12, 11, 10}, kMixed, HandCategory::Straight},
        OddHand{"rewritten wheel is no run", {14, 2, 3, 4, 5}, kMixed, HandCategory::HighCard},
        OddHand{"rewritten wheel of one suit is a flush",
                {14, 2, 3, 4, 5},
                kHearts,
                HandCategory::Flush},
        OddHand{"two 14s make no pair", {14, 14, 5, 7, 9}, kMixed, HandCategory::HighCard},
        OddHand{"three 14s make no three", {14, 14, 14, 5, 9}, kMixed, HandCategory::HighCard},
        OddHand{"four 14s make no four", {14, 14, 14, 14, 5}, kMixed, HandCategory::HighCard},
        OddHand{"fives with two 14s as partner", {14, 14, 5, 5, 9}, kMixed, HandCategory::TwoPair},
        OddHand{
            "fives with three 14s as partner", {14, 14, 14, 5, 5}, kMixed, HandCategory::TwoPair},
        OddHand{"kings full of 14s", {13, 13, 13, 14, 14}, kMixed, HandCategory::FullHouse},
        OddHand{
            "three kings, a 14 and a two", {13, 13, 13, 14, 2}, kMixed, HandCategory::ThreeOfAKind},
        OddHand{"five aces", {1, 1, 1, 1, 1}, kHearts, HandCategory::FourOfAKind},
        OddHand{"five sevens", {7, 7, 7, 7, 7}, kMixed, HandCategory::FourOfAKind},
        OddHand{"ace and a 14 with 10 J Q", {1, 10, 11, 12, 14}, kMixed, HandCategory::HighCard},
        OddHand{"rank 0 starts a run", {0, 1, 2, 3, 4}, kMixed, HandCategory::Straight},
        OddHand{"rank 0 run of one suit", {0, 1, 2, 3, 4}, kClubs, HandCategory::StraightFlush},
        OddHand{"high ranks run", {300, 299, 298, 297, 296}, kHearts, HandCategory::StraightFlush},
        OddHand{"ranks above king run", {12, 13, 14, 15, 16}, kMixed, HandCategory::Straight},
        OddHand{"pair of 200s is no pair", {200, 200, 3, 4, 7}, kMixed, HandCategory::HighCard},
        OddHand{"fives full of 200s", {200, 200, 5, 5, 5}, kMixed, HandCategory::FullHouse},
        OddHand{"fives full of 0s", {0, 0, 5, 5, 5}, kMixed, HandCategory::FullHouse},
        OddHand{"pair with 200s as partner", {5, 5, 9, 200, 200}, kMixed, HandCategory::TwoPair},
        OddHand{"all out of range: five zero cards",
                {301, 301, 301, 301, 301},
                kMixed,
                HandCategory::Flush},
        OddHand{"negative ranks drop out too",
                {-1, -5, -32768, 32767, 400},
                kHearts,
                HandCategory::Flush},
        OddHand{"dropped card's suit 0 breaks a hearts run",
                {-1, 2, 3, 4, 5},
                kHearts,
                HandCategory::HighCard},
        OddHand{"dropped card's suit 0 joins a clubs flush",
                {-1, 2, 3, 4, 5},
                kClubs,
                HandCategory::Flush},
        OddHand{"two dropped cards pair up as partners",
                {301, 301, 7, 7, 9},
                kMixed,
                HandCategory::TwoPair},
        OddHand{
            "fives full of dropped cards", {5, 5, 5, 301, 301}, kMixed, HandCategory::FullHouse},
        OddHand{
            "one dropped card is an odd card", {301, 7, 7, 9, 9}, kMixed, HandCategory::TwoPair},
        OddHand{"pair and a dropped card", {301, 7, 7, 9, 10}, kMixed, HandCategory::Pair},
        OddHand{
            "any one suit value is a flush", {2, 3, 4, 5, 7}, {9, 9, 9, 9, 9}, HandCategory::Flush},
        OddHand{"negative suit run of one suit",
                {2, 3, 4, 5, 6},
                {-4, -4, -4, -4, -4},
                HandCategory::StraightFlush},
        OddHand{"suits that differ only above 3",
                {2, 3, 4, 5, 7},
                {1, 5, 1, 1, 1},
                HandCategory::HighCard}),
    [](const auto& info) { return testName(info.param.why); });

TEST(EvaluateFailure, FewerThanFiveCardsReportsAndGivesNone) {
    const Hand full = testhands::parse("AH KH QH JH TH");
    for (std::size_t count : {0u, 1u, 4u}) {
        std::vector<std::string> reports;
        const HandCategory result = EvaluatePokerHand(
            full.data(), count, [&](const std::string& message) { reports.push_back(message); });
        EXPECT_EQ(result, HandCategory::None);
        ASSERT_EQ(reports.size(), 1u) << count;
        EXPECT_EQ(reports[0], "Error  in  EvaluatePokerHand (  Subscript out of range  )");
    }
}

TEST(EvaluateFailure, MissingReporterOrCardsNeverCrash) {
    EXPECT_EQ(EvaluatePokerHand(nullptr, 5, {}), HandCategory::None);
    std::vector<std::string> reports;
    EXPECT_EQ(EvaluatePokerHand(nullptr, 5,
                                [&](const std::string& message) { reports.push_back(message); }),
              HandCategory::None);
    EXPECT_EQ(reports.size(), 1u);
}

TEST(EvaluateFailure, MoreThanFiveCardsReadsTheFirstFive) {
    std::vector<CardRec> cards;
    for (const CardRec& card : testhands::parse("9D TD JD QD KD")) cards.push_back(card);
    cards.push_back(testhands::parse("2C")[0]);
    EXPECT_EQ(EvaluatePokerHand(cards.data(), cards.size(), {}), HandCategory::StraightFlush);
}

// The quick path must say what the step-by-step rules say for every hand of
// ranks 1..13, repeated cards included, under suit patterns of every shape
// (five of a suit, four and one, three and two, two two and one, ...).
TEST(EvaluateQuickPath, AgreesWithTheRulesOnEveryRankPattern) {
    static constexpr std::array<std::array<std::int16_t, 5>, 7> kSuitPatterns = {{
        {0, 0, 0, 0, 0},
        {3, 3, 3, 3, 3},
        {1, 1, 1, 1, 2},
        {2, 0, 2, 2, 2},
        {0, 0, 0, 3, 3},
        {1, 2, 1, 2, 0},
        {0, 1, 2, 3, 3},
    }};
    long checked = 0;
    long patterns = 0;
    std::array<std::int16_t, 5> r{};
    for (r[0] = 1; r[0] <= 13; ++r[0])
        for (r[1] = 1; r[1] <= 13; ++r[1])
            for (r[2] = 1; r[2] <= 13; ++r[2])
                for (r[3] = 1; r[3] <= 13; ++r[3])
                    for (r[4] = 1; r[4] <= 13; ++r[4])
                        for (const auto& suits : kSuitPatterns) {
                            if (++patterns % kPatternEvery != 0) continue;
                            const Hand hand = oddHand(r, suits);
                            const auto quick = poker::detail::classifyQuick(hand.data());
                            ASSERT_TRUE(quick.has_value());
                            ASSERT_EQ(*quick, poker::detail::classifyStepByStep(hand.data()))
                                << r[0] << ' ' << r[1] << ' ' << r[2] << ' ' << r[3] << ' ' << r[4]
                                << " suits " << suits[0] << suits[1] << suits[2] << suits[3]
                                << suits[4];
                            ++checked;
                        }
    EXPECT_EQ(checked, 13L * 13 * 13 * 13 * 13 * 7 / kPatternEvery);
}

// Every mix of suits over five distinct ranks, for the flush test of the
// quick path.
TEST(EvaluateQuickPath, AgreesWithTheRulesOnEverySuitMix) {
    std::array<std::int16_t, 5> s{};
    for (s[0] = 0; s[0] < 4; ++s[0])
        for (s[1] = 0; s[1] < 4; ++s[1])
            for (s[2] = 0; s[2] < 4; ++s[2])
                for (s[3] = 0; s[3] < 4; ++s[3])
                    for (s[4] = 0; s[4] < 4; ++s[4])
                        for (const auto& ranks : {std::array<std::int16_t, 5>{2, 3, 4, 5, 6},
                                                  std::array<std::int16_t, 5>{1, 10, 11, 12, 13},
                                                  std::array<std::int16_t, 5>{1, 4, 7, 9, 12},
                                                  std::array<std::int16_t, 5>{7, 7, 9, 9, 9}}) {
                            const Hand hand = oddHand(ranks, s);
                            EXPECT_EQ(poker::detail::classifyQuick(hand.data()),
                                      poker::detail::classifyStepByStep(hand.data()));
                        }
}

TEST(EvaluateQuickPath, LeavesAnyOtherRankOrSuitToTheRules) {
    for (std::size_t place = 0; place < 5; ++place) {
        for (std::int16_t rank : {0, 14, 15, 16, 17, 20, 300, -1, -32768, 32767}) {
            Hand hand = testhands::parse("2C 3D 4H 5S 6C");
            hand[place].rank = rank;
            EXPECT_FALSE(poker::detail::classifyQuick(hand.data()).has_value())
                << "rank " << rank << " at " << place;
        }
        for (std::int16_t suit : {4, 5, 7, 8, 16, -1, -32768, 32767}) {
            Hand hand = testhands::parse("2C 3D 4H 5S 6C");
            hand[place].suit = suit;
            EXPECT_FALSE(poker::detail::classifyQuick(hand.data()).has_value())
                << "suit " << suit << " at " << place;
        }
    }
}
