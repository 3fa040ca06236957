#pragma once

#include <QImage>
#include <QSize>

#include <memory>

class CDibImage;

// A shared picture that does not change once made, kept scaled to the size it
// is shown at: painting it again costs a copy of the small picture, and only
// another picture or another size scales anew. Holding the picture keeps its
// owner from rendering into it meanwhile.
class CScaledPicture {
public:
    const QImage& Scaled(const std::shared_ptr<const CDibImage>& picture, QSize size);
    // Lets go of the picture, so that its owner may make another in it.
    void Release();

private:
    std::shared_ptr<const CDibImage> m_source;
    QImage m_scaled;
};
