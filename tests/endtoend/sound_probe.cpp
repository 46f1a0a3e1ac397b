// Plays wave files through the program's own QtSoundPlayer as a test asks
// for them: each line on stdin is a file to play at once, and for each the
// probe writes "played <n> <seconds>" on stdout, the seconds read from the
// monotonic clock just before the call. At the end of stdin it waits until
// every file has loaded (or failed to), then ends at once, as the program
// does (in the sanitizer build after the same leak check):
//   sound_probe < files
// The end-to-end sound test runs it against its own audio server, listens
// on the server, and holds each sound against its own play call.
#include <chrono>
#include <cstdio>
#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include "platform/RealSeams.h"

namespace {

double monotonicSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 1) {
        std::fprintf(stderr, "usage: sound_probe < files (one path a line)\n");
        return 2;
    }
    tutor::QtSoundPlayer player;
    int played = 0;
    QByteArray pending;
    QSocketNotifier notifier(STDIN_FILENO, QSocketNotifier::Read);
    QTimer settled;
    settled.setInterval(10);
    QObject::connect(&settled, &QTimer::timeout, &app, [&player] {
        if (!player.loading()) QCoreApplication::quit();
    });
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char chunk[4096];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            notifier.setEnabled(false);
            settled.start();
            return;
        }
        pending.append(chunk, static_cast<int>(got));
        for (int end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1)) {
            const QString file = QString::fromLocal8Bit(pending.left(end));
            const double at = monotonicSeconds();
            player.playAsync(file);
            std::printf("played %d %.6f\n", ++played, at);
            std::fflush(stdout);
        }
    });
    QCoreApplication::exec();
    // Not through the destructors: Qt Multimedia's PulseAudio engine, torn
    // down at a normal exit, can trip libpulse's own assertion
    // ("m->io_events_please_scan == 0") and abort the probe.
    tutor::ImmediateEnder().endProgram();
}
