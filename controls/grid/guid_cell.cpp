#include "controls/grid/guid_cell.h"

void TGuidCell::SetAsString(const std::string& value)
{
    FValue = StringToGUID(value);
    TTextConvertingCell::SetAsString(value);
}
