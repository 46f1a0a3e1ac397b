#pragma once

#include <cstdint>
#include <string>

#include "engine/CardRec.h"
#include "engine/ErrorReporter.h"
#include "engine/KeyedCollection.h"

namespace poker {

// Reads <programFolder>/169.txt into preflopList (emptied first). A failure is
// reported as "error in load169 -<description>" and leaves what was read.
void load169(KeyedCollection& preflopList, const std::string& programFolder,
             const ErrorReporter& report);

// The pre-flop value 0..100 of a two-character hand key, by its position in
// the list; 0 when the chosen code is missing or the list is short.
std::int16_t PreflopValue(const KeyedCollection& preflopList, std::string hand, bool suited);

// The value of the pocket cards in elements 0 and 1 (rank and suit are read).
std::int16_t PocketHandValue(const KeyedCollection& preflopList, const Hand& cards);

}  // namespace poker
