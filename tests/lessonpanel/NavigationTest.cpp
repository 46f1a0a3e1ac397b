// Moving to another lesson screen in the middle of an exercise leaves the
// lesson mode and the awaited answer as they were: until the next Start the
// clicks follow the old mode.
#include "PanelFixture.h"

namespace tutor::testing {
namespace {

const std::vector<int> kTwoPairThenHighCard = {
    clubs(col(7)), diamonds(col(7)), clubs(col(4)),  diamonds(col(4)), spades(col(kK)),
    clubs(col(2)), diamonds(col(3)), spades(col(5)), hearts(col(8)),   diamonds(col(kQ))};

class Navigation : public PanelFixture {};

TEST_F(Navigation, TwoBThenHandNamesScreenThenAHandWindowClick) {
    panel->initLessonRankings();
    scriptBias(5);
    scriptPass(kTwoPairThenHighCard);
    clickName("cmdStart2B");

    panel->initLessonHandNames();
    EXPECT_TRUE(st().mode2B);
    EXPECT_TRUE(st().awaitingAnswer);
    EXPECT_TRUE(windowEmpty(picShow()));
    EXPECT_EQ(picLabels()->backColor(), 0x00E0E0E0u);
    EXPECT_EQ(message()->text(), "Click [Start] to begin..");
    EXPECT_FALSE(clearEnabled());

    // The labels are not the 2B answer and stay inert; the hand windows still
    // answer with the two dealt hands.
    clickLabel(7);
    hover(3);
    EXPECT_TRUE(fakes.sound.played.isEmpty());
    EXPECT_EQ(framed(), -1);
    click(picShow());
    EXPECT_EQ(message()->text(), "Hand (1) wins with a two pair");
    EXPECT_TRUE(st().blinkMessage);
}

// In mode 3B the labels 2 to 6 are judged by the value bands, whatever the
// screen's captions; the others do nothing.
TEST_F(Navigation, ThreeBThenHandNamesScreenJudgesByPosition) {
    panel->initLessonPairValue();
    scriptPass({clubs(col(kQ)), clubs(col(10))});  // QTs, 80: "Good"
    clickName("cmdStart3B");
    panel->initLessonHandNames();
    ASSERT_EQ(nameLabel(3)->text(), "Flush");
    for (int label : {0, 1, 7, 8}) clickLabel(label);
    EXPECT_TRUE(fakes.sound.played.isEmpty());
    clickLabel(3);
    EXPECT_EQ(sounds(), QStringList{"wavs/yes.wav"});
    EXPECT_EQ(highlighted(), 3);
    EXPECT_EQ(message()->text(), "Preflop rank is 80%");
}

// In mode 1B the labels are judged by category index, even as value labels.
TEST_F(Navigation, OneBThenPairValueScreenJudgesByIndex) {
    panel->initLessonHandNames();
    scriptBias(6);
    scriptPass({clubs(col(2)), clubs(col(4)), clubs(col(6)), clubs(col(8)), clubs(col(kJ))});
    clickName("cmdStart1B");
    panel->initLessonPairValue();
    ASSERT_EQ(nameLabel(3)->text(), "Good");
    clickLabel(2);
    clickLabel(3);  // the flush's label
    EXPECT_EQ(sounds(), (QStringList{"wavs/no.wav", "wavs/yes.wav"}));
    EXPECT_EQ(highlighted(), 3);
}

// The hover frame: the remembered label starts at 0 and survives the label
// resets of a Start or a screen.
TEST_F(Navigation, HoverRemembersTheLastFramedLabelAcrossStartsAndScreens) {
    panel->initLessonHandNames();
    hover(4);  // no answer awaited: nothing
    EXPECT_EQ(framed(), -1);
    scriptBias(4);
    scriptPass({clubs(col(2)), clubs(col(4)), clubs(col(6)), clubs(col(8)), clubs(col(kJ))});
    clickName("cmdStart1B");
    hover(0);  // the remembered index starts at 0
    EXPECT_EQ(framed(), -1);
    hover(5);
    EXPECT_EQ(framed(), 5);
    hover(5);
    hover(0);
    EXPECT_EQ(framed(), 0);
    clickLabel(3);  // a right answer keeps the frame
    EXPECT_EQ(framed(), 0);
    EXPECT_EQ(highlighted(), 3);

    scriptBias(4);
    scriptPass({clubs(col(2)), clubs(col(4)), clubs(col(6)), clubs(col(8)), clubs(col(kJ))});
    clickName("cmdStart1B");
    EXPECT_EQ(framed(), -1);
    hover(0);  // still remembered from before the Start
    EXPECT_EQ(framed(), -1);
    hover(1);
    panel->initLessonHandNames();
    EXPECT_EQ(framed(), -1);
    hover(1);
    EXPECT_EQ(framed(), -1);
    hover(2);
    EXPECT_EQ(framed(), 2);
}

// A new layout in the middle of an exercise ends its key input; the mode
// stays, and the next Start begins afresh.
TEST_F(Navigation, ANewLayoutEndsKeyInputUntilTheNextStart) {
    panel->initLessonHandNames();
    clickName("cmdStart1A");
    pick({0, 1});
    panel->initKeys();
    EXPECT_EQ(enabledKeys(), 0);
    EXPECT_FALSE(clearEnabled());
    EXPECT_TRUE(st().blinkMessage);
    EXPECT_TRUE(st().mode1A);
    EXPECT_EQ(st().cardsPicked, 2);
    EXPECT_FALSE(windowEmpty(picShow()));  // the picked cards stay painted

    clickName("cmdStart1A");
    EXPECT_EQ(st().cardsPicked, 0);
    EXPECT_TRUE(windowEmpty(picShow()));
    EXPECT_EQ(enabledKeys(), 52);
}

// Start 2A right after the Rankings screen: Clear waits for the first pick.
TEST_F(Navigation, TwoAAfterTheRankingsScreen) {
    panel->initLessonRankings();
    clickName("cmdStart2A");
    EXPECT_EQ(enabledKeys(), 52);
    EXPECT_FALSE(clearEnabled());
    EXPECT_EQ(messageColour(), 0x00FFFFFFu);
    EXPECT_FALSE(st().blinkMessage);
}

}  // namespace
}  // namespace tutor::testing
