// Space held on the focused Next button: each auto-repeated press that comes
// during an animation's wait runs its step inside that wait, and a step that
// animates nests the next presses one level deeper. The nesting stays
// bounded, and a close request deep inside it still ends the program through
// the promotion window.
#include "SampleGameFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <set>
#include <string>

#include "mainwindow/FrmMain.h"

namespace tutor::testing {
namespace {

constexpr int kBound = SampleGamePanel::kMaxNestedPresses;
constexpr std::int64_t kRepeatMs = 40;  // key auto-repeat: 25 presses a second
// An unbounded nest is cut off here and reported, long before it could run
// out of the test's own stack.
constexpr int kRunaway = 4 * kBound;

// Presses 40 ms apart on the fake clock, each one run by whichever wait
// reaches its time. A press schedules the next before it is handled, so the
// waits of its own step take the next ones in, as the window system would.
// Between presses that no wait takes in, run() stands in for the program's
// event loop with a wait of its own: presses in progress are the waits
// running less that one.
class HeldSpace {
  public:
    HeldSpace(FakeEventPump& events, FakeClock& clock, int presses)
        : events_(events), clock_(clock), left_(presses) {}

    // Handles each press with press(pressesInProgress) until none is left.
    void run(std::function<void(int)> press) {
        press_ = std::move(press);
        events_.at(clock_.now + kRepeatMs, [this] { next(); });
        while (left_ > 0) events_.waitForEventsUntil(clock_.now + kRepeatMs);
    }
    void release() { left_ = 0; }
    int inProgress() const { return events_.depth - 1; }
    int deepest() const { return events_.deepest - 1; }

  private:
    void next() {
        if (left_ <= 0) return;
        if (inProgress() >= kRunaway) {
            release();
            return;
        }
        if (--left_ > 0) events_.at(clock_.now + kRepeatMs, [this] { next(); });
        press_(inProgress());
    }

    FakeEventPump& events_;
    FakeClock& clock_;
    int left_;
    std::function<void(int)> press_;
};

using SampleGameHeldNext = SampleGameTest;

// Thousands of presses: the nest reaches the bound and no further, a press
// at the bound is dropped whole, every other press performs its step (the
// wrap past step 34 at the bound included), and a quiet replay afterwards
// plays the game as usual.
TEST_F(SampleGameHeldNext, NestingStaysWithinTheBoundAndTheGameGoesOn) {
    std::set<std::string> texts;
    for (int step = 1; step <= 34; ++step) texts.insert(expectedComments(step));
    int dropped = 0, wrapsAtTheBound = 0;
    std::string firstFault;
    auto fault = [&](const std::string& what) {
        if (firstFault.empty()) firstFault = what;
    };

    start();
    playTo(2);
    HeldSpace space(fakes.events, fakes.clock, 5000);
    space.run([&](int inProgress) {
        const int before = panel->demoStep();
        const std::size_t waits = fakes.events.waitDeadlines.size();
        clickNext();
        const bool handled =
            panel->demoStep() != before || fakes.events.waitDeadlines.size() != waits;
        const std::string at = " at " + std::to_string(inProgress) + " presses in progress, step " +
                               std::to_string(before);
        if (inProgress >= kBound) {
            ++dropped;
            if (handled) fault("a press was handled" + at);
        } else {
            if (!handled) fault("a press was dropped" + at);
            if (before == 34 && inProgress == kBound - 1) ++wrapsAtTheBound;
        }
        if (panel->demoStep() < 1 || panel->demoStep() > 34)
            fault("demoStep " + std::to_string(panel->demoStep()) + " after a press" + at);
        else if (texts.count(comments()) != 1)
            fault("the commentary is no step's text after a press" + at + ": " + comments());
    });

    EXPECT_EQ(space.deepest(), kBound) << "presses in progress at once";
    EXPECT_EQ(firstFault, "");
    EXPECT_GT(dropped, 0);
    EXPECT_GT(wrapsAtTheBound, 0) << "no press wrapped the game at the bound";
    playTo(34);
    clickNext();
    EXPECT_EQ(panel->demoStep(), 1);
    EXPECT_EQ(comments(), expectedComments(1));
    EXPECT_EQ(table(),
              "labels= | pockets= | board= | showdown= | dealer=7905,4080 | button=Next | link=0");
    playTo(3);
    EXPECT_EQ(table(),
              "labels=0:0.25 1:0.50 | pockets=01234567 | board= | showdown= | "
              "dealer=6605,5380 | button=Next | link=0");
}

QWidget* promotionWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().startsWith("frmPromo") && w->isVisible()) return w;
    return nullptr;
}

// The close request comes when the nest is at the bound. The promotion
// window's own waits run on top of it and must still take the user's close
// of that window, which ends the program once.
TEST(SampleGameHeldNextClose, CloseAtTheBoundShowsThePromotionWhichEndsTheProgram) {
    FakeServices fakes;
    FrmMain window(fakes.services);
    window.show();
    QApplication::processEvents();
    window.TreeView1_NodeClick("Sample Poker Game");
    auto* next = window.picDemo()->findChild<QPushButton*>("cmdNext");
    ASSERT_NE(next, nullptr);
    next->click();  // step 2

    int closedAt = -1;
    QStringList shownDuringPromotion;
    bool hung = false;
    // A promotion window whose waits take in no event would loop for ever;
    // this ends it, and the test then says so.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        hung = true;
        if (QWidget* promo = promotionWindow()) promo->close();
    });
    watchdog.start(30000);
    HeldSpace space(fakes.events, fakes.clock, 20000);
    space.run([&](int inProgress) {
        if (inProgress < kBound) {
            next->click();
            return;
        }
        space.release();
        closedAt = inProgress;
        fakes.events.at(fakes.clock.now + 3000, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible()) shownDuringPromotion << w->objectName();
            if (QWidget* promo = promotionWindow()) promo->close();
        });
        window.close();
    });

    EXPECT_EQ(closedAt, kBound) << "presses in progress at the close request";
    EXPECT_FALSE(hung) << "the promotion window took in no close within 30 s";
    EXPECT_EQ(shownDuringPromotion, QStringList{"frmPromo"});
    EXPECT_EQ(fakes.ender.endCount, 1);
    EXPECT_TRUE(window.isUnloaded());
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace tutor::testing
