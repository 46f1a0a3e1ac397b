#pragma once

#include <algorithm>
#include <vector>

#include "LessonFixture.h"
#include "lessons/Deck.h"

namespace tutor::testing {

// Key indices by row (clubs, diamonds, spades, hearts) and column (2 .. A).
constexpr int clubs(int column) {
    return column;
}
constexpr int diamonds(int column) {
    return 13 + column;
}
constexpr int spades(int column) {
    return 26 + column;
}
constexpr int hearts(int column) {
    return 39 + column;
}
// Columns by rank: 2 -> 0 ... 10 -> 8, J 9, Q 10, K 11, A 12.
constexpr int col(int rank) {
    return rank == 1 ? 12 : rank - 2;
}
constexpr int kJ = 11, kQ = 12, kK = 13, kA = 1;

// The lesson panel driven through its real controls, with the deals scripted:
// a local copy of the deck follows every scripted shuffle pass, so that a
// pass can be made to bring chosen keys to the front of the deck as it lies.
class PanelFixture : public LessonFixture {
  protected:
    PanelFixture() { loadPreflopList(); }

    // Scripts one shuffle pass that leaves keys at positions 0, 1, ... of the
    // deck as the previous pass left it (fromFill: a freshly filled deck).
    // Key 51 is never a partner, so a pass can bring it forward only if it
    // has already left position 51.
    void scriptPass(const std::vector<int>& keys, bool fromFill = true) {
        if (fromFill) fillDeck(expectedDeck);
        for (int i = 0; i < 52; ++i) {
            int j = 50;
            if (i < static_cast<int>(keys.size())) {
                j = static_cast<int>(std::find(expectedDeck.begin(), expectedDeck.end(), keys[i]) -
                                     expectedDeck.begin());
                ASSERT_LT(j, 51) << "key " << keys[i] << " cannot be brought forward";
            }
            fakes.random.queue.push_back((static_cast<float>(j) + 0.5f) / 51.0f);
            std::swap(expectedDeck[i], expectedDeck[j]);
        }
    }
    // The bias draw of Start 1B and 2B that gives r.
    void scriptBias(int r) { fakes.random.queue.push_back((static_cast<float>(r) - 0.5f) / 6.0f); }

    // What the panel painted, in order, by card id.
    std::vector<int> paintedIds() const {
        std::vector<int> ids;
        for (const auto& d : fakes.cards.draws) ids.push_back(d.cardId);
        return ids;
    }
    std::vector<int> paintedXs() const {
        std::vector<int> xs;
        for (const auto& d : fakes.cards.draws) xs.push_back(d.x);
        return xs;
    }
    int cardIdOfKey(int k) const { return panel->cardOfKey(k)->id; }
    std::vector<int> cardIdsOfKeys(const std::vector<int>& keys) const {
        std::vector<int> ids;
        for (int k : keys) ids.push_back(cardIdOfKey(k));
        return ids;
    }

    void pick(const std::vector<int>& keys) {
        for (int k : keys) click(key(k));
    }
    void clickLabel(int i) { click(nameLabel(i)); }
    void hover(int i) { QTest::mouseMove(nameLabel(i), QPoint(5, 5)); }

    // The one inverted label, or -1.
    int highlighted() const {
        int found = -1;
        for (int i = 0; i < 9; ++i) {
            if (nameLabel(i)->backColor() == 0u) {
                if (found >= 0) return -2;
                found = i;
            }
        }
        return found;
    }
    int framed() const {
        for (int i = 0; i < 9; ++i)
            if (nameLabel(i)->borderStyle() == 1) return i;
        return -1;
    }
    bool labelsNormal() const {
        for (int i = 0; i < 9; ++i) {
            if (nameLabel(i)->foreColor() != 0u || nameLabel(i)->backColor() != 0x00E0E0E0u ||
                nameLabel(i)->borderStyle() != 0)
                return false;
        }
        return true;
    }
    QStringList sounds() const {
        QStringList names;
        for (const QString& path : fakes.sound.played) names << path.section('/', -2);
        return names;
    }
    bool clearEnabled() const { return find("cmdClear")->isEnabled(); }
    std::uint32_t messageColour() const { return message()->foreColor(); }

    // A window's client area is plain felt (or grey) where no card lies.
    static bool windowEmpty(const HandWindow* w) {
        const QImage& s = w->surface();
        const QRgb back = s.pixel(0, 0);
        for (int y = 0; y < s.height(); y += 3)
            for (int x = 0; x < s.width(); x += 3)
                if (s.pixel(x, y) != back) return false;
        return true;
    }

    Deck expectedDeck{};
};

}  // namespace tutor::testing
