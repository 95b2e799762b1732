#include "main_window_like.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/windows/window_functions.h"

// The menu bar of a form built like the main window, driven by the keys and the mouse: Alt, F10, Alt+letter,
// the arrows through the bar and its menus, and the shortcuts of the form and of the bar. The skins' test
// program compiles these cases too and instantiates them over the skinned classes only.

namespace {

TEST_P(MenuBarKeyboard, AltTappedWalksTheBarAndItsMenus)
{
    const struct
    {
        const char* key;
        const char* path; // after the key
    } table[] = {
        {"Right", "View"},
        {"Left", "File"},
        {"Left", "Help"}, // wraps
        {"Right", "File"},
        {"Right", "View"},
        {"Down", "View>Columns"}, // opens with the first entry selected
        {"Down", "View>Status bar"},
        {"End", "View>Refresh"},
        {"Home", "View>Columns"},
        {"Up", "View>Refresh"},
        {"Tab", "View>Columns"},
        {"Right", "View>Columns>Name"},
        {"Esc", "View>Columns"}, // one level
        {"Esc", "View"},
        {"Esc", ""}, // at the bar the loop ends
    };
    std::vector<TLoopStep> steps{{[this] { EXPECT_EQ(w->Path(), "File") << "Alt selects the first item"; }}};
    for (const auto& row : table) {
        steps.push_back({[this, &row] { Key(row.key); }});
        if (row.path[0] != '\0')
            steps.push_back({[this, &row] { EXPECT_EQ(w->Path(), row.path) << "after " << row.key; }});
    }
    const int total = static_cast<int>(steps.size());
    EXPECT_EQ(Run("Alt", std::move(steps)), total);
    ExpectEditUntouched();
    EXPECT_TRUE(w->ran.empty());
    EXPECT_EQ(beeps->Count(), 0);
}

TEST_P(MenuBarKeyboard, AltInMenuModeLeavesItAndItsReleaseOpensNothing)
{
    const struct
    {
        const char* what;
        std::vector<std::string> keys; // after the Alt that entered menu mode, before the Alt that leaves it
    } table[] = {
        {"a second tap on the bar", {}},
        {"a menu open", {"Down"}},
        {"a submenu open", {"Right", "Down", "Right"}},
    };
    for (const auto& row : table) {
        std::vector<std::string> keys = row.keys;
        keys.push_back("Alt");
        std::vector<TLoopStep> steps;
        for (const std::string& key : keys)
            steps.push_back({[this, key] { Key(key); }});
        // A menu mode entered again by the release would run until the deadline.
        TLoopScript script(std::move(steps), std::chrono::seconds(2));
        Key("Alt");
        Pump();
        EXPECT_EQ(script.StepsTaken(), static_cast<int>(keys.size())) << row.what;
        EXPECT_TRUE(MenusClosed()) << row.what;
    }
    ExpectEditUntouched();
    EXPECT_EQ(beeps->Count(), 0);
    EXPECT_EQ(Type("Alt", {"Esc"}), 1) << "a lone Alt enters menu mode again";
}

TEST_P(MenuBarKeyboard, AltLetterOpensSelectsBeepsOrLeavesTheMinusAlone)
{
    EXPECT_EQ(Run("A-v", {{[this] { EXPECT_EQ(w->Path(), "View>Columns") << "a unique accelerator opens"; }},
                          {[this] { Key("Esc"); }},
                          {[this] { Key("Esc"); }}}),
              3);
    EXPECT_EQ(Run("A-f", {{[this] {
                              EXPECT_EQ(w->Path(), "File") << "two share it: the first is selected";
                              EXPECT_TRUE(OpenPopups().empty()) << "and not opened";
                          }},
                          {[this] { Key("Esc"); }}}),
              2);
    EXPECT_EQ(beeps->Count(), 0);
    KeyOpeningNoMenu("A-q");
    EXPECT_EQ(beeps->Count(), 1) << "no item: one beep";
    KeyOpeningNoMenu("A--");
    EXPECT_EQ(beeps->Count(), 1) << "the minus is left to the system";
    ExpectEditUntouched();
    EXPECT_TRUE(w->ran.empty());
}

TEST_P(MenuBarKeyboard, F10RunsItsActionAndNothingElse)
{
    KeyOpeningNoMenu("F10");
    EXPECT_EQ(w->ran, (std::vector<std::string>{"Start"}));
    w->actionByName["Start"]->SetShortCut(0);
    w->ran.clear();
    EXPECT_EQ(Type("F10", {"Esc"}), 1) << "without the shortcut F10 opens the menu bar";
    EXPECT_TRUE(w->ran.empty());
    ExpectEditUntouched();
}

TEST_P(MenuBarKeyboard, EveryCommandByKeysRunsOnceAfterTheMenuClosed)
{
    const struct
    {
        std::vector<std::string> keys; // after Alt
        const char* command;
    } table[] = {
        {{"Down", "Enter"}, "Open"},
        {{"Down", "Down", "Enter"}, "Save"},
        {{"Down", "Up", "Enter"}, "Exit"},
        {{"Right", "Down", "Enter", "Enter"}, "Name"},
        {{"Right", "Down", "Right", "Down", "Enter"}, "Size"},
        {{"Right", "Down", "Right", "End", "Enter"}, "Duration"},
        {{"Right", "Down", "Down", "Enter"}, "Status bar"},
        {{"Right", "Down", "End", "Enter"}, "Refresh"},
        {{"Right", "Right", "Down", "Enter"}, "Add"},
        {{"Right", "Right", "Down", "Down", "Enter"}, "Remove"},
        {{"Right", "Right", "Down", "End", "Enter"}, "Clear"},
        {{"Left", "Left", "Down", "Enter"}, "Start"},
        {{"Left", "Left", "Down", "End", "Enter"}, "Settings"},
        {{"Left", "Down", "Enter"}, "Contents"},
        {{"Left", "Down", "a"}, "About"},
    };
    for (const auto& row : table) {
        w->ran.clear();
        Type("Alt", row.keys);
        Pump();
        EXPECT_EQ(w->ran, (std::vector<std::string>{row.command}));
    }
    ExpectEditUntouched();
}

TEST_P(MenuBarKeyboard, EveryCommandByClicksRunsOnceAfterTheMenuClosed)
{
    const struct
    {
        const char* path; // bar item / entries
        const char* command;
    } table[] = {
        {"File/Open...", "Open"},
        {"File/Save list", "Save"},
        {"File/Exit", "Exit"},
        {"View/Columns/Name", "Name"},
        {"View/Columns/Size", "Size"},
        {"View/Columns/Duration", "Duration"},
        {"View/Status bar", "Status bar"},
        {"View/Refresh", "Refresh"},
        {"File list/Add files...", "Add"},
        {"File list/Remove", "Remove"},
        {"File list/Clear", "Clear"},
        {"Encoder/Start", "Start"},
        {"Encoder/Settings", "Settings"},
        {"Help/Contents", "Contents"},
        {"Help/About", "About"},
    };
    for (const auto& row : table) {
        w->ran.clear();
        std::vector<std::string> parts;
        std::string path = row.path;
        for (size_t slash; (slash = path.find('/')) != std::string::npos; path = path.substr(slash + 1))
            parts.push_back(path.substr(0, slash));
        parts.push_back(path);
        const TPoint barPoint = w->BarPoint(parts[0]);
        std::vector<TLoopStep> steps{{[this, barPoint] { MouseUp(w->menuBar, barPoint); }}};
        std::string below = parts[0];
        for (size_t level = 1; level < parts.size(); ++level) {
            below += "/" + parts[level];
            steps.push_back({[this, level, below] {
                TBarPopupWindow* popup = OpenPopups().at(level - 1);
                const TPoint p = EntryCentre(popup, w->Item(below));
                MouseMove(popup, p);
                Click(popup, p);
            }});
        }
        TLoopScript script(std::move(steps));
        MouseMove(w->menuBar, barPoint);
        MouseDown(w->menuBar, barPoint);
        Pump();
        EXPECT_EQ(w->ran, (std::vector<std::string>{row.command})) << row.path;
    }
    EXPECT_TRUE(MenusClosed());
}

TEST_P(MenuBarKeyboard, ShortCutsFireOnceAndADisabledFormTakesNone)
{
    const struct
    {
        const char* key;
        const char* command;
    } table[] = {{"C-o", "Open"}, {"C-k", "Contents"}, {"F5", "Refresh"}};
    for (const auto& row : table) {
        w->ran.clear();
        Key(row.key);
        Pump();
        EXPECT_EQ(w->ran, (std::vector<std::string>{row.command})) << row.key;
    }
    // Another form is active: the main form's menu bar still takes its shortcut, unless the main form is
    // disabled (as while a modal window runs).
    Application->SetMainForm(w->form);
    TForm* other = ShowTestForm(200, 100);
    auto* otherEdit = new TEdit(other);
    otherEdit->SetParent(other);
    otherEdit->SetFocus();
    Pump();
    w->ran.clear();
    Press(otherEdit, "C-k");
    Pump();
    EXPECT_EQ(w->ran, (std::vector<std::string>{"Contents"}));
    EnableWindow(w->form->Handle(), false);
    w->ran.clear();
    Press(otherEdit, "C-k");
    Pump();
    EXPECT_TRUE(w->ran.empty());
    EnableWindow(w->form->Handle(), true);
    other->Free();
    Application->SetMainForm(nullptr);
}

} // namespace
