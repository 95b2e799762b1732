#include "controls/edits/picture_container.h"

#include "controls/edits/component_version.h"
#include "platform/gui/windows/control.h"
#include "support/utf8.h"

#include <algorithm>

TPictureItem::TPictureItem(TCollection* collection) : TCollectionItem(collection), picture_(CreatePicture())
{}

TPictureItem::~TPictureItem() = default;

std::unique_ptr<THTMLPicture> TPictureItem::CreatePicture() const
{
    return std::make_unique<THTMLPicture>();
}

void TPictureItem::SetPicture(const TGraphic* graphic)
{
    picture_->Assign(graphic);
}

TPictureCollection::TPictureCollection(TPictureContainer* owner)
    : TOwnedCollection(owner, TCollection::ItemClass<TPictureItem>())
{}

TPictureContainer::TPictureContainer(TComponent* owner) : TComponent(owner), items_(CreateItems()) {}

TPictureContainer::~TPictureContainer()
{
    handedOut_.reset();
    for (TControl* control : controls_)
        control->RemoveFreeNotification(this);
}

std::unique_ptr<TPictureCollection> TPictureContainer::CreateItems()
{
    return std::make_unique<TPictureCollection>(this);
}

std::string TPictureContainer::Version() const
{
    return VersionText(GetVersionNr());
}

THTMLPicture* TPictureContainer::FindPicture(const std::string& name) const
{
    for (int i = 0; i < items_->Count(); ++i)
        if (SameTextIgnoreCase(items_->Items(i)->Name(), name))
            return items_->Items(i)->Picture();
    return nullptr;
}

TPicture* TPictureContainer::FindBitmap(const std::string& name)
{
    handedOut_.reset();
    THTMLPicture* found = FindPicture(name);
    if (!found)
        return nullptr;
    auto copy = std::make_unique<THTMLPicture>();
    copy->Assign(found);
    handedOut_ = std::make_unique<TPicture>();
    handedOut_->SetGraphic(std::move(copy));
    return handedOut_.get();
}

void TPictureContainer::Changed()
{
    for (TControl* control : controls_)
        control->Invalidate();
    if (OnChange)
        OnChange(this);
}

void TPictureContainer::RegisterControl(TControl* control)
{
    if (std::find(controls_.begin(), controls_.end(), control) != controls_.end())
        return;
    controls_.push_back(control);
    control->FreeNotification(this);
}

void TPictureContainer::UnregisterControl(TControl* control)
{
    std::erase(controls_, control);
}

void TPictureContainer::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove)
        std::erase(controls_, static_cast<TControl*>(component));
}
