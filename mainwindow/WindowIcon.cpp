#include "mainwindow/WindowIcon.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QRectF>

#include "platform/CardRenderer.h"

namespace tutor {

QPixmap drawWindowIcon() {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x0B, 0x4A, 0x22), 1));
    p.setBrush(QColor(0x16, 0x80, 0x3C));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
    const struct {
        qreal x, angle;
        int cardId;
    } cards[] = {{11.5, -14, 3}, {20.5, 12, 2}};  // ace of spades, ace of hearts
    for (const auto& c : cards) {
        p.save();
        p.translate(c.x, 17);
        p.rotate(c.angle);
        CardRenderer::draw(p, QRectF(-8.5, -11.5, 17, 23), c.cardId);
        p.restore();
    }
    p.end();
    return icon;
}

}  // namespace tutor
