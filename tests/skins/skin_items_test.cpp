#include "controls/skins/skin_item_cache.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_label_items.h"
#include "controls/skins/skin_system_menu_item.h"
#include "controls/toolbars/dock.h"
#include "controls/toolbars/item_viewer.h"
#include "controls/toolbars/popup_window.h"
#include "controls/toolbars/toolbar.h"
#include "gui_driver.h"
#include "loop_script.h"
#include "platform/gui/core/exceptions.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/standard/panels.h"
#include "platform/gui/windows/actions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The skinned items: their looks and what a change of them makes the views do, the linked control a click
// toggles and the check mark follows, the owner-draw and popup events, labels, the window-menu item and the
// cache of anchored items.

namespace {

// Writes down what the views of a root item hear.
struct TViewsHear
{
    void Heard(TBarCustomItem*, bool, TBarItemChangedAction action, int, TBarCustomItem*)
    {
        actions.push_back(action);
    }
    TBarItemChangedProc Proc() { return ItemChangedProc<&TViewsHear::Heard>(this); }
    std::vector<TBarItemChangedAction> actions;
};

class SkinnedItems : public testing::Test
{
protected:
    void SetUp() override { root.RegisterNotification(views.Proc()); }
    void TearDown() override { root.UnregisterNotification(views.Proc()); }
    template <typename T = TQvItem> T* NewItem(const std::string& caption = "Item")
    {
        auto* item = new T(&owner);
        item->SetCaption(caption);
        root.Add(item);
        views.actions.clear();
        return item;
    }
    TComponent owner{nullptr};
    TQvRootItem root{&owner};
    TViewsHear views;
};

TEST_F(SkinnedItems, LooksRepaintOrRelayoutTheViewsOnlyWhenTheyChange)
{
    using Setter = std::function<void(TQvItem&)>;
    struct Case
    {
        const char* name;
        Setter set;
        std::vector<TBarItemChangedAction> heard;
    };
    const std::vector<TBarItemChangedAction> repaint{tbicInvalidate}, relayout{tbicInvalidateAndResize}, none;
    const Case cases[] = {
        {"alignment", [](TQvItem& i) { i.SetAlignment(taRightJustify); }, repaint},
        {"alignment kept", [](TQvItem& i) { i.SetAlignment(taCenter); }, none},
        {"glow", [](TQvItem& i) { i.SetCaptionGlow(gldAll); }, repaint},
        {"glow colour", [](TQvItem& i) { i.SetCaptionGlowColor(0x00FF0000); }, repaint},
        {"glow colour kept", [](TQvItem& i) { i.SetCaptionGlowColor(0x0000FFFF); }, none},
        {"wrapping", [](TQvItem& i) { i.SetWrapping(twEndEllipsis); }, repaint},
        {"custom width", [](TQvItem& i) { i.SetCustomWidth(40); }, relayout},
        {"custom width below -1 is -1", [](TQvItem& i) { i.SetCustomWidth(-5); }, none},
        {"custom height", [](TQvItem& i) { i.SetCustomHeight(26); }, relayout},
        {"margins", [](TQvItem& i) { i.SetMargins(5); }, relayout},
        {"min height", [](TQvItem& i) { i.SetMinHeight(30); }, relayout},
        {"min width", [](TQvItem& i) { i.SetMinWidth(30); }, relayout},
        {"stretch", [](TQvItem& i) { i.SetStretch(false); }, relayout},
        {"stretch kept", [](TQvItem& i) { i.SetStretch(true); }, none},
        {"anchored", [](TQvItem& i) { i.SetAnchored(true); }, none},
        {"font size", [](TQvItem& i) { i.FontSettings().SetSize(120); }, relayout},
        {"font name", [](TQvItem& i) { i.FontSettings().SetName("DejaVu Sans"); }, relayout},
        {"font colour", [](TQvItem& i) { i.FontSettings().SetColor(0x000000FF); }, relayout},
        {"font style", [](TQvItem& i) { i.FontSettings().SetStyle({fsBold}); }, relayout},
        {"font size kept", [](TQvItem& i) { i.FontSettings().SetSize(100); }, none},
        {"font settings assigned at once",
         [](TQvItem& i) {
             TQvFontSettings other;
             other.SetName("DejaVu Sans");
             other.SetSize(80);
             other.SetStyle({fsItalic});
             i.SetFontSettings(other);
         },
         relayout},
    };
    for (const Case& c : cases) {
        TQvItem* item = NewItem();
        c.set(*item);
        EXPECT_EQ(views.actions, c.heard) << c.name;
        item->Free();
    }

    TQvItem* item = NewItem();
    item->SetCustomWidth(-5);
    item->SetCustomHeight(-100);
    EXPECT_EQ(item->CustomWidth(), -1);
    EXPECT_EQ(item->CustomHeight(), -1);
    item->SetCustomWidth(12);
    item->SetCustomWidth(-7);
    EXPECT_EQ(item->CustomWidth(), -1) << "back to measured";
}

TEST_F(SkinnedItems, AFontSizeOutsideItsRangeIsRefusedAndTheOldOneKept)
{
    TQvItem* item = NewItem();
    item->FontSettings().SetSize(150);
    views.actions.clear();
    for (int size : {24, 1001, -100, 0}) {
        EXPECT_THROW(item->FontSettings().SetSize(size), ERangeError) << size;
        EXPECT_EQ(item->FontSettings().Size(), 150);
    }
    item->FontSettings().SetSize(25);
    item->FontSettings().SetSize(1000);
    EXPECT_EQ(views.actions.size(), 2u);
}

TEST_F(SkinnedItems, ShortcutTextComesAfterTheTabOrFromTheShortcut)
{
    struct Case
    {
        const char* caption;
        TShortCut shortCut;
        const char* expected;
    };
    const TShortCut ctrlO = ShortCut('O', {ssCtrl});
    const Case cases[] = {
        {"Open\tCtrl+Shift+O", ctrlO, "Ctrl+Shift+O"},
        {"Open\t", ctrlO, "Ctrl+O"}, // a tab at the end names no shortcut
        {"Open", ctrlO, "Ctrl+O"},
        {"Open", 0, ""},
        {"Open\t", 0, ""},
        {"A\tB\tC", 0, "B\tC"},
    };
    for (const Case& c : cases) {
        TQvItem* item = NewItem(c.caption);
        item->SetShortCut(c.shortCut);
        EXPECT_EQ(item->GetShortCutText(), c.expected) << c.caption;
        item->Free();
    }
}

TEST_F(SkinnedItems, AClickTogglesTheLinkedControlFirstAndADisabledItemLeavesItAlone)
{
    struct Case
    {
        bool enabled;
        bool withAction;
        bool ownHandler;
        bool visibleAfter;
        const char* ran;
    };
    const Case cases[] = {
        {true, true, false, false, "action"}, {true, false, true, false, "item"},
        {true, false, false, false, ""},      {false, true, false, true, ""},
        {false, false, true, true, ""},
    };
    TForm* form = ShowTestForm();
    for (const Case& c : cases) {
        const int index = static_cast<int>(&c - cases);
        auto* panel = new TPanel(form);
        panel->SetParent(form);
        std::string ran;
        bool visibleWhenRun = true;
        TAction action(&owner);
        action.OnExecute = [&](TObject*) { ran = "action", visibleWhenRun = panel->Visible(); };
        TQvItem* item = NewItem();
        if (c.withAction)
            item->SetAction(&action);
        if (c.ownHandler)
            item->OnClick = [&](TObject*) { ran = "item", visibleWhenRun = panel->Visible(); };
        item->SetControl(panel);
        item->SetEnabled(c.enabled);
        item->Click();
        EXPECT_EQ(panel->Visible(), c.visibleAfter) << index;
        EXPECT_EQ(ran, c.ran) << index;
        if (!ran.empty()) {
            EXPECT_FALSE(visibleWhenRun) << index << ": the control had toggled before the command ran";
        }
        item->Free();
        panel->Free();
    }
    form->Free();
}

TEST_F(SkinnedItems, AClickQueuedBeforeTheItemWasDisabledDoesNotToggleItsControl)
{
    TForm* form = ShowTestForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    TQvItem* item = NewItem();
    item->SetControl(panel);
    item->PostClick();
    item->SetEnabled(false);
    Pump();
    EXPECT_TRUE(panel->Visible());
    item->SetEnabled(true);
    item->PostClick();
    Pump();
    EXPECT_FALSE(panel->Visible());
    form->Free();
}

// A toolbar of skinned items on a dock, clicked with the mouse.
class SkinnedToolbar : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(360, 200);
        auto* dock = new TBarDock(form);
        dock->SetParent(form);
        toolbar = new TBarCustomToolbar(form);
        toolbar->SetParent(dock);
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(0, 100, 100, 50);
        Pump();
    }
    void TearDown() override
    {
        form->Free();
        Pump();
    }
    // A press on the item's button, which enters the toolbar's menu loop, and the release inside it; the
    // click then runs from the message loop.
    void ClickButton(TBarCustomItem* item)
    {
        toolbar->View()->ValidatePositions();
        const TRect r = toolbar->View()->Find(item)->BoundsRect();
        const TPoint centre{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        TLoopScript script({{[&] { MouseUp(toolbar, centre); }}});
        MouseDown(toolbar, centre);
        Pump();
    }
    TForm* form = nullptr;
    TBarCustomToolbar* toolbar = nullptr;
    TPanel* panel = nullptr;
};

TEST_F(SkinnedToolbar, TheButtonShowsAndHidesItsControlAndTheUpdateCycleChecksItFromTheControl)
{
    auto* action = new TAction(form);
    int runs = 0;
    action->OnExecute = [&](TObject*) { ++runs; };
    action->OnUpdate = [&](TObject*) { action->SetCaption("Show the list"); };
    auto* item = new TQvItem(form);
    item->SetAction(action);
    toolbar->Items()->Add(item);
    item->SetControl(panel);
    EXPECT_TRUE(item->Checked()) << "linking takes the control's visibility";

    ClickButton(item);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(panel->Visible());
    toolbar->InitiateAction();
    EXPECT_EQ(item->Caption(), "Show the list") << "the action had its update";
    EXPECT_FALSE(item->Checked());

    // Shown by other means, the control checks the item at the next update.
    panel->SetVisible(true);
    toolbar->InitiateAction();
    EXPECT_TRUE(item->Checked());

    // A control that goes is forgotten; clicks go on working.
    panel->Free();
    panel = nullptr;
    EXPECT_EQ(item->Control(), nullptr);
    ClickButton(item);
    EXPECT_EQ(runs, 2);
    toolbar->InitiateAction();
    EXPECT_TRUE(item->Checked()) << "nothing to follow any more";
}

TEST_F(SkinnedItems, AControlLinkedWhileLoadingDoesNotTouchTheCheckMark)
{
    TForm* form = ShowTestForm();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    TQvItem* item = NewItem();
    item->BeginLoading();
    item->SetControl(panel);
    EXPECT_FALSE(item->Checked());
    item->InitiateAction();
    EXPECT_FALSE(item->Checked());
    item->EndLoading();
    item->InitiateAction();
    EXPECT_TRUE(item->Checked());
    form->Free();
}

TEST_F(SkinnedItems, DrawEventsReachTheirHandlersWhichMayTurnOffTheDefaultPainting)
{
    TBitmap bitmap(20, 20);
    TCanvas& canvas = *bitmap.Canvas();
    const TQvMenuItemInfo info;
    std::vector<TQvPaintStage> stages;

    TQvItem* item = NewItem();
    bool paintDefault = true;
    item->DoDrawItem(canvas, {0, 0, 20, 20}, info, pstPrePaint, paintDefault);
    EXPECT_TRUE(paintDefault) << "without a handler nothing changes";
    item->OnDrawItem = [&](TObject* sender, TCanvas&, const TRect&, const TQvMenuItemInfo&,
                           TQvPaintStage stage, bool& paint) {
        EXPECT_EQ(sender, item);
        stages.push_back(stage);
        paint = stage != pstPrePaint;
    };
    item->DoDrawItem(canvas, {0, 0, 20, 20}, info, pstPrePaint, paintDefault);
    EXPECT_FALSE(paintDefault);

    item->OnDrawCaption = [](TObject*, TCanvas&, const TRect&, TQvSkinStatesType, std::string& caption,
                             TRect& rect, uint32_t& format, bool, TQvPaintStage, bool&) {
        caption = "Changed";
        rect.Left += 2;
        format |= 0x20;
    };
    std::string caption = "Caption";
    TRect captionRect{0, 0, 20, 20};
    uint32_t format = 0;
    item->DoDrawCaption(canvas, captionRect, sknsHotTrack, caption, captionRect, format, false, pstPrePaint,
                        paintDefault);
    EXPECT_EQ(caption, "Changed");
    EXPECT_EQ(captionRect.Left, 2);
    EXPECT_EQ(format, 0x20u);

    item->OnDrawImage = [](TObject*, TCanvas&, TQvSkinStatesType, TQvPaintStage, TCustomImageList*& images,
                           int& index, TRect&, bool&) {
        images = nullptr;
        index = 3;
    };
    TCustomImageList* images = nullptr;
    int imageIndex = 0;
    item->DoDrawImage(canvas, sknsNormal, pstPostPaint, images, imageIndex, captionRect, paintDefault);
    EXPECT_EQ(imageIndex, 3);

    item->OnDrawHint = [](TObject*, TBitmap*, std::string& hint, bool& paint) {
        hint = "Long hint", paint = false;
    };
    std::string hint = "Hint";
    paintDefault = true;
    item->DoDrawHint(&bitmap, hint, paintDefault);
    EXPECT_EQ(hint, "Long hint");
    EXPECT_FALSE(paintDefault);

    // A label never gets the default background, and its handler is asked as if it would.
    auto* label = NewItem<TQvCustomLabelItem>("Label");
    bool askedWith = false;
    label->OnDrawItem = [&](TObject*, TCanvas&, const TRect&, const TQvMenuItemInfo&, TQvPaintStage,
                            bool& paint) { askedWith = paint; };
    paintDefault = false;
    label->DoDrawItem(canvas, {0, 0, 20, 20}, info, pstPrePaint, paintDefault);
    EXPECT_TRUE(askedWith);
    EXPECT_FALSE(paintDefault);
}

TEST_F(SkinnedItems, PopupEventsFireAsTheItemsWindowShowsAndHides)
{
    TForm* form = ShowTestForm();
    auto* submenu = NewItem<TQvSubmenuItem>("Columns");
    std::vector<std::string> log;
    submenu->OnInitPopup = [&](TObject* sender, TBarView* view) {
        log.push_back(sender == submenu && view ? "init" : "init without view");
    };
    submenu->OnClosePopup = [&](TObject*) { log.push_back("close"); };
    submenu->DoPopupVisibilityChanged(nullptr, true);
    submenu->DoPopupVisibilityChanged(nullptr, false);
    EXPECT_TRUE(log.empty()) << "no window, no event";

    auto* window = new TBarPopupWindow(form, nullptr, submenu, false);
    submenu->DoPopupVisibilityChanged(window, true);
    submenu->DoPopupVisibilityChanged(window, false);
    root.OnInitPopup = [&](TObject* sender, TBarView*) {
        log.push_back(sender == &root ? "root init" : "?");
    };
    root.OnClosePopup = [&](TObject*) { log.push_back("root close"); };
    root.DoPopupVisibilityChanged(window, true);
    root.DoPopupVisibilityChanged(window, false);
    root.DoPopupVisibilityChanged(nullptr, false);
    EXPECT_EQ(log, (std::vector<std::string>{"init", "close", "root init", "root close"}));
    window->Free();
    form->Free();
}

TEST_F(SkinnedItems, SubmenusAndRootsCarryTheirStylesAndOptions)
{
    auto* submenu = NewItem<TQvSubmenuItem>("View");
    EXPECT_TRUE(submenu->ItemStyle().Contains(tbisSubmenu));
    EXPECT_TRUE(submenu->ItemStyle().Contains(tbisSubitemsEditable));
    submenu->SetDropdownCombo(true);
    submenu->SetDropdownCombo(true);
    EXPECT_TRUE(submenu->ItemStyle().Contains(tbisCombo));
    EXPECT_EQ(views.actions, std::vector{tbicInvalidateAndResize});
    submenu->SetDropdownCombo(false);
    EXPECT_FALSE(submenu->DropdownCombo());

    submenu->SetToolBoxPopup(true);
    EXPECT_TRUE(submenu->ToolBoxPopup());
    EXPECT_TRUE(submenu->Options().Contains(tboToolbarStyle));
    submenu->SetOptions({tboShowHint});
    submenu->SetToolBoxPopup(true);
    EXPECT_EQ(submenu->Options(), (TBarItemOptions{tboShowHint, tboToolbarStyle}))
        << "set again though unchanged";
    submenu->SetToolBoxPopup(false);
    EXPECT_EQ(submenu->Options(), TBarItemOptions{tboShowHint});

    root.SetToolBoxPopup(true);
    EXPECT_TRUE(root.Options().Contains(tboToolbarStyle));
    root.SetToolBoxPopup(false);
    EXPECT_FALSE(root.Options().Contains(tboToolbarStyle));

    auto* label = NewItem<TQvRightAlignSpacerItem>("");
    EXPECT_FALSE(label->ItemStyle().Contains(tbisSelectable));
    EXPECT_TRUE(label->ItemStyle().Contains(tbisClicksTransparent));
    EXPECT_EQ(label->Alignment(), taLeftJustify);
    EXPECT_FALSE(label->Stretch());
    EXPECT_EQ(label->DisplayMode(), nbdmImageAndText);
}

TEST_F(SkinnedItems, ALabelsAcceleratorFocusesItsControlWhichItNeverToggles)
{
    TForm* form = ShowTestForm();
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetFocus();
    auto* label = NewItem<TQvCustomLabelItem>("&Name:");
    label->SetControl(edit);
    EXPECT_FALSE(label->Checked()) << "a label does not follow its control";

    EXPECT_FALSE(label->DialogChar('x'));
    label->SetEnabled(false);
    EXPECT_FALSE(label->DialogChar('n'));
    label->SetEnabled(true);
    EXPECT_TRUE(label->DialogChar('N'));
    EXPECT_TRUE(edit->Focused());
    EXPECT_FALSE(label->DialogChar('n')) << "already focused";

    label->Click();
    EXPECT_TRUE(edit->Visible());
    EXPECT_FALSE(NewItem<TQvItem>("&Name")->DialogChar('n')) << "other items take no accelerators";
    form->Free();
}

TEST_F(SkinnedItems, TheWindowMenuItemMaximizesItsFormAndSendsItTheOtherCommands)
{
    TForm* form = ShowTestForm();
    TCustomForm* mainForm = Application->MainForm();
    Application->SetMainForm(form);
    auto* system = NewItem<TQvSystemMenuItem>("");
    EXPECT_EQ(TQvSystemMenuItem(&owner).Caption(), "&-");
    EXPECT_TRUE(system->ItemStyle().Contains(tbisSubmenu));
    EXPECT_TRUE(system->ItemStyle().Contains(tbisDontSelectFirst));
    EXPECT_FALSE(system->ItemStyle().Contains(tbisRedrawOnSelChange));
    EXPECT_TRUE(system->ShowSize());
    EXPECT_EQ(system->TargetForm(), form) << "no bar holds it: the main form";

    int closeAsked = 0;
    form->OnCloseQuery = [&](TObject*, bool& canClose) { ++closeAsked, canClose = false; };
    TComponent closeEntry(nullptr), maximizeEntry(nullptr);
    closeEntry.SetTag(SC_CLOSE);
    maximizeEntry.SetTag(SC_MAXIMIZE);
    system->EntryClick(&closeEntry);
    EXPECT_EQ(closeAsked, 1);
    system->EntryClick(&maximizeEntry);
    EXPECT_EQ(form->WindowState(), wsMaximized);

    auto* child = new TQvItem(&owner);
    system->Add(child);
    system->Click();
    // The entries are made afresh at each opening from the form's window menu: restore, move, size, minimize,
    // maximize, a separator and close.
    ASSERT_EQ(system->Count(), 7);
    EXPECT_EQ(system->Items(0)->Tag(), static_cast<int>(SC_RESTORE));
    EXPECT_EQ(system->Items(6)->Tag(), static_cast<int>(SC_CLOSE));

    form->OnCloseQuery = nullptr;
    Application->SetMainForm(mainForm);
    form->Free();
}

TEST(SkinnedItemCache, EntriesAreFoundByItemAndNamedAfterIt)
{
    TComponent owner(nullptr);
    auto* item = new TQvItem(&owner);
    item->SetName("ConvertButton");
    TQvItem other(&owner);
    TQvItemCacheCollection cache;
    EXPECT_EQ(cache.IndexOf(item), -1);
    EXPECT_EQ(cache.Add(&other), 0);
    EXPECT_EQ(cache.Add(item), 1);
    EXPECT_EQ(cache.Add(item), 2);
    EXPECT_EQ(cache.IndexOf(item), 1) << "the first entry";
    EXPECT_EQ(cache.IndexOf(nullptr), -1);
    EXPECT_EQ(cache.Items(1)->Name(), "ConvertButton");

    TQvItemCache* entry = cache.Items(1);
    entry->SetName("Stored");
    entry->SetWidth(40), entry->SetHeight(22), entry->SetParentWidth(300), entry->SetParentHeight(26);
    TQvItemCacheCollection copies;
    auto* copy = static_cast<TQvItemCache*>(copies.TCollection::Add());
    copy->SetName("Own");
    copy->Assign(entry);
    EXPECT_EQ(copy->Item(), item);
    EXPECT_EQ(copy->Width(), 40);
    EXPECT_EQ(copy->Height(), 22);
    EXPECT_EQ(copy->ParentWidth(), 300);
    EXPECT_EQ(copy->ParentHeight(), 26);
    copy->SetItem(nullptr);
    EXPECT_EQ(copy->Name(), "Own") << "the stored name is not copied";
    item->Free();
}

} // namespace
