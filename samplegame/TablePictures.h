#pragma once

#include <array>

#include <QCursor>
#include <QPixmap>

#include "samplegame/DemoScript.h"

namespace tutor {

class CardLibrary;

// The pictures of the sample game table, drawn by our own painter code for a
// screen of one device-pixel ratio; card faces and backs come from the card
// library. Sizes below are in logical pixels.
struct TablePictures {
    QPixmap table;                                 // 643 x 539: felt, chairs, name plates
    QPixmap dealerButton;                          // 26 x 23
    QPixmap holeCards;                             // 39 x 41: two face-down cards
    std::array<QPixmap, demo::kBoardCards> board;  // 54 x 72 each
    QPixmap showdown1;                             // 67 x 70: mackarelli's hand, fanned
    QPixmap showdown2;                             // 66 x 70: sharky's hand, fanned
};

TablePictures makeTablePictures(CardLibrary& cards, qreal ratio = 1.0);

// A 32 x 32 pointing hand for the real-game link.
QCursor makePointingHandCursor();

}  // namespace tutor
