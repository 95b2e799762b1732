#pragma once

// Menus and toolbars for the tests: items of the kinds the program makes, forms to open menus over, the open
// popup windows and points on their entries.

#include "controls/toolbars/item_classes.h"
#include "controls/toolbars/popup_menu.h"
#include "controls/toolbars/popup_window.h"
#include "controls/toolbars/view.h"
#include "gui_driver.h"
#include "loop_script.h"
#include "manual_clock.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/message_beep.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// An entry that opens its children as a submenu (a combo: a button part beside the submenu part).
class TSubmenuItem : public TBarCustomItem
{
public:
    explicit TSubmenuItem(TComponent* owner, bool combo = false) : TBarCustomItem(owner)
    {
        FItemStyle.Include(tbisSubmenu);
        if (combo)
            FItemStyle.Include(tbisCombo);
    }
};

// A command entry under parent; the caption may carry "\t" and the shortcut text.
TBarCustomItem* AddCommand(TBarCustomItem* parent, const std::string& caption);
TSubmenuItem* AddSubmenu(TBarCustomItem* parent, const std::string& caption, bool combo = false);
TBarSeparatorItem* AddSeparator(TBarCustomItem* parent);

class TBarCustomImageList;
// Six 16 x 16 images of our own drawing (a folder, a page, a cross, a plus, a disc, a film strip), cut from
// one bitmap whose fuchsia is transparent.
TBarCustomImageList* MakeTestImages(TComponent* owner);
// Colours that nothing but those images paints with: the folder's fill, the cross, the plus and the disc's
// fill (images 0, 2, 3 and 4).
constexpr TColor FolderColor = 0x40C0F0;
constexpr TColor CrossColor = 0x2020C0;
constexpr TColor PlusColor = 0x20A020;
constexpr TColor DiscColor = 0xE0A040;

// The popup windows that show now, the first opened first.
std::vector<TBarPopupWindow*> OpenPopups();
// The client point at the middle of the entry of item in a popup window.
TPoint EntryCentre(TBarPopupWindow* popup, const TBarCustomItem* item);
// How many pixels of part of a picture have the colour (a system colour as it shows now); that most of them
// have it.
int PixelCount(TBitmap& picture, const TRect& r, TColor color);
void ExpectMostly(TBitmap& picture, const TRect& r, TColor color, const std::string& what);
// The open popups painted as they stand on the screen, on a white ground, framed by margin pixels.
std::unique_ptr<TBitmap> RenderPopups(int margin = 8);
// Where that picture shows a client point of an open popup, and the entry of item in it.
TPoint PointInPicture(TBarPopupWindow* popup, TPoint clientPos, int margin = 8);
TRect EntryInPicture(TBarPopupWindow* popup, const TBarCustomItem* item, int margin = 8);

// A form with an edit that has the focus, a clock the test moves (the menu delays and animations) and the
// beeps counted; menus open at MenuPoint, clear of the form.
class MenuFixture : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    // The n-th open popup (0 the first); fails the test when there is none.
    TBarPopupWindow* Popup(size_t n = 0);
    // Steps of the script: moves, presses and releases on an entry of the n-th popup.
    void MoveTo(size_t popup, const TBarCustomItem* item);
    void ClickOn(size_t popup, const TBarCustomItem* item, TMouseButton button = mbLeft);
    // A key as the user types it (into the edit, which keeps the focus).
    void Key(const std::string& key) { Press(edit, key); }

    static constexpr TPoint MenuPoint{420, 60};
    TForm* form = nullptr;
    TEdit* edit = nullptr;
    std::unique_ptr<TManualClock> clock;
    std::unique_ptr<TBeepCounter> beeps;
};
