#include "platform/gui/actions.h"
#include "platform/gui/application.h"
#include "platform/gui/forms.h"
#include "platform/gui/timers.h"
#include "platform/gui/window_functions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

TForm* TrackedForm(Log& log)
{
    auto* form = new TForm(Application);
    form->OnCreate = [&log](TObject*) { log.push_back("create"); };
    form->OnShow = [&log](TObject*) { log.push_back("show"); };
    form->OnHide = [&log](TObject*) { log.push_back("hide"); };
    form->OnCloseQuery = [&log](TObject*, bool&) { log.push_back("closequery"); };
    form->OnClose = [&log](TObject*, TCloseAction&) { log.push_back("close"); };
    form->OnDestroy = [&log](TObject*) { log.push_back("destroy"); };
    return form;
}

TEST(Forms, ModalFormRunsUntilATimerSetsItsResult)
{
    Log log;
    TForm* form = TrackedForm(log);
    auto* button = new TRecorder(form, nullptr, "ok");
    button->SetParent(form);
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) {
        timer.SetEnabled(false);
        PostMessage(button->Handle(), WM_USER, 0, 0);
        form->SetModalResult(mrOk);
    };
    timer.UpdateTimer();
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(log, (Log{"create", "show", "closequery", "close", "hide"}));
    log.clear();
    form->Free();
    EXPECT_EQ(log, (Log{"destroy"}));
}

TEST(Forms, CloseQueryCanVetoAndOnCloseDecidesWhatHappens)
{
    Log log;
    TForm* form = TrackedForm(log);
    bool allow = false;
    TCloseAction decided = caHide;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form->OnClose = [&](TObject*, TCloseAction& action) { action = decided; };
    form->Show();
    Pump();
    form->Close();
    EXPECT_TRUE(form->Visible());
    allow = true;
    decided = caNone;
    form->Close();
    EXPECT_TRUE(form->Visible());
    decided = caHide;
    form->Close();
    EXPECT_FALSE(form->Visible());

    // caFree frees the form once its messages are handled.
    form->Show();
    decided = caFree;
    bool destroyed = false;
    form->OnDestroy = [&](TObject*) { destroyed = true; };
    form->Close();
    EXPECT_FALSE(destroyed);
    Pump();
    EXPECT_TRUE(destroyed);
}

TEST(Forms, ModalCloseIsVetoedUntilCloseQueryAgrees)
{
    TForm* form = new TForm(Application);
    int asked = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = [&](TObject*) {
        form->Close(); // a modal form's Close sets mrCancel
        if (asked > 1)
            timer.SetEnabled(false);
    };
    timer.UpdateTimer();
    EXPECT_EQ(form->ShowModal(), mrCancel);
    EXPECT_EQ(asked, 2);
    form->Free();
}

TEST(Forms, WindowTimersArriveAsMessages)
{
    TForm* form = ShowTestForm();
    Log log;
    auto* control = new TRecorder(form, &log, "t");
    control->SetParent(form);
    SetTimer(control->Handle(), 7, 1);
    int ticks = 0;
    control->WindowProc = [&, old = control->WindowProc](TMessage& m) {
        if (m.Msg == WM_TIMER && m.WParam == 7 && ++ticks == 2)
            KillTimer(control->Handle(), 7);
        old(m);
    };
    while (ticks < 2)
        Application->HandleMessage();
    Pump();
    EXPECT_EQ(ticks, 2);
    form->Free();
}

} // namespace
