#include "platform/ShortDelay.h"

namespace tutor {

void shortDelay(const std::int32_t& delayTime, const MillisecondClock& clock, EventPump& events,
                const bool* stopFlag) {
    const std::int64_t start = clock.nowMs();
    auto running = [&] {
        if (stopFlag && *stopFlag) return false;
        return start + static_cast<std::int64_t>(delayTime) > clock.nowMs();
    };
    while (running()) {
        events.waitForEventsUntil(start + static_cast<std::int64_t>(delayTime));
    }
}

}  // namespace tutor
