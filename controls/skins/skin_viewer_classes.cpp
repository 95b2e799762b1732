#include "controls/skins/skin_items.h"
#include "controls/skins/skin_label_items.h"
#include "controls/skins/skin_system_menu_item.h"
#include "controls/skins/skin_viewers.h"

// Which viewer each skinned item is shown with.

TBarItemViewerClass TQvCustomItem::GetItemViewerClass(TBarView*)
{
    return TBarItemViewerClass::Of<TQvItemViewer>();
}

TBarItemViewerClass TQvSeparatorItem::GetItemViewerClass(TBarView*)
{
    return TBarItemViewerClass::Of<TQvSeparatorItemViewer>();
}

TBarItemViewerClass TQvCustomLabelItem::GetItemViewerClass(TBarView*)
{
    return TBarItemViewerClass::Of<TQvLabelItemViewer>();
}

TBarItemViewerClass TQvSystemMenuItem::GetItemViewerClass(TBarView*)
{
    return TBarItemViewerClass::Of<TQvSystemMenuItemViewer>();
}
