#pragma once

#include "platform/gui/core/classes.h"

#include <cstdint>
#include <functional>
#include <string>

// The value rules of a skinned spin edit: a floating-point value inside optional bounds, stepped up and down
// by an increment (onto its multiples when snapping), and its text as an integer, a fixed-point number or
// hexadecimal digits between a prefix and a postfix. The edit lends the text through the two text events.

enum TQvSpinType
{
    spnInteger,
    spnFloat,
    spnHex
};

// Asks for the text to read the value from (accept is not read afterwards).
using TQvEditAcceptTextEvent = std::function<void(TObject* sender, std::string& newText, bool& accept)>;
// Hands over the value's new text, prefix and postfix included.
using TQvEditChangeEvent = std::function<void(TObject* sender, const std::string& text)>;

class TQvSpinEditOptions : public TPersistent
{
public:
    // Decimals of the fixed-point text, 0 to 10.
    int Decimal() const { return FDecimal; }
    void SetDecimal(int value);
    // The step; one of 0 or less steps nothing.
    double Increment() const { return FIncrement; }
    void SetIncrement(double value) { FIncrement = value; }
    // Equal bounds (0 and 0 by default) leave the value free; a value outside them is ignored, never clamped.
    double MinValue() const { return FMinValue; }
    void SetMinValue(double value);
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double value);
    double Value() const { return FValue; }
    void SetValue(double value);
    // The value rounded half to even (and held inside the 64-bit range).
    int64_t ValueAsInteger() const;
    void SetValueAsInteger(int64_t value) { SetValue(static_cast<double>(value)); }
    // Steps go onto the next multiple of Increment above or below.
    bool ValueSnap() const { return FValueSnap; }
    void SetValueSnap(bool value) { FValueSnap = value; }
    // Integer and hexadecimal values step by whole numbers (at least 1).
    TQvSpinType ValueType() const { return FValueType; }
    void SetValueType(TQvSpinType value);
    const std::string& Prefix() const { return FPrefix; }
    void SetPrefix(const std::string& value);
    const std::string& Postfix() const { return FPostfix; }
    void SetPostfix(const std::string& value);

    // One step up or down; a step that leaves the bounds or the 64-bit range is ignored.
    void ValueInc();
    void ValueDec();
    // Hands the value's text to OnSetText.
    void UpdateText();
    // Reads the value from OnGetText's text; text that is no number keeps the value. With force, or when
    // the value changed, the text is written again (so a refused value shows the current one).
    void UpdateValueFromText(bool force);

    TQvEditAcceptTextEvent OnGetText;
    TQvEditChangeEvent OnSetText;
    // Sent with the options as sender.
    TNotifyEvent OnValueChanged;

protected:
    virtual void DoValueChanged();

private:
    void Step(bool up);
    std::string NumberText() const;
    double ValueFromText(const std::string& text) const;

    int FDecimal = 2;
    double FIncrement = 1;
    double FMinValue = 0;
    double FMaxValue = 0;
    double FValue = 0;
    bool FValueSnap = true;
    TQvSpinType FValueType = spnInteger;
    std::string FPrefix;
    std::string FPostfix;
};
