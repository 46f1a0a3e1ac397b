// The message line's blinking, the answer clicks and the hand-window clicks.
#include "engine/HandComparison.h"
#include "lessons/CaptionLabel.h"
#include "lessons/LessonControls.h"
#include "lessons/LessonPanel.h"
#include "lessons/VbColor.h"

namespace tutor {

void LessonPanel::Timer1_Timer() {
    if (!state_.blinkMessage) return;
    CaptionLabel* message = controls_->lblMessage.widget;
    if (message->foreColor() == colour::black) {
        message->setForeColor(colour::white);
        return;
    }
    ++state_.blinkTicks;
    if (state_.blinkTicks >= 4) {
        state_.blinkTicks = 0;
        message->setForeColor(colour::black);
    }
}

void LessonPanel::lblName_Click(std::int16_t index) {
    if (state_.mode1B && state_.awaitingAnswer && index >= 0 && index < kNameLabelCount) {
        if (nameLabelOfCategory(state_.handValue1) == index) {
            highlightName(index);
            state_.awaitingAnswer = false;
            playSound("yes.wav");
        } else {
            playSound("no.wav");
        }
    }
    if (state_.mode3B && state_.awaitingAnswer && index >= 2 && index <= 6) {
        const int v = state_.handValue2;
        if (pairAnswerRight(index, v)) {
            highlightName(index);
            state_.awaitingAnswer = false;
            playSound("yes.wav");
            setMessage(QStringLiteral("Preflop rank is ") + QString::number(v) +
                       QStringLiteral("%"));
        } else {
            playSound("no.wav");
        }
    }
}

void LessonPanel::lblName_MouseMove(std::int16_t index) {
    if (!state_.mode1B && !state_.mode3B) return;
    if (!state_.awaitingAnswer) return;
    if (index == state_.lastHoverIndex) return;
    nameLabelReset();
    if (index >= 0 && index < kNameLabelCount) controls_->lblName[index]->setBorderStyle(1);
    state_.lastHoverIndex = index;
}

void LessonPanel::compareHands() {
    if (state_.handValue1 == state_.handValue2)
        applyWinner(poker::CompareSameHandType(state_.hand1, state_.hand2));
    else
        applyWinner(poker::showWinner(state_.hand1, state_.hand2));
}

void LessonPanel::picLabels_Click() {
    if (state_.mode2B && state_.awaitingAnswer) compareHands();
}

void LessonPanel::picShow_Click() {
    picLabels_Click();
}

}  // namespace tutor
