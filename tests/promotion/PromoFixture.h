#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include <QApplication>
#include <QLabel>

#include "fakes/FakeServices.h"
#include "promotion/FrmPromo.h"
#include "promotion/FrmPromoTwin.h"

namespace tutor::testing {

// What the animation has put on the table at one moment.
struct Scene {
    std::array<bool, PromoWindow::kDealtPairs> pairs{};
    bool jacks = false;
    std::array<bool, PromoWindow::kBoardCards> cards{};
    std::array<float, PromoWindow::kBoardCards> lefts{};

    bool operator==(const Scene& o) const {
        return pairs == o.pairs && jacks == o.jacks && cards == o.cards && lefts == o.lefts;
    }
    // How many pairs are out, when they are the first ones in dealing
    // order; -1 when the pairs shown are not such a run.
    int pairsDealt() const {
        int n = 0;
        while (n < static_cast<int>(pairs.size()) && pairs[n]) ++n;
        for (int i = n; i < static_cast<int>(pairs.size()); ++i)
            if (pairs[i]) return -1;
        return n;
    }
    int cardsShown() const {
        int n = 0;
        for (bool c : cards) n += c ? 1 : 0;
        return n;
    }
};

inline void PrintTo(const Scene& s, std::ostream* os) {
    *os << "pairs " << s.pairsDealt() << ", jacks " << s.jacks << ", cards " << s.cardsShown()
        << ", lefts";
    for (float l : s.lefts) *os << ' ' << l;
}

inline Scene sceneOf(const PromoWindow& w) {
    Scene s;
    auto shown = [&w](const QString& name) {
        auto* label = w.findChild<QLabel*>(name);
        return label && label->isVisibleTo(&w);
    };
    for (int i = 0; i < PromoWindow::kDealtPairs; ++i)
        s.pairs[i] = shown(QStringLiteral("Picture2_%1").arg(i));
    s.jacks = shown(QStringLiteral("Picture3"));
    for (int i = 0; i < PromoWindow::kBoardCards; ++i) {
        s.cards[i] = shown(QStringLiteral("Picture1_%1").arg(i));
        s.lefts[i] = w.picture1Left(i);
    }
    return s;
}

// Board cards at their design places, and fanned out after the 411 steps.
constexpr std::array<float, PromoWindow::kBoardCards> kDesignLefts = {2265, 2265, 2280, 2280, 1905};
constexpr std::array<float, PromoWindow::kBoardCards> kFannedLefts = {2265, 2676, 3102, 3513, 3549};

// One promotion window on the fake platform, owned by the test; its
// unloads of the main window are counted.
template <typename Window>
struct PromoWindowTest : ::testing::Test {
    PromoWindowTest() : window(fakes.services, [this] { ++unloads; }) {}

    // Runs the window's first show from the fake clock's start t0; the
    // actions scheduled with at() run inside its waits. The animation never
    // ends by itself: every test closes the window or presses its button.
    void load() {
        // A window that fails to stop would run the fake clock on for ever.
        fakes.events.at(t0 + 3'600'000, [] {
            ADD_FAILURE() << "the animation did not stop";
            std::abort();
        });
        window.Form_Load();
    }
    void at(std::int64_t offsetMs, std::function<void()> action) {
        fakes.events.at(t0 + offsetMs, std::move(action));
    }

    FakeServices fakes;
    const std::int64_t t0 = fakes.clock.now;
    int unloads = 0;
    Window window;
};

}  // namespace tutor::testing
