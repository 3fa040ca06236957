#pragma once

#include "config/SiteEntry.h"
#include "records/FrameTime.h"

#include <QImage>
#include <QSize>

#include <string>

class CVantrelDoc;

// The general-view frame that the playback pane shows: the document's
// current index, and the picture, time and unit of the file last loaded. A
// file is decoded once and kept until the document shows another file, so a
// repaint without a change of frame reads nothing.
class CShownGeneralFrame {
public:
    // Takes the document's current frame; decodes its file when the path
    // differs (ignoring case) from the one loaded last. A file that cannot be
    // decoded leaves no picture, but its time and unit are still shown.
    void Follow(const CVantrelDoc& document);

    // -1 while the document shows no frame.
    int Index() const { return m_index; }
    const FrameTime& Time() const { return m_time; }
    const MacAddress& Mac() const { return m_mac; }
    bool HasPicture() const { return !m_picture.isNull(); }
    QSize PictureSize() const { return m_picture.size(); }
    // The picture scaled to size, smoothed; made once for each file and size,
    // so a repaint without a change of frame or size only copies it.
    const QImage& Scaled(QSize size);
    // How many files were decoded so far.
    int Decodes() const { return m_decodes; }

private:
    int m_index = -1;
    std::string m_path;
    FrameTime m_time;
    MacAddress m_mac{};
    // Kept as Qt decodes it: scaling works fastest on that format.
    QImage m_picture;
    QImage m_scaled;
    int m_decodes = 0;
};
