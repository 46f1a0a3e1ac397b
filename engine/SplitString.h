#pragma once

#include <cstdint>
#include <string>

#include "engine/KeyedCollection.h"

namespace poker {

// Option words: a mode (word & 3) plus a delimiter treatment (word & 28).
enum SplitOption : std::int16_t {
    splitAnyChar = 1,
    splitWholeString = 2,
    delimDrop = 0,
    delimAsItem = 4,
    delimEndsPiece = 8,
    delimStartsPiece = 16,
};

// Cuts text at delimiters and adds the pieces to collection under the keys
// "String1", "String2", ... A bad option word or any failure inside leaves the
// collection holding the whole text as its one item; nothing is reported.
void SplitString(KeyedCollection& collection, std::string text, std::string delimiters,
                 std::int16_t splitOptions);

}  // namespace poker
