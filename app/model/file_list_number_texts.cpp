#include "app/model/file_list_number_texts.h"

#include "platform/system/float_text.h"
#include "support/date_time.h"
#include "support/math_routines.h"
#include "support/number_conversion.h"
#include "support/text_routines.h"

#include <cmath>
#include <limits>

namespace {

bool ParseInt64Text(const std::string& text, int64_t& value)
{
    double number = 0;
    if (!TryStrToFloat(text, number) || std::trunc(number) != number || std::abs(number) > 9.0e18)
        return false;
    value = static_cast<int64_t>(number);
    return true;
}

bool ParseInt32Text(const std::string& text, int32_t& value)
{
    int64_t wide = 0;
    if (!ParseInt64Text(text, wide) || wide < std::numeric_limits<int32_t>::min() ||
        wide > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(wide);
    return true;
}

std::string IntegerCellText(const std::string& gridText, bool showZero)
{
    int32_t value = 0;
    if (!ParseInt32Text(gridText, value))
        return gridText;
    if (value <= 0 && !showZero)
        return {};
    return IntToStrSep(value, U' ');
}

std::string SizeCellText(const std::string& gridText, bool showZero)
{
    int64_t value = 0;
    if (!ParseInt64Text(gridText, value))
        return gridText;
    if (value <= 0 && !showZero)
        return {};
    return FileListSizeText(value);
}

std::string FloatCellText(const std::string& gridText, const char* mask)
{
    double value = 0;
    if (!TryStrToFloat(gridText, value))
        return gridText;
    return value > 0 ? FormatFloat(mask, value) : std::string();
}

} // namespace

std::string FileListSizeText(int64_t size)
{
    return FileSizeToStr(size, " bytes");
}

std::string FileListDurationText(double milliseconds)
{
    return MsToTimeStr(RoundHalfEven(milliseconds), true);
}

std::string NumberCellText(TNumberCellFormat format, const std::string& gridText)
{
    switch (format) {
    case TNumberCellFormat::GroupedInteger:
        return IntegerCellText(gridText, true);
    case TNumberCellFormat::PositiveInteger:
        return IntegerCellText(gridText, false);
    case TNumberCellFormat::FileSize:
        return SizeCellText(gridText, true);
    case TNumberCellFormat::PositiveFileSize:
        return SizeCellText(gridText, false);
    case TNumberCellFormat::Duration: {
        double value = 0;
        if (!TryStrToFloat(gridText, value))
            return gridText;
        return value > 0 ? FileListDurationText(value) : std::string();
    }
    case TNumberCellFormat::FramesPerSecond:
        return FloatCellText(gridText, "0.00");
    case TNumberCellFormat::BitsPerPixel:
        return FloatCellText(gridText, "0.000");
    }
    return gridText;
}
