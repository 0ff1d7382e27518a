#include "core/distribution_rule.h"
#include "core/list_reader.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvex {
namespace {

struct Rec {
    int from, to;
    bool linear;
    double value;
};

std::vector<double> spread(const std::vector<Rec>& records, int ni = 20) {
    StationArray table(ni);
    DistributionRule rule({&table}, "SECTION");
    for (const Rec& r : records) rule.apply(r.from, r.to, r.linear, {r.value});
    std::vector<double> out;
    for (int i = 0; i <= ni; ++i) out.push_back(table[i]);
    return out;
}

TEST(DistributionRule, ConstantSpansGiveHalfValuesAtTheirEndsAndFullValuesWhereTheyMeet) {
    const std::vector<double> ei = spread({{0, 10, false, 100}, {10, 20, false, 200}});
    EXPECT_EQ(ei[0], 50);
    for (int i = 1; i <= 9; ++i) EXPECT_EQ(ei[i], 100) << i;
    EXPECT_EQ(ei[10], 150);
    for (int i = 11; i <= 19; ++i) EXPECT_EQ(ei[i], 200) << i;
    EXPECT_EQ(ei[20], 100);
}

TEST(DistributionRule, SingleStationRecordIsNotHalved) {
    const std::vector<double> q = spread({{5, 5, false, 10}});
    for (int i = 0; i <= 20; ++i) EXPECT_EQ(q[i], i == 5 ? 10 : 0) << i;
}

TEST(DistributionRule, LinearRecordRunsToTheNextRecordWhoseFromStationIsIgnored) {
    const std::vector<double> ei = spread({{0, 3, true, 100}, {7, 10, false, 200}}, 10);
    EXPECT_EQ(ei[0], 50);
    for (int i = 1; i <= 9; ++i) EXPECT_DOUBLE_EQ(ei[i], 100 + 10 * i) << i;
    EXPECT_EQ(ei[10], 100);
}

TEST(DistributionRule, LinearChainsContinueFromTheLastToStationAndAFinalLinearRecordAddsNothing) {
    // 0 -> 4 from 40 to 80, 4 -> 8 from 80 to 0; the last record only ends the second span.
    const std::vector<double> v = spread({{0, 0, true, 40}, {9, 4, true, 80}, {9, 8, true, 0}}, 10);
    EXPECT_EQ(v[0], 20);
    EXPECT_DOUBLE_EQ(v[2], 60);
    EXPECT_DOUBLE_EQ(v[4], 80);  // two half values
    EXPECT_DOUBLE_EQ(v[6], 40);
    EXPECT_DOUBLE_EQ(v[8], 0);
    EXPECT_EQ(v[9], 0);
    EXPECT_EQ(spread({{0, 10, true, 40}}, 10), std::vector<double>(11, 0.0));
}

TEST(DistributionRule, SpanEndingAboveItsStartEndsTheRunWithStationsNotInOrder) {
    for (const std::vector<Rec>& recs : {std::vector<Rec>{{5, 4, false, 1}},
                                         std::vector<Rec>{{5, 9, true, 1}, {0, 3, false, 1}}}) {
        try {
            spread(recs);
            FAIL() << "accepted";
        } catch (const DataError& e) {
            EXPECT_STREQ(e.what(), "ERROR STOP -- STATIONS NOT IN ORDER");
        }
    }
}

TEST(DistributionRule, StationOutsideTheTablesIsRefusedWithTheRecordNamed) {
    EXPECT_NO_THROW(spread({{-3, 23, false, 1}}));
    try {
        spread({{0, 24, false, 1}});
        FAIL() << "accepted";
    } catch (const DataError& e) {
        EXPECT_STREQ(e.what(), "ERROR -- STATION 24 OF SECTION DATA LIES OUTSIDE THE WALL TABLES");
    }
}

TEST(DistributionRule, CollectsTheHalfValuesTakenOffAtTheWallEnds) {
    StationArray ei(10), halves(10);
    DistributionRule rule({&ei}, "SECTION", &halves);
    rule.apply(0, 4, false, {100});
    rule.apply(4, 10, false, {300});
    EXPECT_EQ(ei[0] + halves[0], 100);
    EXPECT_EQ(ei[10] + halves[10], 300);
    EXPECT_EQ(halves[4], 0);
}

}  // namespace
}  // namespace korvex
