#include "platform/gui/windows/window_functions.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// A shown form with the windowed children "a" to "d" in that tab order, one of which a test frees.
class FreedChildWindow : public testing::Test
{
protected:
    void SetUp() override { Build(); }
    void TearDown() override { form->Free(); }

    // Shows a fresh form, freeing the one before.
    void Build()
    {
        if (form)
            form->Free();
        children.clear();
        form = ShowTestForm();
        for (const char letter : std::string("abcd")) {
            auto* child = new TRecorder(form, nullptr, std::string(1, letter));
            child->SetBounds(10, 10 + 40 * (letter - 'a'), 80, 30);
            child->SetParent(form);
            children.push_back(child);
        }
        Pump();
    }

    static char Letter(size_t index) { return static_cast<char>('a' + index); }

    void FreeChild(char letter)
    {
        auto it = children.begin() + (letter - 'a');
        (*it)->Free();
        *it = nullptr;
        Pump();
    }

    // The letter of the child a control is, "-" for none.
    char LetterOf(const TWinControl* control) const
    {
        auto it = std::find(children.begin(), children.end(), control);
        return control && it != children.end() ? Letter(static_cast<size_t>(it - children.begin())) : '-';
    }

    // The letters of the children the focus lands on as key is pressed times over, each time on the focused
    // window (on the form when none is).
    std::string Walk(const std::string& key, int times)
    {
        std::string landed;
        for (int i = 0; i < times; ++i) {
            TWinControl* focused = TWinControl::FromHandle(GetFocus());
            Press(focused ? focused : form, key);
            Pump();
            landed += LetterOf(TWinControl::FromHandle(GetFocus()));
        }
        return landed;
    }

    TForm* form = nullptr;
    std::vector<TRecorder*> children;
};

TEST_F(FreedChildWindow, LeavesNoTraceInTheTabOrderOrTheFocus)
{
    struct Case
    {
        char freed;
        char focused;
        char active; // the form's active control after the free
        const char* forward;
        const char* backward; // from where the forward walk ended
    };
    const Case cases[] = {
        {'b', 'b', '-', "acdacd", "cadcad"},
        {'b', 'a', 'a', "cdacda", "dcadca"},
        {'d', 'c', 'c', "abcabc", "bacbac"},
        {'a', 'a', '-', "bcdbcd", "cbdcbd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("freed ") + c.freed + ", focused " + c.focused);
        Build();
        children[static_cast<size_t>(c.focused - 'a')]->SetFocus();
        Pump();
        FreeChild(c.freed);

        int order = 0;
        for (TRecorder* child : children) {
            if (child) {
                EXPECT_EQ(child->TabOrder(), order++) << LetterOf(child);
            }
        }
        EXPECT_EQ(LetterOf(form->ActiveControl()), c.active);
        EXPECT_EQ(Walk("Tab", 6), c.forward);
        EXPECT_EQ(Walk("S-Tab", 6), c.backward);
    }
}

TEST_F(FreedChildWindow, HoldingTheMouseReleasesIt)
{
    children[1]->SetMouseCapture(true);
    ASSERT_EQ(GetCaptureControl(), children[1]);
    FreeChild('b');
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);

    bool pressed = false;
    children[2]->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { pressed = true; };
    Click(children[2], {5, 5});
    EXPECT_TRUE(pressed) << "the mouse reaches the other children again";
}

} // namespace
