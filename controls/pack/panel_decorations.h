#pragma once

#include "controls/pack/gradient_ex.h"
#include "platform/gui/core/collection.h"

#include <memory>
#include <string>

// The panel's decorations, painted between its background and its borders: horizontal bars, vertical
// lines, horizontal lines and captions, each placed from an edge or the centre of the client rectangle
// inside the visible borders. Item setters notify the item's OnChange (no equality test, no range check);
// the panel shows item changes at its next repaint.

enum TKvpVerticalLinePosition
{
    vlpFromLeft,
    vlpCenter,
    vlpFromRight
};
enum TKvpHorizontalLinePosition
{
    hlpFromTop,
    hlpCenter,
    hlpFromBottom
};
enum TKvpTextHorizontalPosition
{
    thpFromLeft,
    thpCenter,
    thpFromRight
};
enum TKvpTextVerticalPosition
{
    tvpFromTop,
    tvpCenter,
    tvpFromBottom
};
enum TKvpHorizontalBarPosition
{
    hbpFromTop,
    hbpCenter,
    hbpFromBottom,
    hbpPercentFromTop,
    hbpPercentFromBottom
};

// The base of the items: the change event and the setter that notifies it.
class TKvpDecorationItem : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;
    TNotifyEvent OnChange;

protected:
    template <typename T> void Store(T& field, T value)
    {
        field = value;
        Notify();
    }
    void Notify()
    {
        if (OnChange)
            OnChange(this);
    }
};

class TKvpPanelVerticalLine : public TKvpDecorationItem
{
public:
    explicit TKvpPanelVerticalLine(TCollection* collection);
    TPen* Pen() const { return FPen.get(); }
    void SetPen(const TPen* value) { FPen->Assign(value); }
    int TopMargin() const { return FTopMargin; }
    void SetTopMargin(int value) { Store(FTopMargin, value); }
    int BottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(int value) { Store(FBottomMargin, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Store(FVisible, value); }
    int PosX() const { return FPosX; }
    void SetPosX(int value) { Store(FPosX, value); }
    TKvpVerticalLinePosition LinePosition() const { return FLinePosition; }
    void SetLinePosition(TKvpVerticalLinePosition value) { Store(FLinePosition, value); }
    // From another vertical line only; anything else raises the cannot-assign error.
    void Assign(const TPersistent* source) override;

private:
    std::unique_ptr<TPen> FPen;
    int FTopMargin = 0;
    int FBottomMargin = 0;
    bool FVisible = true;
    int FPosX = 10;
    TKvpVerticalLinePosition FLinePosition = vlpFromLeft;
};

class TKvpPanelHorizontalLine : public TKvpDecorationItem
{
public:
    explicit TKvpPanelHorizontalLine(TCollection* collection);
    TPen* Pen() const { return FPen.get(); }
    void SetPen(const TPen* value) { FPen->Assign(value); }
    int LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int value) { Store(FLeftMargin, value); }
    int RightMargin() const { return FRightMargin; }
    void SetRightMargin(int value) { Store(FRightMargin, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Store(FVisible, value); }
    int PosY() const { return FPosY; }
    void SetPosY(int value) { Store(FPosY, value); }
    TKvpHorizontalLinePosition LinePosition() const { return FLinePosition; }
    void SetLinePosition(TKvpHorizontalLinePosition value) { Store(FLinePosition, value); }
    void Assign(const TPersistent* source) override;

private:
    std::unique_ptr<TPen> FPen;
    int FLeftMargin = 0;
    int FRightMargin = 0;
    bool FVisible = true;
    int FPosY = 10;
    TKvpHorizontalLinePosition FLinePosition = hlpFromTop;
};

class TKvpPanelCaption : public TKvpDecorationItem
{
public:
    explicit TKvpPanelCaption(TCollection* collection);
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value) { Store(FText, value); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value) { FFont->Assign(value); }
    int PosX() const { return FPosX; }
    void SetPosX(int value) { Store(FPosX, value); }
    int PosY() const { return FPosY; }
    void SetPosY(int value) { Store(FPosY, value); }
    int MarginX() const { return FMarginX; }
    void SetMarginX(int value) { Store(FMarginX, value); }
    int MarginY() const { return FMarginY; }
    void SetMarginY(int value) { Store(FMarginY, value); }
    TKvpTextVerticalPosition VerticalPosition() const { return FVerticalPosition; }
    void SetVerticalPosition(TKvpTextVerticalPosition value) { Store(FVerticalPosition, value); }
    TKvpTextHorizontalPosition HorizontalPosition() const { return FHorizontalPosition; }
    void SetHorizontalPosition(TKvpTextHorizontalPosition value) { Store(FHorizontalPosition, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Store(FVisible, value); }
    // Copies the font and the placement; the target keeps its Text and Visible, and is not notified.
    void Assign(const TPersistent* source) override;

private:
    std::string FText;
    std::unique_ptr<TFont> FFont;
    int FPosX = 10;
    int FPosY = 10;
    int FMarginX = 0;
    int FMarginY = 0;
    TKvpTextVerticalPosition FVerticalPosition = tvpFromTop;
    TKvpTextHorizontalPosition FHorizontalPosition = thpFromLeft;
    bool FVisible = true;
};

// A filled strip across the panel; its Border pen's width is the frame's thickness (0: no frame). Bars
// cannot be copied.
class TKvpPanelHorizontalBar : public TKvpDecorationItem
{
public:
    explicit TKvpPanelHorizontalBar(TCollection* collection);
    TPen* Border() const { return FBorder.get(); }
    void SetBorder(const TPen* value) { FBorder->Assign(value); }
    int Height() const { return FHeight; }
    void SetHeight(int value) { Store(FHeight, value); }
    int PosY() const { return FPosY; }
    void SetPosY(int value) { Store(FPosY, value); }
    TKvpHorizontalBarPosition BarPosition() const { return FBarPosition; }
    void SetBarPosition(TKvpHorizontalBarPosition value) { Store(FBarPosition, value); }
    TColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { Store(FBackgroundColor, value); }
    TKvpGradientEx* Gradient() const { return FGradient.get(); }
    void SetGradient(const TKvpGradientEx* value) { FGradient->Assign(value); }
    bool DrawGradient() const { return FDrawGradient; }
    void SetDrawGradient(bool value) { Store(FDrawGradient, value); }
    int LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int value) { Store(FLeftMargin, value); }
    int RightMargin() const { return FRightMargin; }
    void SetRightMargin(int value) { Store(FRightMargin, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Store(FVisible, value); }

private:
    std::unique_ptr<TPen> FBorder;
    int FHeight = 20;
    int FPosY = 20;
    TKvpHorizontalBarPosition FBarPosition = hbpFromTop;
    TColor FBackgroundColor = clBtnFace;
    std::unique_ptr<TKvpGradientEx> FGradient;
    bool FDrawGradient = true;
    int FLeftMargin = 0;
    int FRightMargin = 0;
    bool FVisible = true;
};

// A collection of one kind of decoration, owned by a panel.
template <typename TItem> class TKvpDecorationCollection : public TOwnedCollection
{
public:
    explicit TKvpDecorationCollection(TPersistent* owner) : TOwnedCollection(owner, ItemClass<TItem>()) {}
    TItem* Items(int index) const { return static_cast<TItem*>(TCollection::Items(index)); }
    TItem* Add() { return static_cast<TItem*>(TCollection::Add()); }
};

using TKvpPanelVerticalLines = TKvpDecorationCollection<TKvpPanelVerticalLine>;
using TKvpPanelHorizontalLines = TKvpDecorationCollection<TKvpPanelHorizontalLine>;
using TKvpPanelCaptions = TKvpDecorationCollection<TKvpPanelCaption>;
using TKvpPanelHorizontalBars = TKvpDecorationCollection<TKvpPanelHorizontalBar>;

// The painters, on the client rectangle r with the panel's visible border widths.
struct TBorderWidths;
void DrawHorizontalBars(TCanvas& canvas, const TRect& r, const TBorderWidths& w,
                        const TKvpPanelHorizontalBars& bars);
void DrawVerticalLines(TCanvas& canvas, const TRect& r, const TBorderWidths& w,
                       const TKvpPanelVerticalLines& lines);
void DrawHorizontalLines(TCanvas& canvas, const TRect& r, const TBorderWidths& w,
                         const TKvpPanelHorizontalLines& lines);
void DrawCaptions(TCanvas& canvas, const TRect& r, const TBorderWidths& w, const TKvpPanelCaptions& captions);
