#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include "fakes/FakeServices.h"
#include "platform/RealSeams.h"
#include "platform/ShortDelay.h"

namespace tutor {
namespace {

// The real pump, counting how often the wait asks it to block.
class CountingPump : public EventPump {
public:
    explicit CountingPump(const MillisecondClock& clock) : real_(clock) {}
    void processPendingEvents() override {
        ++passes;
        real_.processPendingEvents();
    }
    void waitForEventsUntil(std::int64_t deadlineMs) override {
        ++waits;
        real_.waitForEventsUntil(deadlineMs);
    }
    int passes = 0;
    int waits = 0;

private:
    QtEventPump real_;
};

struct RealWait : ::testing::Test {
    void SetUp() override { QCoreApplication::processEvents(); }
    ElapsedClock clock;
    CountingPump pump{clock};
    // A wait that ends on a flag is given this long as its end: a busy
    // machine delays an event by far less, so only a pump that never handles
    // it gets there.
    static constexpr std::int32_t kHangMs = 30'000;
};

TEST_F(RealWait, LastsItsTimeAndBlocksInsteadOfSpinning) {
    const std::int32_t delay = 120;
    const std::int64_t start = clock.nowMs();
    shortDelay(delay, clock, pump);
    EXPECT_GE(clock.nowMs() - start, delay);
    // A spinning wait comes back thousands of times; a blocking one wakes
    // for its deadline and for the odd stray event.
    EXPECT_LT(pump.waits, 20);
}

// The wait ends on the timer's tick, so how late a busy machine lets the
// timer fire does not matter.
TEST_F(RealWait, HandlesTimersAndPostedEventsWhileItWaits) {
    QObject context;  // drops the timer and the call if the test ends first
    bool ticked = false;
    bool posted = false;
    QTimer::singleShot(20, &context, [&] { ticked = true; });
    QMetaObject::invokeMethod(&context, [&] { posted = true; }, Qt::QueuedConnection);
    shortDelay(kHangMs, clock, pump, &ticked);
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(posted);
}

// What the sample game's animations rely on: the window repaints and its
// buttons answer while a wait runs.
TEST_F(RealWait, PaintsAndClicksAreHandledWhileItWaits) {
    struct Painted : QWidget {
        bool painted = false;
        void paintEvent(QPaintEvent*) override { painted = true; }
    } window;
    auto* button = new QPushButton("Next", &window);
    button->setGeometry(10, 10, 80, 30);
    window.resize(200, 100);
    window.show();
    shortDelay(kHangMs, clock, pump, &window.painted);  // the first show's paint
    ASSERT_TRUE(window.painted);
    bool clicked = false;
    QObject::connect(button, &QPushButton::clicked, [&] { clicked = true; });
    window.painted = false;
    window.update();
    const QPointF at(40, 15);
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, at, at,
                                                        button->mapToGlobal(at), Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, at, at,
                                                        button->mapToGlobal(at), Qt::LeftButton,
                                                        Qt::NoButton, Qt::NoModifier));
    shortDelay(kHangMs, clock, pump, &clicked);
    shortDelay(kHangMs, clock, pump, &window.painted);  // none at all once it has painted
    EXPECT_TRUE(window.painted);
    EXPECT_TRUE(clicked);
}

TEST_F(RealWait, ZeroOrLessReturnsWithoutHandlingAnything) {
    for (std::int32_t delay : {0, -1, INT32_MIN}) {
        bool posted = false;
        QMetaObject::invokeMethod(qApp, [&] { posted = true; }, Qt::QueuedConnection);
        shortDelay(delay, clock, pump);
        EXPECT_FALSE(posted) << delay;
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(pump.waits, 0);
    EXPECT_EQ(pump.passes, 0);
}

// The outer wait's end passes while the inner one runs. The inner wait is
// started by a call the outer one's first pass handles, and only then does
// it shorten the outer one, so the outer cannot end first on a slow machine.
TEST_F(RealWait, NestedWaitsUnwindInnerFirst) {
    QObject context;
    std::vector<std::string> order;
    std::int32_t outerDelay = kHangMs;
    QMetaObject::invokeMethod(
        &context,
        [&] {
            outerDelay = 1;
            shortDelay(60, clock, pump);
            order.push_back("inner");
        },
        Qt::QueuedConnection);
    shortDelay(outerDelay, clock, pump);
    order.push_back("outer");
    EXPECT_EQ(order, (std::vector<std::string>{"inner", "outer"}));
}

// The pump is asleep until the old deadline when the delay shrinks; the
// handler that shrank it wakes the loop, and the wait ends at the new one.
// The old delay is long enough that only a wait kept to it lasts as long.
TEST_F(RealWait, ADelayShortenedDuringTheWaitEndsItEarly) {
    QObject context;
    std::int32_t delay = kHangMs;
    QTimer::singleShot(10, &context, [&] { delay = 40; });
    const std::int64_t start = clock.nowMs();
    shortDelay(delay, clock, pump);
    const std::int64_t waited = clock.nowMs() - start;
    EXPECT_GE(waited, 40);
    EXPECT_LT(waited, kHangMs);
}

TEST_F(RealWait, ADeadlinePassedAlreadyDoesNotBlock) {
    // Would hang here for good if the pump blocked without a wake-up.
    bool posted = false;
    QMetaObject::invokeMethod(qApp, [&] { posted = true; }, Qt::QueuedConnection);
    pump.waitForEventsUntil(clock.nowMs() - 5);
    EXPECT_TRUE(posted);
}

struct FakeWait : ::testing::Test {
    testing::FakeServices fakes;
};

TEST_F(FakeWait, ReadsTheDelayAfreshAtEveryTest) {
    std::int32_t delay = 500;
    const std::int64_t start = fakes.clock.now;
    fakes.events.at(start + 100, [&] { delay = 150; });
    shortDelay(delay, fakes.services);
    EXPECT_EQ(fakes.clock.now, start + 150);

    delay = 100;
    const std::int64_t start2 = fakes.clock.now;
    fakes.events.at(start2 + 50, [&] { delay = 300; });
    shortDelay(delay, fakes.services);
    EXPECT_EQ(fakes.clock.now, start2 + 300);
}

TEST_F(FakeWait, EndNearTheTopOfThe32BitRangeDoesNotWrap) {
    fakes.clock.now = INT32_MAX - 10;
    const std::int32_t delay = INT32_MAX;
    shortDelay(delay, fakes.services);
    ASSERT_FALSE(fakes.events.waitDeadlines.empty());
    EXPECT_EQ(fakes.events.waitDeadlines.front(),
              static_cast<std::int64_t>(INT32_MAX - 10) + INT32_MAX);
    EXPECT_EQ(fakes.clock.now, static_cast<std::int64_t>(INT32_MAX - 10) + INT32_MAX);
}

TEST_F(FakeWait, StopFlagEndsTheWaitEarly) {
    bool stop = false;
    const std::int64_t start = fakes.clock.now;
    fakes.events.at(start + 40, [&] { stop = true; });
    shortDelay(1000, fakes.services, &stop);
    EXPECT_EQ(fakes.clock.now, start + 40);
    stop = true;
    shortDelay(1000, fakes.services, &stop);  // already set: no wait at all
    EXPECT_EQ(fakes.clock.now, start + 40);
}

// A wait whose end test can never pass once the fake clock has reached its
// deadline, as a `>=` in place of `>` would make it.
void waitWithAnEndThatNeverComes(testing::FakeServices& fakes, std::int64_t deadline) {
    while (deadline >= fakes.clock.nowMs()) fakes.events.waitForEventsUntil(deadline);
}

TEST_F(FakeWait, AWaitThatMakesNoProgressFailsTheTestNamingItsDeadlineAndTheTime) {
    fakes.clock.now = 5000;
    fakes.events.waitForEventsUntil(5200);  // an earlier wait, counted in the message
    EXPECT_NONFATAL_FAILURE(waitWithAnEndThatNeverComes(fakes, 5300),
                            "to wait until 5300 ms on the fake clock, which already reads 5300 ms, "
                            "with no scheduled action due (the wait began as wait #3");
    // The wait was let go one tick after its deadline.
    EXPECT_EQ(fakes.clock.now, 5301);
}

TEST_F(FakeWait, AfterAStallIsReportedLaterStallsEndWithoutFurtherFailures) {
    EXPECT_NONFATAL_FAILURE(waitWithAnEndThatNeverComes(fakes, fakes.clock.now + 100),
                            "A wait made no progress");
    const std::int64_t before = fakes.clock.now;
    for (int i = 1; i <= 50; ++i) waitWithAnEndThatNeverComes(fakes, before + 10 * i);
    EXPECT_EQ(fakes.clock.now, before + 501);
}

TEST_F(FakeWait, ActionsDueAtTheDeadlineAreProgressNotAStall) {
    // Each scheduled action lands exactly on the clock's time, again and
    // again: the wait is not stuck, so nothing is reported.
    const std::int64_t t = fakes.clock.now;
    int ran = 0;
    for (int i = 0; i < 3 * testing::FakeEventPump::kStalledCallsReported; ++i)
        fakes.events.at(t, [&] { ++ran; });
    while (ran < 3 * testing::FakeEventPump::kStalledCallsReported)
        fakes.events.waitForEventsUntil(t);
    EXPECT_EQ(fakes.clock.now, t);
}

TEST(FakeWaitDeathTest, AWaitThatIgnoresTheClockStopsTheTestProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            testing::FakeServices fakes;
            const std::int64_t deadline = fakes.clock.now;
            for (;;) fakes.events.waitForEventsUntil(deadline);
        },
        "made no progress in 100000 calls in a row");
}

}  // namespace
}  // namespace tutor
