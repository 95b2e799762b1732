#pragma once

#include "controls/edits/html_picture.h"
#include "platform/gui/core/collection.h"
#include "platform/gui/graphics/picture.h"

#include <memory>
#include <string>
#include <vector>

class TControl;

// Named pictures that markup refers to by name ("<img src=\"logo\">"), names compared without regard to
// case.

class TPictureItem : public TCollectionItem
{
public:
    explicit TPictureItem(TCollection* collection);
    ~TPictureItem() override;

    THTMLPicture* Picture() const { return picture_.get(); }
    // Copies graphic into the item's own picture.
    void SetPicture(const TGraphic* graphic);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

protected:
    // Makes the item's picture; items that hold another kind of picture make theirs here.
    virtual std::unique_ptr<THTMLPicture> CreatePicture() const;

private:
    std::unique_ptr<THTMLPicture> picture_;
    std::string name_;
    intptr_t tag_ = 0;
};

class TPictureContainer;

class TPictureCollection : public TOwnedCollection
{
public:
    explicit TPictureCollection(TPictureContainer* owner);
    TPictureItem* Add() { return static_cast<TPictureItem*>(TOwnedCollection::Add()); }
    TPictureItem* Items(int index) const
    {
        return static_cast<TPictureItem*>(TOwnedCollection::Items(index));
    }
};

class TPictureContainer : public TComponent
{
public:
    explicit TPictureContainer(TComponent* owner);
    ~TPictureContainer() override;

    TPictureCollection* Items() const { return items_.get(); }
    void SetItems(const TPictureCollection* items) { items_->Assign(items); }
    // "2.0.0.0"; writing it changes nothing.
    std::string Version() const;
    void SetVersion(const std::string&) {}

    // The picture of the first item named name in any case; nullptr for none.
    virtual THTMLPicture* FindPicture(const std::string& name) const;
    // A platform picture made from that item's picture, owned by the container until the next call;
    // nullptr for none.
    virtual TPicture* FindBitmap(const std::string& name);
    // Asks the registered controls to repaint, then fires OnChange.
    virtual void Changed();
    virtual uint32_t GetVersionNr() const { return 0x02000000; }

    // Controls that show the container's pictures and repaint when it changes.
    void RegisterControl(TControl* control);
    void UnregisterControl(TControl* control);

    TNotifyEvent OnChange;

protected:
    virtual std::unique_ptr<TPictureCollection> CreateItems();
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TPictureCollection> items_;
    std::unique_ptr<TPicture> handedOut_;
    std::vector<TControl*> controls_;
};
