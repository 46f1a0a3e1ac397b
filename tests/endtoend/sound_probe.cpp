// Plays wave files through the program's own QtSoundPlayer, one after the
// other, and keeps the event loop running until the last has had time to end:
//   sound_probe <file> [<milliseconds> <file>]...
// Each number is the wait before the file after it. The end-to-end sound
// test runs it against its own audio server and listens on the server.
#include <cstdio>

#include <QCoreApplication>
#include <QTimer>

#include "platform/RealSeams.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2 || argc % 2 != 0) {
        std::fprintf(stderr, "usage: sound_probe <file> [<milliseconds> <file>]...\n");
        return 2;
    }
    tutor::QtSoundPlayer player;
    int at = 0;
    for (int i = 1; i < argc; i += 2) {
        if (i > 1) at += QString(argv[i - 1]).toInt();
        const QString file = QString::fromLocal8Bit(argv[i]);
        QTimer::singleShot(at, &app, [&player, file] { player.playAsync(file); });
    }
    // Long enough for the longest answer sound to play to its end.
    QTimer::singleShot(at + 800, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
