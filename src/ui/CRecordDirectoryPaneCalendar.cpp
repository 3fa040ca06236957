// The records pane's calendar: picking a day or an exact time, following the
// current record, and the filter commands that take the calendar's day.

#include "ui/CRecordDirectoryPane.h"

#include "document/CVantrelDoc.h"
#include "records/FindRecordByLocalTime.h"
#include "records/LocalCalendarFields.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QLocale>
#include <QSignalBlocker>

namespace {

// The controls hold local calendar fields; the C library, not Qt, turns
// them into record times, as everywhere else in the program.
std::optional<RecordTime> RecordTimeOf(const QDate& date, const QTime& time)
{
    return LocalToRecordTime({date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()});
}

std::optional<RecordTime> RecordTimeOf(const QDateTime& moment)
{
    return RecordTimeOf(moment.date(), moment.time());
}

std::optional<QDateTime> LocalDateTime(RecordTime time)
{
    const std::optional<CalendarFields> fields = LocalCalendarFields(time);
    if (!fields)
        return std::nullopt;
    return QDateTime(QDate(fields->Year, fields->Month, fields->Day),
                     QTime(fields->Hour, fields->Minute, fields->Second));
}

// The pickers keep the font they were made with when the pane sets its own.
void KeepOwnFont(QWidget& control)
{
    QFont own = QApplication::font(&control);
    own.setResolveMask(QFont::AllPropertiesResolved);
    control.setFont(own);
}

}  // namespace

void CRecordDirectoryPane::CreateCalendar()
{
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("MonthCalendar"));
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_datePicker = new QDateTimeEdit(this);
    m_datePicker->setObjectName(QStringLiteral("DatePicker"));
    m_datePicker->setDisplayFormat(QLocale().dateFormat(QLocale::LongFormat));
    m_timePicker = new QDateTimeEdit(this);
    m_timePicker->setObjectName(QStringLiteral("TimePicker"));
    m_timePicker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    KeepOwnFont(*m_datePicker);
    KeepOwnFont(*m_timePicker);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this,
            [this] { OnDaySelected(CalendarSelection()); });
    connect(m_datePicker, &QDateTimeEdit::dateTimeChanged, this,
            [this](const QDateTime& moment) { OnDaySelected(RecordTimeOf(moment)); });
    connect(m_timePicker, &QDateTimeEdit::dateTimeChanged, this,
            [this](const QDateTime& moment) { OnTimeSelected(RecordTimeOf(moment)); });
}

void CRecordDirectoryPane::SetCalendarToCurrentRecord()
{
    const RecordDirectory& records = Document().Records();
    if (records.SelectedIndex < 0)
        return;
    m_calendarDay = records.Visible.at(static_cast<std::size_t>(records.SelectedIndex)).Time;
    const std::optional<QDateTime> moment = LocalDateTime(m_calendarDay);
    if (!moment)
        return;
    // Setting the controls is no pick of the user's.
    const QSignalBlocker calendar(m_calendar), date(m_datePicker), time(m_timePicker);
    m_calendar->setSelectedDate(moment->date());
    m_datePicker->setDateTime(*moment);
    m_timePicker->setDateTime(*moment);
}

void CRecordDirectoryPane::OnDaySelected(std::optional<RecordTime> day)
{
    if (!day || SameLocalTime(*day, m_calendarDay, LocalTimePrecision::Day))
        return;
    m_calendarDay = *day;
    Document().SetRecordDay(*day);
    // The visible rows changed under the list without a hint.
    RefillList();
    PostSelectRow(FindRecordByLocalTime(Document().Records().Visible, *day, LocalTimePrecision::Day));
}

void CRecordDirectoryPane::OnTimeSelected(std::optional<RecordTime> time)
{
    if (!time)
        return;
    Document().SetRecordDay(*time);
    RefillList();
    const std::vector<RecordEntry>& rows = Document().Records().Visible;
    int row = FindRecordByLocalTime(rows, *time, LocalTimePrecision::Second);
    if (row < 0)
        row = FindRecordByLocalTime(rows, *time, LocalTimePrecision::Minute);
    if (row < 0)
        return;
    m_calendarDay = rows[static_cast<std::size_t>(row)].Time;
    PostSelectRow(row);
}

std::optional<RecordTime> CRecordDirectoryPane::CalendarSelection() const
{
    return RecordTimeOf(m_calendar->selectedDate(), QTime(0, 0));
}

void CRecordDirectoryPane::OnRecordsAll()
{
    // Every bit: all days and all states.
    Document().SetRecordFilter(-1, CalendarSelection());
}

void CRecordDirectoryPane::OnRecordsForTheDay()
{
    Document().SetRecordFilter(Document().Records().FilterMask & ~RecordDirectory::AllDays, CalendarSelection());
}

void CRecordDirectoryPane::OnFilterButton()
{
    // The button leaves the filter it shows.
    if ((Document().Records().FilterMask & RecordDirectory::AllDays) != 0)
        OnRecordsForTheDay();
    else
        OnRecordsAll();
}
