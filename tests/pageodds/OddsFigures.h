#pragma once

#include <string>

// The combinatorics behind the figures on the lesson pages, and the way the
// pages write them, so that a test can recompute every figure and compare.
// Chances are kept as exact fractions: a figure that falls on a half (4 outs
// of 47 is exactly 10.75 to 1 against) rounds up, whatever the floating-point
// error of a division would have said.
namespace oddsfigures {

struct Chance {
    long long hits;
    long long total;
};

// Ways to choose k things out of n (exact for the small numbers used here).
long long choose(int n, int k);

// Chance that at least one of `outs` cards comes when `drawn` cards are dealt
// from `unseen` unseen cards.
Chance atLeastOne(int outs, int unseen, int drawn);

// "11.8 %": one decimal, a blank, the sign.
std::string percent(Chance chance);

// The same chance as odds: "7.5 to 1" against when the chance is below one
// half, "1.2 to 1 on" above it; one decimal, a trailing ".0" dropped.
std::string odds(Chance chance);

// "a to 1" for the ratio numerator / denominator (pot odds), written as odds are.
std::string ratioToOne(long long numerator, long long denominator);

// 1326 -> "1,326".
std::string grouped(long long number);

}  // namespace oddsfigures
