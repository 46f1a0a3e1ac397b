#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/Services.h"

namespace tutor::testing {

class FakeSound : public SoundPlayer {
public:
    void playAsync(const QString& wavPath) override { played.push_back(wavPath); }
    QStringList played;
};

class FakeUrlOpener : public UrlOpener {
public:
    bool openUrl(const QString& address) override {
        opened.push_back(address);
        return succeed;
    }
    QStringList opened;
    bool succeed = false;  // as on a machine without a browser
};

class FakeMessages : public MessageBoxes {
public:
    void showMessage(const QString& text) override { shown.push_back(text); }
    QStringList shown;
};

// Records the request; the caller returns at once after it, as it would
// never come back from the real one.
class FakeEnder : public ProgramEnder {
public:
    void endProgram() override { ++endCount; }
    int endCount = 0;
};

// A clock that moves only when told, or when a wait runs on FakeEventPump.
class FakeClock : public MillisecondClock {
public:
    std::int64_t nowMs() const override { return now; }
    void advance(std::int64_t ms) { now += ms; }
    std::int64_t now = 1000;
};

// Numbers from a script; when it runs dry, a fixed repeating sequence.
class FakeRandom : public RandomSource {
public:
    void reseedFromClock() override { ++reseeds; }
    float nextUniform() override;
    void script(std::vector<float> values) { queue.assign(values.begin(), values.end()); }
    std::deque<float> queue;
    int reseeds = 0;
    std::uint32_t fallbackState = 12345;
};

class FakeScreen : public ScreenMetrics {
public:
    float widthTwips() const override { return widthPixels * 15.f; }
    float twipsPerPixelX() const override { return 15.f; }
    float twipsPerPixelY() const override { return 15.f; }
    int widthPixels = 1024;
};

// Waits run instantly: each wait handles the pending Qt events, then moves
// the fake clock to the wait's deadline, or to the time of the first
// scheduled action before it, which then runs inside the wait.
//
// A wait whose end test never passes would spin here for good, since the
// fake clock stands still once it has reached the deadline. The pump notices
// a wait asked again and again for a time that has already come, with no
// scheduled action due, fails the test with the wait's deadline and the
// clock's time, and from then on moves the clock past each deadline so the
// test can run to its end. A wait that still does not end is stopped there.
class FakeEventPump : public EventPump {
public:
    // Calls in a row, for a time already come, that count as no progress;
    // a correct wait never asks for such a time at all.
    static constexpr int kStalledCallsReported = 1000;
    static constexpr int kStalledCallsAborted = 100000;

    explicit FakeEventPump(FakeClock& clock) : clock_(clock) {}
    void processPendingEvents() override;
    void waitForEventsUntil(std::int64_t deadlineMs) override;
    // Runs action inside the first wait that reaches clock time atMs.
    void at(std::int64_t atMs, std::function<void()> action);
    std::vector<std::int64_t> waitDeadlines;  // every waitForEventsUntil call
    int passes = 0;                           // every processPendingEvents call
    int depth = 0;    // waitForEventsUntil calls in progress, one inside another
    int deepest = 0;  // the most that were ever in progress at once

private:
    void runFirstDue(std::int64_t deadlineMs);

    struct Scheduled {
        std::int64_t atMs;
        std::function<void()> action;
    };
    void noteNoProgress(std::int64_t deadlineMs);

    FakeClock& clock_;
    std::vector<Scheduled> scheduled_;
    int stalledCalls_ = 0;        // calls in a row that made no progress
    std::size_t stallStart_ = 0;  // the index in waitDeadlines of the first of them
    bool stallReported_ = false;
};

// Records every draw; paints a plain face so pixel checks can find it: a
// white card with a border whose colour encodes the card id (red = id * 4).
class FakeCards : public CardLibrary {
public:
    std::int32_t cdtInit(std::int32_t& width, std::int32_t& height) override;
    std::int32_t cdtDraw(QPainter& painter, std::int32_t x, std::int32_t y, std::int32_t cardId,
                         std::int32_t mode, std::uint32_t colour) override;
    struct Draw {
        std::int32_t x, y, cardId, mode;
        std::uint32_t colour;
    };
    std::vector<Draw> draws;
    std::int32_t width = 71;
    std::int32_t height = 96;
};

// All fakes together, and the Services bundle that points at them.
struct FakeServices {
    FakeServices();
    FakeSound sound;
    FakeUrlOpener urls;
    FakeMessages messages;
    FakeEnder ender;
    FakeClock clock;
    FakeRandom random;
    FakeScreen screen;
    FakeEventPump events{clock};
    FakeCards cards;
    Services services;
};

}  // namespace tutor::testing
