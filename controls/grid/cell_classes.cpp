#include "controls/grid/cell_classes.h"

#include "platform/system/boolean_text.h"
#include "platform/system/date_time_text.h"
#include "platform/system/float_text.h"
#include "support/date_time.h"
#include "support/math_routines.h"
#include "support/number_conversion.h"
#include "support/utf8.h"

#include <cmath>
#include <limits>

namespace {

int32_t RoundToInt32(double value)
{
    constexpr int64_t low = std::numeric_limits<int32_t>::min();
    constexpr int64_t high = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(RoundHalfEven(value), low, high));
}

TDateTime Today()
{
    return std::floor(Now());
}

} // namespace

// --- TBooleanCell -------------------------------------------------------------------------------------

std::string TBooleanCell::AsString() const
{
    return BoolToStr(FValue);
}

void TBooleanCell::SetAsBoolean(bool value)
{
    FValue = value;
    TCell::SetAsBoolean(value);
}

void TBooleanCell::SetAsDateTime(TDateTime value)
{
    FValue = false;
    TCell::SetAsDateTime(value);
}

void TBooleanCell::SetAsFloat(double value)
{
    FValue = value != 0; // NaN too
    TCell::SetAsFloat(value);
}

void TBooleanCell::SetAsInteger(int32_t value)
{
    FValue = value != 0;
    TCell::SetAsInteger(value);
}

void TBooleanCell::SetAsString(const std::string& value)
{
    FValue = value == "1" || AsciiLowerCase(value) == "true";
    TCell::SetAsString(value);
}

void TBooleanCell::Clear()
{
    FValue = false;
    TCell::Clear();
}

// --- TDoubleValueCell ---------------------------------------------------------------------------------

void TDoubleValueCell::SetAsDateTime(TDateTime value)
{
    FValue = value;
    TCell::SetAsDateTime(value);
}

void TDoubleValueCell::SetAsFloat(double value)
{
    FValue = value;
    TCell::SetAsFloat(value);
}

void TDoubleValueCell::SetAsInteger(int32_t value)
{
    FValue = value;
    TCell::SetAsInteger(value);
}

void TDoubleValueCell::Clear()
{
    FValue = 0;
    TCell::Clear();
}

// --- TDateTimeCell ------------------------------------------------------------------------------------

int32_t TDateTimeCell::AsInteger() const
{
    return static_cast<int32_t>(std::trunc(FValue));
}

std::string TDateTimeCell::AsString() const
{
    return DateTimeToStr(FValue);
}

void TDateTimeCell::SetAsBoolean(bool value)
{
    FValue = Today();
    TCell::SetAsBoolean(value);
}

void TDateTimeCell::SetAsString(const std::string& value)
{
    FValue = value.empty() ? 0 : StrToDateTimeDef(value, 0);
    TCell::SetAsString(value);
}

// --- TFloatCell ---------------------------------------------------------------------------------------

int32_t TFloatCell::AsInteger() const
{
    return RoundToInt32(FValue);
}

std::string TFloatCell::AsString() const
{
    return FloatToStr(FValue);
}

void TFloatCell::SetAsBoolean(bool value)
{
    FValue = 0;
    TCell::SetAsBoolean(value);
}

void TFloatCell::SetAsString(const std::string& value)
{
    FValue = StrToFloat(value);
    TCell::SetAsString(value);
}

// --- TIntegerCell -------------------------------------------------------------------------------------

std::string TIntegerCell::AsString() const
{
    return IntToString(FValue);
}

void TIntegerCell::SetAsBoolean(bool value)
{
    FValue = value ? 1 : 0;
    TCell::SetAsBoolean(value);
}

void TIntegerCell::SetAsDateTime(TDateTime value)
{
    FValue = 0;
    TCell::SetAsDateTime(value);
}

void TIntegerCell::SetAsFloat(double value)
{
    FValue = RoundToInt32(value);
    TCell::SetAsFloat(value);
}

void TIntegerCell::SetAsInteger(int32_t value)
{
    FValue = value;
    TCell::SetAsInteger(value);
}

void TIntegerCell::SetAsString(const std::string& value)
{
    FValue = value.empty() ? 0 : StringToInt(value);
    TCell::SetAsString(value);
}

void TIntegerCell::Clear()
{
    FValue = 0;
    TCell::Clear();
}

// --- TStringCell --------------------------------------------------------------------------------------

TStringCell::~TStringCell()
{
    FValue.Free(Memory());
}

bool TStringCell::AsBoolean() const
{
    return StrToBool(FValue.View());
}

TDateTime TStringCell::AsDateTime() const
{
    return FValue.View().empty() ? 0 : StrToDateTime(FValue.View());
}

double TStringCell::AsFloat() const
{
    return StrToFloat(FValue.View());
}

int32_t TStringCell::AsInteger() const
{
    return StringToInt(FValue.View());
}

void TStringCell::SetAsBoolean(bool value)
{
    StoreText(BoolToStr(value));
    TCell::SetAsBoolean(value);
}

void TStringCell::SetAsDateTime(TDateTime value)
{
    StoreText(DateTimeToStr(value));
    TCell::SetAsDateTime(value);
}

void TStringCell::SetAsFloat(double value)
{
    StoreText(FloatToStr(value));
    TCell::SetAsFloat(value);
}

void TStringCell::SetAsInteger(int32_t value)
{
    StoreText(IntToString(value));
    TCell::SetAsInteger(value);
}

void TStringCell::SetAsString(const std::string& value)
{
    StoreText(value);
    TCell::SetAsString(value);
}

void TStringCell::Clear()
{
    StoreText({});
    TCell::Clear();
}

// --- TIncrementCell -----------------------------------------------------------------------------------

std::string TIncrementCell::AsString() const
{
    return IntToString(RowIndex() + 1);
}
