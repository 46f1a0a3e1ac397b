#pragma once

#include <optional>

#include "engine/CardRec.h"

// The two halves of EvaluatePokerHand, open to its tests and benchmark.
// Both read cards[0..4]; the caller has checked there are five.
namespace poker::detail {

// Every rule in its order, for any ranks and suits.
HandCategory classifyStepByStep(const CardRec* cards);

// The same answer for real cards (ranks 1..13, suits 0..3); nothing otherwise.
std::optional<HandCategory> classifyQuick(const CardRec* cards);

}  // namespace poker::detail
