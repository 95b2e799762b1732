#include "controls/toolbars/dock.h"
#include "controls/toolbars/system_queries.h"
#include "controls/toolbars/toolbar.h"
#include "controls/toolbars/view.h"
#include "platform/gui/windows/timers.h"
#include "skin_menu_fixture.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

// The skin changes while menus are open and painting: from a timer, from the entries' pre-paint handlers,
// from the popup events and from a menu command, with a submenu and a toolbar's drop-down open, while the
// pointer hovers, the menu scrolls and closes. Everything that paints must hold the skin it paints with;
// the sanitizer build runs these to catch what still points into a replaced skin.

namespace {

class SkinSwitchInMenus : public SkinnedMenuFixture
{
protected:
    void SetUp() override
    {
        SkinnedMenuFixture::SetUp();
        m = MakeFileListMenu(form);
    }
    // The next skin of a round that mixes skins, the theme and the classic look.
    void NextSkin()
    {
        static constexpr std::array<const char*, 5> round = {"Aluminum", "Default", "Glossy Blue", "Graphite",
                                                             "Flat"};
        Manager().SetSkin(round[switches++ % round.size()]);
    }
    // Every entry of the menu and its submenu switches the skin before it paints, at most limit times.
    void SwitchBeforeEveryPaint(int limit)
    {
        std::vector<TQvItem*> all = m.Entries;
        all.insert(all.end(), m.SubEntries.begin(), m.SubEntries.end());
        for (TQvItem* entry : all)
            entry->OnDrawItem = [this, limit](TObject*, TCanvas&, const TRect&, const TQvMenuItemInfo&,
                                              TQvPaintStage stage, bool&) {
                if (stage == pstPrePaint && switches < limit)
                    NextSkin();
            };
    }
    // In the open menu (popup 0 being the first menu): opens the submenu of submenu, hovers its entries,
    // scrolls the first menu, paints everything, then ends with the last step. Time passes between the
    // steps, so timers run.
    std::vector<TLoopStep> Session(const TBarCustomItem* submenu, const std::vector<TQvItem*>& subEntries,
                                   std::function<void()> last)
    {
        const auto tick = [this] { clock->Advance(60); };
        return {{[=, this] { MoveTo(0, submenu); }},
                {[=, this] { clock->Advance(QueryMenuShowDelay()); }},
                {[=, this] {
                    MoveTo(1, subEntries[1]);
                    tick();
                }},
                {[=, this] {
                    MoveTo(1, subEntries[2]);
                    tick();
                }},
                {[=, this] {
                    if (TBarPopupWindow* first = Popup(0))
                        Wheel(first, {20, 40}, -3 * 120);
                    tick();
                }},
                {[=] {
                    RenderPopups();
                    tick();
                }},
                {last}};
    }
    void RunFileListMenu(std::function<void()> last)
    {
        TLoopScript script(Session(m.Submenu, m.SubEntries, std::move(last)));
        m.Menu->Popup(MenuPoint.X, MenuPoint.Y);
        Pump();
    }
    void CloseAll()
    {
        Key("Esc");
        Key("Esc");
    }

    TFileListMenu m;
    int switches = 0;
};

TEST_F(SkinSwitchInMenus, FromATimer)
{
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(50);
    timer.OnTimer = [this](TObject*) { NextSkin(); };
    timer.SetEnabled(true);
    RunFileListMenu([this] { CloseAll(); });
    timer.SetEnabled(false);
    EXPECT_GE(switches, 5);
}

TEST_F(SkinSwitchInMenus, FromThePrePaintHandlers)
{
    SwitchBeforeEveryPaint(60);
    RunFileListMenu([this] { CloseAll(); });
    EXPECT_GE(switches, 10);
}

TEST_F(SkinSwitchInMenus, FromThePopupEvents)
{
    const auto next = [this](auto&&...) { NextSkin(); };
    m.Menu->OnPopup = next;
    m.Menu->SetOnInitPopup(next);
    m.Menu->SetOnClosePopup(next);
    m.Submenu->OnPopup = next;
    m.Submenu->OnInitPopup = next;
    m.Submenu->OnClosePopup = next;
    RunFileListMenu([this] { CloseAll(); });
    EXPECT_GE(switches, 6) << "the menu's three events and the submenu's";
}

TEST_F(SkinSwitchInMenus, FromAMenuCommand)
{
    bool commandRan = false;
    m.SubEntries[2]->OnClick = [&](TObject*) {
        commandRan = true;
        NextSkin();
    };
    SwitchBeforeEveryPaint(40);
    RunFileListMenu([this] { ClickOn(1, m.SubEntries[2]); });
    EXPECT_TRUE(commandRan) << "once the menu had gone";
    // The next opening paints in the skin the command chose.
    RunFileListMenu([this] { CloseAll(); });
}

TEST_F(SkinSwitchInMenus, WithAToolbarsDropDownOpen)
{
    auto* dock = new TBarDock(form);
    dock->SetParent(form);
    auto* toolbar = new TBarCustomToolbar(form);
    auto* video = new TQvSubmenuItem(form);
    video->SetCaption("Video");
    toolbar->Items()->Add(video);
    auto* more = new TQvSubmenuItem(form);
    more->SetCaption("More");
    video->Add(more);
    std::vector<TQvItem*> moreEntries;
    for (const char* caption : {"One", "Two", "Three"}) {
        auto* entry = new TQvItem(form);
        entry->SetCaption(caption);
        more->Add(entry);
        moreEntries.push_back(entry);
    }
    toolbar->SetParent(dock);
    Pump();
    toolbar->View()->ValidatePositions();
    TTimer timer(nullptr);
    timer.SetEnabled(false);
    timer.SetInterval(50);
    timer.OnTimer = [this](TObject*) { NextSkin(); };
    timer.SetEnabled(true);
    more->OnInitPopup = [this](TObject*, TBarView*) { NextSkin(); };
    const TRect r = toolbar->View()->Find(video)->BoundsRect();
    const TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    std::vector<TLoopStep> steps = Session(more, moreEntries, [this] {
        CloseAll();
        Key("Esc"); // and the toolbar's menu loop
    });
    steps.insert(steps.begin(), {[&] { MouseUp(toolbar, p); }});
    {
        TLoopScript script(steps);
        MouseDown(toolbar, p);
        Pump();
    }
    timer.SetEnabled(false);
    EXPECT_GE(switches, 5);
}

} // namespace
