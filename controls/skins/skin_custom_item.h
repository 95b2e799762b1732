#pragma once

#include "controls/skins/skin_font_settings.h"
#include "controls/skins/skin_item_events.h"
#include "controls/skins/skin_text_output.h"
#include "controls/toolbars/item.h"

#include <cstdint>
#include <memory>
#include <string>

// The base of the skinned items: a framework item with looks of its own (alignment, glow, fixed and minimum
// sizes, font overrides, caption fitting), owner-draw events that the skinned viewers fire around each
// painting step, events for its popup opening and closing, and an optional linked control whose visibility
// a click toggles and whose visibility the check mark follows.

class TBarPopupWindow;
class TControl;
class TFont;

class TQvCustomItem : public TBarCustomItem
{
public:
    explicit TQvCustomItem(TComponent* owner);

    // Toggles the linked control, then clicks as the framework does; a disabled item does neither.
    void Click() override;
    // Lets the action bring the item up to date, then checks the item when its linked control shows.
    void InitiateAction() override;
    // The text after the caption's first tab when something follows it, else the shortcut's name.
    std::string GetShortCutText() const;

    // An accelerator character offered by a skinned toolbar; true when the item took it.
    virtual bool DialogChar(uint32_t charCode);
    // Called once the viewer has prepared the font for a state.
    virtual void AdjustFont(TFont& font, TQvSkinStatesType state);
    virtual void DoDrawHint(TBitmap* hintBitmap, std::string& hint, bool& paintDefault);
    virtual void DoDrawItem(TCanvas& canvas, const TRect& rect, const TQvMenuItemInfo& itemInfo,
                            TQvPaintStage stage, bool& paintDefault);
    virtual void DoDrawCaption(TCanvas& canvas, const TRect& clientAreaRect, TQvSkinStatesType state,
                               std::string& caption, TRect& captionRect, uint32_t& captionFormat,
                               bool isTextRotated, TQvPaintStage stage, bool& paintDefault);
    virtual void DoDrawImage(TCanvas& canvas, TQvSkinStatesType state, TQvPaintStage stage,
                             TCustomImageList*& imageList, int& imageIndex, TRect& rect, bool& paintDefault);
    // Told by the item's popup window as it shows (OnInitPopup) and hides (OnClosePopup).
    virtual void DoPopupVisibilityChanged(TBarPopupWindow* popupWindow, bool isVisible);
    // The skinned item viewer (skin_viewer_classes.cpp).
    TBarItemViewerClass GetItemViewerClass(TBarView* view) override;
    // The skinned popup window (skin_popup_window.cpp).
    TBarPopupWindowClass GetPopupWindowClass() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    bool Anchored() const { return FAnchored; }
    void SetAnchored(bool value) { FAnchored = value; }
    TQvGlowDirection CaptionGlow() const { return FCaptionGlow; }
    void SetCaptionGlow(TQvGlowDirection value);
    TColor CaptionGlowColor() const { return FCaptionGlowColor; }
    void SetCaptionGlowColor(TColor value);
    TControl* Control() const { return FControl; }
    void SetControl(TControl* value);
    // -1: measured; 0 or more: fixed. Values below -1 are taken as -1.
    int CustomWidth() const { return FCustomWidth; }
    void SetCustomWidth(int value);
    int CustomHeight() const { return FCustomHeight; }
    void SetCustomHeight(int value);
    TQvFontSettings& FontSettings() { return *FFontSettings; }
    const TQvFontSettings& FontSettings() const { return *FFontSettings; }
    void SetFontSettings(const TQvFontSettings& value) { FFontSettings->Assign(&value); }
    // Extra width added to the measured size.
    int Margins() const { return FMargins; }
    void SetMargins(int value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int value);
    // On a stretched toolbar the item takes the height of the tallest one.
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool ToolbarStylePopup() const { return FToolbarStylePopup; }
    void SetToolbarStylePopup(bool value) { FToolbarStylePopup = value; }
    bool ToolBoxPopup() const { return FToolBoxPopup; }
    TTextWrapping Wrapping() const { return FWrapping; }
    void SetWrapping(TTextWrapping value);

    TNotifyEvent OnClosePopup;
    TQvPopupEvent OnInitPopup;
    TQvDrawTextEvent OnDrawCaption;
    TQvDrawHintEvent OnDrawHint;
    TQvDrawItemEvent OnDrawItem;
    TQvDrawImageEvent OnDrawImage;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    virtual void ToggleControl();
    // Checks the item when the linked control is visible, unless the item is being loaded or destroyed.
    virtual void UpdateFromControl();

    bool FToolBoxPopup = false;

private:
    TQvGlowDirection FCaptionGlow = gldNone;
    TColor FCaptionGlowColor = 0x0000FFFF; // yellow
    TAlignment FAlignment = taCenter;
    bool FAnchored = false;
    TControl* FControl = nullptr; // not owned: forgotten through its free notification
    int FCustomWidth = -1;
    int FCustomHeight = -1;
    std::unique_ptr<TQvFontSettings> FFontSettings;
    int FMargins = 0;
    int FMinHeight = 0;
    int FMinWidth = 0;
    bool FStretch = true;
    bool FToolbarStylePopup = false;
    TTextWrapping FWrapping = twWrap;
};

// Fires onInit with the window's view when a popup window shows, onClose when it hides; nothing without a
// window. Skinned items and root items answer their popup windows this way.
void FirePopupVisibilityChanged(TObject* sender, TBarPopupWindow* popupWindow, bool isVisible,
                                const TQvPopupEvent& onInit, const TNotifyEvent& onClose);
// A tool-box popup lays its entries out as toolbar buttons: toolbar style in the item's options.
void ApplyToolBoxPopupOption(TBarCustomItem& item, bool toolBox);
