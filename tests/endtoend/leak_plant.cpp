// Preloaded into the program by the leak test (leak_check.py). It drops
// blocks of its own, each allocated in a function with a name that the test
// looks for in LeakSanitizer's report: one as it loads, before main, and two
// once the program runs its event loop, where the program's own code runs.
// Those two are made in handlers that Qt calls, one from QtCore (a queued
// call) and one from QtWidgets (an event delivered to an object), so that a
// suppression as broad as either library hides them, as it would hide a leak
// of the program's.
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>

namespace {

// Inlined, so that the block is allocated in the named function that calls
// it. volatile: the compiler may neither drop the allocation nor keep the
// pointer anywhere but here; it is forgotten when the function returns.
__attribute__((always_inline)) inline void leakABlock() {
    void* volatile block = std::malloc(4242);
    std::memset(block, 0x5a, 4242);
}

// Overwrites the stack below the caller, so that no stale copy of a
// pointer lingers there for the leak check to find.
__attribute__((noinline)) void scrubStack() {
    volatile char area[16384];
    for (std::size_t i = 0; i < sizeof area; ++i) area[i] = 0;
}

}  // namespace

extern "C" __attribute__((noinline)) void quilletPlantedLeak() {
    leakABlock();
}

extern "C" __attribute__((noinline)) void quilletPlantedSlotLeak() {
    leakABlock();
}

extern "C" __attribute__((noinline)) void quilletPlantedEventLeak() {
    leakABlock();
}

namespace {

// Takes the event that QApplication delivers to it.
class EventLeaker : public QObject {
  public:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        quilletPlantedEventLeak();
        scrubStack();
        return true;
    }
};

// Runs as the application object is made; what it posts is handled once
// the program handles its events.
void plantInTheEventLoop() {
    static EventLeaker* leaker = new EventLeaker;
    QCoreApplication::postEvent(leaker, new QEvent(QEvent::User));
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [] {
            quilletPlantedSlotLeak();
            scrubStack();
        },
        Qt::QueuedConnection);
}

__attribute__((constructor)) void plant() {
    quilletPlantedLeak();
    scrubStack();
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(plantInTheEventLoop)
