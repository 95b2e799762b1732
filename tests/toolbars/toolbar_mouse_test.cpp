#include "controls/toolbars/item_metrics.h"
#include "menu_test_support.h"
#include "toolbar_host.h"

// Presses and releases on toolbar buttons, split buttons and menus.

namespace {

class ToolbarMouse : public MenuFixture
{
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        host = new TToolbarHost(form);
        host->SetParent(form);
        host->SetBounds(0, 40, 290, 24);
        convert = AddSubmenu(host->Items(), "Convert", true);
        AddCommand(convert, "All files");
        play = AddCommand(host->Items(), "Play");
        file = AddSubmenu(host->Items(), "File");
        AddCommand(file, "New");
        opener = AddCommand(file, "Open");
        off = AddCommand(host->Items(), "Off");
        off->SetEnabled(false);
        for (TBarCustomItem* item : {static_cast<TBarCustomItem*>(convert), play, opener})
            item->OnClick = [this, item](TObject*) { clicked.push_back(item); };
        Pump();
    }
    void TearDown() override
    {
        MouseUp(host, {1, 1}); // no button stays held for the next test
        MenuFixture::TearDown();
    }
    // A point on the button part (the left) or the arrow part (the right) of a split button.
    TPoint SplitPart(TBarCustomItem* item, bool arrow)
    {
        const TRect r = host->View()->Find(item)->BoundsRect();
        const int y = (r.Top + r.Bottom) / 2;
        return arrow ? TPoint{r.Right - ComboSplitWidth() / 2, y} : TPoint{r.Left + 4, y};
    }
    TToolbarHost* host = nullptr;
    TSubmenuItem* convert = nullptr;
    TBarCustomItem* play = nullptr;
    TSubmenuItem* file = nullptr;
    TBarCustomItem* opener = nullptr;
    TBarCustomItem* off = nullptr;
    std::vector<TBarCustomItem*> clicked;
};

TEST_F(ToolbarMouse, ASplitButtonOpensItsMenuFromTheArrowAndRunsFromTheButton)
{
    {
        TLoopScript script({{[&] {
                                EXPECT_EQ(OpenPopups().size(), 1u);
                                EXPECT_FALSE(host->View()->Capture()) << "the arrow part does not capture";
                                MouseUp(host, SplitPart(convert, true));
                            }},
                            {[&] { Key("Esc"); }},
                            {[&] { Key("Esc"); }}});
        MouseDown(host, SplitPart(convert, true));
    }
    EXPECT_TRUE(clicked.empty());
    {
        TLoopScript script({{[&] {
            EXPECT_TRUE(host->View()->Capture()) << "the button part captures";
            EXPECT_TRUE(OpenPopups().empty());
            MouseUp(host, SplitPart(convert, false));
        }}});
        MouseDown(host, SplitPart(convert, false));
    }
    Pump();
    EXPECT_EQ(clicked, (std::vector<TBarCustomItem*>{convert}));
}

TEST_F(ToolbarMouse, AButtonRunsOnlyWhenThePressWasOnIt)
{
    {
        TLoopScript script({{[&] { MouseUp(host, host->Centre(file)); }},
                            {[&] { MouseMove(host, host->Centre(play)); }},
                            {[&] { MouseUp(host, host->Centre(play)); }},
                            {[&] {
                                EXPECT_TRUE(host->View()->State().Contains(vsModal));
                                Key("Esc");
                            }}});
        MouseDown(host, host->Centre(file));
    }
    Pump();
    EXPECT_TRUE(clicked.empty());
    {
        TLoopScript script({{[&] { MouseUp(host, host->Centre(play)); }}});
        MouseDown(host, host->Centre(play));
    }
    Pump();
    EXPECT_EQ(clicked, (std::vector<TBarCustomItem*>{play}));
}

TEST_F(ToolbarMouse, ADisabledButtonEndsTheBarsLoopButAPressOnADisabledEntryDoesNothing)
{
    MouseDown(host, host->Centre(off));
    EXPECT_EQ(host->View()->DoneActionData().DoneAction, tbdaCancel);
    EXPECT_FALSE(host->View()->State().Contains(vsModal));

    opener->SetEnabled(false);
    TLoopScript script({{[&] { MouseUp(host, host->Centre(file)); }},
                        {[&] { ClickOn(0, opener); }},
                        {[&] {
                            EXPECT_EQ(OpenPopups().size(), 1u) << "the menu stays open";
                            Key("Esc");
                        }},
                        {[&] { Key("Esc"); }}});
    MouseDown(host, host->Centre(file));
    Pump();
    EXPECT_TRUE(clicked.empty());
}

TEST_F(ToolbarMouse, ADoubleClickOnAMenuRunsItsDefaultEntry)
{
    const TPoint p = host->Centre(file);
    {
        // No entry is the default: the second release closes the menu, as on a button whose menu is open.
        TLoopScript script(
            {{[&] { MouseUp(host, p); }}, {[&] { DoubleClickDown(host, p); }}, {[&] { MouseUp(host, p); }}});
        MouseDown(host, p);
    }
    Pump();
    EXPECT_TRUE(clicked.empty());
    EXPECT_EQ(host->View()->DoneActionData().DoneAction, tbdaCancel);
    opener->SetOptions(tboDefault);
    {
        TLoopScript script({{[&] { MouseUp(host, p); }}, {[&] { DoubleClickDown(host, p); }}});
        MouseDown(host, p);
    }
    Pump();
    EXPECT_EQ(clicked, (std::vector<TBarCustomItem*>{opener}));
}

} // namespace
