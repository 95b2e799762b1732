#pragma once

#include "controls/grid/cell.h"

// A cell whose value lives as text: every typed read converts AsString, and every typed write writes the
// value's text through SetAsString and then reports the typed write too (two reports). A text that does not
// convert raises EConvertError.
class TTextConvertingCell : public TCell
{
public:
    using TCell::TCell;
    bool AsBoolean() const override;
    TDateTime AsDateTime() const override;
    double AsFloat() const override;
    int32_t AsInteger() const override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
};
