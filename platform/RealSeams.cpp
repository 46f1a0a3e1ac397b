#include "platform/RealSeams.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QPainter>
#include <QRectF>
#include <QScreen>
#include <QTimer>
#include <QTransform>
#include <QUrl>

#include "platform/CardRenderer.h"
#include "platform/WaveFile.h"

#ifdef TUTOR_SANITIZE
#include <sanitizer/lsan_interface.h>
#endif

namespace tutor {

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::playAsync(const QString& wavPath) {
    QString path = wavPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo file(path);
    const bool playable = file.isFile() && isCompleteWave(file.absoluteFilePath());
    if (playable && !moduleTried_) {
        // Until the first playable sound the module is not needed.
        moduleTried_ = true;
        // Never unloaded: the module's effect lives as long as this player.
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/quillet_sound"));
        if (auto make = reinterpret_cast<MakeModuleSoundPlayer>(module.resolve(kMakeModuleSoundPlayer)))
            player_.reset(make());
    }
    // An empty path ends the sound still playing and plays nothing, so a
    // sound that cannot be played still cuts off the last one.
    if (player_) player_->playAsync(playable ? file.absoluteFilePath() : QString());
}

bool QtSoundPlayer::loading() const { return player_ && player_->loading(); }

bool DesktopUrlOpener::openUrl(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

void BoxMessages::showMessage(const QString& text) {
    QString title = QCoreApplication::applicationName();
    if (title.isEmpty()) title = QStringLiteral("Quillet");
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

void ImmediateEnder::endProgram() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
#ifdef TUTOR_SANITIZE
    // std::_Exit skips LeakSanitizer's check at exit, so the sanitizer build
    // runs it here; on a leak it reports and ends with its own status.
    __lsan_do_leak_check();
#endif
    std::_Exit(0);
}

ElapsedClock::ElapsedClock() { timer_.start(); }

std::int64_t ElapsedClock::nowMs() const { return timer_.elapsed(); }

MixedRandom::MixedRandom() { reseedFromClock(); }

void MixedRandom::reseedFromClock() {
    const auto ns = static_cast<std::uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    const auto wall = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count());
    // The generator's own next outputs go into the seed, so two reseeds at
    // the same clock reading still lead to different states.
    std::uint32_t mix[8] = {static_cast<std::uint32_t>(ns),   static_cast<std::uint32_t>(ns >> 32),
                            static_cast<std::uint32_t>(wall), static_cast<std::uint32_t>(wall >> 32)};
    for (int i = 4; i < 8; ++i) mix[i] = static_cast<std::uint32_t>(gen_());
    std::seed_seq seq(std::begin(mix), std::end(mix));
    gen_.seed(seq);
}

float MixedRandom::nextUniform() {
    // 24 random bits scaled by 2^-24: every float in [0, 1) on a grid of
    // 2^-24, and never 1.0 (a float distribution can round up to it).
    return static_cast<float>(gen_() >> 8) * (1.0f / 16777216.0f);
}

namespace {
QScreen* primary() { return QGuiApplication::primaryScreen(); }

float twipsPerPixelFor(qreal dpi) {
    if (!(dpi > 0)) return 15.f;
    return static_cast<float>(1440.0 / dpi);
}
}  // namespace

float PrimaryScreenMetrics::widthTwips() const {
    QScreen* s = primary();
    const float pixels = s ? static_cast<float>(s->geometry().width()) : 1024.f;
    return pixels * twipsPerPixelX();
}

float PrimaryScreenMetrics::twipsPerPixelX() const {
    QScreen* s = primary();
    return s ? twipsPerPixelFor(s->logicalDotsPerInchX()) : 15.f;
}

float PrimaryScreenMetrics::twipsPerPixelY() const {
    QScreen* s = primary();
    return s ? twipsPerPixelFor(s->logicalDotsPerInchY()) : 15.f;
}

void QtEventPump::processPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEventPump::waitForEventsUntil(std::int64_t deadlineMs) {
    const std::int64_t remaining = deadlineMs - clock_.nowMs();
    if (remaining <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // A timer of our own per call: a wait nested inside a handler arms and
    // drops its own and leaves the outer one's alone.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(static_cast<int>(remaining > INT_MAX ? INT_MAX : remaining));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

std::int32_t RenderedCards::cdtInit(std::int32_t& width, std::int32_t& height) {
    width = CardRenderer::kCardWidth;
    height = CardRenderer::kCardHeight;
    return 1;
}

// The raster engine hands the blend of a picture more than about 96 lines
// high to its thread pool; for one card the wake-ups cost some twenty times
// the blend itself, and a lesson deal paints dozens of cards. Drawn in
// clipped bands under that height, each blend stays on this thread, with the
// same pixels. Only under a plain scale, where a clip stays a rectangle.
std::int32_t RenderedCards::cdtDraw(QPainter& painter, std::int32_t x, std::int32_t y,
                                    std::int32_t cardId, std::int32_t mode, std::uint32_t) {
    constexpr int kBandLines = 64;
    const QRectF target(x, y, CardRenderer::kCardWidth, CardRenderer::kCardHeight);
    // The painter's own scale; the device's ratio comes on top (see CardRenderer::draw).
    const QTransform t = painter.worldTransform();
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const qreal deviceLines = target.height() * std::abs(t.m22()) * dpr;
    const int bands = t.type() <= QTransform::TxScale
                          ? std::max(1, static_cast<int>(std::ceil(deviceLines / kBandLines)))
                          : 1;
    if (bands == 1) return CardRenderer::draw(painter, target, cardId, mode == 1) ? 1 : 0;
    bool drawn = true;
    for (int band = 0; band < bands; ++band) {
        const int top = CardRenderer::kCardHeight * band / bands;
        const int bottom = CardRenderer::kCardHeight * (band + 1) / bands;
        painter.save();
        painter.setClipRect(QRect(x, y + top, CardRenderer::kCardWidth, bottom - top),
                            Qt::IntersectClip);
        drawn = CardRenderer::draw(painter, target, cardId, mode == 1);
        painter.restore();
    }
    return drawn ? 1 : 0;
}

}  // namespace tutor
