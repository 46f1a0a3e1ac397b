#pragma once

#include <cstdint>
#include <string>

#include "engine/KeyedCollection.h"

namespace poker {

// Option words: a mode (word & 3) plus a delimiter treatment (word & 28).
// The valid words are 1, 5, 9, 17 (any character of the delimiter string
// delimits) and 2, 6, 10, 18 (the delimiter string as a whole delimits).
enum SplitOption : std::int16_t {
    splitAnyChar = 1,
    splitWholeString = 2,
    delimDrop = 0,
    delimAsItem = 4,
    delimEndsPiece = 8,
    delimStartsPiece = 16,
};

// The failure a bad option word raises. SplitString handles it itself (the
// caller finds the whole text as the one item); nothing is shown or returned.
struct SplitFailure {
    int number;
    const char* source;
    const char* description;
};
inline constexpr SplitFailure kSplitOptionsFailure{
    10010, "SplitString()", "An invalid argument was passed into the SplitOptions parameter."};

// The highest item number: the item counter is a 16-bit signed integer, and a
// text that needs more items takes the failure path.
inline constexpr int kSplitMaxItems = 32767;

// Cuts text at delimiters and adds the pieces to collection under the keys
// "String1", "String2", ... A bad option word, more than kSplitMaxItems items,
// a key the collection already holds or any other failure inside takes the
// failure path: the items this call added are removed and the whole text is
// added as "String1". Nothing is reported. Time and memory are linear in the
// size of the text.
//
// Where the rules leave the choice to us:
// - An empty delimiter string delimits nothing in either mode: the text is
//   one item (an empty text gives none).
// - A collection that is not empty is handed in: its items are kept, and this
//   call's items follow them, still keyed from "String1". A key it already
//   holds takes the failure path, which removes only this call's items and
//   then adds the whole text as "String1" if that key is free (otherwise the
//   collection is left as it was handed in).
// - Bits above bit 4 of the option word are ignored.
void SplitString(KeyedCollection& collection, std::string text, std::string delimiters,
                 std::int16_t splitOptions);

}  // namespace poker
