// Clicks that arrive while an animation waits: they run inside the wait,
// and the interrupted step finishes afterwards.
#include "SampleGameFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest/QTest>

#include <random>
#include <set>
#include <string>

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
    int step;       // the animated step clicked into
    int clicks;     // Next clicks inside its first wait
    int stepAfter;  // demoStep afterwards
    const char* table;
};

void PrintTo(const NestedCase& c, std::ostream* os) {
    *os << c.name;
}

class SampleGameNested : public SampleGameTest, public ::testing::WithParamInterface<NestedCase> {};

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

// Several Next clicks at one time inside a later wait of each animation:
// the nested steps run to their end, then the animation makes only the
// changes it had left.
struct ClicksInAWait {
    const char* name;
    int step;             // the animated step clicked into
    std::int64_t offset;  // ms after its click, inside one of its waits
    int clicks;
    int stepAfter;
    std::string table;
};

void PrintTo(const ClicksInAWait& c, std::ostream* os) {
    *os << c.name;
}

class SampleGameClicksInAWait : public SampleGameTest,
                                public ::testing::WithParamInterface<ClicksInAWait> {};

TEST_P(SampleGameClicksInAWait, NestedStepsThenTheRestOfTheAnimation) {
    const ClicksInAWait& c = GetParam();
    start();
    playTo(c.step - 1);
    fakes.events.at(fakes.clock.now + c.offset, [&] {
        for (int i = 0; i < c.clicks; ++i) clickNext();
    });
    clickNext();
    EXPECT_EQ(panel->demoStep(), c.stepAfter);
    EXPECT_EQ(comments(), expectedComments(c.step));
    EXPECT_EQ(table(), c.table);
    // The next click goes on after the last nested step.
    if (c.stepAfter < 34) {
        clickNext();
        EXPECT_EQ(panel->demoStep(), c.stepAfter + 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Waits, SampleGameClicksInAWait,
    ::testing::Values(
        // Before the blinds: the deal then posts them and deals every seat,
        // the seat that folded inside the wait included.
        ClicksInAWait{"dealBeforeTheBlinds", 3, 250, 3, 6,
                      "labels=0:0.25 1:0.50 2:50c 3:50c 4:folded" + kDealtTable},
        ClicksInAWait{
            "dealAfterTheBlinds", 3, 750, 7, 10,
            "labels=0:50c 1:0.50 2:50c 3:50c 4:folded 5:folded 6:50c 7:50c" + kDealtTable},
        ClicksInAWait{"dealAfterTheSecondSeat", 3, 1300, 4, 7,
                      "labels=0:0.25 1:0.50 2:50c 3:50c 4:folded 5:folded" + kDealtTable},
        // In the last wait nothing is left to deal: the folds stand.
        ClicksInAWait{"dealLastWait", 3, 2500, 4, 7,
                      "labels=0:0.25 1:0.50 2:50c 3:50c 4:folded 5:folded | pockets=012367 | "
                      "board= | showdown= | dealer=6605,5380 | button=Next | link=0"},
        ClicksInAWait{"flopSecondWait", 11, 450, 2, 13,
                      "labels=0:chk 1:chk 8:Pot  $3.00 | pockets=012367 | board=012 | "
                      "showdown= | dealer=6605,5380 | button=Next | link=0"},
        ClicksInAWait{"flopLastWait", 11, 750, 6, 17,
                      "labels=0:chk 1:chk 2:chk 3:50c 6:folds 7:50c 8:Pot  $3.00 | "
                      "pockets=01237 | board=012 | showdown= | dealer=6605,5380 | button=Next | "
                      "link=0"},
        // Through the turn, which waits inside the flop's wait; the flop then
        // turns up its last two cards under the turn's pot.
        ClicksInAWait{"flopThroughTheTurn", 11, 150, 11, 22,
                      "labels=2:chk 8:Pot  $4.50 | pockets=237 | board=0123 | showdown= | "
                      "dealer=6605,5380 | button=Next | link=0"},
        ClicksInAWait{"turnToTheFold", 21, 150, 5, 26,
                      "labels=2:$1 3:folds 7:$1 8:Pot  $4.50 | pockets=27 | board=0123 | "
                      "showdown= | dealer=6605,5380 | button=Next | link=0"},
        ClicksInAWait{"turnThroughTheRiver", 21, 150, 7, 28,
                      "labels=2:chk 8:Pot  $6.50 | pockets=27 | board=01234 | showdown= | "
                      "dealer=6605,5380 | button=Next | link=0"},
        ClicksInAWait{"riverToTheCall", 27, 150, 4, 31,
                      "labels=2:$2 7:$2 8:Pot  $6.50 | pockets=27 | board=01234 | showdown= | "
                      "dealer=6605,5380 | button=Next | link=0"},
        ClicksInAWait{"showdownToTheEnd", 32, 150, 2, 34,
                      "labels=8:Pot  $10.50 | pockets=27 | board=01234 | showdown=12 | "
                      "dealer=6605,5380 | button=Replay | link=1"},
        // Past the end and on into a new deal, then the showdown turns the
        // hands over on the new game's table.
        ClicksInAWait{"showdownIntoTheNextDeal", 32, 150, 5, 3,
                      "labels=0:0.25 1:0.50 | pockets=01234567 | board= | showdown=12 | "
                      "dealer=6605,5380 | button=Next | link=0"},
        // Past the end inside the deal's first wait: the reset puts the
        // button back after the slide, and the deal goes on on the clear table.
        ClicksInAWait{"dealPastTheEnd", 3, 250, 32, 1,
                      "labels=0:0.25 1:0.50 | pockets=01234567 | board= | showdown= | "
                      "dealer=7905,4080 | button=Next | link=0"}),
    [](const ::testing::TestParamInfo<ClicksInAWait>& info) { return info.param.name; });

// A real mouse click on the button inside a wait takes the same way in.
TEST_F(SampleGameReentry, MouseClickDuringAWait) {
    panel->show();
    start();
    playTo(2);
    fakes.events.at(fakes.clock.now + 250,
                    [&] { QTest::mouseClick(nextButton(), Qt::LeftButton); });
    QTest::mouseClick(nextButton(), Qt::LeftButton);
    EXPECT_EQ(panel->demoStep(), 4);
    EXPECT_EQ(comments(), expectedComments(3));
    EXPECT_EQ(table(), "labels=0:0.25 1:0.50 2:50c" + kDealtTable);
    QTest::mouseClick(nextButton(), Qt::LeftButton);
    EXPECT_EQ(comments(), expectedComments(5));
}

// The "Sample Poker Game" node clicked inside a wait of each animation: the
// game restarts at step 1 inside the wait, the animation finishes its own
// changes on the cleared table, and a second node click clears them.
struct RestartInAWait {
    const char* name;
    int step;
    std::int64_t offset;
    const char* table;
};

void PrintTo(const RestartInAWait& c, std::ostream* os) {
    *os << c.name;
}

class SampleGameRestartInAWait : public SampleGameTest,
                                 public ::testing::WithParamInterface<RestartInAWait> {};

TEST_P(SampleGameRestartInAWait, AnimationFinishesOnTheClearedTable) {
    const RestartInAWait& c = GetParam();
    start();
    playTo(c.step - 1);
    fakes.events.at(fakes.clock.now + c.offset, [&] { start(); });
    clickNext();
    EXPECT_EQ(panel->demoStep(), 1);
    EXPECT_EQ(comments(), expectedComments(c.step));
    EXPECT_EQ(table(), c.table);
    clickNext();
    EXPECT_EQ(panel->demoStep(), 2);
    EXPECT_EQ(comments(), expectedComments(2));
    start();
    EXPECT_EQ(table(),
              "labels= | pockets= | board= | showdown= | dealer=7905,4080 | button=Next | link=0");
    playTo(3);
    EXPECT_EQ(table(), "labels=0:0.25 1:0.50" + kDealtTable);
}

INSTANTIATE_TEST_SUITE_P(
    Waits, SampleGameRestartInAWait,
    ::testing::Values(
        RestartInAWait{"dealBeforeTheBlinds", 3, 250,
                       "labels=0:0.25 1:0.50 | pockets=01234567 | board= | showdown= | "
                       "dealer=7905,4080 | button=Next | link=0"},
        RestartInAWait{"dealLastWait", 3, 2500,
                       "labels= | pockets= | board= | showdown= | dealer=7905,4080 | "
                       "button=Next | link=0"},
        RestartInAWait{"flopSecondWait", 11, 450,
                       "labels= | pockets= | board=2 | showdown= | dealer=7905,4080 | "
                       "button=Next | link=0"},
        RestartInAWait{"turn", 21, 150,
                       "labels= | pockets= | board=3 | showdown= | dealer=7905,4080 | "
                       "button=Next | link=0"},
        RestartInAWait{"river", 27, 150,
                       "labels= | pockets= | board=4 | showdown= | dealer=7905,4080 | "
                       "button=Next | link=0"},
        RestartInAWait{"showdown", 32, 150,
                       "labels= | pockets= | board= | showdown=12 | dealer=7905,4080 | "
                       "button=Next | link=0"}),
    [](const ::testing::TestParamInfo<RestartInAWait>& info) { return info.param.name; });

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
    std::set<std::string> texts;
    for (int step = 1; step <= 34; ++step) texts.insert(expectedComments(step));
    const QStringList captions = {"50c",        "0.25",       "0.50",       "chk", "folds",
                                  "folded",     "$1",         "$2",         "Pot", "Pot  $3.00",
                                  "Pot  $4.50", "Pot  $6.50", "Pot  $10.50"};
    start();
    constexpr int kClicks = 3000;
    int rounds = 0;
    while ((scheduled < kClicks || ran < scheduled) && rounds < 100000) {
        ++rounds;
        if (scheduled < kClicks) {
            const int burst = what(rng) % 4;
            for (int i = 0; i < burst && scheduled < kClicks; ++i, ++scheduled) {
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
        // The box holds one step's whole text, never a mix of two.
        ASSERT_EQ(texts.count(comments()), 1u) << comments();
        // Only step 34 sets "Replay" and shows the link; only a reset undoes both.
        ASSERT_EQ(nextButton()->text() == "Replay", !label("lblEnough")->isHidden()) << table();
        for (int i = 0; i <= 8; ++i)
            ASSERT_TRUE(captions.contains(label(("lblArray_" + std::to_string(i)).c_str())->text()))
                << table();
    }
    EXPECT_EQ(ran, scheduled);
    EXPECT_EQ(scheduled, kClicks);
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
