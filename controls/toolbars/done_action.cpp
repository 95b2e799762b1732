#include "controls/toolbars/done_action.h"

#include "controls/toolbars/item.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/windows/window_functions.h"

TBarCustomItem* RunDoneAction(const TBarDoneActionData& data, bool returnClickedItemOnly)
{
    switch (data.DoneAction) {
    case tbdaClickItem:
        // No sound events here: the menu command plays none.
        if (!returnClickedItemOnly)
            data.ClickItem->PostClick();
        return data.ClickItem;
    case tbdaOpenSystemMenu:
        SendMessage(data.Wnd, WM_SYSCOMMAND, SC_KEYMENU, data.Key);
        return nullptr;
    case tbdaHelpContext:
        if (TCustomForm* form = Screen->ActiveForm(); form && form->BorderIcons().Contains(biHelp))
            Application->HelpCommand(HELP_CONTEXTPOPUP, data.ContextID);
        else
            Application->HelpContext(data.ContextID);
        return nullptr;
    default:
        return nullptr;
    }
}
