#pragma once

#include <cstdint>

#include "platform/Services.h"

namespace tutor {

// Waits delayTime milliseconds while every window event keeps being handled,
// so a click, a paint, a timer tick or a close request can run to its end
// inside the wait. delayTime is read afresh at every test; 0 or less returns
// at once without handling any event. With stopFlag, the wait also ends as
// soon as the flag is true. The end is computed in 64 bits and never wraps.
void shortDelay(const std::int32_t& delayTime, const MillisecondClock& clock, EventPump& events,
                const bool* stopFlag = nullptr);

inline void shortDelay(const std::int32_t& delayTime, Services& services,
                       const bool* stopFlag = nullptr) {
    shortDelay(delayTime, services.clock, services.events, stopFlag);
}

}  // namespace tutor
