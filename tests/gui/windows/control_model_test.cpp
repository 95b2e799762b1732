#include "platform/gui/forms/application.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/graphics/region.h"
#include "platform/gui/standard/panels.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

TEST(ControlModel, AlignWithMarginsAndPadding)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    const TRect client = form.ClientRect();
    auto* top = new TRecorder(&form, nullptr, "top");
    auto* fill = new TRecorder(&form, nullptr, "fill");
    for (TControl* c : {static_cast<TControl*>(top), static_cast<TControl*>(fill)})
        c->SetParent(&form);
    top->SetHeight(20);
    top->SetAlign(alTop);
    fill->SetAlign(alClient);
    form.Padding()->SetBounds(1, 2, 3, 4);
    EXPECT_EQ(top->BoundsRect(), Rect(1, 2, client.Right - 3, 22));
    EXPECT_EQ(fill->BoundsRect(), Rect(1, 22, client.Right - 3, client.Bottom - 4));

    // Margins count only with AlignWithMargins; the next control starts after the bottom margin.
    top->Margins()->SetBounds(5, 6, 7, 8);
    EXPECT_EQ(top->Top(), 2);
    top->SetAlignWithMargins(true);
    EXPECT_EQ(top->BoundsRect(), Rect(6, 8, client.Right - 10, 28));
    EXPECT_EQ(fill->Top(), 36);
    top->Margins()->SetTop(0);
    EXPECT_EQ(top->Top(), 2);
}

TEST(ControlModel, CanResizeMayRefuseOrChangeANewSize)
{
    // A bar that keeps its height, and a control whose handler rounds widths down to tens.
    struct TBar : TCustomControl
    {
        using TCustomControl::TCustomControl;
        bool CanResize(int& w, int& h) override { return h == 20 && TCustomControl::CanResize(w, h); }
    };
    TForm form(nullptr);
    auto* bar = new TBar(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 80, 20);
    bar->SetBounds(5, 6, 100, 50);
    EXPECT_EQ(bar->BoundsRect(), Rect(5, 6, 85, 26));
    int asked = 0;
    bar->OnCanResize = [&](TObject*, int& w, int&, bool&) {
        ++asked;
        w -= w % 10;
    };
    bar->SetWidth(47);
    EXPECT_EQ(bar->Width(), 40);
    bar->SetLeft(9);
    EXPECT_EQ(asked, 1);
}

TEST(ControlModel, AutoSizeAsksForTheSize)
{
    // A control that always wants 40 x 12, and a panel that fits its children.
    struct TFixed : TCustomControl
    {
        using TCustomControl::TCustomControl;
        bool CanAutoSize(int& w, int& h) override
        {
            w = 40;
            h = 12;
            return true;
        }
    };
    TForm form(nullptr);
    auto* fixed = new TFixed(&form);
    fixed->SetParent(&form);
    fixed->SetBounds(0, 0, 100, 100);
    fixed->SetAutoSize(true);
    EXPECT_EQ(fixed->BoundsRect(), Rect(0, 0, 40, 12));
    fixed->SetWidth(300);
    EXPECT_EQ(fixed->Width(), 40);
    fixed->SetAutoSize(false);
    fixed->SetWidth(300);
    EXPECT_EQ(fixed->Width(), 300);

    auto* panel = new TCustomControl(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 500, 500);
    auto* child = new TCustomControl(panel);
    child->SetParent(panel);
    child->SetBounds(10, 20, 30, 40);
    panel->Padding()->SetBounds(0, 0, 5, 6);
    panel->SetAutoSize(true);
    EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, 45, 66));
    child->SetWidth(50);
    EXPECT_EQ(panel->Width(), 65);
}

TEST(ControlModel, ReadingOrderFollowsTheParentAndMirrorsTextFlags)
{
    TForm form(nullptr);
    auto* child = new TCustomControl(&form);
    child->SetParent(&form);
    form.SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(child->BiDiMode(), bdRightToLeft);
    EXPECT_EQ(child->DrawTextBiDiModeFlags(DT_LEFT), DT_RIGHT | DT_RTLREADING);
    EXPECT_EQ(child->DrawTextBiDiModeFlags(DT_RIGHT), DT_LEFT | DT_RTLREADING);
    EXPECT_EQ(child->DrawTextBiDiModeFlags(DT_CENTER), DT_CENTER | DT_RTLREADING);
    child->SetBiDiMode(bdRightToLeftReadingOnly);
    EXPECT_FALSE(child->ParentBiDiMode());
    EXPECT_EQ(child->DrawTextBiDiModeFlags(DT_LEFT), DT_LEFT | DT_RTLREADING);
    form.SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(child->BiDiMode(), bdRightToLeftReadingOnly);
}

// A popup menu as the menu classes will give it.
struct TTestMenu : TComponent, IPopupMenu
{
    using TComponent::TComponent;
    TComponent* MenuComponent() override { return this; }
    bool AutoPopup() const override { return autoPopup; }
    void PopupFor(TComponent* component, int x, int y) override { opened.push_back({component, {x, y}}); }
    bool autoPopup = true;
    std::vector<std::pair<TComponent*, TPoint>> opened;
};

TEST(ControlModel, RightClickAndMenuKeyOpenTheContextMenu)
{
    TForm* form = ShowTestForm();
    auto* box = new TRecorder(form, nullptr, "box");
    box->SetParent(form);
    box->SetBounds(10, 10, 100, 60);
    auto* label = new TGraphicControl(form);
    label->SetParent(form);
    label->SetBounds(150, 10, 50, 20);
    TTestMenu menu(nullptr);
    box->SetPopupMenu(&menu);
    label->SetPopupMenu(&menu);

    SendMouse(box, QEvent::MouseButtonPress, {5, 6}, Qt::RightButton);
    SendMouse(box, QEvent::MouseButtonRelease, {5, 6}, Qt::RightButton);
    ASSERT_EQ(menu.opened.size(), 1u);
    EXPECT_EQ(menu.opened[0].first, box);
    EXPECT_EQ(menu.opened[0].second, box->ClientToScreen({5, 6}));

    // A windowless control gets the menu through its parent's window.
    SendMouse(form, QEvent::MouseButtonPress, {155, 15}, Qt::RightButton);
    SendMouse(form, QEvent::MouseButtonRelease, {155, 15}, Qt::RightButton);
    ASSERT_EQ(menu.opened.size(), 2u);
    EXPECT_EQ(menu.opened[1].first, label);

    // From the keyboard the menu opens at the control's top-left corner.
    box->SetFocus();
    SendKey(box, Qt::Key_Menu);
    ASSERT_EQ(menu.opened.size(), 3u);
    EXPECT_EQ(menu.opened[2].second, box->ClientToScreen({0, 0}));

    // OnContextPopup may take it; a menu that does not pop up by itself lets the parent have it.
    TPoint asked{};
    box->OnContextPopup = [&](TObject*, TPoint pos, bool& handled) {
        asked = pos;
        handled = true;
    };
    SendMouse(box, QEvent::MouseButtonRelease, {7, 8}, Qt::RightButton);
    EXPECT_EQ(asked, (TPoint{7, 8}));
    EXPECT_EQ(menu.opened.size(), 3u);
    box->OnContextPopup = nullptr;
    menu.autoPopup = false;
    TTestMenu formMenu(nullptr);
    form->SetPopupMenu(&formMenu);
    SendMouse(box, QEvent::MouseButtonRelease, {7, 8}, Qt::RightButton);
    EXPECT_EQ(menu.opened.size(), 3u);
    ASSERT_EQ(formMenu.opened.size(), 1u);
    EXPECT_EQ(formMenu.opened[0].first, form);
    form->Free();
}

TEST(ControlModel, AFreedPopupMenuIsForgotten)
{
    TForm form(nullptr);
    auto* menu = new TTestMenu(nullptr);
    form.SetPopupMenu(menu);
    menu->Free();
    EXPECT_EQ(form.PopupMenu(), nullptr);
}

// Showing changes come as CM_SHOWINGCHANGED, which a control may handle itself.
class TShowingWatcher : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    Log* log = nullptr;
    bool keepHidden = false;
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CM_SHOWINGCHANGED) {
            log->push_back(std::string(Name()) + (Showing() ? ":showing" : ":hidden"));
            if (keepHidden)
                return;
        }
        if (message.Msg == WM_ACTIVATEAPP)
            log->push_back(std::string(Name()) + (message.WParam ? ":app active" : ":app inactive"));
        TCustomControl::Dispatch(message);
    }
};

TShowingWatcher* Watcher(TWinControl* parent, const std::string& name, Log& log)
{
    auto* watcher = new TShowingWatcher(parent);
    watcher->SetName(name);
    watcher->log = &log;
    watcher->SetParent(parent);
    return watcher;
}

TEST(ControlModel, ShowingChangesPassThroughTheWindowProcedure)
{
    Log log;
    TForm* form = ShowTestForm();
    TShowingWatcher* panel = Watcher(form, "panel", log);
    EXPECT_EQ(log, (Log{"panel:showing"}));
    EXPECT_TRUE(IsWindowVisible(panel->Handle()));
    panel->Hide();
    EXPECT_FALSE(panel->Showing());
    EXPECT_FALSE(IsWindowVisible(panel->Handle()));
    panel->keepHidden = true;
    panel->Show();
    EXPECT_EQ(log, (Log{"panel:showing", "panel:hidden", "panel:showing"}));
    EXPECT_TRUE(panel->Showing());
    EXPECT_FALSE(IsWindowVisible(panel->Handle()));
    form->Free();
}

TEST(ControlModel, AHiddenChildStaysHiddenWhenItsWindowShows)
{
    // The child's window is made before its form first shows, as a form's controls are.
    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 200);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* button = new TButton(form);
    button->SetVisible(false);
    button->SetParent(panel);
    form->HandleNeeded();
    for (int show = 0; show < 2; ++show) {
        form->Show();
        EXPECT_TRUE(IsWindowVisible(panel->Handle()));
        EXPECT_FALSE(IsWindowVisible(button->Handle())) << "the window shows what the control hides";
        form->Hide();
    }
    form->Free();
}

TEST(ControlModel, TopLevelWindowsHearWhenTheProgramIsActivated)
{
    Log log;
    TForm* form = ShowTestForm();
    Watcher(form, "child", log);
    TShowingWatcher* popup = Watcher(nullptr, "popup", log);
    popup->HandleNeeded();
    log.clear();
    Log events;
    Application->OnDeactivate = [&](TObject*) { events.push_back("deactivate"); };
    Application->OnActivate = [&](TObject*) { events.push_back("activate"); };
    Application->ActivationChanged(false);
    Application->ActivationChanged(true);
    EXPECT_EQ(log, (Log{"popup:app inactive", "popup:app active"}));
    EXPECT_EQ(events, (Log{"deactivate", "activate"}));
    Application->OnDeactivate = nullptr;
    Application->OnActivate = nullptr;
    popup->Free();
    form->Free();
}

TEST(ControlModel, WindowRegionsShapeHitTestingAndPainting)
{
    struct TRed : TCustomControl
    {
        using TCustomControl::TCustomControl;
        void Paint() override
        {
            Canvas()->Brush()->SetColor(clRed);
            Canvas()->FillRect(ClientRect());
        }
    };
    TForm* form = ShowTestForm();
    form->SetColor(clWhite);
    auto* disc = new TRed(form);
    disc->SetParent(form);
    disc->SetBounds(20, 20, 100, 100);
    TRegion ellipse = CreateEllipticRgn(0, 0, 100, 100);
    SetWindowRgn(disc->Handle(), &ellipse, true);
    Pump();
    const TPoint corner = disc->ClientToScreen({3, 3});
    const TPoint centre = disc->ClientToScreen({50, 50});
    EXPECT_EQ(WindowFromPoint(centre), disc->Handle());
    EXPECT_EQ(WindowFromPoint(corner), form->Handle());
    TRegion back;
    EXPECT_EQ(GetWindowRgn(disc->Handle(), back), COMPLEXREGION);

    const QImage shot = form->Window().client->grab().toImage();
    EXPECT_EQ(shot.pixel(20 + 50, 20 + 50), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(20 + 3, 20 + 3), qRgb(255, 255, 255));

    SetWindowRgn(disc->Handle(), nullptr, true);
    EXPECT_EQ(WindowFromPoint(corner), disc->Handle());
    form->Free();
}

TEST(ControlModel, WholeWindowOpacity)
{
    TForm* form = ShowTestForm();
    EXPECT_TRUE(SetLayeredWindowAlpha(form->Handle(), 128));
    EXPECT_NEAR(form->Window().widget->windowOpacity(), 128 / 255.0, 0.01);
    SetLayeredWindowAlpha(form->Handle(), 255);
    EXPECT_DOUBLE_EQ(form->Window().widget->windowOpacity(), 1.0);

    // A layered window fades in with a constant alpha; it must be layered first, and stops being so.
    TBlendFunction blend;
    blend.SourceConstantAlpha = 40;
    const HWND window = form->Handle();
    EXPECT_FALSE(
        UpdateLayeredWindow(window, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));
    SetWindowLong(window, GWL_EXSTYLE, GetWindowLong(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    const TPoint position{30, 40};
    const TSize size{120, 90};
    ASSERT_TRUE(
        UpdateLayeredWindow(window, nullptr, &position, &size, nullptr, nullptr, 0, &blend, ULW_ALPHA));
    EXPECT_NEAR(form->Window().widget->windowOpacity(), 40 / 255.0, 0.01);
    uint8_t alpha = 0;
    unsigned flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 40);
    EXPECT_EQ(flags, LWA_ALPHA);
    EXPECT_EQ(form->BoundsRect(), Rect(30, 40, 150, 130));
    blend.AlphaFormat = AC_SRC_ALPHA;
    EXPECT_FALSE(
        UpdateLayeredWindow(window, nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend, ULW_ALPHA));
    SetWindowLong(window, GWL_EXSTYLE, GetWindowLong(window, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    EXPECT_DOUBLE_EQ(form->Window().widget->windowOpacity(), 1.0);
    EXPECT_FALSE(GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr));

    form->Free();
    EXPECT_FALSE(SetLayeredWindowAlpha(window, 10));
}

TEST(ControlModel, MainWindowHooksSeeKeysFirstAndMayTakeThem)
{
    TForm* form = ShowTestForm();
    Log log;
    auto* box = new TRecorder(form, &log, "box");
    box->SetParent(form);
    box->SetFocus();
    Log hooked;
    const int token = Application->HookMainWindow([&](TMessage& message) {
        if (message.Msg != CM_APPKEYDOWN)
            return false;
        hooked.push_back(std::to_string(message.WParam));
        return message.WParam == VK_F5;
    });
    SendKey(box, Qt::Key_F5);
    SendKey(box, Qt::Key_F6);
    EXPECT_EQ(hooked, (Log{std::to_string(VK_F5), std::to_string(VK_F6)}));
    const auto keyDowns = std::count(log.begin(), log.end(), "box:KEYDOWN");
    EXPECT_EQ(keyDowns, 1);

    Application->UnhookMainWindow(token);
    SendKey(box, Qt::Key_F5);
    EXPECT_EQ(hooked.size(), 2u);
    EXPECT_EQ(std::count(log.begin(), log.end(), "box:KEYDOWN"), 2);
    form->Free();
}

TEST(ControlModel, ActionLinksDriveTheControl)
{
    TForm* form = ShowTestForm();
    auto* button = new TRecorder(form, nullptr, "button");
    button->SetParent(form);
    button->SetBounds(10, 10, 80, 24);
    TAction& action = *new TAction(form);
    int executed = 0;
    action.OnExecute = [&](TObject*) { ++executed; };
    action.SetCaption("Run");
    action.SetHint("Run it|Runs the conversion");
    button->SetAction(&action);
    EXPECT_EQ(button->Caption(), "Run");
    EXPECT_EQ(button->Hint(), "Run it|Runs the conversion");

    action.SetEnabled(false);
    EXPECT_FALSE(button->Enabled());
    action.SetEnabled(true);
    action.SetVisible(false);
    EXPECT_FALSE(button->Visible());
    action.SetVisible(true);
    action.SetCaption("Stop");
    EXPECT_EQ(button->Caption(), "Stop");

    SendMouse(button, QEvent::MouseButtonPress, {5, 5});
    SendMouse(button, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(executed, 1);
    // An OnClick of the control's own replaces the action.
    int clicked = 0;
    button->OnClick = [&](TObject*) { ++clicked; };
    button->Click();
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(clicked, 1);
    button->SetAction(nullptr);
    action.SetCaption("Later");
    EXPECT_EQ(button->Caption(), "Stop");
    form->Free();
}

TEST(ControlModel, Ctl3DFollowsTheParentUntilSetOnItsOwn)
{
    TForm* form = ShowTestForm();
    auto* panel = new TRecorder(form, nullptr, "panel");
    panel->SetParent(form);
    auto* inner = new TRecorder(form, nullptr, "inner");
    inner->SetParent(panel);
    EXPECT_TRUE(inner->Ctl3D());

    form->SetCtl3D(false);
    EXPECT_FALSE(panel->Ctl3D());
    EXPECT_FALSE(inner->Ctl3D());
    EXPECT_TRUE(inner->ParentCtl3D());

    inner->SetCtl3D(true);
    EXPECT_FALSE(inner->ParentCtl3D());
    form->SetCtl3D(true);
    panel->SetCtl3D(false);
    EXPECT_TRUE(inner->Ctl3D()); // no longer follows

    inner->SetParentCtl3D(true);
    EXPECT_FALSE(inner->Ctl3D());
    // A control placed on a parent takes its look.
    auto* later = new TRecorder(form, nullptr, "later");
    later->SetParent(panel);
    EXPECT_FALSE(later->Ctl3D());
    form->Free();
}

TEST(ControlModel, DestroyingTheWindowGoesThroughDestroyWindowHandle)
{
    struct TWatched : TRecorder
    {
        using TRecorder::TRecorder;
        int destroyed = 0;
        void DestroyWindowHandle() override
        {
            ++destroyed;
            TRecorder::DestroyWindowHandle();
        }
    };
    TForm* form = ShowTestForm();
    auto* control = new TWatched(form, nullptr, "watched");
    control->SetParent(form);
    const HWND first = control->Handle();
    control->RecreateWnd();
    EXPECT_EQ(control->destroyed, 1);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(control->Handle()));
    form->Free();
}

} // namespace
