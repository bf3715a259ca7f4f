#include "platform/runtime/tick_schedule.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::vector<double> ticksAt;  // when each tick came, a 30 ms timer started at 0
    std::vector<double> nextDue;  // when the one after each was due
};

class TickScheduleTest : public testing::TestWithParam<Case> {};

TEST_P(TickScheduleTest, KeepsTheRhythmUnlessATickCameTooLate) {
    platform::TickSchedule schedule(30, 0);
    EXPECT_EQ(schedule.due(), 30);
    std::vector<double> due;
    for (const double now : GetParam().ticksAt) {
        due.push_back(schedule.next(now));
    }
    EXPECT_EQ(due, GetParam().nextDue);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, TickScheduleTest,
    testing::Values(Case{"OnTime", {30, 60, 90}, {60, 90, 120}},
                    Case{"ALateTickDoesNotPushTheNext", {42, 61}, {60, 90}},
                    Case{"OneSoLateTheNextIsPastStartsAgain", {95, 125}, {125, 155}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
