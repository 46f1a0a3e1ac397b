#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "OddsFigures.h"
#include "PageText.h"

using namespace oddsfigures;

namespace {

// After the flop 47 cards are unseen, after the turn 46.
Chance onTurn(int outs) {
    return atLeastOne(outs, 47, 1);
}
Chance onRiver(int outs) {
    return atLeastOne(outs, 46, 1);
}
Chance byRiver(int outs) {
    return atLeastOne(outs, 47, 2);
}

}  // namespace

TEST(OutsTable, EveryRowIsRecomputedFromTheUnseenCards) {
    const std::string html = pagetext::readPage("txpot.html");
    const auto rows = pagetext::tableRows(html, "outs");
    ASSERT_EQ(rows.size(), 20u);
    for (int outs = 1; outs <= 20; ++outs) {
        const auto& row = rows[outs - 1];
        SCOPED_TRACE("outs " + std::to_string(outs));
        ASSERT_EQ(row.size(), 7u);
        EXPECT_EQ(row[0], std::to_string(outs));
        EXPECT_EQ(row[1], percent(onTurn(outs)));
        EXPECT_EQ(row[2], odds(onTurn(outs)));
        EXPECT_EQ(row[3], percent(onRiver(outs)));
        EXPECT_EQ(row[4], odds(onRiver(outs)));
        EXPECT_EQ(row[5], percent(byRiver(outs)));
        EXPECT_EQ(row[6], odds(byRiver(outs)));
    }
}

TEST(OutsTable, SpotChecksAgainstHandCountedDraws) {
    // Worked by hand, independently of the counting above: a flush draw has
    // 13 - 4 = 9 outs; it misses twice in 38 * 37 of the 47 * 46 turn-river
    // orders, so it hits 756 times in 2162.
    EXPECT_EQ(percent({756, 2162}), "35.0 %");
    EXPECT_EQ(percent(byRiver(9)), "35.0 %");
    EXPECT_EQ(odds(onTurn(9)), "4.2 to 1");
    EXPECT_EQ(odds(byRiver(15)), "1.2 to 1 on");
    // 43 misses to 4 hits is exactly 10.75 to 1: the half rounds up.
    EXPECT_EQ(odds(onTurn(4)), "10.8 to 1");
}

TEST(DrawsTable, ShowsTheFiguresOfItsOuts) {
    const std::string html = pagetext::readPage("txpoststrategy.html");
    const auto rows = pagetext::tableRows(html, "draws");
    ASSERT_GE(rows.size(), 4u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 4u);
        SCOPED_TRACE(row[0]);
        const int outs = std::stoi(row[1]);
        EXPECT_EQ(row[2], percent(onTurn(outs)));
        EXPECT_EQ(row[3], percent(byRiver(outs)));
    }
}

TEST(DrawsTable, NamedDrawsHaveTheirOuts) {
    const std::string html = pagetext::readPage("txpoststrategy.html");
    const auto rows = pagetext::tableRows(html, "draws");
    // Cards of the suit left; ranks that finish the straight, four of each.
    const std::pair<const char*, int> draws[] = {{"Flush draw:", 13 - 4},
                                                 {"Open-ended", 2 * 4},
                                                 {"Inside straight", 4},
                                                 {"Two overcards", 2 * 3},
                                                 {"Flush draw and open-ended", 9 + 8 - 2}};
    for (const auto& [name, outs] : draws) {
        bool found = false;
        for (const auto& row : rows) {
            if (row[0].rfind(name, 0) != 0) continue;
            found = true;
            EXPECT_EQ(row[1], std::to_string(outs)) << name;
        }
        EXPECT_TRUE(found) << name;
    }
}

// "n outs: r % against the exact x %": r is the rule of 4 (by the river)
// or the rule of 2 (the next card), and x the exact chance of that kind.
TEST(DrawsTable, RuleOfFourAndTwoIsComparedWithTheExactChance) {
    const std::string text = pagetext::visibleText(pagetext::readPage("txpoststrategy.html"));
    static const std::regex claim("(\\d+) outs: (\\d+) % against the exact ([\\d.]+ %)");
    int seen = 0;
    for (std::sregex_iterator m(text.begin(), text.end(), claim), e; m != e; ++m, ++seen) {
        const int outs = std::stoi((*m)[1]);
        const int rough = std::stoi((*m)[2]);
        SCOPED_TRACE(m->str());
        if (rough == 4 * outs) {
            EXPECT_EQ((*m)[3], percent(byRiver(outs)));
        } else {
            EXPECT_EQ(rough, 2 * outs);
            EXPECT_EQ((*m)[3], percent(onRiver(outs)));
        }
    }
    EXPECT_GE(seen, 2);
}
