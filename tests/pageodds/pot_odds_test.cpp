#include <set>
#include <string>

#include <gtest/gtest.h>

#include "OddsFigures.h"
#include "PageText.h"

using namespace oddsfigures;

namespace {

// Calling `call` into a pot that holds `potAfterBet` pays potAfterBet to call;
// to break even the call must win call / (potAfterBet + call) of the time.
Chance breakEven(long long potAfterBet, long long call) {
    return {call, potAfterBet + call};
}

// A bet of part / whole of the pot; in a pot of `whole` chips it is `part`.
struct BetSize {
    long long part;
    long long whole;
};
const BetSize kBetSizes[] = {{1, 4}, {1, 3}, {1, 2}, {2, 3}, {3, 4}, {1, 1}, {2, 1}};

struct Example {
    const char* heading;  // start of the example's h3
    int potBefore;        // chips in the pot before the opponent's bet
    int bet;              // the opponent's bet, which is also the call
    int outs;
    int unseen;       // 47 on the flop, 46 on the turn
    int cardsToCome;  // cards the call pays to see
};
const Example kExamples[] = {
    {"1.", 80, 20, 9, 46, 1},
    {"2.", 60, 60, 4, 47, 1},
    {"3.", 150, 50, 8, 46, 1},
    {"4.", 100, 100, 9, 47, 2},
};

std::string chips(int n) {
    return std::to_string(n);
}

class PotPage : public ::testing::Test {
  protected:
    void SetUp() override { html = pagetext::readPage("txpot.html"); }
    std::string html;
};

}  // namespace

TEST_F(PotPage, BetSizeTableGivesOddsAndBreakEven) {
    const auto rows = pagetext::tableRows(html, "betsizes");
    ASSERT_EQ(rows.size(), std::size(kBetSizes));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto [bet, pot] = kBetSizes[i];
        SCOPED_TRACE(rows[i][0]);
        ASSERT_EQ(rows[i].size(), 3u);
        EXPECT_EQ(rows[i][1], ratioToOne(pot + bet, bet));
        EXPECT_EQ(rows[i][2], percent(breakEven(pot + bet, bet)));
    }
}

TEST_F(PotPage, IntroductionWorksOneCallThrough) {
    const std::string text = pagetext::section(html, "The price of a call");
    EXPECT_NE(text.find("100 to 20, or 5 to 1"), std::string::npos);
    EXPECT_NE(text.find("20 ÷ 120 = " + percent(breakEven(100, 20))), std::string::npos);
}

TEST_F(PotPage, WorkedExamplesRecomputeToTheShownFigures) {
    for (const Example& ex : kExamples) {
        const std::string text = pagetext::section(html, ex.heading);
        SCOPED_TRACE(std::string("example ") + ex.heading + " " + text.substr(0, 60));
        ASSERT_FALSE(text.empty());
        const int potAfterBet = ex.potBefore + ex.bet;
        const Chance need = breakEven(potAfterBet, ex.bet);
        const Chance hit = atLeastOne(ex.outs, ex.unseen, ex.cardsToCome);

        EXPECT_NE(text.find("holds " + chips(ex.potBefore) + " chips"), std::string::npos);
        EXPECT_NE(
            text.find("the pot is now " + chips(potAfterBet) + " and the call " + chips(ex.bet)),
            std::string::npos);
        EXPECT_NE(text.find(chips(potAfterBet) + " to " + chips(ex.bet) + ", or " +
                            ratioToOne(potAfterBet, ex.bet)),
                  std::string::npos);
        EXPECT_NE(text.find("you must win " + percent(need)), std::string::npos);
        EXPECT_NE(text.find(std::to_string(ex.outs) + " outs"), std::string::npos);
        EXPECT_NE(text.find(percent(hit) + ", or " + odds(hit) + " against"), std::string::npos);

        // The verdict on the price alone; a short price may still be called
        // on implied odds, which the example must then work out.
        if (hit.hits * need.total >= need.hits * hit.total) {
            EXPECT_NE(text.find("call ."), std::string::npos) << "should call";
            EXPECT_EQ(text.find("fold ."), std::string::npos);
        } else {
            EXPECT_NE(text.find("fold ."), std::string::npos) << "should fold";
        }
    }
}

TEST_F(PotPage, ImpliedOddsCoverTheShortfall) {
    const Example& ex = kExamples[2];
    const Chance hit = atLeastOne(ex.outs, ex.unseen, 1);
    const long long misses = hit.total - hit.hits;
    // Winning W more when the draw comes breaks even when
    // hits * (pot + W) = misses * call; the page rounds W up to whole chips.
    const long long owed = misses * ex.bet - hit.hits * (ex.potBefore + ex.bet);
    ASSERT_GT(owed, 0) << "the example is meant to be short of the price";
    const long long extra = (owed + hit.hits - 1) / hit.hits;
    const std::string text = pagetext::section(html, ex.heading);
    EXPECT_NE(text.find("at least " + std::to_string(extra) + " more chips"), std::string::npos);
}

// Every percentage and every "x to 1" on the odds pages must be a figure the
// tests above compute, so a figure mistyped in the prose cannot slip through.
TEST(OddsPages, EveryFigureIsAComputedOne) {
    std::set<std::string> percents;
    std::set<std::string> oddsShown;
    for (int outs = 1; outs <= 20; ++outs) {
        for (Chance chance :
             {atLeastOne(outs, 47, 1), atLeastOne(outs, 46, 1), atLeastOne(outs, 47, 2)}) {
            percents.insert(percent(chance));
            oddsShown.insert(odds(chance));
        }
        percents.insert(std::to_string(2 * outs) + " %");  // the rule of 4 and 2
        percents.insert(std::to_string(4 * outs) + " %");
    }
    for (const auto [bet, pot] : kBetSizes) {
        percents.insert(percent(breakEven(pot + bet, bet)));
        oddsShown.insert(ratioToOne(pot + bet, bet));
    }
    for (const Example& ex : kExamples) {
        percents.insert(percent(breakEven(ex.potBefore + ex.bet, ex.bet)));
        oddsShown.insert(ratioToOne(ex.potBefore + ex.bet, ex.bet));
    }
    oddsShown.insert("1.2 to 1 on");     // the note under the outs table, and its
    oddsShown.insert(ratioToOne(1, 1));  // even chance

    for (const char* page : {"txpot.html", "txpoststrategy.html"}) {
        const std::string text = pagetext::visibleText(pagetext::readPage(page));
        for (const std::string& figure : pagetext::percentFigures(text))
            EXPECT_TRUE(percents.count(figure + " %"))
                << page << ": unexplained " << figure << " %";
        for (const std::string& figure : pagetext::oddsFigures(text))
            EXPECT_TRUE(oddsShown.count(figure)) << page << ": unexplained " << figure;
    }
}
