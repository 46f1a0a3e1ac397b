#include "promotion/PromoPictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/CardRenderer.h"
#include "platform/TableArt.h"

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
const Seat kSeats[10] = {
    {{25, 100}, "acehigh77", "$212"},   {{40, 40}, "Tessa_B", "$1,480"},
    {{110, 14}, "riverwitch", "$95"},   {{287, 14}, "KnightRob", "$640"},
    {{356, 40}, "mumbles", "$1,020"},   {{371, 100}, "dr.fold", "$310"},
    {{352, 196}, "Lucky Lu", "$77"},    {{262, 222}, "pokerpup", "$1,950"},
    {{147, 222}, "QuillFan", "$1,000"}, {{48, 196}, "slowroll", "$405"},
};

OvalTableStyle tableStyle() {
    OvalTableStyle t(kCentre, kFeltRx, kFeltRy, kRail);
    t.woodTop = QColor(0x8a, 0x5a, 0x2c);
    t.woodBottom = QColor(0x40, 0x26, 0x10);
    t.railEdge = QColor(0x20, 0x12, 0x06);
    t.railEdgeWidth = 1.5;
    t.clothCentre = QColor(0x2a, 0x86, 0x48);
    t.clothEdge = QColor(0x12, 0x52, 0x28);
    t.feltEdgeWidth = 1.5;
    t.bettingLine = QColor(255, 255, 255, 40);
    t.bettingLineWidth = 1;
    t.bettingLineInset = QSizeF(26, 24);
    t.name = QStringLiteral("Quill Lane");
    t.nameFontPixels = 13;
    t.nameColour = QColor(255, 255, 255, 60);
    t.nameBox = QRectF(kCentre.x() - 100, 66, 200, 18);
    return t;
}

// Small plates in a condensed face, so that ten fit round the table.
NamePlateStyle plateStyle() {
    NamePlateStyle s;
    s.size = QSizeF(48, 20);
    s.shineTop = QColor(0x44, 0x44, 0x4c);
    s.shineBottom = QColor(0x14, 0x14, 0x18);
    s.frameInset = 0.5;
    s.cornerRadius = 3;
    s.fontFamily = QStringLiteral("DejaVu Sans Condensed");
    s.fontPixels = 8;
    s.textMargin = 1;
    s.chipsRaise = 1;
    return s;
}

void drawRoom(QPainter& p) {
    QLinearGradient room(0, 0, 0, kTableHeight);
    room.setColorAt(0, QColor(0x1c, 0x24, 0x3a));
    room.setColorAt(1, QColor(0x08, 0x0b, 0x14));
    p.fillRect(0, 0, kTableWidth, kTableHeight, room);
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

QPixmap drawTable(qreal ratio) {
    QPixmap pm = filledPixmap(kTableWidth, kTableHeight, ratio, Qt::black);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawRoom(p);
    drawOvalTable(p, tableStyle());
    const NamePlateStyle plate = plateStyle();
    for (const Seat& seat : kSeats)
        drawNamePlate(p, plate, seat.plate, QString::fromLatin1(seat.nickname),
                      QString::fromLatin1(seat.chips));
    drawDealerButton(p, QPointF(165, 62));
    drawStatusLine(p);
    return pm;
}

// Draws a card from our own renderer, face up or down.
CardPainter rendererCard(bool faceDown) {
    return [faceDown](QPainter& p, const QRectF& target, int cardId) {
        CardRenderer::draw(p, target, cardId, faceDown);
    };
}

}  // namespace

PromoPictures makePromoPictures(qreal ratio) {
    PromoPictures pics;
    pics.table = drawTable(ratio);
    pics.faceDownPair =
        drawCardPair(QSize(20, 21), QSizeF(14, 19), 0, 0, rendererCard(true), ratio);
    pics.jacks = drawCardPair(QSize(40, 42), QSizeF(29, 39), PromoPictures::kJackOfHearts,
                              PromoPictures::kJackOfDiamonds, rendererCard(false), ratio);
    for (int i = 0; i < PromoPictures::kBoardCards; ++i)
        pics.board[i] = CardRenderer::face(PromoPictures::kBoard[i], QSize(27, 36), ratio);
    return pics;
}

QPixmap makePromoLogo(const QString& brand, qreal ratio) {
    QPixmap pm = transparentPixmap(62, 17, ratio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient badge(0, 0, 0, 17);
    badge.setColorAt(0, QColor(0xc8, 0x3a, 0x1e));
    badge.setColorAt(1, QColor(0x7a, 0x16, 0x08));
    p.setPen(QPen(QColor(0x40, 0x0a, 0x02), 1));
    p.setBrush(badge);
    p.drawRoundedRect(QRectF(0.5, 0.5, 61, 16), 4, 4);
    p.setFont(pixelFont(QStringLiteral("Liberation Serif"), 12, true, true));
    p.setPen(QColor(0xff, 0xe6, 0x9a));
    p.drawText(QRectF(2, 0, 58, 17), Qt::AlignCenter, brand);
    return pm;
}

}  // namespace tutor
