#include <functional>
#include <string>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/WaveFile.h"

namespace tutor {
namespace {

QByteArray shippedYes() {
    QFile file(QStringLiteral(TUTOR_DATA_DIR "/wavs/yes.wav"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

struct WaveCase {
    const char* name;
    std::function<QByteArray(const QByteArray& whole)> bytes;
    bool complete;
};

// A wave cut short anywhere, header or sound data, is refused: Qt's loader
// would wait for its missing bytes and block the next sound.
TEST(IsCompleteWave, TakesWholeWavesOnly) {
    const QByteArray whole = shippedYes();
    ASSERT_GT(whole.size(), 2000);
    const WaveCase cases[] = {
        {"shipped yes.wav", [](const QByteArray& w) { return w; }, true},
        {"cut inside RIFF", [](const QByteArray& w) { return w.left(8); }, false},
        {"cut inside fmt", [](const QByteArray& w) { return w.left(30); }, false},
        {"header without data", [](const QByteArray& w) { return w.left(44); }, false},
        {"cut inside data", [](const QByteArray& w) { return w.left(2000); }, false},
        {"last byte missing", [](const QByteArray& w) { return w.left(w.size() - 1); }, false},
        {"data before fmt",
         [](const QByteArray& w) { return w.left(12) + w.mid(36) + w.mid(12, 24); }, false},
        {"text", [](const QByteArray&) { return QByteArray("RIFF and more, but no wave\n"); }, false},
        {"empty", [](const QByteArray&) { return QByteArray(); }, false},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const WaveCase& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name) + ".wav");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes(whole));
        file.close();
        EXPECT_EQ(isCompleteWave(path), c.complete) << c.name;
    }
    EXPECT_FALSE(isCompleteWave(dir.filePath("missing.wav")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.wav"));
    EXPECT_FALSE(isCompleteWave(dir.filePath("folder.wav")));
}

}  // namespace
}  // namespace tutor
