#include "samplegame/TablePictures.h"

#include <cmath>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "platform/Services.h"

namespace tutor {

namespace {

constexpr int kTableWidth = 643;
constexpr int kTableHeight = 539;
constexpr int kCardWidth = 71;  // the card library draws at 71 x 96 pixels
constexpr int kCardHeight = 96;

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
constexpr double kPlateWidth = 78, kPlateHeight = 34;

QFont plateFont(int pixels, bool bold) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// Draws card cardId (face or back) at x, y scaled to width x height.
void drawCard(QPainter& p, CardLibrary& cards, double x, double y, double width, double height,
              int cardId, bool back) {
    p.save();
    p.translate(x, y);
    p.scale(width / kCardWidth, height / kCardHeight);
    cards.cdtDraw(p, 0, 0, cardId, back ? 1 : 0, 0x00ffffff);
    p.restore();
}

QPixmap transparentPixmap(int width, int height) {
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    return pm;
}

void drawRoom(QPainter& p) {
    QRadialGradient room(kCentre, 420);
    room.setColorAt(0, QColor(0x2c, 0x34, 0x44));
    room.setColorAt(1, QColor(0x0a, 0x0d, 0x14));
    p.fillRect(0, 0, kTableWidth, kTableHeight, room);
}

void drawTableTop(QPainter& p) {
    // The padded rail, then the felt inside it.
    const QRectF rail(kCentre.x() - kFeltRx - kRail, kCentre.y() - kFeltRy - kRail,
                      2 * (kFeltRx + kRail), 2 * (kFeltRy + kRail));
    QLinearGradient wood(rail.topLeft(), rail.bottomLeft());
    wood.setColorAt(0, QColor(0x7a, 0x4e, 0x26));
    wood.setColorAt(1, QColor(0x3e, 0x24, 0x0e));
    p.setPen(QPen(QColor(0x24, 0x14, 0x06), 2));
    p.setBrush(wood);
    p.drawEllipse(rail);

    const QRectF felt(kCentre.x() - kFeltRx, kCentre.y() - kFeltRy, 2 * kFeltRx, 2 * kFeltRy);
    QRadialGradient cloth(kCentre, kFeltRx);
    cloth.setColorAt(0, QColor(0x23, 0x7a, 0x3e));
    cloth.setColorAt(1, QColor(0x10, 0x4c, 0x24));
    p.setPen(QPen(QColor(0x0a, 0x30, 0x16), 2));
    p.setBrush(cloth);
    p.drawEllipse(felt);

    // The betting line and the room's name, faint, so white labels on the
    // felt stay easy to read.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 45), 1.5));
    p.drawEllipse(kCentre, kFeltRx - 40, kFeltRy - 36);
    QFont logo(QStringLiteral("Liberation Serif"));
    logo.setPixelSize(17);
    logo.setItalic(true);
    logo.setBold(true);
    p.setFont(logo);
    p.setPen(QColor(255, 255, 255, 55));
    p.drawText(QRectF(kCentre.x() - 150, 150, 300, 24), Qt::AlignCenter,
               QString::fromLatin1(demo::kPokerRoom));
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

void drawPlate(QPainter& p, const QPointF& centre, const char* nickname, const char* chips) {
    const QRectF r(centre.x() - kPlateWidth / 2, centre.y() - kPlateHeight / 2, kPlateWidth,
                   kPlateHeight);
    QLinearGradient shine(r.topLeft(), r.bottomLeft());
    shine.setColorAt(0, QColor(0x3a, 0x3a, 0x40));
    shine.setColorAt(1, QColor(0x12, 0x12, 0x16));
    p.setPen(QPen(QColor(0xb8, 0x9c, 0x58), 1));
    p.setBrush(shine);
    p.drawRoundedRect(r, 6, 6);
    if (!nickname) return;
    p.setFont(plateFont(11, true));
    p.setPen(Qt::white);
    p.drawText(r.adjusted(2, 2, -2, -r.height() / 2), Qt::AlignCenter,
               QString::fromLatin1(nickname));
    p.setFont(plateFont(11, false));
    p.setPen(QColor(0xff, 0xd8, 0x5a));
    p.drawText(r.adjusted(2, r.height() / 2, -2, -2), Qt::AlignCenter, QString::fromLatin1(chips));
}

void drawOptionBoxes(QPainter& p) {
    const char* const options[] = {"Auto post blinds", "Sit out next hand", "Muck losing hands"};
    p.setFont(plateFont(11, false));
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

QPixmap drawTable() {
    QPixmap pm(kTableWidth, kTableHeight);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawRoom(p);
    for (const QPointF& plate : kPlates) drawChair(p, plate);
    drawTableTop(p);
    const auto& seats = demo::seats();
    for (int i = 0; i < demo::kSeats; ++i)
        drawPlate(p, kPlates[i], seats[i].nickname, seats[i].chips);
    drawPlate(p, kPlates[8], nullptr, nullptr);
    drawOptionBoxes(p);
    return pm;
}

QPixmap drawDealerButton() {
    QPixmap pm = transparentPixmap(26, 23);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient ivory(QPointF(10, 8), 16);
    ivory.setColorAt(0, Qt::white);
    ivory.setColorAt(1, QColor(0xd4, 0xd0, 0xc4));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(ivory);
    p.drawEllipse(QRectF(1, 1, 24, 21));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(QRectF(1, 1, 24, 21), Qt::AlignCenter, QStringLiteral("D"));
    return pm;
}

// Two cards fanned: the second lies offset to the lower right of the first.
QPixmap drawPair(CardLibrary& cards, int width, int height, double cardWidth, double cardHeight,
                 int first, int second, bool back) {
    QPixmap pm = transparentPixmap(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    drawCard(p, cards, 0, 0, cardWidth, cardHeight, first, back);
    drawCard(p, cards, width - cardWidth, height - cardHeight, cardWidth, cardHeight, second, back);
    return pm;
}

}  // namespace

TablePictures makeTablePictures(CardLibrary& cards) {
    TablePictures pics;
    pics.table = drawTable();
    pics.dealerButton = drawDealerButton();
    pics.holeCards = drawPair(cards, 39, 41, 28, 38, 0, 0, true);
    for (int i = 0; i < demo::kBoardCards; ++i) {
        pics.board[i] = transparentPixmap(54, 72);
        QPainter p(&pics.board[i]);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        drawCard(p, cards, 0, 0, 54, 72, demo::kBoard[i], false);
    }
    pics.showdown1 =
        drawPair(cards, 67, 70, 48, 65, demo::kShowdown1[0], demo::kShowdown1[1], false);
    pics.showdown2 =
        drawPair(cards, 66, 70, 48, 65, demo::kShowdown2[0], demo::kShowdown2[1], false);
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
