#include "platform/TableArt.h"

#include <cmath>

#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>

namespace tutor {

QPixmap filledPixmap(int width, int height, qreal ratio, const QColor& fill) {
    if (!(ratio > 0) || !std::isfinite(ratio)) ratio = 1.0;
    QPixmap pm(static_cast<int>(std::ceil(width * ratio)),
               static_cast<int>(std::ceil(height * ratio)));
    pm.setDevicePixelRatio(ratio);
    pm.fill(fill);
    return pm;
}

QPixmap transparentPixmap(int width, int height, qreal ratio) {
    return filledPixmap(width, height, ratio, Qt::transparent);
}

QFont pixelFont(const QString& family, int pixels, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void drawOvalTable(QPainter& p, const OvalTableStyle& t) {
    const QPointF& c = t.centre;
    const QRectF rail(c.x() - t.feltRx - t.rail, c.y() - t.feltRy - t.rail, 2 * (t.feltRx + t.rail),
                      2 * (t.feltRy + t.rail));
    QLinearGradient wood(rail.topLeft(), rail.bottomLeft());
    wood.setColorAt(0, t.woodTop);
    wood.setColorAt(1, t.woodBottom);
    p.setPen(QPen(t.railEdge, t.railEdgeWidth));
    p.setBrush(wood);
    p.drawEllipse(rail);

    const QRectF felt(c.x() - t.feltRx, c.y() - t.feltRy, 2 * t.feltRx, 2 * t.feltRy);
    QRadialGradient cloth(c, t.feltRx);
    cloth.setColorAt(0, t.clothCentre);
    cloth.setColorAt(1, t.clothEdge);
    p.setPen(QPen(t.feltEdge, t.feltEdgeWidth));
    p.setBrush(cloth);
    p.drawEllipse(felt);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(t.bettingLine, t.bettingLineWidth));
    p.drawEllipse(c, t.feltRx - t.bettingLineInset.width(), t.feltRy - t.bettingLineInset.height());
    p.setFont(pixelFont(QStringLiteral("Liberation Serif"), t.nameFontPixels, true, true));
    p.setPen(t.nameColour);
    p.drawText(t.nameBox, Qt::AlignCenter, t.name);
}

void drawNamePlate(QPainter& p, const NamePlateStyle& s, const QPointF& centre,
                   const QString& nickname, const QString& chips) {
    const QRectF r(centre.x() - s.size.width() / 2, centre.y() - s.size.height() / 2,
                   s.size.width(), s.size.height());
    QLinearGradient shine(r.topLeft(), r.bottomLeft());
    shine.setColorAt(0, s.shineTop);
    shine.setColorAt(1, s.shineBottom);
    p.setPen(QPen(QColor(0xb8, 0x9c, 0x58), 1));
    p.setBrush(shine);
    const double in = s.frameInset;
    p.drawRoundedRect(r.adjusted(in, in, -in, -in), s.cornerRadius, s.cornerRadius);
    if (nickname.isEmpty()) return;
    const double m = s.textMargin;
    p.setFont(pixelFont(s.fontFamily, s.fontPixels, true));
    p.setPen(Qt::white);
    p.drawText(r.adjusted(m, m, -m, -r.height() / 2), Qt::AlignCenter, nickname);
    p.setFont(pixelFont(s.fontFamily, s.fontPixels, false));
    p.setPen(QColor(0xff, 0xd8, 0x5a));
    p.drawText(r.adjusted(m, r.height() / 2 - s.chipsRaise, -m, -m), Qt::AlignCenter, chips);
}

QPixmap drawCardPair(QSize size, QSizeF card, int first, int second, const CardPainter& drawCard,
                     qreal ratio) {
    QPixmap pm = transparentPixmap(size.width(), size.height(), ratio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    drawCard(p, QRectF(QPointF(0, 0), card), first);
    drawCard(p, QRectF(QPointF(size.width() - card.width(), size.height() - card.height()), card),
             second);
    return pm;
}

}  // namespace tutor
