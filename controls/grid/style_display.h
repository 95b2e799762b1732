#pragma once

#include "controls/grid/column_types.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/control.h"

#include <functional>
#include <string>

class TCanvas;
class TGxCustomGridControl;

// Which corner box is painted.
enum TBoxLocation
{
    bpAlone,
    bpBottom,
    bpTop
};

// On paper no header backgrounds are painted.
enum TDisplayMedia
{
    dmPaper,
    dmScreen
};

enum TStyleDisplayAttribute
{
    sdaHoverEnabled, // the grid tracks the header under the mouse and repaints it hot
    sdaInvertFocus,  // the focused column's header is shown inverted
    sdaCustomArrow   // the style paints its own sort arrow
};
using TStyleDisplayAttributes = TSet<TStyleDisplayAttribute>;

using TDisplayDrawEvent = std::function<void(TObject* sender, int Index, const TRect& Rect)>;

// The painter of everything a grid shows outside its cells: column headers with captions, glyphs and sort
// arrows, footers with their values, the input row, the indicator column with the marker of the selected
// row, the corner boxes, the splitters and the header area right of the last column. This class holds the
// shared painting; each descendant gives one of the grid's header styles. Its owner is the grid (or the
// column drag box); the KV_ colours are read from the owner while it is a grid with its customization on,
// else the classic colours are used.
class TStyleDisplay : public TPersistent
{
public:
    explicit TStyleDisplay(TComponent* owner) : FOwner(owner) {}

    TBiDiMode BiDiMode() const { return FBidiMode; }
    void SetBiDiMode(TBiDiMode value) { FBidiMode = value; }
    // Where to paint; the grid hands its canvas over before every paint.
    TCanvas* Canvas() const { return FCanvas; }
    void SetCanvas(TCanvas* value) { FCanvas = value; }
    // Sort arrows and focus inversion are painted.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value) { FDefaultDrawing = value; }
    TDisplayMedia DisplayMedia() const { return FDisplayMedia; }
    void SetDisplayMedia(TDisplayMedia value) { FDisplayMedia = value; }
    // The platform's theme drawing is used; the grid sets it before every paint.
    bool UseThemes() const { return FEnableThemes; }
    void SetUseThemes(bool value) { FEnableThemes = value; }
    // The open theme of the header class, set by the grid for the default style.
    HTHEME Theme() const { return FTheme; }
    void SetTheme(HTHEME value) { FTheme = value; }
    TComponent* Owner() const { return FOwner; }
    TStyleDisplayAttributes StyleDisplayAttributes() const { return GetStyleDisplayAttributes(); }
    // The owner's style elements (all of them for an owner that is no control).
    TStyleElements StyleElements() const;
    // The class library's active style is enabled: never in this program.
    bool UseStyles() const;

    virtual ~TStyleDisplay() = default;

    // 0 unless DefaultDrawing on screen; then 11 with themes and a text-only header, else 2. Read by nothing.
    virtual int GetHeaderIndent(TGxCustomColumn* column);
    virtual TStyleDisplayAttributes GetStyleDisplayAttributes() const { return {}; }
    virtual void AdjustHeaderTextRect(TRect&) {}
    // A 9-pixel arrow whose top is y: a themed triangle, or an etched outline.
    virtual void DrawSortArrow(int x, int y, bool ascending);
    virtual void DrawFooterContent(TGxCustomColumn* column, const TRect& rect);
    virtual void DrawHeaderContent(TGxCustomColumn* column, const TRect& rect);
    virtual void DrawAreaSplitter(const TRect& rect) { DrawCornerBox(rect, bpAlone); }
    // Filled with the owner's colour.
    virtual void DrawCornerBox(const TRect& rect, TBoxLocation location);
    virtual void DrawFooter(TGxCustomColumn* column, const TRect& rect, bool grid);
    virtual void DrawHeader(TGxCustomColumn* column, const TRect& rect);
    virtual void DrawHeaderBackground(TGxCustomColumn*, const TRect&) {}
    // A small raised button for one row.
    virtual void DrawIndicator(const TRect& rect, int index, bool selected, bool highlighted);
    // The marker of the selected or highlighted row, drawn after the indicator cell; only for a grid.
    virtual void DrawIndicatorState(const TRect& rect, bool selected, bool highlighted);
    virtual void DrawInput(TGxCustomColumn* column, const TRect& rect, bool grid, bool selected,
                           bool focused);
    // The header strip right of the last column: filled with the owner's colour.
    virtual void DrawInactiveHeader(const TRect& rect);

    // The header's share of a best-fit width.
    int GetHeaderContentWidth(TGxCustomColumn* column);
    // One left-aligned text, vertically centred, with an end ellipsis and without prefix processing.
    void DoDrawText(TCanvas& canvas, const TRect& textRect, const std::string& caption, bool multiLine);
    // A line along the bottom and one along the right edge of rect.
    static void DrawCellBorder(TCanvas& canvas, const TRect& rect, TColor color);

    // After each footer or header is painted, with the column's index and the rectangle.
    TDisplayDrawEvent OnDraw;
    TDisplayDrawEvent OnHeaderDraw;

protected:
    // The owner while it is a grid; nullptr otherwise.
    TGxCustomGridControl* Grid() const;
    // The owner's colour (clWindow for an owner that is no control).
    TColor OwnerColor() const;
    // A KV_ colour of the grid while its customization is on, else the classic colour.
    TColor CustomColor(TColor (TGxCustomGridControl::*kvColor)() const, TColor classic) const;
    // Pen lines through the points, the last point unpainted.
    void Lines(TColor color, std::initializer_list<TPoint> points);
    void Fill(const TRect& rect, TColor color);
    // A right and a bottom line inside rect, in one polyline.
    void RightAndBottomLines(const TRect& rect, TColor color);
    void InvertRect(const TRect& rect);

private:
    int HeaderTextExtent(TGxCustomColumn* column);
    void DrawGlyph(TBitmap& glyph, int x, int y);

    TBiDiMode FBidiMode = bdLeftToRight;
    TCanvas* FCanvas = nullptr; // the grid's, not owned
    bool FDefaultDrawing = true;
    TDisplayMedia FDisplayMedia = dmScreen;
    bool FEnableThemes = false;
    HTHEME FTheme = nullptr; // the grid's, not owned
    TComponent* FOwner;      // the grid or the drag box
};
