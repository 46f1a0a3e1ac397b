#include <climits>
#include <cstdlib>
#include <set>

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "platform/CardRenderer.h"
#include "platform/RealSeams.h"
#include "support/SameImage.h"

namespace tutor {
namespace {

QImage imageOf(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); }

bool hasRedInk(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.alpha() > 200 && c.red() > 150 && c.green() < 80 && c.blue() < 80) return true;
        }
    return false;
}

TEST(CardRenderer, EveryCardHasItsOwnFaceInItsSuitsColour) {
    std::set<qint64> seen;
    for (int id = 0; id < 52; ++id) {
        SCOPED_TRACE(id);
        const QPixmap face = CardRenderer::face(id);
        ASSERT_EQ(face.size(), QSize(71, 96));
        const QImage img = imageOf(face);
        seen.insert(static_cast<qint64>(qHashBits(img.constBits(), img.sizeInBytes())));
        const int suit = id % 4;
        EXPECT_EQ(hasRedInk(img), suit == 1 || suit == 2);
        // Rounded corners: the very corner is clear, the middle of the edge is not.
        EXPECT_EQ(img.pixelColor(0, 0).alpha(), 0);
        EXPECT_GT(img.pixelColor(35, 0).alpha(), 0);
    }
    EXPECT_EQ(seen.size(), 52u);
}

TEST(CardRenderer, BadIdsShowOnePlaceholderUnlikeAnyCard) {
    const QImage placeholder = imageOf(CardRenderer::face(52));
    for (int id : {-1, 52, 53, 1000, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(CardRenderer::canDraw(id));
        EXPECT_TRUE(test::sameImage(imageOf(CardRenderer::face(id)), placeholder));
    }
    for (int id = 0; id < 52; ++id) EXPECT_NE(imageOf(CardRenderer::face(id)), placeholder);
    EXPECT_NE(imageOf(CardRenderer::back()), placeholder);
}

TEST(CardRenderer, CachesByCardSizeAndRatio) {
    CardRenderer::clearCache();
    const std::size_t before = CardRenderer::renderCount();
    CardRenderer::face(7);
    CardRenderer::face(7);
    EXPECT_EQ(CardRenderer::renderCount(), before + 1);
    const QPixmap sharp = CardRenderer::face(7, QSize(71, 96), 2.0);
    EXPECT_EQ(CardRenderer::renderCount(), before + 2);
    EXPECT_EQ(sharp.size(), QSize(142, 192));  // device pixels
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    CardRenderer::face(7, QSize(20, 27));
    CardRenderer::back();
    CardRenderer::back();
    EXPECT_EQ(CardRenderer::renderCount(), before + 4);
    EXPECT_EQ(CardRenderer::cachedCount(), 4u);
}

TEST(CardRenderer, ScaledPainterGetsAPictureRenderedAtItsPixelSize) {
    QImage small(71, 96, QImage::Format_ARGB32);
    small.fill(Qt::transparent);
    QImage big(142, 192, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    RenderedCards cards;
    {
        QPainter p(&small);
        EXPECT_EQ(cards.cdtDraw(p, 0, 0, 10, 0, 0x00FFFFFF), 1);
    }
    {
        QPainter p(&big);
        p.scale(2, 2);
        EXPECT_EQ(cards.cdtDraw(p, 0, 0, 10, 0, 0x00FFFFFF), 1);
    }
    // Drawn at 142 x 192, not 71 x 96 blown up: the big picture matches a
    // face rendered at that size pixel for pixel.
    EXPECT_TRUE(test::sameImage(big, imageOf(CardRenderer::face(10, QSize(142, 192)))));
    EXPECT_TRUE(test::sameImage(small, imageOf(CardRenderer::face(10))));
}

// A painter on a picture of ratio 2 carries that ratio in its transform
// already: the card is rendered at 142 x 192 device pixels, as for a widget
// on such a screen, not at twice that and shrunk.
TEST(CardRenderer, APictureOfRatioTwoGetsTheCardAtItsDevicePixels) {
    QImage tagged(142, 192, QImage::Format_ARGB32_Premultiplied);
    tagged.setDevicePixelRatio(2.0);
    tagged.fill(Qt::transparent);
    RenderedCards cards;
    {
        QPainter p(&tagged);
        EXPECT_EQ(cards.cdtDraw(p, 0, 0, 10, 0, 0x00FFFFFF), 1);
    }
    QImage expected = imageOf(CardRenderer::face(10, QSize(71, 96), 2.0));
    expected.setDevicePixelRatio(2.0);
    EXPECT_TRUE(test::sameImage(tagged.convertToFormat(QImage::Format_ARGB32), expected));
}

// Mean difference per channel of two pictures of one size, 0 to 255.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue());
        }
    return sum / (3.0 * a.width() * a.height());
}

// The card as it would look on a white widget.
QImage onWhite(const QPixmap& card, QSize size) {
    QImage img(size, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRect(QPoint(0, 0), size), card);
    return img;
}

// A widget on this screen (device-pixel ratio 2) paints a card from a
// picture of twice its logical size, not a blown-up 71 x 96 one.
TEST(CardRenderer, SharpOnAHighDensityScreen) {
    class CardWidget : public QWidget {
    protected:
        void paintEvent(QPaintEvent*) override {
            QPainter p(this);
            p.fillRect(rect(), Qt::white);
            RenderedCards cards;
            cards.cdtDraw(p, 0, 0, 29, 0, 0x00FFFFFF);
        }
    } widget;
    widget.resize(71, 96);
    ASSERT_EQ(widget.devicePixelRatioF(), 2.0) << "run on the screen of screen-hidpi.json";
    const QImage shot = widget.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shot.size(), QSize(142, 192));
    const double toSharp = meanDifference(shot, onWhite(CardRenderer::face(29, QSize(142, 192)), shot.size()));
    const double toBlownUp = meanDifference(shot, onWhite(CardRenderer::face(29), shot.size()));
    EXPECT_LT(toSharp * 4, toBlownUp) << toSharp << " " << toBlownUp;
}

TEST(CardRenderer, CdtDrawPlacesTheCardAndReportsPlaceholders) {
    RenderedCards cards;
    std::int32_t w = 0, h = 0;
    cards.cdtInit(w, h);
    EXPECT_EQ(w, 71);
    EXPECT_EQ(h, 96);
    QImage img(200, 120, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    EXPECT_EQ(cards.cdtDraw(p, 100, 10, 99, 0, 0), 0);  // placeholder, no crash
    EXPECT_EQ(cards.cdtDraw(p, 10, 10, 99, 1, 0), 1);   // a back needs no card
    p.end();
    EXPECT_EQ(img.pixelColor(5, 50).alpha(), 0);
    EXPECT_GT(img.pixelColor(45, 58).alpha(), 0);
    EXPECT_GT(img.pixelColor(135, 58).alpha(), 0);
    EXPECT_EQ(img.pixelColor(190, 58).alpha(), 0);
}

}  // namespace
}  // namespace tutor
