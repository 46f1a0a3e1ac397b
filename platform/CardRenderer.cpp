#include "platform/CardRenderer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace tutor {

namespace {

enum class Kind { Face, Back, Placeholder };

// Pictures are drawn in the 71 x 96 design square and scaled to the target.
constexpr qreal kW = CardRenderer::kCardWidth;
constexpr qreal kH = CardRenderer::kCardHeight;
constexpr qreal kCorner = 5.0;

// Enough for every card at a handful of sizes; an animation that keeps
// changing the scale cannot grow the cache without bound.
constexpr std::size_t kCacheLimit = 1024;

const QColor kRed(0xC8, 0x10, 0x1E);
const QColor kBlack(0x14, 0x14, 0x14);
const QColor kBorder(0x50, 0x50, 0x50);

using Key = std::tuple<int, int, int, int, int>;  // kind, id, device w, device h, ratio * 1000

struct Cache {
    std::map<Key, QPixmap> pixmaps;
    std::size_t renders = 0;
};

Cache& cache() {
    static Cache c;
    return c;
}

// A suit symbol filling the square [-1, 1] x [-1, 1].
QPainterPath suitPath(int suit) {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    switch (suit) {
    case 0:  // clubs
        p.addEllipse(QPointF(0, -0.48), 0.42, 0.42);
        p.addEllipse(QPointF(-0.5, 0.14), 0.42, 0.42);
        p.addEllipse(QPointF(0.5, 0.14), 0.42, 0.42);
        p.addEllipse(QPointF(0, 0.02), 0.25, 0.25);
        p.moveTo(0, 0.05);
        p.lineTo(0.34, 1.0);
        p.lineTo(-0.34, 1.0);
        p.closeSubpath();
        break;
    case 1:  // diamonds
        p.moveTo(0, -1);
        p.lineTo(0.75, 0);
        p.lineTo(0, 1);
        p.lineTo(-0.75, 0);
        p.closeSubpath();
        break;
    case 2:  // hearts
        p.moveTo(0, 1);
        p.cubicTo(-0.4, 0.6, -1.0, 0.2, -1.0, -0.35);
        p.cubicTo(-1.0, -0.9, -0.25, -1.05, 0, -0.5);
        p.cubicTo(0.25, -1.05, 1.0, -0.9, 1.0, -0.35);
        p.cubicTo(1.0, 0.2, 0.4, 0.6, 0, 1);
        p.closeSubpath();
        break;
    default:  // spades
        p.moveTo(0, -1);
        p.cubicTo(-0.4, -0.6, -1.0, -0.25, -1.0, 0.22);
        p.cubicTo(-1.0, 0.72, -0.3, 0.82, 0, 0.38);
        p.cubicTo(0.3, 0.82, 1.0, 0.72, 1.0, 0.22);
        p.cubicTo(1.0, -0.25, 0.4, -0.6, 0, -1);
        p.closeSubpath();
        p.moveTo(0, 0.3);
        p.lineTo(0.36, 1.0);
        p.lineTo(-0.36, 1.0);
        p.closeSubpath();
        break;
    }
    return p;
}

QColor suitColour(int suit) { return (suit == 1 || suit == 2) ? kRed : kBlack; }

// A pip of half-size r centred on (cx, cy), upside down when flipped.
void drawPip(QPainter& p, int suit, qreal cx, qreal cy, qreal r, bool flipped = false) {
    p.save();
    p.translate(cx, cy);
    if (flipped) p.rotate(180);
    p.scale(r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColour(suit));
    p.drawPath(suitPath(suit));
    p.restore();
}

QString rankText(int rank) {
    switch (rank) {
    case 1: return QStringLiteral("A");
    case 11: return QStringLiteral("J");
    case 12: return QStringLiteral("Q");
    case 13: return QStringLiteral("K");
    default: return QString::number(rank);
    }
}

QFont cardFont(qreal pixelSize, bool serif = false) {
    QFont f(serif ? QStringLiteral("DejaVu Serif") : QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void drawBlank(QPainter& p, const QColor& fill) {
    p.setPen(QPen(kBorder, 0.8));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.4, 0.4, kW - 0.8, kH - 0.8), kCorner, kCorner);
}

// Runs draw once upright and once turned round the card's centre, for the
// two ends of a card.
template <typename Draw>
void atBothEnds(QPainter& p, Draw draw) {
    for (int turn = 0; turn < 2; ++turn) {
        p.save();
        if (turn == 1) {
            p.translate(kW, kH);
            p.rotate(180);
        }
        draw();
        p.restore();
    }
}

// Rank above a small pip, in the top-left corner; drawn again turned round
// for the bottom-right one.
void drawIndex(QPainter& p, int rank, int suit) {
    const QString text = rankText(rank);
    atBothEnds(p, [&] {
        p.setPen(suitColour(suit));
        p.setFont(cardFont(text.size() > 1 ? 11.0 : 12.5));
        p.drawText(QRectF(1.5, 2.5, 14, 13), Qt::AlignCenter, text);
        drawPip(p, suit, 8.5, 21.0, 3.6);
    });
}

// Pip positions for two to ten: column (0 left, 1 middle, 2 right) and a row
// between 0 (top) and 1 (bottom).
struct Spot {
    int column;
    qreal row;
};

std::vector<Spot> spots(int rank) {
    const std::vector<Spot> corners = {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
    std::vector<Spot> s;
    switch (rank) {
    case 2: s = {{1, 0}, {1, 1}}; break;
    case 3: s = {{1, 0}, {1, 0.5}, {1, 1}}; break;
    case 4: s = corners; break;
    case 5: s = corners; s.push_back({1, 0.5}); break;
    case 6: s = corners; s.push_back({0, 0.5}); s.push_back({2, 0.5}); break;
    case 7: s = corners; s.insert(s.end(), {{0, 0.5}, {2, 0.5}, {1, 0.25}}); break;
    case 8: s = corners; s.insert(s.end(), {{0, 0.5}, {2, 0.5}, {1, 0.25}, {1, 0.75}}); break;
    case 9:
        for (qreal r : {0.0, 1.0 / 3, 2.0 / 3, 1.0}) s.insert(s.end(), {{0, r}, {2, r}});
        s.push_back({1, 0.5});
        break;
    default:
        for (qreal r : {0.0, 1.0 / 3, 2.0 / 3, 1.0}) s.insert(s.end(), {{0, r}, {2, r}});
        s.insert(s.end(), {{1, 1.0 / 6}, {1, 5.0 / 6}});
        break;
    }
    return s;
}

void drawPips(QPainter& p, int rank, int suit) {
    const qreal columns[3] = {23.0, kW / 2, kW - 23.0};
    const qreal top = 17.0;
    const qreal bottom = kH - 17.0;
    for (const Spot& s : spots(rank)) {
        const qreal y = top + (bottom - top) * s.row;
        drawPip(p, suit, columns[s.column], y, rank >= 9 ? 5.0 : 5.6, s.row > 0.5);
    }
}

// A court card: a framed panel with the letter twice, head to foot, and the
// suit between them.
void drawCourt(QPainter& p, int rank, int suit) {
    const QRectF frame(15.5, 12.5, kW - 31.0, kH - 25.0);
    QLinearGradient fill(frame.topLeft(), frame.bottomRight());
    fill.setColorAt(0, QColor(0xFB, 0xF0, 0xC8));
    fill.setColorAt(1, QColor(0xF0, 0xD8, 0x8C));
    p.setPen(QPen(suitColour(suit), 1.1));
    p.setBrush(fill);
    p.drawRect(frame);
    p.setPen(QPen(QColor(0xB0, 0x8A, 0x2A), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(2.0, 2.0, -2.0, -2.0));
    p.drawLine(QPointF(frame.left() + 2.0, frame.bottom() - 2.0),
               QPointF(frame.right() - 2.0, frame.top() + 2.0));

    const QString letter = rankText(rank);
    atBothEnds(p, [&] {
        p.setPen(suitColour(suit));
        p.setFont(cardFont(22.0, true));
        p.drawText(QRectF(frame.left(), frame.top() + 3.0, frame.width() * 0.6, 30.0),
                   Qt::AlignCenter, letter);
        drawPip(p, suit, frame.right() - 9.0, frame.top() + 10.0, 4.2);
    });
}

void drawFace(QPainter& p, int cardId) {
    const int rank = cardId / 4 + 1;
    const int suit = cardId % 4;
    drawBlank(p, Qt::white);
    drawIndex(p, rank, suit);
    if (rank == 1)
        drawPip(p, suit, kW / 2, kH / 2, 15.0);
    else if (rank >= 11)
        drawCourt(p, rank, suit);
    else
        drawPips(p, rank, suit);
}

void drawBack(QPainter& p) {
    drawBlank(p, Qt::white);
    const QRectF inner(4.0, 4.0, kW - 8.0, kH - 8.0);
    QPainterPath clip;
    clip.addRoundedRect(inner, 3.0, 3.0);
    p.save();
    p.setClipPath(clip);
    p.fillRect(inner, QColor(0x1E, 0x3C, 0x8C));
    p.setPen(QPen(QColor(0x5A, 0x7E, 0xD0), 0.9));
    for (qreal d = -kH; d < kW + kH; d += 6.0) {
        p.drawLine(QPointF(d, 0), QPointF(d + kH, kH));
        p.drawLine(QPointF(d, kH), QPointF(d + kH, 0));
    }
    p.restore();
    p.setPen(QPen(QColor(0xE8, 0xC8, 0x60), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(3.0, 3.0, -3.0, -3.0), 2.0, 2.0);
    p.setBrush(QColor(0x1E, 0x3C, 0x8C));
    p.drawEllipse(QPointF(kW / 2, kH / 2), 11.0, 11.0);
    p.save();
    p.translate(kW / 2, kH / 2);
    p.scale(6.5, 6.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xC8, 0x60));
    p.drawPath(suitPath(3));
    p.restore();
}

// What is shown for an id that names no card: plainly not a card.
void drawPlaceholder(QPainter& p) {
    drawBlank(p, QColor(0xE6, 0xE6, 0xE6));
    p.setPen(QPen(QColor(0xD0, 0x00, 0x00), 2.0));
    p.drawLine(QPointF(8, 8), QPointF(kW - 8, kH - 8));
    p.drawLine(QPointF(kW - 8, 8), QPointF(8, kH - 8));
    p.setFont(cardFont(18.0));
    p.drawText(QRectF(0, 0, kW, kH), Qt::AlignCenter, QStringLiteral("?"));
}

QPixmap render(Kind kind, int cardId, QSize devicePixels, qreal ratio) {
    devicePixels = devicePixels.expandedTo(QSize(1, 1));
    if (!(ratio > 0) || !std::isfinite(ratio)) ratio = 1.0;
    const Key key{static_cast<int>(kind), kind == Kind::Face ? cardId : 0, devicePixels.width(),
                  devicePixels.height(), static_cast<int>(std::lround(ratio * 1000))};
    Cache& c = cache();
    auto found = c.pixmaps.find(key);
    if (found != c.pixmaps.end()) return found->second;

    QPixmap pixmap(devicePixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                         QPainter::SmoothPixmapTransform);
        p.scale(devicePixels.width() / kW, devicePixels.height() / kH);
        switch (kind) {
        case Kind::Face: drawFace(p, cardId); break;
        case Kind::Back: drawBack(p); break;
        case Kind::Placeholder: drawPlaceholder(p); break;
        }
    }
    pixmap.setDevicePixelRatio(ratio);
    ++c.renders;
    if (c.pixmaps.size() >= kCacheLimit) c.pixmaps.clear();
    c.pixmaps.emplace(key, pixmap);
    return pixmap;
}

// Guards against sizes a pixmap cannot have.
int devicePixelsFor(qreal logical) {
    const qreal v = std::round(logical);
    if (!(v >= 1)) return 1;
    return v > 8192 ? 8192 : static_cast<int>(v);
}

QPixmap pixmapFor(Kind kind, int cardId, QSizeF logical, qreal dpr) {
    if (!(dpr > 0) || !std::isfinite(dpr)) dpr = 1.0;
    const QSize device(devicePixelsFor(logical.width() * dpr), devicePixelsFor(logical.height() * dpr));
    return render(kind, cardId, device, dpr);
}

}  // namespace

QPixmap CardRenderer::face(int cardId, QSize size, qreal dpr) {
    return pixmapFor(canDraw(cardId) ? Kind::Face : Kind::Placeholder, cardId, size, dpr);
}

QPixmap CardRenderer::back(QSize size, qreal dpr) { return pixmapFor(Kind::Back, 0, size, dpr); }

bool CardRenderer::draw(QPainter& painter, const QRectF& target, int cardId, bool showBack) {
    const Kind kind = showBack ? Kind::Back : (canDraw(cardId) ? Kind::Face : Kind::Placeholder);
    // The painter's own scale times the device's ratio. The combined
    // transform will not do: on a picture of ratio 2 it holds that ratio
    // already, on a widget it does not.
    const QTransform t = painter.worldTransform();
    const qreal sx = std::hypot(t.m11(), t.m12());
    const qreal sy = std::hypot(t.m21(), t.m22());
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize device(devicePixelsFor(target.width() * sx * dpr),
                       devicePixelsFor(target.height() * sy * dpr));
    const qreal ratio = target.width() > 0 ? device.width() / target.width() : 1.0;
    const QPixmap pixmap = render(kind, cardId, device, ratio);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, pixmap, QRectF(pixmap.rect()));
    painter.restore();
    return kind != Kind::Placeholder;
}

std::size_t CardRenderer::cachedCount() { return cache().pixmaps.size(); }
std::size_t CardRenderer::renderCount() { return cache().renders; }
void CardRenderer::clearCache() { cache().pixmaps.clear(); }

}  // namespace tutor
