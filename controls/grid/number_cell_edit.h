#pragma once

#include "controls/grid/number_text.h"
#include "controls/grid/text_cell_edit.h"

// The in-place editor of a number: a value shown with a fixed number of decimals between a text before
// and a text after, a text for the value 0, a range, and filters on what is typed and pasted.

enum TGxNumberEditOption
{
    eoAllowAll,     // any text may be typed and stays as typed
    eoAllowFloat,   // decimals
    eoAllowSigns,   // a sign in front
    eoDisablePaste, // pasting does nothing
    eoDisableTyping // typing, Backspace and Delete do nothing
};
using TGxNumberEditOptions = TSet<TGxNumberEditOption>;

class TGxCustomNumberEdit : public TGxEdit
{
public:
    explicit TGxCustomNumberEdit(TComponent* owner);

    double Max() const { return max_; }
    void SetMax(double value) { max_ = value; }
    double Min() const { return min_; }
    void SetMin(double value) { min_ = value; }
    const std::string& NullText() const { return nullText_; }
    // Shows the value 0.
    void SetNullText(const std::string& value);
    TGxNumberEditOptions Options() const { return options_; }
    void SetOptions(TGxNumberEditOptions value) { options_ = value; }
    int Precision() const { return precision_; }
    void SetPrecision(int value);
    const std::string& TextAfter() const { return textAfter_; }
    void SetTextAfter(const std::string& value);
    const std::string& TextBefore() const { return textBefore_; }
    void SetTextBefore(const std::string& value);
    // Reading the value reads the text (GetValue); setting it shows the value without storing it.
    double Value() { return GetValue(); }
    void SetValue(double value) { ShowValue(value); }

    // NullText for 0 when there is one; otherwise TextBefore, the number and TextAfter.
    std::string GetFormatedValue(double value) const;
    // The number the text holds, clamped into the range; the last good value when the text holds none.
    double GetValue();
    // Shows the value unless a column is configuring the editor.
    void ShowValue(double value);

    double AsFloat() const override;
    void SetAsFloat(double value) override;
    int AsInteger() const override;
    void SetAsInteger(int value) override;
    void ApplyEditing() override;
    void Assign(const TPersistent* source) override;

protected:
    TNumberRange Range() const { return {min_, max_}; }
    // The text without TextBefore in front and TextAfter at the end.
    std::string NumberPart() const;
    // Shows the value read from the text again, unless any text is allowed.
    void ShowValueAgain();

    void CreateWnd() override;
    void Dispatch(TMessage& message) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;

private:
    void Paste();

    double max_ = 0;       // upper limit
    double min_ = 0;       // lower limit
    std::string nullText_; // shown for the value 0
    TGxNumberEditOptions options_{eoAllowFloat, eoAllowSigns};
    int precision_ = 2;      // decimals shown
    std::string textAfter_;  // after the number
    std::string textBefore_; // before the number
    double value_ = 0;       // the last value read from the text
};
