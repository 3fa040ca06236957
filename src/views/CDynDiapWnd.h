#pragma once

#include "views/DynDiapGeometry.h"

#include <QFrame>

#include <array>

// The "Dynamic Diapason" bar beside the detailed view: which part of the
// frame's level range the display window covers, the highest level at the
// top. The upper handle sets the level shown white, the lower handle the level
// shown black, the band between them moves both. It knows no document: a drag
// ends in one DynDiapNotify with the new levels.
class CDynDiapWnd : public QFrame {
    Q_OBJECT

public:
    static constexpr int Id = 108;
    enum PartState { Normal = 0, Hot = 1, Pressed = 2 };

    explicit CDynDiapWnd(QWidget* parent);

    // Levels at the bottom and the top of the bar, in either order.
    void SetRange(int a, int b, bool repaint);
    // The markers, in either order, kept within the range.
    void SetPos(int a, int b, bool repaint);

    const DynDiapGeometry& Geometry() const { return m_geometry; }
    bool Dragging() const { return m_dragging; }
    PartState State(DynDiapGeometry::Part part) const { return m_states[part]; }

signals:
    void DynDiapNotify(int highValue, int lowValue);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void Relayout(bool repaint);
    QPoint ClientPoint(const QMouseEvent& event) const;
    void Hover(DynDiapGeometry::Part part);
    void DragTo(QPoint point);
    void DrawHandle(QPainter& painter, DynDiapGeometry::Part part, const QRect& area) const;
    void DrawBand(QPainter& painter) const;
    void DrawBorder(QPainter& painter, const QRect& rect, PartState state) const;

    DynDiapGeometry m_geometry;
    std::array<PartState, DynDiapGeometry::PartCount> m_states{};
    DynDiapGeometry::Part m_hoverPart = DynDiapGeometry::NoPart;
    DynDiapGeometry::Part m_capturedPart = DynDiapGeometry::NoPart;
    bool m_dragging = false;
    QPoint m_lastPoint;
};
