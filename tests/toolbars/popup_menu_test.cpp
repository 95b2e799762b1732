#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/item_metrics.h"
#include "controls/toolbars/posted_clicks.h"
#include "controls/toolbars/system_queries.h"
#include "menu_test_support.h"
#include "platform/gui/forms/screen.h"

namespace {

class PopupMenus : public MenuFixture
{
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        menu = new TBarPopupMenu(form);
        first = AddCommand(menu->Items(), "&First");
        second = AddCommand(menu->Items(), "&Second");
        for (TBarCustomItem* item : {first, second})
            item->OnClick = [this, item](TObject*) { clicked.push_back(item); };
    }
    TBarPopupMenu* menu = nullptr;
    TBarCustomItem* first = nullptr;
    TBarCustomItem* second = nullptr;
    std::vector<TBarCustomItem*> clicked;
};

TEST_F(PopupMenus, PopupExAnswersTheChoiceAndClicksItOnlyWhenAsked)
{
    int opened = 0;
    menu->OnPopup = [&](TObject* sender) {
        EXPECT_EQ(sender, menu);
        ++opened;
    };
    {
        TLoopScript script({{[&] { ClickOn(0, second); }}});
        EXPECT_EQ(menu->PopupEx(MenuPoint.X, MenuPoint.Y, true), second);
    }
    Pump();
    EXPECT_TRUE(clicked.empty());
    {
        TLoopScript script({{[&] { ClickOn(0, second); }}});
        EXPECT_EQ(menu->PopupEx(MenuPoint.X, MenuPoint.Y, false), second);
        EXPECT_TRUE(clicked.empty()) << "the click waits for the message loop";
    }
    Pump();
    EXPECT_EQ(clicked, (std::vector<TBarCustomItem*>{second}));
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(menu->PopupPoint(), MenuPoint);
}

TEST_F(PopupMenus, AMenuTooLongForTheScreenScrolls)
{
    for (int i = 0; i < 60; ++i)
        AddCommand(menu->Items(), "Entry " + std::to_string(i));
    TLoopScript script({{[&] {
                            TBarView* view = Popup()->View();
                            const TRect monitor = Screen->MonitorFromPoint(MenuPoint)->BoundsRect();
                            EXPECT_EQ(view->MaxHeight(), monitor.Height() - 6);
                            EXPECT_TRUE(view->ShowDownArrow());
                            EXPECT_LE(Popup()->BoundsRect().Bottom, monitor.Bottom);
                            Key("End");
                        }},
                        {[&] {
                            TBarView* view = Popup()->View();
                            EXPECT_TRUE(view->Selected()->Show()) << "scrolled into view";
                            EXPECT_FALSE(view->ShowDownArrow());
                            std::unique_ptr<TBitmap> shown = RenderPopups();
                            SaveScreenshot(*shown, "long_menu_scrolled");
                            // The up arrow above the entries, and the last entry selected at the bottom.
                            const TPoint top = PointInPicture(Popup(), {0, 0});
                            const TRect upBand{top.X, top.Y, top.X + Popup()->ClientWidth(),
                                               top.Y + PopupScrollArrowHeight()};
                            EXPECT_EQ(PixelCount(*shown, upBand, clMenuText), 16)
                                << "a triangle 7 wide and 4 high";
                            const TRect last = EntryInPicture(Popup(), view->Selected()->Item());
                            ExpectMostly(*shown, last, clHighlight, "the last entry, selected");
                            EXPECT_EQ(last.Bottom, top.Y + Popup()->ClientHeight());
                            Key("Esc");
                        }}});
    menu->Popup(MenuPoint.X, MenuPoint.Y);
}

TEST_F(PopupMenus, ThePointerRestingOnTheDownArrowScrollsAnEntryEvery100Milliseconds)
{
    for (int i = 0; i < 60; ++i)
        AddCommand(menu->Items(), "Entry " + std::to_string(i));
    TBarCustomItem* last = menu->Items()->Items(menu->Items()->Count() - 1);
    int offset = 0;
    TLoopScript script({{[&] {
                            TBarPopupWindow* popup = Popup();
                            offset = popup->View()->ScrollOffset();
                            MouseMove(popup, {20, popup->ClientHeight() - 2});
                        }},
                        {[&] { clock->Advance(99); }},
                        {[&] {
                            EXPECT_EQ(Popup()->View()->ScrollOffset(), offset) << "not before 100 ms";
                            clock->Advance(1);
                        }},
                        {[&] {
                            // The first step brings the entry cut by the arrow band wholly into view.
                            TBarView* view = Popup()->View();
                            EXPECT_GT(view->ScrollOffset(), offset);
                            offset = view->ScrollOffset();
                            clock->Advance(100);
                        }},
                        {[&] {
                            TBarView* view = Popup()->View();
                            EXPECT_EQ(view->ScrollOffset() - offset, view->Find(first)->BoundsRect().Height())
                                << "one entry";
                            clock->Advance(100 * 60);
                        }},
                        {[&] {
                            TBarView* view = Popup()->View();
                            EXPECT_FALSE(view->ShowDownArrow());
                            EXPECT_TRUE(view->Find(last)->Show()) << "down to the last entry";
                            Key("Esc");
                        }}});
    menu->Popup(MenuPoint.X, MenuPoint.Y);
}

TEST_F(PopupMenus, ASubmenuOpensAndClosesAfterTheMenuDelayUnlessThePointerComesBack)
{
    TSubmenuItem* more = AddSubmenu(menu->Items(), "&More");
    TBarCustomItem* inner = AddCommand(more, "&Inner");
    const int delay = QueryMenuShowDelay();
    int opened = 0;
    more->OnPopup = [&](TBarCustomItem*, bool) { ++opened; };
    // Open, and never closed and opened again on the way.
    auto open = [&] { return OpenPopups().size() == 2 && opened == 1; };
    TLoopScript script({{[&] { MoveTo(0, more); }},
                        {[&] {
                            EXPECT_FALSE(open()) << "not before the delay";
                            clock->Advance(delay);
                        }},
                        {[&] {
                            ASSERT_TRUE(open());
                            MoveTo(0, second);
                        }},
                        {[&] { MoveTo(0, more); }}, // back to the owner
                        {[&] { clock->Advance(delay); }},
                        {[&] {
                            EXPECT_TRUE(open()) << "back on its owner, the submenu stays";
                            MoveTo(0, second);
                        }},
                        {[&] { MoveTo(1, inner); }}, // on into the submenu
                        {[&] { clock->Advance(delay); }},
                        {[&] {
                            EXPECT_TRUE(open()) << "in the submenu, it stays";
                            const TBarItemViewer* lit = Popup(0)->View()->Selected();
                            EXPECT_TRUE(lit && lit->Item() == more) << "its owner stays lit";
                            MoveTo(0, second);
                        }},
                        {[&] { clock->Advance(delay); }},
                        {[&] {
                            EXPECT_EQ(OpenPopups().size(), 1u) << "left for another entry, it closes";
                            Key("Esc");
                        }}});
    menu->Popup(MenuPoint.X, MenuPoint.Y);
}

TEST_F(PopupMenus, ShortcutsRunWhileTheMenuIsClosed)
{
    second->SetShortCut(ShortCut(VK_F8, {}));
    EXPECT_TRUE(menu->IsShortCut(TMessage{WM_KEYDOWN, VK_F8, 0, 0}));
    EXPECT_FALSE(menu->IsShortCut(TMessage{WM_KEYDOWN, VK_F7, 0, 0}));
    EXPECT_EQ(clicked, (std::vector<TBarCustomItem*>{second}));
}

TEST_F(PopupMenus, PostedClicksRunInOrderAndTheirWindowComesAndGoesWithTheItems)
{
    first->PostClick();
    second->PostClick();
    first->PostClick();
    Pump();
    EXPECT_EQ(clicked, (std::vector<TBarCustomItem*>{first, second, first}));
    EXPECT_NE(PostedClickWindow(), nullptr);
    menu->Free();
    EXPECT_EQ(PostedClickWindow(), nullptr) << "the last item and viewer of the thread are gone";
    TBarCustomItem item(nullptr);
    bool ran = false;
    item.OnClick = [&](TObject*) { ran = true; };
    item.PostClick();
    EXPECT_NE(PostedClickWindow(), nullptr);
    Pump();
    EXPECT_TRUE(ran);
}

// An image list whose every image is one colour.
TBarCustomImageList* SolidImages(TComponent* owner, TColor color)
{
    auto* list = new TBarCustomImageList(owner);
    TBitmap strip(32, 16);
    strip.Canvas()->Brush()->SetColor(color);
    strip.Canvas()->FillRect({0, 0, 32, 16});
    list->SetImagesBitmap(&strip);
    return list;
}

TEST(BarImageLists, DrawStateTakesTheCompanionOfTheState)
{
    TComponent owner(nullptr);
    TBarCustomImageList* list = SolidImages(&owner, clBlue);
    TBarCustomImageList* disabled = SolidImages(&owner, clGray);
    TBarCustomImageList* checked = SolidImages(&owner, clGreen);
    TBarCustomImageList* hot = SolidImages(&owner, clRed);
    list->SetDisabledImages(disabled);
    list->SetCheckedImages(checked);
    list->SetHotImages(hot);
    struct Case
    {
        bool enabled, selected, isChecked;
        TColor expected;
    };
    const Case cases[] = {
        {false, true, true, clGray}, // disabled, drawn as it stands
        {true, true, true, clGreen},
        {true, true, false, clRed},
        {true, false, false, clBlue},
    };
    for (const Case& c : cases) {
        TBitmap target(16, 16);
        list->DrawState(*target.Canvas(), 0, 0, 1, c.enabled, c.selected, c.isChecked);
        EXPECT_EQ(target.Canvas()->Pixels(8, 8), c.expected) << &c - cases;
    }
    list->SetCheckedImages(list);
    EXPECT_EQ(list->CheckedImages(), nullptr) << "a list is no companion of itself";
    hot->Free();
    EXPECT_EQ(list->HotImages(), nullptr);
    list->SetDisabledImages(nullptr);
    TBitmap greyed(16, 16);
    greyed.Canvas()->Brush()->SetColor(clWhite);
    greyed.Canvas()->FillRect({0, 0, 16, 16});
    list->DrawState(*greyed.Canvas(), 0, 0, 0, false, false, false);
    EXPECT_NE(greyed.Canvas()->Pixels(8, 8), clBlue) << "without disabled images the list greys its own";
}

TEST(BarImageLists, ABitmapIsCutIntoImagesWithItsMaskColourTransparent)
{
    TBarCustomImageList list(nullptr);
    TBitmap strip(64, 16);
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect({0, 0, 64, 16});
    strip.Canvas()->Brush()->SetColor(clNavy);
    strip.Canvas()->FillRect({20, 4, 28, 12}); // in the second image
    list.SetImagesBitmap(&strip);
    EXPECT_EQ(list.Count(), 4);
    TBitmap target(16, 16);
    target.Canvas()->Brush()->SetColor(clYellow);
    target.Canvas()->FillRect({0, 0, 16, 16});
    list.Draw(*target.Canvas(), 0, 0, 1);
    EXPECT_EQ(target.Canvas()->Pixels(1, 1), clYellow);
    EXPECT_EQ(target.Canvas()->Pixels(6, 8), clNavy);
}

} // namespace
