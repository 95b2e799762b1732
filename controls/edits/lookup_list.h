#pragma once

#include "platform/gui/core/strings.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/standard/list_box.h"

#include <memory>

// The typed edit's auto-complete list: its settings, and the pop-up that shows the matching entries under
// the edit (a hint window holding a list box).

enum TValueSeparator
{
    vsBracket,       // "(" ")"
    vsSquareBracket, // "[" "]"
    vsLargerSmaller, // "<" ">"
    vsNone
};

// The brackets a shown value stands in.
std::pair<std::string, std::string> ValueBrackets(TValueSeparator separator);

class TLookupSettings : public TPersistent
{
public:
    TLookupSettings();
    ~TLookupSettings() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    // The entries shown and searched, and an optional value for the entry of the same index.
    TStringList* DisplayList() const { return displayList_.get(); }
    void SetDisplayList(const TStrings* value) { displayList_->Assign(value); }
    TStringList* ValueList() const { return valueList_.get(); }
    void SetValueList(const TStrings* value) { valueList_->Assign(value); }
    // Typed characters needed before the list shows; 0 and less are ignored.
    int NumChars() const { return numChars_; }
    void SetNumChars(int value);
    // Rows shown, and the Page Up and Page Down step.
    int DisplayCount() const { return displayCount_; }
    void SetDisplayCount(int value) { displayCount_ = value; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value) { caseSensitive_ = value; }
    // The value list is searched too.
    bool SearchValue() const { return searchValue_; }
    void SetSearchValue(bool value) { searchValue_ = value; }
    // A row shows its value after the entry.
    bool ShowValue() const { return showValue_; }
    void SetShowValue(bool value) { showValue_ = value; }
    TValueSeparator ValueSeparator() const { return valueSeparator_; }
    void SetValueSeparator(TValueSeparator value) { valueSeparator_ = value; }
    // The values the edit is left with are added to the display list.
    bool History() const { return history_; }
    void SetHistory(bool value) { history_ = value; }
    // The edit holds entries joined by Separator; the list completes the last one.
    bool Multi() const { return multi_; }
    void SetMulti(bool value) { multi_ = value; }
    char32_t Separator() const { return separator_; }
    void SetSeparator(char32_t value) { separator_ = value; }
    // Tab in the list takes the selected entry.
    bool AcceptOnTab() const { return acceptOnTab_; }
    void SetAcceptOnTab(bool value) { acceptOnTab_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* value) { font_->Assign(value); }
    // Pixels added to the row height.
    int Spacing() const { return spacing_; }
    void SetSpacing(int value) { spacing_ = value; }

    void Assign(const TPersistent* source) override;

private:
    bool enabled_ = false;
    std::unique_ptr<TStringList> displayList_;
    std::unique_ptr<TStringList> valueList_;
    int numChars_ = 2;
    int displayCount_ = 4;
    bool caseSensitive_ = false;
    bool searchValue_ = false;
    bool showValue_ = false;
    TValueSeparator valueSeparator_ = vsBracket;
    bool history_ = false;
    bool multi_ = false;
    char32_t separator_ = U';';
    bool acceptOnTab_ = false;
    TColor color_ = clWindow;
    std::unique_ptr<TFont> font_;
    int spacing_ = 0;
};

// A list box that can ask for Tab.
class TListBoxTab : public TListBox
{
public:
    using TListBox::TListBox;
    bool HandleTab() const { return handleTab_; }
    void SetHandleTab(bool value) { handleTab_ = value; }
    void Dispatch(TMessage& message) override;

private:
    bool handleTab_ = false;
};

// The pop-up of the lookup list: a top-most hint window with a 1-pixel border holding the list box.
class TListHintWindow : public THintWindow
{
public:
    explicit TListHintWindow(TComponent* owner);
    TListBoxTab* ListControl() const { return list_; }
    void SetListControl(TListBoxTab* value) { list_ = value; }
    // The window's own owner (the edit); 0 for none.
    void SetOwnerWindow(HWND window) { ownerWindow_ = window; }
    bool IsShown() const;
    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override {}

private:
    TListBoxTab* list_ = nullptr;
    HWND ownerWindow_ = nullptr;
};
