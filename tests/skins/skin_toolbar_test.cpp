#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_drag_objects.h"
#include "controls/skins/skin_items.h"
#include "controls/skins/skin_label_items.h"
#include "controls/skins/skin_tool_window.h"
#include "controls/toolbars/position_store.h"
#include "gui_driver.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/standard/edits.h"
#include "platform/system/ini_file.h"
#include "skin_main_window_fixture.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

// The skinned docks and toolbars: the main window's bars (their sizes, their backgrounds across the dock,
// the toolbar and its frame, their repaint when the skin changes), and a toolbar stretched across its dock
// with its display modes, right alignment, anchored controls, customizing drags and stored positions.

namespace {

// Where a control's window lies inside the form's rendered picture.
TPoint OriginInForm(TControl* control, TForm* form)
{
    return form->ScreenToClient(control->ClientToScreen({0, 0}));
}

TEST_F(MainWindowBars, EachDockIsAsHighAsItsBarWithTheFrame)
{
    for (const auto& [dock, bar] :
         {std::pair{bars.MenuDock, bars.MenuBar}, {bars.ButtonDock, bars.ButtonBar}}) {
        SCOPED_TRACE(bar->Name());
        EXPECT_TRUE(bar->Docked());
        EXPECT_EQ(dock->Height(), bar->ClientHeight() + 4);
        EXPECT_EQ(bar->Width(), dock->ClientWidth()) << "full size";
    }
    EXPECT_EQ(bars.ButtonDock->Top(), bars.MenuDock->Top() + bars.MenuDock->Height());
}

TEST_F(MainWindowBars, TheBarsNeitherMoveNorShowAGrip)
{
    for (TQvToolbar* bar : {bars.MenuBar, bars.ButtonBar}) {
        EXPECT_EQ(bar->NonClientWidth(), 4) << bar->Name() << ": the 2-pixel frame only";
        EXPECT_FALSE(bar->IsMovable());
    }
    EXPECT_FALSE(bars.MenuBar->Customizable());
    EXPECT_FALSE(bars.ButtonBar->Customizable());
}

// Under the main skin the menu bar's body is the dock's gradient: down every column, its frame, its client
// area and the dock beside the bar show the same colour in each row.
TEST_F(MainWindowBars, TheBackgroundRunsOnAcrossTheBarsFrame)
{
    Manager().SetSkin("main");
    Pump();
    const auto picture = Render(form);
    for (TQvToolbar* bar : {bars.MenuBar, bars.ButtonBar}) {
        SCOPED_TRACE(bar->Name());
        const TPoint client = OriginInForm(bar, form);
        const int frameLeft = client.X - 2;
        const int top = client.Y - 2;
        for (int y = top; y < top + bar->Height(); ++y) {
            const TColor frame = picture->Canvas()->Pixels(frameLeft, y);
            EXPECT_EQ(picture->Canvas()->Pixels(frameLeft + 1, y), frame) << "row " << y;
            EXPECT_EQ(picture->Canvas()->Pixels(client.X + bar->ClientWidth() - 1, y), frame) << "row " << y;
        }
    }
    // The body of the bars in the skin's colours: the gradient runs from its first colour at the top.
    const TPoint menu = OriginInForm(bars.MenuBar, form);
    EXPECT_EQ(picture->Canvas()->Pixels(menu.X - 2, menu.Y - 2), static_cast<TColor>(0x00EDE7E2));
    const TPoint buttons = OriginInForm(bars.ButtonBar, form);
    EXPECT_EQ(picture->Canvas()->Pixels(buttons.X - 2, buttons.Y - 2), static_cast<TColor>(0x00F8F5F2));
}

TEST_F(MainWindowBars, ASkinChangeRepaintsDocksAndBars)
{
    Pump();
    const TPoint at = OriginInForm(bars.ButtonBar, form);
    const TColor before = ScreenBitmap(form)->Canvas()->Pixels(at.X - 2, at.Y - 2);
    Manager().SetSkin("main");
    Pump();
    const auto after = ScreenBitmap(form);
    EXPECT_NE(after->Canvas()->Pixels(at.X - 2, at.Y - 2), before);
    EXPECT_EQ(after->Canvas()->Pixels(at.X - 2, at.Y - 2), static_cast<TColor>(0x00F8F5F2)) << "the frame";
    const TPoint menu = OriginInForm(bars.MenuBar, form);
    EXPECT_EQ(after->Canvas()->Pixels(menu.X + bars.MenuBar->ClientWidth() - 1, menu.Y),
              after->Canvas()->Pixels(menu.X - 2, menu.Y))
        << "the menu bar's client area beyond its items";
}

std::string PictureName(const std::string& skin)
{
    std::string name = "skin_main_window_bars_" + skin;
    for (char& c : name)
        c = c == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

TEST_F(MainWindowBars, PicturesInEverySkin)
{
    RegisterBuiltInSkins();
    struct TLook
    {
        std::string skin;
        bool themes;
        std::string picture;
    };
    std::vector<TLook> looks = {{"Default", true, PictureName("default_themed")},
                                {"Default", false, PictureName("default_classic")},
                                {"main", true, PictureName("main")}};
    for (const std::string name : {"Aluminum", "Athen", "Dream", "Eos", "Amber", "Graphite", "Xito", "Flat",
                                   "Gradient", "Glossy Blue", "Glossy Black", "Glossy Silver"})
        looks.push_back({name, true, PictureName(name)});
    for (const TLook& look : looks) {
        SCOPED_TRACE(look.picture);
        SetThemesEnabled(look.themes);
        Manager().SetSkin(look.skin);
        Pump();
        const auto picture = Render(form);
        // The bars fill their docks: nothing of the form shows between them.
        const int bottom = bars.ButtonDock->Top() + bars.ButtonDock->Height();
        EXPECT_NE(picture->Canvas()->Pixels(form->ClientWidth() - 1, bottom - 1), form->Color());
        SaveScreenshot(*picture, look.picture, 2);
    }
}

// --- a toolbar stretched across its dock ---

class StretchedToolbar : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        form = ShowTestForm(500, 200);
        dock = new TQvDock(form);
        dock->SetName("TopDock");
        dock->SetParent(form);
        toolbar = new TQvToolbar(form);
        toolbar->SetName("Tools");
        toolbar->SetStretch(true);
        toolbar->SetShrinkMode(tbsmNone);
        Item("Alpha");
        spacer = new TQvRightAlignSpacerItem(form);
        spacer->SetCaption("-");
        toolbar->Items()->Add(spacer);
        Item("Omega");
        toolbar->SetParent(dock);
        Pump();
    }
    void TearDown() override
    {
        form->Free();
        Pump();
        std::filesystem::remove(file);
        SkinManagerFixture::TearDown();
    }
    TQvItem* Item(const std::string& caption)
    {
        auto* item = new TQvItem(form);
        item->SetCaption(caption);
        toolbar->Items()->Add(item);
        return item;
    }
    TRect Bounds(TBarCustomItem* item) { return toolbar->View()->Find(item)->BoundsRect(); }
    // The width the spacer must have for the items behind it to end at the dock's far end.
    int ExpectedSpacerWidth()
    {
        toolbar->View()->ValidatePositions();
        int others = 0;
        for (int i = 0; i < toolbar->View()->ViewerCount(); ++i) {
            TBarItemViewer* viewer = toolbar->View()->Viewers(i);
            if (viewer->Show() && viewer->Item() != spacer)
                others += viewer->BoundsRect().Width();
        }
        return std::max(dock->Width() - toolbar->NonClientWidth() - others, 0);
    }

    TForm* form = nullptr;
    TQvDock* dock = nullptr;
    TQvToolbar* toolbar = nullptr;
    TQvRightAlignSpacerItem* spacer = nullptr;
    const std::string file =
        (std::filesystem::temp_directory_path() /
         ("qm_skin_toolbar_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) +
          "_" + std::to_string(getpid()) + ".ini"))
            .string();
};

TEST_F(StretchedToolbar, TheItemsBehindTheSpacerEndAtTheDocksFarEnd)
{
    EXPECT_EQ(spacer->CustomWidth(), ExpectedSpacerWidth());
    EXPECT_EQ(toolbar->Width(), dock->ClientWidth());
    TBarCustomItem* omega = toolbar->Items()->Items(2);
    EXPECT_EQ(Bounds(omega).Right, toolbar->ClientWidth());

    // A narrower dock aligns the bar again.
    const int before = spacer->CustomWidth();
    form->SetClientWidth(400);
    Pump();
    EXPECT_EQ(spacer->CustomWidth(), ExpectedSpacerWidth());
    EXPECT_EQ(spacer->CustomWidth(), before - 100);

    // Items wider than the dock leave the spacer at nothing.
    for (int i = 0; i < 8; ++i)
        Item("A rather long caption");
    Pump();
    EXPECT_EQ(spacer->CustomWidth(), 0);
}

TEST_F(StretchedToolbar, WithoutStretchOrWithAShrinkModeTheSpacerStaysAsItIs)
{
    struct TCase
    {
        bool stretch;
        TBarShrinkMode shrinkMode;
    };
    for (const TCase c : {TCase{false, tbsmNone}, TCase{true, tbsmWrap}, TCase{true, tbsmChevron}}) {
        SCOPED_TRACE(std::string(c.stretch ? "stretched" : "not stretched") + ", shrink mode " +
                     std::to_string(c.shrinkMode));
        toolbar->SetStretch(c.stretch);
        toolbar->SetShrinkMode(c.shrinkMode);
        spacer->SetCustomWidth(-1);
        Item("Added");
        form->SetClientWidth(form->ClientWidth() - 20);
        Pump();
        EXPECT_EQ(spacer->CustomWidth(), -1);
    }
}

TEST_F(StretchedToolbar, AnAnchoredControlFollowsTheDocksWidthAndLeavesTheCacheWithItsItem)
{
    // The spacer would take the change of width itself.
    spacer->Free();
    auto* edit = new TEdit(form);
    edit->SetBounds(0, 0, 80, 20);
    edit->SetAnchors({akLeft, akTop, akRight});
    auto* item = new TBarControlItem(form);
    item->SetControl(edit);
    toolbar->Items()->Insert(0, item);
    Pump();
    ASSERT_EQ(toolbar->AnchoredControlItems().Count(), 1);
    EXPECT_EQ(toolbar->AnchoredControlItems().Items(0)->Item(), item);
    const int width = edit->Width();
    form->SetClientWidth(450);
    Pump();
    EXPECT_EQ(edit->Width(), width - 50);

    // Freed while the form is being built, when the toolbar does not align its items.
    form->BeginLoading();
    item->Free();
    EXPECT_EQ(toolbar->AnchoredControlItems().Count(), 0) << "no entry outlives its item";
    form->EndLoading();
    form->SetClientWidth(420);
    Pump();
}

TEST_F(StretchedToolbar, PropertiesAndTheirRules)
{
    // Display modes: image above caption brings its two options; any other mode takes them away.
    struct TCase
    {
        TQvToolbarDisplayMode mode;
        bool options;
    };
    toolbar->SetOptions({tboImageAboveCaption, tboSameWidth});
    for (const TCase c : {TCase{tbdmTextOnly, false}, TCase{tbdmImageAboveCaption, true},
                          TCase{tbdmImageOnly, false}, TCase{tbdmSelectiveCaption, false}}) {
        SCOPED_TRACE(c.mode);
        toolbar->SetDisplayMode(c.mode);
        EXPECT_EQ(toolbar->DisplayMode(), c.mode);
        EXPECT_EQ(toolbar->Options().Contains(tboImageAboveCaption), c.options);
        EXPECT_EQ(toolbar->Options().Contains(tboSameWidth), c.options);
    }

    // A menu bar is never customizable.
    EXPECT_TRUE(toolbar->Customizable());
    toolbar->SetMenuBar(true);
    EXPECT_FALSE(toolbar->Customizable());
    toolbar->SetCustomizable(true);
    EXPECT_FALSE(toolbar->Customizable());
    toolbar->SetMenuBar(false);
    EXPECT_TRUE(toolbar->Customizable());

    EXPECT_EQ(toolbar->MaxSize(), -1);
    toolbar->SetMaxSize(18);
    EXPECT_EQ(toolbar->View()->MaxSize(), 18);
    EXPECT_EQ(toolbar->ItemsTextColor(sknsNormal),
              GetCurrentSkin()->GetTextColor(skncToolbarItem, sknsNormal));
}

TEST_F(StretchedToolbar, TheDisplayModeAndAToolWindowsClientSizeGoThroughTheStore)
{
    auto* window = new TQvCustomToolWindow(form);
    window->SetName("Palette");
    window->SetCaption("Palette");
    window->SetDockRow(1);
    window->SetParent(dock);
    window->SetClientAreaSize(120, 60);
    toolbar->SetDisplayMode(tbdmTextOnly);
    Pump();
    ASSERT_EQ(window->ClientWidth(), 120);
    ASSERT_EQ(window->ClientHeight(), 60);
    {
        TIniFile ini(file);
        SaveToolbarPositions(*form, ini);
    }
    toolbar->SetDisplayMode(tbdmImageOnly);
    window->SetClientAreaSize(70, 40);
    Pump();
    ASSERT_EQ(window->ClientWidth(), 70);
    LoadToolbarPositions(*form, TIniFile(file));
    Pump();
    EXPECT_EQ(toolbar->DisplayMode(), tbdmTextOnly);
    EXPECT_EQ(window->ClientWidth(), 120);
    EXPECT_EQ(window->ClientHeight(), 60);

    // A display mode that no mode has leaves the toolbar as it is.
    {
        TIniFile ini(file);
        ini.WriteInteger("Tools", "DisplayMode", 9);
    }
    LoadToolbarPositions(*form, TIniFile(file));
    EXPECT_EQ(toolbar->DisplayMode(), tbdmTextOnly);
}

// --- customizing ---

TEST_F(StretchedToolbar, WhileCustomizedItemsMoveByDragAndDrop)
{
    int platformDrops = 0;
    toolbar->OnDragDrop = [&platformDrops](TObject*, TObject*, int, int) { ++platformDrops; };
    TQvItem* beta = Item("Beta");
    Pump();
    toolbar->View()->ValidatePositions();
    const auto captions = [this] {
        std::vector<std::string> list;
        for (int i = 0; i < toolbar->Items()->Count(); ++i)
            list.push_back(toolbar->Items()->Items(i)->Caption());
        return list;
    };
    const auto centreOf = [this](TBarCustomItem* item) {
        const TRect r = Bounds(item);
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };
    TBarCustomItem* alpha = toolbar->Items()->Items(0);
    toolbar->BeginCustomizing();

    // Onto its own place (the right half of itself): nothing moves, and the drop goes no further.
    TQvItemDragObject own(toolbar, alpha);
    const TRect a = Bounds(alpha);
    toolbar->DragDrop(&own, a.Right - 2, a.Top + 2);
    EXPECT_EQ(captions(), (std::vector<std::string>{"Alpha", "-", "Omega", "Beta"}));
    EXPECT_EQ(platformDrops, 0);

    // Onto the left half of Beta: Alpha goes before it.
    bool accept = false;
    const TPoint onBeta{Bounds(beta).Left + 2, centreOf(beta).Y};
    toolbar->DragOver(&own, onBeta.X, onBeta.Y, dsDragMove, accept);
    EXPECT_TRUE(accept);
    EXPECT_EQ(toolbar->LastDropMark().Left, Bounds(beta).Left);
    TQvItemDragObject move(toolbar, alpha);
    toolbar->DragDrop(&move, onBeta.X, onBeta.Y);
    EXPECT_EQ(captions(), (std::vector<std::string>{"-", "Omega", "Alpha", "Beta"}));
    EXPECT_EQ(platformDrops, 1);
    EXPECT_EQ(toolbar->LastDropMark(), TRect{});

    // Played with the mouse: Beta pressed and carried onto the left half of Omega.
    toolbar->View()->ValidatePositions();
    MouseDown(toolbar, centreOf(beta));
    EXPECT_TRUE(toolbar->Dragging());
    const TPoint onOmega{Bounds(toolbar->Items()->Items(1)).Left + 2, centreOf(beta).Y};
    MouseMove(toolbar, onOmega, {ssLeft});
    MouseUp(toolbar, onOmega);
    Pump();
    EXPECT_FALSE(toolbar->Dragging());
    EXPECT_EQ(captions(), (std::vector<std::string>{"-", "Beta", "Omega", "Alpha"}));

    // Not customized: the press opens items as ever and no drag starts.
    toolbar->EndCustomizing();
    accept = false;
    toolbar->DragOver(&move, onBeta.X, onBeta.Y, dsDragMove, accept);
    EXPECT_FALSE(accept);
}

// A compound bar's toolbar: a control put on it gets its item in the bar's own tree.
TEST_F(StretchedToolbar, ACompoundToolbarsControlsGetItemsInTheBarsTree)
{
    auto* inner = new TQvToolbar(toolbar);
    inner->SetCompoundToolbar(true);
    inner->SetParent(form);
    auto* edit = new TEdit(form);
    edit->SetParent(inner);
    // At the index it would have had in the toolbar of its own.
    TBarCustomItem* wrapper = toolbar->Items()->Items(0);
    ASSERT_NE(dynamic_cast<TBarControlItem*>(wrapper), nullptr);
    EXPECT_EQ(static_cast<TBarControlItem*>(wrapper)->Control(), edit);
    EXPECT_EQ(wrapper->Owner(), form);
    EXPECT_EQ(inner->Items()->Count(), 0);
    EXPECT_EQ(inner->InsertControlItem(0, edit), nullptr) << "the control has its item";
    edit->SetParent(form);
}

} // namespace
