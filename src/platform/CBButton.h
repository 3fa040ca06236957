#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class CImageList;
class QMenu;
class QPainter;

// The flat, self-drawn push button of all panes: an icon and an optional
// caption, hover, pressed and checked looks, and an optional menu on a
// separate arrow strip or on the whole button. A click, and a command chosen
// in its menu, come out as Command after the current event, like a posted
// menu command; the command binder takes them to the document and sets the
// looks that follow the command's state.
class CBButton : public QWidget {
    Q_OBJECT

public:
    enum StateBit : quint32 {
        StateChecked = 1,         // the command's state, set by the binder
        StateDropDownPressed = 2, // the arrow strip is held down
        StatePressed = 4,         // the button part shows pressed
        StateHover = 8,           // the mouse is over the button
    };

    enum StyleBit : quint32 {
        StyleDropDown = 1,       // has an arrow strip with the menu
        StyleCaptionBelow = 2,   // caption under the icon instead of right of it
        StyleDropDownBottom = 4, // arrow strip along the bottom instead of the right
    };

    // Created visible inside parent, like any child window.
    CBButton(const QString& caption, quint32 style, const QRect& rect, QWidget* parent, int id);

    void SetChecked(bool checked);
    bool IsChecked() const { return (m_state & StateChecked) != 0; }
    void SetImageIndex(int index);
    // The owner keeps the image list and the menu alive as long as the button.
    void SetImageList(const CImageList* imageList, int index);
    void AttachMenu(QMenu* menu);
    // The window font; with redraw the button is repainted at once.
    void SetFont(const QFont& font, bool redraw);
    void SetWindowText(const QString& text);
    const QString& WindowText() const { return m_text; }
    // A button may change the command it sends (play and pause share one).
    void SetControlId(int id) { m_id = id; }
    int ControlId() const { return m_id; }

    quint32 State() const { return m_state; }
    QMenu* Menu() const { return m_menu; }
    quint32 Style() const { return m_style; }
    int ImageIndex() const { return m_imageIndex; }
    QRect DropDownRect() const { return m_dropDownRect; }
    QRect ButtonRect() const { return m_buttonRect; }
    QRect ImageRect() const { return m_imageRect; }
    QRect CaptionRect() const { return m_captionRect; }

signals:
    void Command(int id);
    // The drop-down menu is about to open: the moment to bring its items'
    // states up to date.
    void MenuAboutToShow(QMenu* popup);

protected:
    virtual void Layout(int cx, int cy);
    virtual void Draw(QPainter& painter);
    // Posts Command: it comes out after the current event, and not at all
    // when the button is gone by then.
    virtual void SendCommand(int id);
    // Opens the menu under the button and sends the command chosen in it.
    virtual void ShowDropDown();
    virtual void Click();
    virtual void DropDownPressed();
    virtual void DropDownReleased();
    virtual void ButtonPressed();
    virtual void ButtonReleased();
    virtual void MouseMoved();
    virtual void MouseLeft();

    // Runs popup modally with its top-left corner at screenPos and answers the
    // command id (the action's data) of the chosen item, 0 when none was chosen.
    virtual int RunMenu(QMenu& popup, const QPoint& screenPos);
    // The popup that the drop-down shows: the first submenu of the attached
    // menu, or the attached menu itself when its first item opens none.
    QMenu* DropDownMenu() const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool HasState(quint32 bits) const { return (m_state & bits) != 0; }
    // Sets or clears bits and answers whether that changed anything.
    bool ChangeState(quint32 bits, bool on);
    void Relayout() { Layout(width(), height()); }
    void DrawPart(QPainter& painter, const QRect& part, bool sunken) const;
    void DrawArrow(QPainter& painter, const QColor& color) const;
    void DrawIcon(QPainter& painter) const;

    QString m_text;
    quint32 m_style;
    int m_id;
    quint32 m_state = 0;
    QMenu* m_menu = nullptr;
    const CImageList* m_imageList = nullptr;
    int m_imageIndex = 0;
    bool m_capturing = false;
    QRect m_dropDownRect;
    QRect m_buttonRect;
    QRect m_imageRect;
    QRect m_captionRect;
};
