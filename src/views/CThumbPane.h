#pragma once

#include "document/ThumbnailLoaderLock.h"
#include "platform/CImageList.h"
#include "platform/CPaneView.h"

#include <QFont>

#include <array>

class CBButton;
class CCommandBinder;
class CThumbView;

// The strip of lane-frame thumbnails under the detailed view: three lane
// tabs, a caption with the yellow time and the frame shown, and the
// thumbnails view below them. Its loader is held off its files while a
// record directory moves.
class CThumbPane : public CPaneView, public ThumbnailLoaderLock {
    Q_OBJECT

public:
    static constexpr int Id = 106;
    static constexpr int ButtonHeight = 22;
    static constexpr int CaptionLeft = 315;

    // The lane tabs send their commands through the binder, which also
    // enables and presses them by the document's rule.
    CThumbPane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent);

    void OnUpdate(int hint, const CCommandHint* object) override;
    void Lock() override;
    void Unlock() override;

    CThumbView& View() const { return *m_view; }
    // Lanes 1, 2, 3 at indexes 0, 1, 2.
    CBButton& LaneButton(int index) const { return *m_buttons.at(static_cast<std::size_t>(index)); }
    QString CaptionText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateButtons(CCommandBinder& binder);

    CImageList m_images;
    QFont m_font;
    std::array<CBButton*, 3> m_buttons{};
    CThumbView* m_view = nullptr;
};
