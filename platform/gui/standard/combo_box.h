#pragma once

#include "platform/gui/core/strings.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/incremental_search.h"
#include "platform/gui/standard/std_control_types.h"

#include <functional>
#include <memory>

// The combo box: a list of items with one selected, shown in the box's face, and a list that drops down
// below it in a window that never takes the focus. csDropDown and csSimple faces are an edit (free text);
// the others show the selected item, owner-drawn ones through OnDrawItem.

// --- combo box messages ------------------------------------------------------------------------------------
constexpr uint32_t CB_GETEDITSEL = 0x0140;
constexpr uint32_t CB_LIMITTEXT = 0x0141;
constexpr uint32_t CB_SETEDITSEL = 0x0142;
constexpr uint32_t CB_ADDSTRING = 0x0143;    // LParam the UTF-8 text; answers its index
constexpr uint32_t CB_DELETESTRING = 0x0144; // WParam the index; answers the count left
constexpr uint32_t CB_GETCOUNT = 0x0146;
constexpr uint32_t CB_GETCURSEL = 0x0147;
constexpr uint32_t CB_GETLBTEXTLEN = 0x0149; // in bytes
constexpr uint32_t CB_INSERTSTRING = 0x014A;
constexpr uint32_t CB_RESETCONTENT = 0x014B;
constexpr uint32_t CB_FINDSTRING = 0x014C; // WParam index to search after (-1: all), LParam prefix
constexpr uint32_t CB_SELECTSTRING = 0x014D;
constexpr uint32_t CB_SETCURSEL = 0x014E;     // WParam the index; -1 or outside the items: none
constexpr uint32_t CB_SHOWDROPDOWN = 0x014F;  // WParam shown
constexpr uint32_t CB_SETITEMHEIGHT = 0x0153; // WParam -1 the face, else an item; LParam the height
constexpr uint32_t CB_GETITEMHEIGHT = 0x0154;
constexpr uint32_t CB_GETDROPPEDSTATE = 0x0157;
constexpr uint32_t CB_FINDSTRINGEXACT = 0x0158;
constexpr uint32_t CB_GETDROPPEDWIDTH = 0x015F;
constexpr uint32_t CB_SETDROPPEDWIDTH = 0x0160;
constexpr LRESULT CB_ERR = -1;

// Notifications, sent as CN_COMMAND to the combo box with MAKEWPARAM(0, code).
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned CBN_DBLCLK = 2;
constexpr unsigned CBN_SETFOCUS = 3;
constexpr unsigned CBN_KILLFOCUS = 4;
constexpr unsigned CBN_EDITCHANGE = 5;
constexpr unsigned CBN_DROPDOWN = 7;
constexpr unsigned CBN_CLOSEUP = 8;
constexpr unsigned CBN_SELENDOK = 9;
constexpr unsigned CBN_SELENDCANCEL = 10;

enum TComboBoxStyle
{
    csDropDown,
    csSimple,
    csDropDownList,
    csOwnerDrawFixed,
    csOwnerDrawVariable
};

class TCustomComboBox;
class TCustomComboBox : public TWinControl
{
public:
    explicit TCustomComboBox(TComponent* owner);
    ~TCustomComboBox() override;

    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle value);
    TStrings* Items() const;
    void SetItems(const TStrings* items);
    int ItemIndex() const { return itemIndex_; }
    // An index outside the items selects none.
    void SetItemIndex(int value);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool value);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int value);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int value) { dropDownCount_ = value < 1 ? 1 : value; }
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    TCanvas* Canvas() const { return canvas_.get(); }
    // The edit of the csDropDown and csSimple faces; nullptr for the others.
    TCustomEdit* EditControl() const;
    // The list window while it exists (always for csSimple, while dropped down for the others).
    TWinControl* ListControl() const;
    // True also while the edit part has the focus.
    bool Focused() const;

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    virtual void Change();
    virtual void Select();
    virtual void DropDown();
    virtual void CloseUp();
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);
    // Every message of the edit part passes here before the edit handles it.
    virtual void EditWndProc(TMessage& message);
    std::string GetText() const override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

private:
    class TComboEdit;
    class TComboList;
    class TComboItems;
    friend class TComboEdit;
    friend class TComboList;
    friend class TComboItems;

    bool Editable() const { return style_ == csDropDown || style_ == csSimple; }
    bool OwnerDrawn() const { return style_ == csOwnerDrawFixed || style_ == csOwnerDrawVariable; }
    int ItemHeightOf(int index);
    int ButtonWidth() const;
    void CreateParts();
    void PlaceParts();
    void ShowList(bool show);
    void EndListChoice(bool accept);
    void SelectByUser(int index);
    void ChooseItem(int index);
    void ItemsChanged();
    void EditTextChanged();
    bool NavigationKey(uint16_t key, TShiftState shift);
    void IncrementalSearch(char32_t ch);
    void Notified(unsigned code);
    bool ComboMessage(TMessage& message);
    void TextMessage(TMessage& message);
    bool ItemMessage(TMessage& message);
    LRESULT FindItem(const char* text, int after, bool exact) const;
    bool ListMessage(TMessage& message);
    bool EditPartMessage(TMessage& message);
    void Notify(unsigned code);
    void Paint(HDC dc);
    void PaintFace(TCanvas& canvas, const TRect& rect);

    TComboBoxStyle style_ = csDropDown;
    std::unique_ptr<TComboItems> items_;
    std::unique_ptr<TCanvas> canvas_;
    TComboEdit* edit_ = nullptr;
    TComboList* list_ = nullptr;
    int itemIndex_ = -1;
    int indexWhenDropped_ = -1; // the item chosen when the list last dropped down
    bool sorted_ = false;
    int itemHeight_ = 0;
    int dropDownCount_ = 8;
    int droppedWidth_ = 0;
    int maxLength_ = 0;
    TEditCharCase charCase_ = ecNormal;
    std::string text_;
    TIncrementalSearch search_;
    int settingText_ = 0;
};

class TComboBox : public TCustomComboBox
{
public:
    explicit TComboBox(TComponent* owner) : TCustomComboBox(owner) {}
};
