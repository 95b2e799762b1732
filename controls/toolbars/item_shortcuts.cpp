#include "controls/toolbars/item.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/windows/message_views.h"

namespace {

// How many LinkSubitems a shortcut search follows on one branch.
constexpr int MaxLinksFollowed = 25;

TBarCustomItem* FindBelow(TBarCustomItem* root, TShortCut shortCut, TBarCustomItem*& topmostParent,
                          int& linksFollowed)
{
    TBarCustomItem* shown = root;
    while (shown->LinkSubitems()) {
        if (++linksFollowed > MaxLinksFollowed)
            return nullptr;
        shown = shown->LinkSubitems();
    }
    for (int i = 0; i < shown->Count(); ++i) {
        TBarCustomItem* child = shown->Items(i);
        if (child->ShortCut() == shortCut)
            return child;
        TBarCustomItem* ignored = nullptr;
        if (TBarCustomItem* found = FindBelow(child, shortCut, ignored, linksFollowed)) {
            topmostParent = child;
            return found;
        }
    }
    return nullptr;
}

} // namespace

TBarCustomItem* TBarCustomItem::FindItemWithShortCut(TBarCustomItem* root, TShortCut shortCut,
                                                     TBarCustomItem*& topmostParent)
{
    topmostParent = nullptr;
    int linksFollowed = 0;
    return FindBelow(root, shortCut, topmostParent, linksFollowed);
}

void TBarCustomItem::UpdateChildActions()
{
    TBarCustomItem* shown = LinkedOrSelf(this);
    for (int i = 0; i < shown->Count(); ++i)
        shown->Items(i)->InitiateAction();
}

TBarCustomItem::TShortCutRun TBarCustomItem::RunShortCut(TShortCut shortCut)
{
    TBarCustomItem* topmost = nullptr;
    if (!FindItemWithShortCut(this, shortCut, topmost))
        return TShortCutRun::NotFound;
    TBarCustomItem* current = this;
    for (;;) {
        if (!current->FEnabled)
            return TShortCutRun::Refused;
        current->UpdateChildActions();
        // The submenus on the way fill themselves as if they opened.
        if (!current->FItemStyle.Contains(tbisEmbeddedGroup)) {
            if (TBarCustomItem* linked = LinkedOrSelf(current); linked != current)
                GuardedCall(linked, [&] { linked->DoPopup(current, true); });
            GuardedCall(current, [&] { current->DoPopup(current, false); });
        }
        TBarCustomItem* found = FindItemWithShortCut(current, shortCut, topmost);
        if (!found)
            return TShortCutRun::Lost;
        if (topmost) {
            current = topmost;
            continue;
        }
        if (!found->FEnabled)
            return TShortCutRun::Refused;
        GuardedCall(found, [&] { found->Click(); });
        return TShortCutRun::Ran;
    }
}

bool TBarCustomItem::IsShortCut(const TMessage& message)
{
    const TKeyView key(message);
    const TShortCut shortCut = ::ShortCut(key.Key(), key.Shift());
    // Popup handlers that move the command away make the search start over, once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (RunShortCut(shortCut)) {
        case TShortCutRun::Ran:
            return true;
        case TShortCutRun::Lost:
            continue;
        default:
            return false;
        }
    }
    return false;
}
