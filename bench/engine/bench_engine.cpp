// Hands per second of EvaluatePokerHand over every five-card hand, in
// enumeration order and shuffled, and comparisons per second over random
// pairs of hands. Prints its figures; judges nothing.
//
//   bench_engine [rounds]

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "engine/HandComparison.h"
#include "engine/HandEvaluator.h"
#include "engine/HandTexts.h"

using poker::CardRec;
using poker::Hand;

namespace {

using Clock = std::chrono::steady_clock;

// Read once per round, so the compiler can neither know where a loop starts
// nor reuse one round's work for the next.
volatile std::size_t opaqueStart = 0;
volatile long sink = 0;

CardRec cardOfId(int id) {
    return CardRec{static_cast<std::int16_t>(id), static_cast<std::int16_t>(id / 4 + 1),
                   static_cast<std::int16_t>(id % 4), 0};
}

std::vector<Hand> allHands() {
    std::vector<Hand> hands;
    hands.reserve(2598960);
    for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
            for (int c = b + 1; c < 52; ++c)
                for (int d = c + 1; d < 52; ++d)
                    for (int e = d + 1; e < 52; ++e)
                        hands.push_back(
                            {cardOfId(a), cardOfId(b), cardOfId(c), cardOfId(d), cardOfId(e)});
    return hands;
}

double seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// Best of `rounds` passes over the hands, in hands per second.
double evaluateRate(const std::vector<Hand>& hands, int rounds, long& checksum) {
    const poker::ErrorReporter noReport;
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::size_t start = opaqueStart;
        const Hand* const data = hands.data();
        const std::size_t count = hands.size();
        long sum = 0;
        const auto from = Clock::now();
        for (std::size_t i = start; i < count; ++i)
            sum +=
                poker::code(poker::EvaluatePokerHand(data[i].data(), poker::kHandSize, noReport));
        const auto to = Clock::now();
        sink = sum;
        checksum = sum;
        best = std::max(best, static_cast<double>(hands.size() - start) / seconds(from, to));
    }
    return best;
}

struct Pair {
    Hand one;
    Hand two;
};

// Two hands from one shuffled deck, classified as the lessons do before
// they compare.
std::vector<Pair> randomPairs(std::size_t count, std::mt19937_64& random) {
    std::array<int, 52> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::vector<Pair> pairs(count);
    for (Pair& pair : pairs) {
        std::shuffle(deck.begin(), deck.end(), random);
        for (std::size_t i = 0; i < 5; ++i) {
            pair.one[i] = cardOfId(deck[i]);
            pair.two[i] = cardOfId(deck[i + 5]);
        }
        pair.one[0].value = poker::code(poker::EvaluatePokerHand(pair.one, {}));
        pair.two[0].value = poker::code(poker::EvaluatePokerHand(pair.two, {}));
    }
    return pairs;
}

// Best of `rounds` passes, in comparisons per second; each comparison works
// on fresh copies, since the comparisons rewrite aces in place.
double compareRate(const std::vector<Pair>& pairs, int rounds) {
    double best = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::size_t start = opaqueStart;
        long letters = 0;
        const auto from = Clock::now();
        for (std::size_t i = start; i < pairs.size(); ++i) {
            Hand one = pairs[i].one;
            Hand two = pairs[i].two;
            const poker::WinnerMessage message = one[0].value == two[0].value
                                                     ? poker::CompareSameHandType(one, two)
                                                     : poker::showWinner(one, two);
            letters += message.sentence ? static_cast<long>(message.sentence->size()) : 0;
        }
        const auto to = Clock::now();
        sink = letters;
        best = std::max(best, static_cast<double>(pairs.size() - start) / seconds(from, to));
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::mt19937_64 random(20260101);

    const std::vector<Hand> ordered = allHands();
    std::vector<Hand> shuffled = ordered;
    std::shuffle(shuffled.begin(), shuffled.end(), random);

    long orderedSum = 0;
    long shuffledSum = 0;
    const double orderedRate = evaluateRate(ordered, rounds, orderedSum);
    const double shuffledRate = evaluateRate(shuffled, rounds, shuffledSum);
    std::printf("EvaluatePokerHand, %zu hands, best of %d rounds\n", ordered.size(), rounds);
    std::printf("  enumeration order: %8.1f million hands per second (sum of codes %ld)\n",
                orderedRate / 1e6, orderedSum);
    std::printf("  shuffled order:    %8.1f million hands per second (sum of codes %ld)\n",
                shuffledRate / 1e6, shuffledSum);

    const std::vector<Pair> pairs = randomPairs(1000000, random);
    const double pairRate = compareRate(pairs, rounds);
    std::printf("CompareSameHandType / showWinner, %zu random pairs\n", pairs.size());
    std::printf("  %8.2f million comparisons per second\n", pairRate / 1e6);
    return 0;
}
