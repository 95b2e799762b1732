#include "platform/gui/forms/hints.h"
#include "platform/gui/forms/menus.h"
#include "platform/gui/standard/combo_box.h"
#include "platform/gui/windows/window_enumeration.h"
#include "platform/gui/windows/window_functions.h"
#include "popup_test_support.h"
#include "system_message_recorder.h"
#include "window_test_support.h"

#include <QWindow>

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

// A popup window as menus and lists make them: never activated, above the others, owned by a form.
class TPopupRecorder : public TSystemRecorder
{
public:
    TPopupRecorder(TComponent* owner, std::vector<std::string>* log, TWinControl* form)
        : TSystemRecorder(owner, log, "popup"), form_(form)
    {}

protected:
    void CreateParams(TCreateParams& params) override
    {
        TSystemRecorder::CreateParams(params);
        params.Style = WS_POPUP | WS_BORDER;
        params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
        params.WndParent = form_->Handle();
    }

private:
    TWinControl* form_;
};

TRect WindowRect(HWND window)
{
    TRect rect;
    GetWindowRect(window, rect);
    return rect;
}

// The shown popup window that is not the form's: found among the top-level windows.
TWinControl* ShownPopup()
{
    HWND found = nullptr;
    EnumWindows(
        [&found](HWND window, LPARAM) {
            if (IsWindowVisible(window) && (GetWindowLong(window, GWL_EXSTYLE) & WS_EX_NOACTIVATE))
                found = window;
            return found == nullptr;
        },
        0);
    return TWinControl::FromHandle(found);
}

// An active form whose edit has the focus; every popup must leave both as they are.
class NonActivatingPopups : public FormWithFocusedRecorder
{
protected:
    void ExpectFormKeepsActivationAndFocus(HWND focus)
    {
        EXPECT_EQ(GetActiveWindow(), form->Handle());
        EXPECT_EQ(GetFocus(), focus);
        for (const std::string& entry : log)
            EXPECT_TRUE(entry != "edit:KILLFOCUS" && entry != "edit:SETFOCUS") << entry;
    }
    void Click(TWinControl* control, TPoint at)
    {
        SendMouse(control, QEvent::MouseButtonPress, at);
        SendMouse(control, QEvent::MouseButtonRelease, at);
        Pump();
    }
};

TEST_F(NonActivatingPopups, APopupWindowTakesClicksButNeitherActivationNorFocusAndKeepsItsPlace)
{
    auto* popup = new TPopupRecorder(form, &log, form);
    popup->SetBounds(200, 150, 80, 60);
    SetWindowPos(popup->Handle(), HWND_TOPMOST, 200, 150, 80, 60, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Pump();
    log.clear();
    ExpectFormKeepsActivationAndFocus(edit->Handle());
    EXPECT_EQ(WindowRect(popup->Handle()), Rect(200, 150, 280, 210));

    Click(popup, {10, 10});
    EXPECT_EQ(log, (Log{"popup:MOUSEACTIVATE", "popup:LBUTTONDOWN", "popup:LBUTTONUP"}));
    ExpectFormKeepsActivationAndFocus(edit->Handle());
    EXPECT_EQ(WindowRect(popup->Handle()), Rect(200, 150, 280, 210));
    popup->Free();
}

TEST_F(NonActivatingPopups, HintsAndDropDownListsLeaveTheFormAsItWas)
{
    THintWindow hint(nullptr);
    hint.ActivateHint(Rect(200, 150, 300, 170), "A hint");
    Pump();
    ExpectFormKeepsActivationAndFocus(edit->Handle());
    Click(&hint, {5, 5});
    ExpectFormKeepsActivationAndFocus(edit->Handle());
    EXPECT_EQ(WindowRect(hint.Handle()), Rect(200, 150, 300, 170));
    hint.ReleaseHandle();

    auto* combo = new TComboBox(form);
    combo->SetBounds(10, 50, 120, 24);
    combo->SetParent(form);
    for (const char* item : {"alpha", "beta", "gamma"})
        combo->Items()->Add(item);
    combo->SetFocus();
    Pump();
    log.clear();
    const HWND comboFocus = GetFocus();
    ASSERT_TRUE(combo->Focused());
    combo->SetDroppedDown(true);
    Pump();
    TWinControl* list = ShownPopup();
    ASSERT_NE(list, nullptr);
    const TRect comboRect = WindowRect(combo->Handle());
    EXPECT_EQ(WindowRect(list->Handle()).TopLeft(), (TPoint{comboRect.Left, comboRect.Bottom}));
    ExpectFormKeepsActivationAndFocus(comboFocus);
    Click(list, {5, list->ClientHeight() - 3});
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_FALSE(combo->DroppedDown());
    ExpectFormKeepsActivationAndFocus(comboFocus);
}

TEST_F(NonActivatingPopups, AMenuLeavesTheFocusedControlUntold)
{
    TPopupMenu menu(nullptr);
    auto* item = new TMenuItem(nullptr);
    item->SetCaption("&Open");
    menu.Items()->Add(item);
    // The menu stays open until the window system has shown it, as for a user.
    OnNextMenu([this](QMenu& shown) {
        while (!shown.windowHandle() || !shown.windowHandle()->isExposed())
            QApplication::processEvents();
        EXPECT_EQ(GetActiveWindow(), form->Handle());
    });
    menu.Popup(100, 100);
    Pump();
    ExpectFormKeepsActivationAndFocus(edit->Handle());
}

} // namespace
