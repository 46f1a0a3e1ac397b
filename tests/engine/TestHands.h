#pragma once

#include <cstdint>
#include <string>

#include "engine/CardRec.h"

namespace testhands {

// "AS KH 7C 7D 2S" -> five cards as the lessons fill a hand, the ace as 1.
// Ranks A 2..9 T J Q K, suits C D H S.
inline poker::Hand parse(const std::string& text) {
    static const std::string ranks = "A23456789TJQK";
    static const std::string suits = "CDHS";
    poker::Hand hand{};
    std::size_t i = 0;
    for (std::size_t p = 0; p + 1 < text.size() && i < hand.size(); p += 3) {
        const auto rank = static_cast<std::int16_t>(ranks.find(text[p]) + 1);
        const auto suit = static_cast<std::int16_t>(suits.find(text[p + 1]));
        hand[i++] = poker::CardRec{static_cast<std::int16_t>(4 * (rank - 1) + suit), rank, suit, 0};
    }
    return hand;
}

// A card from its library id 0..51.
inline poker::CardRec cardOfId(int id) {
    return poker::CardRec{static_cast<std::int16_t>(id), static_cast<std::int16_t>(id / 4 + 1),
                          static_cast<std::int16_t>(id % 4), 0};
}

}  // namespace testhands
