#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace poker {

// An ordered collection of strings, each under a unique key, addressed by
// key or by its 1-based position in add order.
class KeyedCollection {
public:
    // False (and nothing added) when the key is already held.
    bool add(const std::string& key, std::string item);
    // False when the key is not held. Costs the number of items after it.
    bool remove(const std::string& key);
    void clear();
    // Removes every item after position count (the newest ones), in time
    // proportional to the number removed; nothing when count >= count().
    void truncate(std::size_t count);

    std::size_t count() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    // Position 1 is the first item added; nullopt outside 1..count().
    std::optional<std::string> item(std::size_t position) const;
    std::optional<std::string> item(const std::string& key) const;
    bool contains(const std::string& key) const { return index_.count(key) != 0; }

private:
    struct Entry {
        std::string key;
        std::string item;
    };
    std::vector<Entry> items_;
    std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace poker
