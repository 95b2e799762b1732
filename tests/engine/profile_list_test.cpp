#include "engine/profile_list.h"

#include "../support/scratch_folder.h"
#include "platform/system/ini_file.h"

#include <gtest/gtest.h>

namespace {

std::string Profile(const std::string& mainKeys)
{
    return "[MAIN]\nAppName=Quillmark\nAppVer=1.10\n" + mainKeys;
}

TAppParams ParamsFor(const ScratchFolder& folder)
{
    TAppParams params;
    params.ProfilesDir = (folder / "profiles");
    params.LastProfileFile = params.ProfilesDir + "/__Last.ini";
    return params;
}

std::vector<std::string> DisplayNames(const std::vector<TProfileInfo>& infos)
{
    std::vector<std::string> names;
    for (const TProfileInfo& info : infos)
        names.push_back(info.DisplayName);
    return names;
}

} // namespace

TEST(ProfileList, AddsOnlyThisProgramsProfilesWithTheirLook)
{
    ScratchFolder folder;
    const struct
    {
        const char* Content;
        bool Added;
        const char* DisplayName;
        double SortIndex;
        TColor Bg;
        TColor Font;
    } cases[] = {
        {"[MAIN]\nAppName=quillmark\nAppVer=1.10\n", true, "Fast", -1, 0xFFFFFF, 0xFFFFFF},
        {"[MAIN]\nAppName=Quillmark\nAppVer=1.09\n", false, "", 0, 0, 0},
        {"[MAIN]\nAppVer=1.10\n", false, "", 0, 0, 0},
        {"[AVI]\nVideoCodec=Xvid\n", false, "", 0, 0, 0},
        {"garbage\x01\x02", false, "", 0, 0, 0},
        {"[MAIN]\nAppName=Quillmark\nAppVer=1.10\nDisplayName=Fast [CLB=#FF0000][clf=#000000]\n", true,
         "Fast ", -1, 0xFFFFFF, 0xFFFFFF},
        {"[MAIN]\nAppName=Quillmark\nAppVer=1.10\nDisplayName=Big[clf=1]x[clb=2]\n", true, "Big", -1,
         0xFFFFFF, 0xFFFFFF},
        {"[MAIN]\nAppName=Quillmark\nAppVer=1.10\nSortIndex=2.5\nBgColor=#FF0000\nFontColor=0,128,0\n", true,
         "Fast", 2.5, 0x0000FF, 0x008000},
        {"[MAIN]\nAppName=Quillmark\nAppVer=1.10\nSortIndex=first\nBgColor=pink\nFontColor=\n", true, "Fast",
         -1, 0xFFFFFF, 0xFFFFFF},
        {"[MAIN]\nAppName=Quillmark\nAppVer=1.10\nSortIndex=1e999\n", true, "Fast", -1, 0xFFFFFF, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        const std::string file = folder.Write("Fast.ini", c.Content);
        std::vector<TProfileInfo> infos;
        ASSERT_EQ(AP_AddProfile(file, infos), c.Added) << c.Content;
        if (!c.Added) {
            EXPECT_TRUE(infos.empty());
            continue;
        }
        ASSERT_EQ(infos.size(), 1u);
        EXPECT_EQ(infos[0].ShortFileName, "Fast.ini");
        EXPECT_EQ(infos[0].DisplayName, c.DisplayName) << c.Content;
        EXPECT_EQ(infos[0].SortIndex, c.SortIndex) << c.Content;
        EXPECT_EQ(infos[0].BgColor, c.Bg) << c.Content;
        EXPECT_EQ(infos[0].FontColor, c.Font) << c.Content;
    }
    std::vector<TProfileInfo> infos;
    EXPECT_FALSE(AP_AddProfile((folder / "none.ini"), infos));
}

TEST(ProfileList, ListsTheProfilesFolderSortedWithoutTheLastSession)
{
    ScratchFolder folder;
    const TAppParams params = ParamsFor(folder);
    folder.Write("profiles/b.ini", Profile("SortIndex=2\n"));
    folder.Write("profiles/A.INI", Profile("SortIndex=1.5\n"));
    folder.Write("profiles/c.ini", Profile(""));
    folder.Write("profiles/D.ini", Profile(""));
    folder.Write("profiles/__Last.ini", Profile(""));
    folder.Write("profiles/other.ini", "[MAIN]\nAppName=Other\nAppVer=1.10\n");
    folder.Write("profiles/e.txt", Profile(""));
    folder.Write("profiles/sub/f.ini", Profile(""));

    std::vector<TProfileInfo> infos = {TProfileInfo{}};
    GetProfiles(params, infos);
    // Equal sort indexes keep the file name order, letter case ignored.
    EXPECT_EQ(DisplayNames(infos), (std::vector<std::string>{"c", "D", "A", "b"}));

    const std::vector<std::string> items = ProfileSelectorItems(infos, "Last", "Defaults");
    EXPECT_EQ(items, (std::vector<std::string>{"Last", "Defaults", "c", "D", "A", "b"}));

    GetProfiles(TAppParams{}, infos);
    EXPECT_TRUE(infos.empty());
}

TEST(ProfileList, DisplayNamesExpandLineBreaksAndTabs)
{
    EXPECT_EQ(ExpandProfileDisplayName("Fast\\nsmall\\tfiles"), "Fast\r\nsmall\tfiles");
    EXPECT_EQ(ExpandProfileDisplayName("C:\\\\new"), "C:\\\r\new");
}

TEST(ProfileList, SelectorItemsLoadTheirProfile)
{
    ScratchFolder folder;
    const TAppParams params = ParamsFor(folder);
    folder.Write("profiles/one.ini", Profile("OutputFormat=MPG\n[AUDIO]\nVolume=50\n"));
    folder.Write("profiles/two.ini", Profile("SortIndex=1\n[AUDIO]\nVolume=60\n"));
    EncoderSettings mpg = DefaultEncoderSettings(0);
    mpg.OutputFormat = ofMpg;
    SaveProfile(params.LastProfileFile, mpg);
    std::vector<TProfileInfo> infos;
    GetProfiles(params, infos);

    const struct
    {
        int Item;
        bool Loaded;
        TOutputFormat Format;
        int32_t Volume;
    } cases[] = {
        {ProfileItemLastSession, true, ofMpg, 100},
        {ProfileItemDefaults, true, ofAvi, 100},
        {2, true, ofMpg, 50},
        {3, true, ofAvi, 60},
        {4, true, ofMpg, 50}, // past the list: the first entry
        {-1, true, ofMpg, 50},
    };
    for (const auto& c : cases) {
        EncoderSettings settings = DefaultEncoderSettings(2);
        settings.Audio.Volume = 7;
        ASSERT_EQ(LoadSelectedProfile(c.Item, infos, params, settings, ProfileLoadContext{}), c.Loaded)
            << c.Item;
        EXPECT_EQ(settings.OutputFormat, c.Format) << c.Item;
        EXPECT_EQ(settings.Audio.Volume, c.Volume) << c.Item;
    }

    EncoderSettings settings = DefaultEncoderSettings(0);
    settings.Audio.Volume = 7;
    EXPECT_FALSE(LoadSelectedProfile(2, {}, params, settings, ProfileLoadContext{}));
    EXPECT_EQ(settings.Audio.Volume, 7);
}

TEST(ProfileList, SavingIntoTheProfilesFolderSelectsTheNewEntry)
{
    ScratchFolder folder;
    const TAppParams params = ParamsFor(folder);
    folder.Write("profiles/a.ini", Profile(""));
    std::vector<TProfileInfo> infos;
    GetProfiles(params, infos);

    EXPECT_EQ(SaveProfileToList(params.ProfilesDir + "/./new.ini", DefaultEncoderSettings(0), params, infos),
              FirstProfileItem + 1);
    EXPECT_EQ(DisplayNames(infos), (std::vector<std::string>{"a", "new"}));

    EXPECT_EQ(SaveProfileToList((folder / "elsewhere.ini"), DefaultEncoderSettings(0), params, infos),
              std::nullopt);
    EXPECT_EQ(DisplayNames(infos), (std::vector<std::string>{"a", "new"}));

    const std::string notAFolder = folder.Write("plain", "");
    EXPECT_THROW(SaveProfileToList(notAFolder + "/x.ini", DefaultEncoderSettings(0), params, infos),
                 EIniFileError);
    EXPECT_EQ(infos.size(), 2u);
}
