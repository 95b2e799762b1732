#include "controls/skins/skin_unit_resources.h"

#include "controls/skins/skin_floating_frame.h"
#include "controls/toolbars/system_queries.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/graphics.h"
#include "platform/gui/windows/style_hook.h"
#include "platform/gui/windows/style_manager.h"

#include <memory>

namespace {

std::unique_ptr<TFont>& SmallCaptionFontSlot()
{
    static std::unique_ptr<TFont> font;
    return font;
}

std::unique_ptr<TFont> MakeSmallCaptionFont()
{
    auto font = std::make_unique<TFont>();
    if (TNonClientMetrics metrics; GetNonClientMetrics(metrics))
        SetFontFromLogFont(*font, metrics.lfSmCaptionFont);
    return font;
}

} // namespace

void StartSkinUnitResources()
{
    SmallCaptionFontSlot() = MakeSmallCaptionFont();
    RegisterCursorShape(crSkinHandPoint, CursorShape(crHandPoint));
    RegisterCursorShape(crSkinDragAccept, LoadCursor("CZMOVE"));
    RegisterCursorShape(crSkinDragCancel, LoadCursor("CZCANCEL"));
    // The floating frame paints itself in the skin: a custom style leaves it alone.
    TStyleManager::RegisterStyleHook<TQvFloatingWindowParent, TStyleHook>();
}

void EndSkinUnitResources()
{
    TStyleManager::UnRegisterStyleHook<TQvFloatingWindowParent, TStyleHook>();
    // Whoever asks while the font goes finds none rather than a freed one.
    std::unique_ptr<TFont> font = std::move(SmallCaptionFontSlot());
    font.reset();
}

TFont* SmallCaptionFont()
{
    std::unique_ptr<TFont>& font = SmallCaptionFontSlot();
    if (!font)
        font = MakeSmallCaptionFont();
    return font.get();
}
