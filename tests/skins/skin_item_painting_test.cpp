#include "controls/skins/skin_item_painting.h"

#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_drawing.h"
#include "controls/skins/skin_items.h"
#include "controls/toolbars/bar_image_list.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/view.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/style_services.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

namespace {

constexpr int Width = 60, Height = 24;

// The colours of the "Items" skin.
constexpr TColor HotBody = 0x0000FF, HotBorder = 0x000080, PushedBody = 0x00FF00, OpenBody = 0xFF0000,
                 OpenBorder = 0x800000, SeparatorDark = 0x404040, SeparatorLight = 0xF0F0F0,
                 GutterBody = 0xE0E0E0, GutterInner = 0x808000, GutterOuter = 0x008080;

// A view whose selection, open viewer and mouse state a test sets at will.
class TStateView : public TBarView
{
public:
    TStateView(TBarCustomItem* root, bool toolbar)
        : TBarView(nullptr, nullptr, root, nullptr, toolbar, false, false)
    {}
    ~TStateView() override { Set(nullptr, nullptr, false, false); }
    void Set(TBarItemViewer* selected, TBarItemViewer* open, bool mouseOverSelected, bool capture)
    {
        FSelected = selected;
        FOpenViewer = open;
        FMouseOverSelected = mouseOverSelected;
        FCapture = capture;
    }
    void SetCustomizingFlag(bool value) { FCustomizing = value; }
};

// An item that takes no clicks of its own, as labels are.
class TTransparentItem : public TQvItem
{
public:
    explicit TTransparentItem(TComponent* owner) : TQvItem(owner)
    {
        FItemStyle.Include(tbisClicksTransparent);
    }
};

// A skinned viewer as FillMenuItemInfo sees one.
class TImageViewer : public TBarItemViewer, public IQvSkinnedItemViewer
{
public:
    using TBarItemViewer::TBarItemViewer;
    bool IsToolbarStyle() override { return ToolbarStyle; }
    bool GetImageShown() override { return Shown; }
    TSize GetImageSize() override { return Size; }
    TSize GetRightImageSize() override { return RightSize; }
    bool IsOnToolbox() override { return Toolbox; }

    bool ToolbarStyle = false;
    bool Shown = true;
    TSize Size{16, 16};
    TSize RightSize;
    bool Toolbox = false;
};

class ItemPainting : public SkinManagerFixture
{
protected:
    ItemPainting() : bitmap(Width, Height, pf24bit), reference(Width, Height, pf24bit) {}
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        RegisterBuiltInSkins();
        ASSERT_GE(AddTextSkin({"[Skin]", "Name = Items", "[ToolbarItem]", "HotTrack.Body = 0, $000000FF",
                               "HotTrack.Borders = 2, $00000080, $00000080", "Pushed.Body = 0, $0000FF00",
                               "[OpenToolbarItem]", "Normal.Body = 0, $00FF0000",
                               "Normal.Borders = 0, $00800000, $00800000", "[Separator]",
                               "Normal.Body = 0, $00404040, $00F0F0F0", "[Gutter]",
                               "Normal.Body = 0, $00E0E0E0", "Normal.Borders = 0, $00808000, $00008080"}),
                  0);
        Clear(bitmap);
        canvas().Brush()->SetColor(clGreen);
        canvas().Pen()->SetColor(clMaroon);
    }
    void TearDown() override
    {
        SetThemesEnabled(true);
        SkinManagerFixture::TearDown();
    }
    // A skin name, or "" for the default skin with the theme painter on (themes) or off.
    void Use(const std::string& skin, bool themes = true)
    {
        Manager().SetSkin(skin);
        SetThemesEnabled(themes);
        Clear(bitmap);
    }
    TQvSkinOptions& Skin() { return *Manager().CurrentSkin(); }
    TCanvas& canvas() { return *bitmap.Canvas(); }
    TColor At(int x, int y) { return bitmap.Canvas()->Pixels(x, y); }
    static void Clear(TBitmap& b)
    {
        TSavedCanvasState saved(*b.Canvas());
        b.Canvas()->Brush()->SetColor(Marker);
        b.Canvas()->FillRect({0, 0, Width, Height});
    }
    int Untouched()
    {
        int count = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                count += At(x, y) == Marker;
        return count;
    }
    void ExpectToolsKept()
    {
        EXPECT_EQ(canvas().Brush()->Color(), clGreen);
        EXPECT_EQ(canvas().Pen()->Color(), clMaroon);
        TRect box;
        GetClipBox(canvas(), box);
        EXPECT_EQ(box, (TRect{0, 0, Width, Height}));
    }
    // The platform theme's element painted alone on the reference bitmap.
    void Reference(std::initializer_list<std::pair<TThemedElementDetails, TRect>> elements)
    {
        Clear(reference);
        for (const auto& [details, rect] : elements)
            ActiveStyleServices().DrawElement(*reference.Canvas(), details, rect);
    }
    bool SameAsReference()
    {
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                if (At(x, y) != reference.Canvas()->Pixels(x, y))
                    return false;
        return true;
    }

    TQvMenuItemInfo MenuEntry(TQvSkinStatesType state)
    {
        TQvMenuItemInfo info;
        GetStateFlags(state, info);
        info.ImageOrCheckShown = info.Checked;
        info.SkinType = Manager().GetSkinType();
        Skin().GetMenuItemMargins(canvas(), 16, info.MenuMargins);
        return info;
    }
    TQvMenuItemInfo Button(TQvSkinStatesType state)
    {
        TQvMenuItemInfo info;
        GetStateFlags(state, info);
        info.ToolbarStyle = true;
        info.SkinType = Manager().GetSkinType();
        return info;
    }
    static void GetStateFlags(TQvSkinStatesType state, TQvMenuItemInfo& info)
    {
        TQvSkinOptions::GetState(state, info.Enabled, info.Pushed, info.HotTrack, info.Checked);
        info.State = state;
    }

    TBitmap bitmap;
    TBitmap reference;
};

const TRect EntryRect{0, 0, 50, 20};
const TRect ButtonRect{0, 0, 40, 22};

} // namespace

TEST_F(ItemPainting, FillMenuItemInfoReadsTheViewersState)
{
    enum Kind
    {
        Command,
        Arrow,
        Split,
        Transparent
    };
    enum Mouse
    {
        Idle,
        Selected,
        Held,       // selected, pointer over it, mouse captured
        Open,       // selected with its popup open
        OpenAndHeld // the same while the button part is held
    };
    const struct
    {
        const char* name;
        bool toolbar;
        Kind kind;
        bool checked, enabled;
        Mouse mouse;
        const char* skin;
        bool themes;
        bool menuBar;
        // expected
        bool pushed;
        TQvSkinStatesType state, comboState;
        TQvComboPart part;
        bool sunken;
    } cases[] = {
        {"hot button", true, Command, false, true, Selected, "", false, false, false, sknsHotTrack,
         sknsNormal, cpNone, false},
        {"held button, classic", true, Command, false, true, Held, "", false, false, true, sknsPushed,
         sknsNormal, cpNone, true},
        {"held button, theme", true, Command, false, true, Held, "", true, false, true, sknsPushed,
         sknsNormal, cpNone, true},
        {"held menu bar item, theme", true, Command, false, true, Held, "", true, true, true, sknsPushed,
         sknsNormal, cpNone, false},
        {"held button, skin", true, Command, false, true, Held, "Flat", true, false, true, sknsPushed,
         sknsNormal, cpNone, false},
        {"checked button, classic", true, Command, true, true, Idle, "", false, false, false, sknsChecked,
         sknsNormal, cpNone, true},
        {"held menu entry is only hot", false, Command, false, true, Held, "", false, false, false,
         sknsHotTrack, sknsNormal, cpNone, false},
        {"open menu entry is pushed", false, Command, false, true, Open, "", false, false, true, sknsPushed,
         sknsNormal, cpNone, false},
        {"open split: arrow pushed", true, Split, false, true, Open, "Flat", true, false, false, sknsHotTrack,
         sknsPushed, cpSplitLeft, false},
        {"held split: main pushed", true, Split, false, true, OpenAndHeld, "Flat", true, false, true,
         sknsPushed, sknsHotTrack, cpSplitLeft, false},
        {"checked split: arrow normal", true, Split, true, true, Idle, "Flat", true, false, false,
         sknsChecked, sknsNormal, cpSplitLeft, false},
        {"checked hot split: arrow hot", true, Split, true, true, Selected, "Flat", true, false, false,
         sknsCheckedAndHotTrack, sknsHotTrack, cpSplitLeft, false},
        {"drop-down arrow", true, Arrow, false, true, Idle, "", true, false, false, sknsNormal, sknsNormal,
         cpCombo, false},
        {"disabled hot", true, Command, true, false, Held, "", false, false, true, sknsDisabled, sknsNormal,
         cpNone, true},
        {"clicks-transparent", true, Transparent, true, true, Held, "", false, false, true, sknsNormal,
         sknsNormal, cpNone, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Use(c.skin, c.themes);
        TQvRootItem root(nullptr);
        TQvSubmenuItem item(nullptr);
        item.SetDropdownCombo(c.kind == Split);
        if (c.kind != Split)
            item.SetOptions(c.kind == Arrow ? TBarItemOptions{tboDropdownArrow} : TBarItemOptions{});
        item.SetChecked(c.checked);
        item.SetEnabled(c.enabled);
        TTransparentItem label(nullptr);
        label.SetChecked(c.checked);
        TBarCustomItem* shown = c.kind == Transparent ? static_cast<TBarCustomItem*>(&label) : &item;
        TStateView view(&root, c.toolbar);
        if (c.menuBar)
            view.SetStyle({vsMenuBar});
        TBarItemViewer viewer(&view, shown, 0);
        const bool selected = c.mouse != Idle;
        const bool open = c.mouse == Open || c.mouse == OpenAndHeld;
        const bool held = c.mouse == Held || c.mouse == OpenAndHeld;
        view.Set(selected ? &viewer : nullptr, open ? &viewer : nullptr, held, held);

        TQvMenuItemInfo info;
        info.ComboRect = {1, 2, 3, 4}; // cleared
        FillMenuItemInfo(canvas(), viewer, info);
        EXPECT_EQ(info.HotTrack, selected);
        EXPECT_EQ(info.IsOpen, open);
        EXPECT_EQ(info.Pushed, c.pushed);
        EXPECT_EQ(info.State, c.state);
        EXPECT_EQ(info.ComboState, c.comboState);
        EXPECT_EQ(info.ComboPart, c.part);
        EXPECT_EQ(info.HasArrow, c.kind == Arrow || c.kind == Split);
        EXPECT_EQ(info.IsSplit, c.kind == Split);
        EXPECT_EQ(info.IsSunkenCaption, c.sunken);
        EXPECT_EQ(info.IsOnMenuBar, c.menuBar);
        EXPECT_EQ(info.ToolbarStyle, c.toolbar);
        EXPECT_EQ(info.SkinType, Manager().GetSkinType());
        EXPECT_EQ(info.ComboRect, (TRect{}));
        // A framework viewer shows no image; a checked menu entry shows its mark.
        EXPECT_FALSE(info.ImageShown);
        EXPECT_EQ(info.ImageOrCheckShown, !c.toolbar && c.checked);
        view.Set(nullptr, nullptr, false, false);
    }
}

TEST_F(ItemPainting, FillMenuItemInfoAsksASkinnedViewerForItsImages)
{
    Use("Flat");
    TQvRootItem root(nullptr);
    TQvSubmenuItem item(nullptr);
    item.SetEnabled(false);
    TStateView view(&root, false);
    view.SetOrientation(tbvoVertical);
    TImageViewer viewer(&view, &item, 0);
    viewer.RightSize = {5, 7};
    viewer.Toolbox = true;

    TQvMenuItemInfo info;
    FillMenuItemInfo(canvas(), viewer, info);
    EXPECT_TRUE(info.ImageShown);
    EXPECT_TRUE(info.ImageOrCheckShown);
    EXPECT_EQ(info.ImageSize, (TSize{16, 16}));
    EXPECT_EQ(info.RightImageSize, (TSize{5, 7}));
    EXPECT_TRUE(info.IsOnToolbox);
    EXPECT_TRUE(info.IsVertical);
    EXPECT_FALSE(info.Enabled);
    TQvMenuItemMarginsInfo margins;
    Skin().GetMenuItemMargins(canvas(), 16, margins);
    EXPECT_EQ(info.MenuMargins.GutterSize, margins.GutterSize);

    // Customizing enables every entry; an image without height is not shown but keeps its size; the viewer's
    // own toolbar style counts, and a toolbar button has no menu margins.
    view.SetCustomizingFlag(true);
    viewer.Size = {16, 0};
    viewer.ToolbarStyle = true;
    FillMenuItemInfo(canvas(), viewer, info);
    EXPECT_TRUE(info.Enabled);
    EXPECT_FALSE(info.ImageShown);
    EXPECT_EQ(info.ImageSize, (TSize{16, 0}));
    EXPECT_TRUE(info.ToolbarStyle);
    EXPECT_EQ(info.MenuMargins.GutterSize, 0);
    // Not shown at all: no size either.
    viewer.Shown = false;
    FillMenuItemInfo(canvas(), viewer, info);
    EXPECT_EQ(info.ImageSize, (TSize{0, 0}));
}

TEST_F(ItemPainting, MenuEntryInABuiltInSkin)
{
    Use("Flat");
    const TColor hot = ColorToRGB(Skin().Options(skncMenuItem, sknsHotTrack).Body.Color1);
    const TColor checked = ColorToRGB(Skin().Options(skncMenuItem, sknsChecked).Body.Color1);
    const TColor highlight = ColorToRGB(clHighlight);
    const int gutter = MenuEntry(sknsNormal).MenuMargins.GutterSize;
    ASSERT_GT(gutter, 4);

    PaintItemBackground(canvas(), EntryRect, MenuEntry(sknsNormal));
    EXPECT_EQ(Untouched(), Width * Height);

    PaintItemBackground(canvas(), EntryRect, MenuEntry(sknsHotTrack));
    EXPECT_EQ(At(0, 0), highlight);
    EXPECT_EQ(At(49, 19), highlight);
    EXPECT_EQ(At(25, 10), hot);
    EXPECT_EQ(At(50, 10), Marker);
    ExpectToolsKept();

    // Checked: the gutter alone, in the checked look.
    Clear(bitmap);
    PaintItemBackground(canvas(), EntryRect, MenuEntry(sknsChecked));
    EXPECT_EQ(At(gutter / 2, 10), checked);
    EXPECT_EQ(At(gutter - 1, 10), highlight);
    EXPECT_EQ(At(gutter, 10), Marker);

    // Checked and hot: the highlight keeps 3 pixels from the left for the gutter's border.
    Clear(bitmap);
    TQvMenuItemInfo checkedHot = MenuEntry(sknsCheckedAndHotTrack);
    checkedHot.MenuMargins.GutterSize = 0; // the highlight alone
    PaintItemBackground(canvas(), EntryRect, checkedHot);
    EXPECT_EQ(At(2, 10), Marker);
    EXPECT_EQ(At(3, 10), highlight);

    // Disabled and hot: this skin's compact menus show no highlight for it.
    Clear(bitmap);
    TQvMenuItemInfo disabled = MenuEntry(sknsDisabled);
    disabled.HotTrack = true;
    PaintItemBackground(canvas(), EntryRect, disabled);
    EXPECT_EQ(Untouched(), Width * Height);

    // A split entry: its line 14 pixels from the right in the state's border colour.
    TQvMenuItemInfo split = MenuEntry(sknsHotTrack);
    split.IsSplit = true;
    PaintItemBackground(canvas(), EntryRect, split);
    EXPECT_EQ(At(36, 1), highlight);
    EXPECT_EQ(At(36, 10), highlight);
    EXPECT_EQ(At(35, 10), hot);
}

TEST_F(ItemPainting, ButtonInABuiltInSkin)
{
    Use("Flat");
    PaintItemBackground(canvas(), ButtonRect, Button(sknsNormal));
    EXPECT_EQ(Untouched(), Width * Height);

    PaintItemBackground(canvas(), ButtonRect, Button(sknsHotTrack));
    EXPECT_EQ(At(0, 0), ColorToRGB(clHighlight));
    EXPECT_EQ(At(20, 11), ColorToRGB(Skin().Options(skncToolbarItem, sknsHotTrack).Body.Color1));
    EXPECT_EQ(At(40, 11), Marker);

    PaintItemBackground(canvas(), ButtonRect, Button(sknsPushed));
    EXPECT_EQ(At(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(20, 11), ColorToRGB(clBtnFace));
    ExpectToolsKept();
}

TEST_F(ItemPainting, SplitHalvesMeetWithSquareCorners)
{
    Use("Items");
    TQvMenuItemInfo info = Button(sknsHotTrack);
    info.IsSplit = info.HasArrow = true;
    info.ComboPart = cpSplitLeft;
    info.ComboState = sknsHotTrack;
    info.ComboRect = {40, 0, 52, 22};
    PaintItemBackground(canvas(), ButtonRect, info);
    // The outer corners are rounded; the main face runs 2 pixels under the arrow's, and where they meet
    // both are square.
    EXPECT_EQ(At(0, 0), Marker);
    EXPECT_EQ(At(51, 0), Marker);
    EXPECT_EQ(At(40, 0), HotBorder);
    EXPECT_EQ(At(39, 0), HotBorder);
    EXPECT_EQ(At(39, 11), HotBody);
    EXPECT_EQ(At(40, 11), HotBorder);
    EXPECT_EQ(At(45, 11), HotBody);

    // The arrow pushed, the main part hot.
    Clear(bitmap);
    info.ComboState = sknsPushed;
    PaintItemBackground(canvas(), ButtonRect, info);
    EXPECT_EQ(At(20, 11), HotBody);
    EXPECT_EQ(At(45, 11), PushedBody);
    EXPECT_EQ(At(40, 11), PushedBody);
    ExpectToolsKept();
}

TEST_F(ItemPainting, OpenSplitButtonJoinsItsPopup)
{
    Use("Items");
    TQvMenuItemInfo info = Button(sknsHotTrack);
    info.IsSplit = info.HasArrow = info.IsOpen = true;
    info.ComboPart = cpSplitLeft;
    info.ComboState = sknsPushed;
    info.ComboRect = {40, 0, 52, 22};
    ASSERT_TRUE(Skin().JoinedPopup());
    PaintItemBackground(canvas(), ButtonRect, info);
    // One face over both parts, two pixels taller than the button.
    EXPECT_EQ(At(0, 0), OpenBorder);
    EXPECT_EQ(At(51, 10), OpenBorder);
    EXPECT_EQ(At(45, 10), OpenBody);
    EXPECT_EQ(At(20, 22), OpenBody);
    EXPECT_EQ(At(20, 23), OpenBorder);
    EXPECT_EQ(At(52, 10), Marker);
}

TEST_F(ItemPainting, ClassicLook)
{
    Use("", false);
    ASSERT_EQ(Manager().GetSkinType(), sknNone);
    const TColor shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
    const auto halftone = [&](int x, int y) {
        return At(x, y) != At(x + 1, y) && (At(x, y) == light || At(x, y) == ColorToRGB(clBtnFace));
    };

    // Buttons: nothing, a raised inner edge, a sunken outer one, and the half-tone face when checked.
    PaintItemBackground(canvas(), ButtonRect, Button(sknsNormal));
    EXPECT_EQ(Untouched(), Width * Height);
    PaintItemBackground(canvas(), ButtonRect, Button(sknsHotTrack));
    EXPECT_EQ(At(0, 0), light);
    EXPECT_EQ(At(39, 21), shadow);
    EXPECT_EQ(At(20, 11), Marker);
    PaintItemBackground(canvas(), ButtonRect, Button(sknsPushed));
    EXPECT_EQ(At(0, 0), shadow);
    EXPECT_EQ(At(39, 21), light);
    PaintItemBackground(canvas(), ButtonRect, Button(sknsChecked));
    EXPECT_TRUE(halftone(20, 11));
    // Checked and hot: the sunken edge alone.
    Clear(bitmap);
    PaintItemBackground(canvas(), ButtonRect, Button(sknsCheckedAndHotTrack));
    EXPECT_EQ(At(0, 0), shadow);
    EXPECT_EQ(At(20, 11), Marker);
    ExpectToolsKept();

    // Menu entries: a checked one has the half-tone gutter, a hot one the highlight beside it.
    const int gutter = MenuEntry(sknsNormal).MenuMargins.GutterSize;
    Clear(bitmap);
    PaintItemBackground(canvas(), EntryRect, MenuEntry(sknsNormal));
    PaintItemBackground(canvas(), EntryRect, MenuEntry(sknsDisabled));
    EXPECT_EQ(Untouched(), Width * Height);
    PaintItemBackground(canvas(), EntryRect, MenuEntry(sknsChecked));
    EXPECT_EQ(At(0, 0), shadow);
    EXPECT_TRUE(halftone(gutter / 2, 10));
    EXPECT_EQ(At(gutter + 2, 10), Marker);
    Clear(bitmap);
    PaintItemBackground(canvas(), EntryRect, MenuEntry(sknsCheckedAndHotTrack));
    EXPECT_EQ(At(gutter, 10), Marker);
    EXPECT_EQ(At(gutter + 1, 10), ColorToRGB(clHighlight));
    EXPECT_EQ(At(gutter / 2, 10), Marker); // the sunken edge alone
    EXPECT_EQ(At(0, 0), shadow);
    Clear(bitmap);
    PaintItemBackground(canvas(), EntryRect, MenuEntry(sknsHotTrack));
    EXPECT_EQ(At(0, 10), ColorToRGB(clHighlight));
    // An entry with an image gets a raised gutter while hot.
    TQvMenuItemInfo withImage = MenuEntry(sknsHotTrack);
    withImage.ImageShown = withImage.ImageOrCheckShown = true;
    PaintItemBackground(canvas(), EntryRect, withImage);
    EXPECT_EQ(At(0, 0), light);
    EXPECT_EQ(At(gutter + 1, 10), ColorToRGB(clHighlight));
    ExpectToolsKept();
}

TEST_F(ItemPainting, PlatformThemeElements)
{
    Use("");
    ASSERT_EQ(Manager().GetSkinType(), sknWindows);
    const struct
    {
        const char* name;
        TQvMenuItemInfo info;
        TRect rect;
        std::vector<std::pair<TThemedElementDetails, TRect>> elements;
    } cases[] = {
        {"normal button", Button(sknsNormal), ButtonRect, {{GetElementDetails(ttbButtonNormal), ButtonRect}}},
        {"hot button", Button(sknsHotTrack), ButtonRect, {{GetElementDetails(ttbButtonHot), ButtonRect}}},
        {"pressed button",
         Button(sknsPushed),
         ButtonRect,
         {{GetElementDetails(ttbButtonPressed), ButtonRect}}},
        {"normal entry", MenuEntry(sknsNormal), EntryRect, {}},
        {"hot entry", MenuEntry(sknsHotTrack), EntryRect, {{GetElementDetails(tmPopupItemHot), EntryRect}}},
        {"disabled hot entry",
         [&] {
             TQvMenuItemInfo i = MenuEntry(sknsDisabled);
             i.HotTrack = true;
             return i;
         }(),
         EntryRect,
         {{GetElementDetails(tmPopupItemDisabledHot), EntryRect}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Clear(bitmap);
        Clear(reference);
        PaintItemBackground(canvas(), c.rect, c.info);
        for (const auto& [details, rect] : c.elements)
            ActiveStyleServices().DrawElement(*reference.Canvas(), details, rect);
        EXPECT_TRUE(SameAsReference());
    }

    // A checked entry: its gutter in the check background's part.
    const int gutter = MenuEntry(sknsNormal).MenuMargins.GutterSize;
    Clear(bitmap);
    PaintItemBackground(canvas(), EntryRect, MenuEntry(sknsChecked));
    Reference({{GetElementDetails(tmPopupCheckBackgroundNormal), {0, 0, gutter, 20}}});
    EXPECT_TRUE(SameAsReference());
    EXPECT_NE(Untouched(), Width * Height);

    // A split button: each half in its own element, the arrow pushed.
    TQvMenuItemInfo split = Button(sknsHotTrack);
    split.IsSplit = split.HasArrow = true;
    split.ComboPart = cpSplitLeft;
    split.ComboState = sknsPushed;
    split.ComboRect = {40, 0, 52, 22};
    Clear(bitmap);
    PaintItemBackground(canvas(), ButtonRect, split);
    Reference({{GetElementDetails(ttbSplitButtonHot), ButtonRect},
               {GetElementDetails(ttbSplitButtonDropDownPressed), split.ComboRect}});
    EXPECT_TRUE(SameAsReference());
    ExpectToolsKept();
}

TEST_F(ItemPainting, SeparatorsAndGutter)
{
    Use("Items");
    PaintSeparator(canvas(), {0, 0, 10, 22}, false, true);
    EXPECT_EQ(At(4, 2), Marker);
    EXPECT_EQ(At(4, 3), SeparatorDark);
    EXPECT_EQ(At(5, 18), SeparatorLight);
    EXPECT_EQ(At(4, 19), Marker);
    PaintSeparator(canvas(), {10, 0, 60, 10}, true, false);
    EXPECT_EQ(At(10, 4), SeparatorDark);
    EXPECT_EQ(At(59, 4), SeparatorDark);
    EXPECT_EQ(At(10, 5), SeparatorLight);
    EXPECT_EQ(At(30, 3), Marker);
    ExpectToolsKept();

    Clear(bitmap);
    PaintMenuGutter(canvas(), {0, 0, 20, 24});
    EXPECT_EQ(At(10, 10), GutterBody);
    EXPECT_EQ(At(19, 10), GutterInner);
    EXPECT_EQ(At(20, 10), GutterOuter);
    EXPECT_EQ(At(21, 10), Marker);

    // Classic: an etched line; no gutter.
    Use("", false);
    PaintSeparator(canvas(), {0, 0, 10, 22}, true, true);
    EXPECT_EQ(At(4, 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(5, 10), ColorToRGB(clBtnHighlight));
    PaintSeparator(canvas(), {10, 0, 60, 10}, true, false);
    EXPECT_EQ(At(30, 4), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(30, 5), ColorToRGB(clBtnHighlight));
    Clear(bitmap);
    PaintMenuGutter(canvas(), {0, 0, 20, 24});
    EXPECT_EQ(Untouched(), Width * Height);
    // The hint keeps the canvas's brush.
    PaintHintBackground(canvas(), {0, 0, 20, 24});
    EXPECT_EQ(At(10, 10), ColorToRGB(clGreen));
    ExpectToolsKept();
}

TEST_F(ItemPainting, ItemImages)
{
    // A black 16 x 16 image.
    TImageList images(nullptr);
    TBitmap image(16, 16, pf32bit);
    image.Canvas()->Brush()->SetColor(clBlack);
    image.Canvas()->FillRect({0, 0, 16, 16});
    images.Add(&image, nullptr);
    const TRect place{10, 4, 26, 20};

    // Hot under a skin with icon shadows: the image a pixel up and left, its shadow a pixel down and right.
    Use("Flat");
    ASSERT_TRUE(Skin().IconShadow());
    PaintItemImage(canvas(), place, Button(sknsHotTrack), &images, 0);
    EXPECT_EQ(At(9, 3), clBlack);
    EXPECT_EQ(At(24, 18), clBlack);
    const TColor shadow = At(26, 20);
    EXPECT_NE(shadow, Marker);
    EXPECT_NE(shadow, clBlack);
    EXPECT_EQ(At(10, 20), Marker);
    ExpectToolsKept();
    // Pushed, or not hot: in place, without a shadow.
    for (TQvSkinStatesType state : {sknsPushed, sknsNormal}) {
        Clear(bitmap);
        PaintItemImage(canvas(), place, Button(state), &images, 0);
        EXPECT_EQ(At(9, 3), Marker);
        EXPECT_EQ(At(10, 4), clBlack);
        EXPECT_EQ(At(26, 20), Marker);
    }
    // A sunken caption moves the image a pixel down and right; an index outside the list draws nothing.
    Use("", false);
    TQvMenuItemInfo sunken = Button(sknsPushed);
    sunken.IsSunkenCaption = true;
    PaintItemImage(canvas(), place, sunken, &images, 0);
    EXPECT_EQ(At(10, 4), Marker);
    EXPECT_EQ(At(26, 20), clBlack);
    Clear(bitmap);
    PaintItemImage(canvas(), place, sunken, &images, 1);
    PaintItemImage(canvas(), place, sunken, &images, -1);
    PaintItemImage(canvas(), place, sunken, nullptr, 0);
    EXPECT_EQ(Untouched(), Width * Height);

    // A framework list draws its own state image: the hot one while hot.
    TBarCustomImageList stateful(nullptr);
    stateful.Add(&image, nullptr);
    TImageList hotImages(nullptr);
    TBitmap white(16, 16, pf32bit);
    white.Canvas()->Brush()->SetColor(clWhite);
    white.Canvas()->FillRect({0, 0, 16, 16});
    hotImages.Add(&white, nullptr);
    stateful.SetHotImages(&hotImages);
    PaintItemImage(canvas(), place, Button(sknsHotTrack), &stateful, 0);
    EXPECT_EQ(At(10, 4), clWhite);
    PaintItemImage(canvas(), place, Button(sknsNormal), &stateful, 0);
    EXPECT_EQ(At(10, 4), clBlack);
    ExpectToolsKept();
}

TEST_F(ItemPainting, DrawEventsAroundTheBackground)
{
    // A hot menu entry painted by its skinned viewer: the item's draw event fires before and after the
    // background, and a handler that turns the default painting off in the first keeps it off.
    Use("Flat");
    TQvRootItem root(nullptr);
    auto* item = new TQvItem(nullptr);
    root.Add(item);
    TStateView view(&root, false);
    TBarItemViewer* viewer = view.Find(item);
    view.Set(viewer, nullptr, false, false);
    const TColor hot = ColorToRGB(Skin().Options(skncMenuItem, sknsHotTrack).Body.Color1);

    std::vector<std::pair<TQvPaintStage, bool>> seen;
    bool suppress = false;
    TColor atPost = clNone;
    item->OnDrawItem = [&](TObject*, TCanvas& c, const TRect&, const TQvMenuItemInfo& info,
                           TQvPaintStage stage, bool& paintDefault) {
        EXPECT_TRUE(info.HotTrack);
        seen.emplace_back(stage, paintDefault);
        if (stage == pstPrePaint && suppress)
            paintDefault = false;
        if (stage == pstPostPaint)
            atPost = c.Pixels(Width - 5, 10);
    };
    for (bool off : {false, true}) {
        SCOPED_TRACE(off ? "suppressed" : "default");
        suppress = off;
        seen.clear();
        Clear(bitmap);
        viewer->Paint(canvas(), {0, 0, Width, 20}, true, false, false);
        const std::vector<std::pair<TQvPaintStage, bool>> expected = {{pstPrePaint, true},
                                                                      {pstPostPaint, true}};
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(atPost, off ? Marker : hot);
        EXPECT_EQ(At(Width - 5, 10), off ? Marker : hot);
    }
    view.Set(nullptr, nullptr, false, false);
}
