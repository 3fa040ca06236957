#include "platform/CPaneView.h"

#include "document/CVantrelDoc.h"
#include "platform/CSysColors.h"
#include "platform/Draw3dRect.h"

#include <QPainter>

CPaneView::CPaneView(CVantrelDoc& document, const QString& windowName, int id, QWidget* parent)
    : QWidget(parent), m_document(document), m_id(id)
{
    setWindowTitle(windowName);
    // The pane paints every pixel itself; an erase first would only flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CPaneView::~CPaneView()
{
    m_document.RemoveView(this);
}

void CPaneView::OnUpdate(int hint, const CCommandHint* object)
{
    (void)hint;
    (void)object;
    update();
}

void CPaneView::PrintClient(QPainter& painter)
{
    render(&painter, QPoint(), QRegion(), RenderFlag::DrawChildren);
}

void CPaneView::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    painter.fillRect(rect(), CSysColors::Get(CSysColors::BtnFace, palette()));
    DrawSunkenRect(painter, rect(), palette());
}
