#pragma once

#include <QtGlobal>

namespace bench {

// Benchmarks run offscreen unless a platform or a display is chosen; call
// before the application object is made.
inline void offscreenUnlessDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace bench
