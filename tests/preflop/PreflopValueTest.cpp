#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PreflopTestSupport.h"
#include "engine/PreflopList.h"

using poker::CardRec;
using poker::Hand;
using poker::KeyedCollection;
using poker::PocketHandValue;
using poker::PositionValue;
using poker::PreflopValue;
using preflop_test::all169Codes;
using preflop_test::listOf;

namespace {

TEST(PositionValue, TellingRows) {
    const std::vector<std::pair<int, int>> rows{{1, 100}, {2, 99},  {17, 90}, {18, 89},
                                                {51, 70}, {52, 69}, {68, 60}, {69, 59},
                                                {85, 50}, {86, 49}, {168, 1}, {169, 0}};
    for (auto [position, value] : rows) EXPECT_EQ(PositionValue(position), value) << position;
}

TEST(PositionValue, SinglePrecisionAgreesWithIntegerDivisionOverTheList) {
    for (int i = 1; i <= 169; ++i) EXPECT_EQ(PositionValue(i), 100 * (170 - i) / 169) << i;
}

// The list of all169Codes(): AA at 1, KK at 2, ..., 22 at 13, then AKs at
// 14, AK at 15, AQs at 16, ..., 32s at 168, 32 at 169.
class PreflopValueTest : public ::testing::Test {
protected:
    static int positionOf(const std::string& code) {
        const auto codes = all169Codes();
        for (std::size_t i = 0; i < codes.size(); ++i)
            if (codes[i] == code) return static_cast<int>(i + 1);
        return -1;
    }
    static CardRec card(int rank, int suit) {
        CardRec c;
        c.rank = static_cast<std::int16_t>(rank);
        c.suit = static_cast<std::int16_t>(suit);
        c.id = static_cast<std::int16_t>(4 * (rank - 1) + suit);
        return c;
    }
    std::int16_t pocket(CardRec first, CardRec second) const {
        Hand h{};
        h[0] = first;
        h[1] = second;
        return PocketHandValue(list, h);
    }

    KeyedCollection list = listOf(all169Codes());
};

TEST_F(PreflopValueTest, PocketCardsRateByTheirCode) {
    struct Case {
        const char* name;
        CardRec first, second;
        std::string code;  // the code whose position rates them
    };
    const std::vector<Case> cases{
        {"aces", card(1, 0), card(1, 3), "AA"},
        {"aces other suits", card(1, 2), card(1, 1), "AA"},
        {"ace after king offsuit", card(13, 0), card(1, 1), "AK"},
        {"ace after king suited", card(13, 2), card(1, 2), "AKs"},
        {"ten nine", card(10, 0), card(9, 3), "T9"},
        {"nine ten suited", card(9, 1), card(10, 1), "T9s"},
        {"jack queen", card(11, 0), card(12, 1), "QJ"},
        {"deuces", card(2, 0), card(2, 1), "22"},
        {"worst", card(2, 3), card(3, 0), "32"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pocket(c.first, c.second), PositionValue(positionOf(c.code)));
    }
    EXPECT_EQ(pocket(card(1, 0), card(1, 3)), 100);
    EXPECT_EQ(pocket(card(13, 0), card(13, 1)), 99);
    EXPECT_EQ(pocket(card(3, 1), card(2, 1)), 1);  // 32s at 168
    EXPECT_EQ(pocket(card(3, 1), card(2, 2)), 0);  // 32 at 169
}

TEST_F(PreflopValueTest, RanksOutsideAceToKingMatchNothing) {
    // The ace as 14 (as the comparisons write it) is "14", not "A".
    EXPECT_EQ(pocket(card(14, 0), card(13, 1)), 0);
    EXPECT_EQ(pocket(card(0, 0), card(-5, 1)), 0);
}

TEST_F(PreflopValueTest, KeyIsUpperCasedAndTriedInBothOrders) {
    EXPECT_EQ(PreflopValue(list, "ak", false), PositionValue(15));
    EXPECT_EQ(PreflopValue(list, "kA", true), PositionValue(14));
    // Keys that are not two characters never crash and never match.
    for (const std::string& odd : std::vector<std::string>{"", "A", "AKs", "AKQ", std::string("A\0", 2)}) {
        EXPECT_EQ(PreflopValue(list, odd, false), 0) << odd;
        EXPECT_EQ(PreflopValue(list, odd, true), 0) << odd;
    }
}

TEST_F(PreflopValueTest, MissingChosenCodeRatesZeroEvenWhenTheOtherIsPresent) {
    auto codes = all169Codes();
    codes[positionOf("AKs") - 1] = "AKS";  // never matches: case matters
    codes[positionOf("T9") - 1] = "T9o";
    const KeyedCollection spoiled = listOf(codes);
    EXPECT_EQ(PreflopValue(spoiled, "AK", true), 0);
    EXPECT_EQ(PreflopValue(spoiled, "AK", false), PositionValue(15));
    EXPECT_EQ(PreflopValue(spoiled, "T9", false), 0);
    EXPECT_GT(PreflopValue(spoiled, "T9", true), 0);
    // A pair is never suited: "AAs" is not in the list.
    EXPECT_EQ(PreflopValue(spoiled, "AA", true), 0);
}

TEST_F(PreflopValueTest, LaterPositionWins) {
    auto codes = all169Codes();
    codes[100] = "AA";   // AA also at 101
    codes[120] = "KAs";  // AKs in the reversed order at 121
    const KeyedCollection twice = listOf(codes);
    EXPECT_EQ(PreflopValue(twice, "AA", false), PositionValue(101));
    EXPECT_EQ(PreflopValue(twice, "AK", true), PositionValue(121));
}

TEST_F(PreflopValueTest, OnlyTheFirst169PositionsCount) {
    auto codes = all169Codes();
    codes.pop_back();  // 168 codes: the lookup of 169 fails, everything is 0
    const KeyedCollection shortList = listOf(codes);
    EXPECT_EQ(PreflopValue(shortList, "AA", false), 0);
    EXPECT_EQ(PreflopValue(shortList, "KK", false), 0);
    EXPECT_EQ(PreflopValue(KeyedCollection{}, "AA", false), 0);

    codes = all169Codes();
    codes.push_back("AA");  // 170: never looked at
    const KeyedCollection longList = listOf(codes);
    EXPECT_EQ(PreflopValue(longList, "AA", false), 100);
}

}  // namespace
