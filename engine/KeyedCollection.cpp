#include "engine/KeyedCollection.h"

namespace poker {

bool KeyedCollection::add(const std::string& key, std::string item) {
    if (contains(key)) return false;
    // Out of memory half-way leaves the collection as it was.
    items_.push_back({key, std::move(item)});
    try {
        index_.emplace(key, items_.size() - 1);
    } catch (...) {
        items_.pop_back();
        throw;
    }
    return true;
}

bool KeyedCollection::remove(const std::string& key) {
    auto found = index_.find(key);
    if (found == index_.end()) return false;
    const std::size_t at = found->second;
    index_.erase(found);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at));
    // Only the items behind the removed one move down a place.
    for (std::size_t i = at; i < items_.size(); ++i) index_[items_[i].key] = i;
    return true;
}

void KeyedCollection::truncate(std::size_t count) {
    while (items_.size() > count) {
        index_.erase(items_.back().key);
        items_.pop_back();
    }
}

void KeyedCollection::clear() {
    items_.clear();
    index_.clear();
}

std::optional<std::string> KeyedCollection::item(std::size_t position) const {
    if (position < 1 || position > items_.size()) return std::nullopt;
    return items_[position - 1].item;
}

std::optional<std::string> KeyedCollection::item(const std::string& key) const {
    auto found = index_.find(key);
    if (found == index_.end()) return std::nullopt;
    return items_[found->second].item;
}

}  // namespace poker
