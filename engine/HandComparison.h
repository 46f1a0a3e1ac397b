#pragma once

#include "engine/CardRec.h"
#include "engine/HandTexts.h"

namespace poker {

// Comparisons of two hands of one category, with that category's tie-breaks.
// The flush, pair, two-pair and high-card comparisons rewrite every ace
// (rank 1) of both hands to 14 in place; the others leave the hands alone.
WinnerMessage CompareSameHandType(Hand& hand1, Hand& hand2);  // dispatches on hand1[0].value

WinnerMessage CompareStraightFlushes(Hand& hand1, Hand& hand2);
WinnerMessage CompareFourOfAKind(Hand& hand1, Hand& hand2);
WinnerMessage CompareFullHouses(Hand& hand1, Hand& hand2);
WinnerMessage CompareFlushes(Hand& hand1, Hand& hand2);
WinnerMessage CompareStraights(Hand& hand1, Hand& hand2);
WinnerMessage CompareThreeOfAKind(Hand& hand1, Hand& hand2);
WinnerMessage CompareTwoPairs(Hand& hand1, Hand& hand2);
WinnerMessage ComparePairs(Hand& hand1, Hand& hand2);
WinnerMessage CompareHighCards(Hand& hand1, Hand& hand2);

}  // namespace poker
