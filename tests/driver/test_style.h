#pragma once

// A custom style for the tests of the layer and of the component libraries, so that the custom-style paths
// run: every element a flat fill in a colour of its own, content 3 pixels inside, white text (grey when
// disabled) and dark panels.

#include "platform/gui/windows/style_manager.h"

#include <algorithm>

class TTestStyle : public TCustomStyleServices
{
public:
    static constexpr TColor Text = 0xFFFFFF, DisabledText = 0x808080, PanelFill = 0x204020,
                            PanelHighlight = 0x80C080, PanelShadow = 0x103010, ButtonFace = 0x303030;

    // The fill of an element: a colour that differs for every element, part and state.
    static TColor Fill(const TThemedElementDetails& d)
    {
        return TColor(20 + 10 * d.Element) | TColor(40 + 20 * d.Part) << 8 | TColor(60 + 30 * d.State) << 16;
    }
    template <typename TElementKind> static TColor Fill(TElementKind element)
    {
        return Fill(GetElementDetails(element));
    }

    std::string Name() const override { return "Test"; }
    bool Enabled() const override { return enabled; }
    bool DrawElement(TCanvas& canvas, const TThemedElementDetails& details, const TRect& rect,
                     const TRect* clip) override
    {
        TRect r = rect;
        if (clip)
            r = {std::max(r.Left, clip->Left), std::max(r.Top, clip->Top), std::min(r.Right, clip->Right),
                 std::min(r.Bottom, clip->Bottom)};
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Fill(details));
        canvas.FillRect(r);
        return true;
    }
    bool HasTransparentParts(const TThemedElementDetails&) override { return false; }
    bool GetElementContentRect(TCanvas*, const TThemedElementDetails&, const TRect& bounds,
                               TRect& content) override
    {
        content = {bounds.Left + 3, bounds.Top + 3, bounds.Right - 3, bounds.Bottom - 3};
        return true;
    }
    bool GetElementColor(const TThemedElementDetails& details, TElementColor which, TColor& color) override
    {
        if (details.Element == tePanel) {
            const bool background = details == GetElementDetails(tpPanelBackground);
            if (background && which == ecFillColor)
                color = PanelFill;
            else if (!background && (which == ecEdgeHighLightColor || which == ecEdgeShadowColor))
                color = which == ecEdgeHighLightColor ? PanelHighlight : PanelShadow;
            else
                return false;
            return true;
        }
        if (which != ecTextColor)
            return false;
        color = details == GetElementDetails(tbPushButtonDisabled) ? DisabledText : Text;
        return true;
    }
    bool GetElementSize(TCanvas*, const TThemedElementDetails&, TElementSize, TSize& size) override
    {
        size = {20, 20};
        return true;
    }
    TColor GetSystemColor(TColor color) override { return color == clBtnFace ? ButtonFace : color; }
    TColor GetStyleFontColor(TStyleFont) override { return Text; }

    bool enabled = true;
};

// Makes a test style the active one while it lives.
class TTestStyleInUse
{
public:
    TTestStyleInUse() { TStyleManager::SetStyle(&style); }
    ~TTestStyleInUse() { TStyleManager::SetStyle(nullptr); }
    TTestStyle style;
};
