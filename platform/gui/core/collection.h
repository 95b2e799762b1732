#pragma once

#include "platform/gui/core/classes.h"

#include <functional>
#include <string>
#include <vector>

// Collections of items that belong to one persistent owner: columns, panels, styles. An item joins its
// collection when created and leaves it when deleted; the collection hears of every change through Update
// (nullptr: all items) and of every item coming and going through Notify.

class TCollection;

class TCollectionItem : public TPersistent
{
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return collection_; }
    void SetCollection(TCollection* collection);
    int ID() const { return id_; }
    int Index() const;
    void SetIndex(int index);
    virtual std::string DisplayName() const;
    virtual void SetDisplayName(const std::string& name);

protected:
    // Tells the collection that this item (or, with allItems, every item) changed.
    void Changed(bool allItems);
    TPersistent* GetOwner() const override;

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
    int id_ = 0;
};

enum TCollectionNotification
{
    cnAdded,
    cnExtracting,
    cnDeleting
};

class TCollection : public TPersistent
{
public:
    // Creates the items that Add and Insert add; they register themselves with the collection.
    using TItemFactory = std::function<TCollectionItem*(TCollection* collection)>;
    template <typename TItem> static TItemFactory ItemClass()
    {
        return [](TCollection* collection) { return new TItem(collection); };
    }

    explicit TCollection(TItemFactory itemFactory);
    ~TCollection() override;

    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    void Exchange(int index1, int index2);
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Items(int index) const;
    TCollectionItem* FindItemID(int id) const;
    void Assign(const TPersistent* source) override;

    // Nested updates: no Update runs while the count is above zero; the last EndUpdate runs Update(nullptr).
    virtual void BeginUpdate();
    virtual void EndUpdate();
    int UpdateCount() const { return updateCount_; }
    TPersistent* Owner() const { return GetOwner(); }

protected:
    virtual void Update(TCollectionItem* item);
    virtual void Notify(TCollectionItem* item, TCollectionNotification action);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void MoveItem(int from, int to);

    TItemFactory itemFactory_;
    std::vector<TCollectionItem*> items_;
    int nextId_ = 0;
    int updateCount_ = 0;
};

// A collection that answers its owner (the control whose columns or panels it holds).
class TOwnedCollection : public TCollection
{
public:
    TOwnedCollection(TPersistent* owner, TItemFactory itemFactory)
        : TCollection(std::move(itemFactory)), owner_(owner)
    {}

protected:
    TPersistent* GetOwner() const override { return owner_; }

private:
    TPersistent* owner_;
};
