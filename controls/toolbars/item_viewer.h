#pragma once

#include "controls/toolbars/item.h"
#include "platform/gui/core/set_of.h"
#include "platform/gui/windows/cursors.h"
#include "platform/gui/windows/keys.h"

#include <memory>
#include <string>

// The on-screen form of one item in one view: it decides how large the item is (as a toolbar button or as a
// menu entry), how it looks in each state, and what a press and a release on it mean. Only views make
// viewers; the view lays them out and hands them their input.

class TBarBaseAccObject;
class TBarView;
class TCanvas;
class TCustomImageList;

// What the view keeps on a viewer between paints and layouts.
enum TBarViewerStateFlag
{
    tbvsNeedsOffscreenPaint, // the next paint goes through a bitmap of its own
    tbvsIsLineSeparator      // a separator that breaks a toolbar's line
};
using TBarViewerState = TSet<TBarViewerStateFlag>;

class TBarItemViewer : public TObject
{
public:
    TBarItemViewer(TBarView* view, TBarCustomItem* item, int groupLevel);
    ~TBarItemViewer() override;

    // Client coordinates of the view's window.
    const TRect& BoundsRect() const { return FBoundsRect; }
    // Hidden because the popup view is scrolled.
    bool Clipped() const { return FClipped; }
    // 0 for a child of the shown item, n + 1 for a child of an embedded group at level n.
    int GroupLevel() const { return FGroupLevel; }
    TBarCustomItem* Item() const { return FItem; }
    // Hidden for lack of room.
    bool OffEdge() const { return FOffEdge; }
    bool Show() const { return FShow; }
    TBarView* View() const { return FView; }
    int Index() const;
    TBarViewerState State;

    // --- size and looks ---
    virtual void CalcSize(TCanvas& canvas, int& width, int& height);
    // clientAreaRect is the viewer's rectangle moved to (0, 0); the view has chosen the font, its colour and
    // the brush of the state.
    virtual void Paint(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected, bool isPushed,
                       bool useDisabledShadow);
    // One caption; with the disabled shadow drawn twice, in highlight and in shadow.
    virtual void DrawCaptionText(TCanvas& canvas, TRect rect, const std::string& caption, bool disabledShadow,
                                 unsigned format);
    // Whether the view makes it as wide as the other viewers that say so.
    virtual bool UsesSameWidth();
    // The caption up to its first tab.
    virtual std::string GetDisplayCaption();
    virtual bool CaptionShown();
    bool ImageShown();
    // The item's images, else the submenu images of the items the views on the way up show.
    TCustomImageList* GetImageList();
    // Drawn turned, in a vertical toolbar.
    bool IsRotated();
    // Sized like a toolbar button (a toolbar view, or tboToolbarSize).
    bool IsToolbarSize();
    // Drawn like a toolbar button (a toolbar view, or tboToolbarStyle).
    bool IsToolbarStyle();

    // --- input ---
    // x and y are relative to the viewer's top-left.
    virtual bool IsPointInButtonPart(int x, int y);
    virtual void HandleMouseDown(TShiftState shift, int x, int y, bool& mouseDownOnMenu);
    virtual void HandleMouseMove(int, int) {}
    virtual void HandleMouseUp(int x, int y, bool mouseWasDownOnMenu);
    virtual void HandleMouseWheel(int, int, int) {}
    virtual void HandleKeyDown(uint16_t&, TShiftState) {}
    // The cursor over a point of the viewer; leaves cursor alone by default.
    virtual void GetCursorAt(TPoint, HCURSOR&) {}
    virtual void EnterSelection();
    virtual void LeaveSelection();
    virtual void CaptureLost();
    // Ends the modal loop with a click of the item; true when it did.
    virtual bool DoExecute();
    void Execute(bool givePriority);
    // A point of the screen relative to the viewer.
    TPoint ScreenToClient(TPoint p);

    // --- hints and accessibility ---
    std::string GetHintText();
    virtual int GetAccessibleRole();
    virtual bool GetAccessibleValue(std::string&) { return false; }
    std::shared_ptr<TBarBaseAccObject> GetAccObject();
    bool IsAccessible() const { return FShow || FOffEdge || FClipped; }
    void AccessibleSelect(bool execute);
    void PostAccessibleSelect(bool execute);

protected:
    void DrawSubmenuArrow(TCanvas& canvas, const TRect& clientAreaRect, bool isSelected,
                          bool useDisabledShadow);

private:
    friend class TBarView;
    friend class TBarViewLayout;
    void MenuCalcSize(TCanvas& canvas, int& width, int& height);
    void ToolbarCalcSize(TCanvas& canvas, int& width, int& height);
    void PaintToolbarFrame(TCanvas& canvas, TRect& r, TRect& dropDown, bool isSelected, bool isPushed,
                           bool itemEnabled, bool useDisabledShadow);
    void PaintCaption(TCanvas& canvas, const TRect& r, int imageColumnWidth, bool useDisabledShadow);
    void PaintShortCut(TCanvas& canvas, const TRect& r, bool useDisabledShadow);
    void PaintSubmenuPart(TCanvas& canvas, const TRect& r, const TRect& clientAreaRect, bool isSelected,
                          bool itemEnabled, bool useDisabledShadow);
    void PaintImageColumn(TCanvas& canvas, const TRect& r, int imageColumnWidth, bool isSelected,
                          bool itemEnabled);
    // The menu text rectangle below the padding that captions and shortcuts share.
    TRect MenuTextRect(TCanvas& canvas, TRect t);
    // One drawing of a caption: turned in a vertical toolbar, else as DrawText draws it.
    void DrawCaptionOnce(TCanvas& canvas, TRect rect, const std::string& text, unsigned format);
    // The dropdown arrow of a toolbar button, with the disabled shadow when asked.
    void DrawDropdownArrow(TCanvas& canvas, const TRect& r, bool vertical, bool useDisabledShadow);

    TRect FBoundsRect;
    bool FClipped = false;
    int FGroupLevel;
    TBarCustomItem* FItem;
    bool FOffEdge = false;
    bool FShow = false;
    TBarView* FView;
    std::shared_ptr<TBarBaseAccObject> FAccObjectInstance;
};
