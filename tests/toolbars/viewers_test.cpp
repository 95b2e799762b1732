#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/dpi_scaling.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/menu_font.h"
#include "menu_test_support.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/system_parameters.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/gdi.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/message_views.h"
#include "platform/gui/windows/system_metrics.h"
#include "toolbar_host.h"

namespace {

// Items shown by a view without a window of its own: a menu, or a toolbar.
class Viewers : public testing::Test
{
protected:
    void SetUp() override { images = MakeTestImages(&owner); }
    TBarView& MenuView()
    {
        view = std::make_unique<TBarView>(nullptr, nullptr, &root, nullptr, false, false, false);
        return *view;
    }
    TSize SizeOf(TBarCustomItem* item)
    {
        TBitmap measuring(1, 1);
        measuring.Canvas()->SetFont(FrameworkMenuFont());
        TSize size;
        view->Find(item)->CalcSize(*measuring.Canvas(), size.cx, size.cy);
        return size;
    }
    // The view's entries painted on a menu-coloured bitmap.
    std::unique_ptr<TBitmap> Painted(TBarView& v, int width = 220)
    {
        v.ValidatePositions();
        int height = 0;
        for (int i = 0; i < v.ViewerCount(); ++i)
            height = std::max(height, v.Viewers(i)->BoundsRect().Bottom);
        auto picture = std::make_unique<TBitmap>(width, height);
        picture->Canvas()->Brush()->SetColor(clMenu);
        picture->Canvas()->FillRect({0, 0, width, height});
        v.DrawSubitems(*picture->Canvas());
        return picture;
    }

    TComponent owner{nullptr};
    TBarRootItem root{&owner};
    TBarCustomImageList* images = nullptr;
    std::unique_ptr<TBarView> view;
};

TEST_F(Viewers, SizesOfMenuEntriesAndToolbarButtons)
{
    // DejaVu Sans at 9 points: text 14 pixels high; "Save As..." 59 and "Ctrl+S" 39 pixels wide.
    TBarCustomItem* save = AddCommand(&root, "Save &As...\tCtrl+S");
    MenuView();
    // The arrow and image columns are as wide as the entry is high: 18 (text and padding).
    EXPECT_EQ(SizeOf(save), (TSize{59 + 18 + 1 + 2 + 3 + (18 - 6 + 39) + 18, 18}));
    root.SetSubMenuImages(images);
    // With 16-pixel images every entry is 19 high (image and 3).
    EXPECT_EQ(SizeOf(save), (TSize{59 + 19 + 6 + (19 - 6 + 39) + 19, 19}));
    SetScalingPixelsPerInch(120);
    EXPECT_EQ(SizeOf(save), (TSize{59 + 20 + 1 + 3 + 4 + (20 - 8 + 39) + 20, 20}));
    SetScalingPixelsPerInch(144);
    EXPECT_EQ(SizeOf(save), (TSize{59 + 21 + 2 + 3 + 5 + (21 - 9 + 39) + 21, 21}));
    SetScalingPixelsPerInch(std::nullopt);

    // As a toolbar button: the caption with 6 around it, the image beside it; a drop-down arrow adds 8.
    TBarCustomItem* open = AddCommand(&root, "Open");
    open->SetImageIndex(0);
    open->SetOptions(tboToolbarStyle);
    EXPECT_EQ(SizeOf(open), (TSize{6 + 32 + 6 + 16 + 1, 22}));
    TSubmenuItem* recent = AddSubmenu(&root, "Open");
    recent->SetImageIndex(0);
    recent->SetOptions({tboToolbarStyle, tboDropdownArrow});
    EXPECT_EQ(SizeOf(recent), (TSize{6 + 32 + 6 + 16 + 1 + 8, 22}));
    open->SetOptions({tboToolbarStyle, tboImageAboveCaption});
    EXPECT_EQ(SizeOf(open), (TSize{6 + 32 + 6, 6 + 14 + 16}));
}

TEST_F(Viewers, HintTexts)
{
    TAction vetoing(&owner);
    vetoing.OnHint = [](std::string&, bool& canShow) { canShow = false; };
    struct Case
    {
        std::string caption;
        std::string hint;
        TShortCut shortCut;
        bool submenu;
        TBarItemOptions options;
        bool veto;
        std::string expected;
    };
    const TShortCut ctrlO = ShortCut('O', {ssCtrl});
    const Case cases[] = {
        {"Save &As...\tCtrl+S", "", 0, false, {}, false, "Save As"},
        {"&Name:", "", 0, false, {}, false, "Name"},
        {"Open", "Open file|Opens a file", ctrlO, false, {}, false, "Open file (Ctrl+O)"},
        {"Open", "", 0, false, tboNoAutoHint, false, ""},
        {"&Columns", "", 0, true, {}, false, ""},
        {"Open", "Open file", ctrlO, false, {}, true, ""},
    };
    for (const Case& c : cases) {
        TBarCustomItem* item = c.submenu ? AddSubmenu(&root, "") : AddCommand(&root, "");
        if (c.veto) {
            item->SetAction(&vetoing);
            item->OnClick = nullptr;
        }
        item->SetCaption(c.caption);
        item->SetHint(c.hint);
        item->SetShortCut(c.shortCut);
        item->SetOptions(c.options);
    }
    MenuView();
    for (int i = 0; i < root.Count(); ++i)
        EXPECT_EQ(view->Find(root.Items(i))->GetHintText(), cases[i].expected) << i;
    Application->SetHintShortCuts(false);
    EXPECT_EQ(view->Find(root.Items(2))->GetHintText(), "Open file");
    Application->SetHintShortCuts(true);
}

TEST_F(Viewers, ChecksRadioDotsArrowsAndTheSelection)
{
    AddCommand(&root, "Checked")->SetChecked(true);
    TBarCustomItem* radio = AddCommand(&root, "Radio");
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    AddSubmenu(&root, "Submenu");
    AddCommand(&root, "Plain");
    MenuView();
    view->SetSelected(view->Find(root.Items(3)));
    std::unique_ptr<TBitmap> picture = Painted(*view);
    SaveScreenshot(*picture, "viewer_glyphs", 4);
    const int column = view->Viewers(0)->BoundsRect().Height(); // the check column is square
    auto rowOf = [&](int i) { return view->Viewers(i)->BoundsRect(); };
    const TRect check{0, rowOf(0).Top, column, rowOf(0).Bottom};
    const TRect dot{0, rowOf(1).Top, column, rowOf(1).Bottom};
    // The check mark: a hook of 7 points in button text, its highlight beside it.
    EXPECT_GE(PixelCount(*picture, check, clBtnText), 10);
    EXPECT_GE(PixelCount(*picture, check, clBtnHighlight), 5);
    // The dot: a small filled round in button text in the middle of its column.
    const TRect middle{column / 2 - 2, (dot.Top + dot.Bottom) / 2 - 2, column / 2 + 1,
                       (dot.Top + dot.Bottom) / 2 + 1};
    EXPECT_EQ(PixelCount(*picture, middle, clBtnText), 9);
    // The arrow: in the last column, a menu check wide, drawn in menu text.
    const int checkWidth = GetSystemMetrics(SM_CXMENUCHECK);
    const int right = rowOf(2).Right;
    EXPECT_GE(PixelCount(*picture, {right - checkWidth, rowOf(2).Top, right, rowOf(2).Bottom}, clMenuText),
              6);
    EXPECT_EQ(PixelCount(*picture, {right - checkWidth, rowOf(3).Top, right, rowOf(3).Bottom}, clMenuText),
              0);
    // The selection fills the whole entry; nothing else is highlighted.
    EXPECT_GT(PixelCount(*picture, rowOf(3), clHighlight), rowOf(3).Width() * rowOf(3).Height() * 3 / 4);
    EXPECT_EQ(PixelCount(*picture, {0, rowOf(0).Top, right, rowOf(2).Bottom}, clHighlight), 0);
}

TEST_F(Viewers, AcceleratorsAreUnderlinedUnlessTheViewHidesThem)
{
    AddCommand(&root, "Save &As...\tCtrl+S");
    MenuView();
    view->SetStyle(vsUseHiddenAccels);
    std::unique_ptr<TBitmap> shown = Painted(*view);
    SystemParametersInfo(SPI_SETKEYBOARDCUES, 0, nullptr, 0);
    view->Invalidate(view->Viewers(0));
    std::unique_ptr<TBitmap> hidden = Painted(*view);
    SystemParametersInfo(SPI_SETKEYBOARDCUES, 0, reinterpret_cast<void*>(1), 0);
    // The two pictures differ in one row only: the underline under the A.
    TRect differs{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = 0; y < shown->Height(); ++y)
        for (int x = 0; x < shown->Width(); ++x)
            if (shown->Canvas()->Pixels(x, y) != hidden->Canvas()->Pixels(x, y))
                differs = {std::min(differs.Left, x), std::min(differs.Top, y),
                           std::max(differs.Right, x + 1), std::max(differs.Bottom, y + 1)};
    EXPECT_EQ(differs.Height(), 1);
    TBitmap measuring(1, 1);
    measuring.Canvas()->SetFont(FrameworkMenuFont());
    const int textLeft = 18 + 1 + 2;
    const int a = measuring.Canvas()->TextWidth("Save ");
    EXPECT_EQ(differs.Left, textLeft + a);
    EXPECT_NEAR(differs.Width(), measuring.Canvas()->TextWidth("A"), 1);
}

TEST(ToolbarViewers, DisabledButtonsAreEmbossed)
{
    TForm* form = ShowTestForm();
    auto* host = new TToolbarHost(form);
    host->SetParent(form);
    host->SetBounds(0, 0, 200, 26);
    TBarCustomItem* on = AddCommand(host->Items(), "On");
    TBarCustomItem* off = AddCommand(host->Items(), "Off");
    off->SetEnabled(false);
    Pump();
    std::unique_ptr<TBitmap> picture = Render(host);
    SaveScreenshot(*picture, "toolbar_disabled_button", 4);
    // The disabled caption is drawn in highlight one pixel down and right, then in shadow over it.
    EXPECT_GE(PixelCount(*picture, host->View()->Find(off)->BoundsRect(), clBtnHighlight), 5);
    EXPECT_EQ(PixelCount(*picture, host->View()->Find(on)->BoundsRect(), clBtnHighlight), 0);
    form->Free();
}

TEST(ToolbarViewers, AChangedButtonIsPaintedAloneThroughABitmapOverTheErasedBackground)
{
    TForm* form = ShowTestForm();
    auto* host = new TToolbarHost(form);
    host->SetParent(form);
    host->SetBounds(0, 0, 200, 26);
    AddCommand(host->Items(), "One");
    TBarCustomItem* two = AddCommand(host->Items(), "Two");
    Pump();
    std::vector<TPoint> erasedAt; // the window origin of each canvas the background is erased on
    const TWndMethod original = host->WindowProc;
    host->WindowProc = [&](TMessage& message) {
        if (message.Msg == WM_ERASEBKGND) {
            TPoint origin;
            GetWindowOrgEx(*TPaintView(message).DC, origin);
            erasedAt.push_back(origin);
        }
        original(message);
    };
    two->SetChecked(true);
    Pump();
    host->WindowProc = original;
    const TRect r = host->View()->Find(two)->BoundsRect();
    ASSERT_FALSE(erasedAt.empty());
    EXPECT_EQ(erasedAt.back(), r.TopLeft()) << "the button's own bitmap, its origin at the button";
    form->Free();
}

} // namespace
