#include "platform/gui/core/classes.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/core/pointer_list.h"
#include "platform/gui/windows/messages.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

// Records what it hears and whether it saw itself being destroyed.
class TProbe : public TComponent
{
public:
    TProbe(TComponent* owner, const std::string& name, Log& log) : TComponent(owner), log_(log)
    {
        SetName(name);
    }
    ~TProbe() override
    {
        log_.push_back(Name() + (ComponentState().Contains(csDestroying) ? " destroyed" : " deleted"));
    }
    TComponent* watched = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == watched)
            watched = nullptr;
        if (!component->Name().empty())
            log_.push_back(Name() + (operation == opInsert ? " +" : " -") + component->Name());
    }
    void Loaded() override
    {
        TComponent::Loaded();
        log_.push_back(Name() + " loaded");
    }

private:
    Log& log_;
};

class TPoint3 : public TPersistent
{
public:
    int x = 0;
    void Assign(const TPersistent* source) override
    {
        if (auto* p = dynamic_cast<const TPoint3*>(source))
            x = p->x;
        else
            TPersistent::Assign(source);
    }
};

class TOther : public TPersistent
{
};

} // namespace

TEST(Components, OwnerFreesWhatItOwnsAndHearsRemovals)
{
    Log log;
    auto* form = new TProbe(nullptr, "form", log);
    auto* panel = new TProbe(form, "", log);
    panel->SetName("panel");
    auto* button = new TProbe(panel, "button", log);
    EXPECT_EQ(form->ComponentCount(), 1);
    EXPECT_EQ(panel->Components(0), button);
    EXPECT_EQ(form->FindComponent("PANEL"), panel);
    EXPECT_EQ(button->ComponentIndex(), 0);

    button->Free();
    EXPECT_EQ(panel->ComponentCount(), 0);
    EXPECT_EQ(log, (Log{"button destroyed", "panel -button"}));

    log.clear();
    new TProbe(panel, "edit", log);
    log.clear();
    form->Free();
    // Destroying reaches everything the form owns before the first destructor runs.
    EXPECT_EQ(log, (Log{"form destroyed", "panel destroyed", "edit destroyed"}));
}

TEST(Components, FreeNotificationClearsReferencesAcrossOwners)
{
    Log log;
    auto* form1 = new TProbe(nullptr, "form1", log);
    auto* form2 = new TProbe(nullptr, "form2", log);
    auto* grid = new TProbe(form1, "grid", log);
    auto* editor = new TProbe(form2, "editor", log);
    grid->watched = editor;
    editor->FreeNotification(grid);
    delete editor;
    EXPECT_EQ(grid->watched, nullptr);

    // Siblings hear of each other through their owner without asking.
    auto* popup = new TProbe(form1, "popup", log);
    grid->watched = popup;
    popup->Free();
    EXPECT_EQ(grid->watched, nullptr);
    delete form1;
    delete form2;
}

// A component whose listeners read its own state while they let go of it.
class TListened : public TComponent
{
public:
    TListened() : TComponent(nullptr) {}
    ~TListened() override
    {
        SendFreeNotifications();
        label.clear();
    }
    std::string label = "whole";
};

class TReader : public TComponent
{
public:
    TReader() : TComponent(nullptr) {}
    std::string heard;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (auto* listened = dynamic_cast<TListened*>(component); listened && operation == opRemove)
            heard = listened->label;
    }
};

TEST(Components, FreeNotificationsSentEarlySeeTheWholeObject)
{
    TReader reader;
    auto* listened = new TListened;
    listened->FreeNotification(&reader);
    delete listened;
    EXPECT_EQ(reader.heard, "whole");
}

// Counts the arrivals it hears of.
class TArrivals : public TComponent
{
public:
    using TComponent::TComponent;
    std::vector<TComponent*> heard;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opInsert)
            heard.push_back(component);
    }
};

TEST(Components, NewComponentsAreAnnouncedToTheirOwnerAndMovedOnesToAllItOwns)
{
    TArrivals form(nullptr);
    auto* sibling = new TArrivals(&form);
    auto* created = new TComponent(&form);
    EXPECT_EQ(form.heard, (std::vector<TComponent*>{sibling, created}));
    EXPECT_TRUE(sibling->heard.empty());

    TComponent other(nullptr);
    auto* moved = new TComponent(&other);
    form.InsertComponent(moved);
    EXPECT_EQ(moved->Owner(), &form);
    EXPECT_EQ(form.heard.back(), moved);
    EXPECT_EQ(sibling->heard, (std::vector<TComponent*>{moved}));
}

TEST(Components, NamesAreUniquePerOwnerAndValidated)
{
    Log log;
    TProbe form(nullptr, "form", log);
    new TProbe(&form, "label1", log);
    auto* second = new TProbe(&form, "label2", log);
    EXPECT_THROW(second->SetName("LABEL1"), EComponentError);
    EXPECT_THROW(second->SetName("1label"), EComponentError);
    EXPECT_THROW(second->SetName("a b"), EComponentError);
    EXPECT_EQ(second->Name(), "label2");
    second->SetName(""); // unnamed components may repeat
    EXPECT_EQ(second->Name(), "");
}

TEST(Components, FindComponentFollowsRenamesMovesAndDepartures)
{
    Log log;
    TProbe form(nullptr, "form", log);
    auto* edit = new TProbe(&form, "edtName", log);
    EXPECT_EQ(form.FindComponent("EDTNAME"), edit);
    edit->SetName("edtTitle");
    EXPECT_EQ(form.FindComponent("edtName"), nullptr);
    EXPECT_EQ(form.FindComponent("EdtTitle"), edit);
    auto* successor = new TProbe(&form, "edtName", log); // the old name is free again
    EXPECT_EQ(form.FindComponent("edtname"), successor);

    TProbe elsewhere(nullptr, "elsewhere", log);
    elsewhere.InsertComponent(edit);
    EXPECT_EQ(form.FindComponent("edtTitle"), nullptr);
    EXPECT_EQ(elsewhere.FindComponent("EDTTITLE"), edit);
    successor->Free();
    EXPECT_EQ(form.FindComponent("edtName"), nullptr);
    edit->SetName("");
    EXPECT_EQ(elsewhere.FindComponent("edtTitle"), nullptr);
}

TEST(Components, LoadingStateAndLoadedOrder)
{
    Log log;
    TProbe form(nullptr, "form", log);
    auto* child = new TProbe(&form, "child", log);
    log.clear();
    form.BeginLoading();
    EXPECT_TRUE(child->ComponentState().Contains(csLoading));
    form.EndLoading();
    EXPECT_FALSE(child->ComponentState().Contains(csLoading));
    EXPECT_FALSE(child->ComponentState().Contains(csDesigning));
    EXPECT_EQ(log, (Log{"form loaded", "child loaded"}));
}

TEST(Persistent, AssignCopiesOrNamesBothClasses)
{
    TPoint3 a, b;
    a.x = 7;
    b.Assign(&a);
    EXPECT_EQ(b.x, 7);
    TOther other;
    try {
        b.Assign(&other);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a TOther to a TPoint3");
    }
    EXPECT_THROW(b.Assign(nullptr), EConvertError);
}

namespace {

// Owns what it holds, as lists of records do.
class TOwningList : public TList
{
public:
    ~TOwningList() override { Clear(); }
    std::vector<int> deleted;

protected:
    void Notify(void* item, TListNotification action) override
    {
        if (action == lnDeleted) {
            deleted.push_back(*static_cast<int*>(item));
            delete static_cast<int*>(item);
        }
    }
};

} // namespace

TEST(PointerList, EditsInPlaceAndTellsAnOwnerWhatLeaves)
{
    TOwningList list;
    for (int v : {3, 1, 2})
        list.Add(new int(v));
    list.Insert(0, new int(0));
    list.Move(0, 3);
    list.Exchange(0, 1);
    const auto values = [&] {
        std::vector<int> out;
        for (int i = 0; i < list.Count(); ++i)
            out.push_back(*static_cast<int*>(list.Items(i)));
        return out;
    };
    EXPECT_EQ(values(), (std::vector<int>{1, 3, 2, 0}));
    list.Sort([](void* a, void* b) { return *static_cast<int*>(a) - *static_cast<int*>(b); });
    EXPECT_EQ(values(), (std::vector<int>{0, 1, 2, 3}));

    void* two = list.Items(2);
    EXPECT_EQ(list.Extract(two), two); // taken out, not deleted
    delete static_cast<int*>(two);
    list.Delete(0);
    list.Put(0, new int(7)); // replaces (and deletes) 1
    EXPECT_EQ(list.deleted, (std::vector<int>{0, 1}));
    list.SetCount(3);
    EXPECT_EQ(list.Items(2), nullptr);
    list.Pack();
    EXPECT_EQ(values(), (std::vector<int>{7, 3}));

    for (int bad : {-1, 2})
        EXPECT_THROW(list.Items(bad), EListError);
    EXPECT_THROW(list.Insert(3, nullptr), EListError);
    EXPECT_THROW(list.Move(0, 5), EListError);
    EXPECT_EQ(list.Remove(nullptr), -1);
    EXPECT_EQ(list.Count(), 2);
}

TEST(Objects, DispatchReachesTheHandlerOrTheDefault)
{
    struct TBase : TObject
    {
        std::vector<uint32_t> unhandled;
        void DefaultHandler(TMessage& message) override { unhandled.push_back(message.Msg); }
    };
    struct TReceiver : TBase
    {
        void Dispatch(TMessage& message) override
        {
            if (message.Msg == 0x87D7)
                message.Result = 1;
            else
                TBase::Dispatch(message);
        }
    };
    TReceiver receiver;
    TObject& plain = receiver;
    TMessage skinChanged{0x87D7, 0, 0, 0}, other{0x0400, 0, 0, 0};
    plain.Dispatch(skinChanged);
    plain.Dispatch(other);
    EXPECT_EQ(skinChanged.Result, 1);
    EXPECT_EQ(receiver.unhandled, std::vector<uint32_t>{0x0400});
}
