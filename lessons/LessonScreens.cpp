// The four lesson screens and the answer highlight.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "lessons/CaptionLabel.h"
#include "lessons/HandWindow.h"
#include "lessons/LessonControls.h"
#include "lessons/LessonPanel.h"
#include "lessons/VbColor.h"

namespace tutor {

namespace {
const char* const kHandNameCaptions[] = {"Full House", "Flush", "Straight", "Three of a Kind",
                                         "Two Pair"};
const char* const kPairValueCaptions[] = {"Very Good", "Good", "Average", "Bad", "Very Bad"};

void setMiddleCaptions(LessonControls& c, const char* const (&captions)[5]) {
    for (int i = 0; i < 5; ++i) c.lblName[2 + i]->setText(QString::fromLatin1(captions[i]));
}
}  // namespace

void LessonPanel::highlightName(const std::int16_t& index) {
    for (auto& label : controls_->lblName) {
        label->setForeColor(colour::black);
        label->setBackColor(colour::lightGrey);
    }
    if (index < 0 || index >= kNameLabelCount) return;
    controls_->lblName[index]->setForeColor(colour::lightGrey);
    controls_->lblName[index]->setBackColor(colour::black);
}

void LessonPanel::initLessonHandNames() {
    LessonControls& c = *controls_;
    c.cmdClear->setEnabled(false);
    for (auto& label : c.lblName) label->setVisible(true);
    setMiddleCaptions(c, kHandNameCaptions);
    c.picLabels->setBackColor(colour::lightGrey);
    c.picShow->cls();
    nameLabelReset();
    setHeading(QStringLiteral("Poker Hand Names"));
    setMessage(QStringLiteral("Click [Start] to begin.."));
    c.lblEx1->setText(
        QStringLiteral("You pick 5 cards from the keyboard the program displays the poker hand name"));
    c.lblEx2->setText(QStringLiteral(
        "The program will display a random hand, you pick the correct name from the list"));
    showStartButtons(true, true, false, false, false, false, false);
    setKeysEnabled(false);
    c.Frame2->setEnabled(true);
}

void LessonPanel::initLessonPairValue() {
    LessonControls& c = *controls_;
    c.cmdClear->setEnabled(false);
    for (auto& label : c.lblName) label->setVisible(true);
    c.lblName[0]->setVisible(false);
    c.lblName[1]->setVisible(false);
    setMiddleCaptions(c, kPairValueCaptions);
    c.lblName[7]->setVisible(false);
    c.lblName[8]->setVisible(false);
    nameLabelReset();
    c.picLabels->setBackColor(colour::lightGrey);
    c.picShow->cls();
    setHeading(QStringLiteral("Pre-Flop Pair Value"));
    setMessage(QStringLiteral("Click [Start] to begin.."));
    c.lblEx1->setText(
        QStringLiteral("Pick 2 cards from the keyboard, program displays the preflop pair value"));
    c.lblEx2->setText(QStringLiteral(
        "The program will display a random pair, you pick a value label from the list"));
    showStartButtons(false, false, false, false, true, true, false);
    setKeysEnabled(false);
    c.Frame2->setEnabled(true);
}

void LessonPanel::initLessonRankings() {
    LessonControls& c = *controls_;
    for (auto& label : c.lblName) label->setVisible(false);
    c.cmdClear->setEnabled(false);
    c.picLabels->setBackColor(colour::green);
    c.picLabels->cls();
    c.picShow->cls();
    setHeading(QStringLiteral("Poker Hand Rankings"));
    c.lblEx1->setText(QStringLiteral(
        "You pick  2 sets of 5 cards from the keyboard, the program picks the higher ranked hand"));
    c.lblEx2->setText(
        QStringLiteral("The program will display 2 random hands, you pick the highest ranked hand"));
    state_.blinkMessage = true;
    setMessage(QStringLiteral("Click [Start] to begin..."));
    showStartButtons(false, false, true, true, false, false, false);
    setKeysEnabled(false);
    c.Frame2->setEnabled(true);
}

void LessonPanel::initLessonBestHand() {
    LessonControls& c = *controls_;
    for (auto& label : c.lblName) label->setVisible(false);
    c.cmdClear->setEnabled(false);
    c.picLabels->setBackColor(colour::green);
    c.picLabels->cls();
    c.picShow->cls();
    setHeading(QStringLiteral("Best Hand Recognition"));
    c.lblEx1->setText(QStringLiteral("Pick the best pocket pair to the board.") +
                      QStringLiteral(" (full house or less)"));
    c.lblEx2->setText(QString());
    state_.blinkMessage = true;
    setMessage(QStringLiteral("Click [Start] to begin..."));
    showStartButtons(false, false, false, false, false, false, true);
    setKeysEnabled(false);
    c.Frame2->setEnabled(false);
}

}  // namespace tutor
