#include "lessons/CardIdentity.h"

#include <utility>

namespace tutor {

void fillKeyOfCard(KeyOfCardTable& table) {
    int k = 0;
    for (int r = 0; r < kKeysPerRow; ++r) {
        int v = r;
        for (int s = 0; s < 4; ++s) {
            table[k++] = static_cast<std::int16_t>(v);
            v += kKeysPerRow;
        }
    }
    for (int r = 0; r < kKeysPerRow; ++r) std::swap(table[4 * r + 2], table[4 * r + 3]);
}

std::optional<poker::CardRec> cardOfKey(int key, const KeyOfCardTable& table) {
    std::int16_t id = -1;
    switch (key) {
        case 12: id = 0; break;
        case 25: id = 1; break;
        case 38: id = 3; break;
        case 51: id = 2; break;
        default:
            if (key < 0 || key >= kKeyCount) return std::nullopt;
            for (int p = 0; p < kKeyCount; ++p) {
                if (table[p] == key) {
                    id = static_cast<std::int16_t>(p + 4);
                    break;
                }
            }
    }
    if (id < 0) return std::nullopt;
    poker::CardRec card;
    card.id = id;
    card.rank = static_cast<std::int16_t>(id / 4 + 1);
    card.suit = static_cast<std::int16_t>(id % 4);
    return card;
}

}  // namespace tutor
