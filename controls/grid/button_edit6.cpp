#include "controls/grid/button_edit6.h"

TGxCustomButtonEdit6::TGxCustomButtonEdit6(TComponent* owner, TButtonFactory createButton)
    : TGxEdit6(owner), button_(createButton(this)), buttonWidth_(button_->Width())
{
    button_->SetAlign(alRight);
    button_->SetParent(this);
    button_->SetVisible(showButton_);
    button_->OnButtonClick = [this](TObject*) { DoButtonClick(); };
    button_->OnDown = [this](TObject*) { DoButtonDown(); };
    button_->OnUp = [this](TObject*) { DoButtonUp(); };
}

void TGxCustomButtonEdit6::SetButtonWidth(int value)
{
    if (value == buttonWidth_)
        return;
    buttonWidth_ = value;
    button_->SetWidth(value);
    UpdateMargins();
}

void TGxCustomButtonEdit6::SetShowButton(bool value)
{
    if (value == showButton_)
        return;
    showButton_ = value;
    button_->SetVisible(value);
    UpdateMargins();
}

void TGxCustomButtonEdit6::Assign(const TPersistent* source)
{
    TGxEdit6::Assign(source);
    if (const auto* edit = dynamic_cast<const TGxCustomButtonEdit6*>(source))
        SetButtonWidth(edit->ButtonWidth());
}

void TGxCustomButtonEdit6::DoButtonClick()
{
    if (OnButtonClick)
        OnButtonClick(this);
}

void TGxCustomButtonEdit6::CreateWnd()
{
    TGxEdit6::CreateWnd();
    button_->SetLeft(ClientWidth());
}

void TGxCustomButtonEdit6::Dispatch(TMessage& message)
{
    TGxEdit6::Dispatch(message);
    switch (message.Msg) {
    case WM_KILLFOCUS:
        button_->SetDown(false);
        break;
    case WM_SHOWWINDOW:
        if (showButton_)
            UpdateMargins();
        break;
    }
}
