#include "platform/CBFrameButton.h"

#include "platform/CCommandTarget.h"

CCommandTarget* CBFrameButton::Target() const
{
    return m_target ? m_target : dynamic_cast<CCommandTarget*>(window());
}

void CBFrameButton::SendCommand(int id)
{
    if (CCommandTarget* target = Target())
        target->OnCommand(id, nullptr);
}

void CBFrameButton::ShowDropDown()
{
    CCommandTarget* target = Target();
    QMenu* popup = DropDownMenu();
    if (target && popup)
        target->OnInitMenuPopup(*popup);
    CBButton::ShowDropDown();
}
