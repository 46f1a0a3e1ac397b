#pragma once

#include <string>
#include <vector>

#include "engine/KeyedCollection.h"

namespace preflop_test {

// The items in add order; fails the test if an item is not keyed
// "String<position>".
inline std::vector<std::string> itemsOf(const poker::KeyedCollection& collection) {
    std::vector<std::string> out;
    for (std::size_t i = 1; i <= collection.count(); ++i) {
        const auto byKey = collection.item("String" + std::to_string(i));
        const auto byPosition = collection.item(i);
        if (!byKey || !byPosition || *byKey != *byPosition) {
            out.push_back("<item " + std::to_string(i) + " not keyed String" + std::to_string(i) + ">");
        } else {
            out.push_back(*byPosition);
        }
    }
    return out;
}

// All 169 codes in a fixed order that is easy to reason about: the pairs AA
// down to 22, then for each high rank A..3 the suited and offsuit codes
// with every lower rank.
inline std::vector<std::string> all169Codes() {
    const std::string ranks = "AKQJT98765432";
    std::vector<std::string> codes;
    for (char r : ranks) codes.push_back(std::string{r, r});
    for (std::size_t hi = 0; hi < ranks.size(); ++hi) {
        for (std::size_t lo = hi + 1; lo < ranks.size(); ++lo) {
            codes.push_back(std::string{ranks[hi], ranks[lo], 's'});
            codes.push_back(std::string{ranks[hi], ranks[lo]});
        }
    }
    return codes;
}

inline poker::KeyedCollection listOf(const std::vector<std::string>& codes) {
    poker::KeyedCollection list;
    for (std::size_t i = 0; i < codes.size(); ++i) list.add("String" + std::to_string(i + 1), codes[i]);
    return list;
}

}  // namespace preflop_test
