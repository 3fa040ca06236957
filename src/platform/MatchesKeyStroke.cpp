#include "platform/MatchesKeyStroke.h"

#include "document/KeyStroke.h"

#include <QKeyEvent>

namespace {

Qt::KeyboardModifiers QtModifiers(std::uint8_t modifiers)
{
    Qt::KeyboardModifiers result;
    if (modifiers & KeyStroke::Ctrl)
        result |= Qt::ControlModifier;
    if (modifiers & KeyStroke::Shift)
        result |= Qt::ShiftModifier;
    if (modifiers & KeyStroke::Alt)
        result |= Qt::AltModifier;
    return result;
}

// Letters and digits share their numbers with Qt's keys; the named keys do not.
int QtKey(int virtualKey)
{
    switch (virtualKey) {
    case KeyStroke::Backspace:
        return Qt::Key_Backspace;
    case KeyStroke::Escape:
        return Qt::Key_Escape;
    case KeyStroke::Insert:
        return Qt::Key_Insert;
    case KeyStroke::Delete:
        return Qt::Key_Delete;
    case KeyStroke::F2:
        return Qt::Key_F2;
    case KeyStroke::F5:
        return Qt::Key_F5;
    case KeyStroke::F6:
        return Qt::Key_F6;
    case KeyStroke::F9:
        return Qt::Key_F9;
    case KeyStroke::F10:
        return Qt::Key_F10;
    default:
        return virtualKey;
    }
}

}  // namespace

bool MatchesKeyStroke(const KeyStroke& keys, const QKeyEvent& event)
{
    const Qt::KeyboardModifiers held =
        event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    if (keys.Character) {
        const QString text = event.text();
        return !(held & (Qt::ControlModifier | Qt::AltModifier)) && text.size() == 1 &&
               text.at(0) == QChar(keys.Key);
    }
    return QKeyCombination(held, Qt::Key(event.key())) == KeyCombinationOf(keys);
}

QKeyCombination KeyCombinationOf(const KeyStroke& keys)
{
    return QKeyCombination(QtModifiers(keys.Modifiers), Qt::Key(QtKey(keys.Key)));
}
