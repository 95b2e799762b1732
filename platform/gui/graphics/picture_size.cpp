#include "platform/gui/graphics/picture_size.h"

#include "platform/gui/core/exceptions.h"

void CheckPictureSize(const std::string& kind, int64_t width, int64_t height)
{
    if (width <= MaxPictureSide && height <= MaxPictureSide && width * height <= MaxPicturePixels)
        return;
    throw EInvalidGraphic(kind + " image is too large: " + std::to_string(width) + " x " +
                          std::to_string(height) + " pixels, more than " + std::to_string(MaxPictureSide) +
                          " on a side or " + std::to_string(MaxPicturePixels) + " in all");
}
