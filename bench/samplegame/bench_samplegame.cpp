// Processor time and memory while the sample game plays its animations on
// the real platform (offscreen unless a display is chosen).
//   bench_samplegame [--seconds N] [--shots DIR]
// With --shots, one game is played and the panel is saved as PNG after the
// steps that change the table most.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>

#include <QApplication>
#include <QDir>
#include <QPushButton>

#include "bench/common/Measure.h"
#include "bench/common/Offscreen.h"
#include "platform/Fonts.h"
#include "platform/RealServices.h"
#include "samplegame/SampleGamePanel.h"

int main(int argc, char** argv) {
    double seconds = 15;
    QString shots;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--seconds") && i + 1 < argc) seconds = std::atof(argv[++i]);
        if (!std::strcmp(argv[i], "--shots") && i + 1 < argc) shots = argv[++i];
    }
    bench::offscreenUnlessDisplay();
    QApplication app(argc, argv);
    tutor::installFontSubstitutions();
    tutor::RealServices real;

    const long rssStart = bench::residentKb();
    double wall0 = bench::wallSeconds(), cpu0 = bench::cpuSeconds();
    tutor::SampleGamePanel panel(real.services());
    panel.show();
    QApplication::processEvents();
    std::printf("panel built and shown: %.1f ms wall, %.1f ms cpu\n",
                (bench::wallSeconds() - wall0) * 1e3, (bench::cpuSeconds() - cpu0) * 1e3);
    auto* next = panel.findChild<QPushButton*>("cmdNext");

    if (!shots.isEmpty()) {
        QDir().mkpath(shots);
        const std::set<int> wanted = {3, 11, 21, 27, 32, 34};
        panel.setDemoStep(0);
        panel.resetDemo();
        while (panel.demoStep() < 34) {
            next->click();
            QApplication::processEvents();
            if (wanted.count(panel.demoStep()))
                panel.grab().save(QStringLiteral("%1/step%2.png")
                                      .arg(shots)
                                      .arg(panel.demoStep(), 2, 10, QLatin1Char('0')));
        }
        std::printf("shots in %s\n", qPrintable(shots));
        return 0;
    }

    const long rssBefore = bench::residentKb();
    panel.setDemoStep(0);
    panel.resetDemo();
    wall0 = bench::wallSeconds();
    cpu0 = bench::cpuSeconds();
    int clicks = 0, games = 0;
    double slideWorst = 0;
    while (bench::wallSeconds() - wall0 < seconds) {
        const int step = panel.demoStep();
        const double w0 = bench::wallSeconds();
        next->click();
        ++clicks;
        if (step == 2) slideWorst = std::max(slideWorst, bench::wallSeconds() - w0 - 2.6);
        if (step == 34) ++games;
    }
    const double wall = bench::wallSeconds() - wall0, cpu = bench::cpuSeconds() - cpu0;
    std::printf("played %.1f s: %d clicks, %d full games\n", wall, clicks, games);
    std::printf("cpu %.2f s = %.1f %% of one core\n", cpu, 100.0 * cpu / wall);
    std::printf("deal beyond its 2600 ms of waits (slide and paints), worst: %.1f ms\n",
                slideWorst * 1e3);
    std::printf("RSS: start %ld kB, panel shown %ld kB, after play %ld kB, peak %ld kB\n", rssStart,
                rssBefore, bench::residentKb(), bench::peakResidentKb());
    return 0;
}
