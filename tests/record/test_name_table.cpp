// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/name_table.h"

#include <gtest/gtest.h>

namespace vorlak {
namespace {

// Find walks the probe sequence of the hash: matches (the owner's check of the name) picks the
// position; a free slot ends the walk.
TEST(NameTableTest, FindsThePositionThatMatchesAlongItsHash) {
    NameTable table;
    table.Reset(4);  // eight slots
    ASSERT_TRUE(table.Insert(1, 10));
    ASSERT_TRUE(table.Insert(1, 20));  // the next slot
    ASSERT_TRUE(table.Insert(5, 30));
    const auto any = [](std::uint32_t) { return true; };
    EXPECT_EQ(table.Find(1, any), 10u);
    EXPECT_EQ(table.Find(1, [](std::uint32_t p) { return p == 20; }), 20u);
    EXPECT_EQ(table.Find(5, any), 30u);
    EXPECT_EQ(table.Find(1, [](std::uint32_t p) { return p == 30; }), std::nullopt);
    EXPECT_EQ(table.Find(3, any), std::nullopt);
}

// The owner rebuilds a table that refuses: it never fills past three quarters.
TEST(NameTableTest, RefusesWhenThreeQuartersFull) {
    NameTable table;
    table.Reset(2);  // four slots
    EXPECT_TRUE(table.Insert(0, 0));
    EXPECT_TRUE(table.Insert(0, 1));
    EXPECT_TRUE(table.Insert(0, 2));
    EXPECT_FALSE(table.Insert(0, 3));
    EXPECT_EQ(table.Find(0, [](std::uint32_t p) { return p == 2; }), 2u);
}

TEST(NameTableTest, PositionsFromAnInsertedOneMoveUp) {
    NameTable table;
    table.Reset(3);
    ASSERT_TRUE(table.Insert(1, 0));
    ASSERT_TRUE(table.Insert(2, 4));
    ASSERT_TRUE(table.Insert(3, 5));
    table.MoveUp(4);
    const auto any = [](std::uint32_t) { return true; };
    EXPECT_EQ(table.Find(1, any), 0u);
    EXPECT_EQ(table.Find(2, any), 5u);
    EXPECT_EQ(table.Find(3, any), 6u);
}

}  // namespace
}  // namespace vorlak
