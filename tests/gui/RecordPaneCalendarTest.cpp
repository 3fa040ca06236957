// Picking a day or a time in the records pane's calendar selects a record of
// it, by the rules the officer relies on.

#include "RecordsPaneFixture.h"

#include "document/CommandIds.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>

namespace {

using panetest::RecordsPaneTest;

TEST_F(RecordsPaneTest, ADayPickedInTheCalendarSelectsItsFirstRecordAndTheSameDayDoesNothing)
{
    MakeRecords({"2006-03-01 10:00:00", "2006-03-01 12:00:00", "2006-03-02 09:00:00", "2006-03-02 09:30:00"});
    document.SelectRecord(1);
    auto* calendar = pane.findChild<QCalendarWidget*>(QStringLiteral("MonthCalendar"));
    ASSERT_EQ(calendar->selectedDate(), QDate(2006, 3, 1)) << "the calendar follows the current record";
    // Current empty: no current record.
    const struct { QDate day; std::string current; } picks[] = {
        {QDate(2006, 3, 1), "2006-03-01 12:00:00"},  // the current day: not even a search
        {QDate(2006, 3, 2), "2006-03-02 09:00:00"},
        {QDate(2006, 3, 5), ""},
        {QDate(2006, 3, 1), "2006-03-01 10:00:00"},
    };
    for (const auto& pick : picks) {
        calendar->setSelectedDate(pick.day);
        Settle();
        EXPECT_EQ(Current(), pick.current) << pick.day.toString().toStdString();
    }
}

TEST_F(RecordsPaneTest, UnderTheDayFilterAPickedDayListsOnlyItsRecords)
{
    MakeRecords({"2006-03-01 10:00:00", "2006-03-02 09:00:00", "2006-03-02 09:30:00"});
    document.OnCommand(ID_RECORDS_FOR_THE_DAY);
    ASSERT_EQ(List().model()->rowCount(), 1);
    document.OnCommand(ID_CALENDAR);
    auto* date = pane.findChild<QDateTimeEdit*>(QStringLiteral("DatePicker"));
    date->setDate(QDate(2006, 3, 2));
    EXPECT_EQ(List().model()->rowCount(), 2) << "listed at once, before the selection comes";
    Settle();
    EXPECT_EQ(Current(), "2006-03-02 09:00:00");
    EXPECT_EQ(List().currentIndex().row(), 0);
}

TEST_F(RecordsPaneTest, TheTimePickerPrefersTheExactSecondOverAnEarlierRecordOfTheSameMinute)
{
    MakeRecords({"2006-03-01 12:00:05", "2006-03-01 12:00:30", "2006-03-01 13:00:00"});
    document.OnCommand(ID_CALENDAR);
    auto* time = pane.findChild<QDateTimeEdit*>(QStringLiteral("TimePicker"));
    ASSERT_EQ(time->dateTime(), QDateTime(QDate(2006, 3, 1), QTime(12, 0, 5)));
    const struct { QTime at; std::string current; } picks[] = {
        {QTime(12, 0, 30), "2006-03-01 12:00:30"},
        {QTime(12, 2, 0), "2006-03-01 12:00:30"},  // no record of that minute: nothing changes
        {QTime(12, 0, 45), "2006-03-01 12:00:05"},
    };
    for (const auto& pick : picks) {
        time->setTime(pick.at);
        Settle();
        EXPECT_EQ(Current(), pick.current) << pick.at.toString().toStdString();
    }
}

}  // namespace
