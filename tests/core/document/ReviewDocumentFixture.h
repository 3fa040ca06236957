#pragma once

#include "FakeReviewServices.h"
#include "RecordTreeWriter.h"
#include "RecordingView.h"
#include "ReviewRecordWriter.h"
#include "TempDir.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CommandIds.h"
#include "document/CVantrelDoc.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A document over a real record tree in a temporary root, with scripted
// services and a recording view registered.
class ReviewDocumentFixture : public ::testing::Test {
protected:
    // A record 12:mm:00 on 2006-03-01 with frames in the lanes (left, middle,
    // right) and the general view; returns the path of its note file.
    std::string AddRecord(int minute, std::array<int, 3> lanes = {}, int general = 0, std::string red = {})
    {
        const std::string name = testsupport::RecordName(2006, 3, 1, 12, minute, 0);
        const std::string yellow = red.empty() ? "" : "2006-03-01 12:00:00.000";
        return testsupport::WriteReviewRecord(dir.Path(), {name, general, lanes, red, yellow}) + "PrivateNote.txt";
    }
    // A fresh document, refreshed, with what that sent forgotten.
    void Open()
    {
        settings.RootDirectory = dir.Path();
        doc = std::make_unique<CVantrelDoc>(settings, codeNotes, services);
        doc->OnNewDocument();
        doc->SetPrintPreview(&services);
        doc->SetLoaderLock(&services);
        doc->AddView(&view);
        doc->Refresh();
        Forget();
    }
    void Forget()
    {
        view.Updates.clear();
        services.Events.clear();
    }
    // Playback from a general-view frame, started as the user starts it.
    void Play(int frame)
    {
        doc->SetGeneralFrame(frame, false);
        ASSERT_TRUE(doc->OnCommand(ID_PLAY_CONTINUE));
    }
    std::string LanePath(int lane, int frame) const
    {
        return testsupport::ReviewLaneFramePath(doc->Records().Content.Path, lane, frame);
    }

    testsupport::TempDir dir;
    CVantrelSettings settings;
    CCodeNoteMap codeNotes;
    testsupport::FakeReviewServices services;
    std::unique_ptr<CVantrelDoc> doc;
    testsupport::RecordingView view;
};
