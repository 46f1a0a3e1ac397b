#pragma once

#include <cstddef>

#include "engine/CardRec.h"
#include "engine/ErrorReporter.h"

namespace poker {

// Classifies five cards. Reads rank and suit only; the cards are not changed
// and their order does not matter. Only the first five cards are read; a hand
// with fewer than five takes the failure path: the reporter gets
// "Error  in  EvaluatePokerHand (  Subscript out of range  )" and the result
// is None.
HandCategory EvaluatePokerHand(const CardRec* cards, std::size_t count,
                               const ErrorReporter& report);
HandCategory EvaluatePokerHand(const Hand& hand, const ErrorReporter& report);

}  // namespace poker
