#include "engine/PreflopList.h"

namespace poker {

// Placeholders until the starting-hand list lands.
void load169(KeyedCollection& preflopList, const std::string&, const ErrorReporter&) {
    preflopList.clear();
}
std::int16_t PreflopValue(const KeyedCollection&, std::string, bool) { return 0; }
std::int16_t PocketHandValue(const KeyedCollection&, const Hand&) { return 0; }

}  // namespace poker
