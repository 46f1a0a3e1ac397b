// The hand windows on a screen of device-pixel ratio above 1, with the real
// card pictures: cards as crisp as when drawn at device resolution, and no
// device pixel left unpainted.
#include <vector>

#include <QPainter>

#include "LessonFixture.h"
#include "lessons/VbColor.h"
#include "platform/RealSeams.h"
#include "support/PixelMeasures.h"

namespace tutor::testing {
namespace {

using test::edgeEnergy;
using test::pixelsOfColour;
using test::renderOverFill;
using test::uniformEdgeBlockShare;

// The real card pictures, with a note of every card drawn.
class RecordingRealCards : public CardLibrary {
public:
    std::int32_t cdtInit(std::int32_t& width, std::int32_t& height) override {
        return real.cdtInit(width, height);
    }
    std::int32_t cdtDraw(QPainter& painter, std::int32_t x, std::int32_t y, std::int32_t cardId,
                         std::int32_t mode, std::uint32_t colour) override {
        draws.push_back({x, y, cardId, mode, colour});
        return real.cdtDraw(painter, x, y, cardId, mode, colour);
    }
    RenderedCards real;
    std::vector<FakeCards::Draw> draws;
};

// Made before the panel that draws with it.
struct RealCardsFirst {
    RecordingRealCards realCards;
};

class ScaledHands : protected RealCardsFirst, public LessonFixture {
protected:
    ScaledHands() : LessonFixture(realCards) {}

    void SetUp() override {
        ratio = panel->devicePixelRatioF();
        ASSERT_GT(ratio, 1.0) << "run on a screen of tests/screens";
    }

    // What the window shows inside its border, in device pixels.
    QImage clientShot(HandWindow* window) const {
        const int border = HandWindow::kBorderPixels;
        const QRect client(border, border, window->width() - 2 * border,
                           window->height() - 2 * border);
        const QImage shot = window->grab().toImage();
        return shot.copy(QRect(client.topLeft() * ratio, client.size() * ratio));
    }

    // The same cards drawn straight onto a picture of the client area at
    // device resolution.
    QImage reference(HandWindow* window, const std::vector<FakeCards::Draw>& draws) const {
        const int border = HandWindow::kBorderPixels;
        const QSize client(window->width() - 2 * border, window->height() - 2 * border);
        QImage image(client * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(vbColor(window->backColor()));
        QPainter painter(&image);
        RenderedCards cards;
        for (const auto& d : draws) cards.cdtDraw(painter, d.x, d.y, d.cardId, d.mode, d.colour);
        return image;
    }

    void expectAsCrispAsReference(HandWindow* window, const std::vector<FakeCards::Draw>& draws) {
        ASSERT_FALSE(draws.empty());
        const QImage shown = clientShot(window);
        const QImage wanted = reference(window, draws);
        ASSERT_EQ(shown.size(), wanted.size());
        const double shareShown = uniformEdgeBlockShare(shown);
        const double shareWanted = uniformEdgeBlockShare(wanted);
        const double energyShown = edgeEnergy(shown);
        const double energyWanted = edgeEnergy(wanted);
        EXPECT_LT(shareShown, shareWanted + 0.05) << "one-coloured edge blocks " << shareShown
                                                  << " against " << shareWanted;
        EXPECT_GT(energyShown, 0.9 * energyWanted) << "edge energy " << energyShown
                                                   << " against " << energyWanted;
    }

    qreal ratio = 1.0;
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
