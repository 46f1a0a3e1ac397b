// The only part of the tutor that needs Qt Multimedia and the audio client,
// built as a module of its own (libquillet_sound.so beside the program):
// QtSoundPlayer loads it when the first sound is played, so the program
// does not load those libraries before its window first shows.
#include <memory>

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include "platform/Services.h"

namespace tutor {
namespace {

// One QSoundEffect: a new sound cuts off the one still playing; a missing
// or unplayable file stays silent.
class EffectPlayer : public SoundPlayer {
public:
    void playAsync(const QString& wavPath) override {
        if (effect_) effect_->stop();
        QString path = wavPath;
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QFileInfo file(path);
        if (!file.isFile()) return;
        if (!effect_) effect_ = std::make_unique<QSoundEffect>();
        const QUrl source = QUrl::fromLocalFile(file.absoluteFilePath());
        if (effect_->source() != source) effect_->setSource(source);
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
