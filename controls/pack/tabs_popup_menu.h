#pragma once

#include "platform/gui/core/classes.h"
#include "support/basic_types.h"

#include <functional>
#include <string>
#include <vector>

// The page control's list of its tabs, a popup menu of the layer. Kept apart from the page control's
// sources, whose grid types take the menus' names.

class TCustomImageList;

struct TTabsPopupEntry
{
    std::string Caption;
    int ImageIndex;
    int PageIndex;
};

// A new popup menu owned by owner.
TComponent* NewTabsPopupMenu(TComponent* owner);
// Fills menu (made by NewTabsPopupMenu) with the entries and shows it at a screen point; choosing an entry
// calls chosen with its page index once the menu has closed.
void PopupTabsList(TComponent* menu, TCustomImageList* images, const std::vector<TTabsPopupEntry>& entries,
                   TPoint screenPos, std::function<void(int pageIndex)> chosen);
