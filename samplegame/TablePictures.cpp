#include "samplegame/TablePictures.h"

#include <cmath>
#include <cstdint>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "platform/Services.h"
#include "platform/TableArt.h"

namespace tutor {

namespace {

constexpr int kTableWidth = 643;
constexpr int kTableHeight = 539;

// The table's oval, in pixels of the table picture. The seat labels and
// hole cards of picDemo all lie on the felt.
const QPointF kCentre(325, 225);
constexpr double kFeltRx = 258, kFeltRy = 158;
constexpr double kRail = 16;

// Name plate centres, seats 0 to 7 clockwise from the lower left, then the
// empty ninth plate at the bottom centre.
const std::array<QPointF, 9> kPlates = {{
    {125, 395},
    {42, 250},
    {85, 105},
    {262, 32},
    {400, 30},
    {565, 100},
    {603, 250},
    {525, 400},
    {325, 432},
}};

OvalTableStyle tableStyle() {
    OvalTableStyle t(kCentre, kFeltRx, kFeltRy, kRail);
    t.woodTop = QColor(0x7a, 0x4e, 0x26);
    t.woodBottom = QColor(0x3e, 0x24, 0x0e);
    t.railEdge = QColor(0x24, 0x14, 0x06);
    t.railEdgeWidth = 2;
    t.clothCentre = QColor(0x23, 0x7a, 0x3e);
    t.clothEdge = QColor(0x10, 0x4c, 0x24);
    t.feltEdgeWidth = 2;
    t.bettingLine = QColor(255, 255, 255, 45);
    t.bettingLineWidth = 1.5;
    t.bettingLineInset = QSizeF(40, 36);
    t.name = QString::fromLatin1(demo::kPokerRoom);
    t.nameFontPixels = 17;
    t.nameColour = QColor(255, 255, 255, 55);
    t.nameBox = QRectF(kCentre.x() - 150, 150, 300, 24);
    return t;
}

NamePlateStyle plateStyle() {
    NamePlateStyle s;
    s.size = QSizeF(78, 34);
    s.shineTop = QColor(0x3a, 0x3a, 0x40);
    s.shineBottom = QColor(0x12, 0x12, 0x16);
    s.cornerRadius = 6;
    s.fontFamily = QStringLiteral("Liberation Sans");
    s.fontPixels = 11;
    s.textMargin = 2;
    return s;
}

// Draws card cardId (face or back) into target, scaling the library's card
// of cardSize pixels (as cdtInit reports it) to fit.
CardPainter libraryCard(CardLibrary& cards, QSize cardSize, bool back) {
    return [&cards, cardSize, back](QPainter& p, const QRectF& target, int cardId) {
        if (cardSize.isEmpty()) return;
        p.save();
        p.translate(target.topLeft());
        p.scale(target.width() / cardSize.width(), target.height() / cardSize.height());
        cards.cdtDraw(p, 0, 0, cardId, back ? 1 : 0, 0x00ffffff);
        p.restore();
    };
}

void drawRoom(QPainter& p) {
    QRadialGradient room(kCentre, 420);
    room.setColorAt(0, QColor(0x2c, 0x34, 0x44));
    room.setColorAt(1, QColor(0x0a, 0x0d, 0x14));
    p.fillRect(0, 0, kTableWidth, kTableHeight, room);
}

void drawChair(QPainter& p, const QPointF& plate) {
    const QPointF out = plate - kCentre;
    const double len = std::hypot(out.x(), out.y());
    const QPointF u = len > 0 ? out / len : QPointF(0, 1);
    p.save();
    p.translate(plate + u * 6);
    // Local +y points at the table, the backrest lies away from it.
    p.rotate(std::atan2(u.x(), -u.y()) * 180.0 / M_PI);
    p.setPen(QPen(QColor(0x12, 0x0c, 0x08), 1.5));
    QLinearGradient leather(0, -30, 0, 26);
    leather.setColorAt(0, QColor(0x4a, 0x32, 0x26));
    leather.setColorAt(1, QColor(0x2a, 0x1c, 0x14));
    p.setBrush(leather);
    p.drawRoundedRect(QRectF(-31, -24, 62, 50), 16, 16);
    p.setBrush(QColor(0x22, 0x16, 0x10));
    p.drawRoundedRect(QRectF(-34, -32, 68, 16), 8, 8);
    p.restore();
}

void drawOptionBoxes(QPainter& p) {
    const char* const options[] = {"Auto post blinds", "Sit out next hand", "Muck losing hands"};
    p.setFont(pixelFont(QStringLiteral("Liberation Sans"), 11, false));
    int y = 470;
    for (const char* text : options) {
        p.setPen(QColor(0xc8, 0xc8, 0xc8));
        p.setBrush(QColor(0xf4, 0xf4, 0xf4));
        p.drawRect(QRectF(10.5, y + 0.5, 11, 11));
        p.setPen(QColor(0xd8, 0xd8, 0xd8));
        p.drawText(QRectF(28, y - 2, 160, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(text));
        y += 21;
    }
}

QPixmap drawTable(qreal ratio) {
    // Opaque, the panel's black under the room's edge.
    QPixmap pm = filledPixmap(kTableWidth, kTableHeight, ratio, Qt::black);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawRoom(p);
    for (const QPointF& plate : kPlates) drawChair(p, plate);
    drawOvalTable(p, tableStyle());
    const NamePlateStyle plate = plateStyle();
    const auto& seats = demo::seats();
    for (int i = 0; i < demo::kSeats; ++i)
        drawNamePlate(p, plate, kPlates[i], QString::fromLatin1(seats[i].nickname),
                      QString::fromLatin1(seats[i].chips));
    drawNamePlate(p, plate, kPlates[8], QString(), QString());
    drawOptionBoxes(p);
    return pm;
}

QPixmap drawDealerButton(qreal ratio) {
    QPixmap pm = transparentPixmap(26, 23, ratio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ivory(QPointF(10, 8), 16);
    ivory.setColorAt(0, Qt::white);
    ivory.setColorAt(1, QColor(0xd4, 0xd0, 0xc4));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(ivory);
    p.drawEllipse(QRectF(1, 1, 24, 21));
    p.setFont(pixelFont(QStringLiteral("Liberation Sans"), 14, true));
    p.setPen(Qt::black);
    p.drawText(QRectF(1, 1, 24, 21), Qt::AlignCenter, QStringLiteral("D"));
    return pm;
}

}  // namespace

TablePictures makeTablePictures(CardLibrary& cards, qreal ratio) {
    std::int32_t cardWidth = 0, cardHeight = 0;
    cards.cdtInit(cardWidth, cardHeight);
    const QSize cardSize(cardWidth, cardHeight);
    TablePictures pics;
    pics.table = drawTable(ratio);
    pics.dealerButton = drawDealerButton(ratio);
    pics.holeCards = drawCardPair(QSize(39, 41), QSizeF(28, 38), 0, 0,
                                  libraryCard(cards, cardSize, true), ratio);
    const CardPainter face = libraryCard(cards, cardSize, false);
    for (int i = 0; i < demo::kBoardCards; ++i) {
        pics.board[i] = transparentPixmap(54, 72, ratio);
        QPainter p(&pics.board[i]);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        face(p, QRectF(0, 0, 54, 72), demo::kBoard[i]);
    }
    pics.showdown1 = drawCardPair(QSize(67, 70), QSizeF(48, 65), demo::kShowdown1[0],
                                  demo::kShowdown1[1], face, ratio);
    pics.showdown2 = drawCardPair(QSize(66, 70), QSizeF(48, 65), demo::kShowdown2[0],
                                  demo::kShowdown2[1], face, ratio);
    return pics;
}

QCursor makePointingHandCursor() {
    QPixmap pm = transparentPixmap(32, 32);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A hand with the index finger raised; the hot spot is its tip.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10, 2, 6, 18), 3, 3);          // index finger
    hand.addRoundedRect(QRectF(15.5, 11, 5, 11), 2.5, 2.5);   // middle
    hand.addRoundedRect(QRectF(20, 12.5, 5, 10), 2.5, 2.5);   // ring
    hand.addRoundedRect(QRectF(24.5, 14, 4.5, 9), 2.2, 2.2);  // little
    hand.addRoundedRect(QRectF(10, 16, 19, 13), 5, 5);        // palm
    QPainterPath thumb;
    thumb.moveTo(11, 25);
    thumb.lineTo(4, 17);
    thumb.quadTo(2.5, 14, 6, 14.5);
    thumb.lineTo(12, 19);
    hand = hand.united(thumb).simplified();
    p.setPen(QPen(Qt::black, 1.3));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    return QCursor(pm, 13, 2);
}

}  // namespace tutor
