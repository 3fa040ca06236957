#include "records/FindRecordByLocalTime.h"

#include "ScopedTimeZone.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

RecordTime Local(int day, int hour, int minute, int second)
{
    return *LocalToRecordTime({2006, 3, day, hour, minute, second});
}

// Local fields decide, not seconds since the epoch: in Sofia the records of
// 1 March run until 21:59:59 UTC.
TEST(FindRecordByLocalTimeTest, TheFirstRowAgreeingToThePrecisionInLocalTime)
{
    testsupport::ScopedTimeZone sofia("Europe/Sofia");
    const std::vector<RecordEntry> rows = {
        {"unconvertible", std::numeric_limits<RecordTime>::max(), RecordState::Unprocessed},
        {"a", Local(1, 23, 30, 5), RecordState::Unprocessed},
        {"b", Local(1, 23, 30, 40), RecordState::Confirmed},
        {"c", Local(2, 0, 10, 0), RecordState::Rejected},
    };
    const struct {
        RecordTime time;
        LocalTimePrecision precision;
        int row;
    } cases[] = {
        {Local(1, 8, 0, 0), LocalTimePrecision::Day, 1},
        {Local(2, 23, 59, 59), LocalTimePrecision::Day, 3},
        {Local(3, 0, 0, 0), LocalTimePrecision::Day, -1},
        {Local(1, 23, 30, 40), LocalTimePrecision::Minute, 1},
        {Local(1, 23, 30, 40), LocalTimePrecision::Second, 2},
        {Local(1, 23, 31, 40), LocalTimePrecision::Minute, -1},
        {std::numeric_limits<RecordTime>::max(), LocalTimePrecision::Day, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindRecordByLocalTime(rows, c.time, c.precision), c.row)
            << c.time << " precision " << static_cast<int>(c.precision);
    EXPECT_TRUE(SameLocalTime(Local(1, 0, 0, 0), Local(1, 23, 59, 59), LocalTimePrecision::Day));
    EXPECT_FALSE(SameLocalTime(rows[0].Time, rows[0].Time, LocalTimePrecision::Day));
}

}  // namespace
