#pragma once

#include <cstdint>

#include <QString>

class QPainter;

namespace tutor {

// The platform seams. Each is one small interface with a real implementation
// (platform/Real*.h) and a recording fake (tests/fakes). main.cpp wires the
// real ones; the windows reach them only through Services.

// Plays a wave file asynchronously; a new sound cuts off one still playing;
// a missing or unplayable file stays silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playAsync(const QString& wavPath) = 0;
};

// Opens a web address in the user's default browser; false when it could not.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool openUrl(const QString& address) = 0;
};

// A modal message box with only an OK button and the program's default title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void showMessage(const QString& text) = 0;
};

// Ends the program at once: no further event handler runs.
class ProgramEnder {
public:
    virtual ~ProgramEnder() = default;
    virtual void endProgram() = 0;
};

// Milliseconds since some fixed start, never wrapping.
class MillisecondClock {
public:
    virtual ~MillisecondClock() = default;
    virtual std::int64_t nowMs() const = 0;
};

// Single-precision numbers uniform in [0, 1). reseedFromClock mixes the clock
// into the generator's state, so two reseeds within one tick still differ.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    virtual float nextUniform() = 0;
};

// The screen as the layout sees it, in twips.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual float widthTwips() const = 0;
    virtual float twipsPerPixelX() const = 0;
    virtual float twipsPerPixelY() const = 0;
};

// The window system's event handling, as the waits use it.
class EventPump {
public:
    virtual ~EventPump() = default;
    // One pass: every pending window event is handled before it returns.
    virtual void processPendingEvents() = 0;
    // Handles events, blocking until one arrives or the clock reaches
    // deadlineMs, whichever is first.
    virtual void waitForEventsUntil(std::int64_t deadlineMs) = 0;
};

// The card-image library: card faces by card id 0..51, 4 * (rank - 1) + suit
// (clubs, diamonds, hearts, spades).
class CardLibrary {
public:
    virtual ~CardLibrary() = default;
    // Fills the card width and height in pixels; the result is informational.
    virtual std::int32_t cdtInit(std::int32_t& width, std::int32_t& height) = 0;
    // Draws the face of cardId with its top-left corner at (x, y) pixels of
    // the painter's device. mode 0 is the face; colour is 0x00BBGGRR.
    virtual std::int32_t cdtDraw(QPainter& painter, std::int32_t x, std::int32_t y,
                                 std::int32_t cardId, std::int32_t mode, std::uint32_t colour) = 0;
};

// Everything a window needs from the platform, handed in at construction.
struct Services {
    SoundPlayer& sound;
    UrlOpener& urls;
    MessageBoxes& messages;
    ProgramEnder& ender;
    MillisecondClock& clock;
    RandomSource& random;
    ScreenMetrics& screen;
    EventPump& events;
    CardLibrary& cards;
    QString programFolder;  // the folder of the executable, without a trailing slash
};

}  // namespace tutor
