#pragma once

#include "platform/gui/core/collection.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/image_list.h"

#include <memory>
#include <string>

// Markers: images the gutter shows on lines. The markers move with the lines as the memo's editing
// operations insert and remove them.

class TVezMarker : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;

    std::string Text;
    int ImageIndex = 0;
    int LineNumber = 0; // a line index

    std::string DisplayName() const override;
    void Assign(const TPersistent* source) override;
};

class TVezMarkerList;

// Markers in insertion order; several may name one line, and every query takes the first.
class TVezMarkers : public TCollection
{
public:
    explicit TVezMarkers(TVezMarkerList* component);

    TVezMarker* Add() { return static_cast<TVezMarker*>(TCollection::Add()); }
    TVezMarker* GetItem(int index) const { return static_cast<TVezMarker*>(Items(index)); }
    int MarkerCount() const { return Count(); }
    bool HasMarkers() const { return Count() > 0; }
    bool MarkerAtLine(int lineNo) const { return GetMarkerAtLine(lineNo) != nullptr; }
    TVezMarker* GetMarkerAtLine(int lineNo) const;
    int GetMarkerImageIndex(int lineNo) const;
    bool HigherMarkerThanLine(int lineNo) const;
    // Every marker on startIndex or below moves one line down (Plus) or up (Minus).
    void AdjustMarkerLinePlus(int startIndex);
    void AdjustMarkerLineMinus(int startIndex);
    // Deletes the first marker of the line.
    void RemoveMarker(int lineNo);

protected:
    TPersistent* GetOwner() const override;

private:
    TVezMarkerList* FComponent;
};

class TVezMarkerList : public TPersistent
{
public:
    explicit TVezMarkerList(TComponent* owner);
    ~TVezMarkerList() override;

    TVezMarkers* Markers() const { return markers_.get(); }
    void SetMarkers(const TVezMarkers* value) { markers_->Assign(value); }
    TCustomImageList* MarkerImageList() const { return markerImageList_; }
    void SetMarkerImageList(TCustomImageList* value) { markerImageList_ = value; }
    int DefaultMarkerImageIndex() const { return defaultMarkerImageIndex_; }
    void SetDefaultMarkerImageIndex(int value) { defaultMarkerImageIndex_ = value; }
    bool UseDefaultMarkerImageIndex() const { return useDefaultMarkerImageIndex_; }
    void SetUseDefaultMarkerImageIndex(bool value) { useDefaultMarkerImageIndex_ = value; }
    // The transparent colour of the working bitmap.
    TColor ImageTransparentColor() const { return markerImage_->TransparentColor(); }
    void SetImageTransparentColor(TColor value) { markerImage_->SetTransparentColor(value); }
    TComponent* Owner() const { return FOwner; }
    // Copies the image list, the default image settings and the transparent colour, not the markers.
    void Assign(const TPersistent* source) override;

private:
    TComponent* FOwner;
    std::unique_ptr<TVezMarkers> markers_;
    TCustomImageList* markerImageList_ = nullptr;
    int defaultMarkerImageIndex_ = -1;
    bool useDefaultMarkerImageIndex_ = false;
    std::unique_ptr<TBitmap> markerImage_;
};
