// The hand windows on a screen of device-pixel ratio above 1, with the real
// card pictures: cards as crisp as when drawn at device resolution, and no
// device pixel left unpainted.
#include "RealCardsFixture.h"

namespace tutor::testing {
namespace {

using test::pixelsOfColour;
using test::renderOverFill;

class ScaledHands : public RealCardsLessonFixture {
protected:
    void SetUp() override { ASSERT_GT(ratio(), 1.0) << "run on a screen of tests/screens"; }
};

TEST_F(ScaledHands, FiveCardsPickedOnTheKeyboardAreCrisp) {
    panel->initLessonHandNames();
    clickName("cmdStart1A");
    for (int k : {38, 50, 21, 5, 36}) click(key(k));  // A, K, 10, 7, Q of mixed suits
    ASSERT_EQ(realCards.draws.size(), 5u);
    expectAsCrispAsReference(picShow(), realCards.draws);
}

// Start 2B deals the first hand into picShow, then the second into
// picLabels; a biased deal may deal the first hand a few times over.
TEST_F(ScaledHands, BothDealtHandsAreCrisp) {
    panel->initLessonRankings();
    clickName("cmdStart2B");
    const auto& draws = realCards.draws;
    ASSERT_GE(draws.size(), 10u);
    const std::vector<FakeCards::Draw> first(draws.end() - 10, draws.end() - 5);
    const std::vector<FakeCards::Draw> second(draws.end() - 5, draws.end());
    {
        SCOPED_TRACE("picShow");
        expectAsCrispAsReference(picShow(), first);
    }
    {
        SCOPED_TRACE("picLabels");
        expectAsCrispAsReference(picLabels(), second);
    }
}

// The windows are opaque: whatever lay on the screen before must not show
// through anywhere, border included.
TEST_F(ScaledHands, NoDevicePixelOfAHandWindowKeepsWhatLayUnderIt) {
    const QColor loud(255, 0, 255);
    auto expectCovered = [&](const char* when) {
        for (HandWindow* window : {picShow(), picLabels()}) {
            SCOPED_TRACE(std::string(when) + ", " + window->objectName().toStdString());
            const QImage image = renderOverFill(*window, loud);
            EXPECT_EQ(pixelsOfColour(image, loud), 0);
        }
    };
    panel->initLessonRankings();
    expectCovered("before cards");
    clickName("cmdStart2B");
    ASSERT_GE(realCards.draws.size(), 10u);
    expectCovered("after cards");
    picShow()->resize(picShow()->width() + 7, picShow()->height() + 3);
    expectCovered("after a resize");
}

}  // namespace
}  // namespace tutor::testing
