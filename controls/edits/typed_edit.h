#pragma once

#include "controls/edits/edit_persistence.h"
#include "controls/edits/label_position.h"
#include "controls/edits/lookup_list.h"
#include "controls/edits/text_drop_target.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/stdctrls_labels.h"

#include <memory>
#include <string>
#include <variant>

// The typed edit: a single-line edit whose value has a type (text, whole, float, money or hexadecimal
// number, a case, a range, a character set), may stand between a fixed Prefix and Suffix, is normalised and
// formatted by type and precision, can be read as a number and tested against a range, with an error
// state. It filters what is typed by its type, keeps the caret out of the affixes, may undo to the value it
// had on receiving the focus, pastes by type, offers an auto-complete list, can keep its value between runs,
// drags and drops its text, carries a label, and has a flat look with focus, error, disabled and URL
// colours.
//
// Text is the value (without Prefix and Suffix); the window text (TControl::Text) is what is shown.
// Positions count characters (code points).

enum TVezEditType
{
    etString,
    etNumeric,
    etFloat,
    etUppercase,
    etMixedCase,
    etLowerCase,
    etPassword,
    etMoney,
    etRange,
    etHex,
    etAlphaNumeric,
    etValidChars,
    etInvalidChars
};

enum TPrecisionDisplay
{
    pdNormal,
    pdShortest // float and money values in the shortest general form
};

enum TEditAlign
{
    eaLeft,
    eaRight,
    eaDefault,
    eaCenter
};

// The value as a variant: a whole number for etNumeric, a float for etFloat, the text otherwise.
using TEditValue = std::variant<int32_t, double, std::string>;

class TVezEdit;
using TValueValidateEvent = std::function<void(TObject* sender, const std::string& value, bool& isValid)>;
using TURLClickEvent = std::function<void(TObject* sender, const std::string& url, bool& show)>;
using TClipboardEvent = std::function<void(TObject* sender, const std::string& value, bool& allow)>;
using TClipboardAllowEvent = std::function<void(TObject* sender, std::string& value, bool& allow)>;
using TLookupSelectEvent = std::function<void(TObject* sender, std::string& value)>;
using TLookupIndexSelectEvent = std::function<void(TObject* sender, int index, std::string& value)>;
using TLookupNeedDataEvent =
    std::function<void(TObject* sender, const std::string& value, TStrings* list, int& itemIndex)>;

// The label a typed edit carries; with AlwaysEnable it enables itself again whenever it is disabled.
class TVezEditLabel : public TLabel
{
public:
    using TLabel::TLabel;
    bool AlwaysEnable() const { return alwaysEnable_; }
    void SetAlwaysEnable(bool value);
    void SetEnabled(bool value) override;

private:
    bool alwaysEnable_ = false;
};

class TEditDropTarget;

class TVezEdit : public TCustomEdit
{
public:
    explicit TVezEdit(TComponent* owner);
    ~TVezEdit() override;

    // --- the value (typed_edit.cpp, typed_edit_numbers.cpp) ---
    TVezEditType EditType() const { return editType_; }
    void SetEditType(TVezEditType value);
    std::string Text() const;
    void SetText(const std::string& value);
    void Clear() { SetText(""); }
    const std::string& Prefix() const { return prefix_; }
    void SetPrefix(const std::string& value);
    const std::string& Suffix() const { return suffix_; }
    void SetSuffix(const std::string& value);
    // Decimals of float, money and string edits; negative: the general format. Other types keep it.
    int16_t Precision() const { return precision_; }
    void SetPrecision(int16_t value);
    TPrecisionDisplay PrecisionDisplay() const { return precisionDisplay_; }
    void SetPrecisionDisplay(TPrecisionDisplay value);
    bool AutoThousandSeparator() const { return autoThousandSeparator_; }
    void SetAutoThousandSeparator(bool value);
    // An empty value stays empty in numeric, float and money edits.
    bool AllowNumericNullValue() const { return allowNumericNullValue_; }
    void SetAllowNumericNullValue(bool value) { allowNumericNullValue_ = value; }
    bool Signed() const { return signed_; }
    void SetSigned(bool value) { signed_ = value; }
    // The range of a numeric edit, and of a float or money edit; both 0: none.
    int32_t MinValue() const { return minValue_; }
    void SetMinValue(int32_t value) { minValue_ = value; }
    int32_t MaxValue() const { return maxValue_; }
    void SetMaxValue(int32_t value) { maxValue_ = value; }
    double MinFloatValue() const { return minFloatValue_; }
    void SetMinFloatValue(double value) { minFloatValue_ = value; }
    double MaxFloatValue() const { return maxFloatValue_; }
    void SetMaxFloatValue(double value) { maxFloatValue_ = value; }
    const std::string& ValidChars() const { return validChars_; }
    void SetValidChars(const std::string& value) { validChars_ = value; }
    const std::string& InvalidChars() const { return invalidChars_; }
    void SetInvalidChars(const std::string& value) { invalidChars_ = value; }
    // The most characters before the decimal separator; 0: no limit.
    int16_t LengthLimit() const { return lengthLimit_; }
    void SetLengthLimit(int16_t value) { lengthLimit_ = value; }
    int32_t IntValue() const;
    void SetIntValue(int32_t value);
    double FloatValue() const;
    void SetFloatValue(double value);
    TEditValue Value() const;
    void SetValue(const TEditValue& value);
    // "3.4.3.2"; writing it changes nothing.
    std::string Version() const;
    void SetVersion(const std::string&) {}
    virtual uint32_t GetVersionNr() const { return 0x03040302; }
    // Selects the value (after the prefix; after "://" or "mailto:" of a URL shown as one).
    void SelectAll();
    // The caret just after the value's decimal separator, or after the prefix without one.
    void SelectAfterDecimal();
    // The value when the edit last received the focus.
    const std::string& OrigText() const { return oldString_; }
    int16_t ReturnAsTabKey() const { return returnAsTabKey_; }
    void SetReturnAsTabKey(int16_t value) { returnAsTabKey_ = value; }
    // Takes the current colour, font colour and border style as the normal ones and applies Flat.
    void Init();

    // --- validation and states ---
    bool Modified() const { return isModified_; }
    void SetModified(bool value);
    bool IsError() const { return error_; }
    void SetIsError(bool value);
    bool ShowError() const { return showError_; }
    void SetShowError(bool value) { showError_ = value; }
    TColor ErrorColor() const { return errorColor_; }
    void SetErrorColor(TColor value) { errorColor_ = value; }
    TColor ErrorFontColor() const { return errorFontColor_; }
    void SetErrorFontColor(TColor value) { errorFontColor_ = value; }
    bool ShowModified() const { return showModified_; }
    void SetShowModified(bool value) { showModified_ = value; }
    TColor ModifiedColor() const { return modifiedColor_; }
    void SetModifiedColor(TColor value) { modifiedColor_ = value; }
    virtual bool ValidateValue(const std::string& value);

    // --- looks (typed_edit_look.cpp) ---
    void SetColor(TColor value);
    void SetEnabled(bool value) override;
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    TColor FlatLineColor() const { return flatLineColor_; }
    void SetFlatLineColor(TColor value);
    bool FlatParentColor() const { return flatParentColor_; }
    void SetFlatParentColor(bool value);
    bool SoftBorder() const { return softBorder_; }
    void SetSoftBorder(bool value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value) { focusColor_ = value; }
    TColor FocusFontColor() const { return focusFontColor_; }
    void SetFocusFontColor(TColor value) { focusFontColor_ = value; }
    bool FocusBorder() const { return focusBorder_; }
    void SetFocusBorder(bool value);
    TColor FocusBorderColor() const { return focusBorderColor_; }
    void SetFocusBorderColor(TColor value) { focusBorderColor_ = value; }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value);
    // A sunken hot frame always.
    bool Border3D() const { return border3D_; }
    void SetBorder3D(bool value);
    TColor DisabledColor() const { return disabledColor_; }
    void SetDisabledColor(TColor value);
    TColor DisabledTextColor() const { return disabledTextColor_; }
    void SetDisabledTextColor(TColor value);
    bool DisabledBorder() const { return disabledBorder_; }
    void SetDisabledBorder(bool value);
    const std::string& EmptyText() const { return emptyText_; }
    void SetEmptyText(const std::string& value);
    bool EmptyTextFocused() const { return emptyTextFocused_; }
    void SetEmptyTextFocused(bool value) { emptyTextFocused_ = value; }
    TFontStyles EmptyTextStyle() const { return emptyTextStyle_; }
    void SetEmptyTextStyle(TFontStyles value);
    // Characters underlined with a red zig-zag while the edit has no focus (1-based start).
    int ErrorMarkerPos() const { return errorMarkerPos_; }
    void SetErrorMarkerPos(int value);
    int ErrorMarkerLen() const { return errorMarkerLen_; }
    void SetErrorMarkerLen(int value);
    bool ShowURL() const { return showURL_; }
    void SetShowURL(bool value) { showURL_ = value; }
    TColor URLColor() const { return urlColor_; }
    void SetURLColor(TColor value) { urlColor_ = value; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TEditAlign EditAlign() const { return editAlign_; }
    void SetEditAlign(TEditAlign value);
    TEditAlign FocusAlign() const { return focusAlign_; }
    void SetFocusAlign(TEditAlign value) { focusAlign_ = value; }
    int FocusWidthInc() const { return focusWidthInc_; }
    void SetFocusWidthInc(int value) { focusWidthInc_ = value; }
    bool HintShowLargeText() const { return hintShowLargeText_; }
    void SetHintShowLargeText(bool value) { hintShowLargeText_ = value; }
    bool AutoFocus() const { return autoFocus_; }
    void SetAutoFocus(bool value) { autoFocus_ = value; }
    // The height as stored in a layout is remembered, to be scaled to the screen when loaded.
    void SetHeight(int value);
    virtual bool TextIsURL() const;
    // The value's width in pixels in the edit's font.
    int GetTextSize() const;
    void SetBounds(int left, int top, int width, int height) override;

    // --- typing and keys (typed_edit_filter.cpp, typed_edit_keys.cpp) ---
    // Off: nothing can be typed.
    bool EditorEnabled() const { return editorEnabled_; }
    void SetEditorEnabled(bool value) { editorEnabled_ = value; }
    // The keypad's decimal key types the decimal separator.
    bool SpreadsheetStyleDecimalSeparator() const { return spreadsheetStyleDecimalSeparator_; }
    void SetSpreadsheetStyleDecimalSeparator(bool value) { spreadsheetStyleDecimalSeparator_ = value; }
    // The focus moves on once the integer part is LengthLimit characters long.
    bool TabOnFullLength() const { return tabOnFullLength_; }
    void SetTabOnFullLength(bool value) { tabOnFullLength_ = value; }
    // Escape is reported to the parent after the undo; off: Enter and Escape are reported as typed.
    bool DefaultHandling() const { return defaultHandling_; }
    void SetDefaultHandling(bool value) { defaultHandling_ = value; }
    bool ReturnIsTab() const { return returnIsTab_; }
    void SetReturnIsTab(bool value) { returnIsTab_ = value; }
    // Escape restores the value the edit had when it received the focus; never for etPassword.
    bool CanUndo() const { return canUndo_; }
    void SetCanUndo(bool value);
    // The character at a client point, and the client position of a character of the window text.
    int CharFromPos(TPoint point) const;
    TPoint PosFromChar(int index) const;

    // --- lookup (typed_edit_lookup.cpp) ---
    TLookupSettings* Lookup() const { return lookup_.get(); }
    void SetLookup(const TLookupSettings* value) { lookup_->Assign(value); }
    // Matches anywhere in an entry instead of at its start.
    bool FullTextSearch() const { return fullTextSearch_; }
    void SetFullTextSearch(bool value) { fullTextSearch_ = value; }
    bool LookupVisible() const;
    TListHintWindow* LookupWindow() const { return lookupList_; }

    // --- persistence (typed_edit_persistence.cpp) ---
    TPersistence* Persistence() const { return persistence_.get(); }
    void SetPersistence(const TPersistence* value) { persistence_->Assign(value); }
    virtual void LoadPersist();
    virtual void SavePersist();

    // --- drag and drop (typed_edit_drag_drop.cpp) ---
    bool OleDropTarget() const { return oleDropTarget_; }
    void SetOleDropTarget(bool value);
    bool OleDropSource() const { return oleDropSource_; }
    void SetOleDropSource(bool value) { oleDropSource_ = value; }
    // Where the drop caret stands, (-1, -1) while hidden.
    TPoint DropCaretPos() const { return caretPos_; }

    // --- the label (typed_edit_label.cpp) ---
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
    TFont* LabelFont() const { return labelFont_.get(); }
    void SetLabelFont(const TFont* value);
    bool FocusLabel() const { return focusLabel_; }
    void SetFocusLabel(bool value) { focusLabel_ = value; }
    TVezEditLabel* EditLabel() const { return label_; }
    void SetParent(TWinControl* parent) override;

    void Dispatch(TMessage& message) override;

    TValueValidateEvent OnValueValidate;
    TURLClickEvent OnURLClick;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;
    TClipboardAllowEvent OnClipboardCanPaste;
    TNotifyEvent OnAfterClipboardCopy;
    TNotifyEvent OnAfterClipboardCut;
    TNotifyEvent OnAfterClipboardPaste;
    TLookupSelectEvent OnLookupSelect;
    TLookupIndexSelectEvent OnLookupIndexSelect;
    TLookupNeedDataEvent OnLookupNeedData;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

protected:
    void Loaded() override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Change() override;
    virtual void DoValueValidate(const std::string& value, bool& isValid);
    // True in a descendant that keeps its text when the persisted one is loaded.
    virtual bool KeepTextOnLoad() const { return false; }
    virtual void DoLookupNeedData(const std::string& value, TStrings* list, int& itemIndex);

private:
    friend class TEditDropTarget;

    // --- the value ---
    std::string WindowText() const { return TCustomEdit::GetText(); }
    void SetWindowText(const std::string& text);
    // The window text rewritten without its change notice reaching OnChange.
    void SetWindowTextQuietly(const std::string& text);
    std::string Shown(const std::string& value) const { return prefix_ + value + suffix_; }
    int PrefixLength() const;
    int SuffixLength() const;
    bool IsNumberType() const
    {
        return editType_ == etNumeric || editType_ == etFloat || editType_ == etMoney;
    }
    std::string Normalised(std::string value) const;
    void ApplyThousandSeparators();
    void RenderFloat(double value);
    void ChangeNotice(TMessage& message);
    void SettleOnExit();
    void WindowGoing();
    // --- looks ---
    void ApplyStateColors();
    void ApplyFlat();
    void SetEditRect();
    void NudgeWidth(int first, int second);
    void ApplyAlignmentStyle();
    bool UrlShown() const { return TextIsURL() && showURL_; }
    void SetURLLook(bool on);
    void FocusGained();
    void FocusLost(TMessage& message);
    void EnabledChanged();
    void MouseEntered();
    void MouseLeft();
    void HintShow(TMessage& message);
    void EraseBackground(TMessage& message);
    void TransparentBackground(TMessage& message);
    void Paint(TMessage& message);
    void PaintDisabled(TCanvas& canvas);
    void PaintOverlay(TCanvas& canvas);
    void PaintFlatLine(TCanvas& canvas);
    void PaintEmptyText(TCanvas& canvas);
    void PaintErrorMarker(TCanvas& canvas);
    bool BorderWanted() const;
    void PaintBorder(TCanvas& window);
    void PaintFrame(TMessage& message);
    bool IsHot() const;
    void UrlClick();
    // --- the character filter ---
    void CharMessage(TMessage& message);
    void FilterChar(TMessage& message, char32_t k);
    void PassOn(TMessage& message, char32_t k);
    void TypeRule(TMessage& message, char32_t k);
    bool NumericRule(TMessage& message, char32_t k);
    bool FloatRule(TMessage& message, char32_t k);
    bool MoneyRule(TMessage& message, char32_t k);
    bool RangeRule(TMessage& message, char32_t k);
    bool SetRule(TMessage& message, char32_t k, bool inSet);
    bool NumberEntry(TMessage& message, char32_t k);
    void ToggleSign();
    void FilterEnding();
    bool DecimalsFull(int caret) const;
    bool SeparatorPlacementOk(int caret) const;
    int IntPartLength(const std::string& text) const;
    int DecimalCaretLimit() const;
    bool InTypeSet(char32_t k) const;
    void FocusNextControl();
    // --- keys, mouse and clipboard ---
    void KeyDownMessage(TMessage& message);
    bool AffixKey(uint16_t key, TShiftState shift);
    bool LookupKey(uint16_t key);
    void KeyDownDefault(TMessage& message, uint16_t key);
    bool EnterOrEscapeChar(TMessage& message, char32_t k);
    void WantSpecialKey(TMessage& message);
    void MouseDownMessage(TMessage& message);
    void MouseMoveMessage(TMessage& message);
    void MouseUpMessage(TMessage& message);
    void LimitSelectionToValue();
    void CopyMessage(TMessage& message);
    void CutMessage(TMessage& message);
    void PasteMessage(TMessage& message);
    bool PasteByType(std::string candidate, const std::string& clipboardText);
    std::string SelectedValuePart() const;
    void PostKeyToParent(uint32_t msg, uint16_t key);
    // --- lookup ---
    void CreateLookupWindow();
    void UpdateLookup();
    void HideLookup();
    void AcceptLookup();
    void FocusAndHideLookup();
    void MoveLookupSelection(int index);
    void AddToHistory();
    void LookupListKey(char32_t& key);
    // --- drag and drop ---
    void StartDrag();
    void DragOverAt(TPoint screenPos);
    void DropAt(TPoint screenPos, const std::string& text, bool copy);
    void HideDropCaret();
    void InvalidateCaretColumn(TPoint pos);
    // --- the label ---
    void CreateLabel();
    void UpdateLabel();
    void PositionLabel();
    void LabelFontChanged();
    void SetLabelBold(bool bold);
    void ScaleLabelFont();

    // --- value state ---
    TVezEditType editType_ = etString;
    std::string prefix_;
    std::string suffix_;
    int16_t precision_ = 0;
    TPrecisionDisplay precisionDisplay_ = pdNormal;
    bool autoThousandSeparator_ = true;
    bool allowNumericNullValue_ = false;
    bool signed_ = false;
    int32_t minValue_ = 0;
    int32_t maxValue_ = 0;
    double minFloatValue_ = 0;
    double maxFloatValue_ = 0;
    std::string validChars_;
    std::string invalidChars_;
    int16_t lengthLimit_ = 0;
    bool showError_ = false;
    TColor errorColor_ = clRed;
    TColor errorFontColor_ = clWhite;
    bool showModified_ = false;
    TColor modifiedColor_ = clHighlight;
    int16_t returnAsTabKey_ = 9;
    TColor normalColor_ = clWindow; // FNormalColor: restored after focus, error and disabled colouring
    TColor fontColor_;              // FFontColor: restored after focus, error, URL and modified colouring
    std::string oldString_;         // FOldString: the value on receiving the focus
    bool isModified_ = false;       // FIsModified
    bool error_ = false;            // FError
    bool isValidating_ = false;     // FIsValidating: ValidateValue's guard against re-entry
    bool blockChange_ = false;      // FBlockChange: the next change notice does not count
    // --- look state ---
    bool flat_ = false;
    TColor flatLineColor_ = clBlack;
    bool flatParentColor_ = true;
    bool softBorder_ = false;
    TColor focusColor_ = clNone;
    TColor focusFontColor_ = clWindowText;
    bool focusBorder_ = false;
    TColor focusBorderColor_ = clNone;
    TColor borderColor_ = clNone;
    bool border3D_ = false;
    TColor disabledColor_ = clSilver;
    TColor disabledTextColor_ = clNone;
    bool disabledBorder_ = true;
    std::string emptyText_;
    bool emptyTextFocused_ = false;
    TFontStyles emptyTextStyle_;
    int errorMarkerPos_ = 0;
    int errorMarkerLen_ = 0;
    bool showURL_ = false;
    TColor urlColor_ = clBlue;
    bool transparent_ = false;
    TEditAlign editAlign_ = eaLeft;
    TEditAlign focusAlign_ = eaDefault;
    int focusWidthInc_ = 0;
    bool hintShowLargeText_ = false;
    bool autoFocus_ = false;
    TBorderStyle oldBorder_ = bsSingle; // FOldBorder: the border style when Flat goes off
    bool mouseInControl_ = false;       // FMouseInControl
    bool isUrl_ = false;                // FIsUrl: the URL look is on
    TEditAlign oldEditAlign_ = eaLeft;  // FOldEditAlign
    bool alignChanging_ = false;        // FAlignChanging: an alignment change re-creates the window
    int loadedHeight_ = 0;              // FLoadedHeight
    bool isWinXP_;                      // FIsWinXP
    bool isThemed_;                     // FIsThemed
    // --- typing and keys state ---
    bool editorEnabled_ = true;
    bool spreadsheetStyleDecimalSeparator_ = false;
    bool tabOnFullLength_ = false;
    bool defaultHandling_ = true;
    bool returnIsTab_ = false;
    bool canUndo_ = true;
    bool gotReturn_ = false;            // FGotReturn: Enter is down
    bool blockDefaultHandling_ = false; // FBlockDefaultHandling: skip the next special-key query
    bool blockCopy_ = false;            // FBlockCopy: a cut is in progress
    bool buttonDown_ = false;           // FButtonDown: the left button went down inside the selection
    bool replacesWholeValue_ = false;   // the character being filtered replaces the whole value
    // --- lookup state ---
    std::unique_ptr<TLookupSettings> lookup_;
    bool fullTextSearch_ = false;
    TListHintWindow* lookupList_ = nullptr; // FLookupList
    TListBoxTab* lookupListBox_ = nullptr;  // FLookupListBox
    // --- persistence, drag and drop ---
    std::unique_ptr<TPersistence> persistence_;
    bool oleDropTarget_ = false;
    bool oleDropSource_ = false;
    bool oleDropTargetAssigned_ = false; // FOleDropTargetAssigned
    bool isDragSource_ = false;          // FIsDragSource
    bool droppedOnOwnSelection_ = false; // the running drag of the selection ended on the selection
    TPoint caretPos_{-1, -1};            // FCaretPos: the drop caret
    std::shared_ptr<TEditDropTarget> dropTarget_;
    // --- label state ---
    TVezEditLabel* label_ = nullptr; // FLabel
    std::unique_ptr<TFont> labelFont_;
    TLabelPosition labelPosition_ = lpLeftTop;
    int labelMargin_ = 4;
    bool labelTransparent_ = false;
    bool labelAlwaysEnabled_ = false;
    bool focusLabel_ = false;
    bool parentFnt_ = true;  // FParentFnt: the label follows the edit's font
    int lblFntHeight_ = 0;   // FLblFntHeight
    bool lblUpdate_ = false; // FLblUpdate: the edit itself scales the label font
};
