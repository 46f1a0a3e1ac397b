// A window moving from a screen of ratio 1 to a screen of ratio 2, as it
// does when dragged to another monitor.
#include <QGuiApplication>

#include "RealCardsFixture.h"
#include "support/Screens.h"

namespace tutor::testing {
namespace {

using test::pixelsOfColour;

class ScreenChange : public RealCardsLessonFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::screens().size(), 2) << "run on screen-two-ratios.json";
        ASSERT_EQ(ratio(), 1.0);
    }
    void moveToSecondScreen() { ASSERT_TRUE(test::moveToScreen(*form, "S2")); }
};

// The cards painted before the move stay; the cards painted after it are as
// crisp as the new screen allows.
TEST_F(ScreenChange, AHandWindowFollowsTheRatioOfItsScreen) {
    panel->initLessonHandNames();
    clickName("cmdStart1A");
    for (int k : {38, 50}) click(key(k));
    const QColor felt(0, 128, 0);
    const int feltBefore = pixelsOfColour(clientShot(picShow()), felt);

    moveToSecondScreen();
    ASSERT_EQ(ratio(), 2.0);
    picShow()->repaint();
    const int feltAfter = pixelsOfColour(clientShot(picShow()), felt);
    EXPECT_NEAR(feltAfter, 4 * feltBefore, 0.02 * feltAfter) << "the two cards are kept";

    realCards.draws.clear();
    clickName("cmdStart1A");
    for (int k : {38, 50, 21, 5, 36}) click(key(k));
    expectAsCrispAsReference(picShow(), realCards.draws);
}

}  // namespace
}  // namespace tutor::testing
