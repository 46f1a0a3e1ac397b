// Processor time and memory of a promotion window over its endless
// animation, on the real platform (offscreen unless a display is chosen).
//   bench_promotion [--seconds N] [--twin] [--shots DIR]
// The window is closed after N seconds (60 by default); with --shots it is
// also saved as PNG while the pairs are out and while the board is fanned.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTimer>

#include "bench/common/Measure.h"
#include "bench/common/Offscreen.h"
#include "platform/Fonts.h"
#include "platform/RealServices.h"
#include "promotion/FrmPromo.h"
#include "promotion/FrmPromoTwin.h"

namespace {

// Keeps the process alive when the window ends the program, so the figures
// can be printed afterwards.
class RecordingEnder : public tutor::ProgramEnder {
  public:
    void endProgram() override { ++count; }
    int count = 0;
};

}  // namespace

int main(int argc, char** argv) {
    double seconds = 60;
    bool twin = false;
    QString shots;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc) seconds = std::atof(argv[++i]);
        if (!std::strcmp(argv[i], "--twin")) twin = true;
        if (!std::strcmp(argv[i], "--shots") && i + 1 < argc) shots = argv[++i];
    }
    bench::offscreenUnlessDisplay();
    QApplication app(argc, argv);
    tutor::installFontSubstitutions();
    tutor::RealServices real;
    tutor::Services& r = real.services();
    RecordingEnder ender;
    tutor::Services services{r.sound,  r.urls,   r.messages, ender,   r.clock,
                             r.random, r.screen, r.events,   r.cards, r.programFolder};

    const long rssStart = bench::residentKb();
    double wall0 = bench::wallSeconds(), cpu0 = bench::cpuSeconds();
    int unloads = 0;
    auto unload = [&unloads] { ++unloads; };
    std::unique_ptr<tutor::PromoWindow> window;
    if (twin)
        window = std::make_unique<tutor::FrmPromoTwin>(services, unload);
    else
        window = std::make_unique<tutor::FrmPromo>(services, unload);
    std::printf("%s built: %.1f ms wall, %.1f ms cpu\n", qPrintable(window->objectName()),
                (bench::wallSeconds() - wall0) * 1e3, (bench::cpuSeconds() - cpu0) * 1e3);

    // Everything below runs inside the animation's own waits.
    auto* firstPair = window->findChild<QLabel*>("Picture2_0");
    std::vector<double> cycleStarts;
    std::vector<long> rssSamples;
    bool pairShown = false;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const bool shown = firstPair->isVisible();
        if (shown && !pairShown) {
            cycleStarts.push_back(bench::wallSeconds());
            rssSamples.push_back(bench::residentKb());
        }
        pairShown = shown;
    });
    watch.start(100);
    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        const QString name = window->objectName();
        for (int ms : {2300, 4500})
            QTimer::singleShot(ms, window.get(), [&, ms, name] {
                window->grab().save(QStringLiteral("%1/%2-%3ms.png").arg(shots, name).arg(ms));
            });
    }
    double wall = 0, cpu = 0;
    long rssEnd = 0;
    QTimer::singleShot(static_cast<int>(seconds * 1000), window.get(), [&] {
        wall = bench::wallSeconds() - wall0;
        cpu = bench::cpuSeconds() - cpu0;
        rssEnd = bench::residentKb();
        window->close();
    });
    wall0 = bench::wallSeconds();
    cpu0 = bench::cpuSeconds();
    window->Form_Load();
    watch.stop();

    std::printf("animated %.1f s, closed: isEnd %d, main window unloaded %d, program ended %d\n",
                wall, window->isEnd() ? 1 : 0, unloads, ender.count);
    std::printf("cpu %.2f s = %.2f %% of one core\n", cpu, 100.0 * cpu / wall);
    std::printf("cycles started: %zu", cycleStarts.size());
    if (cycleStarts.size() >= 2) {
        double longest = 0, sum = 0;
        for (std::size_t i = 1; i < cycleStarts.size(); ++i) {
            const double d = cycleStarts[i] - cycleStarts[i - 1];
            longest = std::max(longest, d);
            sum += d;
        }
        const double mean = sum / static_cast<double>(cycleStarts.size() - 1);
        std::printf(
            "; cycle mean %.1f ms, longest %.1f ms (waits alone: 8475 ms; seen every 100 ms)",
            mean * 1e3, longest * 1e3);
    }
    std::printf("\n");
    std::printf("RSS: start %ld kB, end %ld kB, peak %ld kB\n", rssStart, rssEnd,
                bench::peakResidentKb());
    if (!rssSamples.empty()) {
        std::printf("RSS at each cycle's first pair:");
        for (long kb : rssSamples) std::printf(" %ld", kb);
        std::printf(" kB\n");
    }
    return 0;
}
