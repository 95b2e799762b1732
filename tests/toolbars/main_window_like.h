#pragma once

// A form built as the program's main window is at its top: a menu bar and a button bar, each alone in a
// top dock that allows no dragging, the button bar's dock limited to one row, commands bound to actions,
// and an edit below them with the focus. The framework's classes build it by default; the skinned ones
// build the same form through TMainWindowClasses.

#include "controls/toolbars/dock.h"
#include "controls/toolbars/toolbar.h"
#include "menu_test_support.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/window_functions.h"

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// A toolbar as the program makes its two: no frame, no grips, no close button, never floating or sized.
class TTestToolbar : public TBarCustomToolbar
{
public:
    explicit TTestToolbar(TComponent* owner);
};

// The two top docks of the form, each with its bar docked and still empty.
struct TMainWindowTop
{
    TBarDock* menuDock = nullptr;
    TBarDock* buttonDock = nullptr;
    TBarCustomToolbar* menuBar = nullptr;
    TBarCustomToolbar* buttonBar = nullptr;
};

// The classes a main-window-like form is made of: its docks and bars (with their form values) and the
// kinds of item in them. SetUp and TearDown bracket each form's life (a skin to put in force and take out).
class TMainWindowClasses
{
public:
    virtual ~TMainWindowClasses() = default;
    // What the failures of a suite instantiated with these classes call them.
    virtual std::string Name() const = 0;
    virtual void SetUp() const {}
    virtual void TearDown() const {}
    // The docks on form with their bars docked and empty, the menu bar made the form's menu bar.
    virtual TMainWindowTop BuildTop(TForm* form) const = 0;
    virtual TBarCustomItem* NewCommand(TComponent* owner) const = 0;
    virtual TBarCustomItem* NewSubmenu(TComponent* owner) const = 0;
    virtual TBarCustomItem* NewSeparator(TComponent* owner) const = 0;
};

// TTestToolbar, TBarDock and the framework's items.
const TMainWindowClasses& FrameworkClasses();

inline void PrintTo(const TMainWindowClasses* classes, std::ostream* out)
{
    *out << classes->Name();
}

struct TMainWindowLike
{
    // Builds the form: the menu bar File, View (with a Columns submenu), File list, Encoder and Help (File
    // and File list share their accelerator); the button bar with images and captions.
    explicit TMainWindowLike(int width = 420, const TMainWindowClasses& classes = FrameworkClasses());
    ~TMainWindowLike();
    TMainWindowLike(const TMainWindowLike&) = delete;
    TMainWindowLike& operator=(const TMainWindowLike&) = delete;

    // The bar's item of a caption without its ampersand, or a command anywhere below it
    // ("View/Columns/Size").
    TBarCustomItem* Item(const std::string& path) const;
    // The bar's selected item and the selected entries of the open menus: "View>Columns>Name".
    std::string Path() const;
    // The client point at the middle of a menu bar item.
    TPoint BarPoint(const std::string& caption) const;

    TForm* form = nullptr;
    TBarDock* menuDock = nullptr;
    TBarDock* buttonDock = nullptr;
    TBarCustomToolbar* menuBar = nullptr;
    TBarCustomToolbar* buttonBar = nullptr;
    TEdit* edit = nullptr;
    TActionList* actions = nullptr;
    // The commands that ran, by caption, in order; each checks that no menu loop runs while it does.
    std::vector<std::string> ran;
    std::map<std::string, TAction*> actionByName;

private:
    TAction* AddAction(const std::string& name, const std::string& caption, const std::string& shortCut,
                       int image);
    // A command entry whose click is recorded, and one bound to the named action.
    TBarCustomItem* AddRecorded(TBarCustomItem* parent, const std::string& caption);
    TBarCustomItem* AddBound(TBarCustomItem* parent, const std::string& name);
    TBarCustomItem* AddMenu(TBarCustomItem* parent, const std::string& caption);
    void AddMenuBarItems();
    void AddButtons();
    void RecordRun(const std::string& name);

    const TMainWindowClasses& FClasses;
};

// The menu bar gate's form, with a clock the test moves and the beeps counted, built of the classes the
// suite is instantiated with (menu_bar_keyboard_test.cpp).
class MenuBarKeyboard : public testing::TestWithParam<const TMainWindowClasses*>
{
protected:
    void SetUp() override
    {
        clock = std::make_unique<TManualClock>(1000);
        beeps = std::make_unique<TBeepCounter>();
        GetParam()->SetUp();
        w = std::make_unique<TMainWindowLike>(420, *GetParam());
    }
    void TearDown() override
    {
        w.reset();
        GetParam()->TearDown();
        beeps.reset();
        clock.reset();
    }
    // A key as the user types it: into the edit, which keeps the focus while menus are open.
    void Key(const std::string& key) { Press(w->edit, key); }
    // Types a key that must start no loop of ours (one that does fails at the deadline).
    void KeyOpeningNoMenu(const std::string& key)
    {
        TLoopScript script({}, std::chrono::seconds(2));
        Key(key);
        Pump();
    }
    // Types opener, then takes the steps inside the loop it starts; answers how many steps ran.
    int Run(const std::string& opener, std::vector<TLoopStep> steps)
    {
        TLoopScript script(std::move(steps));
        Key(opener);
        Pump();
        return script.StepsTaken();
    }
    // Types opener and then keys, one by one, inside the loop.
    int Type(const std::string& opener, const std::vector<std::string>& keys)
    {
        std::vector<TLoopStep> steps;
        for (const std::string& key : keys)
            steps.push_back({[this, key] { Key(key); }});
        return Run(opener, std::move(steps));
    }
    bool MenusClosed() const
    {
        return OpenPopups().empty() && !w->menuBar->View()->State().Contains(vsModal);
    }
    // After a loop: nothing reached the edit, which still has the focus.
    void ExpectEditUntouched()
    {
        EXPECT_TRUE(MenusClosed());
        EXPECT_EQ(GetFocus(), w->edit->Handle()) << "the edit keeps the focus";
        EXPECT_EQ(w->edit->Text(), "") << "nothing typed reaches the edit";
    }

    std::unique_ptr<TManualClock> clock;
    std::unique_ptr<TBeepCounter> beeps;
    std::unique_ptr<TMainWindowLike> w;
};
