// The seven Start buttons and Clear.
#include <QPushButton>

#include "lessons/CaptionLabel.h"
#include "lessons/HandWindow.h"
#include "lessons/LessonControls.h"
#include "lessons/LessonPanel.h"

namespace tutor {

void LessonPanel::cmdStart1A_Click() {
    controls_->picShow->cls();
    setKeysEnabled(true);
    state_.xincr = roundedStart(state_.cWidth / 3.0);
    state_.cardsPicked = 0;
    nameLabelReset();
    controls_->cmdClear->setEnabled(true);
    startMessage(QStringLiteral("Pick 5 cards from the keyboard.."));
    setModes(&LessonState::mode1A);
}

void LessonPanel::cmdStart1B_Click() {
    setKeysEnabled(false);
    nameLabelReset();
    biasedDealHand1(BiasTable::HandNames);
    state_.awaitingAnswer = true;
    controls_->cmdClear->setEnabled(true);
    startMessage(QStringLiteral("Click a poker hand name from the list.."));
    setModes(&LessonState::mode1B);
}

void LessonPanel::cmdStart2A_Click() {
    controls_->picShow->cls();
    controls_->picLabels->cls();
    setKeysEnabled(true);
    state_.xincr = roundedStart(state_.cWidth / 3.0);
    state_.cardsPicked = 0;
    startMessage(QStringLiteral("Pick 2 sets of 5 card hands from the keyboard.."));
    setModes(&LessonState::mode2A);
}

void LessonPanel::cmdStart2B_Click() {
    biasedDealHand1(BiasTable::Rankings);
    dealHand2();
    state_.awaitingAnswer = true;
    controls_->cmdClear->setEnabled(true);
    startMessage(QStringLiteral("Click the window with the best hand.."));
    setModes(&LessonState::mode2B);
}

void LessonPanel::cmdStart3A_Click() {
    setModes(&LessonState::mode3A);
    state_.xincr = roundedStart(state_.cWidth * 0.7);
    state_.cardsPicked = 0;
    nameLabelReset();
    setKeysEnabled(true);
    controls_->picShow->cls();
    controls_->cmdClear->setEnabled(true);
    startMessage(QStringLiteral("Pick 2 cards from the keyboard.."));
}

void LessonPanel::cmdStart3B_Click() {
    state_.xincr = roundedStart(state_.cWidth * 0.7);
    setKeysEnabled(false);
    nameLabelReset();
    dealPocketCards();
    state_.awaitingAnswer = true;
    controls_->cmdClear->setEnabled(true);
    startMessage(QStringLiteral("Click a pair value label from the list.."));
    setModes(&LessonState::mode3B);
}

void LessonPanel::cmdStart4_Click() {
    setModes(&LessonState::mode4);
    state_.xincr = roundedStart(state_.cWidth / 3.0);
    controls_->picLabels->cls();
    setKeysEnabled(true);
    state_.cardsPicked = 0;
    dealBoard();
    state_.xincr = roundedStart(state_.cWidth / 2.0);
    setMessage(QStringLiteral("Select the best pocket pair (full house or less)"));
}

// Start 1B and 2B: a bias draw r; for r = 1..3 hand 1 is dealt again until
// its category is one the table accepts for r.
void LessonPanel::biasedDealHand1(BiasTable table) {
    services_.random.reseedFromClock();
    const int r = biasDraw(services_.random.nextUniform());
    for (int deals = 1;; ++deals) {
        const std::int16_t code = dealHand1();
        if (biasAccepts(table, r, code) || deals >= kMaxBiasedDeals) break;
    }
}

void LessonPanel::cmdClear_Click() {
    controls_->picShow->cls();
    if (state_.mode2A || state_.mode2B) controls_->picLabels->cls();
    state_.xincr = roundedStart(state_.cWidth / 3.0);
    state_.cardsPicked = 0;
    nameLabelReset();
    startMessage(QString());
    if (state_.mode1A) {
        setKeysEnabled(true);
        setMessage(QStringLiteral("Pick 5 cards.."));
    } else if (state_.mode1B) {
        cmdStart1B_Click();
    } else if (state_.mode2A) {
        cmdStart2A_Click();
    } else if (state_.mode2B) {
        cmdStart2B_Click();
    } else if (state_.mode3A) {
        cmdStart3A_Click();
    } else if (state_.mode3B) {
        cmdStart3B_Click();
    } else if (state_.mode4) {
        cmdStart4_Click();
    }
}

}  // namespace tutor
