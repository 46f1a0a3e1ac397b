// The promotion windows on a screen of device-pixel ratio above 1 (see the
// Ratio1.5/ and Ratio2/ lists): their pictures are made at the screen's
// resolution, not blown up from logical pixels.
#include <vector>

#include "PromoFixture.h"
#include "PromoPixels.h"
#include "support/PixelMeasures.h"

namespace tutor::testing {
namespace {

template <typename Window>
class ScaledPromo : public PromoWindowTest<Window> {
  protected:
    // With the pairs dealt, the jacks shown and the board fanned out.
    void expectCrispWithItsCardsOut() {
        bool looked = false;
        this->at(4000, [&] {
            ASSERT_EQ(sceneOf(this->window).cardsShown(), 5);
            expectPromoCrisp(this->window);
            looked = true;
        });
        this->at(4100, [&] { this->window.close(); });
        this->load();
        EXPECT_TRUE(looked);
    }

    // Rendered over a loud colour, no device pixel of the window keeps it,
    // before the deal and with the cards out.
    void expectEveryDevicePixelPainted() {
        std::vector<int> loud;
        for (int atMs : {500, 4000})
            this->at(atMs, [&] {
                loud.push_back(test::pixelsOfColour(test::renderOverFill(this->window, Qt::magenta),
                                                    Qt::magenta));
            });
        this->at(4100, [&] { this->window.close(); });
        this->load();
        EXPECT_EQ(loud, (std::vector<int>{0, 0}));
    }
};

using ScaledFrmPromo = ScaledPromo<FrmPromo>;
using ScaledFrmPromoTwin = ScaledPromo<FrmPromoTwin>;

TEST_F(ScaledFrmPromo, CrispWithItsCardsOut) {
    expectCrispWithItsCardsOut();
}
TEST_F(ScaledFrmPromoTwin, CrispWithItsCardsOut) {
    expectCrispWithItsCardsOut();
}
TEST_F(ScaledFrmPromo, EveryDevicePixelIsPainted) {
    expectEveryDevicePixelPainted();
}
TEST_F(ScaledFrmPromoTwin, EveryDevicePixelIsPainted) {
    expectEveryDevicePixelPainted();
}

}  // namespace
}  // namespace tutor::testing
