#pragma once

#include "controls/grid/edit6.h"
#include "controls/grid/number_edit_text.h"

// The 6-series edit of a floating-point value: the value lives in the text, shown in a fixed number format
// followed by an optional unit text; reading clamps it into the range, leaving the control shows it again
// in the format, and pasting puts in only a number.
class TGxNumberEdit6 : public TGxEdit6
{
public:
    explicit TGxNumberEdit6(TComponent* owner);

    bool AdjustToRange() const { return format_.AdjustToRange; }
    void SetAdjustToRange(bool value) { format_.AdjustToRange = value; }
    bool HideLeadingZeros() const { return format_.HideLeadingZeros; }
    void SetHideLeadingZeros(bool value);
    // The range is active while either limit is not 0; the text shown is not clamped when they change.
    double Max() const { return format_.Max; }
    void SetMax(double value) { format_.Max = value; }
    double Min() const { return format_.Min; }
    void SetMin(double value) { format_.Min = value; }
    TGxNumericEditOptions NumericEditOptions() const { return format_.Options; }
    void SetNumericEditOptions(TGxNumericEditOptions value);
    int Precision() const { return format_.Precision; }
    void SetPrecision(int value);
    const std::string& TextAfter() const { return format_.TextAfter; }
    void SetTextAfter(const std::string& value);
    // Reading reads the text; setting shows the value as it is (the next read clamps it).
    double Value() const { return GetValue(); }
    void SetValue(double value);
    double GetValue() const;
    std::string FormatValue(double value, bool withUnit) const;
    const TNumberEditFormat& Format() const { return format_; }

    double AsFloat() const override { return Value(); }
    void SetAsFloat(double value) override { SetValue(value); }
    // Rounded to the nearest integer, halves to even.
    int AsInteger() const override;
    void SetAsInteger(int value) override { SetValue(value); }
    // The shortest text of the value, without the unit.
    std::string AsString() const override;
    void AssignValue(const IGxBase& source) override;
    // The edit's settings, then the number format's; the value stays.
    void Assign(const TPersistent* source) override;
    void RefreshText() override;

protected:
    // Reads the value with the settings as they are, lets change alter them, and shows it again.
    template <typename Change> void Reshow(Change change)
    {
        const double value = GetValue();
        change();
        SetValue(value);
    }
    void Dispatch(TMessage& message) override;

private:
    void Paste();

    TNumberEditFormat format_;
};
