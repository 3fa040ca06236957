#pragma once

class QString;
class QWidget;

// The main window as the desktop services see it. The frame lives in a layer
// above them, so they reach it only through this.
class CFrameHost {
public:
    virtual ~CFrameHost() = default;

    virtual QWidget* FrameWidget() = 0;
    // The caption follows the document: "<title> - <application title>".
    virtual void SetDocumentTitle(const QString& title) = 0;
    virtual void SetFullScreen(bool on) = 0;
    virtual void ShowMaximized() = 0;
};
