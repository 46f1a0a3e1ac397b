#include "engine/HandTexts.h"

namespace poker {

// Placeholders until the hand texts land.
std::string FlushName(std::int16_t) { return {}; }
std::string FullHouseName(std::int16_t) { return {}; }
std::string HighCardName(std::int16_t) { return {}; }
std::string KickerName(std::int16_t) { return {}; }
std::string FlushKickerName(std::int16_t) { return {}; }
std::string PairName(std::int16_t) { return {}; }
WinnerMessage showWinner(const Hand&, const Hand&) { return {}; }

}  // namespace poker
