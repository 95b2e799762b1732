#include "controls/skins/skin_custom_item.h"

#include "controls/toolbars/popup_window.h"
#include "platform/gui/windows/control.h"

#include <algorithm>

TQvCustomItem::TQvCustomItem(TComponent* owner)
    : TBarCustomItem(owner), FFontSettings(std::make_unique<TQvFontSettings>())
{
    // Another face or size changes the item's extent.
    FFontSettings->OnChange = [this](TObject*) { Change(true); };
}

// --- commands ----------------------------------------------------------------------------------------------

void TQvCustomItem::Click()
{
    // The framework's click ignores a disabled item; its linked control must stay as it is too.
    if (!Enabled())
        return;
    if (FControl)
        ToggleControl();
    TBarCustomItem::Click();
}

void TQvCustomItem::InitiateAction()
{
    TBarCustomItem::InitiateAction();
    UpdateFromControl();
}

std::string TQvCustomItem::GetShortCutText() const
{
    const std::string& caption = Caption();
    if (const size_t tab = caption.find('\t'); tab != std::string::npos && tab + 1 < caption.size())
        return caption.substr(tab + 1);
    return ShortCut() != 0 ? ShortCutToText(ShortCut()) : std::string();
}

void TQvCustomItem::ToggleControl()
{
    FControl->SetVisible(!FControl->Visible());
}

void TQvCustomItem::UpdateFromControl()
{
    if (FControl && (ComponentState() * TComponentState{csLoading, csDestroying, csDesigning}).Empty())
        SetChecked(FControl->Visible());
}

void TQvCustomItem::Notification(TComponent* component, TOperation operation)
{
    TBarCustomItem::Notification(component, operation);
    // The control is going: nothing of it is asked any more.
    if (operation == opRemove && component == FControl)
        FControl = nullptr;
}

// --- events ------------------------------------------------------------------------------------------------

bool TQvCustomItem::DialogChar(uint32_t)
{
    return false;
}

void TQvCustomItem::AdjustFont(TFont&, TQvSkinStatesType) {}

void TQvCustomItem::DoDrawHint(TBitmap* hintBitmap, std::string& hint, bool& paintDefault)
{
    if (OnDrawHint)
        OnDrawHint(this, hintBitmap, hint, paintDefault);
}

void TQvCustomItem::DoDrawItem(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo,
                               TQvPaintStage stage, bool& paintDefault)
{
    if (OnDrawItem)
        OnDrawItem(this, canvas, rect, itemInfo, stage, paintDefault);
}

void TQvCustomItem::DoDrawCaption(TCanvas& canvas, const TRect& clientAreaRect, TQvSkinStatesType state,
                                  std::string& caption, TRect& captionRect, uint32_t& captionFormat,
                                  bool isTextRotated, TQvPaintStage stage, bool& paintDefault)
{
    if (OnDrawCaption)
        OnDrawCaption(this, canvas, clientAreaRect, state, caption, captionRect, captionFormat, isTextRotated,
                      stage, paintDefault);
}

void TQvCustomItem::DoDrawImage(TCanvas& canvas, TQvSkinStatesType state, TQvPaintStage stage,
                                TCustomImageList*& imageList, int& imageIndex, TRect& rect,
                                bool& paintDefault)
{
    if (OnDrawImage)
        OnDrawImage(this, canvas, state, stage, imageList, imageIndex, rect, paintDefault);
}

void TQvCustomItem::DoPopupVisibilityChanged(TBarPopupWindow* popupWindow, bool isVisible)
{
    FirePopupVisibilityChanged(this, popupWindow, isVisible, OnInitPopup, OnClosePopup);
}

void FirePopupVisibilityChanged(TObject* sender, TBarPopupWindow* popupWindow, bool isVisible,
                                const TQvPopupEvent& onInit, const TNotifyEvent& onClose)
{
    if (!popupWindow)
        return;
    if (isVisible) {
        if (onInit)
            onInit(sender, popupWindow->View());
    } else if (onClose) {
        onClose(sender);
    }
}

void ApplyToolBoxPopupOption(TBarCustomItem& item, bool toolBox)
{
    TBarItemOptions options = item.Options();
    if (toolBox)
        options.Include(tboToolbarStyle);
    else
        options.Exclude(tboToolbarStyle);
    item.SetOptions(options);
}

// --- looks -------------------------------------------------------------------------------------------------

void TQvCustomItem::SetAlignment(TAlignment value)
{
    if (value == FAlignment)
        return;
    FAlignment = value;
    Change(false);
}

void TQvCustomItem::SetCaptionGlow(TQvGlowDirection value)
{
    if (value == FCaptionGlow)
        return;
    FCaptionGlow = value;
    Change(false);
}

void TQvCustomItem::SetCaptionGlowColor(TColor value)
{
    if (value == FCaptionGlowColor)
        return;
    FCaptionGlowColor = value;
    Change(false);
}

void TQvCustomItem::SetWrapping(TTextWrapping value)
{
    if (value == FWrapping)
        return;
    FWrapping = value;
    Change(false);
}

void TQvCustomItem::SetCustomWidth(int value)
{
    value = std::max(value, -1);
    if (value == FCustomWidth)
        return;
    FCustomWidth = value;
    Change(true);
}

void TQvCustomItem::SetCustomHeight(int value)
{
    value = std::max(value, -1);
    if (value == FCustomHeight)
        return;
    FCustomHeight = value;
    Change(true);
}

void TQvCustomItem::SetMargins(int value)
{
    if (value == FMargins)
        return;
    FMargins = value;
    Change(true);
}

void TQvCustomItem::SetMinHeight(int value)
{
    if (value == FMinHeight)
        return;
    FMinHeight = value;
    Change(true);
}

void TQvCustomItem::SetMinWidth(int value)
{
    if (value == FMinWidth)
        return;
    FMinWidth = value;
    Change(true);
}

void TQvCustomItem::SetStretch(bool value)
{
    if (value == FStretch)
        return;
    FStretch = value;
    Change(true);
}

void TQvCustomItem::SetControl(TControl* value)
{
    if (value == FControl)
        return;
    if (FControl)
        FControl->RemoveFreeNotification(this);
    FControl = value;
    if (value)
        value->FreeNotification(this);
    UpdateFromControl();
}
