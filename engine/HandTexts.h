#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/CardRec.h"

namespace poker {

// Rank texts on the 2..14 scale (ace 14); a rank outside a function's range
// gives the empty string. The kicker texts begin with a blank.
std::string FlushName(std::int16_t rank);
std::string FullHouseName(std::int16_t rank);
std::string HighCardName(std::int16_t rank);
std::string KickerName(std::int16_t rank);
std::string FlushKickerName(std::int16_t rank);
std::string PairName(std::int16_t rank);

// What a comparison asks of the message line: whether it sets the blink flag,
// and the sentence it writes, if any (none leaves the line's caption as it was).
struct WinnerMessage {
    bool setsBlink = false;
    std::optional<std::string> sentence;
};

// The winner of two hands whose categories differ, read from the value field
// of element 0 of each hand.
WinnerMessage showWinner(const Hand& hand1, const Hand& hand2);

}  // namespace poker
