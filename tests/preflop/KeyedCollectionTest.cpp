#include <gtest/gtest.h>

#include "engine/KeyedCollection.h"

using poker::KeyedCollection;

namespace {

KeyedCollection abcd() {
    KeyedCollection c;
    for (const char* k : {"a", "b", "c", "d"}) c.add(k, std::string("item ") + k);
    return c;
}

TEST(KeyedCollection, RemoveKeepsKeysAndPositionsInStep) {
    KeyedCollection c = abcd();
    EXPECT_FALSE(c.add("b", "again"));
    ASSERT_TRUE(c.remove("b"));
    EXPECT_FALSE(c.remove("b"));
    ASSERT_EQ(c.count(), 3u);
    EXPECT_EQ(c.item(2), "item c");
    EXPECT_EQ(c.item("c"), "item c");
    EXPECT_EQ(c.item("d"), "item d");
    ASSERT_TRUE(c.remove("a"));
    EXPECT_EQ(c.item("d"), "item d");
    EXPECT_EQ(c.item(2), "item d");
    EXPECT_TRUE(c.add("b", "back"));
    EXPECT_EQ(c.item(3), "back");
}

TEST(KeyedCollection, TruncateDropsTheNewestItemsAndTheirKeys) {
    KeyedCollection c = abcd();
    c.truncate(9);
    EXPECT_EQ(c.count(), 4u);
    c.truncate(2);
    ASSERT_EQ(c.count(), 2u);
    EXPECT_FALSE(c.contains("c"));
    EXPECT_FALSE(c.item(3));
    EXPECT_TRUE(c.add("c", "new c"));
    EXPECT_EQ(c.item("c"), "new c");
    c.truncate(0);
    EXPECT_TRUE(c.empty());
    EXPECT_FALSE(c.contains("a"));
}

}  // namespace
