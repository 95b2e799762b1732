#include "modal_test_support.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/stdctrls_buttons.h"
#include "std_controls_test_support.h"

#include <gtest/gtest.h>

namespace {

class Buttons : public testing::Test
{
protected:
    void SetUp() override { form = ShowTestForm(); }
    void TearDown() override
    {
        form->Free();
        SetThemesEnabled(true);
    }
    template <typename T> T* Make(TWinControl* parent, int left, int top)
    {
        auto* control = new T(form);
        control->SetParent(parent);
        control->SetBounds(left, top, 120, 20);
        return control;
    }
    TForm* form = nullptr;
};

TEST_F(Buttons, CheckBoxCyclesThroughItsStatesAndClicksOnEveryChange)
{
    struct Case
    {
        bool allowGrayed;
        std::vector<TCheckBoxState> states; // after each click
    };
    const Case cases[] = {{false, {cbChecked, cbUnchecked, cbChecked}},
                          {true, {cbGrayed, cbChecked, cbUnchecked, cbGrayed}}};
    for (const Case& c : cases) {
        auto* box = Make<TCheckBox>(form, 10, 10);
        box->SetAllowGrayed(c.allowGrayed);
        int clicks = 0;
        box->OnClick = [&](TObject*) { ++clicks; };
        for (size_t i = 0; i < c.states.size(); ++i) {
            ClickAt(box, {5, 5});
            EXPECT_EQ(box->State(), c.states[i]) << "grayed allowed " << c.allowGrayed << ", click " << i;
        }
        EXPECT_EQ(clicks, static_cast<int>(c.states.size()));
        EXPECT_TRUE(box->Focused());
        box->Free();
    }
}

TEST_F(Buttons, CheckBoxSpaceTogglesOnReleaseAndCodeChangesClickOnlyWhenTheStateChanges)
{
    auto* box = Make<TCheckBox>(form, 10, 10);
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetFocus();
    SendKey(box, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_TRUE(box->Checked());
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box->SetChecked(false);
    EXPECT_EQ(clicks, 2);
    // A press that leaves the box before the release does not toggle.
    SendMouse(box, QEvent::MouseButtonPress, {5, 5});
    SendMouse(box, QEvent::MouseMove, {300, 5});
    SendMouse(box, QEvent::MouseButtonRelease, {300, 5});
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(Buttons, RadioButtonsOfOneParentExcludeEachOtherAndArrowKeysCheckTheNextOne)
{
    auto* a = Make<TRadioButton>(form, 10, 10);
    auto* b = Make<TRadioButton>(form, 10, 40);
    auto* c = Make<TRadioButton>(form, 10, 70);
    auto* panel = Make<TCheckBox>(form, 150, 10); // not a radio button: left alone
    auto* other = new TRadioButton(form);         // another group
    auto* group = new TCustomControl(form);
    group->SetBounds(150, 50, 120, 60);
    group->SetParent(form);
    other->SetParent(group);
    other->SetChecked(true);
    std::vector<std::string> clicks;
    for (auto [button, name] : {std::pair{a, "a"}, {b, "b"}, {c, "c"}})
        button->OnClick = [&clicks, name = std::string(name)](TObject*) { clicks.push_back(name); };

    ClickAt(b, {5, 5});
    EXPECT_TRUE(b->Checked());
    ClickAt(b, {5, 5}); // already checked: no second click
    a->SetChecked(true);
    EXPECT_FALSE(b->Checked());
    EXPECT_TRUE(other->Checked());
    EXPECT_FALSE(panel->Checked());
    EXPECT_EQ(clicks, (std::vector<std::string>{"b", "a"}));
    // Only the checked button of the group is a tab stop.
    EXPECT_TRUE(a->TabStop());
    EXPECT_FALSE(b->TabStop());
    EXPECT_FALSE(c->TabStop());

    a->SetFocus();
    SendKey(a, Qt::Key_Down);
    EXPECT_TRUE(b->Focused());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    // Focus given by the program does not check.
    c->SetFocus();
    EXPECT_FALSE(c->Checked());
}

TEST_F(Buttons, DefaultAndCancelButtonsCloseAModalForm)
{
    struct Case
    {
        int key;
        bool focusOther; // the focus is on a third button
        TModalResult expected;
    };
    const Case cases[] = {
        {Qt::Key_Return, false, mrOk}, {Qt::Key_Escape, false, mrCancel}, {Qt::Key_Return, true, mrRetry}};
    for (const Case& c : cases) {
        auto* dialog = new TForm(Application);
        auto* edit = new TRecorder(dialog, nullptr, "edit");
        edit->SetParent(dialog);
        auto* ok = new TButton(dialog);
        ok->SetParent(dialog);
        ok->SetDefault(true);
        ok->SetModalResult(mrOk);
        auto* cancel = new TButton(dialog);
        cancel->SetParent(dialog);
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        auto* retry = new TButton(dialog);
        retry->SetParent(dialog);
        retry->SetModalResult(mrRetry);
        TWinControl* focused = c.focusOther ? static_cast<TWinControl*>(retry) : edit;
        dialog->SetActiveControl(focused);
        const TModalResult result = RunModal([&] { return dialog->ShowModal(); },
                                             [&](QWidget&) {
                                                 EXPECT_EQ(ok->Active(), !c.focusOther);
                                                 SendKey(focused, c.key);
                                             },
                                             [&] { return dialog->Active() && focused->Focused(); });
        EXPECT_EQ(result, c.expected) << "key " << c.key;
        dialog->Free();
    }
}

TEST_F(Buttons, ButtonAcceleratorClicksAndSpaceClicksTheFocusedButton)
{
    auto* button = Make<TButton>(form, 10, 10);
    button->SetCaption("&Go");
    auto* edit = new TRecorder(form, nullptr, "edit");
    edit->SetParent(form);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    edit->SetFocus();
    SendKey(edit, Qt::Key_G, Qt::AltModifier, "g");
    EXPECT_EQ(clicks, 1);
    button->SetFocus();
    SendKey(button, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(clicks, 2);
}

TEST_F(Buttons, CheckMarkIsPaintedWithThemesOnAndOff)
{
    for (bool themed : {true, false}) {
        SetThemesEnabled(themed);
        auto* box = Make<TCheckBox>(form, 10, 10);
        // Inside the box's 1-pixel border, which a focused box may draw in the accent colour.
        const TRect markBox = Rect(1, 4, 12, 15);
        auto unchecked = Render(box);
        box->SetChecked(true);
        auto checked = Render(box);
        SaveScreenshot(*checked, std::string("check_box_checked_") + (themed ? "themed" : "classic"));
        const TColor mark = themed ? TColor(0xD77800) : ColorToRGB(clWindowText);
        EXPECT_EQ(CountPixels(*unchecked, markBox, mark), 0) << "themed " << themed;
        EXPECT_GT(CountPixels(*checked, markBox, mark), 5) << "themed " << themed;
        box->Free();
    }
}

} // namespace
