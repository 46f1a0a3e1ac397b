// Random file contents through load169, then random keys through
// PreflopValue and random cards through PocketHandValue. Values must stay
// within 0..100, and a file that was read must not be reported.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/PreflopList.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

const std::string& folder() {
    static const std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "fuzz169-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    return path;
}

void requireValue(std::int16_t value) { require(value >= 0 && value <= 100); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string file = folder() + "/169.txt";
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out) std::abort();
    if (size) std::fwrite(data, 1, size, out);
    std::fclose(out);

    poker::KeyedCollection list;
    int reports = 0;
    poker::load169(list, folder(), [&](const std::string&) { ++reports; });
    require(reports == 0);

    // Keys from the first bytes of the file, and every code of the list
    // tried as a key of its own.
    const std::string head(reinterpret_cast<const char*>(data), size < 3 ? size : 3);
    requireValue(poker::PreflopValue(list, head, false));
    requireValue(poker::PreflopValue(list, head, true));
    for (std::size_t i = 1; i <= list.count() && i <= 12; ++i) {
        const std::string code = *list.item(i);
        requireValue(poker::PreflopValue(list, code, code.size() > 2));
    }
    poker::Hand cards{};
    for (std::size_t i = 0; i + 1 < size && i < 8; i += 4) {
        cards[0].rank = static_cast<std::int16_t>(data[i] % 16);
        cards[0].suit = static_cast<std::int16_t>(data[i + 1] % 4);
        cards[1].rank = static_cast<std::int16_t>((data[i] >> 4) + 1);
        cards[1].suit = static_cast<std::int16_t>(data[i + 1] >> 6);
        requireValue(poker::PocketHandValue(list, cards));
    }
    return 0;
}
