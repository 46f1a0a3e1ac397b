#include <cstdint>
#include <string>
#include <vector>

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

TEST_F(RealWait, HandlesTimersAndPostedEventsWhileItWaits) {
    bool ticked = false;
    bool posted = false;
    QTimer::singleShot(20, [&] { ticked = true; });
    QMetaObject::invokeMethod(qApp, [&] { posted = true; }, Qt::QueuedConnection);
    shortDelay(80, clock, pump);
    EXPECT_TRUE(ticked);
    EXPECT_TRUE(posted);
}

// What the sample game's animations rely on: the window repaints and its
// buttons answer while a wait runs.
TEST_F(RealWait, PaintsAndClicksAreHandledWhileItWaits) {
    struct Painted : QWidget {
        int paints = 0;
        void paintEvent(QPaintEvent*) override { ++paints; }
    } window;
    auto* button = new QPushButton("Next", &window);
    button->setGeometry(10, 10, 80, 30);
    window.resize(200, 100);
    window.show();
    shortDelay(30, clock, pump);  // the first show settles
    bool clicked = false;
    QObject::connect(button, &QPushButton::clicked, [&] { clicked = true; });
    const int paintsBefore = window.paints;
    window.update();
    const QPointF at(40, 15);
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, at, at,
                                                        button->mapToGlobal(at), Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonRelease, at, at,
                                                        button->mapToGlobal(at), Qt::LeftButton,
                                                        Qt::NoButton, Qt::NoModifier));
    shortDelay(60, clock, pump);
    EXPECT_GT(window.paints, paintsBefore);
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

TEST_F(RealWait, NestedWaitsUnwindInnerFirst) {
    std::vector<std::string> order;
    QTimer::singleShot(10, [&] {
        shortDelay(60, clock, pump);
        order.push_back("inner");
    });
    shortDelay(30, clock, pump);
    order.push_back("outer");
    EXPECT_EQ(order, (std::vector<std::string>{"inner", "outer"}));
}

// The pump is asleep until the old deadline when the delay shrinks; the
// handler that shrank it wakes the loop, and the wait ends at the new one.
TEST_F(RealWait, ADelayShortenedDuringTheWaitEndsItEarly) {
    std::int32_t delay = 5000;
    QTimer::singleShot(10, [&] { delay = 40; });
    const std::int64_t start = clock.nowMs();
    shortDelay(delay, clock, pump);
    const std::int64_t waited = clock.nowMs() - start;
    EXPECT_GE(waited, 40);
    EXPECT_LT(waited, 5000);
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

}  // namespace
}  // namespace tutor
