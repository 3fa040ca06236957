// Another officer's program removes or renames the record shown in the main
// window, its thumbnails loading: Confirm or Reject then reports the failed
// move in the message box, the list shows the disk as it is, and picking
// another row sets that record up.

#include "ModalAnswerer.h"
#include "ReviewRecordWriter.h"
#include "ReviewWindow.h"

#include "document/CommandIds.h"
#include "platform/CBButton.h"
#include "ui/CRecordDirectoryPane.h"
#include "ui/CVantrelView.h"

#include <QAbstractItemView>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;
using shelltest::ModalAnswerer;

const std::string Shown = "2006-03-01 10:00:01";
const std::string Names[] = {"2006-03-01 10:00:00", Shown, "2006-03-01 10:00:02"};

class RecordGoneWhileShown : public testing::Test {
protected:
    void SetUp() override
    {
        window.Frame->resize(1000, 700);
        window.Frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Frame.get()));
    }
    // The three records afresh, the middle one shown, with empty decision
    // directories beside them.
    void ShowRecords()
    {
        fs::remove_all(window.Root.Path());
        for (const std::string& name : Names)
            testsupport::WriteReviewRecord(window.Root.Path(), {name, 2, {5, 2, 0}, {}, {}});
        fs::create_directories(window.Root.Path() + "!CONFIRMED");
        fs::create_directories(window.Root.Path() + "!REJECTED");
        window.Document->OnCommand(ID_REFRESH);
        window.Document->SelectRecord(1);
        QCoreApplication::processEvents();
    }
    CRecordDirectoryPane& Pane() const { return *window.Frame->View()->RecordsPane(); }
    QAbstractItemView& List() const { return *static_cast<QAbstractItemView*>(Pane().RecordsList()); }
    CBButton& Button(int id) const
    {
        for (CBButton* button : Pane().findChildren<CBButton*>())
            if (button->ControlId() == id)
                return *button;
        throw std::logic_error("no button " + std::to_string(id));
    }
    // The record directories under the root and its decision directories.
    std::size_t RecordsOnDisk() const
    {
        std::size_t count = 0;
        for (const char* place : {"", "!CONFIRMED", "!REJECTED"}) {
            if (!fs::is_directory(window.Root.Path() + place))
                continue;
            for (const fs::directory_entry& entry : fs::directory_iterator(window.Root.Path() + place))
                count += entry.is_directory() && entry.path().filename().string()[0] != '!';
        }
        return count;
    }

    shelltest::ReviewWindow window;
};

TEST_F(RecordGoneWhileShown, TheDecisionReportsTheFailureRefreshesAndAnotherRowCanBePicked)
{
    const std::string shown = window.Root.Path() + Shown;
    const struct {
        const char* change;
        std::function<void()> apply;
        std::size_t left;  // records on disk afterwards
    } changes[] = {
        {"removed", [&] { fs::remove_all(shown); }, 2},
        {"renamed", [&] { fs::rename(shown, window.Root.Path() + "2006-03-01 10:00:59"); }, 3},
        {"confirmed elsewhere", [&] { fs::rename(shown, window.Root.Path() + "!CONFIRMED/" + Shown); }, 3},
        {"rejected elsewhere", [&] { fs::rename(shown, window.Root.Path() + "!REJECTED/" + Shown); }, 3},
    };
    for (const int button : {ID_RECORD_CONFIRM, ID_RECORD_REJECT}) {
        for (const auto& change : changes) {
            SCOPED_TRACE(std::string(change.change) + (button == ID_RECORD_CONFIRM ? ", Confirm" : ", Reject"));
            ShowRecords();
            ASSERT_EQ(window.Document->Records().Visible.at(1).Name, Shown);
            change.apply();
            ModalAnswerer answer(QMessageBox::Ok);
            QTest::mouseClick(&Button(button), Qt::LeftButton, {}, QPoint(40, 11));
            QCoreApplication::processEvents();
            ASSERT_EQ(answer.Seen().size(), 1u);
            EXPECT_EQ(answer.Seen()[0].toStdString(), button == ID_RECORD_CONFIRM
                                                          ? "File I/O error.\nThe record may not be confirmed."
                                                          : "File I/O error.\nThe record may not be rejected.");
            EXPECT_EQ(RecordsOnDisk(), change.left) << "a failed move loses nothing";
            EXPECT_EQ(static_cast<std::size_t>(List().model()->rowCount()), change.left) << "the list is the disk";

            QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, List().visualRect(List().model()->index(1, 0)).center());
            QCoreApplication::processEvents();
            ASSERT_EQ(window.Document->Records().SelectedIndex, 1);
            EXPECT_TRUE(window.Document->DetailedImageReady()) << window.Document->Records().Visible[1].Name;
            EXPECT_EQ(List().currentIndex().row(), 1);
        }
    }
}

}  // namespace
