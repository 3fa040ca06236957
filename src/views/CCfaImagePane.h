#pragma once

#include "platform/CImageList.h"
#include "platform/CPaneView.h"

#include <QFont>

class CBButton;
class CCfaImageView;
class CCommandBinder;
class CDynDiapWnd;

// The detailed view of the current lane frame: a column of the full-screen
// button, the colour-correction button and the dynamic-range bar on the left,
// a caption strip naming lane, frame and time along the top, and the
// scrolling picture in the rest.
class CCfaImagePane : public CPaneView {
    Q_OBJECT

public:
    static constexpr int Id = 112;
    // The tool column's width, which is also the caption strip's height.
    static constexpr int ToolWidth = 24;

    CCfaImagePane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent);

    // The dynamic-range bar follows the frame's levels and window, the
    // caption the current frame.
    void OnUpdate(int hint, const CCommandHint* object) override;

    CBButton& FullScreenButton() const { return *m_fullScreenButton; }
    CBButton& ColourButton() const { return *m_colourButton; }
    CDynDiapWnd& DynamicRange() const { return *m_dynamicRange; }
    CCfaImageView& PictureView() const { return *m_view; }
    // The caption of the current frame; empty without a record or frame.
    QString CaptionText() const;
    QRect CaptionStrip() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateButtons(CCommandBinder& binder);
    void CreateDynamicRange();
    void LayoutChildren();
    void FollowFrameLevels();

    CImageList m_images;
    QFont m_font;
    CBButton* m_fullScreenButton = nullptr;
    CBButton* m_colourButton = nullptr;
    CDynDiapWnd* m_dynamicRange = nullptr;
    CCfaImageView* m_view = nullptr;
};
