#include "platform/system/mem_ini_file.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>

using Lines = std::vector<std::string>;

TEST(MemIniText, WritesKeysInPlaceAndKeepsEverythingElse)
{
    TMemIniFile ini("");
    ini.SetStrings({"; note", "[A]", "x = 1", "", "[B]", "y=2", "[a]", "z=3"});
    EXPECT_EQ(ini.ReadString("a", "z", ""), "3");

    ini.WriteString("A", "X", "changed");
    ini.WriteInteger("A", "n", -7);
    ini.WriteBool("C", "flag", true);
    ini.WriteString("B", "empty", "");
    EXPECT_EQ(ini.GetStrings(), (Lines{"; note", "[A]", "x=changed", "n=-7", "", "[B]", "y=2",
                                       "empty=", "[a]", "z=3", "", "[C]", "flag=1"}));
    EXPECT_EQ(ini.ReadInteger("A", "N", 0), -7);
    EXPECT_TRUE(ini.ReadBool("c", "FLAG", false));
}

TEST(MemIniText, LinesThatCannotBeStoredRaiseAndChangeNothing)
{
    TMemIniFile ini("");
    ini.SetStrings({"[S]", "k=v"});
    const struct
    {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {{"S", "k", "two\nlines"}, {"S", "a=b", "v"}, {"S", "[k", "v"},
                 {"S", " ", "v"},          {"S]", "k", "v"},  {"S", "k", "\xff"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_THROW(ini.WriteString(c.section, c.key, c.value), EIniFileError);
    }
    EXPECT_EQ(ini.GetStrings(), (Lines{"[S]", "k=v"}));
}

TEST(MemIniText, WritesNeverReachTheFile)
{
    ScratchFolder folder;
    const std::string name = folder.Write("f.ini", "[S]\nk=v\n");
    TMemIniFile ini(name);
    ini.WriteString("S", "k", "w");
    EXPECT_EQ(ini.ReadString("S", "k", ""), "w");
    EXPECT_EQ(TMemIniFile(name).ReadString("S", "k", ""), "v");
}
