#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include <QElapsedTimer>
#include <QString>

#include "platform/Services.h"
#include "platform/SoundModule.h"

namespace tutor {

// The real platform seams, one class each; RealServices bundles them.

// Plays through the sound module beside the program (platform/SoundModule.cpp),
// loaded on the first playable sound: a new sound cuts off the one still
// playing; a missing, unplayable or cut-short file, or a missing module,
// stays silent.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void playAsync(const QString& wavPath) override;
    // True while a sound file it was given still loads in the background.
    bool loading() const;

private:
    bool moduleTried_ = false;
    std::unique_ptr<ModuleSoundPlayer> player_;
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool openUrl(const QString& address) override;
};

// A modal box with OK only, titled with the application's name.
class BoxMessages : public MessageBoxes {
public:
    void showMessage(const QString& text) override;
};

// Flushes what was written and ends the process with status 0 at once: no
// event handler, destructor or exit handler runs after it. The sanitizer
// build checks for leaks first, and on a leak ends with the check's status.
class ImmediateEnder : public ProgramEnder {
public:
    [[noreturn]] void endProgram() override;
};

class ElapsedClock : public MillisecondClock {
public:
    ElapsedClock();
    std::int64_t nowMs() const override;

private:
    QElapsedTimer timer_;
};

// A Mersenne twister; a reseed mixes the clock's nanoseconds into the state
// it already has, so reseeds within one tick still give fresh sequences.
class MixedRandom : public RandomSource {
public:
    MixedRandom();
    void reseedFromClock() override;
    float nextUniform() override;

private:
    std::mt19937 gen_;
};

// The primary screen: its width in twips and twips per pixel from its
// logical DPI (1440 twips to the inch, so 15 at 96 dpi).
class PrimaryScreenMetrics : public ScreenMetrics {
public:
    float widthTwips() const override;
    float twipsPerPixelX() const override;
    float twipsPerPixelY() const override;
};

// Blocks in the event loop until the next event or the deadline; the
// deadline wakes it through a precise single-shot timer, so a wait costs
// next to no processor time.
class QtEventPump : public EventPump {
public:
    explicit QtEventPump(const MillisecondClock& clock) : clock_(clock) {}
    void processPendingEvents() override;
    void waitForEventsUntil(std::int64_t deadlineMs) override;

private:
    const MillisecondClock& clock_;
};

// cdtInit and cdtDraw over CardRenderer.
class RenderedCards : public CardLibrary {
public:
    std::int32_t cdtInit(std::int32_t& width, std::int32_t& height) override;
    std::int32_t cdtDraw(QPainter& painter, std::int32_t x, std::int32_t y, std::int32_t cardId,
                         std::int32_t mode, std::uint32_t colour) override;
};

}  // namespace tutor
