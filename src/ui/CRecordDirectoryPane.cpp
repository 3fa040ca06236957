#include "ui/CRecordDirectoryPane.h"

#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/ReviewMenus.h"
#include "document/UpdateHints.h"
#include "platform/CBButton.h"
#include "platform/CCommandBinder.h"
#include "platform/CSysColors.h"
#include "platform/Draw3dRect.h"
#include "platform/MenuFromDefinition.h"
#include "platform/PaneFont.h"
#include "ui/CMainFrame.h"
#include "ui/CRecordListModel.h"
#include "ui/CRecordsListView.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QMenu>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int BarHeight = 22;         // the button strip, and the pickers' row
constexpr int ButtonWidth = 85;       // "Open...", "Confirm", "Reject" side by side
constexpr int FilterWidth = 95;
constexpr int FilterRightGap = 2;
constexpr int CalendarHeight = 142;   // the month calendar under the list
constexpr int BorderWidth = 1;        // the pane's own frame, outside its client area

constexpr int OpenImage = 0;
constexpr int AllDaysImage = 2;  // until the binder shows what the filter's rule says
constexpr int ConfirmImage = 6;
constexpr int RejectImage = 8;

// Moves a control within the client area; a size below zero makes it empty.
void Place(QWidget& control, const QRect& client, int x, int y, int cx, int cy)
{
    control.setGeometry(client.x() + x, client.y() + y, std::max(cx, 0), std::max(cy, 0));
}

QAction* FindCommand(const QMenu& menu, int command)
{
    for (QAction* item : menu.actions())
        if (item->data().toInt() == command)
            return item;
    return nullptr;
}

void AddItem(QMenu& menu, int command, const QString& text)
{
    menu.addAction(text)->setData(command);
}

// The open command and the first four recent files, each only when the
// File menu has it.
void FillOpenPopup(QMenu& popup, const QMenu& fileMenu)
{
    if (const QAction* open = FindCommand(fileMenu, ID_FILE_OPEN)) {
        AddItem(popup, ID_FILE_OPEN, open->text());
        popup.addSeparator();
    }
    for (int command = ID_FILE_MRU_FILE1; command <= ID_FILE_MRU_FILE4; ++command)
        if (const QAction* recent = FindCommand(fileMenu, command))
            AddItem(popup, command, recent->text());
}

}  // namespace

CRecordDirectoryPane::CRecordDirectoryPane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent)
    : CPaneView(document, QStringLiteral("Record Pane"), Id, parent),
      m_icons(CImageList::FromDirectory(QStringLiteral(":/icons/records")))
{
    CreateButtons(binder);
    m_model = new CRecordListModel(document, m_icons, this);
    m_list = new CRecordsListView(this);
    m_list->setObjectName(QStringLiteral("RecordsList"));
    m_list->setModel(m_model);
    connect(m_list, &CRecordsListView::RowPicked, this, &CRecordDirectoryPane::PostSelectRow);
    CreateCalendar();
    setFont(PaneFont(*this));
    setFocusProxy(m_list);
    // The controls lie inside the pane's frame, as inside a window border.
    setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
}

CRecordDirectoryPane::~CRecordDirectoryPane()
{
    // The filter commands lead into this pane; without it they have no handler.
    CommandTable& commands = Document().Commands();
    for (const int command : {ID_RECORDS_ALL, ID_RECORDS_FOR_THE_DAY, ID_RECDIR_FILTER_BUTTON})
        commands.Attach(command, nullptr);
}

QWidget* CRecordDirectoryPane::RecordsList()
{
    return m_list;
}

void CRecordDirectoryPane::CreateButtons(CCommandBinder& binder)
{
    m_openButton = new CBButton(QStringLiteral("Open..."), CBButton::StyleDropDown, QRect(), this, ID_FILE_OPEN);
    m_confirmButton = new CBButton(QStringLiteral("Confirm"), 0, QRect(), this, ID_RECORD_CONFIRM);
    m_rejectButton = new CBButton(QStringLiteral("Reject"), 0, QRect(), this, ID_RECORD_REJECT);
    m_filterButton = new CBButton(QStringLiteral("All"), CBButton::StyleDropDown, QRect(), this,
                                  ID_RECDIR_FILTER_BUTTON);
    m_openButton->SetImageList(&m_icons, OpenImage);
    m_confirmButton->SetImageList(&m_icons, ConfirmImage);
    m_rejectButton->SetImageList(&m_icons, RejectImage);
    m_filterButton->SetImageList(&m_icons, AllDaysImage);
    // Empty until the first general update names the recent files.
    m_openDropDown = new QMenu(this);
    m_openPopup = m_openDropDown->addMenu(QStringLiteral("&File"));
    connect(m_openDropDown, &QMenu::aboutToShow, this, &CRecordDirectoryPane::RebuildOpenDropDownIfStale);
    m_openButton->AttachMenu(m_openDropDown);
    m_filterButton->AttachMenu(MenuFromDefinition(RecordsFilterPopup(), this));
    // The filter commands need a handler before the binder asks their rules.
    AttachCommands();
    for (CBButton* button : {m_openButton, m_confirmButton, m_rejectButton, m_filterButton})
        binder.BindButton(*button);
}

void CRecordDirectoryPane::AttachCommands()
{
    CommandTable& commands = Document().Commands();
    commands.Attach(ID_RECORDS_ALL, [this] { OnRecordsAll(); });
    commands.Attach(ID_RECORDS_FOR_THE_DAY, [this] { OnRecordsForTheDay(); });
    commands.Attach(ID_RECDIR_FILTER_BUTTON, [this] { OnFilterButton(); });
}

void CRecordDirectoryPane::OnUpdate(int hint, const CCommandHint* /*object*/)
{
    switch (hint) {
    case HINT_ALL:
        // Every record change is a general update; the menu is built only
        // when it is opened.
        m_openDropDownStale = true;
        RefreshButtons();
        FollowCurrentRecord();
        break;
    case HINT_LIST:
        RefreshButtons();
        RefillList();
        break;
    case HINT_DISPLAY:
        break;
    default:
        return;
    }
    // The pane's own frame and strip do not change: the list, the calendar
    // and the buttons repaint what changes in them, and a control moved is
    // repainted by the move.
    LayoutControls();
    SetCalendarToCurrentRecord();
}

void CRecordDirectoryPane::LayoutControls()
{
    const QRect client = contentsRect();
    const int cx = client.width(), cy = client.height();
    Place(*m_openButton, client, 0, 0, ButtonWidth, BarHeight);
    Place(*m_confirmButton, client, ButtonWidth, 0, ButtonWidth, BarHeight);
    Place(*m_rejectButton, client, 2 * ButtonWidth, 0, ButtonWidth, BarHeight);
    Place(*m_filterButton, client, cx - FilterWidth - FilterRightGap, 0, FilterWidth, BarHeight);
    const bool compact = Document().CalendarHidden();
    const int bottom = compact ? BarHeight : CalendarHeight;
    Place(*m_list, client, 0, BarHeight, cx, cy - BarHeight - bottom);
    m_calendar->setVisible(!compact);
    m_datePicker->setVisible(compact);
    m_timePicker->setVisible(compact);
    if (compact) {
        Place(*m_datePicker, client, 0, cy - BarHeight, cx / 2, BarHeight);
        Place(*m_timePicker, client, cx / 2, cy - BarHeight, cx - cx / 2, BarHeight);
    } else {
        Place(*m_calendar, client, 0, cy - CalendarHeight, cx, CalendarHeight);
    }
}

void CRecordDirectoryPane::RefreshButtons()
{
    // The binder sets the icon and the pressed looks; the caption is the pane's.
    const bool allDays = (Document().Records().FilterMask & RecordDirectory::AllDays) != 0;
    m_filterButton->SetWindowText(allDays ? QStringLiteral("All") : QStringLiteral("For the day"));
}

// Stepping through the list repaints the two rows whose looks change, not
// every row shown, each with its text laid out anew.
void CRecordDirectoryPane::FollowCurrentRecord()
{
    if (m_model->MoveCurrent())
        m_list->ShowCurrentRow(Document().Records().SelectedIndex);
    else
        RefillList();
}

void CRecordDirectoryPane::RefillList()
{
    m_list->FitColumnsToLines(Document().PrivateNotesMode());
    m_model->Reset();
    const int selected = Document().Records().SelectedIndex;
    if (selected >= 0)
        m_list->ShowCurrentRow(selected);
}

void CRecordDirectoryPane::RebuildOpenDropDownIfStale()
{
    if (!m_openDropDownStale)
        return;
    m_openDropDownStale = false;
    m_openPopup->clear();
    // The frame's menu as it was made, also while full screen hides the bar.
    if (auto* frame = qobject_cast<CMainFrame*>(window()))
        if (const QMenu* fileMenu = frame->DefaultFileMenu())
            FillOpenPopup(*m_openPopup, *fileMenu);
}

void CRecordDirectoryPane::PostSelectRow(int row)
{
    QMetaObject::invokeMethod(this, [this, row] { OnSelectRow(row); }, Qt::QueuedConnection);
}

void CRecordDirectoryPane::OnSelectRow(int row)
{
    // The hint that the selection sends refreshes the buttons.
    Document().SelectRecord(row);
}

void CRecordDirectoryPane::paintEvent(QPaintEvent* /*event*/)
{
    // The frame and the strip behind the buttons are the pane's own; the
    // controls cover the rest.
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.fillRect(client.x(), client.y(), client.width(), BarHeight,
                     CSysColors::Get(CSysColors::BtnFace, palette()));
    DrawSunkenRect(painter, rect(), palette());
}

void CRecordDirectoryPane::resizeEvent(QResizeEvent* event)
{
    CPaneView::resizeEvent(event);
    LayoutControls();
}
