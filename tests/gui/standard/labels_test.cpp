#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/stdctrls_labels.h"
#include "std_controls_test_support.h"

#include <gtest/gtest.h>

namespace {

class Labels : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm();
        label = new TLabel(form);
        label->SetParent(form);
        label->SetBounds(100, 10, 60, 17);
    }
    void TearDown() override { form->Free(); }
    TForm* form = nullptr;
    TLabel* label = nullptr;
};

TEST_F(Labels, AutoSizeFollowsTheTextAndKeepsTheAlignedEdge)
{
    label->SetCaption("A somewhat longer caption");
    const int longWidth = label->Width();
    EXPECT_GT(longWidth, 100);
    EXPECT_EQ(label->Left(), 100);
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption("Short");
    EXPECT_LT(label->Width(), longWidth);
    EXPECT_EQ(label->Left() + label->Width(), right);
    // "&&" shows one ampersand, "&x" none: the accelerator mark takes no room.
    label->SetCaption("&Ab");
    const int marked = label->Width();
    label->SetShowAccelChar(false);
    EXPECT_GT(label->Width(), marked);
    // A word-wrapped label keeps its width and grows in height.
    label->SetShowAccelChar(true);
    label->SetWordWrap(true);
    label->SetWidth(40);
    label->SetCaption("one two three four five six");
    EXPECT_EQ(label->Width(), 40);
    EXPECT_GT(label->Height(), 40);
}

TEST_F(Labels, AcceleratorMovesTheFocusToTheFocusControl)
{
    auto* first = new TRecorder(form, nullptr, "first");
    first->SetParent(form);
    auto* target = new TRecorder(form, nullptr, "target");
    target->SetParent(form);
    label->SetCaption("&Name:");
    label->SetFocusControl(target);
    struct Case
    {
        bool enabled;
        bool showAccel;
        int key;
        bool moves;
    };
    const Case cases[] = {{true, true, Qt::Key_N, true},
                          {true, true, Qt::Key_M, false},
                          {false, true, Qt::Key_N, false},
                          {true, false, Qt::Key_N, false}};
    for (const Case& c : cases) {
        label->SetEnabled(c.enabled);
        label->SetShowAccelChar(c.showAccel);
        first->SetFocus();
        SendKey(first, c.key, Qt::AltModifier, QString(QChar(c.key).toLower()));
        EXPECT_EQ(target->Focused(), c.moves) << "enabled " << c.enabled << " accel " << c.showAccel;
    }
    // A freed focus control is forgotten.
    target->Free();
    EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(Labels, OpaqueLabelFillsItsColourAndTransparentOneLeavesTheParent)
{
    auto* container = new TCustomControl(form);
    container->SetBounds(0, 50, 100, 40);
    container->SetColor(clLime);
    container->SetParent(form);
    label->SetParent(container);
    label->SetAutoSize(false);
    label->SetBounds(5, 5, 50, 20);
    label->SetCaption("");
    label->SetColor(clRed);
    EXPECT_EQ(Render(container)->Canvas()->Pixels(10, 10), clRed);
    label->SetTransparent(true);
    EXPECT_EQ(Render(container)->Canvas()->Pixels(10, 10), clLime);
}

} // namespace
