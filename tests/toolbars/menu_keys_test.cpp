#include "menu_test_support.h"

// Keys in a popup menu of three levels.

namespace {

class MenuKeys : public MenuFixture
{
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        menu = new TBarPopupMenu(form);
        TBarCustomItem* root = menu->Items();
        Command(root, "&New");
        TSubmenuItem* recent = AddSubmenu(root, "&Recent");
        Command(recent, "&One");
        Command(recent, "&Two")->SetEnabled(false);
        TSubmenuItem* more = AddSubmenu(recent, "&More");
        Command(more, "&Alpha");
        Command(more, "&Beta");
        AddSeparator(root);
        Command(root, "&Disabled")->SetEnabled(false);
        TSubmenuItem* combo = AddSubmenu(root, "Co&mbo", true);
        combo->OnClick = [this, combo](TObject*) { Clicked(combo); };
        Command(combo, "&Inner");
        Command(root, "E&xit");
    }
    TBarCustomItem* Command(TBarCustomItem* parent, const std::string& caption)
    {
        TBarCustomItem* item = AddCommand(parent, caption);
        item->OnClick = [this, item](TObject*) { Clicked(item); };
        return item;
    }
    void Clicked(TBarCustomItem* item)
    {
        EXPECT_TRUE(returned) << "a command runs after the menu has closed";
        clicked.push_back(StripHotkey(item->Caption()));
    }
    // The selected entries of the open menus, outermost first: "Recent>More>Alpha".
    static std::string Path()
    {
        std::string path;
        for (TBarPopupWindow* popup : OpenPopups())
            if (TBarItemViewer* selected = popup->View()->Selected())
                path += (path.empty() ? "" : ">") + StripHotkey(selected->Item()->Caption());
        return path;
    }
    // Opens the menu, types keys, and answers what was chosen (its caption, "" when nothing was).
    std::string Type(const std::vector<std::string>& keys)
    {
        std::vector<TLoopStep> steps;
        for (const std::string& key : keys)
            steps.push_back({[this, key] { Key(key); }});
        TLoopScript script(std::move(steps));
        returned = false;
        clicked.clear();
        TBarCustomItem* chosen = menu->PopupEx(MenuPoint.X, MenuPoint.Y, false);
        returned = true;
        Pump();
        return chosen ? StripHotkey(chosen->Caption()) : "";
    }

    TBarPopupMenu* menu = nullptr;
    bool returned = true;
    std::vector<std::string> clicked;
};

TEST_F(MenuKeys, NavigationThroughThreeLevels)
{
    const struct
    {
        const char* key;
        const char* path;
    } table[] = {
        {"Down", "New"},
        {"Up", "Exit"}, // wraps
        {"Tab", "New"},
        {"S-Tab", "Exit"},
        {"Home", "New"},
        {"End", "Exit"},
        {"Up", "Combo"},
        {"Up", "Disabled"}, // disabled entries are selected too; separators never
        {"Up", "Recent"},
        {"Right", "Recent>One"}, // opens with the first entry selected
        {"Down", "Recent>Two"},
        {"Down", "Recent>More"},
        {"Enter", "Recent>More>Alpha"},
        {"Esc", "Recent>More"}, // closes one level
        {"Right", "Recent>More>Alpha"},
        {"Left", "Recent>More"},
        {"Left", "Recent"},
        {"Esc", ""}, // at the top: the menu is cancelled
    };
    std::vector<TLoopStep> steps;
    for (const auto& row : table)
        steps.push_back({[this, &row] { Key(row.key); }});
    // Each check runs once the key before it has been taken.
    std::vector<TLoopStep> checked;
    for (size_t i = 0; i + 1 < std::size(table); ++i) {
        checked.push_back(std::move(steps[i]));
        checked.push_back(
            {[&table, i] { EXPECT_EQ(Path(), table[i].path) << "after " << i << ": " << table[i].key; }});
    }
    checked.push_back(std::move(steps.back()));
    TLoopScript script(std::move(checked));
    EXPECT_EQ(menu->PopupEx(MenuPoint.X, MenuPoint.Y, false), nullptr);
    EXPECT_TRUE(OpenPopups().empty());
}

TEST_F(MenuKeys, EnterRunsCommandsAndCombosOpensSubmenusAndCancelsOnDisabled)
{
    EXPECT_EQ(Type({"End", "Up", "Enter"}), "Combo");
    EXPECT_EQ(clicked, (std::vector<std::string>{"Combo"}));
    EXPECT_EQ(Type({"Home", "Down", "Down", "Enter"}), "") << "a disabled entry";
    EXPECT_EQ(Type({"Enter"}), "") << "no selection";
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MenuKeys, EveryCommandReachedByKeysClicksOnceAfterTheMenuClosed)
{
    const struct
    {
        std::vector<std::string> keys;
        std::string command;
    } table[] = {
        {{"Down", "Enter"}, "New"},
        {{"Down", "Down", "Right", "Enter"}, "One"},
        {{"Down", "Down", "Right", "End", "Enter", "Enter"}, "Alpha"},
        {{"Down", "Down", "Right", "End", "Right", "Down", "Enter"}, "Beta"},
        {{"End", "Up", "Right", "Enter"}, "Inner"},
        {{"End", "Enter"}, "Exit"},
        {{"x"}, "Exit"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(Type(row.keys), row.command);
        EXPECT_EQ(clicked, (std::vector<std::string>{row.command}));
    }
}

} // namespace
