#pragma once

#include "document/ThumbnailJob.h"
#include "document/ThumbnailLoader.h"
#include "platform/CQtUiDispatcher.h"
#include "platform/CScaledPicture.h"
#include "views/ThumbStripLayout.h"

#include "platform/CScrollView.h"

#include <array>

class CVantrelDoc;
class QPainter;

// The scrolling strip of the current lane's thumbnails, up to five, with a
// red frame round the frame the detailed view shows; a click on one shows
// that frame. Its loader renders them in the background: a new record or
// lane hands it a new job, and each finished thumbnail repaints its cell.
class CThumbView : public CScrollView {
    Q_OBJECT

public:
    static constexpr int Id = 107;

    CThumbView(CVantrelDoc& document, QWidget* parent);

    // Hint 0 reloads every thumbnail, hint 2 those whose file changed.
    void OnUpdate(int hint);
    // Around the move of the record directory: the loader reads no file of
    // it meanwhile, and goes on with the moved files afterwards.
    void LockLoader();
    void UnlockLoader();

    const ThumbnailLoader& Loader() const { return m_loader; }
    ThumbStripLayout Layout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void HandOver(ThumbnailJob::ReloadKind reload);
    void OnSlotReady(int slot);
    void Draw(QPainter& painter, const ThumbStripLayout& layout);

    CVantrelDoc& m_document;
    CQtUiDispatcher m_dispatcher;
    // Declared after the dispatcher: it stops before the road of its announcements goes.
    ThumbnailLoader m_loader;
    // Each slot's picture at its cell's size: a repaint of the strip scales nothing.
    std::array<CScaledPicture, ThumbnailLoader::SlotCount> m_cells;
};
