#include "platform/gui/forms/application.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/message_beep.h"
#include "platform/gui/windows/system_keys.h"
#include "platform/gui/windows/ui_state.h"
#include "platform/gui/windows/window_functions.h"
#include "system_message_recorder.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Log = std::vector<std::string>;
using Keys = std::vector<LPARAM>;

// Types into a window the way a keyboard does, a step at a time: "+Alt" presses a key and "-Alt" releases
// it; a modifier held comes with every event until released; "+f" is the F key typing "f"; "click" presses
// and releases the left button over the window.
void Type(TWinControl* target, const std::vector<std::string>& steps)
{
    static const std::map<std::string, std::pair<int, Qt::KeyboardModifier>> named = {
        {"Alt", {Qt::Key_Alt, Qt::AltModifier}},       {"Ctrl", {Qt::Key_Control, Qt::ControlModifier}},
        {"Shift", {Qt::Key_Shift, Qt::ShiftModifier}}, {"F1", {Qt::Key_F1, Qt::NoModifier}},
        {"F10", {Qt::Key_F10, Qt::NoModifier}},        {"Space", {Qt::Key_Space, Qt::NoModifier}},
        {"F4", {Qt::Key_F4, Qt::NoModifier}},          {"-", {Qt::Key_Minus, Qt::NoModifier}}};
    Qt::KeyboardModifiers held;
    for (const std::string& step : steps) {
        if (step == "click") {
            SendMouse(target, QEvent::MouseButtonPress, {2, 2});
            SendMouse(target, QEvent::MouseButtonRelease, {2, 2});
            continue;
        }
        const bool press = step[0] == '+';
        const std::string name = step.substr(1);
        int key = 0;
        Qt::KeyboardModifier modifier = Qt::NoModifier;
        QString text;
        if (auto it = named.find(name); it != named.end()) {
            std::tie(key, modifier) = it->second;
            if (name == "Space")
                text = " ";
            if (name == "-")
                text = "-";
        } else {
            key = Qt::Key_A + (name[0] - 'a');
            text = QString::fromStdString(name);
        }
        held.setFlag(modifier, press);
        QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, held, text);
        QApplication::sendEvent(target->Window().widget, &event);
    }
}

// A form with a focused control; the menu keys the form gets and the ones the application's hooks are
// offered are written down, and beeps are counted.
class SystemKeys : public FormWithFocusedRecorder
{
protected:
    void SetUp() override
    {
        FormWithFocusedRecorder::SetUp();
        formProc = form->WindowProc;
        form->WindowProc = [this](TMessage& message) {
            formProc(message);
            if (message.Msg == WM_SYSCOMMAND && message.WParam == SC_KEYMENU)
                menuKeys.push_back(message.LParam);
        };
        hook = Application->HookMainWindow([this](TMessage& message) {
            if (message.Msg != CM_APPSYSCOMMAND)
                return false;
            EXPECT_EQ(message.WParam, SC_KEYMENU);
            offered.push_back(message.LParam);
            return applicationTakes;
        });
    }
    void TearDown() override
    {
        Application->UnhookMainWindow(hook);
        FormWithFocusedRecorder::TearDown();
    }

    TWndMethod formProc;
    int hook = 0;
    bool applicationTakes = false;
    Keys menuKeys; // SC_KEYMENU at the form
    Keys offered;  // CM_APPSYSCOMMAND at the application's hook
    TBeepCounter beeps;
};

TEST_F(SystemKeys, AltF4AsksTheFormToClose)
{
    int asked = 0;
    form->OnCloseQuery = [&asked](TObject*, bool& canClose) {
        ++asked;
        canClose = false;
    };
    Type(edit, {"+Alt", "+F4", "-F4", "-Alt"});
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(menuKeys.empty()) << "Alt was not tapped alone";
    Type(edit, {"+F4", "-F4"});
    EXPECT_EQ(asked, 1) << "F4 alone closes nothing";
}

TEST_F(SystemKeys, AltF10AndAltLetterOpenTheMenuOfTheForm)
{
    const struct
    {
        const char* what;
        std::vector<std::string> steps;
        Keys menuKeys;
        int beeps;
    } cases[] = {
        {"Alt tapped alone", {"+Alt", "-Alt"}, {0}, 0},
        {"Alt with a click between", {"+Alt", "click", "-Alt"}, {}, 0},
        {"Alt with Ctrl between", {"+Alt", "+Ctrl", "-Ctrl", "-Alt"}, {}, 0},
        {"F10", {"+F10", "-F10"}, {0}, 0},
        {"Shift+F10 asks for the context menu instead", {"+Shift", "+F10", "-F10", "-Shift"}, {}, 0},
        {"Alt+letter that no control claims", {"+Alt", "+f", "-f", "-Alt"}, {'f'}, 1},
        {"Alt+minus, left to the document's system menu", {"+Alt", "+-", "--", "-Alt"}, {'-'}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        menuKeys.clear();
        offered.clear();
        const int beepsBefore = beeps.Count();
        Type(edit, c.steps);
        EXPECT_EQ(menuKeys, c.menuKeys);
        Keys offeredWanted;
        std::copy_if(c.menuKeys.begin(), c.menuKeys.end(), std::back_inserter(offeredWanted),
                     [](LPARAM key) { return key != ' '; });
        EXPECT_EQ(offered, offeredWanted);
        EXPECT_EQ(beeps.Count() - beepsBefore, c.beeps);
    }
}

TEST_F(SystemKeys, AnEditLetsTheMenuKeysThrough)
{
    auto* text = new TEdit(form);
    text->SetBounds(10, 50, 100, 24);
    text->SetParent(form);
    text->SetText("abc");
    text->SetFocus();
    Type(text, {"+Alt", "-Alt"});
    Type(text, {"+F10", "-F10"});
    Type(text, {"+Alt", "+f", "-f", "-Alt"});
    EXPECT_EQ(menuKeys, (Keys{0, 0, 'f'}));
    EXPECT_EQ(text->Text(), "abc");

    int helpAsked = 0;
    Application->OnHelp = [&](uint16_t, intptr_t, bool& callHelp) {
        ++helpAsked;
        callHelp = false;
        return true;
    };
    text->SetHelpContext(3);
    Type(text, {"+F1", "-F1"});
    Application->OnHelp = nullptr;
    EXPECT_EQ(helpAsked, 1) << "F1 in an edit asks for the edit's help";
}

TEST_F(SystemKeys, AnAltReleasedAfterTheFormLostActivationOpensNothing)
{
    // As when Alt+Tab goes to another window and the release comes back.
    Type(edit, {"+Alt"});
    TForm* other = ShowTestForm();
    Type(edit, {"-Alt"});
    other->Free();
    EXPECT_TRUE(menuKeys.empty());
}

TEST_F(SystemKeys, TheApplicationsHooksTakeTheMenuKeyUnlessAWindowHoldsTheMouse)
{
    applicationTakes = true;
    Type(edit, {"+Alt", "+f", "-f", "-Alt"});
    EXPECT_EQ(offered, Keys{'f'});
    EXPECT_EQ(beeps.Count(), 0);
    EXPECT_EQ(SendMessage(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'), 1);

    offered.clear();
    SetCapture(edit->Handle());
    Type(edit, {"+Alt", "+f", "-f", "-Alt"});
    ReleaseCapture();
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(beeps.Count(), 1);
}

TEST_F(SystemKeys, AKeyTakenAsAShortcutOrByAControlNeverOpensTheMenu)
{
    auto* actions = new TActionList(form);
    int executed = 0;
    std::vector<TAction*> shortCuts;
    for (TShortCut shortCut : {ShortCut(VK_F10, {}), ShortCut('X', ssAlt)}) {
        auto* action = new TAction(form);
        action->SetActionList(actions);
        action->SetShortCut(shortCut);
        action->OnExecute = [&](TObject*) { ++executed; };
        shortCuts.push_back(action);
    }
    // An accelerator of another control on the form (CM_DIALOGCHAR).
    auto* label = new TSystemRecorder(form, nullptr, "label");
    label->SetParent(form);
    label->Answer = [](TMessage& message) {
        if (message.Msg != CM_DIALOGCHAR || message.WParam != 'g')
            return false;
        message.Result = 1;
        return true;
    };
    Type(edit, {"+F10", "-F10"});
    Type(edit, {"+Alt", "+x", "-x", "-Alt"});
    Type(edit, {"+Alt", "+g", "-g", "-Alt"});
    EXPECT_EQ(executed, 2);

    // Without the shortcut, F10 opens the menu only when the control lets its key-down through; so does Alt
    // tapped alone.
    shortCuts[0]->SetEnabled(false);
    edit->OnKeyDown = [](TObject*, uint16_t& key, TShiftState) { key = 0; };
    Type(edit, {"+F10", "-F10"});
    Type(edit, {"+Alt", "-Alt"});
    EXPECT_TRUE(menuKeys.empty());
    EXPECT_EQ(beeps.Count(), 0);
    edit->OnKeyDown = nullptr;
    Type(edit, {"+F10", "-F10"});
    Type(edit, {"+Alt", "-Alt"});
    EXPECT_EQ(menuKeys, (Keys{0, 0}));
}

TEST_F(SystemKeys, PressingAltShowsTheAccelerators)
{
    TKeyboardCuesOff cuesOff;
    SendMessage(form->Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL), 0);
    ASSERT_EQ(SendMessage(edit->Handle(), WM_QUERYUISTATE, 0, 0), UISF_HIDEACCEL);
    log.clear();
    Type(edit, {"+Alt"});
    const bool heard = std::find(log.begin(), log.end(), "edit:CM_DIALOGKEY") != log.end();
    const LRESULT state = SendMessage(edit->Handle(), WM_QUERYUISTATE, 0, 0);
    Type(edit, {"-Alt"});
    EXPECT_TRUE(heard);
    EXPECT_EQ(state, 0);
}

TEST_F(SystemKeys, F1AsksTheApplicationForTheHelpOfTheNearestControlWithATopic)
{
    auto* panel = new TSystemRecorder(form, &log, "panel");
    panel->SetBounds(10, 50, 200, 100);
    panel->SetParent(form);
    edit->SetParent(panel);
    std::vector<std::pair<uint16_t, intptr_t>> asked;
    Application->OnHelp = [&](uint16_t command, intptr_t data, bool& callHelp) {
        asked.emplace_back(command, data);
        callHelp = false;
        return true;
    };
    Type(edit, {"+F1", "-F1"});
    EXPECT_TRUE(asked.empty());
    panel->SetHelpContext(7);
    log.clear();
    Type(edit, {"+F1", "-F1"});
    EXPECT_EQ(log, (Log{"edit:HELP", "panel:HELP"}));
    EXPECT_TRUE(Application->HelpCommand(HELP_CONTEXTPOPUP, 9));
    Application->OnHelp = nullptr;
    EXPECT_EQ(asked, (std::vector<std::pair<uint16_t, intptr_t>>{{HELP_CONTEXT, 7}, {HELP_CONTEXTPOPUP, 9}}));
    EXPECT_FALSE(Application->HelpContext(7));
}

} // namespace
