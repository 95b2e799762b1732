#include "platform/gui/windows/style_manager.h"
#include "std_controls_test_support.h"
#include "test_style.h"

#include <gtest/gtest.h>

namespace {

// A control that paints itself blue.
class TBluePanel : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clBlue);
        Canvas()->FillRect(ClientRect());
    }
};

class TBluePanelDescendant : public TBluePanel
{
public:
    using TBluePanel::TBluePanel;
};

// Paints its control green, lime while the pointer is over it; counts the hooks alive.
class TGreenHook : public TStyleHook
{
public:
    explicit TGreenHook(TWinControl* control) : TStyleHook(control) { ++alive; }
    ~TGreenHook() override { --alive; }
    static inline int alive = 0;

protected:
    bool OverridePaint() const override { return true; }
    void Paint(TCanvas& canvas) override
    {
        canvas.Brush()->SetColor(MouseInControl() ? clLime : clGreen);
        canvas.FillRect(Control()->ClientRect());
    }
};

class StyleHooks : public testing::Test
{
protected:
    void SetUp() override
    {
        TStyleManager::RegisterStyleHook<TBluePanel, TGreenHook>();
        form = ShowTestForm(200, 100);
        panel = Place(new TBluePanel(form), 10);
        descendant = Place(new TBluePanelDescendant(form), 60);
    }
    void TearDown() override
    {
        TStyleManager::UnRegisterStyleHook<TBluePanel, TGreenHook>();
        form->Free();
        TStyleManager::SetStyle(nullptr);
    }
    template <typename T> T* Place(T* control, int left)
    {
        control->SetBounds(left, 10, 40, 30);
        control->SetParent(form);
        Pump();
        return control;
    }
    static TColor Shown(TWinControl* control) { return Render(control)->Canvas()->Pixels(20, 15); }

    TForm* form = nullptr;
    TBluePanel* panel = nullptr;
    TBluePanelDescendant* descendant = nullptr;
    TTestStyle style;
};

} // namespace

TEST_F(StyleHooks, ARegisteredClassPaintsThroughItsHookOnlyUnderACustomStyle)
{
    EXPECT_EQ(Shown(panel), clBlue) << "the system style leaves the control to itself";
    EXPECT_EQ(TGreenHook::alive, 0);

    TStyleManager::SetStyle(&style);
    EXPECT_EQ(Shown(panel), clGreen);
    EXPECT_EQ(Shown(descendant), clBlue) << "a descendant class registers a hook of its own";
    panel->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_EQ(Shown(panel), clLime) << "the hook follows the pointer";
    panel->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(descendant));
    EXPECT_EQ(Shown(panel), clLime) << "a child's leaving is not the control's";

    style.enabled = false;
    EXPECT_EQ(Shown(panel), clBlue) << "a disabled style paints nothing of its own";
    style.enabled = true;

    TStyleManager::SetStyle(nullptr);
    EXPECT_EQ(TGreenHook::alive, 0) << "the hooks go with their style";
    EXPECT_EQ(Shown(panel), clBlue);
}

TEST_F(StyleHooks, EveryControlHearsOfANewStyle)
{
    std::vector<std::string> log;
    class TStyleListener : public TCustomControl
    {
    public:
        TStyleListener(TComponent* owner, std::vector<std::string>& log) : TCustomControl(owner), log_(log) {}
        void Dispatch(TMessage& message) override
        {
            if (message.Msg == CM_STYLECHANGED)
                log_.push_back(Name());
            TCustomControl::Dispatch(message);
        }

    private:
        std::vector<std::string>& log_;
    };
    auto* listener = Place(new TStyleListener(form, log), 110);
    listener->SetName("listener");

    TStyleManager::SetStyle(&style);
    EXPECT_EQ(log, std::vector<std::string>{"listener"});
    TStyleManager::SetStyle(&style);
    EXPECT_EQ(log.size(), 1u) << "the same style again changes nothing";
    TStyleManager::SetStyle(nullptr);
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(StyleHooks, HooksGoWithTheirWindowOrTheirRegistration)
{
    TStyleManager::SetStyle(&style);
    auto* second = Place(new TBluePanel(form), 110);
    EXPECT_EQ(Shown(panel), clGreen);
    EXPECT_EQ(Shown(second), clGreen);
    EXPECT_EQ(TGreenHook::alive, 2);

    second->Free();
    EXPECT_EQ(TGreenHook::alive, 1) << "a window that goes takes its hook along";

    TStyleManager::UnRegisterStyleHook<TBluePanel, TStyleHook>();
    EXPECT_EQ(Shown(panel), clGreen) << "only the registered hook class unregisters";
    TStyleManager::UnRegisterStyleHook<TBluePanel, TGreenHook>();
    EXPECT_EQ(TGreenHook::alive, 0);
    EXPECT_EQ(Shown(panel), clBlue);
}
