#pragma once

class CDibImage;

// Fills target, at the size it has, with the whole of source stretched or
// shrunk: each pixel the bilinear blend of the four source pixels around the
// point it stands for, centres on centres, as a smooth painter draws a
// picture. Only the rows and pixels sampled are read, so a thumbnail of a
// lane frame costs a small part of its rendering. Nothing happens when
// either has no pixels.
void ScalePictureSmooth(const CDibImage& source, CDibImage& target);
