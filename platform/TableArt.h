#pragma once

#include <functional>

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>

class QPainter;

namespace tutor {

// Painter pieces for the pictures of a card table seen from above, shared
// by the windows that show one. Everything is in pixels of the picture.
// A picture for a screen of device-pixel ratio `ratio` holds width x height
// logical pixels in as many device pixels as that covers, with its ratio
// set, so that it is painted and shown in logical pixels.

QPixmap filledPixmap(int width, int height, qreal ratio, const QColor& fill);
QPixmap transparentPixmap(int width, int height, qreal ratio = 1.0);

QFont pixelFont(const QString& family, int pixels, bool bold, bool italic = false);

// The look of an oval table: a padded wooden rail round a felt lit from the
// centre, with a faint betting line and the table's name on the felt.
struct OvalTableStyle {
    OvalTableStyle(const QPointF& centre, double feltRx, double feltRy, double rail)
        : centre(centre), feltRx(feltRx), feltRy(feltRy), rail(rail) {}

    QPointF centre;
    double feltRx, feltRy;  // radii of the felt
    double rail;            // width of the rail round it

    QColor woodTop, woodBottom, railEdge;
    double railEdgeWidth = 1;
    QColor clothCentre, clothEdge;
    QColor feltEdge{0x0a, 0x30, 0x16};
    double feltEdgeWidth = 1;

    QColor bettingLine;  // faint, so labels on the felt stay readable
    double bettingLineWidth = 1;
    QSizeF bettingLineInset;  // how far inside the felt's radii it runs

    QString name;
    int nameFontPixels = 12;  // italic bold serif
    QColor nameColour;
    QRectF nameBox;
};

// The rail, the felt, the betting line and the name.
void drawOvalTable(QPainter& p, const OvalTableStyle& table);

// The look of a seat's name plate: a dark rounded plate with a gold edge,
// the nickname in bold white over the chips in gold.
struct NamePlateStyle {
    QSizeF size;
    QColor shineTop, shineBottom;
    double frameInset = 0;  // 0.5 puts a 1-pixel edge on whole pixels
    double cornerRadius = 0;
    QString fontFamily;
    int fontPixels = 8;
    double textMargin = 0;  // between the plate's edge and its texts
    double chipsRaise = 0;  // lifts the chips line towards the nickname
};

// A plate centred on centre; an empty nickname leaves it blank (an empty seat).
void drawNamePlate(QPainter& p, const NamePlateStyle& style, const QPointF& centre,
                   const QString& nickname, const QString& chips);

// Draws one card, face or back, into target.
using CardPainter = std::function<void(QPainter& p, const QRectF& target, int cardId)>;

// Two cards of size card in a picture of size: the second lies offset to the
// lower right of the first.
QPixmap drawCardPair(QSize size, QSizeF card, int first, int second, const CardPainter& drawCard,
                     qreal ratio = 1.0);

}  // namespace tutor
