#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "fakes/FakeServices.h"
#include "samplegame/SampleGamePanel.h"

class QLabel;
class QPushButton;

namespace tutor::testing {

// One panel on the fake platform, and a one-line picture of its table:
//   "labels=0:0.25 1:0.50 8:Pot  $3.00 | pockets=01234567 | board=012 |
//    showdown=12 | dealer=6605,5380 | button=Next | link=0"
// listing only what is shown (labels with their captions).
class SampleGameTest : public ::testing::Test {
  protected:
    SampleGameTest();

    // What a click on the "Sample Poker Game" node does.
    void start();
    void clickNext();
    // Clicks Next until demoStep is step (from a started game).
    void playTo(int step);

    std::string table() const;
    std::string comments() const { return panel->commentsText().toStdString(); }
    // Milliseconds of each wait since `since`, in the order they were waited.
    std::vector<std::int64_t> waitsSince(std::size_t firstWait, std::int64_t since) const;

    QLabel* label(const char* name) const;
    QPushButton* nextButton() const;

    FakeServices fakes;
    std::unique_ptr<SampleGamePanel> panel;
};

// The script as the user reads it, step 1 to 34.
std::string expectedComments(int step);

}  // namespace tutor::testing
