#pragma once

#include <vector>

#include <QPainter>

#include "LessonFixture.h"
#include "lessons/VbColor.h"
#include "platform/RealSeams.h"
#include "support/PixelMeasures.h"

namespace tutor::testing {

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

// The lesson panel drawing with the real card pictures, and the means to
// tell whether its hand windows show them as crisp as the screen allows.
class RealCardsLessonFixture : protected RealCardsFirst, public LessonFixture {
protected:
    RealCardsLessonFixture() : LessonFixture(realCards) {}

    // What the window shows inside its border, in device pixels.
    QImage clientShot(HandWindow* window) const {
        const int border = HandWindow::kBorderPixels;
        const QRect client(border, border, window->width() - 2 * border,
                           window->height() - 2 * border);
        const QImage shot = window->grab().toImage();
        return shot.copy(QRect(client.topLeft() * ratio(), client.size() * ratio()));
    }

    // The same cards drawn straight onto a picture of the client area in
    // device pixels, through a painter scaled by the screen's ratio.
    QImage reference(HandWindow* window, const std::vector<FakeCards::Draw>& draws) const {
        const int border = HandWindow::kBorderPixels;
        const QSize client(window->width() - 2 * border, window->height() - 2 * border);
        QImage image(client * ratio(), QImage::Format_RGB32);
        image.fill(vbColor(window->backColor()));
        QPainter painter(&image);
        painter.scale(ratio(), ratio());
        RenderedCards cards;
        for (const auto& d : draws) cards.cdtDraw(painter, d.x, d.y, d.cardId, d.mode, d.colour);
        return image;
    }

    void expectAsCrispAsReference(HandWindow* window, const std::vector<FakeCards::Draw>& draws) {
        ASSERT_FALSE(draws.empty());
        const QImage shown = clientShot(window);
        const QImage wanted = reference(window, draws);
        ASSERT_EQ(shown.size(), wanted.size());
        const double shareShown = test::uniformEdgeBlockShare(shown);
        const double shareWanted = test::uniformEdgeBlockShare(wanted);
        const double energyShown = test::edgeEnergy(shown);
        const double energyWanted = test::edgeEnergy(wanted);
        EXPECT_LT(shareShown, shareWanted + 0.05) << "one-coloured edge blocks " << shareShown
                                                  << " against " << shareWanted;
        EXPECT_GT(energyShown, 0.9 * energyWanted) << "edge energy " << energyShown
                                                   << " against " << energyWanted;
    }

    // The ratio of the screen the panel is on.
    qreal ratio() const { return panel->devicePixelRatioF(); }
};

}  // namespace tutor::testing
