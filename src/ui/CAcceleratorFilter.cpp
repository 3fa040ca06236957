#include "ui/CAcceleratorFilter.h"

#include "document/Accelerator.h"
#include "document/CVantrelDoc.h"
#include "platform/MatchesKeyStroke.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool IsTextField(const QWidget* widget)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->isEditable();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

bool IsTextFieldFocused()
{
    return IsTextField(QApplication::focusWidget());
}

// Keys a text field uses for its own editing: they stay the field's.
bool IsEditingKey(const KeyStroke& keys)
{
    if (keys.Character)
        return true;
    if (keys.Modifiers & (KeyStroke::Ctrl | KeyStroke::Alt))
        return false;
    return keys.Key == KeyStroke::Escape || keys.Key == KeyStroke::Insert || keys.Key == KeyStroke::Delete ||
           keys.Key == KeyStroke::Backspace;
}

}  // namespace

CAcceleratorFilter::CAcceleratorFilter(CVantrelDoc& document, QWidget& frame)
    : QObject(&frame), m_document(document), m_frame(frame)
{
    // Key events go to the focused control, so only the application sees
    // every one of them before the controls do.
    QCoreApplication::instance()->installEventFilter(this);
}

bool CAcceleratorFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const int command = CommandFor(watched, *key);
    if (command == 0)
        return false;
    // Claiming the shortcut stage keeps menus and widgets' own shortcuts out;
    // the command runs on the key press that follows.
    key->accept();
    if (type == QEvent::KeyPress)
        m_document.OnCommand(command);
    return true;
}

int CAcceleratorFilter::CommandFor(QObject* receiver, const QKeyEvent& event) const
{
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    // Dialogs and open menus are windows of their own: their keys stay theirs.
    if (!widget || widget->window() != &m_frame)
        return 0;
    for (const Accelerator& row : Accelerators()) {
        if (!MatchesKeyStroke(row.Keys, event))
            continue;
        // A disabled command's key goes on to the control, as if unbound.
        return Applies(row.Keys) && m_document.QueryCommand(row.Command).Enabled ? row.Command : 0;
    }
    return 0;
}

bool CAcceleratorFilter::Applies(const KeyStroke& keys) const
{
    if (IsTextFieldFocused() && IsEditingKey(keys))
        return false;
    return !keys.Character || InCharacterTarget();
}

bool CAcceleratorFilter::InCharacterTarget() const
{
    const QWidget* focus = QApplication::focusWidget();
    return m_characterTarget && focus && (focus == m_characterTarget || m_characterTarget->isAncestorOf(focus));
}
