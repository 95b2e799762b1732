#include "controls/toolbars/menu_font.h"

#include "controls/toolbars/system_queries.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/graphics.h"

#include <memory>

namespace {

std::unique_ptr<TFont>& MenuFont()
{
    static std::unique_ptr<TFont> font;
    return font;
}

} // namespace

void RecreateFrameworkMenuFont()
{
    auto font = std::make_unique<TFont>();
    TNonClientMetrics metrics;
    if (GetNonClientMetrics(metrics))
        SetFontFromLogFont(*font, metrics.lfMenuFont);
    MenuFont() = std::move(font);
}

TFont* FrameworkMenuFont()
{
    if (!MenuFont())
        RecreateFrameworkMenuFont();
    return MenuFont().get();
}
