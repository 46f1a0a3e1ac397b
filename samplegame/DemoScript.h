#pragma once

#include <array>
#include <string>

namespace tutor::demo {

// The sample game: one fixed, commented hand of 50c/$1 limit Texas Hold'em.
// Plain data, no widgets; the panel plays it. Breaks in the texts are CR LF.

constexpr int kSteps = 34;
constexpr int kSeats = 8;
constexpr int kBoardCards = 5;
constexpr int kPotLabel = 8;  // lblArray(8) holds the pot

enum class Animation { None, DealNewHand, ShowFlop, ShowTurn, ShowRiver, ShowShowdown };

struct Step {
    Animation animation = Animation::None;
    std::string commentary;  // replaces the whole commentary box
    int seat = -1;           // the seat whose label is written, or -1
    std::string caption;     // that seat's new caption
    bool folds = false;      // the seat's hole cards are taken away
};

// Step 1 to kSteps; the step's commentary at step 33 is only the heading of
// the summary, which summaryAdditions() then extend.
const Step& step(int number);

// The 21 pieces that step 33 appends one at a time to its heading.
const std::array<std::string, 21>& summaryAdditions();

// The poker room that step 34 advertises (fictional).
extern const char* const kPokerRoom;

// A seat of the table: its nickname and chips as the table picture prints
// them, and where its action label and hole cards lie, in twips on picDemo.
struct Seat {
    const char* nickname;
    const char* chips;
    float labelLeft, labelTop;
    float pocketLeft, pocketTop;
};

const std::array<Seat, kSeats>& seats();

// Card ids of the card library, 4 * (rank - 1) + suit (clubs, diamonds,
// hearts, spades): the board, then the two hands turned over at the showdown.
constexpr std::array<int, kBoardCards> kBoard = {40, 18, 31, 22, 26};  // Jc 5h 8s 6h 7h
constexpr std::array<int, 2> kShowdown1 = {12, 36};                    // mackarelli: 4c Tc
constexpr std::array<int, 2> kShowdown2 = {42, 41};                    // sharky: Jh Jd

}  // namespace tutor::demo
