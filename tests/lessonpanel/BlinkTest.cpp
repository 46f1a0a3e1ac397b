// The message line's blinking, tick by tick. The tick count survives the end
// of a blink period, so the next period's first hiding may come early.
#include "PanelFixture.h"

namespace tutor::testing {
namespace {

constexpr std::uint32_t W = 0x00FFFFFF, B = 0x00000000;

class Blink : public PanelFixture {
  protected:
    // The text colour after each of n ticks.
    std::vector<std::uint32_t> tick(int n) {
        std::vector<std::uint32_t> colours;
        for (int i = 0; i < n; ++i) {
            panel->Timer1_Timer();
            colours.push_back(messageColour());
        }
        return colours;
    }
};

TEST_F(Blink, ShownFourTicksHiddenOne) {
    ASSERT_TRUE(st().blinkMessage);  // the layout starts it
    ASSERT_EQ(st().blinkTicks, 0);
    EXPECT_EQ(tick(10), (std::vector<std::uint32_t>{W, W, W, B, W, W, W, W, B, W}));
    EXPECT_EQ(message()->text(), "Click [Start] to begin...");
}

TEST_F(Blink, TicksCarryOverIntoTheNextPeriod) {
    tick(2);
    ASSERT_EQ(st().blinkTicks, 2);
    panel->initLessonRankings();
    clickName("cmdStart2A");  // stops the blinking
    EXPECT_EQ(tick(5), std::vector<std::uint32_t>(5, W));
    EXPECT_EQ(st().blinkTicks, 2);  // a stopped blink counts nothing

    panel->initLessonRankings();  // starts it again, the count not reset
    EXPECT_EQ(tick(7), (std::vector<std::uint32_t>{W, B, W, W, W, W, B}));
}

// Stopping the blinking shows the text at once, even in its hidden tick.
TEST_F(Blink, AStartDuringTheHiddenTickShowsTheTextAtOnce) {
    tick(4);
    ASSERT_EQ(messageColour(), B);
    panel->initLessonHandNames();  // keeps the blinking, and the colour
    EXPECT_EQ(message()->text(), "Click [Start] to begin..");
    EXPECT_EQ(messageColour(), B);
    clickName("cmdStart1A");
    EXPECT_EQ(messageColour(), W);
    EXPECT_EQ(st().blinkTicks, 0);
    EXPECT_EQ(tick(4), std::vector<std::uint32_t>(4, W));
}

// Start 4 leaves the blinking alone: hidden text stays hidden until the
// next tick shows it.
TEST_F(Blink, StartFourKeepsTheBlinkingOfTheScreen) {
    panel->initLessonBestHand();
    tick(4);
    ASSERT_EQ(messageColour(), B);
    scriptPass({clubs(col(2)), diamonds(col(6)), spades(col(9)), hearts(col(kJ)), clubs(col(kA))});
    clickName("cmdStart4");
    EXPECT_EQ(message()->text(), "Select the best pocket pair (full house or less)");
    EXPECT_EQ(messageColour(), B);
    EXPECT_TRUE(st().blinkMessage);
    EXPECT_EQ(tick(5), (std::vector<std::uint32_t>{W, W, W, W, B}));
}

// A winner sentence starts the blinking from the count the last period left.
TEST_F(Blink, AWinnerSentenceBlinks) {
    tick(3);
    panel->initLessonRankings();
    clickName("cmdStart2A");
    pick({0, 1, 2, 3, 5, 13, 14, 15, 16, 18});
    EXPECT_TRUE(st().blinkMessage);
    EXPECT_EQ(tick(2), (std::vector<std::uint32_t>{B, W}));
}

}  // namespace
}  // namespace tutor::testing
