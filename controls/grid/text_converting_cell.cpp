#include "controls/grid/text_converting_cell.h"

#include "platform/system/boolean_text.h"
#include "platform/system/date_time_text.h"
#include "platform/system/float_text.h"
#include "support/number_conversion.h"

bool TTextConvertingCell::AsBoolean() const
{
    return StrToBool(AsString());
}

TDateTime TTextConvertingCell::AsDateTime() const
{
    return StrToDateTime(AsString());
}

double TTextConvertingCell::AsFloat() const
{
    return StrToFloat(AsString());
}

int32_t TTextConvertingCell::AsInteger() const
{
    return StringToInt(AsString());
}

void TTextConvertingCell::SetAsBoolean(bool value)
{
    SetAsString(BoolToStr(value));
    TCell::SetAsBoolean(value);
}

void TTextConvertingCell::SetAsDateTime(TDateTime value)
{
    SetAsString(DateTimeToStr(value));
    TCell::SetAsDateTime(value);
}

void TTextConvertingCell::SetAsFloat(double value)
{
    SetAsString(FloatToStr(value));
    TCell::SetAsFloat(value);
}

void TTextConvertingCell::SetAsInteger(int32_t value)
{
    SetAsString(IntToString(value));
    TCell::SetAsInteger(value);
}
