#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/floating_frame.h"
#include "controls/toolbars/toolbar.h"

#include <algorithm>

// The sizes a floating toolbar snaps between while its frame is sized: for each count of wrapped lines the
// narrowest frame that gives it.

void TBarCustomToolbar::ListFloatingSizes(std::vector<TPoint>& list)
{
    TRect margins;
    FView->GetMargins(tbvoFloating, margins);
    const int minWidth = margins.Left + margins.Right;
    const int savedWidth = FFloatingWidth;
    FFloatingWidth = 0;
    try {
        TPoint s = ComputeArrangement(false, dkNotDocked, true, nullptr);
        list.push_back(s);
        int lines = 1;
        int x = s.X - 1;
        while (x >= minWidth) {
            FFloatingWidth = x;
            s = ComputeArrangement(false, dkNotDocked, true, nullptr);
            if (s.X > x)
                break;
            if (s.X < x) {
                x = s.X;
                continue;
            }
            if (FLastWrappedLines == lines)
                list.back() = s;
            else
                list.push_back(s);
            lines = FLastWrappedLines;
            --x;
        }
    } catch (...) {
        FFloatingWidth = savedWidth;
        throw;
    }
    FFloatingWidth = savedWidth;
}

void TBarCustomToolbar::SizingStarted(TBarSizeHandle sizeHandle)
{
    TBarCustomDockableWindow::SizingStarted(sizeHandle);
    TBarFloatingWindowParent* frame = FloatParent();
    FSizeData = std::make_unique<TToolbarSizeData>();
    TToolbarSizeData& data = *FSizeData;
    data.SizeHandle = sizeHandle;
    data.OrigWidth = frame->Width();
    data.OrigHeight = frame->Height();
    data.NCXDiff = ClientOrigin().X - frame->Left();
    data.CurRightX = FFloatingWidth;
    ListFloatingSizes(data.NewSizes);
    for (TPoint& size : data.NewSizes)
        AddFloatingNCAreaToSize(size);
    const bool byHeight = sizeHandle == twshTop || sizeHandle == twshBottom;
    std::stable_sort(
        data.NewSizes.begin(), data.NewSizes.end(),
        [byHeight](const TPoint& a, const TPoint& b) { return byHeight ? a.Y > b.Y : a.X > b.X; });
    const bool byWidth = sizeHandle == twshLeft || sizeHandle == twshRight;
    auto length = [&](size_t i) { return byWidth ? data.NewSizes[i].X : data.NewSizes[i].Y; };
    const auto it =
        std::find(data.NewSizes.begin(), data.NewSizes.end(), TPoint{data.OrigWidth, data.OrigHeight});
    if (it == data.NewSizes.end())
        return;
    const size_t i = static_cast<size_t>(it - data.NewSizes.begin());
    const int deadZone = ScaleForDPI(12);
    if (i > 0)
        data.DistanceToLargerSize = std::min(length(i - 1) - length(i), deadZone);
    if (i + 1 < data.NewSizes.size())
        data.DistanceToSmallerSize = std::min(length(i) - length(i + 1), deadZone);
}

void TBarCustomToolbar::SizingTrack(TRect& newRect, const TRect& origRect)
{
    TBarCustomDockableWindow::SizingTrack(newRect, origRect);
    if (!FSizeData || FSizeData->NewSizes.empty())
        return;
    TToolbarSizeData& data = *FSizeData;
    const bool horizontal = data.SizeHandle == twshLeft || data.SizeHandle == twshRight;
    int tracked = horizontal ? newRect.Width() : newRect.Height();
    const int starting = horizontal ? data.OrigWidth : data.OrigHeight;
    const bool shrinking = tracked < starting;
    if (!(data.DisableSensCheck && shrinking == data.OpSide)) {
        data.DisableSensCheck = false;
        data.OpSide = shrinking;
        // A dead zone around the starting size keeps it until the pointer has gone far enough.
        if (tracked > starting - data.DistanceToSmallerSize && tracked < starting + data.DistanceToLargerSize)
            tracked = starting;
    }
    newRect = origRect;
    const bool growing = tracked > starting;
    const size_t last = data.NewSizes.size() - 1;
    auto lengthOf = [&](const TPoint& p) { return horizontal ? p.X : p.Y; };
    size_t chosen = growing ? last : 0;
    if (growing) {
        for (size_t i = last + 1; i-- > 0;) {
            chosen = i;
            if (i == 0 || lengthOf(data.NewSizes[i]) >= tracked)
                break;
        }
    } else {
        for (size_t i = 0; i <= last; ++i) {
            chosen = i;
            if (i == last || lengthOf(data.NewSizes[i]) <= tracked)
                break;
        }
    }
    const TPoint e = data.NewSizes[chosen];
    if (horizontal) {
        data.CurRightX = chosen == 0 ? 0 : e.X - 2 * data.NCXDiff;
        if (data.SizeHandle == twshRight)
            newRect.Right = newRect.Left + e.X;
        else
            newRect.Left = newRect.Right - e.X;
        newRect.Bottom = newRect.Top + e.Y;
    } else {
        data.CurRightX = chosen == last ? 0 : e.X - 2 * data.NCXDiff;
        if (data.SizeHandle == twshBottom)
            newRect.Bottom = newRect.Top + e.Y;
        else
            newRect.Top = newRect.Bottom - e.Y;
        newRect.Right = newRect.Left + e.X;
    }
    data.DisableSensCheck = newRect != origRect;
}

void TBarCustomToolbar::SizingApply()
{
    TBarCustomDockableWindow::SizingApply();
    if (FSizeData)
        FFloatingWidth = FSizeData->CurRightX;
}

void TBarCustomToolbar::SizingFinished()
{
    TBarCustomDockableWindow::SizingFinished();
    FSizeData.reset();
}
