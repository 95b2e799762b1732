#pragma once

// The pixels behind a TBitmap; for the layer's own sources only.

#include "platform/gui/graphics/bitmap.h"

#include <QImage>

struct TBitmap::Impl
{
    QImage image;
    std::unique_ptr<TCanvas> canvas;

    // Lets the bitmap's canvas stop painting before the image is replaced.
    void ReleaseCanvas();
};

QImage::Format QtFormat(TPixelFormat format);
// Black where image shows (any alpha), white where it is fully transparent.
QImage MaskFromAlpha(const QImage& image);
