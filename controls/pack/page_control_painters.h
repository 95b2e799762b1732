#pragma once

#include "controls/grid/style_painters.h"

class TKVGxPageControl6;

// The painters to which the page control hands its tabs area, tab backgrounds, buttons and separator.

class TKVGxPageControlStylePainter
{
public:
    explicit TKVGxPageControlStylePainter(TKVGxPageControl6& pageControl) : FPageControl(pageControl) {}
    virtual ~TKVGxPageControlStylePainter() = default;

    TKVGxPageControl6& PageControl() const { return FPageControl; }
    TCanvas& Canvas() const;

    virtual TColor GetTabsBackgroundColor() const;
    // The canvas font's colour.
    virtual TColor GetTabTextColor() const;
    // The background of a popup or close button; leaves the pen and brush in the glyph's colour.
    virtual void PaintButton(const TRect& rect, TGxButtonState state) = 0;
    virtual void PaintTab(const TRect& rect, TGxButtonState state) = 0;
    // A fill, or a gradient when TabsBackgroundColorTo is set.
    virtual void PaintTabsBackground(const TRect& rect);
    virtual void PaintTabsSeparator(const TRect& rect) = 0;

private:
    TKVGxPageControl6& FPageControl;
};

// Paints from the page control's colours and the active page's.
class TKVGxUserDefinedPageControlStylePainter : public TKVGxPageControlStylePainter
{
public:
    using TKVGxPageControlStylePainter::TKVGxPageControlStylePainter;

    // The hot colour under the pointer; the glyph in black.
    void PaintButton(const TRect& rect, TGxButtonState state) override;
    // The active page's tab colour (or gradient) for the selected tab; otherwise the brush as it stands.
    void PaintTab(const TRect& rect, TGxButtonState state) override;
    void PaintTabsSeparator(const TRect& rect) override;
};
