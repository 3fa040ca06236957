// The records pane as the officer uses it: where its controls sit, what each
// line of the list says and shows, picking a row, the filter button, and
// confirming and rejecting with the buttons.

#include "PaneCapture.h"
#include "RecordsPaneFixture.h"

#include "document/CommandIds.h"
#include "platform/CImageList.h"
#include "platform/CSysColors.h"

#include <QAbstractItemModelTester>
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

namespace {

using panetest::RecordsPaneTest;

// Where a control lies in the pane's client area, inside its frame; empty
// when it is hidden.
QRect Place(const QWidget& control)
{
    const QPoint client = control.parentWidget()->contentsRect().topLeft();
    return control.isHidden() ? QRect() : control.geometry().translated(-client);
}

// A capture, as printing takes the pane, has the strip painted between the
// buttons and the controls painted over it.
TEST_F(RecordsPaneTest, ControlsTakeTheirPlacesInBothCalendarModesAtEverySizeAndInACapture)
{
    auto* calendar = pane.findChild<QCalendarWidget*>(QStringLiteral("MonthCalendar"));
    auto* date = pane.findChild<QDateTimeEdit*>(QStringLiteral("DatePicker"));
    auto* time = pane.findChild<QDateTimeEdit*>(QStringLiteral("TimePicker"));
    ASSERT_TRUE(calendar && date && time);
    for (const bool compact : {false, true, false}) {
        if (document.CalendarHidden() != compact)
            document.OnCommand(ID_CALENDAR);
        for (const QSize& size : {QSize(450, 500), QSize(450, 195), QSize(601, 377)}) {
            pane.resize(size);
            const int cx = pane.contentsRect().width(), cy = pane.contentsRect().height();
            const std::string where = (compact ? "compact " : "full ") + std::to_string(cx) + "x" + std::to_string(cy);
            EXPECT_EQ(Place(Button(ID_FILE_OPEN)), QRect(0, 0, 85, 22)) << where;
            EXPECT_EQ(Place(Button(ID_RECORD_CONFIRM)), QRect(85, 0, 85, 22)) << where;
            EXPECT_EQ(Place(Button(ID_RECORD_REJECT)), QRect(170, 0, 85, 22)) << where;
            EXPECT_EQ(Place(Button(ID_RECDIR_FILTER_BUTTON)), QRect(cx - 97, 0, 95, 22)) << where;
            EXPECT_EQ(Place(List()), QRect(0, 22, cx, cy - 22 - (compact ? 22 : 142))) << where;
            EXPECT_EQ(Place(*calendar), compact ? QRect() : QRect(0, cy - 142, cx, 142)) << where;
            // The time picker takes the odd pixel.
            EXPECT_EQ(Place(*date), compact ? QRect(0, cy - 22, cx / 2, 22) : QRect()) << where;
            EXPECT_EQ(Place(*time), compact ? QRect(cx / 2, cy - 22, cx - cx / 2, 22) : QRect()) << where;
        }
    }
    const QImage capture = shelltest::Capture(pane);
    const QColor face = CSysColors::Get(CSysColors::BtnFace, pane.palette());
    EXPECT_EQ(capture.pixelColor(300, 5), face) << "the strip between the buttons";
    const QPoint inList = List().geometry().bottomRight() - QPoint(5, 5);
    EXPECT_EQ(capture.pixelColor(inList), List().palette().color(QPalette::Base));
    EXPECT_NE(capture.pixelColor(pane.width() / 2, pane.height() - 5), QColor(Qt::magenta)) << "the calendar";
}

TEST_F(RecordsPaneTest, LinesShowTheTimeTheNoteMarksInTheNotesModeAndTheIconOfStateAndCurrency)
{
    const CImageList icons = CImageList::FromDirectory(QStringLiteral(":/icons/records"));
    // No note when null; icons 3 to 8, the first row is the current one.
    const struct { const char* path; const char* note; const char* plain; const char* noted; int icon; } rows[] = {
        {"2006-03-01 10:00:00", "3 Wrong plate\n", "01-03-2006 10:00:00", "01-03-2006 10:00:00(3)+", 3},
        {"!CONFIRMED/2006-03-01 10:00:01", "3", "01-03-2006 10:00:01", "01-03-2006 10:00:01(3)", 6},
        {"!REJECTED/2006-03-01 10:00:02", nullptr, "01-03-2006 10:00:02", "01-03-2006 10:00:02", 8},
        {"2006-03-01 10:00:03", nullptr, "01-03-2006 10:00:03", "01-03-2006 10:00:03", 4},
    };
    for (const auto& row : rows) {
        const std::string directory = testsupport::MakeRecordDirectory(root.Path(), row.path);
        if (row.note)
            testsupport::WriteNoteFile(directory, row.note);
    }
    QAbstractItemModelTester tester(List().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    document.OnCommand(ID_REFRESH);
    for (const bool notesMode : {false, true}) {
        if (notesMode) {
            services.Answers.push_back(true);
            document.OnCommand(ID_PRIVATE_NOTES_MODE);
        }
        ASSERT_EQ(List().model()->rowCount(), 4);
        for (int i = 0; i < 4; ++i) {
            const QModelIndex index = List().model()->index(i, 0);
            EXPECT_EQ(index.data().toString().toStdString(), notesMode ? rows[i].noted : rows[i].plain);
            EXPECT_EQ(index.data(Qt::DecorationRole).value<QPixmap>().toImage(), icons.Icon(rows[i].icon).toImage())
                << rows[i].path;
        }
        EXPECT_EQ(List().currentIndex().row(), 0);
    }
    // Each state has its own current icon.
    for (const auto& [row, icon] : {std::pair{1, 5}, {2, 7}}) {
        document.SelectRecord(row);
        EXPECT_EQ(List().model()->index(row, 0).data(Qt::DecorationRole).value<QPixmap>().toImage(),
                  icons.Icon(icon).toImage());
        EXPECT_EQ(List().currentIndex().row(), row);
    }
}

// What a widget painted since the last look.
class PaintedRegion : public QObject {
public:
    QRegion region;

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// Stepping to another record of the list repaints the rows of the old and the
// new current record, and only them, and moves the selection; a rescan, a
// decision that changes a row, or the other mode starts the view over.
TEST_F(RecordsPaneTest, AStepInTheSameListRepaintsItsTwoRowsAndANewListStartsOver)
{
    PaintedRegion painted;
    List().viewport()->installEventFilter(&painted);
    MakeRecords({"2006-03-01 10:00:00", "2006-03-01 11:00:00", "2006-03-01 12:00:00"});
    // Select: the record to select, or -1 for the command.
    const struct { int select, command; bool reset; } steps[] = {
        {2, 0, false}, {1, 0, false}, {-1, ID_REFRESH, true},           {2, 0, false},
        {-1, ID_RECORD_CONFIRM, true}, {0, 0, false}, {-1, ID_PRIVATE_NOTES_MODE, true}, {1, 0, false},
    };
    services.Answers.assign(8, true);
    Settle();
    painted.region = QRegion();
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "select " << step.select << " command " << step.command);
        const int before = document.Records().SelectedIndex;
        QSignalSpy resets(List().model(), &QAbstractItemModel::modelReset);
        QSignalSpy changes(List().model(), &QAbstractItemModel::dataChanged);
        if (step.select >= 0)
            document.SelectRecord(step.select);
        else
            document.OnCommand(step.command);
        Settle();
        EXPECT_EQ(resets.size(), step.reset ? 1 : 0);
        std::vector<int> repainted;
        for (const QList<QVariant>& change : changes)
            repainted.push_back(change.at(0).toModelIndex().row());
        const std::vector<int> twoRows{before, step.select};
        EXPECT_EQ(repainted, step.reset ? std::vector<int>() : twoRows);
        const QRegion rows = QRegion(List().visualRect(List().model()->index(before, 0))) +
                             List().visualRect(List().model()->index(step.select, 0));
        EXPECT_TRUE(step.reset || painted.region == rows);
        painted.region = QRegion();
        EXPECT_EQ(List().currentIndex().row(), document.Records().SelectedIndex);
        EXPECT_EQ(List().selectionModel()->selectedIndexes().size(), 1);
    }
}

TEST_F(RecordsPaneTest, AClickedRowBecomesCurrentAfterTheClickAndAClickBesideTheRowsLeavesNone)
{
    MakeRecords({"2006-03-01 10:00:00", "2006-03-01 11:00:00", "2006-03-01 12:00:00"});
    const QRect last = List().visualRect(List().model()->index(2, 0));
    const struct { QPoint at; std::string current; } clicks[] = {
        {List().visualRect(List().model()->index(1, 0)).center(), "2006-03-01 11:00:00"},
        {QPoint(last.center().x(), last.bottom() + 20), ""},
        {last.center(), "2006-03-01 12:00:00"},
    };
    for (const auto& click : clicks) {
        const std::string before = Current();
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, click.at);
        EXPECT_EQ(Current(), before) << "the selection waits for the click to end";
        Settle();
        EXPECT_EQ(Current(), click.current);
        EXPECT_EQ(List().currentIndex().row(), document.Records().SelectedIndex);
    }
}

TEST_F(RecordsPaneTest, TheFilterButtonSwitchesBetweenAllDaysAndTheCalendarsDay)
{
    MakeRecords({"2006-03-01 10:00:00", "2006-03-02 10:00:00", "2006-03-02 11:00:00"});
    document.SelectRecord(1);
    const struct { const char* caption; int image, rows; } steps[] = {{"For the day", 1, 2}, {"All", 2, 3}};
    for (const auto& step : steps) {
        QTest::mouseClick(&Button(ID_RECDIR_FILTER_BUTTON), Qt::LeftButton, {}, QPoint(40, 11));
        Settle();
        EXPECT_EQ(Button(ID_RECDIR_FILTER_BUTTON).WindowText().toStdString(), step.caption);
        EXPECT_EQ(Button(ID_RECDIR_FILTER_BUTTON).ImageIndex(), step.image);
        EXPECT_EQ(List().model()->rowCount(), step.rows) << step.caption;
        EXPECT_EQ(Current(), "2006-03-02 10:00:00");
    }
}

// The pane's own buttons reach the decisions; the toggling itself is the
// document's (DecisionCommandsTest), the looks after every hint the binder's
// (CommandRoadTest).
TEST_F(RecordsPaneTest, ConfirmAndRejectMoveTheRecordAndShowTheirPressedLooks)
{
    const std::string name = "2006-03-01 10:00:00";
    MakeRecords({name});
    // The directory: where the record lies after the click.
    const struct { int button; const char* directory; bool confirmed, rejected; } clicks[] = {
        {ID_RECORD_CONFIRM, "!CONFIRMED/", true, false}, {ID_RECORD_REJECT, "!REJECTED/", false, true}};
    for (const auto& click : clicks) {
        QTest::mouseClick(&Button(click.button), Qt::LeftButton, {}, QPoint(40, 11));
        Settle();
        EXPECT_TRUE(std::filesystem::is_directory(root.Path() + click.directory + name)) << click.directory;
        EXPECT_EQ(Button(ID_RECORD_CONFIRM).IsChecked(), click.confirmed) << click.directory;
        EXPECT_EQ(Button(ID_RECORD_REJECT).IsChecked(), click.rejected) << click.directory;
        EXPECT_EQ(Current(), name);
    }
}

TEST_F(RecordsPaneTest, ARootGoneWhileListedGivesTheBoxThenAnEmptyList)
{
    MakeRecords({"2006-03-01 10:00:00"});
    std::filesystem::remove_all(root.Path());
    services.Events.clear();
    QTest::mouseClick(&Button(ID_RECORD_REJECT), Qt::LeftButton, {}, QPoint(40, 11));
    Settle();
    ASSERT_GE(services.Events.size(), 3u);
    EXPECT_EQ(services.Events[2], "ShowMessage File I/O error.\nThe record may not be rejected.");
    EXPECT_EQ(List().model()->rowCount(), 0);
    EXPECT_EQ(Current(), "");
    EXPECT_FALSE(Button(ID_RECORD_REJECT).IsChecked());
}

}  // namespace
