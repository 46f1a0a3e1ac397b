#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/CardRec.h"
#include "engine/ErrorReporter.h"
#include "engine/KeyedCollection.h"

namespace poker {

// The largest 169.txt that load169 reads. The list needs a few hundred
// bytes; anything above this is refused ("File too large") rather than read
// into memory, and the list stays empty.
inline constexpr std::size_t kMax169FileSize = 16u * 1024u * 1024u;

// Reads <programFolder>/169.txt into preflopList (emptied first). Lines may
// end in LF, CR LF or a lone CR; commas and line ends separate the codes,
// empty fields add nothing, nothing is trimmed. A failure (the file missing,
// a folder or not a regular file, unreadable, too large) is reported as
// "error in load169 -<description>" and leaves the list empty.
void load169(KeyedCollection& preflopList, const std::string& programFolder,
             const ErrorReporter& report);

// V(i): the value of position i (1..169) of the list, 100 down to 0.
std::int16_t PositionValue(int position);

// The pre-flop value 0..100 of a two-character hand key, by its position in
// the list; 0 when the chosen code is missing or the list is short.
std::int16_t PreflopValue(const KeyedCollection& preflopList, std::string hand, bool suited);

// The value of the pocket cards in elements 0 and 1 (rank and suit are read).
std::int16_t PocketHandValue(const KeyedCollection& preflopList, const Hand& cards);

}  // namespace poker
