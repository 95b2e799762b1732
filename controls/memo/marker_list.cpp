#include "controls/memo/marker_list.h"

// --- TVezMarker
// ---------------------------------------------------------------------------------------------

std::string TVezMarker::DisplayName() const
{
    return Text.empty() ? TCollectionItem::DisplayName() : Text;
}

void TVezMarker::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TVezMarker*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    Text = other->Text;
    ImageIndex = other->ImageIndex;
    LineNumber = other->LineNumber;
}

// --- TVezMarkers
// --------------------------------------------------------------------------------------------

TVezMarkers::TVezMarkers(TVezMarkerList* component)
    : TCollection(TCollection::ItemClass<TVezMarker>()), FComponent(component)
{}

TPersistent* TVezMarkers::GetOwner() const
{
    return FComponent;
}

TVezMarker* TVezMarkers::GetMarkerAtLine(int lineNo) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i)->LineNumber == lineNo)
            return GetItem(i);
    return nullptr;
}

int TVezMarkers::GetMarkerImageIndex(int lineNo) const
{
    const TVezMarker* marker = GetMarkerAtLine(lineNo);
    return marker ? marker->ImageIndex : -1;
}

bool TVezMarkers::HigherMarkerThanLine(int lineNo) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i)->LineNumber > lineNo)
            return true;
    return false;
}

void TVezMarkers::AdjustMarkerLinePlus(int startIndex)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (GetItem(i)->LineNumber >= startIndex)
            ++GetItem(i)->LineNumber;
}

void TVezMarkers::AdjustMarkerLineMinus(int startIndex)
{
    for (int i = 0; i < Count(); ++i)
        if (GetItem(i)->LineNumber >= startIndex)
            --GetItem(i)->LineNumber;
}

void TVezMarkers::RemoveMarker(int lineNo)
{
    if (TVezMarker* marker = GetMarkerAtLine(lineNo))
        Delete(marker->Index());
}

// --- TVezMarkerList
// -----------------------------------------------------------------------------------------

TVezMarkerList::TVezMarkerList(TComponent* owner)
    : FOwner(owner), markers_(std::make_unique<TVezMarkers>(this)), markerImage_(std::make_unique<TBitmap>())
{
    markerImage_->SetTransparentColor(clWhite);
}

TVezMarkerList::~TVezMarkerList() = default;

void TVezMarkerList::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TVezMarkerList*>(source);
    if (!other)
        return;
    markerImageList_ = other->markerImageList_;
    useDefaultMarkerImageIndex_ = other->useDefaultMarkerImageIndex_;
    defaultMarkerImageIndex_ = other->defaultMarkerImageIndex_;
    SetImageTransparentColor(other->ImageTransparentColor());
}
