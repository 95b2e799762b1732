#include "controls/skins/skin_error.h"
#include "platform/gui/core/resources.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

namespace {

// A skin registered by class: its constructor leaves the table empty, FillOptions writes it.
class TBoxedSkin : public TQvSkinOptions
{
public:
    void FillOptions() override
    {
        SetSkinName("Boxed");
        Options(skncDock).Body.Fill(0, clRed);
    }
};

class SkinManager : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        ASSERT_GE(AddTextSkin({"[Skin]", "Name = Blue", "[Dock]", "Normal.Body = 0, clBlue"}), 0);
        ASSERT_GE(AddTextSkin({"[Skin]", "Name = Capital"}), 0);
        ASSERT_GE(Manager().SkinsList().AddSkin("Boxed", TQvSkinOptionsClass::Of<TBoxedSkin>()), 0);
        Forget("Boxed");
    }
};

} // namespace

TEST_F(SkinManager, SetSkinTellsEveryListenerAsOftenAsTheSkinKindAsks)
{
    const struct
    {
        const char* from;
        const char* name;
        int told;
        const char* current;
    } cases[] = {
        {"", "DEFAULT", 0, "Default"},
        {"", "", 0, "Default"},
        {"", "Blue", 2, "Blue"},
        {"Blue", "blue", 0, "Blue"},
        {"Capital", "capital", 0, "Capital"},
        {"Blue", "Nobody", 0, "Blue"},
        {"Blue", "Boxed", 1, "Boxed"},
        {"Boxed", "Blue", 2, "Blue"},
        {"Blue", "", 1, "Default"},
        {"Boxed", "default", 1, "Default"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.name);
        Manager().SetSkin(c.from);
        TSkinListener listener;
        ManagerChanges = 0;
        Manager().SetSkin(c.name);
        EXPECT_EQ(listener.Received, c.told);
        EXPECT_EQ(ManagerChanges, c.told);
        EXPECT_EQ(Manager().CurrentSkinName(), c.current);
        EXPECT_EQ(Manager().IsDefaultSkin(), std::string(c.current) == "Default");
    }
}

TEST_F(SkinManager, SelectedSkinsCarryTheirTables)
{
    Manager().SetSkin("Blue");
    EXPECT_EQ(GetCurrentSkin()->Options(skncDock).Body.Color1, clBlue);
    EXPECT_EQ(Manager().GetSkinType(), sknSkin);
    Manager().SetSkin("Boxed");
    EXPECT_EQ(GetCurrentSkin()->Options(skncDock).Body.Color1, clRed);
    EXPECT_TRUE(dynamic_cast<TBoxedSkin*>(GetCurrentSkin().get()));
}

TEST_F(SkinManager, AddSkinTakesTheNameLineAndRefusesEmptyOrKnownNames)
{
    const struct
    {
        std::initializer_list<std::string> text;
        const char* registered; // nullptr: refused
    } cases[] = {
        {{"Name = Green", "[Skin]"}, "Green"},
        {{"[Skin]", "Name=Plain"}, "Plain"},
        {{"[Dock]", "name = InDock", "[Skin]", "Name = Later"}, "InDock"},
        {{"[Skin]", "Name =", "Name=Fallback"}, "Fallback"},
        {{"[Skin]", "Name = First", "Name=Second"}, "First"},
        {{"[Skin]", "Author = Nobody"}, nullptr},
        {{"[Skin]", "Name ="}, nullptr},
        {{"[Skin]", "Name = BLUE"}, nullptr},
        {{}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.registered ? c.registered : "refused");
        const int before = Manager().SkinsList().Count();
        const int index = AddTextSkin(c.text);
        if (!c.registered) {
            EXPECT_EQ(index, -1);
            EXPECT_EQ(Manager().SkinsList().Count(), before);
            continue;
        }
        ASSERT_EQ(index, before);
        EXPECT_EQ(Manager().SkinsList().Strings(index), c.registered);
        const TQvSkinsListEntry* entry = Manager().SkinsList().GetSkinOption(index);
        EXPECT_FALSE(entry->SkinClass);
        EXPECT_EQ(LinesOf(*entry->SkinStrings), std::vector<std::string>(c.text));
    }
    EXPECT_EQ(Manager().SkinsList().AddSkin("", TQvSkinOptionsClass::Of<TBoxedSkin>()), -1);
    EXPECT_EQ(Manager().SkinsList().AddSkin("boxed", TQvSkinOptionsClass::Of<TBoxedSkin>()), -1);
}

TEST_F(SkinManager, AMalformedTextSkinFallsBackToTheDefaultSkinAndSaysWhere)
{
    const struct
    {
        std::initializer_list<std::string> text;
        const char* message;
    } cases[] = {
        {{"[Skin]", "Name = Bad1", "ColorBtnFace = beige"},
         "Skin \"Bad1\", section [Skin], key ColorBtnFace: \"beige\" is not a colour"},
        {{"[Skin]", "Name = Bad2", "[MenuItem]", "Disabled.TextColor = #808080"},
         "Skin \"Bad2\", section [MenuItem], key Disabled.TextColor: \"#808080\" is not a colour"},
        {{"Name = Bad3", "[Skin]", "Name = Inner", "[Dock]", "Normal.TextColor ="},
         "Skin \"Bad3\", section [Dock], key Normal.TextColor: \"\" is not a colour"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const int index = AddTextSkin(c.text);
        ASSERT_GE(index, 0);
        Manager().SetSkin("Blue");
        TSkinListener listener;
        ManagerChanges = 0;
        try {
            Manager().SetSkin(Manager().SkinsList().Strings(index));
            ADD_FAILURE() << "no error";
        } catch (const ESkinError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
        EXPECT_TRUE(Manager().IsDefaultSkin());
        EXPECT_TRUE(GetCurrentSkin()->Options(skncDock).IsEmpty());
        EXPECT_EQ(listener.Received, 1);
        EXPECT_EQ(ManagerChanges, 1);
    }
}

TEST_F(SkinManager, AReplacedSkinLivesWhileARoutineStillPaintsWithIt)
{
    Manager().SetSkin("Blue");
    std::shared_ptr<TQvSkinOptions> painting = GetCurrentSkin();
    const std::weak_ptr<TQvSkinOptions> watch = painting;
    TSkinListener listener;
    listener.OnSkinChanged = [&] { EXPECT_NE(GetCurrentSkin(), painting); };

    Manager().SetSkin("Boxed");
    EXPECT_EQ(listener.Received, 1);
    EXPECT_EQ(painting->Options(skncDock).Body.Color1, clBlue);
    painting.reset();
    EXPECT_TRUE(watch.expired());
}

TEST_F(SkinManager, BroadcastSkipsListenersUnregisteredMeanwhile)
{
    auto first = std::make_unique<TSkinListener>();
    auto second = std::make_unique<TSkinListener>();
    auto third = std::make_unique<TSkinListener>();
    int thirdCalls = 0;
    third->OnSkinChanged = [&] { ++thirdCalls; };
    // The first frees the second and third, as a control that frees its children when the skin changes.
    first->OnSkinChanged = [&] {
        second.reset();
        third.reset();
    };
    Manager().SetSkin("Boxed");
    EXPECT_EQ(first->Received, 1);
    EXPECT_EQ(thirdCalls, 0);
    EXPECT_EQ(ManagerChanges, 1);
}

TEST_F(SkinManager, AnObjectRegisteredTwiceIsToldOnce)
{
    TSkinListener listener;
    Manager().AddSkinNotification(&listener);
    Manager().SetSkin("Boxed");
    EXPECT_EQ(listener.Received, 1);
    Manager().RemoveSkinNotification(&listener);
    Manager().SetSkin("");
    EXPECT_EQ(listener.Received, 1);
}

TEST_F(SkinManager, LoadingTheCurrentSkinTellsEveryone)
{
    Manager().SetSkin("Blue");
    TSkinListener listener;
    GetCurrentSkin()->LoadFromStrings(*Lines({"[Skin]", "Name = Blue", "[Dock]", "Normal.Body = 0, clLime"}));
    EXPECT_EQ(listener.Received, 1);
    EXPECT_EQ(GetCurrentSkin()->Options(skncDock).Body.Color1, clLime);

    TQvSkinOptions other;
    other.LoadFromStrings(*Lines({"[Skin]", "Name = Other"}));
    EXPECT_EQ(listener.Received, 1);
}

TEST_F(SkinManager, TheMainWindowSkinLoadsFromTheResources)
{
    TResourceStream stream("MAINSKIN", RT_RCDATA);
    TStringList text;
    text.LoadFromStream(stream);
    const int index = Manager().SkinsList().AddSkin(text);
    ASSERT_GE(index, 0);
    Forget("main");
    EXPECT_EQ(Manager().SkinsList().Strings(index), "main");

    TSkinListener listener;
    Manager().SetSkin("main");
    EXPECT_EQ(Manager().CurrentSkinName(), "main");
    EXPECT_EQ(Manager().GetSkinType(), sknSkin);
    EXPECT_EQ(listener.Received, 2);
    const auto skin = GetCurrentSkin();
    for (const TQvSkinComponentsType shown : {skncDock, skncMenuBar, skncToolbar, skncPopup, skncGutter}) {
        EXPECT_FALSE(skin->Options(shown).Body.IsEmpty()) << SkinComponentTable[shown].Section;
    }
    for (const TQvSkinComponentsType item : {skncMenuBarItem, skncMenuItem, skncToolbarItem, skncButton}) {
        EXPECT_FALSE(skin->Options(item, sknsHotTrack).Body.IsEmpty()) << SkinComponentTable[item].Section;
    }
    EXPECT_TRUE(skin->CompactMenu());
    EXPECT_TRUE(skin->JoinedPopup());
}
