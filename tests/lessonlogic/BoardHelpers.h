#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "lessons/BoardAnalysis.h"

namespace lessonlogic_test {

// Rank 0..12 for "2".."A", as the keyboard's columns.
inline int rankIndex(const std::string& label) {
    static const char* const labels[] = {"2", "3",  "4", "5", "6", "7", "8",
                                         "9", "10", "J", "Q", "K", "A"};
    for (int r = 0; r < 13; ++r) {
        if (label == labels[r]) return r;
    }
    return -1;
}

// Keyboard row of a suit letter: clubs, diamonds, spades, hearts.
inline int rowOfLetter(char suit) {
    switch (suit) {
        case 'c':
            return 0;
        case 'd':
            return 1;
        case 's':
            return 2;
        case 'h':
            return 3;
        default:
            return -1;
    }
}

// "3c 10h Ad" -> key indices.
inline std::vector<int> keysOf(const std::string& cards) {
    std::vector<int> keys;
    std::istringstream in(cards);
    std::string card;
    while (in >> card) {
        const int row = rowOfLetter(card.back());
        const int rank = rankIndex(card.substr(0, card.size() - 1));
        keys.push_back(row < 0 || rank < 0 ? -1 : 13 * row + rank);
    }
    return keys;
}

// What the panel feeds the analysis after dealing these five keys with all
// other keys enabled: the answer of the second pick.
inline std::string answerFor(const std::vector<int>& board) {
    const tutor::KeyCaptions captions = tutor::keyCaptions();
    tutor::KeyStates enabled;
    enabled.fill(true);
    tutor::BoardLabels labels;
    for (std::size_t i = 0; i < 5; ++i) {
        enabled[static_cast<std::size_t>(board[i])] = false;
        labels[i] = captions[static_cast<std::size_t>(board[i])];
    }
    const std::string flush = tutor::IsFlushPossible(enabled, captions);
    return tutor::bestHandAnswer(labels, flush, [](const std::string&) {});
}

}  // namespace lessonlogic_test
