// The skin type in force: a skin's table, the platform theme, or the classic look.

#include "controls/skins/skin_manager.h"
#include "platform/gui/windows/style_services.h"

TQvSkinType TQvSkinManager::GetSkinType() const
{
    if (!IsDefaultSkin()) {
        return sknSkin;
    }
    return IsXPThemesEnabled() ? sknWindows : sknNone;
}

bool TQvSkinManager::IsXPThemesEnabled()
{
    return ActiveStyleServices().Enabled();
}

TCustomStyleServices& ActiveStyleServices()
{
    return StyleServices();
}
