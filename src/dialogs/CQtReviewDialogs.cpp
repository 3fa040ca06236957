#include "dialogs/CQtReviewDialogs.h"

#include "dialogs/CDlgPrivateNote.h"
#include "dialogs/CDlgRedlightInfo.h"
#include "dialogs/CDlgWhatToPrint.h"

bool CQtReviewDialogs::RunRecordInformation(RecordInformation& information)
{
    return CDlgRedlightInfo(information, Owner()).exec() == QDialog::Accepted;
}

bool CQtReviewDialogs::RunPrivateNote(PrivateNoteForm& form)
{
    return CDlgPrivateNote(form, Owner()).exec() == QDialog::Accepted;
}

bool CQtReviewDialogs::RunPrintSelection(PrintSelectionForm& form)
{
    return CDlgWhatToPrint(form, Owner()).exec() == QDialog::Accepted;
}
