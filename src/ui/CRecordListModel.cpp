#include "ui/CRecordListModel.h"

#include "document/CVantrelDoc.h"
#include "platform/CImageList.h"
#include "records/RecordListText.h"

CRecordListModel::CRecordListModel(const CVantrelDoc& document, const CImageList& icons, QObject* parent)
    : QAbstractListModel(parent), m_document(document), m_icons(icons)
{
}

void CRecordListModel::Reset()
{
    beginResetModel();
    m_revision = m_document.Records().ListRevision;
    m_current = m_document.Records().SelectedIndex;
    endResetModel();
}

bool CRecordListModel::MoveCurrent()
{
    const RecordDirectory& records = m_document.Records();
    const int previous = m_current;
    if (records.ListRevision != m_revision || previous < 0 || records.SelectedIndex < 0)
        return false;
    m_current = records.SelectedIndex;
    for (const int row : {previous, m_current})
        emit dataChanged(index(row), index(row), {Qt::DecorationRole});
    return true;
}

int CRecordListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_document.Records().Visible.size());
}

QVariant CRecordListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row();
    if (role == Qt::DisplayRole)
        return QString::fromStdString(RecordListText(m_document.Records(), row, m_document.PrivateNotesMode()));
    if (role == Qt::DecorationRole)
        return m_icons.Icon(ImageIndex(row));
    return {};
}

int CRecordListModel::ImageIndex(int row) const
{
    const RecordDirectory& records = m_document.Records();
    const bool current = row == records.SelectedIndex;
    switch (records.Visible[static_cast<std::size_t>(row)].State) {
    case RecordState::Confirmed:
        return current ? CurrentConfirmedImage : ConfirmedImage;
    case RecordState::Rejected:
        return current ? CurrentRejectedImage : RejectedImage;
    case RecordState::Unprocessed:
        break;
    }
    return current ? CurrentUndecidedImage : UndecidedImage;
}
