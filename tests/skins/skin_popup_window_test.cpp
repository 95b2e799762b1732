#include "controls/toolbars/dock.h"
#include "controls/toolbars/system_queries.h"
#include "controls/toolbars/toolbar.h"
#include "controls/toolbars/view.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/theme.h"
#include "skin_menu_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// The skinned popup window: the empty submenu that hides, the popup events of the item it shows, the image
// column it measures, and its frame and body in the classic look, the theme's and every built-in skin.

namespace {

class SkinnedPopupWindows : public SkinnedMenuFixture
{
protected:
    void SetUp() override
    {
        SkinnedMenuFixture::SetUp();
        m = MakeFileListMenu(form);
    }
    // Opens the file-list menu with its submenu open (the pointer on hover when given), runs check, and
    // closes both.
    void WithSubmenuOpen(const std::function<void()>& check, const TBarCustomItem* hover = nullptr)
    {
        MouseMove(form, {200, 150}); // a menu follows only a pointer that moves
        TLoopScript script({{[&] { MoveTo(0, m.Submenu); }},
                            {[&] { clock->Advance(QueryMenuShowDelay()); }},
                            {[&] {
                                if (hover)
                                    MoveTo(1, hover);
                            }},
                            {[&] {
                                check();
                                Key("Esc");
                                Key("Esc");
                            }}});
        m.Menu->Popup(MenuPoint.X, MenuPoint.Y);
    }

    TFileListMenu m;
};

TEST_F(SkinnedPopupWindows, AnEmptySubmenuThatHidesItsPopupGetsAWindowOfNoSize)
{
    const struct
    {
        const char* what;
        bool hideEmpty;
        bool childVisible;
        bool noSize;
    } cases[] = {
        {"hides, and has nothing to show", true, false, true},
        {"hides, but has an entry", true, true, false},
        {"shows even when empty", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m.Submenu->SetHideEmptyPopup(c.hideEmpty);
        for (TQvItem* entry : m.SubEntries)
            entry->SetVisible(entry == m.SubEntries[0] && c.childVisible);
        int inits = 0;
        m.Submenu->OnInitPopup = [&](TObject*, TBarView*) { ++inits; };
        WithSubmenuOpen([&] {
            ASSERT_EQ(OpenPopups().size(), 2u) << "the submenu's window is open, sized or not";
            const TBarPopupWindow* sub = Popup(1);
            EXPECT_EQ(sub->Width() == 0 && sub->Height() == 0, c.noSize);
            EXPECT_EQ(inits, 1);
        });
    }
}

TEST_F(SkinnedPopupWindows, TheItemHearsOfItsPopupAlsoWhenItNeverShowed)
{
    std::vector<std::string> log;
    m.Submenu->OnInitPopup = [&](TObject* sender, TBarView* view) {
        EXPECT_EQ(sender, m.Submenu);
        EXPECT_EQ(view->ParentItem(), m.Submenu);
        log.push_back("init");
    };
    m.Submenu->OnClosePopup = [&](TObject* sender) {
        EXPECT_EQ(sender, m.Submenu);
        log.push_back("close");
    };
    TBarPopupWindowClass windowClass = m.Submenu->GetPopupWindowClass();
    windowClass.Create(nullptr, nullptr, m.Submenu, false)->Free();
    EXPECT_EQ(log, (std::vector<std::string>{"close"}));
    log.clear();
    WithSubmenuOpen([] {});
    EXPECT_EQ(log, (std::vector<std::string>{"init", "close"}));
}

TEST_F(SkinnedPopupWindows, AToolbarStylePopupShowsItsEntriesAsButtons)
{
    for (const bool toolbarStyle : {false, true}) {
        m.Submenu->SetToolbarStylePopup(toolbarStyle);
        TBarPopupWindow* window = m.Submenu->GetPopupWindowClass().Create(nullptr, nullptr, m.Submenu, false);
        EXPECT_EQ(window->View()->IsToolbar(), toolbarStyle);
        window->Free();
    }
}

TEST_F(SkinnedPopupWindows, TheImageColumnIsAsLargeAsTheLargestShownImage)
{
    TImageList large(nullptr);
    large.SetWidth(24);
    large.SetHeight(20);
    TBitmap picture(24, 20);
    large.Add(&picture, nullptr);
    const auto measure = [&](TBarCustomItem* item) {
        TBarPopupWindow* window = item->GetPopupWindowClass().Create(nullptr, nullptr, item, false);
        const TSize size = dynamic_cast<TQvPopupWindow&>(*window).MaximumImageSize();
        window->Free();
        return size;
    };
    EXPECT_EQ(measure(m.Menu->Items()), (TSize{16, 16}));
    m.Entries[0]->SetImages(&large);
    EXPECT_EQ(measure(m.Menu->Items()), (TSize{24, 20}));
    EXPECT_EQ(measure(m.Submenu), (TSize{0, 0})) << "no entry of the submenu shows an image";
}

TEST_F(SkinnedPopupWindows, TheHintIsTheSelectedEntrysAsABitmap)
{
    THintInfo info;
    TRect entry;
    TLoopScript script({{[&] { MoveTo(0, m.Entries[1]); }}, {[&] {
                            entry = Popup()->View()->Find(m.Entries[1])->BoundsRect();
                            info.HintStr = "stale";
                            Popup()->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
                            Key("Esc");
                        }}});
    m.Menu->Popup(MenuPoint.X, MenuPoint.Y);
    EXPECT_EQ(info.HintStr, "Entry 2");
    EXPECT_EQ(info.CursorRect, entry);
    EXPECT_NE(info.HintData, nullptr) << "the bitmap the entry's hint is painted in";
    THintInfo none;
    none.HintStr = "stale";
    TLoopScript noSelection({{[&] {
        Popup()->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&none));
        Key("Esc");
    }}});
    m.Menu->Popup(MenuPoint.X, MenuPoint.Y);
    EXPECT_EQ(none.HintStr, "") << "no hint without a selected entry";
}

// The menu with its submenu open in the default skin, themed and classic, and in every built-in skin. The
// body shows the look: a themed or skinned menu paints its gutter beside the entries' images.
TEST_F(SkinnedPopupWindows, AMenuWithItsSubmenuInEveryLook)
{
    struct TLook
    {
        std::string skin;
        bool themes;
        std::string picture;
    };
    std::vector<TLook> looks = {{"Default", true, "skin_menu_default_themed"},
                                {"Default", false, "skin_menu_default_classic"}};
    for (const std::string name : {"Aluminum", "Athen", "Dream", "Eos", "Amber", "Graphite", "Xito", "Flat",
                                   "Gradient", "Glossy Blue", "Glossy Black", "Glossy Silver"})
        looks.push_back({name, true, "skin_menu_" + PictureName(name)});
    for (const TLook& look : looks) {
        SCOPED_TRACE(look.picture);
        SetThemesEnabled(look.themes);
        Manager().SetSkin(look.skin);
        WithSubmenuOpen(
            [&] {
                const auto picture = RenderPopups();
                ASSERT_GT(picture->Width(), 0);
                SaveScreenshot(*picture, look.picture);
                // Left of the first entry, inside the frame: the classic body is the menu colour.
                TBarPopupWindow* menu = Popup(0);
                const TPoint inside{8 + 4, 8 + menu->Height() / 2};
                if (!look.themes) {
                    EXPECT_EQ(picture->Canvas()->Pixels(inside.X, inside.Y), ColorToRGB(clMenu));
                }
                // The submenu's entry under the pointer lights: right of its caption it differs from the
                // entry above it.
                const TRect first = Popup(0)->BoundsRect(), second = Popup(1)->BoundsRect();
                const TPoint area{std::min(first.Left, second.Left), std::min(first.Top, second.Top)};
                const auto rightOfCaption = [&](const TBarCustomItem* item) {
                    TBarPopupWindow* sub = Popup(1);
                    const TRect r = sub->View()->Find(item)->BoundsRect();
                    const TPoint origin = sub->ClientOrigin();
                    return picture->Canvas()->Pixels(origin.X - area.X + 8 + r.Right - 6,
                                                     origin.Y - area.Y + 8 + (r.Top + r.Bottom) / 2);
                };
                EXPECT_NE(rightOfCaption(m.SubEntries[1]), rightOfCaption(m.SubEntries[0]));
            },
            m.SubEntries[1]);
    }
}

} // namespace
