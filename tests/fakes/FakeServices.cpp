#include "fakes/FakeServices.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QPainter>

#include <gtest/gtest.h>

namespace tutor::testing {

float FakeRandom::nextUniform() {
    if (!queue.empty()) {
        float v = queue.front();
        queue.pop_front();
        return v;
    }
    fallbackState = fallbackState * 1664525u + 1013904223u;
    return static_cast<float>(fallbackState >> 8) / 16777216.0f;
}

void FakeEventPump::processPendingEvents() {
    ++passes;
    QCoreApplication::processEvents();
}

void FakeEventPump::waitForEventsUntil(std::int64_t deadlineMs) {
    waitDeadlines.push_back(deadlineMs);
    deepest = std::max(deepest, ++depth);
    runFirstDue(deadlineMs);
    --depth;
}

void FakeEventPump::runFirstDue(std::int64_t deadlineMs) {
    QCoreApplication::processEvents();
    auto first = std::min_element(scheduled_.begin(), scheduled_.end(),
                                  [](const Scheduled& a, const Scheduled& b) { return a.atMs < b.atMs; });
    if (first != scheduled_.end() && first->atMs <= deadlineMs) {
        stalledCalls_ = 0;
        auto action = std::move(first->action);
        clock_.now = std::max(clock_.now, first->atMs);
        scheduled_.erase(first);
        action();
        return;
    }
    if (deadlineMs > clock_.now) {
        stalledCalls_ = 0;
        clock_.now = deadlineMs;
        return;
    }
    noteNoProgress(deadlineMs);
}

void FakeEventPump::noteNoProgress(std::int64_t deadlineMs) {
    if (stalledCalls_++ == 0) stallStart_ = waitDeadlines.size() - 1;
    if (stalledCalls_ == kStalledCallsReported && !stallReported_) {
        stallReported_ = true;
        ADD_FAILURE() << "A wait made no progress: it asked " << stalledCalls_
                      << " times in a row to wait until " << deadlineMs
                      << " ms on the fake clock, which already reads " << clock_.now
                      << " ms, with no scheduled action due (the wait began as wait #"
                      << stallStart_ + 1 << " of this pump). Its end test never lets it return.";
    }
    if (stalledCalls_ >= kStalledCallsAborted) {
        std::fprintf(stderr,
                     "A wait made no progress in %d calls in a row, even with the fake clock moved "
                     "past its deadline of %lld ms (now %lld ms): stopping the test program.\n",
                     stalledCalls_, static_cast<long long>(deadlineMs),
                     static_cast<long long>(clock_.now));
        std::fflush(stderr);
        std::abort();
    }
    // Once reported, time moves on past each deadline, so a wait that ends
    // one tick late still ends and the test finishes with its own results.
    if (stallReported_) clock_.now = std::max(clock_.now, deadlineMs) + 1;
}

void FakeEventPump::at(std::int64_t atMs, std::function<void()> action) {
    scheduled_.push_back({atMs, std::move(action)});
}

std::int32_t FakeCards::cdtInit(std::int32_t& w, std::int32_t& h) {
    w = width;
    h = height;
    return 1;
}

std::int32_t FakeCards::cdtDraw(QPainter& painter, std::int32_t x, std::int32_t y,
                                std::int32_t cardId, std::int32_t mode, std::uint32_t colour) {
    draws.push_back({x, y, cardId, mode, colour});
    painter.fillRect(x, y, width, height, QColor(std::clamp(cardId, 0, 63) * 4, 0, 0));
    painter.fillRect(x + 2, y + 2, width - 4, height - 4, Qt::white);
    return 1;
}

FakeServices::FakeServices()
    : services{sound, urls, messages, ender, clock, random, screen, events, cards,
               QStringLiteral(TUTOR_BIN_DIR)} {}

}  // namespace tutor::testing
