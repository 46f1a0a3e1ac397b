#include "platform/RealServices.h"

#include <QCoreApplication>

#include "platform/RealSeams.h"

namespace tutor {

struct RealServices::Impl {
    QtSoundPlayer sound;
    DesktopUrlOpener urls;
    BoxMessages messages;
    ImmediateEnder ender;
    ElapsedClock clock;
    MixedRandom random;
    PrimaryScreenMetrics screen;
    QtEventPump events{clock};
    RenderedCards cards;
};

RealServices::RealServices() : impl_(std::make_unique<Impl>()) {
    services_.reset(new Services{impl_->sound, impl_->urls, impl_->messages, impl_->ender,
                                 impl_->clock, impl_->random, impl_->screen, impl_->events,
                                 impl_->cards, QCoreApplication::applicationDirPath()});
}

RealServices::~RealServices() = default;

}  // namespace tutor
