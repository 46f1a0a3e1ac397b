// The only part of the tutor that needs Qt Multimedia and the audio client,
// built as a module of its own (libquillet_sound.so beside the program):
// QtSoundPlayer loads it when the first sound is played, so the program
// does not load those libraries before its window first shows.
#include "platform/SoundModule.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <QSoundEffect>
#include <QUrl>

namespace tutor {
namespace {

// Ready or Error; Null too, which play() leaves after an error.
bool settled(const QSoundEffect& effect) { return effect.status() != QSoundEffect::Loading; }

// Plays a sound file that QtSoundPlayer has found playable; an empty path
// only ends the sound still playing.
class EffectPlayer : public ModuleSoundPlayer {
public:
    void playAsync(const QString& wavPath) override {
        // A fresh effect for every sound: dropping the old one ends its stream
        // on the audio server at once. A stopped and restarted effect leaves the
        // server playing out what it had buffered (about a whole answer sound),
        // and on PulseAudio each repeat starts later until one is lost.
        retire(std::move(effect_));
        if (wavPath.isEmpty()) return;
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl::fromLocalFile(wavPath));
        // While the file still loads, QSoundEffect plays it once it is ready;
        // one it cannot decode ends in its Error state, silent.
        effect_->play();
    }

    bool loading() const override {
        const auto inFlight = [](const auto& e) { return e && !settled(*e); };
        return inFlight(effect_) || std::any_of(retired_.begin(), retired_.end(), inFlight);
    }

private:
    // An effect whose file has loaded goes at once. One still loading is
    // silenced and kept until its load has ended: Qt lets go of a sample only
    // once it has loaded, so an effect dropped in the middle of the load
    // would leave that load with nobody to finish for.
    void retire(std::unique_ptr<QSoundEffect> effect) {
        retired_.erase(std::remove_if(retired_.begin(), retired_.end(),
                                      [](const auto& e) { return settled(*e); }),
                       retired_.end());
        if (!effect || settled(*effect)) return;
        effect->stop();
        retired_.push_back(std::move(effect));
    }

    std::unique_ptr<QSoundEffect> effect_;
    std::vector<std::unique_ptr<QSoundEffect>> retired_;
};

}  // namespace
}  // namespace tutor

extern "C" Q_DECL_EXPORT tutor::ModuleSoundPlayer* quilletMakeSoundPlayer() {
    return new tutor::EffectPlayer;
}
