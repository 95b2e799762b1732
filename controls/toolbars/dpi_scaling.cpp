#include "controls/toolbars/dpi_scaling.h"

#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/graphics.h"

namespace {

std::optional<int> pixelsPerInchInPlace;

} // namespace

int ScalingPixelsPerInch()
{
    return pixelsPerInchInPlace.value_or(Screen->PixelsPerInch());
}

void SetScalingPixelsPerInch(std::optional<int> pixelsPerInch)
{
    pixelsPerInchInPlace = pixelsPerInch;
}

int ScaleForDPI(int n)
{
    return MulDiv(n, ScalingPixelsPerInch(), 96);
}
