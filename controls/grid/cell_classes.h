#pragma once

#include "controls/grid/cell.h"
#include "controls/grid/cell_text.h"

// The typed cells. Each holds its value natively and converts to and from the other four types by fixed
// rules, with the separators and formats of the global format settings.

// ctBoolean. Reads 1/0 and "True"/"False"; a date-time write stores False, a number stores whether it is
// not 0, a text stores True only for "1" or "true" in any letter case.
class TBooleanCell : public TCell
{
public:
    using TCell::TCell;
    bool AsBoolean() const override { return FValue; }
    TDateTime AsDateTime() const override { return 0; }
    double AsFloat() const override { return FValue ? 1.0 : 0.0; }
    int32_t AsInteger() const override { return FValue ? 1 : 0; }
    std::string AsString() const override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void SetAsString(const std::string& value) override;
    void Clear() override;

private:
    bool FValue = false;
};

// What the date-time and float cells share: a double read as itself and as a date-time, False as a Boolean;
// date-time, float and integer writes store the number.
class TDoubleValueCell : public TCell
{
public:
    using TCell::TCell;
    bool AsBoolean() const override { return false; }
    TDateTime AsDateTime() const override { return FValue; }
    double AsFloat() const override { return FValue; }
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void Clear() override;

protected:
    double FValue = 0;
};

// ctDate: days since 1899-12-30, the fraction the time of day. Reads the value truncated as an integer; a
// Boolean write stores today's date whatever it is, a text that is no date-time stores 0.
class TDateTimeCell : public TDoubleValueCell
{
public:
    using TDoubleValueCell::TDoubleValueCell;
    int32_t AsInteger() const override;
    std::string AsString() const override;
    void SetAsBoolean(bool value) override;
    void SetAsString(const std::string& value) override;
};

// ctFloat. Rounds half to even as an integer; a Boolean write stores 0, a text that is no number raises.
class TFloatCell : public TDoubleValueCell
{
public:
    using TDoubleValueCell::TDoubleValueCell;
    int32_t AsInteger() const override;
    std::string AsString() const override;
    void SetAsBoolean(bool value) override;
    void SetAsString(const std::string& value) override;
};

// ctInteger, 32 bits. Reads True for values above 0 and 0 as a date-time; a float write rounds half to
// even, an empty text stores 0 and another text that is no integer raises.
class TIntegerCell : public TCell
{
public:
    using TCell::TCell;
    bool AsBoolean() const override { return FValue > 0; }
    TDateTime AsDateTime() const override { return 0; }
    double AsFloat() const override { return FValue; }
    int32_t AsInteger() const override { return FValue; }
    std::string AsString() const override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void SetAsString(const std::string& value) override;
    void Clear() override;

private:
    int32_t FValue = 0;
};

// ctString and every type without a class of its own. Its text is parsed by every other read: a Boolean,
// float or integer read of a text that is none (the empty text included) raises; an empty text reads as
// the date-time 0.
class TStringCell : public TCell
{
public:
    using TCell::TCell;
    ~TStringCell() override;
    bool AsBoolean() const override;
    TDateTime AsDateTime() const override;
    double AsFloat() const override;
    int32_t AsInteger() const override;
    std::string AsString() const override { return std::string(FValue.View()); }
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(TDateTime value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int32_t value) override;
    void SetAsString(const std::string& value) override;
    void Clear() override;
    std::optional<std::string_view> StoredText() const override { return FValue.View(); }

private:
    void StoreText(std::string_view value) { FValue.Assign(value, Memory()); }

    TCellText FValue;
};

// ctAutoInc: the value is the row number (RowIndex + 1). Writes store nothing but still report; Clear does
// nothing at all.
class TIncrementCell : public TCell
{
public:
    using TCell::TCell;
    bool AsBoolean() const override { return false; }
    TDateTime AsDateTime() const override { return 0; }
    double AsFloat() const override { return RowIndex() + 1; }
    int32_t AsInteger() const override { return RowIndex() + 1; }
    std::string AsString() const override;
    void Clear() override {}
};
