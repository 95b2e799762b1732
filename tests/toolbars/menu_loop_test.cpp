#include "controls/toolbars/system_queries.h"
#include "menu_test_support.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/windows/message_loop.h"
#include "platform/gui/windows/message_window.h"
#include "platform/gui/windows/window_functions.h"
#include "toolbar_host.h"

// The modal loop of an open menu, driven by real input while it runs.

namespace {

class MenuLoop : public MenuFixture
{
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        menu = new TBarPopupMenu(form);
        open = AddCommand(menu->Items(), "&Open");
        options = AddCommand(menu->Items(), "&Options");
        save = AddCommand(menu->Items(), "&Save");
        close = AddCommand(menu->Items(), "Close");
        for (TBarCustomItem* item : {open, options, save, close})
            item->OnClick = [this, item](TObject*) { clicked.push_back(item); };
    }
    TBarCustomItem* Run(std::vector<TLoopStep> steps)
    {
        TLoopScript script(std::move(steps));
        TBarCustomItem* chosen = menu->PopupEx(MenuPoint.X, MenuPoint.Y, false);
        Pump();
        return chosen;
    }
    bool MenuOpen() const { return !OpenPopups().empty(); }

    TBarPopupMenu* menu = nullptr;
    TBarCustomItem* open = nullptr;
    TBarCustomItem* options = nullptr;
    TBarCustomItem* save = nullptr;
    TBarCustomItem* close = nullptr;
    std::vector<TBarCustomItem*> clicked;
};

TEST_F(MenuLoop, APressOutsideClosesTheMenuAndReachesTheControlBelow)
{
    std::vector<TMouseButton> pressed;
    edit->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int, int) {
        pressed.push_back(button);
    };
    EXPECT_EQ(Run({{[&] { MouseDown(edit, {5, 5}, mbRight); }}}), nullptr);
    EXPECT_EQ(pressed, (std::vector<TMouseButton>{mbRight}));
    EXPECT_TRUE(clicked.empty());
    EXPECT_FALSE(MenuOpen());
}

TEST_F(MenuLoop, TheFirstReleaseOutsideBelongsToThePressThatOpenedTheMenu)
{
    EXPECT_EQ(Run({{[&] {
                       MouseUp(edit, {5, 5});
                   }},
                   {[&] { EXPECT_TRUE(MenuOpen()) << "the first release is ignored"; }},
                   {[&] {
                       MouseUp(edit, {5, 5});
                   }}}),
              nullptr);
    EXPECT_FALSE(MenuOpen());
}

TEST_F(MenuLoop, TheRightButtonChoosesOnlyWhenTheMenuTracksIt)
{
    menu->SetTrackButton(tbLeftButton);
    EXPECT_EQ(Run({{[&] { ClickOn(0, save, mbRight); }},
                   {[&] { EXPECT_TRUE(MenuOpen()) << "the right button is dropped"; }},
                   {[&] { Key("Esc"); }}}),
              nullptr);
    menu->SetTrackButton(tbRightButton);
    EXPECT_EQ(Run({{[&] { ClickOn(0, save, mbRight); }}}), save);
    EXPECT_EQ(clicked, (std::vector<TBarCustomItem*>{save}));
}

TEST_F(MenuLoop, AcceleratorsSelectWhenSharedRunWhenUniqueAndBeepWhenMissing)
{
    TBarView* view = nullptr;
    EXPECT_EQ(Run({{[&] { Key("o"); }},
                   {[&] {
                       view = Popup()->View();
                       EXPECT_EQ(view->Selected()->Item(), open);
                   }},
                   {[&] { Key("o"); }},
                   {[&] { EXPECT_EQ(view->Selected()->Item(), options); }},
                   {[&] { Key("x"); }},
                   {[&] { EXPECT_EQ(beeps->Count(), 1); }},
                   {[&] { Key("s"); }}}),
              save);
    EXPECT_EQ(clicked, (std::vector<TBarCustomItem*>{save}));
    // A caption without a mark answers to its first letter.
    EXPECT_EQ(Run({{[&] { Key("c"); }}}), close);
    // A disabled entry matched by its accelerator ends the menu without a command.
    save->SetEnabled(false);
    EXPECT_EQ(Run({{[&] { Key("s"); }}}), nullptr);
    EXPECT_EQ(beeps->Count(), 1);
}

TEST_F(MenuLoop, KeysTypedBeforeTheMenuClosedNeverReachTheFocusedEdit)
{
    int exits = 0;
    edit->OnExit = [&](TObject*) { ++exits; };
    EXPECT_EQ(Run({{[&] {
                  EXPECT_EQ(GetFocus(), edit->Handle()) << "the menu took no focus";
                  Key("Esc");
                  Key("=abc");
              }}}),
              nullptr);
    EXPECT_EQ(edit->Text(), "");
    EXPECT_EQ(GetFocus(), edit->Handle());
    EXPECT_EQ(exits, 0);
}

TEST_F(MenuLoop, F1AsksForHelpEvenWithAButtonHeld)
{
    std::vector<intptr_t> topics;
    Application->OnHelp = [&](uint16_t, intptr_t data, bool&) {
        topics.push_back(data);
        return true;
    };
    options->SetHelpContext(7);
    EXPECT_EQ(Run({{[&] { MoveTo(0, open); }},
                   {[&] {
                       MouseDown(Popup(), EntryCentre(Popup(), options));
                       Key("Down"); // ignored while the button is held
                   }},
                   {[&] { EXPECT_EQ(Popup()->View()->Selected()->Item(), options); }},
                   {[&] { Key("F1"); }}}),
              nullptr);
    MouseUp(edit, {1, 1}); // the button held since the menu
    Application->OnHelp = nullptr;
    EXPECT_EQ(topics, (std::vector<intptr_t>{7}));
}

TEST_F(MenuLoop, TheApplicationsHintIsTheLongHintOfTheSelectedEntry)
{
    save->SetHint("Save|Saves the file list");
    Run({{[&] { MoveTo(0, save); }},
         {[&] {
             EXPECT_EQ(Application->Hint(), "Saves the file list");
             MoveTo(0, open);
         }},
         {[&] {
             EXPECT_EQ(Application->Hint(), "");
             Key("Esc");
         }}});
    EXPECT_EQ(Application->Hint(), "");
}

TEST_F(MenuLoop, AQuitRequestCancelsTheMenuAndIsPostedAgain)
{
    TLoopScript script({{[] { PostQuitMessage(5); }}});
    EXPECT_EQ(menu->PopupEx(MenuPoint.X, MenuPoint.Y, false), nullptr);
    TMsg msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
    EXPECT_FALSE(MenuOpen());
}

TEST_F(MenuLoop, AnIdleMenuUsesNoProcessorTime)
{
    // Left open with nothing coming in, the loop sleeps until input comes: it looks into the queue no more
    // while the steps go by and its clock moves on.
    unsigned looks = 0;
    Run({{[&] { looks = MessageQueueLooks(); }},
         {[&] { clock->Advance(300); }},
         {[] {}},
         {[&] { EXPECT_EQ(MessageQueueLooks(), looks) << "the loop waits for input instead of polling"; }},
         {[&] { Key("Esc"); }}});
}

TEST_F(MenuLoop, AMenuOpenedWhileAnotherLoopPumpsRunsItsCommandFromThatLoop)
{
    constexpr uint32_t OpenMenu = WM_USER + 1, Done = WM_USER + 2;
    std::vector<std::string> log;
    const HWND window = AllocateHWnd([&](TMessage& message) {
        if (message.Msg != OpenMenu)
            return;
        TLoopScript script({{[&] { ClickOn(0, save); }}});
        log.push_back(menu->PopupEx(MenuPoint.X, MenuPoint.Y, false) == save ? "chose save" : "no choice");
        PostMessage(window, Done, 0, 0);
    });
    save->OnClick = [&](TObject*) { log.push_back("save ran"); };
    PostMessage(window, OpenMenu, 0, 0);
    // A loop of the program's own, as a conversion run pumps messages.
    TMsg msg;
    while (GetMessage(msg, nullptr, 0, 0) > 0 && msg.message != Done) {
        TranslateMessage(msg);
        DispatchMessage(msg);
    }
    Pump();
    EXPECT_EQ(msg.message, Done);
    EXPECT_EQ(log, (std::vector<std::string>{"chose save", "save ran"}));
    DeallocateHWnd(window);
}

// A toolbar's loop: the menu bar of a window.
class ToolbarLoop : public MenuFixture
{
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        host = new TToolbarHost(form);
        host->SetParent(form);
        host->SetBounds(0, 40, 280, 24);
        file = AddSubmenu(host->Items(), "&File");
        AddCommand(file, "&New");
        edits = AddSubmenu(host->Items(), "&Edit");
        AddCommand(edits, "&Copy");
        AddCommand(host->Items(), "&Run")->OnClick = [this](TObject*) { ran = true; };
        Pump();
    }
    TToolbarHost* host = nullptr;
    TSubmenuItem* file = nullptr;
    TSubmenuItem* edits = nullptr;
    bool ran = false;
};

TEST_F(ToolbarLoop, APressOnAnEmptyPartOfTheBarEndsTheLoop)
{
    std::vector<TPoint> pressed;
    host->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { pressed.push_back({x, y}); };
    TLoopScript script({{[&] { MouseUp(host, host->Centre(file)); }}, {[&] {
                            ASSERT_EQ(OpenPopups().size(), 1u);
                            EXPECT_EQ(Popup()->View()->ParentItem(), file);
                            MouseDown(host, {270, 12});
                        }}});
    MouseDown(host, host->Centre(file));
    Pump();
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_FALSE(host->View()->State().Contains(vsModal));
    EXPECT_EQ(host->View()->DoneActionData().DoneAction, tbdaNone);
    EXPECT_EQ(pressed, (std::vector<TPoint>{{270, 12}})) << "the press reaches the bar after the loop";
}

TEST_F(ToolbarLoop, APressOnAnotherEntryOfTheBarOpensItsMenuAndGoesOn)
{
    TLoopScript script(
        {{[&] { MouseUp(host, host->Centre(file)); }}, {[&] { MouseDown(host, host->Centre(edits)); }}, {[&] {
             ASSERT_EQ(OpenPopups().size(), 1u);
             EXPECT_EQ(Popup()->View()->ParentItem(), edits);
             EXPECT_TRUE(host->View()->State().Contains(vsModal));
             // Released on the button whose menu was open at the press: the menu closes.
             MouseUp(host, host->Centre(edits));
         }}});
    MouseDown(host, host->Centre(file));
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_EQ(host->View()->DoneActionData().DoneAction, tbdaCancel);
}

TEST_F(ToolbarLoop, AClickOnTheBarThatClosesAPopupMenuOpensAMenuThatTakesTheKeys)
{
    auto* context = new TBarPopupMenu(form);
    AddCommand(context->Items(), "&Paste");
    TLoopScript script(
        {{[&] { Click(host, host->Centre(file)); }}, // the press waits for the popup menu's end
         {[&] {
             ASSERT_EQ(OpenPopups().size(), 1u);
             EXPECT_EQ(Popup()->View()->ParentItem(), file);
             Key("Right");
         }},
         {[&] {
             ASSERT_EQ(OpenPopups().size(), 1u);
             EXPECT_EQ(Popup()->View()->ParentItem(), edits) << "a key before any move";
             Key("Esc");
         }},
         {[&] { Key("Esc"); }}},
        std::chrono::seconds(2));
    context->Popup(MenuPoint.X, MenuPoint.Y);
    Pump();
    EXPECT_EQ(script.StepsTaken(), 4);
    EXPECT_TRUE(OpenPopups().empty());
    EXPECT_FALSE(host->View()->State().Contains(vsModal));
}

TEST_F(ToolbarLoop, AltSpaceOpensTheSystemMenuFromTheBarAndBeepsInAMenu)
{
    // The form is asked for its window menu; it is noted here instead of shown.
    std::vector<LPARAM> windowMenuKeys;
    const TWndMethod formProc = form->WindowProc;
    form->WindowProc = [&](TMessage& message) {
        if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_KEYMENU && message.LParam == ' ')
            windowMenuKeys.push_back(message.LParam);
        else
            formProc(message);
    };
    {
        TLoopScript script({{[&] { Key("A-Space"); }}});
        host->View()->SetSelected(host->View()->Find(file));
        host->View()->EnterToolbarLoop({});
    }
    const TBarDoneActionData& done = host->View()->DoneActionData();
    EXPECT_EQ(done.DoneAction, tbdaOpenSystemMenu);
    EXPECT_EQ(done.Key, ' ');
    EXPECT_EQ(done.Wnd, form->Handle());

    TLoopScript inMenu({{[&] { MouseUp(host, host->Centre(file)); }},
                        {[&] { Key("A-Space"); }},
                        {[&] { Key("Esc"); }},
                        {[&] { Key("Esc"); }}});
    MouseDown(host, host->Centre(file));
    EXPECT_EQ(beeps->Count(), 1);
    EXPECT_EQ(windowMenuKeys, std::vector<LPARAM>{' '});
    form->WindowProc = formProc;
}

} // namespace
