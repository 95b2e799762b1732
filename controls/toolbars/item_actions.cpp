#include "controls/toolbars/item.h"

#include "controls/toolbars/item_action_link.h"

// What an item takes from its action, and what a click on it does.

TBasicAction* TBarCustomItem::Action() const
{
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TBarCustomItem::SetAction(TBasicAction* value)
{
    if (!value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink)
        FActionLink = std::make_unique<TBarCustomItemActionLink>(this);
    FActionLink->SetAction(value);
    FActionLink->OnChange = [this](TObject* sender) { ActionLinkChanged(sender); };
    ActionChange(value, value->ComponentState().Contains(csLoading) || ComponentState().Contains(csLoading));
    value->FreeNotification(this);
}

void TBarCustomItem::ActionLinkChanged(TObject* sender)
{
    // The link tells when its action changed as a whole. The caption is not taken again: one that follows
    // the action was handed over when the action's caption changed, and one of the item's own (a tool bar
    // button's short caption) stays.
    auto* action = dynamic_cast<TCustomAction*>(Action());
    if (FActionLink && sender == FActionLink.get() && action)
        TakeActionProperties(*action, false, false);
}

void TBarCustomItem::ActionChange(TBasicAction* sender, bool checkDefaults)
{
    if (auto* action = dynamic_cast<TCustomAction*>(sender))
        TakeActionProperties(*action, checkDefaults, !checkDefaults || FCaption.empty());
}

void TBarCustomItem::TakeActionProperties(TCustomAction& action, bool checkDefaults, bool takeCaption)
{
    // While loading, only what still has its declared default is taken.
    if (!checkDefaults || !FAutoCheck)
        FAutoCheck = action.AutoCheck();
    if (takeCaption)
        SetCaption(action.Caption());
    if (!checkDefaults || !FChecked)
        SetChecked(action.Checked());
    if (!checkDefaults || FEnabled)
        SetEnabled(action.Enabled());
    if (!checkDefaults || FHelpContext == 0)
        FHelpContext = action.HelpContext();
    if (!checkDefaults || FHint.empty())
        FHint = action.Hint();
    if (!checkDefaults || FImageIndex == -1)
        SetImageIndex(action.ImageIndex());
    if (!checkDefaults || FShortCut == 0)
        FShortCut = action.ShortCut();
    if (!checkDefaults || FVisible)
        SetVisible(action.Visible());
    if (!checkDefaults || !OnClick)
        OnClick = TActionExecuteCall{&action, action.OnExecute};
}

void TBarCustomItem::Loaded()
{
    TComponent::Loaded();
    if (Action())
        ActionChange(Action(), true);
}

void TBarCustomItem::InitiateAction()
{
    if (FActionLink)
        FActionLink->Update();
}

bool TBarCustomItem::OnClickIsActionsExecute() const
{
    const auto* call = OnClick.target<TActionExecuteCall>();
    return call && call->Action == Action();
}

void TBarCustomItem::Click()
{
    if (!FEnabled)
        return;
    if (FAutoCheck && (!FActionLink || !FActionLink->IsAutoCheckLinked()))
        SetChecked(!FChecked);
    if (OnClick && Action() && !OnClickIsActionsExecute()) {
        OnClick(this);
        return;
    }
    if (FActionLink)
        FActionLink->Execute(this);
    else if (OnClick)
        OnClick(this);
}

void TBarCustomItem::DoPopup(TBarCustomItem* sender, bool fromLink)
{
    if (OnPopup)
        OnPopup(sender, fromLink);
    if (!FItemStyle.Contains(tbisCombo))
        Click();
}
