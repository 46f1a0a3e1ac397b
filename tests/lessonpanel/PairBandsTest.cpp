// The two band tables of the Pre-Flop Pair Value lesson, at every boundary:
// picked cards (3A) choose their label by 90/70/60/50, a dealt pair (3B) is
// answered right by 90/80/70/60. The values come from the shipped 169.txt.
#include "PanelFixture.h"

namespace tutor::testing {
namespace {

struct BandRow {
    const char* hand;
    int first, second;  // keys
    int value;
    int pickedLabel;  // 3A
    int rightLabel;   // 3B
};

const BandRow kBands[] = {
    {"AA", clubs(col(kA)), diamonds(col(kA)), 100, 2, 2},
    {"66", clubs(col(6)), diamonds(col(6)), 90, 2, 2},
    {"AT", clubs(col(kA)), diamonds(col(10)), 89, 3, 3},
    {"QTs", clubs(col(kQ)), clubs(col(10)), 80, 3, 3},
    {"A7", clubs(col(kA)), diamonds(col(7)), 79, 3, 4},
    {"K8", clubs(col(kK)), diamonds(col(8)), 70, 3, 4},
    {"A3", clubs(col(kA)), diamonds(col(3)), 69, 4, 5},
    {"Q8", clubs(col(kQ)), diamonds(col(8)), 60, 4, 5},
    {"K5", clubs(col(kK)), diamonds(col(5)), 59, 5, 6},
    {"T7s", clubs(col(10)), clubs(col(7)), 50, 5, 6},
    {"22", clubs(col(2)), diamonds(col(2)), 49, 6, 6},
    {"83", clubs(col(8)), diamonds(col(3)), 7, 6, 6},
    {"32", clubs(col(3)), diamonds(col(2)), 0, 6, 6},
};

class PairBands : public PanelFixture {};

TEST_F(PairBands, PickedCardsChooseTheirLabel) {
    panel->initLessonPairValue();
    for (const BandRow& row : kBands) {
        SCOPED_TRACE(row.hand);
        clickName("cmdStart3A");
        pick({row.first, row.second});
        ASSERT_EQ(st().handValue1, row.value);
        EXPECT_EQ(highlighted(), row.pickedLabel);
        EXPECT_EQ(message()->text(), QStringLiteral("Preflop rank is %1%").arg(row.value));
    }
    EXPECT_TRUE(fakes.sound.played.isEmpty());
}

// Every wrong label first (the no sound, nothing else), then the right one.
TEST_F(PairBands, ADealtPairIsRightForOneLabelOnly) {
    panel->initLessonPairValue();
    for (const BandRow& row : kBands) {
        SCOPED_TRACE(row.hand);
        fakes.sound.played.clear();
        scriptPass({row.first, row.second});
        clickName("cmdStart3B");
        ASSERT_EQ(st().handValue2, row.value);
        for (int label = 2; label <= 6; ++label) {
            if (label == row.rightLabel) continue;
            clickLabel(label);
            EXPECT_EQ(sounds().last(), "wavs/no.wav") << label;
            EXPECT_TRUE(st().awaitingAnswer);
            EXPECT_EQ(highlighted(), -1);
            EXPECT_EQ(message()->text(), "Click a pair value label from the list..");
        }
        clickLabel(row.rightLabel);
        EXPECT_EQ(sounds().size(), 5);
        EXPECT_EQ(sounds().last(), "wavs/yes.wav");
        EXPECT_EQ(highlighted(), row.rightLabel);
        EXPECT_FALSE(st().awaitingAnswer);
        EXPECT_EQ(message()->text(), QStringLiteral("Preflop rank is %1%").arg(row.value));
    }
}

}  // namespace
}  // namespace tutor::testing
