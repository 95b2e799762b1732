#include "controls/toolbars/popup_placement.h"

#include <algorithm>

namespace {

// The submenu frame overlaps its entry by this much.
constexpr int SubmenuOverlap = 3;

bool Overlaps(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

class TPlacer
{
public:
    explicit TPlacer(const TPopupPlacementRequest& request) : r_(request) {}

    TPopupPlacement Place()
    {
        FirstPosition();
        FitVertically();
        if (r_.PositionAsSubmenu)
            FitSubmenuHorizontally();
        else
            FitHorizontally();
        return {{x_, y_}, opposite_, Direction()};
    }

private:
    TRect At(int x, int y) const { return {x, y, x + r_.Width, y + r_.Height}; }
    int Covered(int x, int y) const
    {
        return r_.HasParentView && r_.CoveredViewers ? r_.CoveredViewers(At(x, y)) : 0;
    }
    bool CoversParent(int x, int y) const { return Overlaps(At(x, y), r_.ParentRect); }

    void FirstPosition()
    {
        const TRect& parent = r_.ParentRect;
        if (!r_.HasParentView) {
            x_ = r_.PopupPoint.X;
            y_ = r_.PopupPoint.Y;
            if (r_.Alignment == tbpaRight)
                x_ -= r_.Width;
            else if (r_.Alignment == tbpaCenter)
                x_ -= r_.Width / 2;
        } else if (r_.PositionAsSubmenu) {
            x_ = parent.Right - SubmenuOverlap;
            y_ = parent.Top - SubmenuOverlap;
        } else if (!r_.Chevron && r_.ParentVertical) {
            x_ = parent.Left - r_.Width;
            y_ = parent.Top;
        } else if (!r_.Chevron) {
            x_ = r_.MenuDropRight ? parent.Right - r_.Width : parent.Left;
            y_ = parent.Bottom;
        } else if (r_.ChevronVertical) {
            x_ = parent.Left - r_.Width;
            y_ = parent.Top;
        } else {
            x_ = parent.Right - r_.Width;
            y_ = parent.Bottom;
        }
    }

    void FitVertically()
    {
        const TRect& monitor = r_.Monitor;
        if (y_ + r_.Height > monitor.Bottom && !(r_.HasParentView && r_.ParentVertical)) {
            const int above =
                (r_.PositionAsSubmenu ? r_.ParentRect.Bottom + SubmenuOverlap : r_.ParentRect.Top) -
                r_.Height;
            if (above >= monitor.Top)
                y_ = above;
        }
        if (y_ + r_.Height > monitor.Bottom)
            y_ = monitor.Bottom - r_.Height;
        if (y_ < monitor.Top)
            y_ = monitor.Top;
    }

    void FitSubmenuHorizontally()
    {
        bool requested = r_.OppositeRequested;
        for (;;) {
            int x = x_;
            const bool flips = requested || x_ + r_.Width > r_.Monitor.Right;
            if (flips)
                x = (r_.HasParentView ? r_.ParentRect.Left + SubmenuOverlap : x_) - r_.Width;
            // A left side asked for by the parent is given up where it would cross the monitor's edge.
            if (flips && requested && x < r_.Monitor.Left) {
                requested = false;
                continue;
            }
            opposite_ = flips;
            x_ = std::max(x, r_.Monitor.Left);
            return;
        }
    }

    void FitHorizontally()
    {
        const TRect& monitor = r_.Monitor;
        if (!r_.HasParentView && r_.Alignment == tbpaRight && x_ < monitor.Left)
            x_ += r_.Width;
        if (x_ + r_.Width > monitor.Right)
            x_ = r_.HasParentView || r_.Alignment != tbpaLeft ? monitor.Right - r_.Width : x_ - r_.Width;
        x_ = std::max(x_, monitor.Left);
        KeepParentUncovered();
    }

    void KeepParentUncovered()
    {
        const TRect& parent = r_.ParentRect;
        const TRect& monitor = r_.Monitor;
        if (!r_.HasParentView || !r_.ParentVertical) {
            const int above = parent.Top - r_.Height;
            if (above >= monitor.Top && (Covered(x_, above) < Covered(x_, y_) || CoversParent(x_, y_)))
                y_ = above;
            if (CoversParent(x_, y_)) {
                x_ = parent.Right + r_.Width <= monitor.Right ? parent.Right : parent.Left - r_.Width;
                x_ = std::max(x_, monitor.Left);
            }
            return;
        }
        const int right = parent.Right;
        if (right + r_.Width <= monitor.Right &&
            (Covered(right, y_) < Covered(x_, y_) || CoversParent(x_, y_)))
            x_ = right;
        if (CoversParent(x_, y_)) {
            y_ = parent.Bottom + r_.Height <= monitor.Bottom ? parent.Bottom : parent.Top - r_.Height;
            y_ = std::max(y_, monitor.Top);
        }
    }

    TBarAnimationDirection Direction() const
    {
        const TRect& parent = r_.ParentRect;
        if (r_.PositionAsSubmenu)
            return x_ + r_.Width / 2 < (parent.Left + parent.Right) / 2 ? tbadLeft : tbadRight;
        TBarAnimationDirection direction;
        if (y_ >= parent.Bottom)
            direction.Include(tbadDown);
        if (y_ + r_.Height <= parent.Top)
            direction.Include(tbadUp);
        if (x_ >= parent.Right)
            direction.Include(tbadRight);
        if (x_ + r_.Width <= parent.Left)
            direction.Include(tbadLeft);
        return direction;
    }

    const TPopupPlacementRequest& r_;
    int x_ = 0;
    int y_ = 0;
    bool opposite_ = false;
};

} // namespace

TPopupPlacement PlacePopup(const TPopupPlacementRequest& request)
{
    return TPlacer(request).Place();
}
