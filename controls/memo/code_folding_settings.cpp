#include "controls/memo/code_folding_settings.h"

#include "support/text_routines.h"

// --- TCodeFolding
// -------------------------------------------------------------------------------------------

TCodeFolding::TCodeFolding()
    : expandGlyph_(std::make_unique<TBitmap>()), collapsedGlyph_(std::make_unique<TBitmap>())
{}

TCodeFolding::~TCodeFolding() = default;

void TCodeFolding::NotifyChange(int changeMsg)
{
    if (FOnChange)
        FOnChange(this, changeMsg);
}

void TCodeFolding::SetEnabled(bool value)
{
    enabled_ = value;
    NotifyChange(2);
}

void TCodeFolding::SetExpandGlyph(const TBitmap* value)
{
    expandGlyph_->Assign(value);
    NotifyChange(1);
}

void TCodeFolding::SetCollapsedGlyph(const TBitmap* value)
{
    collapsedGlyph_->Assign(value);
    NotifyChange(1);
}

void TCodeFolding::SetLineColor(TColor value)
{
    if (value == lineColor_)
        return;
    lineColor_ = value;
    NotifyChange(1);
}

void TCodeFolding::Assign(const TPersistent* source)
{
    if (const auto* other = dynamic_cast<const TCodeFolding*>(source)) {
        enabled_ = other->enabled_;
        lineColor_ = other->lineColor_;
    }
}

// --- TRegionDefinition
// --------------------------------------------------------------------------------------

void TRegionDefinition::SetIdentifier(const std::string& value)
{
    identifier_ = Trim(value);
}

void TRegionDefinition::SetRegionStart(const std::string& value)
{
    regionStart_ = Trim(value);
}

void TRegionDefinition::SetRegionEnd(const std::string& value)
{
    regionEnd_ = Trim(value);
}

void TRegionDefinition::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TRegionDefinition*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    regionType_ = other->regionType_;
    regionEnd_ = other->regionEnd_;
    identifier_ = other->identifier_;
    regionStart_ = other->regionStart_;
}

TRegionDefinition* TRegionDefinitions::Add(const std::string& identifier, const std::string& regionStart,
                                           const std::string& regionEnd, TRegionType regionType)
{
    TRegionDefinition* rule = Add();
    rule->SetIdentifier(identifier);
    rule->SetRegionStart(regionStart);
    rule->SetRegionEnd(regionEnd);
    rule->SetRegionType(regionType);
    return rule;
}
