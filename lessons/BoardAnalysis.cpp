#include "lessons/BoardAnalysis.h"

#include <exception>

namespace tutor {

namespace {

constexpr std::array<const char*, 13> kRankOrder = {"2", "3",  "4", "5", "6", "7", "8",
                                                    "9", "10", "J", "Q", "K", "A"};

// Highest first; tested in this order.
constexpr std::array<std::array<const char*, 5>, 10> kStraights = {{
    {"10", "J", "Q", "K", "A"},
    {"9", "10", "J", "Q", "K"},
    {"8", "9", "10", "J", "Q"},
    {"7", "8", "9", "10", "J"},
    {"6", "7", "8", "9", "10"},
    {"5", "6", "7", "8", "9"},
    {"4", "5", "6", "7", "8"},
    {"3", "4", "5", "6", "7"},
    {"2", "3", "4", "5", "6"},
    {"A", "2", "3", "4", "5"},
}};

// Keyboard rows in order clubs, diamonds, spades, hearts.
constexpr std::array<const char*, 4> kFlushTexts = {
    "Best hand is a Club Flush (", "Best hand is a Diamond Flush (", "Best hand is a Spade Flush (",
    "Best hand is a Hearts Flush ("};

}  // namespace

std::string keyCaption(int key) {
    if (key < 0 || key > 51) return {};
    return kRankOrder[static_cast<std::size_t>(key % 13)];
}

KeyCaptions keyCaptions() {
    KeyCaptions captions;
    for (int k = 0; k < 52; ++k) captions[static_cast<std::size_t>(k)] = keyCaption(k);
    return captions;
}

BoardLabels boardLabels(const Deck& deck, const KeyCaptions& captions) {
    BoardLabels labels;
    for (int i = 0; i < kHandCards; ++i) {
        const int key = deck[static_cast<std::size_t>(kBoardFirst + i)];
        if (key >= 0 && key < 52) labels[static_cast<std::size_t>(i)] = captions[key];
    }
    return labels;
}

bool isBoardAccepted(const BoardLabels& board) {
    for (const char* rank : kRankOrder) {
        int count = 0;
        for (const std::string& label : board) {
            if (label == rank) ++count;
        }
        if (count > 2) return false;
    }
    return true;
}

int shuffleUntilBoardAccepted(Deck& deck, RandomSource& random, const KeyCaptions& captions,
                              int maxPasses) {
    fillDeck(deck);
    for (int pass = 1; pass <= maxPasses; ++pass) {
        shuffleDeck(deck, random);
        if (isBoardAccepted(boardLabels(deck, captions))) return pass;
    }
    return 0;
}

BoardLabels SortBoardRanks(const BoardLabels& board) {
    BoardLabels sorted;
    std::size_t next = 0;
    for (const char* rank : kRankOrder) {
        for (const std::string& label : board) {
            if (label == rank) sorted[next++] = label;
        }
    }
    return sorted;
}

std::string IsFullHousePossible(const BoardLabels& s) {
    if (s[0] == s[1] && s[2] == s[3]) return "Any " + s[3] + " makes a full house";
    if (s[0] == s[1] && s[3] == s[4]) return "Any " + s[4] + " makes a full house";
    if (s[1] == s[2] && s[3] == s[4]) return "Any " + s[4] + " makes a full house";
    if (s[0] == s[1]) return "Best full house is a (" + s[4] + s[4] + ")";
    if (s[1] == s[2]) return "Best full house is a  (" + s[4] + s[4] + ")";
    if (s[2] == s[3]) return "Best full house is a  (" + s[4] + s[4] + ")";
    if (s[3] == s[4]) return "Best full house is a  (" + s[4] + "-" + s[2] + ")";
    return {};
}

std::string IsFlushPossible(const KeyStates& enabled, const KeyCaptions& captions) {
    std::string result;
    for (std::size_t row = 0; row < 4; ++row) {
        const std::size_t first = row * 13;
        int disabled = 0;
        for (std::size_t k = first; k < first + 13; ++k) {
            if (!enabled[k]) ++disabled;
        }
        if (disabled < 3) continue;
        std::array<std::string, 2> labels;
        std::size_t found = 0;
        for (std::size_t k = first + 13; k-- > first && found < 2;) {
            if (enabled[k]) labels[found++] = captions[k];
        }
        // No two cards of the suit left to hold: no flush to name.
        if (found < 2) return result;
        result = kFlushTexts[row] + labels[0] + labels[1] + ")";
    }
    return result;
}

std::string IsStraightPossible(const BoardLabels& sorted, const ErrorReport& report) {
    std::string result;
    try {
        for (const auto& straight : kStraights) {
            int count = 0;
            for (const std::string& label : sorted) {
                bool inStraight = false;
                for (const char* rank : straight) inStraight = inStraight || label == rank;
                if (inStraight && ++count == 3) {
                    std::string text = "Best Hand is a Straight (";
                    for (const char* rank : straight) text += rank;
                    return text + ")";
                }
            }
        }
    } catch (const std::exception& error) {
        if (report) report(std::string("error in IsStraightPossible ") + error.what());
    }
    return result;
}

std::string BestThreeOfAKind(const BoardLabels& sorted) {
    return "Best Hand is 3 of a Kind (" + sorted[4] + sorted[4] + sorted[4] + ")";
}

std::string bestHandAnswer(const BoardLabels& board, const std::string& bestHandText,
                           const ErrorReport& report) {
    const BoardLabels sorted = SortBoardRanks(board);
    std::string answer = IsFullHousePossible(sorted);
    if (!answer.empty()) return answer;
    if (!bestHandText.empty()) return bestHandText;
    answer = IsStraightPossible(sorted, report);
    if (!answer.empty()) return answer;
    return BestThreeOfAKind(sorted);
}

}  // namespace tutor
