#pragma once

#include "controls/skins/skin_custom_item.h"

class TCustomForm;

// The entry that opens a form's window menu (restore, move, size, minimize, maximize, close) from a bar.
// Its entries are made afresh at each click; each one runs its command on the target form.
class TQvSystemMenuItem : public TQvCustomItem
{
public:
    explicit TQvSystemMenuItem(TComponent* owner);

    // Clicks as skinned items do, then makes its entries afresh from the target form's window menu.
    void Click() override;
    TBarItemViewerClass GetItemViewerClass(TBarView* view) override;
    // The form whose window menu it shows: the form of the bar holding the item, else the application's
    // main form; nullptr when there is neither.
    TCustomForm* TargetForm() const;
    // What an entry does when chosen: its Tag is the window command. Maximize goes through the form's
    // window state; every other command is sent to the form's window with the pointer's last position.
    void EntryClick(TObject* sender);

    // The window menu of a child form inside the main form; there are none here, so the main form's is used.
    bool MDISystemMenu() const { return FMDISystemMenu; }
    void SetMDISystemMenu(bool value) { FMDISystemMenu = value; }
    // False leaves the Size entry out.
    bool ShowSize() const { return FShowSize; }
    void SetShowSize(bool value) { FShowSize = value; }

private:
    bool FMDISystemMenu = false;
    bool FShowSize = true;
};
