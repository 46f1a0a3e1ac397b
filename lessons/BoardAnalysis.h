#pragma once

#include <array>
#include <functional>
#include <string>

#include "lessons/Deck.h"

namespace tutor {

// The best-hand lesson's analysis of a five-card board. It works on the key
// captions (rank labels "2".."10", "J", "Q", "K", "A", compared as exact
// strings), never on the engine. An empty string means the board allows no
// such hand.

using BoardLabels = std::array<std::string, 5>;
using KeyCaptions = std::array<std::string, 52>;
using KeyStates = std::array<bool, 52>;  // true = key enabled
using ErrorReport = std::function<void(const std::string&)>;

// The caption of key 0..51 by its column ("2" for column 0 ... "A" for 12);
// empty for any other index.
std::string keyCaption(int key);

// The 52 captions as the keyboard shows them.
KeyCaptions keyCaptions();

// The labels of the board keys deck[0..4] (kBoardFirst); a key outside 0..51
// reads as an empty label.
BoardLabels boardLabels(const Deck& deck, const KeyCaptions& captions);

// dealBoard's acceptance test: false as soon as one rank label occurs more
// than twice among the five; pairs and two pairs are accepted.
bool isBoardAccepted(const BoardLabels& board);

// dealBoard's deal without the painting: fills the deck once, then runs shuffle
// passes until the board at positions 0..4 is accepted. Returns the number of
// passes run. A source so broken that no board is accepted within maxPasses
// ends the loop instead of hanging: the result is then 0 and the deck holds
// the last, rejected board.
int shuffleUntilBoardAccepted(Deck& deck, RandomSource& random, const KeyCaptions& captions,
                              int maxPasses = 100000);

// The five labels in rank order, "2" first; equal labels keep board order.
// A label that is no rank label is dropped (the result then holds empty
// strings at its end).
BoardLabels SortBoardRanks(const BoardLabels& board);

// On sorted labels: "Any 7 makes a full house", "Best full house is a (KK)",
// "Best full house is a  (KK)", "Best full house is a  (K-9)", or empty for
// an unpaired board.
std::string IsFullHousePossible(const BoardLabels& sorted);

// On the enabled state and caption of all 52 keys (rows clubs 0..12, diamonds
// 13..25, spades 26..38, hearts 39..51): for a row with three or more disabled
// keys, its flush sentence naming the two highest enabled keys of the row,
// e.g. "Best hand is a Hearts Flush (KQ)"; a later row replaces an earlier
// one. Empty when no row has three disabled keys. A row with three disabled
// keys but fewer than two enabled ones ends the analysis with the result so
// far.
std::string IsFlushPossible(const KeyStates& enabled, const KeyCaptions& captions);

// On sorted labels: the first straight of the list "10".."A" down to "A".."5"
// that three board cards reach, e.g. "Best Hand is a Straight (78910J)";
// empty when none does. A failure is handed to report as
// "error in IsStraightPossible " + its description, and the result so far
// (empty) is returned.
std::string IsStraightPossible(const BoardLabels& sorted, const ErrorReport& report);

// On sorted labels: "Best Hand is 3 of a Kind (" + s4 + s4 + s4 + ")".
std::string BestThreeOfAKind(const BoardLabels& sorted);

// showBestHand's message for the five board labels (in board order) and the
// flush answer fixed at the deal: the full house, else bestHandText, else the
// straight, else three of a kind.
std::string bestHandAnswer(const BoardLabels& board, const std::string& bestHandText,
                           const ErrorReport& report);

}  // namespace tutor
