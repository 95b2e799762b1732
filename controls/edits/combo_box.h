#pragma once

#include "controls/edits/label_position.h"
#include "platform/gui/standard/combo_box.h"
#include "platform/gui/standard/stdctrls_labels.h"

#include <memory>
#include <string>

// The combo box with a label it places beside itself and keeps in step (place, font, enabled and visible
// state), colours for the focused state, an optional flat look with its own border, button and bottom line,
// custom button colours, a grey hint in the empty edit part, Enter acting as Tab, focus on mouse entry and
// a wider drop-down list. With its defaults (not flat, no colour set) it paints exactly as the layer's combo
// box: none of its own painting runs.
//
// The painting works in window coordinates, the frame included: the classic combo box draws its edge inside
// its window, so the places it names for borders and the button are places of the whole window here.

class TVezCustomCombo : public TCustomComboBox
{
public:
    explicit TVezCustomCombo(TComponent* owner);
    ~TVezCustomCombo() override;

    // --- behaviour ---
    bool AutoFocus() const { return autoFocus_; }
    void SetAutoFocus(bool value) { autoFocus_ = value; }
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool value) { returnIsTab_ = value; }
    // The width of the dropped-down list when above 0.
    int DropWidth() const { return dropWidth_; }
    void SetDropWidth(int value);
    // Kept for the layouts that set it; the list faces always find items as they are typed.
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool value) { autoComplete_ = value; }

    // --- looks ---
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    // The button strip's width: 14 to 32, other values are ignored.
    int ButtonWidth() const { return buttonWidth_; }
    void SetButtonWidth(int value);
    // False: a disabled combo gets a 0xB99D7F border (with common controls 6).
    bool DisabledBorder() const { return disabledBorder_; }
    void SetDisabledBorder(bool value) { disabledBorder_ = value; }
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    TColor FlatLineColor() const { return flatLineColor_; }
    void SetFlatLineColor(TColor value);
    bool FlatParentColor() const { return flatParentColor_; }
    void SetFlatParentColor(bool value);
    bool Etched() const { return etched_; }
    void SetEtched(bool value);
    // A sunken edge while hovered or focused (flat border).
    bool FocusBorder() const { return focusBorder_; }
    void SetFocusBorder(bool value) { focusBorder_ = value; }
    TColor FocusBorderColor() const { return focusBorderColor_; }
    void SetFocusBorderColor(TColor value) { focusBorderColor_ = value; }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value) { focusColor_ = value; }
    TColor FocusFontColor() const { return focusFontColor_; }
    void SetFocusFontColor(TColor value) { focusFontColor_ = value; }
    // The label bold while the combo has the focus.
    bool FocusLabel() const { return focusLabel_; }
    void SetFocusLabel(bool value) { focusLabel_ = value; }
    const std::string& EmptyText() const { return emptyText_; }
    void SetEmptyText(const std::string& value);
    bool EmptyTextFocused() const { return emptyTextFocused_; }
    void SetEmptyTextFocused(bool value) { emptyTextFocused_ = value; }
    TFontStyles EmptyTextStyle() const { return emptyTextStyle_; }
    void SetEmptyTextStyle(TFontStyles value);
    // The colour while loading is remembered as the loaded colour.
    void SetColor(TColor value);
    void SetEnabled(bool value) override;
    TColor ButtonColor() const { return buttonColor_; }
    void SetButtonColor(TColor value) { buttonColor_ = value; }
    TColor ButtonColorHot() const { return buttonColorHot_; }
    void SetButtonColorHot(TColor value) { buttonColorHot_ = value; }
    TColor ButtonColorDown() const { return buttonColorDown_; }
    void SetButtonColorDown(TColor value) { buttonColorDown_ = value; }
    TColor ButtonTextColor() const { return buttonTextColor_; }
    void SetButtonTextColor(TColor value) { buttonTextColor_ = value; }
    TColor ButtonTextColorDown() const { return buttonTextColorDown_; }
    void SetButtonTextColorDown(TColor value) { buttonTextColorDown_ = value; }
    // Kept with the others; the painting does not read it.
    TColor ButtonTextColorHot() const { return buttonTextColorHot_; }
    void SetButtonTextColorHot(TColor value) { buttonTextColorHot_ = value; }
    TColor ButtonBorderColor() const { return buttonBorderColor_; }
    void SetButtonBorderColor(TColor value) { buttonBorderColor_ = value; }

    // --- the label ---
    // Setting a caption makes the label.
    std::string LabelCaption() const;
    void SetLabelCaption(const std::string& value);
    TLabelPosition LabelPosition() const { return labelPosition_; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return labelMargin_; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return labelTransparent_; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
    void SetLabelAlwaysEnabled(bool value);
    // The label's font while it does not follow the combo's.
    TFont* LabelFont() const { return labelFont_.get(); }
    void SetLabelFont(const TFont* value);
    TLabel* ComboLabel() const { return label_; }

    // "1.8.0.1"; writing it changes nothing.
    std::string Version() const;
    void SetVersion(const std::string&) {}
    virtual uint32_t GetVersionNr() const { return 0x01080001; }
    // Selects the item with that text and reports the change; nothing when there is none.
    virtual void SelectItem(const std::string& item);
    // Takes the current colour as the one to return to after the focus.
    void Init();

    void SetBounds(int left, int top, int width, int height) override;
    void Dispatch(TMessage& message) override;

    // The list closed.
    TNotifyEvent OnDropUp;

protected:
    void Loaded() override;
    void CreateWnd() override;
    void DoExit() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void EditWndProc(TMessage& message) override;

private:
    // --- label (combo_box.cpp) ---
    void UpdateLabel();
    void PlaceLabel();
    void SetLabelBold(bool bold);
    void LabelFontChanged();
    // --- focus, mouse and messages (combo_box.cpp) ---
    void Entered();
    void Exited();
    void FocusGained();
    void RestoreNormalColor();
    void MouseEntered();
    void MouseLeft();
    void EnabledChanging();
    void Notified(TMessage& message);
    // --- the edit part (combo_box_edit_part.cpp) ---
    bool EditPartBeforeDefault(TMessage& message);
    void EditPartAfterDefault(TMessage& message);
    void FireMouseEvent(const TMessage& message);
    void DrawEmptyText(HDC dc);
    // --- painting (combo_box_painting.cpp) ---
    bool ThemedActive() const;
    bool Active() const;
    bool OwnPainting() const;
    bool DrawsBorders() const;
    void RedrawBorders();
    void PaintClient(TMessage& message);
    void PaintFrame(TMessage& message);
    void PaintBorders(TCanvas& window);
    void PaintFlatBorder(TCanvas& window, const TRect& whole);
    void PaintFlatButton(TCanvas& window, const TRect& whole);
    void PaintButton(TCanvas& window);
    void PaintColouredButton(TCanvas& window, TRect button);
    // The window's size: the classic combo box's client area is its whole window.
    TRect WholeWindow() const { return {0, 0, Width(), Height()}; }
    TPoint ClientInWindow() const;

    // --- state ---
    bool xpOrLater_; // the platform answers, taken at construction
    bool commonControls6_;
    bool hasFocus_ = false;
    bool mouseInControl_ = false;
    bool buttonHover_ = false;
    bool gotReturn_ = false; // the last key down in the edit part was Enter
    bool labelFollowsParentFont_ = true;
    TColor loadedColor_ = clWindow;  // Color as loaded
    TColor normalColor_ = clWindow;  // the colour to return to after the focus
    TColor oldColor_ = clWindow;     // kept while disabled in the flat look
    bool oldParentColor_ = false;    // kept while disabled in the flat look
    TColor savedFontColor_ = clNone; // kept while FocusFontColor applies
    int labelFontHeight_ = 0;
    bool updatingLabelFont_ = false; // the combo itself changes the label font's height

    // --- properties ---
    std::unique_ptr<TFont> labelFont_;
    TLabel* label_ = nullptr;
    bool autoFocus_ = false;
    bool returnIsTab_ = false;
    int dropWidth_ = 0;
    bool autoComplete_ = true;
    TColor borderColor_ = clNone;
    int buttonWidth_;
    bool disabledBorder_ = true;
    bool flat_ = false;
    TColor flatLineColor_ = clBlack;
    bool flatParentColor_ = true;
    bool etched_ = false;
    bool focusBorder_ = false;
    TColor focusBorderColor_ = clNone;
    TColor focusColor_ = clNone;
    TColor focusFontColor_ = clNone;
    bool focusLabel_ = false;
    std::string emptyText_;
    bool emptyTextFocused_ = false;
    TFontStyles emptyTextStyle_;
    TLabelPosition labelPosition_ = lpLeftTop;
    int labelMargin_ = 4;
    bool labelTransparent_ = false;
    bool labelAlwaysEnabled_ = false;
    TColor buttonColor_ = clNone;
    TColor buttonColorHot_ = clNone;
    TColor buttonColorDown_ = clNone;
    TColor buttonTextColor_ = clNone;
    TColor buttonTextColorDown_ = clNone;
    TColor buttonTextColorHot_ = clNone;
    TColor buttonBorderColor_ = clNone;
};

class TVezComboBox : public TVezCustomCombo
{
public:
    using TVezCustomCombo::TVezCustomCombo;
};
