#pragma once

#include <array>
#include <cstdint>

namespace tutor {

class RandomSource;

// The lesson deck: 52 card key indices (0..51, key = 13 * row + column), not
// card ids. It holds zeros until the first deal; after a fill and any number
// of shuffle passes it holds every key index exactly once.
using Deck = std::array<std::int16_t, 52>;

// The positions the deals read; nothing else of the deck is ever read.
constexpr int kHand1First = 0;   // dealHand1: positions 0..4
constexpr int kHand2First = 5;   // dealHand2: positions 5..9, same shuffle as hand 1
constexpr int kPocketFirst = 0;  // dealPocketCards: positions 0..1
constexpr int kBoardFirst = 0;   // dealBoard: positions 0..4
constexpr int kHandCards = 5;
constexpr int kPocketCards = 2;

// Puts the deck back in key order: deck[i] = i.
void fillDeck(Deck& deck);

// The partner of one swap for a draw u: floor(u * 51) in single precision.
// Position 51 is never a partner. A draw outside [0, 1) (a source returning
// exactly 1.0, a negative number or NaN) is clamped into 0..50, so a faulty
// source can never index outside the deck.
int shufflePartner(float u);

// One shuffle pass on the deck in its current order: reseeds the source from
// the clock once, then for i = 0..51 swaps deck[i] with deck[shufflePartner(u)],
// one draw u per position.
void shuffleDeck(Deck& deck, RandomSource& random);

}  // namespace tutor
