#include "controls/grid/slide_bounds.h"

#include "controls/grid/column.h"

void TGxSlideBounds::Changed()
{
    if (FOwner)
        FOwner->ReportChange(ccSlideChanged);
}

void TGxSlideBounds::SetLeft(int value)
{
    FLeft = value;
    Changed();
}

void TGxSlideBounds::SetTop(int value)
{
    FTop = value;
    Changed();
}

void TGxSlideBounds::SetWidth(int value)
{
    if (value == FWidth)
        return;
    FWidth = value;
    Changed();
}

void TGxSlideBounds::SetHeight(int value)
{
    if (value == FHeight)
        return;
    FHeight = value;
    Changed();
}

void TGxSlideBounds::Assign(const TPersistent* source)
{
    const auto* bounds = dynamic_cast<const TGxSlideBounds*>(source);
    if (!bounds) {
        TPersistent::Assign(source);
        return;
    }
    FHeight = bounds->FHeight;
    FLeft = bounds->FLeft;
    FTop = bounds->FTop;
    FWidth = bounds->FWidth;
}
