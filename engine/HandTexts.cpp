#include "engine/HandTexts.h"

#include <array>

namespace poker {

namespace {

// One text per rank 2..14; an empty entry is a rank the text has no word for.
using RankTexts = std::array<const char*, 13>;

std::string lookup(const RankTexts& texts, std::int16_t rank) {
    if (rank < 2 || rank > 14) return {};
    return texts[static_cast<std::size_t>(rank - 2)];
}

// The words below are the tutor's own wording, odd spellings included
// ("an jack", "sixe"); the message line shows them as they stand.
constexpr RankTexts kFlushNames = {
    "", "", "", "", "a six high flush", "a seven high flush", "an eight high flush",
    "a nine high flush", "a ten high flush", "an jack high flush", "a queen high flush",
    "a king high flush", "an ace high flush"};

constexpr RankTexts kFullHouseNames = {
    "full of twos", "full of threes", "full of fours", "full of fives", "full of sixes",
    "full of sevens", "full of eights", "full of nines", "full of tens", "full of jacks",
    "full of queens", "full of kings", "full of aces"};

constexpr RankTexts kHighCardNames = {
    "", "", "", "high card five", "high card sixe", "high card seven", "high card eight",
    "high card nine", "high card ten", "high card jack", "high card queen", "high card king",
    "high card ace"};

constexpr RankTexts kKickerNames = {
    " two kicker", " three kicker", " four kicker", " five kicker", " sixe kicker",
    " seven kicker", " eight kicker", " nine kicker", " ten kicker", " jack kicker",
    " queen kicker", " king kicker", " ace kicker"};

constexpr RankTexts kFlushKickerNames = {
    "", " three kicker", " four kicker", " five kicker", " six kicker", " seven kicker",
    " eight kicker", " nine kicker", " ten kicker", " jack kicker", " queen kicker",
    " king kicker", ""};

constexpr RankTexts kPairNames = {
    "pair of twos", "pair of threes", "pair of fours", "pair of fives", "pair of sixes",
    "pair of sevens", "pair of eights", "pair of nines", "pair of tens", "pair of jacks",
    "pair of queens", "pair of kings", "pair of aces"};

std::string categoryName(std::int16_t categoryCode) {
    switch (static_cast<HandCategory>(categoryCode)) {
        case HandCategory::StraightFlush: return "straight flush";
        case HandCategory::FourOfAKind: return "four of a kind";
        case HandCategory::FullHouse: return "full house ";
        case HandCategory::Flush: return "flush";
        case HandCategory::Straight: return "straight";
        case HandCategory::ThreeOfAKind: return "three of a kind";
        case HandCategory::TwoPair: return "two pair";
        case HandCategory::Pair: return "pair";
        default: return "high card";
    }
}

}  // namespace

std::string FlushName(std::int16_t rank) { return lookup(kFlushNames, rank); }
std::string FullHouseName(std::int16_t rank) { return lookup(kFullHouseNames, rank); }
std::string HighCardName(std::int16_t rank) { return lookup(kHighCardNames, rank); }
std::string KickerName(std::int16_t rank) { return lookup(kKickerNames, rank); }
std::string FlushKickerName(std::int16_t rank) { return lookup(kFlushKickerNames, rank); }
std::string PairName(std::int16_t rank) { return lookup(kPairNames, rank); }

WinnerMessage showWinner(const Hand& hand1, const Hand& hand2) {
    const std::int16_t a = hand1[0].value;
    const std::int16_t b = hand2[0].value;
    WinnerMessage message;
    message.sentence = a < b ? "Hand (1) wins with a " + categoryName(a)
                             : "Hand (2) wins with a " + categoryName(b);
    message.setsBlink = true;
    return message;
}

}  // namespace poker
