#include "engine/editors/periodeditor.h"

#include "engine/model/boatmeet.h"

#include <gtest/gtest.h>

using namespace bm;

namespace {

using Rows = std::vector<std::string>;

// A stand-in for the period dialog: records what it was preset with and
// answers with the result and the period it was given.
struct ScriptedDialog {
    PeriodDialogResult result = PeriodDialogResult::Ok;
    RacePeriod entered;
    std::vector<RacePeriod> presets;

    EditPeriod Edit() {
        return [this](RacePeriod& record) {
            presets.push_back(record);
            if (result == PeriodDialogResult::Ok)
                record = entered;
            return result;
        };
    }
};

PeriodCheck Read(const PeriodFields& fields, RacePeriod& period, std::string& refusal) {
    refusal.clear();
    return ReadPeriodFields(fields, period, refusal);
}

} // namespace

TEST(PeriodDialog, TypedValuesAreAcceptedOrRefused) {
    EXPECT_EQ(PresetPeriodFields({-1, -1, -1, 2}), (PeriodFields{"", "", "", 0}));
    RacePeriod period;
    std::string refusal;
    EXPECT_EQ(Read({"0930", " 1200 ", "10", 0}, period, refusal), PeriodCheck::Accepted);
    EXPECT_EQ(period, (RacePeriod{930, 1200, 10, 0}));
    // Clock values are taken as typed, past midnight included.
    EXPECT_EQ(Read({"2300", "2500", "12", 1}, period, refusal), PeriodCheck::Accepted);
    EXPECT_EQ(period, (RacePeriod{2300, 2500, 12, 1}));
    EXPECT_EQ(refusal, "");

    // A zero interval beeps: no refusal text, "NOT ZERO" already shows.
    for (const char* zero : {"", "0", "abc"}) {
        EXPECT_TRUE(ShowsNotZero(zero));
        EXPECT_EQ(Read({"900", "1200", zero, 0}, period, refusal), PeriodCheck::ZeroInterval);
        EXPECT_EQ(refusal, "");
    }

    const std::string clock = "Start and End must be 24 hour Clock values such as 930 or 0930";
    for (const PeriodFields& fields :
         {PeriodFields{"", "1200", "10", 0}, PeriodFields{"9:30", "1200", "10", 0},
          PeriodFields{"-5", "1200", "10", 0}, PeriodFields{"900", "12000", "10", 0},
          PeriodFields{"900", "noon", "10", 0}}) {
        EXPECT_EQ(Read(fields, period, refusal), PeriodCheck::Refused) << fields.Start;
        EXPECT_EQ(refusal, clock) << fields.Start << " " << fields.End;
    }
    const std::string minutes = "The interval must be from 1 to 1440 minutes";
    const std::string rate = "Races per hour must be from 1 to 3600";
    EXPECT_EQ(Read({"900", "1200", "-5", 0}, period, refusal), PeriodCheck::Refused);
    EXPECT_EQ(refusal, minutes);
    EXPECT_EQ(Read({"900", "1200", "5x", 0}, period, refusal), PeriodCheck::Refused);
    EXPECT_EQ(refusal, minutes);
    EXPECT_EQ(Read({"900", "1200", "1441", 0}, period, refusal), PeriodCheck::Refused);
    EXPECT_EQ(refusal, minutes);
    EXPECT_EQ(Read({"900", "1200", "3601", 1}, period, refusal), PeriodCheck::Refused);
    EXPECT_EQ(refusal, rate);
    EXPECT_EQ(Read({"900", "1200", "3600", 1}, period, refusal), PeriodCheck::Accepted);
    EXPECT_EQ(Read({"900", "1200", "1440", 0}, period, refusal), PeriodCheck::Accepted);
}

class PeriodList : public ::testing::Test {
protected:
    Boatmeet meet;
    ScriptedDialog dialog;
};

TEST_F(PeriodList, AddedPeriodsAreSortedIntoTheRowsAndTheMeet) {
    dialog.entered = {900, 1200, 10, 0};
    EXPECT_TRUE(AddRacePeriod(meet, dialog.Edit()).Changed);
    dialog.entered = {1300, 1600, 5, 0};
    EXPECT_TRUE(AddRacePeriod(meet, dialog.Edit()).Changed);
    dialog.entered = {800, 845, 12, 1};
    EXPECT_TRUE(AddRacePeriod(meet, dialog.Edit()).Changed);
    EXPECT_EQ(PeriodRowsOf(meet),
              (Rows{" 0800 0845    12 PH", " 0900 1200    10 I", " 1300 1600     5 I"}));
    EXPECT_EQ(meet.RaceTimes.GetPeriods(),
              (std::vector<RacePeriod>{{800, 845, 12, 1}, {900, 1200, 10, 0}, {1300, 1600, 5, 0}}));
    dialog.result = PeriodDialogResult::Cancel;
    EXPECT_FALSE(AddRacePeriod(meet, dialog.Edit()).Changed);
    EXPECT_EQ(meet.RaceTimes.Count(), 3);
    // The dialog starts empty, with the interval kind (minutes or races per hour) of the last row.
    meet.RaceTimes.SetPeriods({{900, 1000, 7, 1}});
    EXPECT_FALSE(AddRacePeriod(meet, dialog.Edit()).Changed);
    const RacePeriod empty{-1, -1, -1, 0};
    const RacePeriod emptyPerHour{-1, -1, -1, 1};
    EXPECT_EQ(dialog.presets, (std::vector<RacePeriod>{empty, empty, empty, empty, emptyPerHour}));
}

TEST_F(PeriodList, UnusablePeriodsNeverReachTheMeet) {
    meet.RaceTimes.SetPeriods({{900, 1200, 10, 0}});
    // Whatever a dialog lets through: a zero or negative interval would stack
    // time slots on one minute or run backwards.
    for (const RacePeriod& bad : {RacePeriod{1300, 1400, 0, 0}, RacePeriod{1300, 1400, -5, 0},
                                  RacePeriod{-100, 1400, 5, 0}, RacePeriod{1300, 1400, 4000, 1}}) {
        dialog.entered = bad;
        EXPECT_FALSE(AddRacePeriod(meet, dialog.Edit()).Changed);
        EXPECT_FALSE(EditRacePeriod(meet, 0, dialog.Edit()).Changed);
    }
    EXPECT_EQ(PeriodRowsOf(meet), (Rows{" 0900 1200    10 I"}));
}

TEST_F(PeriodList, RowsAreChangedAndDeleted) {
    meet.RaceTimes.SetPeriods({{1300, 1600, 5, 0}, {900, 1200, 10, 0}});
    // The rows are sorted even when the meet's periods are not.
    EXPECT_EQ(PeriodRowsOf(meet), (Rows{" 0900 1200    10 I", " 1300 1600     5 I"}));
    dialog.entered = {1700, 1800, 30, 1};
    EXPECT_TRUE(EditRacePeriod(meet, 0, dialog.Edit()).Changed);
    EXPECT_EQ(dialog.presets, (std::vector<RacePeriod>{{900, 1200, 10, 0}}));
    EXPECT_EQ(meet.RaceTimes.GetPeriods(),
              (std::vector<RacePeriod>{{1300, 1600, 5, 0}, {1700, 1800, 30, 1}}));

    dialog.result = PeriodDialogResult::Cancel;
    EXPECT_FALSE(EditRacePeriod(meet, 1, dialog.Edit()).Changed);
    EXPECT_FALSE(EditRacePeriod(meet, 2, dialog.Edit()).Changed);  // no such row
    EXPECT_FALSE(EditRacePeriod(meet, -1, dialog.Edit()).Changed); // nothing selected
    EXPECT_EQ(dialog.presets.size(), 2u);

    dialog.result = PeriodDialogResult::Delete;
    EXPECT_TRUE(EditRacePeriod(meet, 1, dialog.Edit()).Changed);
    EXPECT_TRUE(EditRacePeriod(meet, 0, dialog.Edit()).Changed);
    EXPECT_EQ(meet.RaceTimes.Count(), 0);
    EXPECT_EQ(meet.RaceTimes.SlotTime(0), -1);
    EXPECT_EQ(PeriodRowsOf(meet), Rows{});
}
