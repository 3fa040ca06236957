#pragma once

#include <QImage>

class CDibImage;

// A picture in 32-bit pixels, top row first, copied from a bottom-up 24-bit
// one: Qt scales such pixels several times faster, and the copy needs no flip
// when painted. The pixel memory is kept from one copy to the next, so a new
// picture of the same size costs no allocation.
class CUprightPicture {
public:
    // A picture without pixels leaves a null image.
    void CopyFrom(const CDibImage& dib);
    const QImage& Image() const { return m_image; }

private:
    QImage m_image;
};
