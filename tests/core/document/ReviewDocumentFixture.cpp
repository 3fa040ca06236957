#include "ReviewDocumentFixture.h"

#include "RecordTreeWriter.h"

ReviewDocumentFixture::ReviewDocumentFixture()
{
    settings.RootDirectory = dir.Path();
    doc = std::make_unique<CVantrelDoc>(settings, codeNotes, services);
    doc->OnNewDocument();
    doc->AddView(&view);
}

ReviewDocumentFixture::~ReviewDocumentFixture()
{
    doc->RemoveView(&view);
}

std::string ReviewDocumentFixture::AddRecord(int minute, testsupport::ReviewRecord record)
{
    record.Name = testsupport::RecordName(2006, 3, 1, 12, minute, 0);
    return testsupport::WriteReviewRecord(dir.Path(), record);
}

void ReviewDocumentFixture::Open()
{
    doc->Refresh();
    view.Clear();
    services.Events.clear();
}
