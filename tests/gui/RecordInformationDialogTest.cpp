// The record information dialog as the Information command opens it.

#include "DialogsDocument.h"
#include "ModalScript.h"

#include "dialogs/CDlgRedlightInfo.h"
#include "document/CommandIds.h"
#include "document/UpdateHints.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace dialogtest {
namespace {

using D = CDlgRedlightInfo;
const MacAddress Unit{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
const std::string Day = "Wednesday, 01-March-2006 ";

// Each text in its own box; which texts a record's times give is the
// document's rule, checked with the information texts.
TEST(RecordInformationDialog, ShowsTheTimesOfAnUnknownUnitListedOnCancelAndOkStoresTheTypedAddressOverTheOldOne)
{
    DialogsDocument review({TimedRecord(0, "2006-03-01 12:00:03.250", "2006-03-01 12:00:00.000")});
    const ModalScript script{
        [](QWidget& dialog) {
            const auto text = [&](int id) { return Control<QLineEdit>(dialog, id).text().toStdString(); };
            EXPECT_EQ(text(D::IDC_SITE_ADDRESS), "");
            EXPECT_EQ(text(D::IDC_MAC_ADDRESS), "00:11:22:33:44:55");
            EXPECT_EQ(text(D::IDC_RED_START), Day + "12:00:03.250");
            EXPECT_EQ(text(D::IDC_YELLOW_START), Day + "12:00:00.000");
            EXPECT_EQ(text(D::IDC_YELLOW_DURATION), "3.250 sec. ");
            for (const int id : {D::IDC_MAC_ADDRESS, D::IDC_RED_START, D::IDC_YELLOW_START, D::IDC_YELLOW_DURATION})
                EXPECT_TRUE(Control<QLineEdit>(dialog, id).isReadOnly()) << id;
            QTest::keyClicks(&Control<QLineEdit>(dialog, D::IDC_SITE_ADDRESS), "Bridge");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        },
        [](QWidget& dialog) {
            QTest::keyClicks(&Control<QLineEdit>(dialog, D::IDC_SITE_ADDRESS), "Ring Road");
            QTest::keyClick(&dialog, Qt::Key_Return);
        }};
    EXPECT_TRUE(review.Document->OnCommand(ID_RECORD_INFORMATION));
    SiteEntry* site = review.Settings.LookupSite(Unit, false);
    ASSERT_NE(site, nullptr) << "the unit is listed though the dialog was cancelled";
    EXPECT_EQ(site->address, "");
    EXPECT_TRUE(review.View.Updates.empty());

    site->address = "Old Bridge";
    review.Document->OnCommand(ID_RECORD_INFORMATION);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(review.Settings.LookupSite(Unit, false)->address, "Ring Road");
    EXPECT_EQ(review.View.Hints(), std::vector<int>{HINT_ALL});
}

}  // namespace
}  // namespace dialogtest
