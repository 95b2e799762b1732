#include "platform/gui/windows/style_services.h"

#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/style_manager.h"
#include "platform/gui/windows/window_theme.h"

#include <functional>

namespace {

// Runs use with the theme of the element's class while the style is enabled; false when there is none.
bool WithTheme(const TThemedElementDetails& details, const std::function<bool(HTHEME)>& use)
{
    const char* className = ThemeClassName(details.Element);
    HTHEME theme = *className ? OpenThemeData(className) : nullptr;
    if (!theme)
        return false;
    const bool done = use(theme);
    CloseThemeData(theme);
    return done;
}

} // namespace

bool TCustomStyleServices::IsSystemStyle() const
{
    return this == &TStyleManager::SystemStyle();
}

bool TCustomStyleServices::DrawParentBackground(HWND window, TCanvas& canvas,
                                                const TThemedElementDetails* details, bool onlyIfTransparent,
                                                const TRect* bounds)
{
    if (onlyIfTransparent && details && !HasTransparentParts(*details))
        return false;
    return DrawThemeParentBackground(window, &canvas, bounds);
}

bool TCustomStyleServices::DrawText(TCanvas& canvas, const TThemedElementDetails& details,
                                    const std::string& text, TRect& rect, unsigned flags, TColor color)
{
    if (color == clNone && !GetElementColor(details, ecTextColor, color))
        color = canvas.Font()->Color();
    const TColor oldColor = SetTextColor(canvas, color);
    const int oldMode = SetBkMode(canvas, TRANSPARENT);
    ::DrawText(canvas, text, rect, flags);
    SetBkMode(canvas, oldMode);
    SetTextColor(canvas, oldColor);
    return true;
}

bool TSystemStyleServices::Enabled() const
{
    return PlatformAnswers().VisualStylesEnabled();
}

bool TSystemStyleServices::DrawElement(TCanvas& canvas, const TThemedElementDetails& details,
                                       const TRect& rect, const TRect* clip)
{
    return WithTheme(details, [&](HTHEME theme) {
        return DrawThemeBackground(theme, canvas, details.Part, details.State, rect, clip);
    });
}

bool TSystemStyleServices::HasTransparentParts(const TThemedElementDetails& details)
{
    return WithTheme(details, [&](HTHEME theme) {
        return IsThemeBackgroundPartiallyTransparent(theme, details.Part, details.State);
    });
}

bool TSystemStyleServices::GetElementContentRect(TCanvas* canvas, const TThemedElementDetails& details,
                                                 const TRect& bounds, TRect& content)
{
    return WithTheme(details, [&](HTHEME theme) {
        return GetThemeBackgroundContentRect(theme, canvas, details.Part, details.State, bounds, content);
    });
}

bool TSystemStyleServices::GetElementColor(const TThemedElementDetails& details, TElementColor which,
                                           TColor& color)
{
    if (which != ecTextColor)
        return false;
    return WithTheme(details, [&](HTHEME theme) {
        color = GetThemeTextColor(theme, details.Part, details.State);
        return true;
    });
}

bool TSystemStyleServices::GetElementSize(TCanvas* canvas, const TThemedElementDetails& details,
                                          TElementSize which, TSize& size)
{
    const THEMESIZE kind = which == esMinimum ? TS_MIN : which == esActual ? TS_TRUE : TS_DRAW;
    return WithTheme(details, [&](HTHEME theme) {
        return GetThemePartSize(theme, canvas, details.Part, details.State, nullptr, kind, size);
    });
}

TColor TSystemStyleServices::GetStyleFontColor(TStyleFont font)
{
    switch (font) {
    case sfHeaderSectionTextNormal:
        return clBtnText;
    case sfListItemTextNormal:
        return clWindowText;
    case sfListItemTextSelected:
        return clHighlightText;
    }
    return clWindowText;
}

TCustomStyleServices& StyleServices()
{
    return TStyleManager::ActiveStyle();
}
