#pragma once

#include <array>
#include <cstdint>

// A seven-card hand evaluator for make169 alone (the tutor's own engine
// rates five-card hands by its own rules and is not used here).
//
// A card is 4 * rank + suit with rank 0 (deuce) to 12 (ace) and suit 0..3.
// A hand is given as four 13-bit rank masks, one per suit. The strength is a
// number whose order is the order of the hands: higher beats lower, equal
// ties. It holds the category (0 high card ... 8 straight flush) in bits 26
// and up, then two 13-bit fields of ranks that break ties within it.
namespace make169 {

using SuitMasks = std::array<std::uint16_t, 4>;

std::uint32_t strengthOf(const SuitMasks& suits);

// The same order computed the slow, obvious way (best of the 21 five-card
// hands); make169 --check compares the two on random hands.
std::uint64_t referenceStrength(const int (&cards)[7]);

}  // namespace make169
