#pragma once

#include "platform/CImageList.h"
#include "platform/CPaneView.h"
#include "records/RecordTime.h"

#include <optional>

class CBButton;
class CCommandBinder;
class CRecordListModel;
class CRecordsListView;
class QCalendarWidget;
class QDateTimeEdit;
class QMenu;

// The records list pane under the general view: the visible records one line
// each, the buttons that open another root, confirm, reject and switch the
// filter between all records and one day, and a calendar for picking a day
// or an exact time. It keeps no record data of its own; every line comes
// from the document's visible rows when the list shows it.
class CRecordDirectoryPane : public CPaneView {
    Q_OBJECT

public:
    static constexpr int Id = 124;

    // Binds the buttons to the document's commands and attaches the filter
    // commands, which need the calendar's day.
    CRecordDirectoryPane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent);
    ~CRecordDirectoryPane() override;

    // The control in which the mark keys (the digits and minus) work.
    QWidget* RecordsList();

    // Hint 0 rebuilds the "Open..." drop-down, hints 0 and 1 refill the list
    // (hint 0 only moves the current row when the list is the one shown),
    // and hints 0, 1 and 16 lay the controls out and set the calendar.
    void OnUpdate(int hint, const CCommandHint* object) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateButtons(CCommandBinder& binder);
    void CreateCalendar();
    void AttachCommands();
    // Places the controls in the client area, by the calendar mode.
    void LayoutControls();
    void RefreshButtons();
    // A record change in the same list moves the current row; any other
    // refills the list.
    void FollowCurrentRecord();
    void RefillList();
    // Fills the "Open..." drop-down from the File menu as the officer opens
    // it, when a general update came since it was last filled.
    void RebuildOpenDropDownIfStale();

    // The selection of a row comes after the event that picked it, as a
    // posted message would; -1 selects nothing.
    void PostSelectRow(int row);
    void OnSelectRow(int row);

    void SetCalendarToCurrentRecord();
    void OnDaySelected(std::optional<RecordTime> day);
    void OnTimeSelected(std::optional<RecordTime> time);
    // The month calendar's selected date as a record time.
    std::optional<RecordTime> CalendarSelection() const;
    void OnRecordsAll();
    void OnRecordsForTheDay();
    void OnFilterButton();

    CImageList m_icons;
    CBButton* m_openButton = nullptr;
    CBButton* m_confirmButton = nullptr;
    CBButton* m_rejectButton = nullptr;
    CBButton* m_filterButton = nullptr;
    CRecordListModel* m_model = nullptr;
    CRecordsListView* m_list = nullptr;
    QCalendarWidget* m_calendar = nullptr;
    QDateTimeEdit* m_datePicker = nullptr;
    QDateTimeEdit* m_timePicker = nullptr;
    QMenu* m_openDropDown = nullptr;
    QMenu* m_openPopup = nullptr;  // the drop-down's one submenu
    bool m_openDropDownStale = false;
    RecordTime m_calendarDay = 0;
};
