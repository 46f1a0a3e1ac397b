#include "engine/HandEvaluator.h"

namespace poker {

// Placeholder until the evaluator lands.
HandCategory EvaluatePokerHand(const CardRec*, std::size_t, const ErrorReporter&) {
    return HandCategory::None;
}

HandCategory EvaluatePokerHand(const Hand& hand, const ErrorReporter& report) {
    return EvaluatePokerHand(hand.data(), hand.size(), report);
}

}  // namespace poker
