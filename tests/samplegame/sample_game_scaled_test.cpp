// The sample game on a screen of device-pixel ratio above 1 (see the
// Ratio1.5/ and Ratio2/ lists): its pictures are made at the screen's
// resolution, not blown up from logical pixels.
#include "ScaledPanelFixture.h"
#include "support/PixelMeasures.h"

namespace tutor::testing {
namespace {

using ScaledSampleGame = ScaledPanelTest;

TEST_F(ScaledSampleGame, CrispAtTheFlop) {
    playTo(11);
    expectCrisp({
        {"name plates and chairs", QRect(0, 0, 643, 60)},
        {"hole cards", placeOf("picPocket_0")},
        {"flop", placeOf("picFlop_0").united(placeOf("picFlop_2"))},
        {"dealer button", placeOf("picDealer")},
    });
}

TEST_F(ScaledSampleGame, CrispAfterTheLastStep) {
    playTo(34);
    expectCrisp({
        {"turn and river", placeOf("picFlop_3").united(placeOf("picFlop_4"))},
        {"mackarelli's hand", placeOf("picShowDown1")},
        {"sharky's hand", placeOf("picShowDown2")},
        {"option boxes", QRect(0, 460, 190, 79)},
    });
}

// Rendered over a loud colour, no device pixel of the panel keeps it.
TEST_F(ScaledSampleGame, EveryDevicePixelIsPainted) {
    for (int step : {11, 34}) {
        playTo(step);
        EXPECT_EQ(test::pixelsOfColour(test::renderOverFill(panel, Qt::magenta), Qt::magenta), 0)
            << "step " << step;
    }
}

}  // namespace
}  // namespace tutor::testing
