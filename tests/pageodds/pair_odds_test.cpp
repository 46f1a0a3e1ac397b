#include <set>
#include <string>

#include <gtest/gtest.h>

#include "OddsFigures.h"
#include "PageText.h"

using namespace oddsfigures;

namespace {

class PairPage : public ::testing::Test {
  protected:
    void SetUp() override {
        html = pagetext::readPage("txpair.html");
        text = pagetext::visibleText(html);
    }
    void expectShown(const std::string& figure) {
        EXPECT_NE(text.find(figure), std::string::npos)
            << "txpair.html should show \"" << figure << '"';
    }
    std::string html;
    std::string text;
};

const long long kHands = choose(52, 2);
const long long kPairs = 13 * choose(4, 2);
const long long kOneRank = choose(4, 2);
// After your two cards: 50 unseen, two of them match your pair.
const long long kFlops = choose(50, 3);
const long long kMissFlops = choose(48, 3);
const Chance kDealtPair = {kPairs, kHands};
const Chance kDealtOneRank = {kOneRank, kHands};
const Chance kSetOnFlop = {kFlops - kMissFlops, kFlops};
const Chance kSetByRiver = atLeastOne(2, 50, 5);

// Pairs from kings down, with the number of higher cards still unseen.
const char* const kPairNames[] = {"K-K", "Q-Q", "J-J", "10-10", "9-9", "8-8",
                                  "7-7", "6-6", "5-5", "4-4",   "3-3", "2-2"};

}  // namespace

TEST_F(PairPage, DealtPairFiguresAreTheCountedOnes) {
    ASSERT_EQ(kHands % kPairs, 0);  // "1 in N" is exact only if it divides
    ASSERT_EQ(kHands % kOneRank, 0);
    expectShown(grouped(kPairs) + " of " + grouped(kHands));
    expectShown(grouped(kOneRank) + " of " + grouped(kHands));
    expectShown("1 in " + std::to_string(kHands / kPairs));
    expectShown("1 in " + std::to_string(kHands / kOneRank));
    expectShown(percent(kDealtPair));
    expectShown(percent(kDealtOneRank));
    expectShown(odds(kDealtPair));
    expectShown(odds(kDealtOneRank));
}

TEST_F(PairPage, SetOnTheFlopIsWorkedFromTheCountedFlops) {
    expectShown(grouped(kFlops));
    expectShown(grouped(kMissFlops));
    expectShown(grouped(kFlops - kMissFlops));
    expectShown(percent(kSetOnFlop));
    expectShown(odds(kSetOnFlop));
    expectShown(percent(kSetByRiver));
    expectShown(odds(kSetByRiver));
}

TEST_F(PairPage, OvercardTableMatchesTheCombinatorics) {
    const auto rows = pagetext::tableRows(html, "overcards");
    ASSERT_EQ(rows.size(), std::size(kPairNames));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int higher = 4 * static_cast<int>(i + 1);
        ASSERT_EQ(rows[i].size(), 3u) << "row " << i;
        EXPECT_EQ(rows[i][0], kPairNames[i]);
        EXPECT_EQ(rows[i][1], std::to_string(higher)) << kPairNames[i];
        EXPECT_EQ(rows[i][2], percent(atLeastOne(higher, 50, 3))) << kPairNames[i];
    }
}

// A figure typed into the prose by hand, and not one the page works out,
// fails here even when the expected figures are present as well.
TEST_F(PairPage, EveryPercentageIsAComputedOne) {
    std::set<std::string> computed = {percent(kDealtPair), percent(kDealtOneRank),
                                      percent(kSetOnFlop), percent(kSetByRiver)};
    for (int higher = 4; higher <= 48; higher += 4)
        computed.insert(percent(atLeastOne(higher, 50, 3)));
    for (const std::string& figure : pagetext::percentFigures(text))
        EXPECT_TRUE(computed.count(figure + " %")) << "unexplained figure " << figure << " %";
    std::set<std::string> computedOdds = {odds(kDealtPair), odds(kDealtOneRank), odds(kSetOnFlop),
                                          odds(kSetByRiver)};
    for (const std::string& figure : pagetext::oddsFigures(text))
        EXPECT_TRUE(computedOdds.count(figure)) << "unexplained odds " << figure;
}
