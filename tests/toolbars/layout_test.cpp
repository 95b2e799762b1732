#include "controls/toolbars/item_metrics.h"
#include "menu_test_support.h"
#include "platform/gui/graphics/gdi.h"

// Views laid out with viewers of fixed sizes.

namespace {

// An item whose viewer is as large as the item says.
class TSizedItem : public TBarCustomItem
{
public:
    TSizedItem(TComponent* owner, int width, int height)
        : TBarCustomItem(owner), width_(width), height_(height)
    {}
    TBarItemViewerClass GetItemViewerClass(TBarView* view) override;
    void AddStyle(TBarItemStyleFlag flag) { FItemStyle.Include(flag); }
    int width_;
    int height_;
};

class TSizedViewer : public TBarItemViewer
{
public:
    using TBarItemViewer::TBarItemViewer;
    void CalcSize(TCanvas&, int& width, int& height) override
    {
        auto* item = static_cast<TSizedItem*>(Item());
        width = item->width_;
        height = item->height_;
    }
};

TBarItemViewerClass TSizedItem::GetItemViewerClass(TBarView*)
{
    return TBarItemViewerClass::Of<TSizedViewer>();
}

// A view that counts its layouts and may have a chevron.
class TCountingView : public TBarView
{
public:
    TCountingView(TBarCustomItem* root, bool isToolbar, TBarCustomItem* chevron = nullptr,
                  TWinControl* window = nullptr)
        : TBarView(nullptr, nullptr, root, window, isToolbar, false, true), chevron_(chevron)
    {
        if (chevron)
            RecreateAllViewers();
    }
    int layouts = 0;

protected:
    TBarCustomItem* GetChevronItem() override { return chevron_; }
    void DoUpdatePositions(TPoint& size) override
    {
        ++layouts;
        TBarView::DoUpdatePositions(size);
    }

private:
    TBarCustomItem* chevron_;
};

class Layout : public testing::Test
{
protected:
    TSizedItem* Button(int width = 30, int height = 22)
    {
        auto* item = new TSizedItem(&owner, width, height);
        root.Add(item);
        return item;
    }
    TBarSeparatorItem* Separator() { return AddSeparator(&root); }
    // The shown viewers' rectangles in list order.
    static std::vector<TRect> Shown(TBarView& view)
    {
        std::vector<TRect> rects;
        for (int i = 0; i < view.ViewerCount(); ++i)
            if (view.Viewers(i)->Show())
                rects.push_back(view.Viewers(i)->BoundsRect());
        return rects;
    }
    TComponent owner{nullptr};
    TBarRootItem root{&owner};
};

TEST_F(Layout, SeparatorsCollapseAndEmptyViewsKeepASize)
{
    TCountingView empty(&root, true);
    empty.ValidatePositions();
    EXPECT_EQ(empty.BaseSize(), (TPoint{23, 22}));

    Separator();
    Button();
    Separator();
    Separator();
    Button();
    Separator();
    TCountingView view(&root, true);
    TPoint base, total;
    int lines = 0;
    view.ComputeLayout(true, tbvoHorizontal, 0, 0, 0, base, total, lines);
    // button, separator, button; the separators at the ends and the second of the pair are hidden.
    EXPECT_EQ(Shown(view), (std::vector<TRect>{{0, 0, 30, 22}, {30, 0, 36, 22}, {36, 0, 66, 22}}));
    EXPECT_EQ(base, (TPoint{66, 22}));
    EXPECT_EQ(lines, 1);
}

TEST_F(Layout, GroupsShowTheirChildrenInlineAndFollowInsertsAndDeletes)
{
    auto* group = new TBarGroupItem(&owner);
    root.Add(group);
    TSizedItem* first = new TSizedItem(&owner, 30, 22);
    TSizedItem* last = new TSizedItem(&owner, 30, 22);
    group->Add(first);
    group->Add(new TSizedItem(&owner, 30, 22));
    group->Add(last);
    TSizedItem* after = Button();
    TCountingView view(&root, true);
    ASSERT_EQ(view.ViewerCount(), 5);
    view.ValidatePositions();
    EXPECT_EQ(view.Viewers(0)->GroupLevel(), 0);
    EXPECT_FALSE(view.Viewers(0)->Show());
    EXPECT_EQ(view.Viewers(3)->GroupLevel(), 1);
    EXPECT_EQ(Shown(view).size(), 4u);

    auto* inserted = new TSizedItem(&owner, 30, 22);
    group->Insert(1, inserted);
    EXPECT_EQ(view.Viewers(2)->Item(), inserted) << "before the group's next child";
    auto* appended = new TSizedItem(&owner, 30, 22);
    group->Add(appended);
    EXPECT_EQ(view.Viewers(5)->Item(), appended) << "after the group's last viewer";
    EXPECT_EQ(view.Viewers(6)->Item(), after);

    TBarView shownAsItself(nullptr, nullptr, &root, nullptr, true, true, false);
    EXPECT_EQ(shownAsItself.ViewerCount(), 2) << "while customizing the group is one viewer";

    root.Remove(group);
    ASSERT_EQ(view.ViewerCount(), 1);
    EXPECT_EQ(view.Viewers(0)->Item(), after);
    group->Free();
}

TEST_F(Layout, AViewShowsTheChildrenOfTheItemItsItemLinksTo)
{
    auto* linked = new TBarRootItem(&owner);
    TSizedItem* a = new TSizedItem(&owner, 30, 22);
    linked->Add(a);
    linked->Add(new TSizedItem(&owner, 30, 22));
    TSizedItem* own = Button();
    root.SetLinkSubitems(linked);
    TCountingView view(&root, true);
    ASSERT_EQ(view.ViewerCount(), 2);
    EXPECT_EQ(view.Viewers(0)->Item(), a);
    linked->Add(new TSizedItem(&owner, 30, 22));
    EXPECT_EQ(view.ViewerCount(), 3) << "it follows the linked item";
    root.SetLinkSubitems(nullptr);
    ASSERT_EQ(view.ViewerCount(), 1) << "unlinked, it shows its own children again";
    EXPECT_EQ(view.Viewers(0)->Item(), own);
}

TEST_F(Layout, ToolbarLinesWrapBreakAtSeparatorsAndAlignRight)
{
    for (int i = 0; i < 5; ++i)
        Button();
    TCountingView view(&root, true);
    TPoint base, total;
    int lines = 0;
    view.ComputeLayout(true, tbvoHorizontal, 100, 0, 0, base, total, lines);
    EXPECT_EQ(Shown(view),
              (std::vector<TRect>{
                  {0, 0, 30, 22}, {30, 0, 60, 22}, {60, 0, 90, 22}, {0, 22, 30, 44}, {30, 22, 60, 44}}));
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(total, (TPoint{100, 44}));

    // A separator before a group that no longer fits becomes a line across the toolbar.
    root.Clear();
    Button(40);
    Button(40);
    Separator();
    Button(40);
    Button(40);
    total = {};
    view.ComputeLayout(true, tbvoHorizontal, 100, 0, 0, base, total, lines);
    const int six = LineBreakSeparatorSize();
    EXPECT_EQ(Shown(view), (std::vector<TRect>{{0, 0, 40, 22},
                                               {40, 0, 80, 22},
                                               {0, 22, 100, 22 + six},
                                               {0, 22 + six, 40, 44 + six},
                                               {40, 22 + six, 80, 44 + six}}));
    EXPECT_TRUE(view.Viewers(2)->State.Contains(tbvsIsLineSeparator));

    // In a wrapped toolbar the right-aligned item of a short line moves to the line's end; in a toolbar that
    // does not wrap nothing moves.
    root.Clear();
    Button(200);
    Button(100);
    Button(100);
    Button(100)->AddStyle(tbisRightAlign);
    total = {};
    view.ComputeLayout(true, tbvoHorizontal, 300, 0, 0, base, total, lines);
    EXPECT_EQ(Shown(view),
              (std::vector<TRect>{{0, 0, 200, 22}, {200, 0, 300, 22}, {0, 22, 100, 44}, {200, 22, 300, 44}}));
    total = {};
    view.ComputeLayout(true, tbvoHorizontal, 0, 0, 0, base, total, lines);
    EXPECT_EQ(view.Viewers(3)->BoundsRect(), (TRect{400, 0, 500, 22}));
}

TEST_F(Layout, AChevronHidesTheLeastWantedButtons)
{
    TSizedItem* chevron = new TSizedItem(&owner, 15, 22);
    std::vector<TSizedItem*> buttons;
    for (int i = 0; i < 4; ++i)
        buttons.push_back(Button());
    TCountingView view(&root, true, chevron);
    view.SetChevronOffset(120);
    view.SetChevronSize(15);
    view.UpdatePositions();
    EXPECT_EQ(Shown(view).size(), 4u) << "120 fits: no chevron";
    EXPECT_FALSE(view.Viewers(4)->Show());

    // A new button is the most wanted; the least wanted, the last of the first four, go until 90 fits 105.
    buttons.push_back(Button());
    view.UpdatePositions();
    EXPECT_TRUE(view.Viewers(3)->OffEdge());
    EXPECT_TRUE(view.Viewers(2)->OffEdge());
    EXPECT_EQ(Shown(view),
              (std::vector<TRect>{{0, 0, 30, 22}, {30, 0, 60, 22}, {60, 0, 90, 22}, {105, 0, 120, 22}}));
    EXPECT_TRUE(chevron->Enabled());
    view.GivePriority(view.Viewers(2));
    EXPECT_FALSE(view.Viewers(2)->OffEdge()) << "given priority, it comes back";
    EXPECT_TRUE(view.Viewers(1)->OffEdge());

    view.SetChevronOffset(20);
    view.UpdatePositions();
    int content = 0;
    for (int i = 0; i < 5; ++i)
        content += view.Viewers(i)->Show() ? 1 : 0;
    EXPECT_EQ(content, 1) << "one button always stays";
}

TEST_F(Layout, HostedControlsHiddenForAChevronGoOutOfSightAndLeaveItDisabled)
{
    TForm* form = ShowTestForm();
    Button();
    std::vector<TEdit*> edits;
    for (int i = 0; i < 2; ++i) {
        auto* edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(0, 0, 30, 22);
        auto* item = new TBarControlItem(&owner);
        item->SetControl(edit);
        item->FDontFreeControl = true;
        root.Add(item);
        edits.push_back(edit);
    }
    TSizedItem* chevron = new TSizedItem(&owner, 15, 22);
    TCountingView view(&root, true, chevron, form);
    view.SetChevronOffset(70);
    view.SetChevronSize(15);
    view.UpdatePositions();
    EXPECT_TRUE(view.Viewers(0)->Show());
    EXPECT_TRUE(view.Viewers(1)->OffEdge());
    EXPECT_TRUE(view.Viewers(2)->OffEdge());
    EXPECT_FALSE(chevron->Enabled()) << "only controls went: the chevron has nothing to show";
    EXPECT_EQ(edits[0]->BoundsRect(), Bounds(form->ClientWidth(), form->ClientHeight(), 30, 22));
    std::vector<TControl*> offEdge;
    view.GetOffEdgeControlList(offEdge);
    EXPECT_EQ(offEdge.size(), 2u);
    view.SetChevronOffset(0);
    view.UpdatePositions();
    EXPECT_EQ(edits[1]->BoundsRect(), (TRect{60, 0, 90, 22}));
    form->Free();
}

TEST_F(Layout, LongPopupsScrollBetweenArrowBands)
{
    for (int i = 0; i < 25; ++i)
        Button(100, 20);
    TCountingView view(&root, false);
    view.SetMaxHeight(300);
    view.UpdatePositions();
    EXPECT_FALSE(view.ShowUpArrow());
    EXPECT_TRUE(view.ShowDownArrow());
    const int arrow = PopupScrollArrowHeight();
    for (int i = 0; i < 25; ++i) {
        const TBarItemViewer* v = view.Viewers(i);
        if (v->Show()) {
            EXPECT_LE(v->BoundsRect().Bottom, 300 - arrow) << i;
        }
    }
    view.ScrollStep(true);
    view.ScrollStep(true);
    view.ScrollStep(true);
    EXPECT_TRUE(view.ShowUpArrow());
    EXPECT_TRUE(view.ShowDownArrow());
    // The first step shows the entry under the band whole (19 at 96 dots per inch), each further one the
    // next.
    EXPECT_EQ(view.ScrollOffset(), 20 - (300 - arrow) % 20 + 2 * 20);
    for (int i = 0; i < 25; ++i) {
        const TBarItemViewer* v = view.Viewers(i);
        const TRect& r = v->BoundsRect();
        if (v->Show())
            EXPECT_TRUE(r.Top >= arrow && r.Bottom <= 300 - arrow) << i;
        else
            EXPECT_TRUE(v->Clipped()) << i;
    }
    EXPECT_EQ(view.Viewers(0)->BoundsRect().Right, 100) << "menu entries share the column";
}

TEST_F(Layout, ABracketOfChangesLaysTheViewOutOnce)
{
    Button();
    TCountingView view(&root, true);
    view.ValidatePositions();
    const int before = view.layouts;
    root.ViewBeginUpdate();
    for (int i = 0; i < 5; ++i)
        Button();
    root.Items(0)->SetCaption("renamed");
    root.Move(0, 3);
    EXPECT_EQ(view.layouts, before);
    root.ViewEndUpdate();
    EXPECT_EQ(view.layouts, before + 1);
    Button();
    EXPECT_EQ(view.layouts, before + 2) << "an insert is a bracket of its own";
}

} // namespace
