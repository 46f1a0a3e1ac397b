#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "lessons/LessonRules.h"

namespace {

using tutor::BiasTable;

// Every code a deal can return: the nine categories and 0 of a failed evaluation.
const std::int16_t kCodes[] = {0, 2, 3, 4, 5, 6, 7, 8, 9, 20};

std::vector<int> accepted(BiasTable table, int r) {
    std::vector<int> codes;
    for (std::int16_t code : kCodes)
        if (tutor::biasAccepts(table, r, code)) codes.push_back(code);
    return codes;
}

// The two tables differ in rows 1 and 3 only; rows 4 to 6 take any deal.
TEST(BiasTables, AcceptedCodesByDraw) {
    struct Row {
        BiasTable table;
        int r;
        std::vector<int> codes;
    };
    const std::vector<int> any(std::begin(kCodes), std::end(kCodes));
    const Row rows[] = {
        {BiasTable::HandNames, 1, {2, 3, 4, 5, 6, 7}}, {BiasTable::HandNames, 2, {4, 5, 6, 7, 8}},
        {BiasTable::HandNames, 3, {6, 7, 8, 9}},       {BiasTable::Rankings, 1, {4, 5, 6, 7}},
        {BiasTable::Rankings, 2, {4, 5, 6, 7, 8}},     {BiasTable::Rankings, 3, {7, 8, 9}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "table " << static_cast<int>(row.table) << " r " << row.r);
        EXPECT_EQ(accepted(row.table, row.r), row.codes);
    }
    for (BiasTable table : {BiasTable::HandNames, BiasTable::Rankings})
        for (int r : {4, 5, 6}) EXPECT_EQ(accepted(table, r), any) << r;
}

// r = floor(u * 6 + 1), worked in single precision like the draw itself.
TEST(BiasTables, DrawBoundaries) {
    EXPECT_EQ(tutor::biasDraw(0.0f), 1);
    EXPECT_EQ(tutor::biasDraw(0.16f), 1);
    EXPECT_EQ(tutor::biasDraw(1.0f / 6.0f), 2);
    EXPECT_EQ(tutor::biasDraw(0.5f), 4);
    EXPECT_EQ(tutor::biasDraw(std::nextafter(1.0f, 0.0f)), 6);
    // A faulty source cannot leave the table.
    EXPECT_EQ(tutor::biasDraw(1.0f), 6);
    EXPECT_EQ(tutor::biasDraw(-0.5f), 1);
    EXPECT_EQ(tutor::biasDraw(std::nanf("")), 1);
}

}  // namespace
