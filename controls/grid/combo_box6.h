#pragma once

#include "controls/grid/drop_down_edit6.h"
#include "controls/grid/list_popup6.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The 6-series combo box: a drop-down edit whose drop-down is the list of its strings. It keeps the strings,
// the selected index and how a name=value line is shown, draws the list's items, moves the selection by
// keys and the wheel, and completes typed text from the list.

using TGxDrawComboBoxItemEvent =
    std::function<void(TCanvas* canvas, int index, const TRect& rect, TOwnerDrawState state)>;

class TGxComboBox6 : public TGxDropDownEdit6, public IGxStringsControl
{
public:
    explicit TGxComboBox6(TComponent* owner);
    ~TGxComboBox6() override;

    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool value) { autoComplete_ = value; }
    // Milliseconds of pause after which typing in the list style starts a new search.
    uint32_t AutoCompleteDelay() const { return autoCompleteDelay_; }
    void SetAutoCompleteDelay(uint32_t value) { autoCompleteDelay_ = value; }
    TGxStringsDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TGxStringsDisplayMode value) { displayMode_ = value; }
    TGxDrawingOptions DrawingOptions() const { return drawingOptions_; }
    void SetDrawingOptions(TGxDrawingOptions value) { drawingOptions_ = value; }
    int DropDownCount() const override { return dropDownCount_; }
    void SetDropDownCount(int value) { dropDownCount_ = value; }
    int ItemHeight() const override { return itemHeight_; }
    void SetItemHeight(int value) { itemHeight_ = value; }
    int ItemIndex() const override { return itemIndex_; }
    // -1 clears the selection; another index outside the lines changes nothing. Ignored while the combo
    // box writes its text itself.
    void SetItemIndex(int value);
    TStrings* Items() const override { return items_.get(); }
    void SetItems(const TStrings* value) { items_->Assign(value); }
    TAlignment ItemsAlignment() const { return itemsAlignment_; }
    void SetItemsAlignment(TAlignment value) { itemsAlignment_ = value; }
    int ListWidth() const override { return listWidth_; }
    void SetListWidth(int value) { listWidth_ = value; }
    TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(TColor value) { selectionColor_ = value; }
    TColor SelectionTextColor() const { return selectionTextColor_; }
    void SetSelectionTextColor(TColor value) { selectionTextColor_ = value; }
    int Count() const { return items_->Count(); }
    // Line index as DisplayMode shows it: the whole line, its name, or its value; a line without "=" is
    // shown whole in every mode.
    std::string GetDisplayText(int index) const;

    // The selected index.
    int AsInteger() const override { return itemIndex_; }
    void SetAsInteger(int value) override { SetItemIndex(value); }

    bool DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
    void SelectItem(int index, bool notify) override;

    TGxDrawComboBoxItemEvent OnDrawItem;

protected:
    virtual void DrawItemContent(int index, const TRect& rect, TOwnerDrawState state);
    // Completes text from the first line that starts with it; false when none does.
    virtual bool CompleteText(std::string& text);
    virtual void DoDrawItem(int index, const TRect& rect, TOwnerDrawState state);
    // The lines changed: no selection, and no text in the list style.
    virtual void DoItemsChange();
    // The canvas of the list while it draws.
    TCanvas* ListCanvas() const;

    TGxPopupControl6* CreatePopupControl() override;
    void Change() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    // Writes the text as the combo box's own, which no text-change path takes for the user's.
    void WriteText(const std::string& text);
    int FindCompletion(const std::string& text) const;
    void Backspace(char32_t& key);
    void WheelStep(int step);

    uint32_t autoCompleteDelay_ = 750;
    bool autoComplete_ = false;
    TGxStringsDisplayMode displayMode_ = dmDefault;
    TGxDrawingOptions drawingOptions_{ItemDrawing::doBackground, ItemDrawing::doContent};
    int dropDownCount_ = 8;
    std::string filter_; // the text auto-complete searches
    int itemHeight_ = 13;
    int itemIndex_ = -1;
    std::unique_ptr<TGxStringList> items_;
    TAlignment itemsAlignment_ = taLeftJustify;
    uint32_t lastTime_ = 0; // tick count of the last character typed in the list style
    int listWidth_ = 0;
    bool updatingIndex_ = false; // the combo box writes its text itself
    TColor selectionTextColor_ = clHighlightText;
    TColor selectionColor_ = clHighlight;
};
