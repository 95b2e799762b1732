#include "controls/skins/skin_system_menu_item.h"
#include "controls/skins/skin_system_menu_copy.h"

#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/window_functions.h"

TQvSystemMenuItem::TQvSystemMenuItem(TComponent* owner) : TQvCustomItem(owner)
{
    FItemStyle -= {tbisRedrawOnSelChange, tbisRedrawOnMouseOverChange};
    FItemStyle += {tbisSubmenu, tbisDontSelectFirst};
    SetCaption("&-");
}

void TQvSystemMenuItem::Click()
{
    TQvCustomItem::Click();
    Clear();
    if (TCustomForm* form = TargetForm())
        FillSystemMenuItems(form, this, FShowSize, true, true, true,
                            [this](TObject* sender) { EntryClick(sender); });
}

TCustomForm* TQvSystemMenuItem::TargetForm() const
{
    if (const auto* host = dynamic_cast<const TControl*>(GetParentComponent()))
        return GetParentForm(host);
    return Application->MainForm();
}

void TQvSystemMenuItem::EntryClick(TObject* sender)
{
    auto* entry = dynamic_cast<TComponent*>(sender);
    TCustomForm* form = TargetForm();
    if (!entry || !form)
        return;
    const auto command = static_cast<unsigned>(entry->Tag());
    if (command == SC_MAXIMIZE)
        form->SetWindowState(wsMaximized);
    else
        SendMessage(form->Handle(), WM_SYSCOMMAND, command, static_cast<LPARAM>(GetMessagePos()));
}
