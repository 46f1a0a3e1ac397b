// Card picks on the keyboard.
#include <QPushButton>

#include "engine/PreflopList.h"
#include "lessons/HandWindow.h"
#include "lessons/LessonControls.h"
#include "lessons/LessonPanel.h"

namespace tutor {

void LessonPanel::cmdKey_Click(std::int16_t index) {
    if (index < 0 || index >= kKeyCount) return;
    LessonControls& c = *controls_;
    auto takeKey = [&] {
        c.cmdKey[index]->setEnabled(false);
        c.picShow->setFocus();
    };

    if (state_.mode1A || state_.mode1B) {
        takeKey();
        drawCardShow(index);
        storeCard(state_.hand1[state_.cardsPicked % kHandCards], index);
        ++state_.cardsPicked;
        if (state_.cardsPicked == 5) {
            state_.handValue1 = evaluate(state_.hand1);
            state_.cardsPicked = 0;
            const int label = nameLabelOfCategory(state_.handValue1);
            if (label >= 0) highlightName(static_cast<std::int16_t>(label));
            setKeysEnabled(false);
        }
        c.cmdClear->setEnabled(true);
    }
    if (state_.mode2A) {
        takeKey();
        if (state_.cardsPicked < 5) {
            drawCardShow(index);
            storeCard(state_.hand1[state_.cardsPicked], index);
        } else {
            if (state_.cardsPicked == 5) state_.xincr = roundedStart(state_.cWidth / 3.0);
            drawCardLabels(index);
            storeCard(state_.hand2[(state_.cardsPicked - 5) % kHandCards], index);
        }
        ++state_.cardsPicked;
        if (state_.cardsPicked == 10) {
            state_.handValue1 = evaluate(state_.hand1);
            state_.hand1[0].value = state_.handValue1;
            state_.handValue2 = evaluate(state_.hand2);
            state_.hand2[0].value = state_.handValue2;
            compareHands();
            state_.cardsPicked = 0;
            setKeysEnabled(false);
        }
        c.cmdClear->setEnabled(true);
    }
    if (state_.mode3A) {
        takeKey();
        drawCardShow(index);
        storeCard(state_.hand1[state_.cardsPicked % kHandCards], index);
        ++state_.cardsPicked;
        if (state_.cardsPicked == 2) {
            const int v = poker::PocketHandValue(preflopList_, state_.hand1);
            state_.cardsPicked = 0;
            state_.handValue1 = static_cast<std::int16_t>(v);
            highlightName(static_cast<std::int16_t>(pickedPairLabel(v)));
            setMessage(QStringLiteral("Preflop rank is ") + QString::number(v) +
                       QStringLiteral("%"));
            setKeysEnabled(false);
        }
        c.cmdClear->setEnabled(true);
    }
    if (state_.mode4) {
        ++state_.cardsPicked;
        c.cmdKey[index]->setEnabled(false);
        drawCardLabels(index);
        if (state_.cardsPicked > 1) {
            state_.cardsPicked = 0;
            showBestHand();
            c.cmdClear->setEnabled(true);
            setKeysEnabled(false);
        }
    }
}

}  // namespace tutor
