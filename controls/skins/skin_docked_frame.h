#pragma once

#include "controls/toolbars/dockable_window.h"

// What the skinned toolbar and tool window share about their frame: the docked frame and drag handle,
// the client background that continues it, the floating border, and the repaints after a skin change or a
// new caption. window must implement IQvSkinnedDockableWindow.

// The docked frame and drag handle; with drawToDC the whole window is painted onto dc, else only the
// frame (within clip) onto the window's own frame.
void DrawSkinnedNCArea(TBarCustomDockableWindow& window, bool drawToDC, HDC dc, const TRegion* clip);
// WM_ERASEBKGND: the client background, lined up with the frame when docked.
void EraseSkinnedClientArea(TBarCustomDockableWindow& window, TMessage& message);
// The floating frame's border under a skin; frameworkSize otherwise.
TPoint SkinnedFloatingBorderSize(TPoint frameworkSize);
// WM_SKINCHANGED: a window that is not floating repaints with its frame and children (a floating one's
// frame is its floating frame's).
void RedrawAfterSkinChange(TBarCustomDockableWindow& window);
// After CM_TEXTCHANGED: a floating window's frame shows the new caption.
void RedrawFloatingCaption(TBarCustomDockableWindow& window);
