#include "controls/skins/skin_bar_helpers.h"

#include "controls/skins/skin_dock.h"
#include "controls/skins/skin_drag_objects.h"
#include "controls/skins/skin_item_painting.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_label_items.h"
#include "controls/skins/skin_system_menu_copy.h"
#include "controls/skins/skin_toolbar.h"
#include "gui_driver.h"
#include "platform/gui/standard/edits.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The helpers of the skinned bars: drop positions while customizing, right alignment, control items, drag
// handle sizes, drag objects, the copy of a form's window menu and its placement.

namespace {

class BarHelpers : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        form = ShowTestForm(400, 300);
    }
    void TearDown() override
    {
        form->Free();
        Pump();
        SkinManagerFixture::TearDown();
    }
    TQvDock* Dock(TBarDockPosition position)
    {
        auto* dock = new TQvDock(form);
        dock->SetPosition(position);
        dock->SetParent(form);
        return dock;
    }
    TQvItem* Item(TBarCustomItem* parent, const std::string& caption)
    {
        auto* item = new TQvItem(form);
        item->SetCaption(caption);
        parent->Add(item);
        return item;
    }
    TQvToolbar* Toolbar(TBarDock* dock, const std::vector<std::string>& captions)
    {
        auto* toolbar = new TQvToolbar(form);
        for (const std::string& caption : captions)
            Item(toolbar->Items(), caption);
        toolbar->SetParent(dock);
        Pump();
        toolbar->View()->ValidatePositions();
        return toolbar;
    }
    TRect Bounds(TQvToolbar* toolbar, int index) { return toolbar->View()->Viewers(index)->BoundsRect(); }

    TForm* form = nullptr;
};

TEST_F(BarHelpers, ADropLandsBeforeOrAfterTheItemUnderThePointer)
{
    struct TCase
    {
        TBarDockPosition position;
        bool after;
    };
    for (const TCase c :
         {TCase{dpTop, false}, TCase{dpTop, true}, TCase{dpLeft, false}, TCase{dpLeft, true}}) {
        SCOPED_TRACE(std::string(c.position == dpTop ? "horizontal" : "vertical") +
                     (c.after ? " after" : " before"));
        TQvToolbar* toolbar = Toolbar(Dock(c.position), {"Alpha", "Beta", "Gamma"});
        const TRect r = Bounds(toolbar, 1);
        const bool vertical = c.position == dpLeft;
        const TPoint p = vertical ? TPoint{r.Left + 2, c.after ? r.Bottom - 2 : r.Top + 2}
                                  : TPoint{c.after ? r.Right - 2 : r.Left + 2, r.Top + 2};
        TBarItemViewer* viewer = nullptr;
        int index = -1;
        TRect mark;
        GetDropPosition(toolbar->Items(), toolbar->View(), p, viewer, index, mark);
        EXPECT_EQ(viewer, toolbar->View()->Viewers(1));
        EXPECT_EQ(index, c.after ? 2 : 1);
        const TPoint base = toolbar->View()->BaseSize();
        if (vertical) {
            const int row = c.after ? r.Bottom : r.Top;
            EXPECT_EQ(mark, (TRect{0, row, base.X, row + 4}));
        } else {
            const int column = c.after ? r.Right : r.Left;
            EXPECT_EQ(mark, (TRect{column, 0, column + 4, base.Y}));
        }
    }
    // Nothing under the pointer: no position.
    TQvToolbar* toolbar = Toolbar(Dock(dpBottom), {"Alpha"});
    TBarItemViewer* viewer = nullptr;
    int index = 0;
    TRect mark{1, 1, 2, 2};
    GetDropPosition(toolbar->Items(), toolbar->View(), {500, 500}, viewer, index, mark);
    EXPECT_EQ(viewer, nullptr);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(mark, TRect{});
    EXPECT_EQ(ViewerForDrop(nullptr, toolbar->View(), {1, 1}, true), nullptr);
}

TEST_F(BarHelpers, AGroupCountsAsOneItemForDrops)
{
    auto* toolbar = new TQvToolbar(form);
    Item(toolbar->Items(), "Alpha");
    auto* group = new TBarGroupItem(form);
    toolbar->Items()->Add(group);
    Item(group, "Beta");
    Item(group, "Gamma");
    Item(toolbar->Items(), "Delta");
    toolbar->SetParent(Dock(dpTop));
    Pump();
    TBarView* view = toolbar->View();
    view->ValidatePositions();
    TBarItemViewer* groupViewer = view->Find(group);
    const TRect beta = view->Find(group->Items(0))->BoundsRect();
    const TRect gamma = view->Find(group->Items(1))->BoundsRect();
    EXPECT_EQ(GetGroupItemRect(groupViewer, toolbar->Items()),
              (TRect{beta.Left, beta.Top, gamma.Right, gamma.Bottom}));
    EXPECT_EQ(GetGroupItemRect(nullptr, toolbar->Items()), TRect{});
    const TPoint onGamma{gamma.Left + 2, gamma.Top + 2};
    EXPECT_EQ(ViewerForDrop(toolbar->Items(), view, onGamma, true), groupViewer);
    EXPECT_EQ(ViewerForDrop(toolbar->Items(), view, onGamma, false), view->Find(group->Items(1)));
    TBarItemViewer* viewer = nullptr;
    int index = -1;
    TRect mark;
    GetDropPosition(toolbar->Items(), view, onGamma, viewer, index, mark);
    EXPECT_EQ(index, 1) << "before the group, the gamma's left half being the group's left half too";
}

TEST_F(BarHelpers, TheRightAlignSpacerAndWhatFollowsIt)
{
    TQvToolbar* toolbar = Toolbar(Dock(dpTop), {"Alpha", "Beta"});
    int total = -1, aligned = -1;
    EXPECT_EQ(GetRightAlignInfo(toolbar->View(), nullptr, false, total, aligned), nullptr);
    EXPECT_EQ(total, Bounds(toolbar, 0).Width() + Bounds(toolbar, 1).Width());
    EXPECT_EQ(aligned, 0);

    auto* spacer = new TQvRightAlignSpacerItem(form);
    spacer->SetCaption("Spacer");
    toolbar->Items()->Insert(1, spacer);
    toolbar->View()->ValidatePositions();
    std::vector<TBarItemViewer*> list{nullptr};
    EXPECT_EQ(GetRightAlignInfo(toolbar->View(), &list, false, total, aligned), toolbar->View()->Viewers(1));
    EXPECT_EQ(list, (std::vector{toolbar->View()->Viewers(1), toolbar->View()->Viewers(2)}));
    EXPECT_EQ(aligned, Bounds(toolbar, 1).Width() + Bounds(toolbar, 2).Width());
    EXPECT_EQ(GetRightAlignInfo(nullptr, &list, false, total, aligned), nullptr);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(total, 0);
}

TEST_F(BarHelpers, ControlItemsAreFoundInGroupsFirst)
{
    auto* toolbar = new TQvToolbar(form);
    auto* edit = new TEdit(form);
    auto* group = new TBarGroupItem(form);
    auto* inGroup = new TBarControlItem(form);
    inGroup->SetControl(edit);
    group->Add(inGroup);
    auto* direct = new TBarControlItem(form);
    direct->SetControl(edit);
    toolbar->Items()->Add(direct);
    toolbar->Items()->Add(group);
    EXPECT_EQ(FindControlItem(toolbar->Items(), edit, true), inGroup);
    EXPECT_EQ(FindControlItem(toolbar->Items(), edit, false), direct);
    EXPECT_EQ(FindControlItem(nullptr, edit, true), nullptr);
    EXPECT_EQ(FindControlItem(toolbar->Items(), form, true), nullptr);
}

TEST_F(BarHelpers, DragHandleSizesByStyleAndCloseButton)
{
    TQvDock* dock = Dock(dpTop);
    TQvToolbar* toolbar = Toolbar(dock, {"Alpha"});
    struct TCase
    {
        TBarDragHandleStyle style;
        bool closeButton;
        int size;
    };
    for (const TCase c : {TCase{dhDouble, false, 9}, TCase{dhNone, false, 0}, TCase{dhSingle, false, 6},
                          TCase{dhDouble, true, 14}, TCase{dhNone, true, 14}, TCase{dhSingle, true, 14}}) {
        SCOPED_TRACE(std::to_string(c.style) + (c.closeButton ? " with close button" : ""));
        toolbar->SetDragHandleStyle(c.style);
        toolbar->SetCloseButtonWhenDocked(c.closeButton);
        dock->SetAllowDrag(true);
        EXPECT_EQ(GetDragHandleSize(toolbar), c.size);
        dock->SetAllowDrag(false);
        EXPECT_EQ(GetDragHandleSize(toolbar), 0) << "the main window's docks";
    }
    EXPECT_EQ(GetDragHandleSize(nullptr), 0);
    EXPECT_FALSE(IsDockVertical(toolbar));
    TQvToolbar* left = Toolbar(Dock(dpLeft), {"Alpha"});
    EXPECT_TRUE(IsDockVertical(left));
    EXPECT_FALSE(DockBackgroundInUse(dock)) << "no background object";
}

TEST_F(BarHelpers, ControlsAndTheirParents)
{
    TQvDock* dock = Dock(dpTop);
    TQvToolbar* toolbar = Toolbar(dock, {"Alpha"});
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    Pump();
    EXPECT_EQ(FindParentOfClass<TQvDock>(toolbar), dock);
    EXPECT_EQ(FindParentOfClass<TForm>(toolbar), form);
    EXPECT_EQ(FindParentOfClass<TQvDock>(dock), nullptr) << "the search starts at the parent";
    EXPECT_EQ(FindParentOfClass<TQvDock>(nullptr), nullptr);
    EXPECT_EQ(IndexOfControl(dock, toolbar), 0);
    EXPECT_EQ(IndexOfControl(dock, edit), -1);
    EXPECT_TRUE(CanFocusControl(edit));
    edit->SetFocus();
    EXPECT_FALSE(CanFocusControl(edit)) << "it has the focus already";
    EXPECT_FALSE(CanFocusControl(nullptr));
    EXPECT_TRUE(RecalcFrame(toolbar));
}

// A control that counts how its drag ended.
class TDragSource : public TEdit
{
public:
    using TEdit::TEdit;
    void DragCanceled() override { ++Cancelled; }
    void DoEndDrag(TObject* target, int, int) override { Ends.push_back(target); }
    int Cancelled = 0;
    std::vector<TObject*> Ends;
};

TEST_F(BarHelpers, ADragObjectTellsItsSourceHowTheDragEnded)
{
    auto* source = new TDragSource(form);
    auto* item = new TQvItem(form);
    TQvItemDragObject drag(source, item);
    EXPECT_EQ(drag.SouceItem(), item);
    EXPECT_EQ(drag.GetDragCursor(true, 0, 0), crQvDragMove);
    EXPECT_EQ(drag.GetDragCursor(false, 0, 0), crNo);
    drag.Finished(form, 1, 2, true);
    drag.Finished(form, 1, 2, false);
    EXPECT_EQ(source->Cancelled, 1);
    EXPECT_EQ(source->Ends, (std::vector<TObject*>{form, nullptr})) << "a refused drop has no target";
    TQvItemDragObject orphan(nullptr, item);
    orphan.Finished(form, 0, 0, false);
}

// --- the window menu and placement ---

struct TEntry
{
    bool visible;
    bool enabled;
    bool bold;
    int glyph;
};

TEntry EntryOf(TBarCustomItem* parent, unsigned command)
{
    for (int i = 0; i < parent->Count(); ++i) {
        TBarCustomItem* item = parent->Items(i);
        if (static_cast<unsigned>(item->Tag()) == command) {
            const int glyph = item->Images() == GlyphImageList() ? item->ImageIndex() : -1;
            return {item->Visible(), item->Enabled(), item->Options().Contains(tboDefault), glyph};
        }
    }
    ADD_FAILURE() << "no entry " << command;
    return {};
}

TEST_F(BarHelpers, TheWindowMenuCopiedForAMaximizedForm)
{
    auto* root = new TQvItem(form);
    int clicks = 0;
    const TNotifyEvent onClick = [&clicks](TObject*) { ++clicks; };
    form->SetWindowState(wsMaximized);
    Pump();
    ASSERT_TRUE(FillSystemMenuItems(form, root, true, false, true, true, onClick));
    struct TCase
    {
        unsigned command;
        TEntry entry;
    };
    for (const TCase c :
         {TCase{SC_RESTORE, {true, true, false, 3}}, TCase{SC_MOVE, {true, false, false, -1}},
          TCase{SC_SIZE, {true, false, false, -1}}, TCase{SC_MINIMIZE, {false, true, false, 2}},
          TCase{SC_MAXIMIZE, {true, false, false, 1}}, TCase{SC_CLOSE, {true, true, true, 0}}}) {
        SCOPED_TRACE(c.command);
        const TEntry e = EntryOf(root, c.command);
        EXPECT_EQ(e.visible, c.entry.visible);
        EXPECT_EQ(e.enabled, c.entry.enabled);
        EXPECT_EQ(e.bold, c.entry.bold);
        EXPECT_EQ(e.glyph, c.entry.glyph);
    }
    const int count = root->Count();
    root->Items(0)->OnClick(root->Items(0));
    EXPECT_EQ(clicks, 1);

    // Filled again for the normal form: the same entries, not twice as many.
    form->SetWindowState(wsNormal);
    Pump();
    ASSERT_TRUE(FillSystemMenuItems(form, root, true, true, true, true, onClick));
    EXPECT_EQ(root->Count(), count);
    EXPECT_FALSE(EntryOf(root, SC_RESTORE).enabled);
    EXPECT_TRUE(EntryOf(root, SC_MAXIMIZE).enabled);

    EXPECT_FALSE(FillSystemMenuItems(nullptr, root, true, true, true, true, onClick));
    EXPECT_FALSE(CopyMenuItems(GetSystemMenu(form->Handle(), false), nullptr));
    EXPECT_FALSE(CopyMenuItems(nullptr, root));
}

TEST_F(BarHelpers, APlacementComesBackAsItWasSet)
{
    SetWindowPlacementInfo(form, 0, {30, 40, 320, 240});
    TRect rect;
    EXPECT_EQ(GetWindowPlacementInfo(form, rect), 0);
    EXPECT_EQ(rect, (TRect{30, 40, 320, 240})) << "left, top, width and height";
    SetWindowPlacementInfo(form, 2, {});
    EXPECT_EQ(GetWindowPlacementInfo(form, rect), 2);
    EXPECT_EQ(rect, (TRect{30, 40, 320, 240})) << "the normal position stays";
    EXPECT_EQ(GetWindowPlacementInfo(nullptr, rect), 0);
    EXPECT_EQ(rect, TRect{});
}

} // namespace
