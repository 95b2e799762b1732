#pragma once

#include "platform/gui/core/collection.h"
#include "platform/gui/graphics/bitmap.h"

#include <functional>
#include <memory>
#include <string>

// The folding settings of the memo and the region rules of a styler. Folding itself (finding regions,
// collapsing them) comes with the folding of the memo; these hold its settings.

using TOnChangeEvent = std::function<void(TObject* sender, int changeMsg)>;

class TCodeFolding : public TPersistent
{
public:
    TCodeFolding();
    ~TCodeFolding() override;

    bool Enabled() const { return enabled_; }
    // Notifies with change message 2, even when the value stays.
    void SetEnabled(bool value);
    TBitmap* ExpandGlyph() const { return expandGlyph_.get(); }
    void SetExpandGlyph(const TBitmap* value);
    TBitmap* CollapsedGlyph() const { return collapsedGlyph_.get(); }
    void SetCollapsedGlyph(const TBitmap* value);
    TColor LineColor() const { return lineColor_; }
    void SetLineColor(TColor value);
    // Copies Enabled and LineColor (no notification); any other source is ignored.
    void Assign(const TPersistent* source) override;

    TOnChangeEvent FOnChange;

private:
    void NotifyChange(int changeMsg);

    bool enabled_ = false;
    std::unique_ptr<TBitmap> expandGlyph_;
    std::unique_ptr<TBitmap> collapsedGlyph_;
    TColor lineColor_ = clGray;
};

enum TRegionType
{
    rtOpen,
    rtClosed,
    rtFile,
    rtIgnore
};

// One region rule; the texts are stored trimmed.
class TRegionDefinition : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;

    TRegionType RegionType() const { return regionType_; }
    void SetRegionType(TRegionType value) { regionType_ = value; }
    const std::string& Identifier() const { return identifier_; }
    void SetIdentifier(const std::string& value);
    const std::string& RegionStart() const { return regionStart_; }
    void SetRegionStart(const std::string& value);
    const std::string& RegionEnd() const { return regionEnd_; }
    void SetRegionEnd(const std::string& value);
    bool ShowComments() const { return showComments_; }
    void SetShowComments(bool value) { showComments_ = value; }
    // Copies the type and the three texts; ShowComments keeps its value.
    void Assign(const TPersistent* source) override;

private:
    TRegionType regionType_ = rtClosed;
    std::string identifier_;
    std::string regionStart_;
    std::string regionEnd_;
    bool showComments_ = false;
};

class TRegionDefinitions : public TOwnedCollection
{
public:
    explicit TRegionDefinitions(TPersistent* owner)
        : TOwnedCollection(owner, TCollection::ItemClass<TRegionDefinition>())
    {}
    TRegionDefinition* Add() { return static_cast<TRegionDefinition*>(TCollection::Add()); }
    TRegionDefinition* GetItem(int index) const { return static_cast<TRegionDefinition*>(Items(index)); }
    // Appends a rule with its four values.
    TRegionDefinition* Add(const std::string& identifier, const std::string& regionStart,
                           const std::string& regionEnd, TRegionType regionType);
};
