#pragma once

#include <QAbstractListModel>

#include <cstdint>

class CImageList;
class CVantrelDoc;

// The records list over the document's visible rows, one line each. Nothing
// is kept per row: a line's text (and in the private notes mode its note
// file) is read only when a view asks for that row, so a refill costs the
// same for ten rows and for a hundred thousand.
class CRecordListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // Icon slots of the records strip.
    static constexpr int CurrentUndecidedImage = 3;
    static constexpr int UndecidedImage = 4;
    static constexpr int CurrentConfirmedImage = 5;
    static constexpr int ConfirmedImage = 6;
    static constexpr int CurrentRejectedImage = 7;
    static constexpr int RejectedImage = 8;

    // The document and the icons outlive the model.
    CRecordListModel(const CVantrelDoc& document, const CImageList& icons, QObject* parent);

    // The visible rows changed: every view starts over.
    void Reset();
    // Another current record in the rows the views show: the two rows whose
    // icons change repaint, and true. False when the list changed or was
    // rescanned since (as entering or leaving the notes mode does), or either
    // record is none: then only a Reset brings the views up to date.
    bool MoveCurrent();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    int ImageIndex(int row) const;

    const CVantrelDoc& m_document;
    const CImageList& m_icons;
    // What the views were last brought up to.
    std::uint64_t m_revision = 0;
    int m_current = -1;
};
