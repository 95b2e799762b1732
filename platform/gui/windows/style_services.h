#pragma once

#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/themed_elements.h"
#include "platform/gui/windows/messages.h"

#include <string>

// Styles: how the controls look. The system style, named "Windows", paints through the theme painter and
// answers what the theme knows; a custom style paints every element its own way, and while one is active
// the controls of classes with a registered style hook are painted by their hooks (style_manager.h).

// Colours an element may have.
enum TElementColor
{
    ecBorderColor,
    ecFillColor,
    ecTextColor,
    ecEdgeHighLightColor,
    ecEdgeShadowColor
};

// Which size of an element: the least it can be drawn in, its own, or the size it takes when stretched.
enum TElementSize
{
    esMinimum,
    esActual,
    esStretch
};

// Text colours a style gives the controls that it does not paint as elements.
enum TStyleFont
{
    sfHeaderSectionTextNormal,
    sfListItemTextNormal,
    sfListItemTextSelected
};

class TCustomStyleServices
{
public:
    virtual ~TCustomStyleServices() = default;

    virtual std::string Name() const = 0;
    // False when the style paints nothing (the system style while visual styles are off): callers then take
    // their classic paths.
    virtual bool Enabled() const = 0;
    // True for the style that stands for the platform's own looks.
    bool IsSystemStyle() const;

    template <typename TElementKind> static TThemedElementDetails GetElementDetails(TElementKind element)
    {
        return ::GetElementDetails(element);
    }

    // Draws the element over rect, limited to clip when one is given; false when the style has no picture
    // for it.
    virtual bool DrawElement(TCanvas& canvas, const TThemedElementDetails& details, const TRect& rect,
                             const TRect* clip = nullptr) = 0;
    // True when the element leaves some of its rectangle unpainted.
    virtual bool HasTransparentParts(const TThemedElementDetails& details) = 0;
    // The area inside the element's border, where its content goes.
    virtual bool GetElementContentRect(TCanvas* canvas, const TThemedElementDetails& details,
                                       const TRect& bounds, TRect& content) = 0;
    // False, and color untouched, when the style gives the element no colour of that kind.
    virtual bool GetElementColor(const TThemedElementDetails& details, TElementColor which,
                                 TColor& color) = 0;
    virtual bool GetElementSize(TCanvas* canvas, const TThemedElementDetails& details, TElementSize which,
                                TSize& size) = 0;
    // The style's colour for a system colour (clBtnFace, ...); other colours as they are.
    virtual TColor GetSystemColor(TColor color) = 0;
    virtual TColor GetStyleFontColor(TStyleFont font) = 0;

    // Paints what the parent of window shows under it into canvas (the window's client coordinates), over
    // bounds or the whole client area. With onlyIfTransparent and details, only when the element has
    // transparent parts. False when nothing was painted.
    virtual bool DrawParentBackground(HWND window, TCanvas& canvas, const TThemedElementDetails* details,
                                      bool onlyIfTransparent, const TRect* bounds = nullptr);
    // Text laid out by DrawText's flags (DT_CALCRECT measures into rect) in color; with clNone in the
    // element's text colour, or the canvas font's colour when the element has none. No background is drawn.
    virtual bool DrawText(TCanvas& canvas, const TThemedElementDetails& details, const std::string& text,
                          TRect& rect, unsigned flags, TColor color = clNone);
};

// The system style: the elements through the theme painter, enabled while visual styles are.
class TSystemStyleServices : public TCustomStyleServices
{
public:
    std::string Name() const override { return "Windows"; }
    bool Enabled() const override;
    bool DrawElement(TCanvas& canvas, const TThemedElementDetails& details, const TRect& rect,
                     const TRect* clip = nullptr) override;
    bool HasTransparentParts(const TThemedElementDetails& details) override;
    bool GetElementContentRect(TCanvas* canvas, const TThemedElementDetails& details, const TRect& bounds,
                               TRect& content) override;
    // Only the text colour: the theme has no other colours to give.
    bool GetElementColor(const TThemedElementDetails& details, TElementColor which, TColor& color) override;
    bool GetElementSize(TCanvas* canvas, const TThemedElementDetails& details, TElementSize which,
                        TSize& size) override;
    TColor GetSystemColor(TColor color) override { return color; }
    TColor GetStyleFontColor(TStyleFont font) override;
};

// The active style (TStyleManager::ActiveStyle).
TCustomStyleServices& StyleServices();
