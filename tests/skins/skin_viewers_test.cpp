#include "controls/skins/skin_items.h"
#include "controls/skins/skin_label_items.h"
#include "controls/skins/skin_viewers.h"
#include "controls/toolbars/dock.h"
#include "controls/toolbars/toolbar.h"
#include "controls/toolbars/view.h"
#include "gui_driver.h"
#include "loop_script.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/forms/screen.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/keys.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>

// The skinned item viewers: how large entries and buttons are in the classic look, a button found and
// clicked with the mouse on a real toolbar, and the hints.

namespace {

class SkinnedViewers : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        SetThemesEnabled(false); // the classic look, whose menu margins are 0, 2, 0, 2
        ASSERT_EQ(Manager().GetSkinType(), sknNone);
        images.SetWidth(16);
        images.SetHeight(16);
        TBitmap picture(16, 16);
        images.Add(&picture, nullptr);
    }
    void TearDown() override
    {
        view.reset();
        SetThemesEnabled(true);
        SkinManagerFixture::TearDown();
    }
    template <typename T = TQvItem> T* Add(const std::string& caption)
    {
        auto* item = new T(&owner);
        item->SetCaption(caption);
        root.Add(item);
        return item;
    }
    TQvItemViewer& ViewerOf(TBarCustomItem* item, bool toolbar)
    {
        view = std::make_unique<TBarView>(nullptr, nullptr, &root, nullptr, toolbar, false, false);
        return dynamic_cast<TQvItemViewer&>(*view->Find(item));
    }
    TSize SizeOf(TBarCustomItem* item, bool toolbar)
    {
        view = std::make_unique<TBarView>(nullptr, nullptr, &root, nullptr, toolbar, false, false);
        TSize size;
        view->Find(item)->CalcSize(canvas(), size.cx, size.cy);
        return size;
    }
    TCanvas& canvas()
    {
        measuring.Canvas()->SetFont(
            TBarView(nullptr, nullptr, &root, nullptr, false, false, false).GetFont());
        return *measuring.Canvas();
    }
    TSize Text(const std::string& text) { return GetTextSize(canvas(), text, true); }

    TComponent owner{nullptr};
    TQvRootItem root{&owner};
    TImageList images{nullptr};
    TBitmap measuring{1, 1};
    std::unique_ptr<TBarView> view;
};

TEST_F(SkinnedViewers, EntriesAndButtonsMeasureAsTheirPartsAddUp)
{
    ASSERT_LE(canvas().TextMetrics().tmHeight + canvas().TextMetrics().tmExternalLeading, 16)
        << "the sums below take the 16-pixel image as the tallest part";
    const int caption = Text("Convert").cx, captionHeight = Text("Convert").cy, ctrlS = Text("Ctrl+S").cx;
    struct Case
    {
        const char* what;
        bool toolbar;
        std::function<void(TQvItem&)> setup;
        TSize expected;
    };
    const Case cases[] = {
        // Height: image and margins 2 + 2; gutter 16 + 4; then image-text space 1, caption margins 2 and 2,
        // and a square for the submenu arrow.
        {"menu entry with an image",
         false,
         [&](TQvItem& i) { i.SetImageIndex(0); },
         {caption + 20 + 1 + 2 + 2 + 20, 20}},
        {"menu entry without one", false, [](TQvItem&) {}, {caption + 20 + 1 + 2 + 2 + 20, 20}},
        {"menu entry with a shortcut",
         false,
         [](TQvItem& i) { i.SetCaption("Convert\tCtrl+S"); },
         {caption + 20 + 1 + 2 + 2 + 20 + (20 + ctrlS - 6), 20}},
        // Image left of the caption: 6 + caption + 4 + image + 1, then the item's Margins.
        {"button with image and margins",
         true,
         [](TQvItem& i) {
             i.SetImageIndex(0);
             i.SetDisplayMode(nbdmImageAndText); // a button's caption shows beside its image
             i.SetMargins(5);
         },
         {6 + caption + 4 + 16 + 1 + 5, std::max(6 + captionHeight, 16 + 6)}},
        {"button with a drop-down arrow",
         true,
         [](TQvItem& i) {
             i.SetImageIndex(0);
             i.SetOptions(tboDropdownArrow);
         },
         {6 + 16 + 1 + 8, 22}}, // the image alone, without its caption
        {"custom height below the minimum",
         true,
         [](TQvItem& i) {
             i.SetCustomHeight(26);
             i.SetMinHeight(10);
         },
         {6 + caption + 4, 26}},
        {"minimum above the custom height",
         true,
         [](TQvItem& i) {
             i.SetCustomHeight(26);
             i.SetMinHeight(30);
         },
         {6 + caption + 4, 30}},
        {"custom width", true, [](TQvItem& i) { i.SetCustomWidth(50); }, {50, 6 + captionHeight}},
    };
    root.SetSubMenuImages(&images);
    for (const Case& c : cases) {
        auto* item = Add("Convert");
        c.setup(*item);
        EXPECT_EQ(SizeOf(item, c.toolbar), c.expected) << c.what;
        root.Remove(item);
        delete item;
    }

    // A split button is wider by the split arrow: 12 in the classic look and in a skin, 13 with the theme.
    auto* split = Add<TQvSubmenuItem>("Convert");
    split->SetDropdownCombo(true);
    EXPECT_EQ(SizeOf(split, true).cx, 6 + caption + 4 + 12);
    SetThemesEnabled(true);
    EXPECT_EQ(SizeOf(split, true).cx, 6 + caption + 4 + 13);
}

TEST_F(SkinnedViewers, AnEntrysImageAndCaptionSitBesideTheGutterAndHandlersMaySuppressTheBackground)
{
    root.SetSubMenuImages(&images);
    auto* item = Add("Convert");
    item->SetImageIndex(0);
    TRect imageRect, captionRect;
    item->OnDrawImage = [&](TObject*, TCanvas&, TQvSkinStatesType, TQvPaintStage stage, TCustomImageList*&,
                            int&, TRect& rect, bool&) {
        if (stage == pstPrePaint)
            imageRect = rect;
    };
    item->OnDrawCaption = [&](TObject*, TCanvas&, const TRect&, TQvSkinStatesType, std::string&, TRect& rect,
                              uint32_t&, bool, TQvPaintStage stage, bool&) {
        if (stage == pstPrePaint)
            captionRect = rect;
    };
    bool suppress = false;
    item->OnDrawItem = [&](TObject*, TCanvas&, const TRect&, const TQvMenuItemInfo&, TQvPaintStage stage,
                           bool& paintDefault) {
        if (stage == pstPrePaint && suppress)
            paintDefault = false;
    };
    ViewerOf(item, false);
    view->ValidatePositions();
    view->SetSelected(view->Find(item));
    const auto paint = [&] {
        TBitmap picture(200, 20);
        picture.Canvas()->Brush()->SetColor(clWhite);
        picture.Canvas()->FillRect({0, 0, 200, 20});
        view->DrawSubitems(*picture.Canvas());
        return picture.Canvas()->Pixels(40, 1);
    };
    EXPECT_EQ(paint(), ColorToRGB(clHighlight)) << "the hot entry's highlight";
    EXPECT_EQ(imageRect, (TRect{2, 2, 18, 18}));
    EXPECT_EQ(captionRect.Left, 20 + 1 + 2) << "gutter, image-text space, caption margin";
    suppress = true;
    EXPECT_EQ(paint(), ColorToRGB(clWhite)) << "a pre-paint handler turned the background off";
}

TEST_F(SkinnedViewers, ADisabledEntryIsEmbossedInTheClassicLookUnlessSelectedAndItsShortcutNever)
{
    auto* item = Add("Convert\tCtrl+S");
    item->SetEnabled(false);
    ViewerOf(item, false);
    view->ValidatePositions();
    const TRect bounds = view->Find(item)->BoundsRect();
    const int shortCutLeft = bounds.Right - bounds.Height() - Text("Ctrl+S").cx;
    // Highlight-coloured pixels over the caption and over the shortcut, on a face-coloured ground.
    const auto highlights = [&] {
        TBitmap picture(bounds.Right, bounds.Bottom);
        picture.Canvas()->Brush()->SetColor(clBtnFace);
        picture.Canvas()->FillRect({0, 0, bounds.Right, bounds.Bottom});
        view->DrawSubitems(*picture.Canvas());
        const TColor highlight = ColorToRGB(clBtnHighlight);
        return std::pair{CountPixels(picture, {0, 0, shortCutLeft, bounds.Bottom}, highlight),
                         CountPixels(picture, {shortCutLeft, 0, bounds.Right, bounds.Bottom}, highlight)};
    };
    const auto [caption, shortCut] = highlights();
    EXPECT_GT(caption, 0);
    EXPECT_EQ(shortCut, 0);
    view->SetSelected(view->Find(item));
    EXPECT_EQ(highlights().first, 0) << "the selected entry shows no embossed copy";
}

TEST_F(SkinnedViewers, LabelsAndSeparatorsTakeTheirOwnHeights)
{
    auto* label = Add<TQvCustomLabelItem>("Profiles");
    auto* separator = Add<TQvSeparatorItem>("");
    EXPECT_EQ(SizeOf(label, false).cy, canvas().TextMetrics().tmHeight);
    label->SetCustomHeight(30);
    EXPECT_EQ(SizeOf(label, false).cy, 30);
    EXPECT_EQ(SizeOf(separator, false).cy, 10);
    EXPECT_EQ(SizeOf(separator, true), (TSize{6, 6}));
    EXPECT_TRUE(dynamic_cast<TQvSeparatorItemViewer*>(view->Find(separator)));
    // A label is never clicked.
    EXPECT_FALSE(ViewerOf(label, false).DoExecute());
}

TEST_F(SkinnedViewers, HintsComeFromTheHintTheCaptionAndTheShortcut)
{
    Application->SetHintShortCuts(true);
    struct Case
    {
        const char* caption;
        const char* hint;
        const char* shortCut;
        bool submenu;
        const char* expected;
    };
    const Case cases[] = {
        {"&Open", "Open file|Opens a file", "", false, "Open file"},
        {"&Open", "Open file|Opens a file", "Ctrl+O", false, "Open file (Ctrl+O)"},
        {"Save &As...", "", "", false, "Save As"},
        {"&Filters:", "", "", false, "Filters"},
        {"&Recent", "", "", true, ""}, // a submenu whose caption shows needs no hint
    };
    for (const Case& c : cases) {
        TQvItem* item = c.submenu ? Add<TQvSubmenuItem>(c.caption) : Add(c.caption);
        item->SetHint(c.hint);
        item->SetShortCut(*c.shortCut ? TextToShortCut(c.shortCut) : 0);
        EXPECT_EQ(ViewerOf(item, true).GetHintText(), c.expected) << c.caption;
    }
}

TEST_F(SkinnedViewers, TheHintBitmapFitsTheTextUnlessTheHandlerPaintsItItself)
{
    auto* item = Add("Convert");
    TQvItemViewer& viewer = ViewerOf(item, true);
    THintInfo info;
    viewer.CMHintShow(info);
    EXPECT_EQ(info.HintStr, "Convert");
    EXPECT_EQ(info.HideTimeout, 60000);
    auto* bitmap = static_cast<TBitmap*>(info.HintData);
    ASSERT_NE(bitmap, nullptr);
    bitmap->Canvas()->SetFont(Screen->HintFont());
    const TSize text = GetTextSize(*bitmap->Canvas(), "Convert", false);
    EXPECT_EQ(bitmap->Width(), text.cx + 8);
    EXPECT_EQ(bitmap->Height(), text.cy + 4);

    // A handler that turns the default off keeps its own picture and the first text.
    item->OnDrawHint = [](TObject*, TBitmap* hintBitmap, std::string& hint, bool& paintDefault) {
        hintBitmap->SetSize(40, 10);
        hint = "Other";
        paintDefault = false;
    };
    THintInfo own;
    viewer.CMHintShow(own);
    EXPECT_EQ(own.HintStr, "Convert");
    EXPECT_EQ(bitmap->Width(), 40);
    EXPECT_EQ(bitmap->Height(), 10);
}

// A skinned button on a real toolbar is found under the pointer and runs when clicked.
TEST_F(SkinnedViewers, AButtonOnAToolbarIsHitByTheMouseAndRuns)
{
    TForm* form = ShowTestForm(360, 200);
    auto* dock = new TBarDock(form);
    dock->SetParent(form);
    auto* toolbar = new TBarCustomToolbar(form);
    toolbar->SetParent(dock);
    int runs = 0;
    TQvItem* buttons[2];
    for (TQvItem*& button : buttons) {
        button = new TQvItem(form);
        button->SetCaption("Convert");
        toolbar->Items()->Add(button);
    }
    buttons[1]->OnClick = [&](TObject*) { ++runs; };
    Pump();
    toolbar->View()->ValidatePositions();
    TBarItemViewer* viewer = toolbar->View()->Find(buttons[1]);
    ASSERT_TRUE(dynamic_cast<TQvItemViewer*>(viewer));
    const TRect r = viewer->BoundsRect();
    EXPECT_EQ(r.Width(), 6 + GetTextSize(canvas(), "Convert", true).cx + 4);
    const TPoint centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    {
        TLoopScript script({{[&] { MouseUp(toolbar, centre); }}});
        MouseDown(toolbar, centre);
        Pump();
    }
    EXPECT_EQ(runs, 1);
    form->Free();
    Pump();
}

} // namespace
