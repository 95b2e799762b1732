#include "cell_host.h"
#include "controls/grid/check_box_column.h"
#include "controls/grid/check_box_play.h"
#include "controls/grid/text_column.h"
#include "controls/grid/tree_column.h"
#include "controls/grid/tree_column_play.h"
#include "gui_driver.h"
#include "paint_test_support.h"
#include "theme_switch.h"

#include "support/system_colors.h"

#include <gtest/gtest.h>

namespace {

// Plays handed events the way a grid hands them: loaded with the cell first, coordinates in the cell.
class ColumnPlays : public testing::Test
{
protected:
    template <typename Play> Play& Load(TGxCustomColumn& column, const TRect& cell, bool value = false)
    {
        auto& play = dynamic_cast<Play&>(*column.Play());
        play.SetClientRect(cell);
        play.SetAsBoolean(value);
        play.OnChange = [this, &play](TObject* sender) {
            EXPECT_EQ(sender, &play);
            log.push_back(std::string("grid ") + (play.AsBoolean() ? "on " : "off ") + play.AsString());
        };
        play.OnExpand = [this](TObject*) { log.push_back("expand"); };
        return play;
    }

    TComponent owner{nullptr};
    std::vector<std::string> log;
};

} // namespace

TEST_F(ColumnPlays, CheckBoxTogglesOnAClickInTheBoxOrTheSpaceKey)
{
    TThemeSwitch themes(false);
    auto* column = new TGxCheckBoxColumn(&owner);
    column->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, column);
        log.push_back("column");
    };
    // The 40 x 20 cell grown by 1: the 11 x 11 box 2 pixels in from its left, centred vertically.
    auto& play = Load<TCheckBoxColumnPlay>(*column, {100, 40, 140, 60});
    EXPECT_EQ(play.GetCheckBoxRect(), (TRect{1, 5, 12, 16}));

    play.MouseUp(mbLeft, {}, 0, 10); // left of the box
    play.MouseUp(mbLeft, {}, 12, 10);
    EXPECT_TRUE(log.empty());
    play.MouseUp(mbLeft, {}, 1, 5);
    play.MouseUp(mbLeft, {}, 11, 15);
    EXPECT_EQ(log, std::vector<std::string>({"grid on True", "column", "grid off False", "column"}));

    // Without coCanClick only the space key toggles.
    log.clear();
    column->SetOptions(column->Options() - coCanClick);
    play.MouseUp(mbLeft, {}, 5, 10);
    char32_t key = U'x';
    play.KeyPress(key);
    EXPECT_TRUE(log.empty());
    key = U' ';
    play.KeyPress(key);
    EXPECT_EQ(log, std::vector<std::string>({"grid on True", "column"}));

    column->SetAlignment(taCenter);
    TThemeSwitch themed(true);
    EXPECT_EQ(play.GetCheckBoxRect(), (TRect{14, 4, 27, 17}));
}

TEST_F(ColumnPlays, ShowingAPlayRepaintsItsDisplay)
{
    TThemeSwitch themes(false);
    auto* column = new TGxCheckBoxColumn(&owner);
    auto bitmap = FilledBitmap(40, 20, clWhite);
    TColumnDisplay& display = *column->Display();
    display.SetCanvas(bitmap->Canvas());
    display.SetClientRect({0, 0, 40, 20});
    display.SetAsBoolean(false);
    TColumnPlay& play = *column->Play();
    play.SetAsBoolean(true);
    play.Show();
    EXPECT_FALSE(play.AsBoolean()); // the display's value came in
    EXPECT_TRUE(display.AsBoolean());
    EXPECT_GT(CountPixels(*bitmap, {2, 5, 13, 16}, ColorToRGB(clWindowText)), 0); // painted checked
}

TEST_F(ColumnPlays, TreeButtonAndKeysExpandUnlessLocked)
{
    auto* column = new TGxTreeColumn(&owner);
    column->SetPadding(3);
    auto& play = Load<TTreeColumnPlay>(*column, {0, 40, 100, 60});
    play.SetLevel(2);
    // Level 2 with padding 3: the square at 2 * 19 + 3 + 2 = 43, from 10 - 5 = 5.
    EXPECT_EQ(play.GetButtonRect(play.ClientRect(), 2), (TRect{43, 5, 52, 14}));
    play.MouseUp(mbLeft, {}, 42, 8);
    play.MouseUp(mbLeft, {}, 47, 14);
    EXPECT_TRUE(log.empty());
    play.MouseUp(mbLeft, {}, 43, 5);
    for (char32_t key : {U'+', U'-', U'a', U' '})
        play.KeyPress(key);
    EXPECT_EQ(log, std::vector<std::string>({"expand", "expand", "expand"}));

    column->SetExpandLock(true);
    EXPECT_TRUE(play.IsExpandLock());
    play.MouseUp(mbLeft, {}, 47, 9);
    char32_t plus = U'+';
    play.KeyPress(plus);
    EXPECT_EQ(log.size(), 3u);
}

// The plays driven in a window with real mouse and key input, their changes reaching the cells.
class PlaysInAWindow : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 120);
        host = new TCellHost(form);
        host->SetParent(form);
        host->SetBounds(10, 10, 200, 60);
        names = new TGxTextColumn(form);
        names->SetWidth(100);
        checks = new TGxCheckBoxColumn(form);
        checks->SetWidth(40);
        checks->OnChange = [this](TObject*) { host->log.push_back("column"); };
        host->AddColumn(names);
        host->AddColumn(checks);
        host->Store().AddRow(2);
        host->Store().GetCell(0, 0)->SetAsString("first & second");
        host->Store().GetCell(1, 1)->SetAsBoolean(true);
        Pump();
    }
    void TearDown() override { form->Free(); }

    bool Checked(int row) { return host->Store().GetCell(1, row)->AsBoolean(); }
    // Window-text pixels in the check box of the row (classic look).
    int MarkPixels(TBitmap& bitmap, int row)
    {
        const TRect cell = host->CellRect(1, row);
        return CountPixels(bitmap, {cell.Left + 2, cell.Top + 5, cell.Left + 13, cell.Top + 16},
                           ColorToRGB(clWindowText));
    }

    TThemeSwitch themes{false};
    TForm* form = nullptr;
    TCellHost* host = nullptr;
    TGxTextColumn* names = nullptr;
    TGxCheckBoxColumn* checks = nullptr;
};

TEST_F(PlaysInAWindow, ClickAndSpaceToggleThroughTheGridsEditEvents)
{
    auto before = Render(host);
    SaveScreenshot(*before, "cell_plays_before", 2);
    EXPECT_EQ(MarkPixels(*before, 0), 0);
    EXPECT_EQ(MarkPixels(*before, 1), 21);

    // A click on the painted box of row 0 (its centre, 100 + 7, 10).
    Click(host, {107, 10});
    EXPECT_EQ(host->log, std::vector<std::string>({"accept 1,0 True", "after 1,0 True", "column"}));
    EXPECT_TRUE(Checked(0));
    Pump();
    EXPECT_EQ(MarkPixels(*Render(host), 0), 21);

    // Beside the box, or in the text column, nothing toggles.
    host->log.clear();
    Click(host, {130, 10});
    Click(host, {50, 30});
    EXPECT_TRUE(host->log.empty());

    // Space toggles the selected cell; a refused edit leaves the cell as it was.
    Click(host, {135, 30});
    host->log.clear();
    Press(host, "Space");
    EXPECT_EQ(host->log, std::vector<std::string>({"accept 1,1 False", "after 1,1 False", "column"}));
    EXPECT_FALSE(Checked(1));
    host->accept = false;
    host->log.clear();
    Press(host, "Space");
    EXPECT_EQ(host->log, std::vector<std::string>({"accept 1,1 True", "column"}));
    EXPECT_FALSE(Checked(1));

    // Without coCanClick a click does nothing, Space still toggles.
    host->accept = true;
    checks->SetOptions(checks->Options() - coCanClick);
    host->log.clear();
    Click(host, {107, 30});
    EXPECT_TRUE(host->log.empty());
    Press(host, "Space");
    EXPECT_TRUE(Checked(1));
    Pump();
    auto after = Render(host);
    SaveScreenshot(*after, "cell_plays_after", 2);
    EXPECT_EQ(MarkPixels(*after, 1), 21);
}
