#pragma once

#include <array>

#include <QPixmap>
#include <QString>

namespace tutor {

// The pictures of the promotion windows, drawn by our own painter code for a
// screen of one device-pixel ratio; every card in them comes from
// CardRenderer. Sizes below are in logical pixels.
struct PromoPictures {
    static constexpr int kBoardCards = 5;
    // Card ids of the five board cards: six of hearts, seven of hearts,
    // eight of clubs, ace of clubs, five of hearts.
    static constexpr std::array<int, kBoardCards> kBoard = {22, 26, 28, 0, 18};
    static constexpr int kJackOfHearts = 42;
    static constexpr int kJackOfDiamonds = 41;

    QPixmap table;                           // 397 x 285: a ten-seat table with name plates
    QPixmap faceDownPair;                    // 20 x 21: two cards face down
    QPixmap jacks;                           // 40 x 42: the jacks of hearts and diamonds
    std::array<QPixmap, kBoardCards> board;  // 27 x 36 each
};

PromoPictures makePromoPictures(qreal ratio = 1.0);

// A 62 x 17 logo: the brand name on a coloured badge.
QPixmap makePromoLogo(const QString& brand, qreal ratio = 1.0);

}  // namespace tutor
