#include "controls/toolbars/item_action_link.h"

#include "controls/toolbars/item.h"

TBarCustomItemActionLink::TBarCustomItemActionLink(TBarCustomItem* client)
    : TActionLink(client), FClient(client)
{}

TCustomAction* TBarCustomItemActionLink::CustomAction() const
{
    return dynamic_cast<TCustomAction*>(action_);
}

bool TBarCustomItemActionLink::IsCaptionLinked() const
{
    return TActionLink::IsCaptionLinked() && CustomAction() &&
           FClient->Caption() == CustomAction()->Caption();
}

bool TBarCustomItemActionLink::IsCheckedLinked() const
{
    return TActionLink::IsCheckedLinked() && CustomAction() &&
           FClient->Checked() == CustomAction()->Checked();
}

bool TBarCustomItemActionLink::IsEnabledLinked() const
{
    return TActionLink::IsEnabledLinked() && CustomAction() &&
           FClient->Enabled() == CustomAction()->Enabled();
}

bool TBarCustomItemActionLink::IsHelpContextLinked() const
{
    return TActionLink::IsHelpContextLinked() && CustomAction() &&
           FClient->HelpContext() == CustomAction()->HelpContext();
}

bool TBarCustomItemActionLink::IsHintLinked() const
{
    return TActionLink::IsHintLinked() && CustomAction() && FClient->Hint() == CustomAction()->Hint();
}

bool TBarCustomItemActionLink::IsImageIndexLinked() const
{
    return TActionLink::IsImageIndexLinked() && CustomAction() &&
           FClient->ImageIndex() == CustomAction()->ImageIndex();
}

bool TBarCustomItemActionLink::IsShortCutLinked() const
{
    return TActionLink::IsShortCutLinked() && CustomAction() &&
           FClient->ShortCut() == CustomAction()->ShortCut();
}

bool TBarCustomItemActionLink::IsVisibleLinked() const
{
    return TActionLink::IsVisibleLinked() && CustomAction() &&
           FClient->Visible() == CustomAction()->Visible();
}

bool TBarCustomItemActionLink::IsOnExecuteLinked() const
{
    const auto* call = FClient->OnClick.target<TActionExecuteCall>();
    return action_ && call && call->Action == action_;
}

bool TBarCustomItemActionLink::IsAutoCheckLinked() const
{
    return CustomAction() && FClient->AutoCheck() == CustomAction()->AutoCheck();
}

void TBarCustomItemActionLink::SetCaption(const std::string& value)
{
    if (IsCaptionLinked())
        FClient->SetCaption(value);
}

void TBarCustomItemActionLink::SetChecked(bool value)
{
    if (IsCheckedLinked())
        FClient->SetChecked(value);
}

void TBarCustomItemActionLink::SetEnabled(bool value)
{
    if (IsEnabledLinked())
        FClient->SetEnabled(value);
}

void TBarCustomItemActionLink::SetHelpContext(int value)
{
    if (IsHelpContextLinked())
        FClient->FHelpContext = value;
}

void TBarCustomItemActionLink::SetHint(const std::string& value)
{
    if (IsHintLinked())
        FClient->FHint = value;
}

void TBarCustomItemActionLink::SetImageIndex(int value)
{
    if (IsImageIndexLinked())
        FClient->SetImageIndex(value);
}

void TBarCustomItemActionLink::SetShortCut(TShortCut value)
{
    if (IsShortCutLinked())
        FClient->FShortCut = value;
}

void TBarCustomItemActionLink::SetVisible(bool value)
{
    if (IsVisibleLinked())
        FClient->SetVisible(value);
}

void TBarCustomItemActionLink::SetAutoCheck(bool value)
{
    if (IsAutoCheckLinked())
        FClient->FAutoCheck = value;
}

void TBarCustomItemActionLink::SetOnExecute(const TNotifyEvent& value)
{
    if (IsOnExecuteLinked())
        FClient->OnClick = TActionExecuteCall{action_, value};
}
