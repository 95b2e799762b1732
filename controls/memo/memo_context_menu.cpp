#include "controls/memo/vez_custom_memo.h"

#include "platform/gui/forms/menus.h"
#include "platform/gui/services/clipboard.h"
#include "platform/gui/windows/message_views.h"

// The memo's own context menu: undo, redo, copy, cut, paste and select all, made again for every request
// with the enabled states of that moment. A form's PopupMenu takes its place.

namespace {

constexpr int TagCopy = 0x70000001;
constexpr int TagCut = 0x70000002;
constexpr int TagPaste = 0x70000003;
constexpr int TagSelectAll = 0x70000004;
constexpr int TagUndo = 0x70000005;
constexpr int TagRedo = 0x70000006;
constexpr int TagDelete = 0x70000007;

} // namespace

bool TVezCustomMemo::WMContextMenu(TMessage& message)
{
    const TContextMenuView view(message);
    if (CanFocus() && !Focused())
        SetFocus();
    TPoint screen = view.ScreenPos;
    if (view.FromKeyboard()) {
        const TRect cell =
            CellRect(FCurX - FLeftCol, LineIndexToVisIndex(FCurY) - LineIndexToVisIndex(FTopLine));
        screen = ClientToScreen(TPoint{cell.Left, cell.Bottom});
    }
    const TPoint client = ScreenToClient(screen);
    int curX = 0, curY = 0;
    MouseToCursor(client.X, client.Y, curX, curY);
    const bool overBar = (sbVert->Visible() && client.X >= Width() - sbVert->Width()) ||
                         (sbHorz->Visible() && client.Y >= Height() - sbHorz->Height());
    if (overBar)
        return true;
    const int gutterWidth = FGutter->Visible() ? FGutter->Width : 0;
    if (PopupMenu() || client.X <= gutterWidth)
        return false; // the control shows its PopupMenu
    ShowBuiltInMenu(curX, curY, screen);
    return true;
}

void TVezCustomMemo::ShowBuiltInMenu(int curX, int curY, TPoint screen)
{
    delete FStdMenu;
    FStdMenu = new TPopupMenu(this);
    FStdMenu->SetImages(FContextMenuImages);
    const bool selected = SelLength() > 0;
    const auto add = [this](const std::string& text, const std::string& key, int tag, int image,
                            bool enabled) {
        auto* item = new TMenuItem(FStdMenu);
        item->SetCaption(text.empty() ? std::string("-") : text + "\tCtrl+" + key);
        item->SetTag(tag);
        item->SetImageIndex(image);
        item->SetEnabled(enabled);
        FStdMenu->Items()->Add(item);
    };
    const TUILanguage& texts = *FUILanguage;
    add(texts.Undo, "Z", TagUndo, 3, CanUndo() && !FReadOnly);
    add(texts.Redo, "Y", TagRedo, 4, CanRedo() && !FReadOnly);
    add("", "", 0, -1, true);
    add(texts.Copy, "C", TagCopy, 1, selected);
    add(texts.Cut, "X", TagCut, 0, selected && !FReadOnly);
    add(texts.Paste, "V", TagPaste, 2, Clipboard()->HasFormat(CF_TEXT) && !FReadOnly);
    add("", "", 0, -1, true);
    add(texts.SelectAll, "A", TagSelectAll, -1, !FReadOnly);
    DoCustomizeContextMenu(curX, curY, FStdMenu);
    for (int i = 0; i < FStdMenu->Items()->Count(); ++i) {
        TMenuItem* item = FStdMenu->Items()->Items(i);
        if (!item->OnClick)
            item->OnClick = [this](TObject* sender) { ContextMenuClick(sender); };
    }
    FStdMenu->Popup(screen.X, screen.Y);
}

void TVezCustomMemo::ContextMenuClick(TObject* sender)
{
    auto* item = dynamic_cast<TMenuItem*>(sender);
    if (!item)
        return;
    switch (item->Tag()) {
    case TagCopy:
        DoClipboardCopy();
        break;
    case TagCut:
        DoClipboardCut();
        break;
    case TagPaste:
        DoClipboardPaste();
        break;
    case TagSelectAll:
        SelectAll();
        break;
    case TagUndo:
        Undo();
        break;
    case TagRedo:
        Redo();
        break;
    case TagDelete:
        DeleteSelectedText(true);
        break;
    default:
        DoCustomContextMenuClick(item);
    }
}
