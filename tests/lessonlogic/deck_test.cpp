#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "fakes/FakeServices.h"
#include "lessons/Deck.h"

using tutor::Deck;
using tutor::testing::FakeRandom;

namespace {

bool holdsEachKeyOnce(const Deck& deck) {
    std::vector<int> seen(52, 0);
    for (auto key : deck) {
        if (key < 0 || key > 51) return false;
        ++seen[static_cast<std::size_t>(key)];
    }
    return std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; });
}

}  // namespace

TEST(Deck, FillPutsKeyOrder) {
    Deck deck{};
    deck[3] = 40;
    tutor::fillDeck(deck);
    for (int i = 0; i < 52; ++i) EXPECT_EQ(deck[static_cast<std::size_t>(i)], i);
}

TEST(Deck, PartnerOfADraw) {
    const float justBelowOne = std::nextafter(1.0f, 0.0f);
    struct Row {
        float u;
        int partner;
    };
    const Row rows[] = {
        {0.0f, 0},
        {0.5f, 25},
        {0.99f, 50},
        {justBelowOne, 50},  // the highest draw still gives 50, never 51
        // A faulty source must not index outside 0..50.
        {1.0f, 50},
        {7.5f, 50},
        {-0.25f, 0},
        {std::numeric_limits<float>::infinity(), 50},
        {-std::numeric_limits<float>::infinity(), 0},
        {std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const Row& row : rows) EXPECT_EQ(tutor::shufflePartner(row.u), row.partner) << row.u;
}

// All draws 0: every position swaps with position 0, which rotates the deck.
TEST(Deck, PassSwapsInOrderWithEachDraw) {
    FakeRandom random;
    random.script(std::vector<float>(52, 0.0f));
    Deck deck{};
    tutor::fillDeck(deck);
    tutor::shuffleDeck(deck, random);
    EXPECT_EQ(deck[0], 51);
    for (int i = 1; i < 52; ++i) EXPECT_EQ(deck[static_cast<std::size_t>(i)], i - 1);
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_TRUE(random.queue.empty());
}

// Draws just below 1 would pick position 51 with a factor of 52; with 51 the
// card at position 51 stays put until i = 51 itself, then goes to the last
// draw's partner.
TEST(Deck, PositionFiftyOneIsNeverAPartner) {
    FakeRandom random;
    std::vector<float> draws(51, std::nextafter(1.0f, 0.0f));
    draws.push_back(0.5f);  // i = 51: partner 25
    random.script(draws);
    Deck deck{};
    tutor::fillDeck(deck);
    tutor::shuffleDeck(deck, random);
    EXPECT_EQ(deck[25], 51);
    EXPECT_TRUE(holdsEachKeyOnce(deck));
}

// A pass works on the deck as the last one left it, and every pass reseeds.
TEST(Deck, ManyPassesKeepEachKeyOnce) {
    FakeRandom random;
    std::mt19937 generator(7);
    std::uniform_real_distribution<float> uniform(0.0f, 1.0f);
    Deck deck{};
    tutor::fillDeck(deck);
    Deck previous = deck;
    int changed = 0;
    for (int pass = 1; pass <= 500; ++pass) {
        std::vector<float> draws(52);
        for (float& u : draws) u = uniform(generator);
        random.script(draws);
        tutor::shuffleDeck(deck, random);
        ASSERT_TRUE(holdsEachKeyOnce(deck)) << "after pass " << pass;
        if (deck != previous) ++changed;
        previous = deck;
    }
    EXPECT_EQ(random.reseeds, 500);
    EXPECT_EQ(changed, 500);
}

TEST(Deck, FaultySourceStillShufflesSafely) {
    const float values[] = {1.0f, 2.0f, -1.0f, std::numeric_limits<float>::quiet_NaN(),
                            std::numeric_limits<float>::infinity()};
    for (float value : values) {
        FakeRandom random;
        random.script(std::vector<float>(52 * 3, value));
        Deck deck{};
        tutor::fillDeck(deck);
        for (int pass = 0; pass < 3; ++pass) tutor::shuffleDeck(deck, random);
        EXPECT_TRUE(holdsEachKeyOnce(deck)) << value;
    }
}
