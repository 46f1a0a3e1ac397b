// Random text, delimiters and option words through SplitString. Besides the
// sanitizers' findings, a broken rule of the splitter's output aborts.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/SplitString.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

// Input: two bytes of option word, one byte of delimiter length, the
// delimiters, then the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const auto word = static_cast<std::int16_t>(data[0] | data[1] << 8);
    std::size_t delimLength = data[2] % 8;
    data += 3;
    size -= 3;
    if (delimLength > size) delimLength = size;
    const std::string delimiters(reinterpret_cast<const char*>(data), delimLength);
    const std::string text(reinterpret_cast<const char*>(data + delimLength), size - delimLength);

    poker::KeyedCollection items;
    poker::SplitString(items, text, delimiters, word);

    // Keys run from String1 without a gap, and never past the item counter.
    require(items.count() <= static_cast<std::size_t>(poker::kSplitMaxItems));
    std::string joined;
    for (std::size_t i = 1; i <= items.count(); ++i) {
        const auto item = items.item("String" + std::to_string(i));
        require(item && *item == *items.item(i));
        joined += *item;
    }
    const int mode = word & 3;
    const int treatment = word & 28;
    const bool failed = items.count() == 1 && *items.item(1) == text;
    if (mode == 0 || mode == 3) {
        require(failed);
        return 0;
    }
    if (text.empty()) require(items.empty());
    // Treatments that keep the delimiters give back the text when joined;
    // dropping them never adds a character.
    if (treatment == poker::delimAsItem || treatment == poker::delimEndsPiece ||
        treatment == poker::delimStartsPiece)
        require(joined == text);
    if (treatment == poker::delimDrop) require(joined.size() <= text.size());
    // Only the failure path gives an empty item (invalid mode, empty text).
    for (std::size_t i = 1; i <= items.count(); ++i) require(!items.item(i)->empty());
    return 0;
}
