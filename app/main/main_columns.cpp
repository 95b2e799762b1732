#include "app/main/form_main.h"

#include "app/kit/updating_controls.h"
#include "app/main/file_list_view.h"
#include "app/options/form_options.h"
#include "controls/grid/column.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_popup_menu.h"
#include "platform/gui/windows/actions.h"

// Which columns of the file list show: one command per optional column, listed by the View menu's Columns
// submenu, the file list popup's Columns submenu and the header's popup menu popColumns. A command's check
// mark is brought up to date as one of those menus opens.

namespace {

constexpr const char* ColumnSubmenuNames[] = {"mnuColumnsMenu", "popColumnsSubmenu"};

} // namespace

void TFormMain::BindColumnCommands()
{
    ForEachMainAction(Actions, [this](TAction* action, const TMainActionSpec& spec) {
        if (!spec.Column.empty())
            action->OnExecute = [this, &spec](TObject*) { ToggleColumnVisible(spec); };
    });
    popColumns->OnPopup = [this](TObject* sender) { InitColVisibleActions(sender); };
    for (const char* name : ColumnSubmenuNames) {
        auto* submenu = dynamic_cast<TBarCustomItem*>(FindComponent(name));
        submenu->OnPopup = [this](TBarCustomItem* sender, bool) { InitColVisibleActions(sender); };
    }
}

void TFormMain::ToggleColumnVisible(const TMainActionSpec& spec)
{
    TGxCustomColumn* column = FFileListView->Columns().ByName(spec.Column);
    column->SetVisible(!column->Visible());
    if (FWindows.Options && FWindows.Options->Visible() && OnColumnVisibilityChanged)
        OnColumnVisibilityChanged();
}

void TFormMain::InitColVisibleActions(TObject*)
{
    if (UpdatingControls)
        return;
    ForEachMainAction(Actions, [this](TAction* action, const TMainActionSpec& spec) {
        if (!spec.Column.empty())
            action->SetChecked(FFileListView->Columns().ByName(spec.Column)->Visible());
    });
}
