// The random deals and the best-hand answer; the cards come from the deck.
#include <QPushButton>

#include "engine/PreflopList.h"
#include "lessons/BoardAnalysis.h"
#include "lessons/CaptionLabel.h"
#include "lessons/Deck.h"
#include "lessons/HandWindow.h"
#include "lessons/LessonControls.h"
#include "lessons/LessonPanel.h"

namespace tutor {

namespace {

// The board analysis reads the keys as the keyboard shows them.
KeyCaptions captionsOf(const LessonControls& c) {
    KeyCaptions captions;
    for (int k = 0; k < kKeyCount; ++k) captions[k] = c.cmdKey[k]->text().toStdString();
    return captions;
}

KeyStates enabledStatesOf(const LessonControls& c) {
    KeyStates states;
    for (int k = 0; k < kKeyCount; ++k) states[k] = c.cmdKey[k]->isEnabled();
    return states;
}

}  // namespace

// Five cards of the deck from position first into hand, painted on window
// from the turn's start position; the hand's code goes into its element 0.
std::int16_t LessonPanel::dealFive(HandWindow& window, poker::Hand& hand, int first) {
    window.cls();
    state_.xincr = roundedStart(state_.cWidth / 3.0);
    for (int i = 0; i < kHandCards; ++i) {
        paintCard(window, state_.deck[first + i]);
        storeCard(hand[i], state_.deck[first + i]);
    }
    hand[0].value = evaluate(hand);
    return hand[0].value;
}

std::int16_t LessonPanel::dealHand1() {
    fillDeck(state_.deck);
    shuffleDeck(state_.deck, services_.random);
    state_.handValue1 = dealFive(*controls_->picShow.widget, state_.hand1, kHand1First);
    return state_.handValue1;
}

// The next five cards of the same shuffle.
std::int16_t LessonPanel::dealHand2() {
    state_.handValue2 = dealFive(*controls_->picLabels.widget, state_.hand2, kHand2First);
    return state_.handValue2;
}

std::int16_t LessonPanel::dealPocketCards() {
    fillDeck(state_.deck);
    shuffleDeck(state_.deck, services_.random);
    for (int i = 0; i < kPocketCards; ++i) {
        drawCardShow(state_.deck[kPocketFirst + i]);
        storeCard(state_.hand2[i], state_.deck[kPocketFirst + i]);
    }
    state_.handValue2 = poker::PocketHandValue(preflopList_, state_.hand2);
    state_.hand2[0].value = state_.handValue2;
    return state_.handValue2;
}

void LessonPanel::dealBoard() {
    LessonControls& c = *controls_;
    const KeyCaptions captions = captionsOf(c);
    // A source that never yields an accepted board ends the loop with the
    // last board rather than hanging; an honest one needs a few passes.
    shuffleUntilBoardAccepted(state_.deck, services_.random, captions);
    c.picShow->cls();
    state_.xincr = roundedStart(state_.cWidth / 3.0);
    for (int i = 0; i < kHandCards; ++i) {
        const std::int16_t key = state_.deck[kBoardFirst + i];
        drawCardShow(key);
        if (key >= 0 && key < kKeyCount) c.cmdKey[key]->setEnabled(false);
    }
    state_.bestHandText = IsFlushPossible(enabledStatesOf(c), captions);
}

void LessonPanel::showBestHand() {
    const KeyCaptions captions = captionsOf(*controls_);
    const std::string answer = bestHandAnswer(
        boardLabels(state_.deck, captions), state_.bestHandText,
        [this](const std::string& message) {
            services_.messages.showMessage(QString::fromStdString(message));
        });
    setMessage(QString::fromStdString(answer));
}

}  // namespace tutor
