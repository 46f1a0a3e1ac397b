// The only part of the tutor that needs Qt Multimedia and the audio client,
// built as a module of its own (libquillet_sound.so beside the program):
// QtSoundPlayer loads it when the first sound is played, so the program
// does not load those libraries before its window first shows.
#include <memory>

#include <QSoundEffect>
#include <QUrl>

#include "platform/Services.h"

namespace tutor {
namespace {

// Plays a sound file that QtSoundPlayer has found playable; an empty path
// only ends the sound still playing.
class EffectPlayer : public SoundPlayer {
public:
    void playAsync(const QString& wavPath) override {
        // A fresh effect for every sound: dropping the old one ends its stream
        // on the audio server at once. A stopped and restarted effect leaves the
        // server playing out what it had buffered (about a whole answer sound),
        // and on PulseAudio each repeat starts later until one is lost.
        effect_.reset();
        if (wavPath.isEmpty()) return;
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl::fromLocalFile(wavPath));
        // While the file still loads, QSoundEffect plays it once it is ready;
        // one it cannot decode ends in its Error state, silent.
        effect_->play();
    }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace
}  // namespace tutor

extern "C" Q_DECL_EXPORT tutor::SoundPlayer* quilletMakeSoundPlayer() {
    return new tutor::EffectPlayer;
}
