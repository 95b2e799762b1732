#include "controls/toolbars/popup_menu.h"

TBarPopupMenu::TBarPopupMenu(TComponent* owner, const TBarRootItemClass& rootItemClass)
    : TPopupMenu(owner), FItem(rootItemClass.Create(this))
{
    FItem->AssignParentComponent(this);
    // Opening the menu clicks the root item: that is where the menu's own OnPopup fires.
    FItem->OnClick = [this](TObject* sender) { DoPopup(sender == FItem ? this : sender); };
}

TBarPopupMenu::~TBarPopupMenu()
{
    Destroying();
    FItem->Free();
}

void TBarPopupMenu::Popup(int x, int y)
{
    PopupEx(x, y, false);
}

TBarCustomItem* TBarPopupMenu::PopupEx(int x, int y, bool returnClickedItemOnly)
{
    SetPopupPoint({x, y});
    static constexpr TBarPopupAlignment alignments[] = {tbpaLeft, tbpaRight, tbpaCenter};
    return FItem->Popup(x, y, TrackButton() == tbRightButton, alignments[Alignment()], returnClickedItemOnly);
}

bool TBarPopupMenu::IsShortCut(const TMessage& message)
{
    return FItem->IsShortCut(message);
}
