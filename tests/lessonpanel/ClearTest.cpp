// Clear restarts the exercise of the mode the last Start selected.
#include "PanelFixture.h"

namespace tutor::testing {
namespace {

class Clear : public PanelFixture {
  protected:
    // What Clear leaves in every mode before its restart runs.
    void expectCommonReset() {
        EXPECT_EQ(st().cardsPicked, 0);
        EXPECT_TRUE(labelsNormal());
        EXPECT_FALSE(st().blinkMessage);
        EXPECT_EQ(messageColour(), 0x00FFFFFFu);
    }
};

TEST_F(Clear, OneA_AfterThreePicksStartsTheFiveAgain) {
    panel->initLessonHandNames();
    clickName("cmdStart1A");
    pick({0, 1, 2});
    clickName("cmdClear");
    expectCommonReset();
    EXPECT_TRUE(windowEmpty(picShow()));
    EXPECT_EQ(enabledKeys(), 52);  // the three used keys come back
    EXPECT_EQ(message()->text(), "Pick 5 cards..");
    EXPECT_TRUE(clearEnabled());
    EXPECT_TRUE(st().mode1A);
    fakes.cards.draws.clear();
    click(key(0));
    EXPECT_EQ(paintedXs(), std::vector<int>{38});  // the first of five again
    EXPECT_EQ(st().cardsPicked, 1);
}

TEST_F(Clear, OneA_AfterTheFifthPickUndoesTheResult) {
    panel->initLessonHandNames();
    clickName("cmdStart1A");
    pick({clubs(col(2)), diamonds(col(2)), clubs(col(5)), clubs(col(7)), clubs(col(9))});
    ASSERT_EQ(highlighted(), 7);  // "One Pair"
    ASSERT_EQ(enabledKeys(), 0);
    clickName("cmdClear");
    EXPECT_EQ(highlighted(), -1);
    EXPECT_EQ(enabledKeys(), 52);
}

TEST_F(Clear, OneB_DealsANewHandWithANewBiasDraw) {
    panel->initLessonHandNames();
    scriptBias(4);
    scriptPass({0, 14, 29, 45, 24});
    clickName("cmdStart1B");
    hover(2);
    hover(5);
    ASSERT_EQ(framed(), 5);
    clickLabel(8);  // right: a high card
    ASSERT_FALSE(st().awaitingAnswer);

    scriptBias(6);
    scriptPass({clubs(col(7)), diamonds(col(7)), clubs(col(2)), diamonds(col(9)), spades(col(kK))});
    const int reseeds = fakes.random.reseeds;
    clickName("cmdClear");
    expectCommonReset();
    EXPECT_EQ(fakes.random.reseeds, reseeds + 2);
    EXPECT_TRUE(fakes.random.queue.empty());
    EXPECT_EQ(st().handValue1, 9);
    EXPECT_TRUE(st().awaitingAnswer);
    EXPECT_EQ(enabledKeys(), 0);
    EXPECT_EQ(message()->text(), "Click a poker hand name from the list..");
    EXPECT_EQ(framed(), -1);
}

TEST_F(Clear, TwoA_ClearsBothWindowsAndStartsAgain) {
    panel->initLessonRankings();
    clickName("cmdStart2A");
    pick({0, 1, 2, 3, 4, 5, 6});
    clickName("cmdClear");
    expectCommonReset();
    EXPECT_TRUE(windowEmpty(picShow()));
    EXPECT_TRUE(windowEmpty(picLabels()));
    EXPECT_EQ(enabledKeys(), 52);
    EXPECT_EQ(message()->text(), "Pick 2 sets of 5 card hands from the keyboard..");
    EXPECT_TRUE(st().mode2A);
}

TEST_F(Clear, TwoB_ClearsBothWindowsThenDealsTwoNewHands) {
    panel->initLessonRankings();
    scriptBias(5);
    scriptPass({0, 1, 2, 3, 5, 13, 14, 15, 16, 18});
    clickName("cmdStart2B");
    click(picShow());
    ASSERT_TRUE(st().blinkMessage);

    scriptBias(2);
    scriptPass({clubs(col(7)), diamonds(col(7)), clubs(col(4)), diamonds(col(4)), spades(col(kK)),
                hearts(col(2)), hearts(col(3)), spades(col(5)), hearts(col(9)), spades(col(kQ))});
    fakes.cards.draws.clear();
    clickName("cmdClear");
    EXPECT_TRUE(fakes.random.queue.empty());
    EXPECT_EQ(st().handValue1, 8);
    EXPECT_EQ(st().handValue2, 20);
    EXPECT_EQ(fakes.cards.draws.size(), 10u);
    EXPECT_TRUE(st().awaitingAnswer);
    EXPECT_FALSE(st().blinkMessage);
    EXPECT_EQ(message()->text(), "Click the window with the best hand..");
}

TEST_F(Clear, ThreeA_StartsTheTwoPicksAgain) {
    panel->initLessonPairValue();
    clickName("cmdStart3A");
    pick({clubs(col(kA)), diamonds(col(kA))});
    ASSERT_EQ(highlighted(), 2);
    clickName("cmdClear");
    expectCommonReset();
    EXPECT_TRUE(windowEmpty(picShow()));
    EXPECT_EQ(enabledKeys(), 52);
    EXPECT_EQ(st().xincr, 50);
    EXPECT_EQ(message()->text(), "Pick 2 cards from the keyboard..");
}

TEST_F(Clear, ThreeB_PaintsTwoNewPocketCards) {
    panel->initLessonPairValue();
    scriptPass({clubs(col(kA)), diamonds(col(kA))});
    clickName("cmdStart3B");
    clickLabel(2);
    ASSERT_EQ(highlighted(), 2);
    ASSERT_EQ(message()->text(), "Preflop rank is 100%");

    scriptPass({clubs(col(3)), diamonds(col(2))});
    fakes.cards.draws.clear();
    clickName("cmdClear");
    expectCommonReset();
    EXPECT_EQ(paintedXs(), (std::vector<int>{64, 78}));
    EXPECT_EQ(paintedIds(), cardIdsOfKeys({clubs(col(3)), diamonds(col(2))}));
    EXPECT_EQ(st().handValue2, 0);
    EXPECT_TRUE(st().awaitingAnswer);
    EXPECT_EQ(message()->text(), "Click a pair value label from the list..");
}

TEST_F(Clear, Four_DealsANewBoardAndStopsTheBlinking) {
    panel->initLessonBestHand();
    scriptPass({clubs(col(2)), diamonds(col(6)), spades(col(9)), hearts(col(kJ)), clubs(col(kA))});
    clickName("cmdStart4");
    pick({hearts(col(2)), hearts(col(3))});
    ASSERT_EQ(message()->text(), "Best Hand is 3 of a Kind (AAA)");
    ASSERT_TRUE(st().blinkMessage);

    scriptPass({clubs(col(2)), clubs(col(3)), clubs(col(4)), diamonds(col(9)), spades(col(kK))});
    fakes.cards.draws.clear();
    clickName("cmdClear");
    EXPECT_TRUE(windowEmpty(picLabels()));
    EXPECT_EQ(paintedXs(), (std::vector<int>{38, 52, 66, 80, 94}));
    EXPECT_EQ(st().bestHandText, "Best hand is a Club Flush (AK)");
    EXPECT_EQ(enabledKeys(), 47);
    EXPECT_EQ(message()->text(), "Select the best pocket pair (full house or less)");
    EXPECT_FALSE(st().blinkMessage);
    EXPECT_EQ(messageColour(), 0x00FFFFFFu);
    EXPECT_EQ(st().xincr, 36);
}

}  // namespace
}  // namespace tutor::testing
