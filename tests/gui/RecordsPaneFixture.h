#pragma once

// The records pane alone on a document over a record root of its own, with
// the scripted desktop, shown offscreen as the main view would place it.

#include "FakeReviewServices.h"
#include "RecordTreeWriter.h"
#include "TempDir.h"
#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "platform/CBButton.h"
#include "platform/CCommandBinder.h"
#include "ui/CRecordDirectoryPane.h"

#include <QAbstractItemView>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace panetest {

class RecordsPaneTest : public testing::Test {
protected:
    RecordsPaneTest()
    {
        settings.RootDirectory = root.Path();
        document.SetLoaderLock(&services);
        document.AddView(&pane);
        pane.resize(450, 500);
        pane.show();
    }

    // Writes the record directories (a name, or "!CONFIRMED/" or
    // "!REJECTED/" and a name), then refreshes.
    void MakeRecords(const std::vector<std::string>& paths)
    {
        for (const std::string& path : paths)
            testsupport::MakeRecordDirectory(root.Path(), path);
        document.OnCommand(ID_REFRESH);
    }
    CBButton& Button(int id) const
    {
        for (CBButton* button : pane.findChildren<CBButton*>())
            if (button->ControlId() == id)
                return *button;
        throw std::logic_error("no button " + std::to_string(id));
    }
    QAbstractItemView& List() { return *static_cast<QAbstractItemView*>(pane.RecordsList()); }
    // The name of the document's current record; empty for none.
    std::string Current() const
    {
        const RecordDirectory& records = document.Records();
        return records.SelectedIndex < 0 ? std::string() : records.Visible.at(records.SelectedIndex).Name;
    }
    // Lets the posted selection of a row run.
    static void Settle() { QCoreApplication::processEvents(); }

    testsupport::TempDir root;
    CVantrelSettings settings;
    CCodeNoteMap codeNotes;
    testsupport::FakeReviewServices services;
    CVantrelDoc document{settings, codeNotes, services};
    CCommandBinder binder{document, nullptr};
    CRecordDirectoryPane pane{document, binder, nullptr};
};

}  // namespace panetest
