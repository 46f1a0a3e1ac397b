#include "engine/SplitString.h"

namespace poker {

// Placeholder until the splitter lands.
void SplitString(KeyedCollection& collection, std::string text, std::string, std::int16_t) {
    collection.add("String1", std::move(text));
}

}  // namespace poker
