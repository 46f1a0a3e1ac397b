#include "engine/HandComparison.h"

namespace poker {

// Placeholders until the comparisons land.
WinnerMessage CompareSameHandType(Hand&, Hand&) { return {}; }
WinnerMessage CompareStraightFlushes(Hand&, Hand&) { return {}; }
WinnerMessage CompareFourOfAKind(Hand&, Hand&) { return {}; }
WinnerMessage CompareFullHouses(Hand&, Hand&) { return {}; }
WinnerMessage CompareFlushes(Hand&, Hand&) { return {}; }
WinnerMessage CompareStraights(Hand&, Hand&) { return {}; }
WinnerMessage CompareThreeOfAKind(Hand&, Hand&) { return {}; }
WinnerMessage CompareTwoPairs(Hand&, Hand&) { return {}; }
WinnerMessage ComparePairs(Hand&, Hand&) { return {}; }
WinnerMessage CompareHighCards(Hand&, Hand&) { return {}; }

}  // namespace poker
