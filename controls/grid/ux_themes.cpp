#include "controls/grid/ux_themes.h"

#include "platform/gui/graphics/theme.h"

#include <memory>
#include <stdexcept>

bool UxThemesActive()
{
    try {
        return IsAppThemed() && IsThemeActive();
    } catch (...) {
        throw std::runtime_error("Error in Themes");
    }
}

bool IsStyleEnabled()
{
    return false;
}

bool DrawThemedBackground(TCanvas& canvas, const TRect& rect, const std::string& themeClass, int part,
                          int state)
{
    const std::unique_ptr<TThemeData, void (*)(HTHEME)> theme(OpenThemeData(themeClass), CloseThemeData);
    if (!theme)
        return false;
    return DrawThemeBackground(theme.get(), canvas, part, state, rect, &rect);
}
