#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <QWidget>

#include "platform/Services.h"
#include "platform/TwipsControl.h"
#include "samplegame/DemoScript.h"
#include "samplegame/TablePictures.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tutor {

// The sample game panel (picDemo): a table picture with its seats, cards,
// action labels and dealer button, a commentary box and the Next button,
// which plays the scripted hand one step per click.
class SampleGamePanel : public QWidget {
    Q_OBJECT
  public:
    // The most Next presses in progress at once. A press taken in during an
    // animation's wait runs its step inside that wait, so held keys nest the
    // steps; a press beyond this is dropped, which keeps the stack small.
    static constexpr int kMaxNestedPresses = 64;

    explicit SampleGamePanel(Services& services, QWidget* parent = nullptr);
    ~SampleGamePanel() override;

    // 0 before the first step of a game, else the step performed last.
    std::int16_t demoStep() const { return demoStep_; }
    void setDemoStep(std::int16_t step) { demoStep_ = step; }

    // Clears the table, puts the dealer button back to its start and
    // performs step 1.
    void resetDemo();
    // Advances demoStep and performs that step (the click of cmdNext).
    void cmdNext_Click();

    // The commentary box's text, line breaks as CR LF.
    QString commentsText() const;
    // Where the dealer button stands, in twips.
    float dealerLeft() const;
    float dealerTop() const;

  signals:
    // A click on the real-game link lblEnough; the main window handles it.
    void lblEnoughClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A click of cmdNext: cmdNext_Click, unless kMaxNestedPresses are in
    // progress already.
    void nextPressed();

    // Each animation returns false when the panel went away during a wait.
    bool dealNewHand();
    bool showFlop();
    bool showTurn();
    bool showRiver();
    bool showShowdown();
    bool runAnimation(demo::Animation animation);
    bool hideSeatLabelsAndWait(const char* potCaption);
    bool pause(std::int32_t milliseconds);

    void performStep(int step);
    void writeSummary();
    void setCommentsText(const QString& text);
    void setLabelCaption(int index, const QString& caption);

    TwipsControl& place(QWidget* widget, float left, float top, float width, float height);
    QLabel* makePicture(const QString& name, float left, float top, float width, float height);
    void ensurePictures();

    Services& services_;
    TablePictures pictures_;
    qreal picturesRatio_ = 0;  // the device-pixel ratio pictures_ were drawn for
    std::vector<std::unique_ptr<TwipsControl>> placed_;

    QLabel* picDealer_ = nullptr;
    TwipsControl* dealerPlace_ = nullptr;
    std::array<QLabel*, demo::kSeats> picPocket_{};
    std::array<QLabel*, demo::kBoardCards> picFlop_{};
    QLabel* picShowDown1_ = nullptr;
    QLabel* picShowDown2_ = nullptr;
    std::array<QLabel*, demo::kSeats + 1> lblArray_{};
    std::array<TwipsControl*, demo::kSeats + 1> lblPlace_{};
    std::array<float, demo::kSeats + 1> lblDesignWidth_{};
    QFrame* picture1_ = nullptr;
    QPlainTextEdit* txtComments_ = nullptr;
    QPushButton* cmdNext_ = nullptr;
    QLabel* lblEnough_ = nullptr;

    std::int16_t demoStep_ = 0;
    int pressesInProgress_ = 0;  // clicks of cmdNext not yet returned
    // The dealer button's place at the start of a game, remembered by the
    // first reset and kept for the panel's life; 0 = not yet remembered.
    std::int16_t dealerStartLeft_ = 0;
    std::int16_t dealerStartTop_ = 0;
};

}  // namespace tutor
