#include "engine/test_media.h"
#include "ini_contents.h"
#include "program_on_desktop.h"
#include "waiting.h"

#include <fstream>
#include <sstream>

namespace {

// A language file made from the English one in which every text reads «Section.key», so that each text
// on the screen names where it comes from; the language calls itself "Marked".
void WriteMarkedLanguage(const std::string& englishFile, const std::string& markedFile)
{
    std::istringstream english(test_media::ReadAll(englishFile));
    std::ofstream marked(markedFile);
    std::string section;
    for (std::string line; std::getline(english, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const size_t equals = line.find('=');
        if (line.starts_with('['))
            section = line.substr(1, line.find(']') - 1);
        else if (equals != std::string::npos && line.starts_with("LangName_"))
            line = line.substr(0, equals) + "=Marked";
        else if (equals != std::string::npos)
            line =
                line.substr(0, equals + 1) + "\xC2\xAB" + section + "." + line.substr(0, equals) + "\xC2\xBB";
        marked << line << "\r\n";
    }
}

} // namespace

// The language chosen in the options window takes effect at once in the titles of the windows, and is
// the language of the next session.
TEST_F(ProgramOnDesktop, OptionsWindowSwitchesTheLanguage)
{
    WriteMarkedLanguage(Copy.LangFolder() + "/English.ini", Copy.LangFolder() + "/Marked.ini");
    ASSERT_NO_FATAL_FAILURE(StartProgram());

    // At its first showing the language list has the focus; English is first in it and Marked next.
    PressInMainWindow({"F12"});
    const WindowId options = WaitForWindow("^Options");
    ASSERT_NE(options, "") << DescribeWindows();
    ASSERT_TRUE(Display->Activate(options));
    Press({"Down"});
    EXPECT_NE(WaitForWindow("^«Options.Caption»"), "") << DescribeWindows();
    Press({"Escape"});
    ASSERT_TRUE(WaitForNoWindow("Options"));
    Display->Screenshot("main_window_in_a_new_language");

    const struct
    {
        const char* Keys;
        const char* Title;
    } windows[] = {
        {"F11", "^«Errors.Caption»"},
        {"shift+ctrl+i", "^«ToolsInfo.Caption»"},
        {"F12", "^«Options.Caption»"},
    };
    for (const auto& window : windows) {
        SCOPED_TRACE(window.Keys);
        PressInMainWindow({window.Keys});
        EXPECT_NE(WaitForWindow(window.Title), "") << DescribeWindows();
        Press({"Escape"});
        EXPECT_TRUE(WaitForNoWindow(window.Title));
    }

    PressInMainWindow({"alt+F4"});
    ASSERT_TRUE(WaitForProgramEnd());
    EXPECT_EQ(ReadIniContents(Copy.SettingsFile())["MAIN"]["LanguageIni"], "Marked.ini");
}
