#pragma once

#include "document/CReviewView.h"

#include <QObject>
#include <QPointer>

#include <vector>

class CBButton;
class CVantrelDoc;
class QAction;
class QMenu;

// The one road between the widgets and the document's commands. A bound menu
// item or pane button runs its command only through the document's
// OnCommand, and after every update hint (and when a menu opens) it shows
// what the command's update rule says: enabled, ticked, and for a button the
// icon. No widget keeps a command's state of its own.
class CCommandBinder : public QObject, public CReviewView {
    Q_OBJECT

public:
    // Registers itself with the document for its hints.
    CCommandBinder(CVantrelDoc& document, QObject* parent);
    ~CCommandBinder() override;

    // An item whose data is its command id; items without one are left alone.
    void BindAction(QAction& action);
    // Every item of the menu and of its submenus, now and each time it opens.
    // Not for a button's drop-down menu: the button sends what is chosen there.
    void BindMenu(QMenu& menu);
    // The button sends its control id, or what is chosen in its menu.
    void BindButton(CBButton& button);

    // Every bound item and button from the command table.
    void Refresh();
    void OnUpdate(int hint, const CCommandHint* object) override;

private:
    void RefreshItem(QAction& action) const;
    void RefreshItems(QMenu& menu) const;
    void RefreshButton(CBButton& button) const;

    CVantrelDoc& m_document;
    std::vector<QPointer<QAction>> m_actions;
    std::vector<QPointer<CBButton>> m_buttons;
};
