#include "lessons/Deck.h"

#include <cmath>
#include <utility>

#include "platform/Services.h"

namespace tutor {

void fillDeck(Deck& deck) {
    for (std::size_t i = 0; i < deck.size(); ++i) deck[i] = static_cast<std::int16_t>(i);
}

int shufflePartner(float u) {
    const float scaled = std::floor(u * 51.0f);
    // Also catches NaN, for which every comparison is false.
    if (!(scaled >= 0.0f)) return 0;
    if (scaled > 50.0f) return 50;
    return static_cast<int>(scaled);
}

void shuffleDeck(Deck& deck, RandomSource& random) {
    random.reseedFromClock();
    for (std::size_t i = 0; i < deck.size(); ++i) {
        const std::int16_t t = deck[i];
        const int j = shufflePartner(random.nextUniform());
        deck[i] = deck[j];
        deck[j] = t;
    }
}

}  // namespace tutor
