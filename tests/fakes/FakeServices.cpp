#include "fakes/FakeServices.h"

#include <algorithm>

#include <QCoreApplication>
#include <QPainter>

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
        auto action = std::move(first->action);
        clock_.now = std::max(clock_.now, first->atMs);
        scheduled_.erase(first);
        action();
        return;
    }
    clock_.now = std::max(clock_.now, deadlineMs);
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
