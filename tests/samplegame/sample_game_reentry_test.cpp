// Clicks that arrive while an animation waits: they run inside the wait,
// and the interrupted step finishes afterwards.
#include <random>

#include <QLabel>
#include <QPushButton>

#include "SampleGameFixture.h"

namespace tutor::testing {
namespace {

using SampleGameReentry = SampleGameTest;

const std::string kDealtTable =
    " | pockets=01234567 | board= | showdown= | dealer=6605,5380 | button=Next | link=0";

// A Next click in any of the deal's ten waits performs step 4 inside it; the
// deal then finishes and step 3 writes its own commentary last.
TEST_F(SampleGameReentry, NextDuringEachWaitOfTheDeal) {
    for (std::int64_t offset : {250, 750, 1100, 1300, 1500, 1700, 1900, 2100, 2300, 2500}) {
        SCOPED_TRACE("click at " + std::to_string(offset));
        start();
        playTo(2);
        fakes.events.at(fakes.clock.now + offset, [&] { clickNext(); });
        clickNext();
        EXPECT_EQ(panel->demoStep(), 4);
        EXPECT_EQ(comments(), expectedComments(3));
        EXPECT_EQ(table(), "labels=0:0.25 1:0.50 2:50c" + kDealtTable);
        clickNext();
        EXPECT_EQ(panel->demoStep(), 5);
        EXPECT_EQ(comments(), expectedComments(5));
    }
}

struct NestedCase {
    const char* name;
    int step;        // the animated step clicked into
    int clicks;      // Next clicks inside its first wait
    int stepAfter;   // demoStep afterwards
    const char* table;
};

class SampleGameNested : public SampleGameTest,
                         public ::testing::WithParamInterface<NestedCase> {};

TEST_P(SampleGameNested, ClicksInsideTheFirstWait) {
    const NestedCase& c = GetParam();
    start();
    playTo(c.step - 1);
    fakes.events.at(fakes.clock.now + 100, [&] {
        for (int i = 0; i < c.clicks; ++i) clickNext();
    });
    clickNext();
    EXPECT_EQ(panel->demoStep(), c.stepAfter);
    EXPECT_EQ(comments(), expectedComments(c.step));
    EXPECT_EQ(table(), c.table);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SampleGameNested,
    ::testing::Values(
        NestedCase{"flopThreeClicks", 11, 3, 14,
                   "labels=0:chk 1:chk 2:chk 8:Pot  $3.00 | pockets=012367 | board=012 | "
                   "showdown= | dealer=6605,5380 | button=Next | link=0"},
        NestedCase{"turnOneClick", 21, 1, 22,
                   "labels=2:chk 8:Pot  $4.50 | pockets=237 | board=0123 | showdown= | "
                   "dealer=6605,5380 | button=Next | link=0"},
        NestedCase{"riverOneClick", 27, 1, 28,
                   "labels=2:chk 8:Pot  $6.50 | pockets=27 | board=01234 | showdown= | "
                   "dealer=6605,5380 | button=Next | link=0"},
        // The summary is written inside the wait, then replaced by step 32's.
        NestedCase{"showdownOneClick", 32, 1, 33,
                   "labels=8:Pot  $10.50 | pockets=27 | board=01234 | showdown=12 | "
                   "dealer=6605,5380 | button=Next | link=0"},
        // Past step 34 inside the wait: the table is reset to step 1, then
        // the showdown finishes on it.
        NestedCase{"showdownPastTheEnd", 32, 3, 1,
                   "labels= | pockets= | board= | showdown=12 | dealer=7905,4080 | "
                   "button=Next | link=0"},
        // Steps 4 to 11 inside the deal's first wait; step 11 waits in its
        // turn, and the deal then deals every seat again and posts the blinds.
        NestedCase{"dealEightClicks", 3, 8, 11,
                   "labels=0:0.25 1:0.50 8:Pot  $3.00 | pockets=01234567 | board=012 | "
                   "showdown= | dealer=6605,5380 | button=Next | link=0"}),
    [](const ::testing::TestParamInfo<NestedCase>& info) { return info.param.name; });

// A click inside a wait of a step that itself runs inside a wait: steps 4
// to 11 inside the deal's first wait, then step 12 inside the nested flop's.
TEST_F(SampleGameReentry, ClickInsideANestedWait) {
    start();
    playTo(2);
    const std::int64_t t0 = fakes.clock.now;
    std::string seenInside;
    int stepInside = 0;
    fakes.events.at(t0 + 100, [&] {
        for (int i = 0; i < 8; ++i) clickNext();
    });
    fakes.events.at(t0 + 150, [&] {
        stepInside = panel->demoStep();
        seenInside = table();
        clickNext();
    });
    clickNext();
    EXPECT_EQ(stepInside, 11);
    EXPECT_EQ(seenInside,
              "labels=8:Pot  $3.00 | pockets= | board=0 | showdown= | dealer=6605,5380 | "
              "button=Next | link=0");
    EXPECT_EQ(panel->demoStep(), 12);
    EXPECT_EQ(comments(), expectedComments(3));
    EXPECT_EQ(table(),
              "labels=0:0.25 1:0.50 8:Pot  $3.00 | pockets=01234567 | board=012 | showdown= | "
              "dealer=6605,5380 | button=Next | link=0");
    clickNext();
    EXPECT_EQ(comments(), expectedComments(13));
}

// A tree click on the game during the deal restarts it inside the wait; the
// deal then shows the remaining seats' cards on the cleared table.
TEST_F(SampleGameReentry, RestartDuringTheDeal) {
    start();
    playTo(2);
    fakes.events.at(fakes.clock.now + 1100, [&] { start(); });
    clickNext();
    EXPECT_EQ(panel->demoStep(), 1);
    EXPECT_EQ(comments(), expectedComments(3));
    EXPECT_EQ(table(),
              "labels= | pockets=1234567 | board= | showdown= | dealer=7905,4080 | button=Next | "
              "link=0");
    playTo(3);  // the button slides from its start again, not from further on
    EXPECT_EQ(panel->dealerLeft(), 6605);
    EXPECT_EQ(panel->dealerTop(), 5380);
}

// The panel going away inside a wait ends the interrupted step quietly.
TEST_F(SampleGameReentry, PanelDestroyedDuringAWait) {
    start();
    playTo(2);
    fakes.events.at(fakes.clock.now + 700, [&] { panel.reset(); });
    nextButton()->click();
    EXPECT_EQ(panel, nullptr);
}

// Thousands of clicks on Next and on the tree node, at random times inside
// the waits, must leave a table that a plain replay puts right.
TEST_F(SampleGameReentry, RandomClicksDuringAnimations) {
    std::mt19937 rng(20261210);
    std::uniform_int_distribution<int> when(0, 3000);
    std::uniform_int_distribution<int> what(0, 99);
    int scheduled = 0;
    int ran = 0;
    start();
    constexpr int kClicks = 3000;
    int rounds = 0;
    while ((scheduled < kClicks || ran < scheduled) && rounds < 100000) {
        ++rounds;
        if (scheduled < kClicks) {
            const int burst = what(rng) % 4;
            for (int i = 0; i < burst; ++i, ++scheduled) {
                const bool restart = what(rng) < 10;
                fakes.events.at(fakes.clock.now + when(rng), [&, restart] {
                    ++ran;
                    if (restart)
                        start();
                    else
                        clickNext();
                });
            }
        }
        clickNext();
        ASSERT_GE(panel->demoStep(), 1);
        ASSERT_LE(panel->demoStep(), 34);
        const bool atStart = panel->dealerLeft() == 7905 && panel->dealerTop() == 4080;
        const bool dealt = panel->dealerLeft() == 6605 && panel->dealerTop() == 5380;
        ASSERT_TRUE(atStart || dealt) << table();
    }
    EXPECT_EQ(ran, scheduled);
    EXPECT_EQ(scheduled, kClicks);
    // Every label shows one of the script's captions.
    const QStringList captions = {"50c", "0.25", "0.50", "chk", "folds", "folded", "$1", "$2",
                                  "Pot", "Pot  $3.00", "Pot  $4.50", "Pot  $6.50", "Pot  $10.50"};
    for (int i = 0; i <= 8; ++i)
        EXPECT_TRUE(captions.contains(label(("lblArray_" + std::to_string(i)).c_str())->text()));
    // Played out quietly, the game wraps to a clean step 1 and deals normally.
    playTo(34);
    clickNext();
    EXPECT_EQ(panel->demoStep(), 1);
    EXPECT_EQ(table(),
              "labels= | pockets= | board= | showdown= | dealer=7905,4080 | button=Next | link=0");
    playTo(3);
    EXPECT_EQ(table(), "labels=0:0.25 1:0.50" + kDealtTable);
}

}  // namespace
}  // namespace tutor::testing
