#include "controls/toolbars/popup_animation.h"
#include "menu_test_support.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/windows/window_functions.h"

// Menus opening animated, on a clock the test moves.

namespace {

// A viewer whose first paint fails.
class TFailingViewer : public TBarItemViewer
{
public:
    using TBarItemViewer::TBarItemViewer;
    void Paint(TCanvas& canvas, const TRect& r, bool selected, bool pushed, bool shadow) override
    {
        if (!painted++)
            throw std::runtime_error("no picture");
        TBarItemViewer::Paint(canvas, r, selected, pushed, shadow);
    }
    static inline int painted = 0;
};

class TFailingItem : public TBarCustomItem
{
public:
    using TBarCustomItem::TBarCustomItem;
    TBarItemViewerClass GetItemViewerClass(TBarView*) override
    {
        return TBarItemViewerClass::Of<TFailingViewer>();
    }
};

class MenuAnimation : public MenuFixture
{
protected:
    void SetUp() override
    {
        MenuFixture::SetUp();
        SystemParametersInfo(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(1), 0);
        menu = new TBarPopupMenu(form);
        first = AddCommand(menu->Items(), "&First");
        AddCommand(menu->Items(), "&Second");
    }
    void TearDown() override
    {
        SystemParametersInfo(SPI_SETMENUANIMATION, 0, nullptr, 0);
        SystemParametersInfo(SPI_SETMENUFADE, 0, nullptr, 0);
        MenuFixture::TearDown();
    }
    // The popup's opacity, nullopt when it is not layered.
    std::optional<int> Alpha()
    {
        uint8_t alpha = 0;
        if (!GetLayeredWindowAttributes(Popup()->Handle(), nullptr, &alpha, nullptr))
            return std::nullopt;
        return alpha;
    }
    TRect Region()
    {
        TRegion region;
        if (GetWindowRgn(Popup()->Handle(), region) == RGN_ERROR)
            return {};
        return region.Box();
    }
    // A step that moves the clock, with a message that makes the loop turn (a turn steps the animation)
    // before the next step looks.
    TLoopStep Advance(int ms)
    {
        return {[this, ms] {
            clock->Advance(ms);
            PostMessage(nullptr, WM_NULL, 0, 0);
        }};
    }
    static TLoopStep Then(std::function<void()> check) { return {std::move(check)}; }
    void Run(std::vector<TLoopStep> steps)
    {
        TLoopScript script(std::move(steps));
        menu->Popup(MenuPoint.X, MenuPoint.Y);
    }

    TBarPopupMenu* menu = nullptr;
    TBarCustomItem* first = nullptr;
};

TEST_F(MenuAnimation, AFadeGoesFrom40To255In175MillisecondsAndEndsNotLayered)
{
    SystemParametersInfo(SPI_SETMENUFADE, 0, reinterpret_cast<void*>(1), 0);
    Run({{[&] {
             EXPECT_TRUE(IsAnimating());
             EXPECT_EQ(Alpha(), 40);
             EXPECT_TRUE(IsWindowVisible(Popup()->Handle()));
         }},
         Advance(100),
         Then([&] { EXPECT_EQ(Alpha(), 185) << "40 at the start and 145 more after 100 of the 175 ms"; }),
         Advance(75),
         Then([&] {
             EXPECT_FALSE(IsAnimating());
             EXPECT_EQ(Alpha(), std::nullopt);
         }),
         {[&] { Key("Esc"); }}});
}

TEST_F(MenuAnimation, ASlideComesDownAndRightFromTheTopLeftUntilThePointerMovesIntoTheMenu)
{
    int width = 0, height = 0;
    Run({{[&] {
             EXPECT_TRUE(IsAnimating());
             width = Popup()->Width();
             height = Popup()->Height();
             EXPECT_TRUE(Region().Right <= 0 && Region().Bottom <= 0) << "nothing shows yet";
         }},
         Advance(75),
         Then([&] {
             const int step = 75 * 255 / 150;
             const int x = MulDiv(width, step, 255) - width, y = MulDiv(height, step, 255) - height;
             EXPECT_EQ(Region(), (TRect{x, y, x + width, y + height}));
         }),
         {[&] { MouseMove(Popup(), EntryCentre(Popup(), first)); }},
         Advance(10),
         Then([&] {
             EXPECT_FALSE(IsAnimating());
             EXPECT_EQ(Region(), TRect{}) << "whole again";
         }),
         {[&] { Key("Esc"); }}});
}

TEST_F(MenuAnimation, AChangeOfTheMenuEndsTheSlide)
{
    Run({{[&] {
             EXPECT_TRUE(IsAnimating());
             Key("Down");
         }},
         {[&] {
             EXPECT_FALSE(IsAnimating()) << "the new selection shows at once";
             Key("Esc");
         }}});
}

TEST_F(MenuAnimation, ATickCountThatWrapsEndsTheAnimation)
{
    clock.reset();
    clock = std::make_unique<TManualClock>((int64_t{1} << 32) - 20);
    Run({{[&] { EXPECT_TRUE(IsAnimating()); }},
         Advance(30),
         Then([&] { EXPECT_FALSE(IsAnimating()); }),
         {[&] { Key("Esc"); }}});
}

TEST_F(MenuAnimation, AMenuThatCannotBeAnimatedOpensAllTheSame)
{
    auto* failing = new TFailingItem(form);
    failing->SetCaption("Fails once");
    menu->Items()->Add(failing);
    TFailingViewer::painted = 0;
    Run({{[&] {
             EXPECT_FALSE(IsAnimating());
             EXPECT_TRUE(IsWindowVisible(Popup()->Handle()));
             Render(Popup());
             EXPECT_GT(TFailingViewer::painted, 1) << "it paints once shown";
         }},
         {[&] { Key("Esc"); }}});
}

TEST_F(MenuAnimation, AMenuOpenedWithAnEntrySelectedShowsAtOnce)
{
    TSubmenuItem* more = AddSubmenu(menu->Items(), "&More");
    AddCommand(more, "&Inner");
    Run({Advance(200),
         Then([&] { Key("m"); }), // opens More with its first entry selected
         {[&] {
             ASSERT_EQ(OpenPopups().size(), 2u);
             EXPECT_FALSE(IsAnimating());
             Key("Esc");
         }},
         {[&] { Key("Esc"); }}});
}

} // namespace
