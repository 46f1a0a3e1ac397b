#pragma once

#include <cstdint>

namespace tutor {

// The lessons' small tables, kept free of any window so they can be checked alone.

// The name label (0..8) of a hand category code, or -1 for a code that names
// no category (0 after a failed evaluation, among others).
int nameLabelOfCategory(std::int16_t code);

// The bias draw of a dealt exercise: r = floor(u * 6 + 1), 1..6. A draw
// outside [0, 1) from a faulty source is kept within 1..6.
int biasDraw(float u);

enum class BiasTable { HandNames, Rankings };  // Start 1B, Start 2B

// Whether the hand-1 deal of a biased exercise stands for bias draw r. For
// r = 4..6 every code stands (one deal); for r = 1..3 only the table's codes.
bool biasAccepts(BiasTable table, int r, std::int16_t code);

// A biased deal gives up after this many deals and keeps the last one, so a
// broken random source or evaluator cannot hang the window. An honest source
// needs a few dozen at most.
inline constexpr int kMaxBiasedDeals = 2000;

// The value label (2..6) of two picked pocket cards worth v (Pre-Flop Pair
// Value, variant A): 90+, 70+, 60+, 50+, else 6.
int pickedPairLabel(int v);

// Whether value label index (2..6) is the right answer for dealt pocket cards
// worth v (variant B): 90..100, 80..89, 70..79, 60..69, below 60.
bool pairAnswerRight(int index, int v);

}  // namespace tutor
