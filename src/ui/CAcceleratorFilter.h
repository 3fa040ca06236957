#pragma once

#include <QObject>
#include <QPointer>

class CVantrelDoc;
struct KeyStroke;
class QKeyEvent;
class QWidget;

// The program's only accelerator table, as one filter on the application's
// key events: a key of the table pressed anywhere in the main window runs its
// command when the command's rule enables it. Keys of disabled commands, and
// those of dialogs and open menus, go on to their widgets.
class CAcceleratorFilter : public QObject {
    Q_OBJECT

public:
    // The document runs the commands; frame is the window the keys belong to.
    CAcceleratorFilter(CVantrelDoc& document, QWidget& frame);

    // The mark keys (digits and minus) work only while this control or one
    // inside it has the focus.
    void SetCharacterTarget(QWidget* target) { m_characterTarget = target; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The command of the key, or 0 when the key is not the table's here.
    int CommandFor(QObject* receiver, const QKeyEvent& event) const;
    bool Applies(const KeyStroke& keys) const;
    bool InCharacterTarget() const;

    CVantrelDoc& m_document;
    QWidget& m_frame;
    QPointer<QWidget> m_characterTarget;
};
