#include "controls/pack/browse_dialog.h"
#include "controls/pack/special_folder_ids.h"

#include "platform/gui/forms/application.h"
#include "scripted_file_dialogs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Step = TScriptedFileDialogs::TBrowseStep;

class BrowseDialog : public testing::Test
{
protected:
    BrowseDialog()
        : dialog(nullptr), top(fs::temp_directory_path() / ("qm_browse_" + std::to_string(getpid())))
    {
        fs::create_directories(top / "out");
        fs::create_directories(top / "in");
        dialog.SetHeadline("Output directory:");
        dialog.SetOptions({boContextHelp, boDirsOnly, boNewDlgStyle, boEditBox});
    }
    ~BrowseDialog() override { fs::remove_all(top); }
    std::string Folder(const char* name) const { return (top / name).string(); }

    TScriptedFileDialogs script;
    TRQBrowseDialog dialog;
    fs::path top;
};

} // namespace

TEST_F(BrowseDialog, TheMainWindowsOptionsAndAChosenFolder)
{
    std::vector<std::string> log;
    dialog.OnInitialise = [&](TObject*) { log.push_back("initialise"); };
    dialog.OnSelChange = [&](TObject*, const std::string&, const std::string& name, std::string& status,
                             bool&) {
        log.push_back("select " + name);
        status = "ignored in the new style";
    };
    dialog.OnClose = [&](TObject*) { log.push_back("close"); };
    dialog.SetFolderName(Folder("in"));
    script.browseScripts.push_back({{Step::Select, Folder("out")}, {Step::Ok, ""}});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FolderName(), Folder("out"));
    EXPECT_EQ(dialog.DisplayName(), "out");
    EXPECT_EQ(log, (std::vector<std::string>{"initialise", "select in", "select out", "close"}));

    const TFolderBrowseRequest& request = script.browseRequests.front();
    EXPECT_EQ(request.Root, "/");
    EXPECT_EQ(request.Headline, "Output directory:");
    EXPECT_EQ(request.Selected, Folder("in"));
    EXPECT_TRUE(request.EditBox);
    EXPECT_FALSE(request.HelpKey) << "context help keeps F1 to the dialog";
    EXPECT_FALSE(request.HelpButton);
    EXPECT_FALSE(request.StatusText) << "no status line in the new style";
    EXPECT_TRUE(request.MakeFolderButton);

    script.browseScripts.push_back({{Step::Cancel, ""}});
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FolderName(), Folder("out")) << "a cancelled dialog changes nothing";
}

TEST_F(BrowseDialog, RootsAreSpecialFolderNumbersThisDesktopHas)
{
    EXPECT_THROW(dialog.SetRootFolderID(0x8000), ERQShellFolders);
    EXPECT_THROW(dialog.SetRootFolderID(0x0F), ERQShellFolders);
    EXPECT_EQ(dialog.RootFolderID(), 0);

    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", top.c_str(), 1);
    setenv("XDG_CACHE_HOME", Folder("in").c_str(), 1);
    EXPECT_EQ(SpecialFolderPath(CSIDL_PROFILE), top.string());
    EXPECT_EQ(SpecialFolderPath(CSIDL_INTERNET_CACHE), Folder("in"));
    EXPECT_EQ(SpecialFolderPath(CSIDL_APPDATA), std::nullopt) << "no such folder under this home";
    dialog.SetRootFolderID(CSIDL_PROFILE);
    script.browseScripts.push_back({{Step::Select, "/etc"}, {Step::Ok, ""}});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FolderName(), top.string()) << "nothing above the root";

    dialog.SetRootFolderID(0x0014); // the fonts folder: none here
    try {
        dialog.Execute();
        ADD_FAILURE() << "no root";
    } catch (const ERQShellFolders& error) {
        EXPECT_EQ(error.Message(), "Root folder not supported on this system");
    }
    EXPECT_EQ(script.browseRequests.size(), 1u) << "no window for a root this desktop lacks";
    unsetenv("XDG_CACHE_HOME");
    setenv("HOME", home.c_str(), 1);
}

TEST_F(BrowseDialog, TheOwnerMayDisableOkAndKeepTheDialogOpen)
{
    dialog.OnSelChange = [&](TObject*, const std::string&, const std::string& name, std::string&, bool& ok) {
        ok = name != "in";
    };
    script.browseScripts.push_back(
        {{Step::Select, Folder("in")}, {Step::Ok, ""}, {Step::Select, Folder("out")}, {Step::Ok, ""}});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(script.okRefused, 1) << "OK did nothing for the disabled folder";
    EXPECT_FALSE(script.browseStates[1].OkEnabled);
    EXPECT_EQ(dialog.FolderName(), Folder("out"));

    // A typed name that is no folder: without a handler the dialog closes without a choice.
    script.browseScripts.push_back({{Step::Type, "missing"}, {Step::Ok, ""}});
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FolderName(), Folder("out"));

    std::vector<std::string> typed;
    dialog.OnValidationFailed = [&](TObject*, const std::string& text, bool& canClose) {
        typed.push_back(text);
        canClose = false;
    };
    script.browseScripts.push_back(
        {{Step::Type, "missing"}, {Step::Ok, ""}, {Step::Type, Folder("in")}, {Step::Ok, ""}});
    dialog.OnSelChange = nullptr;
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(typed, std::vector<std::string>{"missing"});
    EXPECT_EQ(dialog.FolderName(), Folder("in"));
}

TEST_F(BrowseDialog, HelpComesFromTheButtonOrFOneAsTheOptionsSay)
{
    std::vector<uint16_t> commands;
    Application->OnHelp = [&](uint16_t command, intptr_t, bool&) {
        commands.push_back(command);
        return true;
    };
    bool cancel = false;
    dialog.OnHelp = [&](TObject*, bool& c) { c = cancel; };
    dialog.SetHelpContext(42);

    dialog.SetOptions({boDirsOnly, boShowHelp});
    script.browseScripts.push_back({{Step::HelpButton, ""}, {Step::F1, ""}, {Step::Cancel, ""}});
    dialog.Execute();
    EXPECT_EQ(commands, (std::vector<uint16_t>{HELP_CONTEXT, HELP_CONTEXT}));

    dialog.SetOptions({boContextHelp, boShowHelp, boNewDlgStyle});
    script.browseScripts.push_back({{Step::HelpButton, ""}, {Step::F1, ""}, {Step::Cancel, ""}});
    dialog.Execute();
    EXPECT_EQ(commands.size(), 2u) << "no Help button in the new style, F1 left to the dialog";

    dialog.SetOptions({boDirsOnly});
    dialog.SetHelpType(htKeyword);
    dialog.SetHelpKeyword("folders");
    cancel = true;
    script.browseScripts.push_back({{Step::F1, ""}, {Step::Cancel, ""}});
    dialog.Execute();
    EXPECT_EQ(commands.size(), 2u) << "OnHelp cancelled";
    cancel = false;
    script.browseScripts.push_back({{Step::F1, ""}, {Step::Cancel, ""}});
    dialog.Execute();
    EXPECT_EQ(commands.back(), HELP_KEY);
    Application->OnHelp = nullptr;
}
