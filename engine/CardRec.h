#pragma once

#include <array>
#include <cstdint>

namespace poker {

// A card as the lessons keep it. id is the card image id 0..51,
// 4 * (rank - 1) + suit; rank is 1 (ace), 2..10, 11 jack, 12 queen, 13 king;
// suit is 0 clubs, 1 diamonds, 2 hearts, 3 spades; value is used in element 0
// of a hand only (the hand's category code or pre-flop value).
// The comparisons work with the ace as 14 and rewrite rank 1 to 14 in place.
struct CardRec {
    std::int16_t id = 0;
    std::int16_t rank = 0;
    std::int16_t suit = 0;
    std::int16_t value = 0;
};

inline constexpr std::size_t kHandSize = 5;
using Hand = std::array<CardRec, kHandSize>;

// Category codes; a lower code is a stronger hand. None is what a failed
// evaluation returns, and it names no category.
enum class HandCategory : std::int16_t {
    None = 0,
    StraightFlush = 2,  // the royal flush included
    FourOfAKind = 3,
    FullHouse = 4,
    Flush = 5,
    Straight = 6,
    ThreeOfAKind = 7,
    TwoPair = 8,
    Pair = 9,
    HighCard = 20,
};

constexpr std::int16_t code(HandCategory c) { return static_cast<std::int16_t>(c); }

}  // namespace poker
