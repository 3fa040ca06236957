#include "imaging/PictureScale.h"

#include <algorithm>

PictureScale ScalePicture(ImageSize picture, ImageSize client, int zoom)
{
    PictureScale result;
    if (picture.width <= 0 || picture.height <= 0)
        return result;
    const double zoomScale = zoom * 0.01;
    result.Scale = zoomScale;
    if (zoomScale <= 0.001)
        result.Scale = std::min(static_cast<double>(client.width) / picture.width,
                                static_cast<double>(client.height) / picture.height);
    result.Painted = {static_cast<int32_t>(picture.width * result.Scale),
                      static_cast<int32_t>(picture.height * result.Scale)};
    if (zoom > 0)
        result.Scroll = {static_cast<int32_t>(picture.width * zoomScale),
                         static_cast<int32_t>(picture.height * zoomScale)};
    return result;
}
