#pragma once

#include <memory>

class QGuiApplication;

// Qt's painter needs a GUI application for its fonts; the tool makes one on
// the offscreen platform, so it runs without a display, for as long as the
// object lives. Windows (the main view that a printed screen shows) need a
// widget application.
class OffscreenGui {
public:
    enum class Kind { Painting, Widgets };

    explicit OffscreenGui(Kind kind = Kind::Painting);
    ~OffscreenGui();
    OffscreenGui(const OffscreenGui&) = delete;
    OffscreenGui& operator=(const OffscreenGui&) = delete;

private:
    int argc_ = 1;
    char name_[13] = "vantrel-tool";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};
