#include "OddsFigures.h"

namespace oddsfigures {

long long choose(int n, int k) {
    if (k < 0 || k > n) return 0;
    long long result = 1;
    for (int i = 1; i <= k; ++i) result = result * (n - k + i) / i;
    return result;
}

Chance atLeastOne(int outs, int unseen, int drawn) {
    const long long total = choose(unseen, drawn);
    return {total - choose(unseen - outs, drawn), total};
}

namespace {

// numerator / denominator to one decimal, halves rounded up.
std::string tenths(long long numerator, long long denominator) {
    const long long inTenths = (20 * numerator + denominator) / (2 * denominator);
    return std::to_string(inTenths / 10) + "." + std::to_string(inTenths % 10);
}

std::string trimmed(std::string text) {
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0)
        text.resize(text.size() - 2);
    return text;
}

}  // namespace

std::string percent(Chance chance) {
    return tenths(100 * chance.hits, chance.total) + " %";
}

std::string odds(Chance chance) {
    const long long misses = chance.total - chance.hits;
    if (2 * chance.hits > chance.total) return ratioToOne(chance.hits, misses) + " on";
    return ratioToOne(misses, chance.hits);
}

std::string ratioToOne(long long numerator, long long denominator) {
    return trimmed(tenths(numerator, denominator)) + " to 1";
}

std::string grouped(long long number) {
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
    return digits;
}

}  // namespace oddsfigures
