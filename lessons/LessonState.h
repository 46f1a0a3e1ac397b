#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/CardRec.h"
#include "lessons/CardIdentity.h"
#include "lessons/Deck.h"

namespace tutor {

// What the lessons share between their handlers. The panel owns one; tests
// read it through LessonPanel::state().
struct LessonState {
    poker::Hand hand1{};
    poker::Hand hand2{};
    std::int16_t handValue1 = 0;
    std::int16_t handValue2 = 0;
    std::int16_t cardsPicked = 0;
    Deck deck{};  // key indices
    std::string bestHandText;                    // the flush answer of the dealt board

    bool mode1A = false;
    bool mode1B = false;
    bool mode2A = false;
    bool mode2B = false;
    bool mode3A = false;
    bool mode3B = false;
    bool mode4 = false;

    bool blinkMessage = false;
    bool awaitingAnswer = false;

    KeyOfCardTable keyOfCard{};
    std::int32_t xincr = 0;   // pixels: where the next card is painted
    std::int32_t cWidth = 0;  // the card library's card size in pixels
    std::int32_t cHeight = 0;

    std::int16_t lastHoverIndex = 0;  // the name label framed last
    std::int16_t blinkTicks = 0;      // ticks shown since the message was last hidden
};

}  // namespace tutor
