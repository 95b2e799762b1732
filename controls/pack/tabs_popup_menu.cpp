#include "controls/pack/tabs_popup_menu.h"

#include "platform/gui/forms/menus.h"

TComponent* NewTabsPopupMenu(TComponent* owner)
{
    return new TPopupMenu(owner);
}

void PopupTabsList(TComponent* menu, TCustomImageList* images, const std::vector<TTabsPopupEntry>& entries,
                   TPoint screenPos, std::function<void(int pageIndex)> chosen)
{
    auto& popup = dynamic_cast<TPopupMenu&>(*menu);
    popup.SetImages(images);
    for (const TTabsPopupEntry& entry : entries) {
        auto* item = new TMenuItem(&popup);
        item->SetCaption(entry.Caption);
        item->SetImageIndex(entry.ImageIndex);
        item->SetTag(entry.PageIndex);
        item->OnClick = [chosen, item](TObject*) { chosen(static_cast<int>(item->Tag())); };
        popup.Items()->Add(item);
    }
    popup.Popup(screenPos.X, screenPos.Y);
}
