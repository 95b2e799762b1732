#include "controls/toolbars/popup_placement.h"

#include <gtest/gtest.h>

namespace {

constexpr TRect Monitor{0, 0, 800, 600};

TPopupPlacementRequest AtPoint(TPoint p, TBarPopupAlignment alignment, int width = 100, int height = 50)
{
    TPopupPlacementRequest r;
    r.Width = width;
    r.Height = height;
    r.Monitor = Monitor;
    r.PopupPoint = p;
    r.ParentRect = {p.X, p.Y, p.X, p.Y};
    r.Alignment = alignment;
    return r;
}

// A popup of width x height belonging to a button or entry at parent.
TPopupPlacementRequest From(TRect parent, bool submenu, int width = 100, int height = 50)
{
    TPopupPlacementRequest r;
    r.Width = width;
    r.Height = height;
    r.Monitor = Monitor;
    r.ParentRect = parent;
    r.HasParentView = true;
    r.PositionAsSubmenu = submenu;
    return r;
}

TEST(PopupPlacement, Cases)
{
    struct Case
    {
        const char* what;
        TPopupPlacementRequest request;
        TPoint pos;
        TBarAnimationDirection direction;
        bool opposite = false;
    };
    TPopupPlacementRequest opposite = From({300, 100, 400, 120}, true);
    opposite.OppositeRequested = true;
    TPopupPlacementRequest oppositeAtTheEdge = From({50, 100, 150, 120}, true);
    oppositeAtTheEdge.OppositeRequested = true;
    TPopupPlacementRequest vertical = From({700, 200, 724, 222}, false);
    vertical.ParentVertical = true;
    TPopupPlacementRequest dropRight = From({100, 20, 140, 42}, false);
    dropRight.MenuDropRight = true;
    const Case cases[] = {
        {"at a point, left-aligned", AtPoint({400, 100}, tbpaLeft), {400, 100}, {tbadDown, tbadRight}},
        {"near the right edge, left-aligned: left of the point",
         AtPoint({750, 100}, tbpaLeft),
         {650, 100},
         {tbadDown, tbadLeft}},
        {"near the left edge, right-aligned: right of the point",
         AtPoint({30, 100}, tbpaRight),
         {30, 100},
         {tbadDown, tbadRight}},
        {"centred on the point", AtPoint({400, 100}, tbpaCenter), {350, 100}, {tbadDown}},
        {"near the bottom: above the point", AtPoint({400, 580}, tbpaLeft), {400, 530}, {tbadUp, tbadRight}},
        {"a drop-down below its button", From({100, 20, 140, 42}, false), {100, 42}, {tbadDown}},
        {"dropping right-aligned", dropRight, {40, 42}, {tbadDown}},
        {"a drop-down too low for the monitor: above the button",
         From({100, 560, 140, 580}, false),
         {100, 510},
         {tbadUp}},
        {"too tall for either side: clamped, and moved off the button",
         From({100, 560, 140, 580}, false, 100, 590),
         {140, 10},
         {tbadRight}},
        {"a submenu beside its entry, 3 pixels in and up",
         From({200, 100, 300, 120}, true),
         {297, 97},
         {tbadRight}},
        {"a submenu at the right edge opens on the left",
         From({700, 100, 790, 120}, true),
         {603, 97},
         {tbadLeft},
         true},
        {"a submenu of a submenu on the left opens on the left", opposite, {203, 97}, {tbadLeft}, true},
        {"unless that crosses the monitor's left edge", oppositeAtTheEdge, {147, 97}, {tbadRight}},
        {"a submenu too low opens upwards from its entry",
         From({200, 560, 300, 580}, true, 100, 100),
         {297, 483},
         {tbadRight}},
        {"a drop-down from a vertical bar opens on its left", vertical, {600, 200}, {tbadLeft}},
    };
    for (const Case& c : cases) {
        const TPopupPlacement placed = PlacePopup(c.request);
        EXPECT_EQ(placed.Pos, c.pos) << c.what;
        EXPECT_EQ(placed.Direction, c.direction) << c.what;
        EXPECT_EQ(placed.Opposite, c.opposite) << c.what;
    }
}

TEST(PopupPlacement, ADropDownGoesAboveWhenBelowItWouldHideMoreOfTheBar)
{
    // A bar of two lines: below the first line's button the popup would cover the second line.
    TPopupPlacementRequest r = From({100, 300, 140, 322}, false, 100, 80);
    r.CoveredViewers = [](const TRect& popup) { return popup.Top >= 322 && popup.Top < 344 ? 3 : 0; };
    EXPECT_EQ(PlacePopup(r).Pos, (TPoint{100, 220}));
    r.CoveredViewers = [](const TRect&) { return 0; };
    EXPECT_EQ(PlacePopup(r).Pos, (TPoint{100, 322}));
}

} // namespace
