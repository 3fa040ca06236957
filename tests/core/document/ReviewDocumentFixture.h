#pragma once

#include "FakeReviewServices.h"
#include "RecordingView.h"
#include "ReviewRecordWriter.h"
#include "TempDir.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A document over a real record tree in a temporary root, with scripted
// services and a recording view registered.
class ReviewDocumentFixture : public ::testing::Test {
protected:
    ReviewDocumentFixture();
    ~ReviewDocumentFixture() override;

    // Writes a record named after the minute (12:mm:00 on 2006-03-01).
    std::string AddRecord(int minute, testsupport::ReviewRecord record = {});
    // Refresh, then forget what it sent.
    void Open();
    std::vector<int> Hints() const { return view.Hints(); }
    const std::vector<testsupport::RecordingView::Update>& Updates() const { return view.Updates; }

    testsupport::TempDir dir;
    CVantrelSettings settings;
    CCodeNoteMap codeNotes;
    testsupport::FakeReviewServices services;
    std::unique_ptr<CVantrelDoc> doc;
    testsupport::RecordingView view;
};
