#include "platform/RealServices.h"

#include <cstdio>
#include <cstdlib>
#include <random>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace tutor {

namespace {

// Placeholder seams until the platform layer lands.
class NullSound : public SoundPlayer {
public:
    void playAsync(const QString&) override {}
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool openUrl(const QString& address) override {
        return QDesktopServices::openUrl(QUrl(address));
    }
};

class BoxMessages : public MessageBoxes {
public:
    void showMessage(const QString& text) override {
        QMessageBox::information(nullptr, QCoreApplication::applicationName(), text);
    }
};

class ImmediateEnder : public ProgramEnder {
public:
    void endProgram() override {
        std::fflush(nullptr);
        std::_Exit(0);
    }
};

class ElapsedClock : public MillisecondClock {
public:
    ElapsedClock() { timer_.start(); }
    std::int64_t nowMs() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

class MixedRandom : public RandomSource {
public:
    void reseedFromClock() override {}
    float nextUniform() override { return std::uniform_real_distribution<float>(0.f, 1.f)(gen_); }

private:
    std::mt19937 gen_{std::random_device{}()};
};

class PrimaryScreen : public ScreenMetrics {
public:
    float widthTwips() const override {
        auto* s = QGuiApplication::primaryScreen();
        return s ? static_cast<float>(s->geometry().width()) * 15.f : 12000.f;
    }
    float twipsPerPixelX() const override { return 15.f; }
    float twipsPerPixelY() const override { return 15.f; }
};

class QtEventPump : public EventPump {
public:
    void processPendingEvents() override { QCoreApplication::processEvents(); }
    void waitForEventsUntil(std::int64_t) override { QCoreApplication::processEvents(); }
};

class BlankCards : public CardLibrary {
public:
    std::int32_t cdtInit(std::int32_t& width, std::int32_t& height) override {
        width = 71;
        height = 96;
        return 1;
    }
    std::int32_t cdtDraw(QPainter&, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                         std::uint32_t) override {
        return 1;
    }
};

}  // namespace

struct RealServices::Impl {
    NullSound sound;
    DesktopUrlOpener urls;
    BoxMessages messages;
    ImmediateEnder ender;
    ElapsedClock clock;
    MixedRandom random;
    PrimaryScreen screen;
    QtEventPump events;
    BlankCards cards;
};

RealServices::RealServices() : impl_(std::make_unique<Impl>()) {
    services_.reset(new Services{impl_->sound, impl_->urls, impl_->messages, impl_->ender,
                                 impl_->clock, impl_->random, impl_->screen, impl_->events,
                                 impl_->cards, QCoreApplication::applicationDirPath()});
}

RealServices::~RealServices() = default;

}  // namespace tutor
