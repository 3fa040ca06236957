#pragma once

#include "platform/CQtReviewServices.h"

// The desktop services with the document's three dialogs. The dialogs sit
// above the platform layer, so they are run here rather than in
// CQtReviewServices; each is one dialog class of its own over its form.
class CQtReviewDialogs : public CQtReviewServices {
    Q_OBJECT

public:
    using CQtReviewServices::CQtReviewServices;

    bool RunRecordInformation(RecordInformation& information) override;
    bool RunPrivateNote(PrivateNoteForm& form) override;
    bool RunPrintSelection(PrintSelectionForm& form) override;
};
