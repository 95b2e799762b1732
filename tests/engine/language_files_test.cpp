#include "engine/language_files.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

TLangIniList MakeList()
{
    TLangIniList list;
    list.SetSectionWithDisplayName("INFO");
    list.SetDisplayNameID("LangName_InEnglish");
    return list;
}

std::vector<std::string> DisplayNames(TLangIniList& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
        names.push_back(list.GetItem(i).DisplayName);
    return names;
}

} // namespace

TEST(LangIniList, ListsTheLanguageFilesOfTheFolder)
{
    ScratchFolder folder;
    folder.Write("lang/German.ini", "[INFO]\nLangName_InEnglish=German\nLangName_Native=Deutsch\n");
    folder.Write("lang/czech.INI", "[info]\nlangname_inenglish=Czech\nLangName_Native=\xC4\x8C"
                                   "e\xC5\xA1tina\n");
    folder.Write("lang/Dutch.ini", "[INFO]\rLangName_InEnglish=Dutch\rLangName_Native=Nederlands\r");
    folder.Write("lang/Empty.ini", "[INFO]\nLangName_InEnglish=\nLangName_Native=Nothing\n");
    folder.Write("lang/NoInfo.ini", "[MAIN]\nReady=x\n");
    folder.Write("lang/Notes.txt", "[INFO]\nLangName_InEnglish=Text\n");
    folder.Write("lang/old/French.ini", "[INFO]\nLangName_InEnglish=French\n");

    for (const char* ext : {"ini", ".ini"}) {
        TLangIniList list = MakeList();
        list.AddIniFilesFromDir(folder / "lang", ext);
        EXPECT_EQ(DisplayNames(list), (std::vector<std::string>{"Czech", "Dutch", "German"})) << ext;
    }

    TLangIniList list = MakeList();
    list.AddIniFilesFromDir(folder / "lang", "ini");
    const TLangIniListItem& german = list.GetItem(2);
    EXPECT_EQ(german.FileName, folder / "lang/German.ini");
    EXPECT_EQ(german.LangName_InEnglish, "German");
    EXPECT_EQ(german.LangName_Native, "Deutsch");

    EXPECT_EQ(list.GetItemByNativeName("  deutsch "), &list.GetItem(2));
    EXPECT_EQ(list.GetItemByNativeName("\xC4\x8C"
                                       "E\xC5\xA0TINA"),
              &list.GetItem(0));
    EXPECT_EQ(list.GetItemByShortFileName(" GERMAN.ini"), &list.GetItem(2));
    EXPECT_EQ(list.GetItemByShortFileName("lang/German.ini"), nullptr);
    EXPECT_EQ(list.GetItemByNativeName("Nothing"), nullptr);
    EXPECT_EQ(list.GetItem(1).LangName_Native, "Nederlands"); // its lines end in a bare CR
}

TEST(LangIniList, AbsentFolderAddsNothing)
{
    ScratchFolder folder;
    TLangIniList list = MakeList();
    list.AddIniFilesFromDir(folder / "missing", "ini");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.GetItemByShortFileName("English.ini"), nullptr);
}
