#pragma once

#include <cstddef>

#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace tutor {

// Our own card pictures, drawn with QPainter and cached as pixmaps by card,
// pixel size and device-pixel ratio. Card ids are 0..51, 4 * (rank - 1) +
// suit, rank 1 the ace, suits clubs, diamonds, hearts, spades. An id it
// cannot draw gives a visible placeholder.
class CardRenderer {
public:
    static constexpr int kCardWidth = 71;
    static constexpr int kCardHeight = 96;

    static bool canDraw(int cardId) { return cardId >= 0 && cardId <= 51; }

    // The face of cardId, size in logical pixels, rendered at size * dpr
    // device pixels and tagged with dpr.
    static QPixmap face(int cardId, QSize size = QSize(kCardWidth, kCardHeight), qreal dpr = 1.0);
    // The back of a card.
    static QPixmap back(QSize size = QSize(kCardWidth, kCardHeight), qreal dpr = 1.0);

    // Draws a face (or the back) into target, given in the painter's
    // coordinates; the picture is rendered at the pixel size the target
    // really covers on the device, so a scaled painter stays crisp.
    // False when cardId could not be drawn and the placeholder was shown.
    static bool draw(QPainter& painter, const QRectF& target, int cardId, bool showBack = false);

    // Cache figures, for tests and benchmarks.
    static std::size_t cachedCount();
    static std::size_t renderCount();
    static void clearCache();
};

}  // namespace tutor
