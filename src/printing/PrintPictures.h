#pragma once

#include <string>

class CDibImage;

// The pictures of a print job that come from the desktop: bitmap files as
// the platform loads them, and the main window as it looks now. Each fills
// picture upright and answers false, leaving it as it was, when there is
// nothing to show; a page then leaves that place empty, without a message.
class PrintPictures {
public:
    virtual ~PrintPictures() = default;

    // A general-view frame's bitmap file.
    virtual bool LoadBitmap(const std::string& path, CDibImage& picture) = 0;
    // The main view with its four panes, captured while the page is drawn.
    virtual bool CaptureMainView(CDibImage& picture) = 0;
    // The subpoena form, read afresh for every page that shows it.
    virtual bool LoadSubpoenaForm(CDibImage& picture) = 0;
};
