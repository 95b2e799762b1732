#include "platform/gui/core/collection.h"
#include "platform/gui/core/exceptions.h"

#include <gtest/gtest.h>

namespace {

class TColumn : public TCollectionItem
{
public:
    using TCollectionItem::TCollectionItem;
    int width = 0;
    void Assign(const TPersistent* source) override
    {
        if (auto* column = dynamic_cast<const TColumn*>(source))
            width = column->width;
        else
            TCollectionItem::Assign(source);
    }
    void SetWidth(int w)
    {
        width = w;
        Changed(false);
    }
};

class TColumns : public TOwnedCollection
{
public:
    explicit TColumns(TPersistent* owner) : TOwnedCollection(owner, ItemClass<TColumn>()) {}
    std::vector<std::string> log;
    TColumn* Column(int i) const { return static_cast<TColumn*>(Items(i)); }

protected:
    void Update(TCollectionItem* item) override
    {
        log.push_back(item ? "update " + std::to_string(item->ID()) : "update all");
    }
    void Notify(TCollectionItem* item, TCollectionNotification action) override
    {
        static const char* names[] = {"added ", "extracting ", "deleting "};
        log.push_back(names[action] + std::to_string(item->ID()));
    }
};

using V = std::vector<std::string>;

} // namespace

TEST(Collection, ItemsJoinLeaveAndNotify)
{
    TPersistent owner;
    TColumns columns(&owner);
    EXPECT_EQ(columns.Owner(), &owner);
    auto* a = static_cast<TColumn*>(columns.Add());
    auto* b = static_cast<TColumn*>(columns.Add());
    EXPECT_EQ(columns.log, (V{"added 0", "update all", "added 1", "update all"}));
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(b->Collection(), &columns);

    columns.log.clear();
    b->SetWidth(40);
    EXPECT_EQ(columns.log, V{"update 1"});

    columns.log.clear();
    auto* c = columns.Insert(0);
    EXPECT_EQ(c->ID(), 2);
    EXPECT_EQ(columns.Items(0), c);
    EXPECT_EQ(a->Index(), 1);
    EXPECT_EQ(columns.FindItemID(1), b);
    EXPECT_EQ(columns.log, (V{"added 2", "update all", "update all"}));

    columns.log.clear();
    columns.Delete(1);
    EXPECT_EQ(columns.log, (V{"deleting 0", "extracting 0", "update all"}));
    EXPECT_EQ(columns.Count(), 2);

    columns.log.clear();
    delete c; // an item deleted directly leaves its collection too
    EXPECT_EQ(columns.log, (V{"extracting 2", "update all"}));
    EXPECT_EQ(columns.Items(0), b);
    EXPECT_THROW(columns.Items(1), EListError);
    EXPECT_THROW(columns.Insert(5), EListError);
}

TEST(Collection, UpdatesAreBatchedAndAssignCopiesItems)
{
    TColumns source(nullptr), copy(nullptr);
    source.BeginUpdate();
    for (int w : {10, 20, 30})
        static_cast<TColumn*>(source.Add())->width = w;
    EXPECT_EQ(source.log, (V{"added 0", "added 1", "added 2"}));
    source.EndUpdate();
    EXPECT_EQ(source.log.back(), "update all");

    copy.Add();
    copy.log.clear();
    copy.Assign(&source);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Column(2)->width, 30);
    EXPECT_EQ(std::count(copy.log.begin(), copy.log.end(), "update all"), 1);

    copy.Column(0)->SetIndex(2);
    EXPECT_EQ(copy.Column(2)->width, 10);
    EXPECT_EQ(copy.log.back(), "update all");

    copy.log.clear();
    copy.Clear();
    EXPECT_EQ(copy.Count(), 0);
    EXPECT_EQ(copy.log.back(), "update all");
    EXPECT_EQ(std::count(copy.log.begin(), copy.log.end(), "update all"), 1);
    EXPECT_THROW(copy.Assign(nullptr), EConvertError);
}

TEST(Collection, ItemsMoveBetweenCollections)
{
    TColumns first(nullptr), second(nullptr);
    TCollectionItem* item = first.Add();
    item->SetCollection(&second);
    EXPECT_EQ(first.Count(), 0);
    EXPECT_EQ(second.Items(0), item);
    EXPECT_EQ(item->DisplayName(), "TColumn");
}
