#include "lessons/LessonRules.h"

#include <cmath>

namespace tutor {

int nameLabelOfCategory(std::int16_t code) {
    if (code >= 2 && code <= 9) return code - 2;
    if (code == 20) return 8;
    return -1;
}

int biasDraw(float u) {
    const float r = std::floor(u * 6.0f + 1.0f);
    if (!(r >= 1.0f)) return 1;
    if (r > 6.0f) return 6;
    return static_cast<int>(r);
}

bool biasAccepts(BiasTable table, int r, std::int16_t code) {
    const bool names = table == BiasTable::HandNames;
    switch (r) {
        case 1: return code >= (names ? 2 : 4) && code <= 7;
        case 2: return code >= 4 && code <= 8;
        case 3: return code >= (names ? 6 : 7) && code <= 9;
        default: return true;
    }
}

int pickedPairLabel(int v) {
    if (v >= 90) return 2;
    if (v >= 70) return 3;
    if (v >= 60) return 4;
    if (v >= 50) return 5;
    return 6;
}

bool pairAnswerRight(int index, int v) {
    switch (index) {
        case 2: return v >= 90 && v <= 100;
        case 3: return v >= 80 && v <= 89;
        case 4: return v >= 70 && v <= 79;
        case 5: return v >= 60 && v <= 69;
        case 6: return v < 60;
        default: return false;
    }
}

}  // namespace tutor
