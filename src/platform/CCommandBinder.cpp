#include "platform/CCommandBinder.h"

#include "document/CVantrelDoc.h"
#include "platform/CBButton.h"

#include <QAction>
#include <QMenu>

namespace {

int CommandOf(const QAction& action)
{
    return action.data().toInt();
}

}  // namespace

CCommandBinder::CCommandBinder(CVantrelDoc& document, QObject* parent) : QObject(parent), m_document(document)
{
    m_document.AddView(this);
}

CCommandBinder::~CCommandBinder()
{
    m_document.RemoveView(this);
}

void CCommandBinder::BindAction(QAction& action)
{
    const int command = CommandOf(action);
    if (command == 0)
        return;
    connect(&action, &QAction::triggered, this, [this, command] { m_document.OnCommand(command); });
    m_actions.emplace_back(&action);
    RefreshItem(action);
}

void CCommandBinder::BindMenu(QMenu& menu)
{
    for (QAction* action : menu.actions()) {
        if (QMenu* submenu = action->menu())
            BindMenu(*submenu);
        else
            BindAction(*action);
    }
    connect(&menu, &QMenu::aboutToShow, this, [this, &menu] { RefreshItems(menu); });
}

void CCommandBinder::BindButton(CBButton& button)
{
    connect(&button, &CBButton::Command, this, [this](int command) { m_document.OnCommand(command); });
    connect(&button, &CBButton::MenuAboutToShow, this, [this](QMenu* popup) { RefreshItems(*popup); });
    m_buttons.emplace_back(&button);
    RefreshButton(button);
}

void CCommandBinder::Refresh()
{
    std::erase_if(m_actions, [](const QPointer<QAction>& action) { return action.isNull(); });
    std::erase_if(m_buttons, [](const QPointer<CBButton>& button) { return button.isNull(); });
    for (const QPointer<QAction>& action : m_actions)
        RefreshItem(*action);
    for (const QPointer<CBButton>& button : m_buttons)
        RefreshButton(*button);
}

void CCommandBinder::OnUpdate(int, const CCommandHint*)
{
    Refresh();
}

void CCommandBinder::RefreshItem(QAction& action) const
{
    const CommandState state = m_document.QueryCommand(CommandOf(action));
    action.setEnabled(state.Enabled);
    action.setCheckable(state.Checked);
    action.setChecked(state.Checked);
}

void CCommandBinder::RefreshItems(QMenu& menu) const
{
    for (QAction* action : menu.actions()) {
        if (QMenu* submenu = action->menu())
            RefreshItems(*submenu);
        else if (CommandOf(*action) != 0)
            RefreshItem(*action);
    }
}

void CCommandBinder::RefreshButton(CBButton& button) const
{
    const CommandState state = m_document.QueryCommand(button.ControlId());
    button.setEnabled(state.Enabled);
    button.SetChecked(state.ShowsPressed());
    if (state.Image != CommandState::NoImage && state.Image != button.ImageIndex())
        button.SetImageIndex(state.Image);
}
