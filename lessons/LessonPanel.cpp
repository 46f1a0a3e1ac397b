#include "lessons/LessonPanel.h"

#include <cmath>
#include <exception>

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>
#include <QPushButton>

#include "engine/HandEvaluator.h"
#include "lessons/CaptionLabel.h"
#include "lessons/HandWindow.h"
#include "lessons/LessonControls.h"
#include "lessons/LessonLayout.h"
#include "lessons/VbColor.h"

namespace tutor {

LessonPanel::LessonPanel(Services& services, const poker::KeyedCollection& preflopList,
                         QWidget* parent)
    : QWidget(parent),
      services_(services),
      preflopList_(preflopList),
      controls_(std::make_unique<LessonControls>()) {
    setObjectName("picQuiz");
    controls_->build(this, services_.screen);
    wireControls();
}

LessonPanel::~LessonPanel() = default;

void LessonPanel::wireControls() {
    LessonControls& c = *controls_;
    connect(c.keyGroup, &QButtonGroup::idClicked, this,
            [this](int id) { cmdKey_Click(static_cast<std::int16_t>(id)); });
    const std::pair<QPushButton*, void (LessonPanel::*)()> buttons[] = {
        {c.cmdStart1A.widget, &LessonPanel::cmdStart1A_Click},
        {c.cmdStart1B.widget, &LessonPanel::cmdStart1B_Click},
        {c.cmdStart2A.widget, &LessonPanel::cmdStart2A_Click},
        {c.cmdStart2B.widget, &LessonPanel::cmdStart2B_Click},
        {c.cmdStart3A.widget, &LessonPanel::cmdStart3A_Click},
        {c.cmdStart3B.widget, &LessonPanel::cmdStart3B_Click},
        {c.cmdStart4.widget, &LessonPanel::cmdStart4_Click},
        {c.cmdClear.widget, &LessonPanel::cmdClear_Click},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);
    for (int i = 0; i < kNameLabelCount; ++i) {
        const auto index = static_cast<std::int16_t>(i);
        connect(c.lblName[i].widget, &CaptionLabel::clicked, this,
                [this, index] { lblName_Click(index); });
        connect(c.lblName[i].widget, &CaptionLabel::mouseMoved, this,
                [this, index] { lblName_MouseMove(index); });
    }
    connect(c.picShow.widget, &HandWindow::clicked, this, &LessonPanel::picShow_Click);
    connect(c.picLabels.widget, &HandWindow::clicked, this, &LessonPanel::picLabels_Click);
}

void LessonPanel::setCardSize(std::int32_t width, std::int32_t height) {
    state_.cWidth = width;
    state_.cHeight = height;
}

void LessonPanel::initKeys() {
    try {
        layOutKeyboard(*controls_, state_.keyOfCard);
        layOutLessonArea(*controls_, layout_, services_.screen);
    } catch (const std::exception&) {
        // A refused step ends the layout silently; what was placed stays.
        return;
    }
    fitHeading();
    setMessage(QStringLiteral("Click [Start] to begin..."));
    setKeysEnabled(false);
    controls_->cmdClear->setEnabled(false);
    state_.blinkMessage = true;
}

std::optional<poker::CardRec> LessonPanel::cardOfKey(int key) const {
    return tutor::cardOfKey(key, state_.keyOfCard);
}

void LessonPanel::drawCardShow(const std::int16_t& key) {
    paintCard(*controls_->picShow.widget, key);
}

void LessonPanel::drawCardLabels(const std::int16_t& key) {
    paintCard(*controls_->picLabels.widget, key);
}

void LessonPanel::paintCard(HandWindow& window, std::int16_t key) {
    // Whole pixels, halves to even, as the default rounding mode gives them.
    state_.xincr = static_cast<std::int32_t>(std::lrint(state_.cWidth / 5.0 + state_.xincr));
    const double tppY = services_.screen.twipsPerPixelY();
    const auto y =
        static_cast<std::int32_t>(std::lrint(window.scaleHeightTwips(static_cast<float>(tppY)) / 5.0 / tppY));
    const auto card = cardOfKey(key);
    if (!card) return;
    {
        QPainter painter(&window.surface());
        services_.cards.cdtDraw(painter, state_.xincr, y, card->id, 0, colour::white);
    }
    window.repaintNow(QRect(state_.xincr, y, state_.cWidth, state_.cHeight));
}

void LessonPanel::storeCard(poker::CardRec& element, std::int16_t key) const {
    if (const auto card = cardOfKey(key)) {
        element.id = card->id;
        element.rank = card->rank;
        element.suit = card->suit;
    }
}

std::int16_t LessonPanel::evaluate(const poker::Hand& hand) {
    const auto code = poker::EvaluatePokerHand(hand, [this](const std::string& message) {
        services_.messages.showMessage(QString::fromStdString(message));
    });
    return poker::code(code);
}

void LessonPanel::nameLabelReset() {
    for (auto& label : controls_->lblName) {
        label->setForeColor(colour::black);
        label->setBackColor(colour::lightGrey);
        label->setBorderStyle(0);
    }
}

void LessonPanel::setKeysEnabled(bool enabled) {
    for (auto& key : controls_->cmdKey) key->setEnabled(enabled);
}

void LessonPanel::setMessage(const QString& text) {
    controls_->lblMessage->setText(text);
}

// The Start handlers' way of writing their instruction: blinking off, text white.
void LessonPanel::startMessage(const QString& text) {
    state_.blinkMessage = false;
    controls_->lblMessage->setForeColor(colour::white);
    setMessage(text);
}

void LessonPanel::setHeading(const QString& text) {
    controls_->lblHeading1->setText(text);
    fitHeading();
}

// The heading keeps its twips geometry for the layout; when its text is wider
// than that, the widget is widened in pixels about its centre so that the
// whole heading can be read.
void LessonPanel::fitHeading() {
    CaptionLabel* heading = controls_->lblHeading1.widget;
    controls_->lblHeading1.geom().place();
    const int needed = QFontMetrics(heading->font()).horizontalAdvance(heading->text()) + 8;
    if (needed <= heading->width()) return;
    const QRect placed = heading->geometry();
    heading->setGeometry(placed.center().x() - needed / 2, placed.top(), needed, placed.height());
}

void LessonPanel::setModes(bool LessonState::*selected) {
    for (bool LessonState::*flag : {&LessonState::mode1A, &LessonState::mode1B,
                                    &LessonState::mode2A, &LessonState::mode2B,
                                    &LessonState::mode3A, &LessonState::mode3B,
                                    &LessonState::mode4})
        state_.*flag = flag == selected;
}

void LessonPanel::applyWinner(const poker::WinnerMessage& message) {
    if (message.sentence) setMessage(QString::fromStdString(*message.sentence));
    if (message.setsBlink) state_.blinkMessage = true;
}

std::int32_t LessonPanel::roundedStart(double position) const {
    return static_cast<std::int32_t>(std::lrint(position));
}

void LessonPanel::playSound(const char* name) {
    services_.sound.playAsync(services_.programFolder + QStringLiteral("/wavs/") +
                              QString::fromLatin1(name));
}

void LessonPanel::showStartButtons(bool s1A, bool s1B, bool s2A, bool s2B, bool s3A, bool s3B,
                                   bool s4) {
    LessonControls& c = *controls_;
    c.cmdStart1A->setVisible(s1A);
    c.cmdStart1B->setVisible(s1B);
    c.cmdStart2A->setVisible(s2A);
    c.cmdStart2B->setVisible(s2B);
    c.cmdStart3A->setVisible(s3A);
    c.cmdStart3B->setVisible(s3B);
    c.cmdStart4->setVisible(s4);
}

}  // namespace tutor
