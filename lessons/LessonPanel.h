#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QWidget>

#include "engine/CardRec.h"
#include "engine/HandTexts.h"
#include "engine/KeyedCollection.h"
#include "lessons/LessonRules.h"
#include "lessons/LessonState.h"
#include "common/MainLayout.h"
#include "platform/Services.h"

namespace tutor {

class HandWindow;
struct LessonControls;

// The interactive lesson panel (picQuiz): the card keyboard, the two hand
// windows, the name labels, the exercise frames and the message line, and
// the handlers of the four lessons. The handlers are spread over
// LessonScreens.cpp, LessonModes.cpp, LessonDeals.cpp, LessonAnswers.cpp and
// LessonPicks.cpp; the controls are built by LessonControls.
class LessonPanel : public QWidget {
    Q_OBJECT
public:
    LessonPanel(Services& services, const poker::KeyedCollection& preflopList,
                QWidget* parent = nullptr);
    ~LessonPanel() override;

    void setMainLayout(const MainLayout& layout) { layout_ = layout; }
    void setCardSize(std::int32_t width, std::int32_t height);

    // Lays out the keyboard and the lesson area and puts it into its waiting state.
    void initKeys();

    // The four lesson screens.
    void initLessonHandNames();
    void initLessonRankings();
    void initLessonPairValue();
    void initLessonBestHand();
    void highlightName(const std::int16_t& index);

    // Timer1's tick (every 750 ms, driven by the main window): blinks the message line.
    void Timer1_Timer();

    // Handlers of the panel's controls.
    void cmdStart1A_Click();
    void cmdStart1B_Click();
    void cmdStart2A_Click();
    void cmdStart2B_Click();
    void cmdStart3A_Click();
    void cmdStart3B_Click();
    void cmdStart4_Click();
    void cmdClear_Click();
    void cmdKey_Click(std::int16_t index);
    void lblName_Click(std::int16_t index);
    void lblName_MouseMove(std::int16_t index);
    void picLabels_Click();
    void picShow_Click();

    // Painters: each advances xincr a fifth of a card width, then paints the
    // key's card on its hand window.
    void drawCardShow(const std::int16_t& key);
    void drawCardLabels(const std::int16_t& key);

    // Deals.
    std::int16_t dealHand1();
    std::int16_t dealHand2();
    std::int16_t dealPocketCards();
    void dealBoard();
    void showBestHand();

    std::optional<poker::CardRec> cardOfKey(int key) const;
    const LessonState& state() const { return state_; }
    const LessonControls& controls() const { return *controls_; }

private:
    void wireControls();
    void nameLabelReset();
    void setKeysEnabled(bool enabled);
    void setMessage(const QString& text);
    void startMessage(const QString& text);
    void setHeading(const QString& text);
    void fitHeading();
    void setModes(bool LessonState::*selected);
    void applyWinner(const poker::WinnerMessage& message);
    void compareHands();
    void biasedDealHand1(BiasTable table);
    std::int16_t dealFive(HandWindow& window, poker::Hand& hand, int first);
    void paintCard(HandWindow& window, std::int16_t key);
    void storeCard(poker::CardRec& element, std::int16_t key) const;
    std::int16_t evaluate(const poker::Hand& hand);
    void playSound(const char* name);
    void showStartButtons(bool s1A, bool s1B, bool s2A, bool s2B, bool s3A, bool s3B, bool s4);
    std::int32_t roundedStart(double position) const;

    Services& services_;
    const poker::KeyedCollection& preflopList_;
    MainLayout layout_;
    LessonState state_;
    std::unique_ptr<LessonControls> controls_;
};

}  // namespace tutor
