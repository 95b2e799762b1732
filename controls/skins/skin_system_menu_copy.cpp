#include "controls/skins/skin_system_menu_copy.h"

#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_items.h"
#include "platform/gui/forms/forms.h"

#include <optional>

namespace {

// The entries' texts are cut where the platform's menu functions cut them (in bytes).
constexpr size_t MaxMenuTextLength = 260;

TBarCustomItem* CopyEntry(HMENU menu, int position, const MENUITEMINFO& info)
{
    if (info.fType & MFT_SEPARATOR)
        return new TQvSeparatorItem(nullptr);
    TQvItem* item = info.hSubMenu ? new TQvSubmenuItem(nullptr) : new TQvItem(nullptr);
    item->SetCaption(GetMenuItemText(menu, position));
    item->SetTag(info.wID);
    if (info.fState & MFS_GRAYED)
        item->SetEnabled(false);
    if (info.fState & MFS_CHECKED)
        item->SetChecked(true);
    if (info.fState & MFS_DEFAULT)
        item->SetOptions(item->Options() + TBarItemOptions{tboDefault});
    return item;
}

void SetCaptionGlyph(TBarCustomItem& item, int glyph)
{
    item.SetImages(GlyphImageList());
    item.SetImageIndex(glyph);
}

// How a window-menu command shows: whether it is shown (unset: as copied), the state in which it is
// greyed (unset: never changed), its caption glyph (-1: none), and whether it is the default entry.
struct TSystemCommandLook
{
    unsigned Command;
    std::optional<bool> Visible;
    std::optional<TWindowState> GreyedIn;
    int Glyph;
    bool Default;
};

void ApplyLook(TBarCustomItem& item, const TSystemCommandLook& look, TWindowState state)
{
    if (look.Visible)
        item.SetVisible(*look.Visible);
    if (look.GreyedIn)
        item.SetEnabled(state != *look.GreyedIn);
    if (look.Glyph >= 0)
        SetCaptionGlyph(item, look.Glyph);
    if (look.Default)
        item.SetOptions(item.Options() + TBarItemOptions{tboDefault});
}

} // namespace

std::string GetMenuItemText(HMENU menu, int position)
{
    std::string text = GetMenuString(menu, static_cast<unsigned>(position), MF_BYPOSITION);
    if (text.size() > MaxMenuTextLength) {
        // Never inside a character: back to the start of the one that would be cut.
        size_t end = MaxMenuTextLength;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            --end;
        text.resize(end);
    }
    return text;
}

bool CopyMenuItems(HMENU menu, TBarCustomItem* parentItem)
{
    if (!parentItem || !IsMenu(menu))
        return false;
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFO info;
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfo(menu, static_cast<unsigned>(position), true, info))
            continue;
        parentItem->Add(CopyEntry(menu, position, info));
    }
    return true;
}

bool FillSystemMenuItems(TCustomForm* form, TBarCustomItem* item, bool showSize, bool showMinimize,
                         bool showMaximize, bool showClose, const TNotifyEvent& onClick)
{
    if (!form || !item)
        return false;
    item->Clear();
    if (!CopyMenuItems(GetSystemMenu(form->Handle(), false), item))
        return false;
    // Each entry shown as the flags say and enabled where its command means something in the form's state.
    const TSystemCommandLook looks[] = {{SC_SIZE, showSize, wsMaximized, -1, false},
                                        {SC_MOVE, std::nullopt, wsMaximized, -1, false},
                                        {SC_MINIMIZE, showMinimize, wsMinimized, 2, false},
                                        {SC_MAXIMIZE, showMaximize, wsMaximized, 1, false},
                                        {SC_RESTORE, showMaximize, wsNormal, 3, false},
                                        {SC_CLOSE, showClose, std::nullopt, 0, true}};
    const TWindowState state = form->WindowState();
    for (int i = 0; i < item->Count(); ++i) {
        TBarCustomItem& child = *item->Items(i);
        child.OnClick = onClick;
        for (const TSystemCommandLook& look : looks) {
            if (static_cast<unsigned>(child.Tag()) == look.Command)
                ApplyLook(child, look, state);
        }
    }
    return true;
}
