#include "controls/skins/skin_error.h"
#include "controls/skins/skin_options.h"
#include "platform/gui/graphics/color_names.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The keys of one section of a saved text, in order.
std::vector<std::string> KeysOf(const TStrings& text, const std::string& section)
{
    std::vector<std::string> keys;
    bool inside = false;
    for (int i = 0; i < text.Count(); ++i) {
        const std::string line = text.Get(i);
        if (!line.empty() && line[0] == '[') {
            inside = line == "[" + section + "]";
        } else if (inside && line.find('=') != std::string::npos) {
            keys.push_back(line.substr(0, line.find('=')));
        }
    }
    return keys;
}

// Gives every category of every component a different look, so that any mix-up shows.
void FillDistinctly(TQvSkinOptions& skin)
{
    TColor next = 0x10;
    for (int c = 0; c < SkinComponentCount; ++c) {
        for (int s = 0; s < SkinStateCount; ++s) {
            const auto component = static_cast<TQvSkinComponentsType>(c);
            const auto state = static_cast<TQvSkinStatesType>(s);
            if (!SkinComponentHasState(component, state)) {
                continue;
            }
            TQvSkinOptionCategory& category = skin.Options(component, state);
            category.Body.Fill(c % 11, next, next + 1, clNone, next + 2);
            category.Borders.Fill(s % 3, clBtnShadow, next + 3);
            category.TextColor = next + 4;
            next += 0x100;
        }
    }
    skin.SetSkinName("Every category");
    skin.SetSkinAuthor("Tests");
    skin.SetColorBtnFace(0x00336699);
    skin.SetIconShadow(true);
    skin.SetStatusSeparators(true);
}

bool SameCategory(const TQvSkinOptionCategory& a, const TQvSkinOptionCategory& b)
{
    return a.Body.IsEqual(b.Body) && a.Borders.IsEqual(b.Borders) && a.TextColor == b.TextColor;
}

} // namespace

TEST(SkinTextFormat, FreshSkinSavesDefaultsAndEveryKeyOfItsStates)
{
    const TQvSkinOptions skin;
    TStringList text;
    skin.SaveToStrings(text);

    EXPECT_EQ(KeysOf(text, "Skin"),
              (std::vector<std::string>{"Name", "Author", "ColorBtnFace", "FloatingWindowBorderSize",
                                        "IconShadow", "CompactMenu", "StatusSeparators"}));
    const std::vector<std::string> lines = LinesOf(text);
    for (const char* line :
         {"Name=Default", "Author=", "ColorBtnFace=clBtnFace", "FloatingWindowBorderSize=4", "IconShadow=0",
          "CompactMenu=0", "StatusSeparators=0"}) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
    EXPECT_EQ(KeysOf(text, "MenuItem").size(), 18u);
    EXPECT_EQ(KeysOf(text, "Dock"),
              (std::vector<std::string>{"Normal.Body", "Normal.Borders", "Normal.TextColor"}));
    EXPECT_EQ(KeysOf(text, "EditFrame").size(), 9u);
    EXPECT_EQ(KeysOf(text, "TrackBarButton"),
              (std::vector<std::string>{"Normal.Body", "Normal.Borders", "Normal.TextColor", "Pushed.Body",
                                        "Pushed.Borders", "Pushed.TextColor"}));
    EXPECT_EQ(text.Values("Normal.Body"), "0, clNone, clNone, clNone, clNone");
}

TEST(SkinTextFormat, EveryCategoryAndSkinWideValueSurvivesARoundTrip)
{
    TQvSkinOptions original;
    FillDistinctly(original);
    TStringList text;
    original.SaveToStrings(text);

    TQvSkinOptions loaded;
    loaded.LoadFromStrings(text);

    int compared = 0;
    for (int c = 0; c < SkinComponentCount; ++c) {
        for (int s = 0; s < SkinStateCount; ++s) {
            const auto component = static_cast<TQvSkinComponentsType>(c);
            const auto state = static_cast<TQvSkinStatesType>(s);
            EXPECT_TRUE(SameCategory(loaded.Options(component, state), original.Options(component, state)))
                << SkinComponentTable[c].Section << " " << SkinStateNames[s];
            ++compared;
        }
    }
    EXPECT_EQ(compared, 198);
    EXPECT_EQ(loaded.SkinName(), "Every category");
    EXPECT_EQ(loaded.SkinAuthor(), "Tests");
    EXPECT_EQ(loaded.ColorBtnFace(), 0x00336699u);
    EXPECT_TRUE(loaded.StoredIconShadow());
    EXPECT_FALSE(loaded.StoredCompactMenu());
    EXPECT_TRUE(loaded.StoredStatusSeparators());

    TStringList again;
    loaded.SaveToStrings(again);
    EXPECT_EQ(LinesOf(again), LinesOf(text));
}

TEST(SkinTextFormat, SavingKeepsWhatTheSkinDoesNotUse)
{
    const auto text = Lines({"; a note", "[Extra]", "Kept=yes", "[Skin]", "Name=Old", "Unknown=1"});
    TQvSkinOptions skin;
    skin.SaveToStrings(*text);
    const std::vector<std::string> lines = LinesOf(*text);
    EXPECT_EQ(lines[0], "; a note");
    EXPECT_EQ(KeysOf(*text, "Extra"), std::vector<std::string>{"Kept"});
    EXPECT_EQ(KeysOf(*text, "Skin")[0], "Name");
    EXPECT_EQ(text->Values("Name"), "Default");
    EXPECT_EQ(text->Values("Unknown"), "1");
}

TEST(SkinTextFormat, EntriesReadUpToTheFirstItemThatIsNoColour)
{
    struct Case
    {
        const char* text;
        int style;
        TColor colors[4];
    };
    const Case cases[] = {
        {"", 0, {clNone, clNone, clNone, clNone}},
        {"0, clNone, clNone, clNone, clNone", 0, {clNone, clNone, clNone, clNone}},
        {"3, clRed, $00FF8000", 3, {clRed, 0x00FF8000, clNone, clNone}},
        {"2, clRed, bluish, clBlue", 2, {clRed, clNone, clNone, clNone}},
        {"  7 ,clWhite,  $00000001 ,clBtnFace,0x10", 7, {clWhite, 1, clBtnFace, 0x10}},
        {"style, clRed", 0, {clRed, clNone, clNone, clNone}},
        {"1, \"clRed\", clBlue, clLime, clAqua, clYellow", 1, {clRed, clBlue, clLime, clAqua}},
        {"4,,clRed", 4, {clNone, clNone, clNone, clNone}},
        {"99999999999, clRed", 0, {clRed, clNone, clNone, clNone}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TQvSkinOptionEntry entry;
        entry.Fill(9, clBlack, clBlack, clBlack, clBlack);
        entry.ReadFromString(c.text);
        EXPECT_EQ(entry.SkinType, c.style);
        EXPECT_EQ((std::vector<TColor>{entry.Color1, entry.Color2, entry.Color3, entry.Color4}),
                  (std::vector<TColor>(std::begin(c.colors), std::end(c.colors))));

        TQvSkinOptionEntry again;
        again.ReadFromString(entry.WriteToString());
        EXPECT_TRUE(again.IsEqual(entry)) << entry.WriteToString();
    }
}

TEST(SkinTextFormat, FloatingBorderSizeIsClampedWhenLoadedAndWhenSet)
{
    const struct
    {
        const char* text;
        int stored;
    } cases[] = {{"-5", 0}, {"9", 9}, {"1000000", 32}, {"32", 32}, {"wide", 4}, {"0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TQvSkinOptions skin;
        skin.LoadFromStrings(*Lines({"[Skin]", std::string("FloatingWindowBorderSize=") + c.text}));
        EXPECT_EQ(skin.StoredFloatingWindowBorderSize(), c.stored);
    }
    TQvSkinOptions skin;
    skin.SetFloatingWindowBorderSize(9);
    EXPECT_EQ(skin.StoredFloatingWindowBorderSize(), 4);
    skin.SetFloatingWindowBorderSize(-1);
    EXPECT_EQ(skin.StoredFloatingWindowBorderSize(), 0);
}

TEST(SkinTextFormat, TextWithABadColourRaisesAndLeavesTheSkinAsItWas)
{
    TQvSkinOptions skin;
    skin.Options(skncMenuItem, sknsHotTrack).TextColor = clRed;
    const auto text = Lines({"[Skin]", "Name=Broken", "ColorBtnFace=clWhite", "[Dock]",
                             "Normal.TextColor=clBlue", "[MenuItem]", "Pushed.TextColor=greenish"});
    try {
        skin.LoadFromStrings(*text);
        FAIL() << "no error";
    } catch (const ESkinError& error) {
        EXPECT_EQ(error.SkinName(), "Broken");
        EXPECT_EQ(error.Section(), "MenuItem");
        EXPECT_EQ(error.Key(), "Pushed.TextColor");
        EXPECT_EQ(error.Value(), "greenish");
        EXPECT_EQ(std::string(error.what()),
                  "Skin \"Broken\", section [MenuItem], key Pushed.TextColor: \"greenish\" is not a colour");
    }
    EXPECT_EQ(skin.SkinName(), "Default");
    EXPECT_EQ(skin.ColorBtnFace(), clBtnFace);
    EXPECT_EQ(skin.Options(skncDock).TextColor, clNone);
    EXPECT_EQ(skin.Options(skncMenuItem, sknsHotTrack).TextColor, clRed);
}

TEST(SkinTextFormat, LoadingLeavesStatesTheComponentLacksAlone)
{
    TQvSkinOptions skin;
    // EditFrame has Normal, Disabled and HotTrack; its Pushed category is kept as it was.
    skin.Options(skncEditFrame, sknsPushed).TextColor = clRed;
    skin.Options(skncEditFrame, sknsHotTrack).TextColor = clRed;
    skin.LoadFromStrings(*Lines({"[EditFrame]", "Pushed.TextColor=clBlue"}));
    EXPECT_EQ(skin.Options(skncEditFrame, sknsPushed).TextColor, clRed);
    EXPECT_EQ(skin.Options(skncEditFrame, sknsHotTrack).TextColor, clNone);
}
