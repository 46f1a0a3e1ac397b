#pragma once

#include <cstddef>

#include "engine/CardRec.h"
#include "engine/ErrorReporter.h"

namespace poker {

// Classifies five cards. Reads rank and suit only; the cards are not changed
// and their order does not matter. A hand that does not hold five cards takes
// the failure path: the reporter gets
// "Error  in  EvaluatePokerHand (  <description>  )" and the result is None.
HandCategory EvaluatePokerHand(const CardRec* cards, std::size_t count,
                               const ErrorReporter& report);
HandCategory EvaluatePokerHand(const Hand& hand, const ErrorReporter& report);

}  // namespace poker
