#include "platform/gui/classes.h"
#include "platform/gui/exceptions.h"

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
