#include "promotion/PromoPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "platform/CardRenderer.h"

namespace tutor {

namespace {

constexpr int kTableWidth = 397;
constexpr int kTableHeight = 285;

// The felt oval in pixels of the table picture. The windows lay the dealt
// pairs, the jacks and the board on it, so the seats below follow them.
const QPointF kCentre(197, 116);
constexpr double kFeltRx = 158, kFeltRy = 90;
constexpr double kRail = 7;

struct Seat {
    QPointF plate;  // centre of the name plate
    const char* nickname;
    const char* chips;
};

// Clockwise from the left; the player whose jacks show sits at the bottom.
constexpr double kPlateWidth = 48, kPlateHeight = 20;
const Seat kSeats[10] = {
    {{25, 100}, "acehigh77", "$212"},   {{40, 40}, "Tessa_B", "$1,480"},
    {{110, 14}, "riverwitch", "$95"},   {{287, 14}, "KnightRob", "$640"},
    {{356, 40}, "mumbles", "$1,020"},   {{371, 100}, "dr.fold", "$310"},
    {{352, 196}, "Lucky Lu", "$77"},    {{262, 222}, "pokerpup", "$1,950"},
    {{147, 222}, "QuillFan", "$1,000"}, {{48, 196}, "slowroll", "$405"},
};

QFont pixelFont(const QString& family, int pixels, bool bold) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QPixmap transparentPixmap(int width, int height) {
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    return pm;
}

void drawRoom(QPainter& p) {
    QLinearGradient room(0, 0, 0, kTableHeight);
    room.setColorAt(0, QColor(0x1c, 0x24, 0x3a));
    room.setColorAt(1, QColor(0x08, 0x0b, 0x14));
    p.fillRect(0, 0, kTableWidth, kTableHeight, room);
}

void drawTableTop(QPainter& p) {
    const QRectF rail(kCentre.x() - kFeltRx - kRail, kCentre.y() - kFeltRy - kRail,
                      2 * (kFeltRx + kRail), 2 * (kFeltRy + kRail));
    QLinearGradient wood(rail.topLeft(), rail.bottomLeft());
    wood.setColorAt(0, QColor(0x8a, 0x5a, 0x2c));
    wood.setColorAt(1, QColor(0x40, 0x26, 0x10));
    p.setPen(QPen(QColor(0x20, 0x12, 0x06), 1.5));
    p.setBrush(wood);
    p.drawEllipse(rail);

    const QRectF felt(kCentre.x() - kFeltRx, kCentre.y() - kFeltRy, 2 * kFeltRx, 2 * kFeltRy);
    QRadialGradient cloth(kCentre, kFeltRx);
    cloth.setColorAt(0, QColor(0x2a, 0x86, 0x48));
    cloth.setColorAt(1, QColor(0x12, 0x52, 0x28));
    p.setPen(QPen(QColor(0x0a, 0x30, 0x16), 1.5));
    p.setBrush(cloth);
    p.drawEllipse(felt);

    // The betting line and the table's name, faint, under the cards.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    p.drawEllipse(kCentre, kFeltRx - 26, kFeltRy - 24);
    QFont logo = pixelFont(QStringLiteral("Liberation Serif"), 13, true);
    logo.setItalic(true);
    p.setFont(logo);
    p.setPen(QColor(255, 255, 255, 60));
    p.drawText(QRectF(kCentre.x() - 100, 66, 200, 18), Qt::AlignCenter,
               QStringLiteral("Quill Lane"));
}

void drawPlate(QPainter& p, const Seat& seat) {
    const QRectF r(seat.plate.x() - kPlateWidth / 2, seat.plate.y() - kPlateHeight / 2, kPlateWidth,
                   kPlateHeight);
    QLinearGradient shine(r.topLeft(), r.bottomLeft());
    shine.setColorAt(0, QColor(0x44, 0x44, 0x4c));
    shine.setColorAt(1, QColor(0x14, 0x14, 0x18));
    p.setPen(QPen(QColor(0xb8, 0x9c, 0x58), 1));
    p.setBrush(shine);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QString family = QStringLiteral("DejaVu Sans Condensed");
    p.setFont(pixelFont(family, 8, true));
    p.setPen(Qt::white);
    p.drawText(r.adjusted(1, 1, -1, -r.height() / 2), Qt::AlignCenter,
               QString::fromLatin1(seat.nickname));
    p.setFont(pixelFont(family, 8, false));
    p.setPen(QColor(0xff, 0xd8, 0x5a));
    p.drawText(r.adjusted(1, r.height() / 2 - 1, -1, -1), Qt::AlignCenter,
               QString::fromLatin1(seat.chips));
}

void drawDealerButton(QPainter& p, const QPointF& centre) {
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.8));
    p.setBrush(QColor(0xf4, 0xf0, 0xe4));
    p.drawEllipse(centre, 5.5, 5.5);
    p.setFont(pixelFont(QStringLiteral("Liberation Sans"), 8, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(centre.x() - 5, centre.y() - 5, 10, 10), Qt::AlignCenter,
               QStringLiteral("D"));
}

void drawStatusLine(QPainter& p) {
    p.setPen(QColor(0x30, 0x3a, 0x56));
    p.drawLine(QPointF(0, 246.5), QPointF(kTableWidth, 246.5));
    p.setFont(pixelFont(QStringLiteral("DejaVu Sans Condensed"), 9, false));
    p.setPen(QColor(0xc0, 0xc8, 0xd8));
    p.drawText(QRectF(6, 250, kTableWidth - 12, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Table \"Quill Lane\"   Hold'em $0.50/$1   10 seated"));
    p.drawText(QRectF(6, 250, kTableWidth - 12, 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Play money"));
    p.setPen(QColor(0x80, 0x8a, 0xa0));
    p.drawText(QRectF(6, 266, kTableWidth - 12, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Dealer: Good luck, everyone!"));
}

QPixmap drawTable() {
    QPixmap pm(kTableWidth, kTableHeight);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawRoom(p);
    drawTableTop(p);
    for (const Seat& seat : kSeats) drawPlate(p, seat);
    drawDealerButton(p, QPointF(165, 62));
    drawStatusLine(p);
    return pm;
}

// Two cards, the second lying offset to the lower right of the first.
QPixmap drawPair(QSize size, QSizeF card, int first, int second, bool faceDown) {
    QPixmap pm = transparentPixmap(size.width(), size.height());
    QPainter p(&pm);
    CardRenderer::draw(p, QRectF(QPointF(0, 0), card), first, faceDown);
    CardRenderer::draw(
        p, QRectF(QPointF(size.width() - card.width(), size.height() - card.height()), card),
        second, faceDown);
    return pm;
}

}  // namespace

PromoPictures makePromoPictures() {
    PromoPictures pics;
    pics.table = drawTable();
    pics.faceDownPair = drawPair(QSize(20, 21), QSizeF(14, 19), 0, 0, true);
    pics.jacks = drawPair(QSize(40, 42), QSizeF(29, 39), PromoPictures::kJackOfHearts,
                          PromoPictures::kJackOfDiamonds, false);
    for (int i = 0; i < PromoPictures::kBoardCards; ++i)
        pics.board[i] = CardRenderer::face(PromoPictures::kBoard[i], QSize(27, 36));
    return pics;
}

QPixmap makePromoLogo(const QString& brand) {
    QPixmap pm = transparentPixmap(62, 17);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient badge(0, 0, 0, 17);
    badge.setColorAt(0, QColor(0xc8, 0x3a, 0x1e));
    badge.setColorAt(1, QColor(0x7a, 0x16, 0x08));
    p.setPen(QPen(QColor(0x40, 0x0a, 0x02), 1));
    p.setBrush(badge);
    p.drawRoundedRect(QRectF(0.5, 0.5, 61, 16), 4, 4);
    QFont f = pixelFont(QStringLiteral("Liberation Serif"), 12, true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(0xff, 0xe6, 0x9a));
    p.drawText(QRectF(2, 0, 58, 17), Qt::AlignCenter, brand);
    return pm;
}

}  // namespace tutor
