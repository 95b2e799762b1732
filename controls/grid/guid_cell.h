#pragma once

#include "controls/grid/text_converting_cell.h"
#include "platform/system/guid.h"

// A cell of a ctGuid column: a globally unique identifier, new for every cell, read and written as its
// registry text ("{0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0}"); a text in another form raises EConvertError
// and keeps the value.
class TGuidCell : public TTextConvertingCell
{
public:
    explicit TGuidCell(TCells* cells) : TTextConvertingCell(cells), FValue(CreateGUID()) {}

    std::string AsString() const override { return GUIDToString(FValue); }
    void SetAsString(const std::string& value) override;

    // The identifier itself, without a report.
    const TGUID& AsGuid() const { return FValue; }
    void SetAsGuid(const TGUID& value) { FValue = value; }

private:
    TGUID FValue;
};
