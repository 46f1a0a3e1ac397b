#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include "bench/common/Measure.h"

// Reports the first time a widget has been painted: when its first paint
// event has been handled and the window flushed, the probe prints
// "PAINT <CLOCK_MONOTONIC nanoseconds> <device-pixel ratio>" on stdout,
// lingers a little so that what runs right after the first paint counts
// towards its peak memory, and ends.
class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget* watched, int lingerMs) : watched_(watched), lingerMs_(lingerMs) {
        watched->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The paint runs after this filter; a zero timer fires once the
            // whole update, flush included, is done.
            QTimer::singleShot(0, [this] {
                std::printf("PAINT %lld %g\n", static_cast<long long>(bench::monotonicNs()),
                            watched_->devicePixelRatioF());
                std::fflush(stdout);
                QTimer::singleShot(lingerMs_, [] { _exit(0); });
            });
        }
        return false;
    }

  private:
    QWidget* watched_;
    int lingerMs_;
    bool seen_ = false;
};

inline int lingerFromArgs(int argc, char** argv) {
    return argc > 1 ? std::atoi(argv[1]) : 300;
}
