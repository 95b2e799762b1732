#include "engine/app_strings.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace {

const std::string EnglishIniFile =
    (std::filesystem::path(__FILE__).parent_path() / "../../resources/lang/English.ini").lexically_normal();

// The shipped English language file as the built-in texts give it.
std::string EnglishIniText()
{
    std::string text = "[INFO]\nLangName_InEnglish=English\nLangName_Native=English\n";
    std::string_view section;
    for (const TAppStringField& field : AppStringFields()) {
        if (field.Section != section) {
            section = field.Section;
            text += "\n[" + std::string(section) + "]\n";
        }
        text += std::string(field.Key) + "=" + std::string(field.English) + "\n";
    }
    return text;
}

std::vector<std::string> ReadLines(std::istream&& stream)
{
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(AppStrings, EveryFieldHasOneEntry)
{
    TAppStrings strings;
    std::set<const std::string*> fields;
    for (const TAppStringField& field : AppStringFields())
        EXPECT_TRUE(fields.insert(&field.Text(strings)).second) << field.Section << "/" << field.Key;
    const size_t textsInRecords = (sizeof(TAppStrings) - sizeof(std::string)) / sizeof(std::string);
    EXPECT_EQ(fields.size(), textsInRecords);
    EXPECT_EQ(fields.count(&strings.LanguageName), 0u);
}

TEST(AppStrings, BuiltInEnglish)
{
    TAppStrings strings;
    EXPECT_EQ(strings.LanguageName, "English");
    EXPECT_EQ(strings.Main.actConvert, "Convert checked files");
    EXPECT_EQ(strings.Main.actExploreDirectory, "Open directory \"%s\"");
    EXPECT_EQ(strings.Main.VideoBitrateMustBeInteger,
              "Video bitrate: %s\\nBitrate must be an integer value!");
    EXPECT_EQ(strings.Main.cbAfterConversion_CloseWindows, "Shut down the computer");
    EXPECT_EQ(strings.Main.dlgSaveBAT_Filter, "Shell scripts (*.sh)");
    EXPECT_EQ(strings.Main.btnStayOnTop, "");
    EXPECT_EQ(strings.FileInfo.ScanType_Progressive, "progressive");
    EXPECT_EQ(strings.CheckUpdate.CannotCheck,
              "Unable to retrieve version information.\\nPlease try again in a few minutes.");

    strings.Main.Ready = "changed";
    strings.LanguageName = "German";
    strings.SetEN();
    EXPECT_EQ(strings.Main.Ready, "Ready");
    EXPECT_EQ(strings.LanguageName, "English");
}

TEST(AppStrings, LanguageFileOverlaysTheCurrentTexts)
{
    ScratchFolder folder;
    const std::string file = folder.Write("German.ini", "\xEF\xBB\xBF[INFO]\n"
                                                        "LangName_InEnglish=German\n"
                                                        "[MAIN]\n"
                                                        "Ready=Bereit\n"
                                                        "OutputDir=Ausgabeordner:\n"
                                                        "chKeepFileDates=Dateidaten behalten\n"
                                                        "chKeepDates=wrong key\n"
                                                        "Custom=\n"
                                                        "[Options]\n"
                                                        "Caption=Einstellungen f\xC3\xBCr alles\n"
                                                        "[ToolsInfo]\n"
                                                        "actClose=Schlie\xC3\x9F"
                                                        "en\n");
    TAppStrings strings;
    strings.Main.Done = "Fertig"; // a text the file does not give stays as it is
    strings.LoadFromFile(file);

    EXPECT_EQ(strings.LanguageName, "German");
    EXPECT_EQ(strings.Main.Ready, "Bereit");
    EXPECT_EQ(strings.Main.OutputDir, "Ausgabeordner");
    EXPECT_EQ(strings.Main.chKeepDates, "Dateidaten behalten");
    EXPECT_EQ(strings.Main.Custom, "");
    EXPECT_EQ(strings.Main.Done, "Fertig");
    EXPECT_EQ(strings.Main.Abort, "Abort");
    EXPECT_EQ(strings.Options.Caption, "Einstellungen f\xC3\xBCr alles");
    EXPECT_EQ(strings.ToolsInfo.actClose, "Schlie\xC3\x9F"
                                          "en");
}

TEST(AppStrings, FilesWithoutLanguageNameOrMissing)
{
    ScratchFolder folder;
    TAppStrings strings;
    strings.LoadFromFile(folder / "missing.ini");
    EXPECT_EQ(strings.LanguageName, "English");

    strings.LoadFromFile(folder.Write("Nameless.ini", "[MAIN]\nReady=Prêt\n"));
    EXPECT_EQ(strings.LanguageName, "");
    EXPECT_EQ(strings.Main.Ready, "Prêt");
    EXPECT_EQ(strings.Main.OutputDir, "Output directory");
}

// Set QM_WRITE_ENGLISH_INI=1 to write the file anew after the built-in texts changed.
TEST(AppStrings, ShippedEnglishFileMatchesTheBuiltInTexts)
{
    const std::string expected = EnglishIniText();
    if (std::getenv("QM_WRITE_ENGLISH_INI") != nullptr)
        std::ofstream(EnglishIniFile, std::ios::binary | std::ios::trunc) << expected;
    const std::vector<std::string> wanted = ReadLines(std::istringstream(expected));
    const std::vector<std::string> shipped = ReadLines(std::ifstream(EnglishIniFile, std::ios::binary));
    for (size_t i = 0; i < std::max(wanted.size(), shipped.size()); ++i) {
        const std::string want = i < wanted.size() ? wanted[i] : "(end of file)";
        const std::string have = i < shipped.size() ? shipped[i] : "(end of file)";
        ASSERT_EQ(have, want) << EnglishIniFile << " line " << i + 1
                              << "; QM_WRITE_ENGLISH_INI=1 rewrites it";
    }

    TAppStrings fromFile;
    for (const TAppStringField& field : AppStringFields())
        field.Text(fromFile) = "not read";
    fromFile.LoadFromFile(EnglishIniFile);
    TAppStrings builtIn;
    EXPECT_EQ(fromFile.LanguageName, "English");
    for (const TAppStringField& field : AppStringFields())
        EXPECT_EQ(field.Text(fromFile), field.Text(builtIn)) << field.Key;
}
