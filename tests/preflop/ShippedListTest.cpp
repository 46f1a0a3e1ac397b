#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PreflopTestSupport.h"
#include "engine/PreflopList.h"

using preflop_test::all169Codes;
using preflop_test::itemsOf;

namespace {

// The list the program ships: every starting hand once, best first.
class ShippedList : public ::testing::Test {
protected:
    void SetUp() override {
        poker::load169(list, TUTOR_DATA_DIR, [this](const std::string& m) { messages.push_back(m); });
        codes = itemsOf(list);
    }
    int positionOf(const std::string& code) const {
        const auto at = std::find(codes.begin(), codes.end(), code);
        return at == codes.end() ? -1 : static_cast<int>(at - codes.begin()) + 1;
    }

    poker::KeyedCollection list;
    std::vector<std::string> messages;
    std::vector<std::string> codes;
};

TEST_F(ShippedList, HoldsEveryStartingHandOnce) {
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(codes.size(), 169u);
    auto expected = all169Codes();
    auto sorted = codes;
    std::sort(expected.begin(), expected.end());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, expected);
}

TEST_F(ShippedList, IsOrderedBestFirst) {
    ASSERT_EQ(codes.size(), 169u);
    EXPECT_EQ(codes[0], "AA");
    EXPECT_EQ(codes[1], "KK");
    EXPECT_EQ(codes[2], "QQ");
    // Every pair from 77 up beats every offsuit hand below ace-king.
    for (const std::string pair : {"AA", "KK", "QQ", "JJ", "TT", "99", "88", "77"})
        EXPECT_LT(positionOf(pair), positionOf("AQ")) << pair;
    // Suited beats offsuit for the same ranks.
    for (const std::string ranks : {"AK", "T9", "72", "32"})
        EXPECT_LT(positionOf(ranks + "s"), positionOf(ranks)) << ranks;
    // The weakest offsuit hands close the list.
    for (const std::string worst : {"32", "42", "52", "62", "72", "43"})
        EXPECT_GE(positionOf(worst), 160) << worst;
    EXPECT_EQ(codes.back(), "32");
}

TEST_F(ShippedList, RatesTheCornerHands) {
    EXPECT_EQ(poker::PreflopValue(list, "AA", false), 100);
    EXPECT_EQ(poker::PreflopValue(list, "KK", false), 99);
    EXPECT_EQ(poker::PreflopValue(list, "23", false), 0);
}

}  // namespace
