#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/CardRec.h"

namespace tutor {

// The keyboard's 52 keys are numbered 13 * row + column. Rows are the suits
// clubs, diamonds, spades, hearts; columns the ranks 2 .. 10, J, Q, K, A.
inline constexpr int kKeyCount = 52;
inline constexpr int kKeysPerRow = 13;

// Position p holds the key of card id p + 4 (the twos to kings). Position 52
// is spare and never read.
using KeyOfCardTable = std::array<std::int16_t, 53>;

// Fills positions 0 .. 51 as the keyboard lays out: 4r + s holds r + 13 s,
// then the hearts and spades positions of each rank are swapped, since the
// keyboard's rows run clubs, diamonds, spades, hearts.
void fillKeyOfCard(KeyOfCardTable& table);

// The card of a key: id, rank and suit (value left 0), or nothing for a key
// outside 0 .. 51. The ace keys 12, 25, 38, 51 are settled directly.
std::optional<poker::CardRec> cardOfKey(int key, const KeyOfCardTable& table);

}  // namespace tutor
