#include "platform/system/user_locale.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

TEST(UserLocale, TheFirstSetVariableNamesTheLanguage)
{
    const struct
    {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        const char* language;
    } cases[] = {
        {"", "", "de_DE.UTF-8", "de"},
        {"", "fr_CA.UTF-8", "de_DE.UTF-8", "fr"},
        {"pt_BR", "fr_CA.UTF-8", "de_DE.UTF-8", "pt"},
        {"", "", "sr_RS@latin", "sr"},
        {"", "", "nl.UTF-8", "nl"},
        {"", "", "it", "it"},
        {"", "", "", ""},
        // "C" and "POSIX" decide too: they name no language, whatever comes after them.
        {"C", "", "de_DE.UTF-8", ""},
        {"", "POSIX", "de_DE.UTF-8", ""},
        {"", "", "C.UTF-8", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UiLanguageOf(c.lcAll, c.lcMessages, c.lang), c.language)
            << c.lcAll << " | " << c.lcMessages << " | " << c.lang;
}

TEST(UserLocale, SystemLanguageReadsTheEnvironment)
{
    const ScopedEnvironment all("LC_ALL", std::nullopt);
    const ScopedEnvironment messages("LC_MESSAGES", "es_ES.UTF-8");
    const ScopedEnvironment lang("LANG", "de_DE.UTF-8");
    EXPECT_EQ(SystemUiLanguage(), "es");
}

TEST(UserLocale, SeparatorsTakenFromTheLocalesConventions)
{
    const struct
    {
        const char* decimalPoint;
        const char* thousands;
        const char* decimalTaken;
        const char* thousandsTaken;
        const char* list;
    } cases[] = {
        {".", ",", ".", ",", ","},
        {",", ".", ",", ".", ";"},
        {",", "\u202F", ",", "\u202F", ";"}, // a narrow no-break space
        {".", "'", ".", "'", ","},
        {".", "", ".", ",", ","}, // no thousands separator ("C"): the other of "." and ","
        {",", "", ",", ".", ";"},
        {",", ",", ",", ".", ";"},    // never the decimal separator twice
        {",", "\xA0", ",", ".", ";"}, // a legacy code set's byte is no UTF-8 text
        {"", "", "#", "~", "|"},      // no decimal point: nothing taken
        {"\xAC", ".", "#", "~", "|"},
    };
    for (const auto& c : cases) {
        TFormatSettings settings;
        settings.DecimalSeparator = "#";
        settings.ThousandSeparator = "~";
        settings.ListSeparator = "|";
        TakeNumberSeparators(settings, c.decimalPoint, c.thousands);
        EXPECT_EQ(settings.DecimalSeparator, c.decimalTaken) << c.decimalPoint << " " << c.thousands;
        EXPECT_EQ(settings.ThousandSeparator, c.thousandsTaken) << c.decimalPoint << " " << c.thousands;
        EXPECT_EQ(settings.ListSeparator, c.list) << c.decimalPoint << " " << c.thousands;
    }
}

// A locale of our own with a decimal comma and a narrow no-break space between thousands, compiled into a
// temporary folder that the C library searches first (LOCPATH).
class UserLocaleFormats : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        folder_ = std::make_unique<ScratchFolder>();
        const std::string source = folder_->Write("source", "LC_NUMERIC\n"
                                                            "decimal_point \"<U002C>\"\n"
                                                            "thousands_sep \"<U202F>\"\n"
                                                            "grouping 3;3\n"
                                                            "END LC_NUMERIC\n");
        // Only the numbers are defined, so the compiler warns of the other categories and answers 1.
        const std::string command = "localedef -c -i '" + source + "' -f UTF-8 '" +
                                    (*folder_ / "qm_TEST.UTF-8") + "' >/dev/null 2>&1";
        compiled_ = std::system(command.c_str()) != -1 &&
                    std::filesystem::exists(*folder_ / "qm_TEST.UTF-8/LC_NUMERIC");
    }
    static void TearDownTestSuite() { folder_.reset(); }
    void SetUp() override
    {
        if (!compiled_)
            GTEST_SKIP() << "localedef could not compile a test locale";
    }

    static inline std::unique_ptr<ScratchFolder> folder_;
    static inline bool compiled_ = false;
};

TEST_F(UserLocaleFormats, TheEnvironmentsLocaleGivesTheSeparators)
{
    const ScopedEnvironment path("LOCPATH", folder_->Path());
    const ScopedEnvironment all("LC_ALL", std::nullopt);
    const ScopedEnvironment numeric("LC_NUMERIC", std::nullopt);
    const ScopedEnvironment lang("LANG", "qm_TEST.UTF-8");
    TFormatSettings settings;
    EXPECT_TRUE(ReadLocaleNumberFormats(settings));
    EXPECT_EQ(settings.DecimalSeparator, ",");
    EXPECT_EQ(settings.ThousandSeparator, "\u202F");
    EXPECT_EQ(settings.ListSeparator, ";");
    // LC_NUMERIC holds over LANG, LC_ALL over both.
    const ScopedEnvironment numericC("LC_NUMERIC", "C");
    EXPECT_TRUE(ReadLocaleNumberFormats(settings));
    EXPECT_EQ(settings.DecimalSeparator, ".");
    const ScopedEnvironment allTest("LC_ALL", "qm_TEST.UTF-8");
    EXPECT_TRUE(ReadLocaleNumberFormats(settings));
    EXPECT_EQ(settings.DecimalSeparator, ",");
}

TEST_F(UserLocaleFormats, ALocaleNotInstalledLeavesTheSettings)
{
    const ScopedEnvironment path("LOCPATH", folder_->Path());
    TFormatSettings settings;
    settings.DecimalSeparator = "#";
    EXPECT_FALSE(ReadLocaleNumberFormats(settings, "xx_NOWHERE.UTF-8"));
    EXPECT_EQ(settings.DecimalSeparator, "#");
    EXPECT_TRUE(ReadLocaleNumberFormats(settings, "qm_TEST.UTF-8"));
    EXPECT_EQ(settings.DecimalSeparator, ",");
}
