// The file list view: columns found by their components, the check and remove commands, counts and
// footer, and the row that follows the selection found by identity.

#include "controls/grid/check_box_column.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/number_column.h"
#include "controls/grid/text_column.h"
#include "engine/app_strings.h"
#include "file_list_fixture.h"
#include "manual_clock.h"

namespace {

class FileListView : public FileListFixture
{
protected:
    // Rows for a.mkv, b.mkv, ... in that order, all checked, each file as long as its letter's place.
    void AddFiles(const std::string& letters)
    {
        for (size_t i = 0; i < letters.size(); ++i)
            ASSERT_TRUE(adding->AddToList(
                MakeFile(std::string(1, letters[i]) + ".mkv", std::string(i + 1, 'x')), true));
    }
    void Check(int row, bool checked)
    {
        Grid().Cell(view->Columns().colActive->Index(), row)->SetAsBoolean(checked);
    }
    std::string Checks() const
    {
        std::string marks;
        for (int row = 0; row < view->RowCount(); ++row)
            marks += view->IsChecked(row) ? 'x' : '-';
        return marks;
    }
};

TEST_F(FileListView, ColumnsAreFoundByTheirComponentsAfterTheUserMovesThem)
{
    AddFiles("ab");
    const TFileListColumns& c = view->Columns();
    EXPECT_EQ(c.All().size(), 29u);
    c.colStatus->SetPosition(0);
    c.colFileName->SetPosition(1);
    EXPECT_EQ(view->GetNgShortFileName(1), "b.mkv");
    EXPECT_EQ(view->GetNgFullFileName(0), Path("a.mkv"));
    view->SetStatus(0, "Done");
    EXPECT_EQ(CellText(c.colStatus, 0), "Done");

    FileListColumns layout = view->ReadColumnLayout();
    EXPECT_EQ(layout[7].Name, "colStatus") << "the settings keys' order";
    EXPECT_EQ(layout[7].Position, 0);
    layout[7].Position = 40; // out of range in a hand-edited settings file: the last place
    layout[3].Width = 300;   // colFileName
    layout[3].Visible = false;
    layout[5].Visible = false; // colSize
    view->ApplyColumnLayout(layout);
    EXPECT_EQ(c.colStatus->Position(), 28);
    EXPECT_EQ(c.colFileName->Width(), 300);
    EXPECT_TRUE(c.colFileName->Visible()) << "the file name column is always shown";
    EXPECT_FALSE(c.colSize->Visible());
    const FileListColumns again = view->ReadColumnLayout();
    std::vector<int> positions;
    for (const ColumnLayout& column : again)
        positions.push_back(column.Position);
    std::sort(positions.begin(), positions.end());
    for (int i = 0; i < 29; ++i)
        EXPECT_EQ(positions[static_cast<size_t>(i)], i) << "every column has a place of its own";
}

TEST_F(FileListView, HeadersFollowTheLanguage)
{
    std::unique_ptr<TAppStrings> saved = std::move(AppStrings);
    AppStrings = std::make_unique<TAppStrings>();
    AppStrings->Main.colVideoFPS = "Bilder/s";
    view->SetLang();
    EXPECT_EQ(view->Columns().colVideoFPS->Header()->Caption(), "Bilder/s");
    EXPECT_EQ(view->Columns().colVideoBitrate->Header()->Caption(), "Video bitrate [kbit/s]")
        << "no text of its own";
    AppStrings = std::move(saved);
}

TEST_F(FileListView, EmptyList)
{
    EXPECT_FALSE(view->IsValidRowIndex(0));
    EXPECT_EQ(view->GetNgFullFileName(0), "");
    view->CalcFooter();
    EXPECT_EQ(view->Columns().colNo->Footer()->Caption(), "");
    EXPECT_EQ(view->GetNgCheckedCount(), 0);
}

TEST_F(FileListView, CheckCommandsCountsAndFooter)
{
    AddFiles("abcd");
    Grid().SetSelected(1, true);
    Grid().SetSelected(2, true);
    Check(2, false);
    TGridInfo info = view->GetGridInfo();
    EXPECT_EQ(info.RowCount, 4);
    EXPECT_EQ(info.CheckedCount, 3);
    EXPECT_EQ(info.SelectedCount, 2);
    EXPECT_EQ(info.SelectedCheckedCount, 1);
    EXPECT_EQ(info.SelectedUncheckedCount, 1);

    struct Step
    {
        void (TFileListView::*command)();
        const char* checks;
    };
    const Step steps[] = {
        {&TFileListView::InvertSelection, "--x-"}, {&TFileListView::CheckSelected, "-xx-"},
        {&TFileListView::UncheckSelected, "----"}, {&TFileListView::CheckAll, "xxxx"},
        {&TFileListView::UncheckAll, "----"},
    };
    for (const Step& step : steps) {
        (view.get()->*step.command)();
        EXPECT_EQ(Checks(), step.checks);
        EXPECT_EQ(Grid().GetSelected(1) && Grid().GetSelected(2), true) << "the selection stays";
    }
    EXPECT_EQ(listChanges, 5);

    Check(0, true);
    Check(3, true);
    view->CalcFooter();
    const TFileListColumns& c = view->Columns();
    EXPECT_EQ(c.colNo->Footer()->Caption(), "4");
    EXPECT_EQ(c.colActive->Footer()->Caption(), "2");
    EXPECT_EQ(c.colSize->Footer()->Caption(), " 5 bytes") << "sizes 1 and 4 of the checked rows";
    EXPECT_EQ(c.colDuration->Footer()->Caption(), "");
}

TEST_F(FileListView, RemoveCheckedRenumbersAndForgetsTheRemovedFiles)
{
    AddFiles("abcd");
    Check(1, false);
    Check(3, false);
    view->RemoveChecked();
    EXPECT_EQ(ShortNames(), (std::vector<std::string>{"b.mkv", "d.mkv"}));
    EXPECT_EQ(CellText(view->Columns().colNo, 1), "2");
    EXPECT_FALSE(view->IsFileOnList(Path("a.mkv")));
    EXPECT_TRUE(view->IsFileOnList(Path("d.mkv")));
    EXPECT_TRUE(adding->AddToList(Path("a.mkv"), true)) << "a removed file can come back";

    view->CheckAll();
    view->RemoveChecked();
    EXPECT_EQ(view->RowCount(), 0);
    EXPECT_FALSE(view->IsFileOnList(Path("b.mkv")));
    AddFiles("e");
    view->ClearFileList();
    EXPECT_EQ(view->RowCount(), 0);
    EXPECT_FALSE(view->IsFileOnList(Path("e.mkv")));
}

TEST_F(FileListView, UncheckedRowsAreGreyedAndSelectionShowsWithoutFocus)
{
    AddFiles("ab");
    Check(1, false);
    TColor cell = clWindow, gridColor = clNone, text = clBlack;
    TFontStyles style;
    Grid().OnCellColoring(&Grid(), 3, 1, cell, gridColor, {});
    Grid().OnCellFormating(&Grid(), 3, 1, text, style, {});
    EXPECT_EQ(cell, clBtnFace);
    EXPECT_EQ(text, clInactiveCaptionText);
    cell = clWindow;
    text = clBlack;
    Grid().OnCellColoring(&Grid(), 3, 0, cell, gridColor, {});
    Grid().OnCellFormating(&Grid(), 3, 0, text, style, {});
    EXPECT_EQ(cell, clWindow);
    EXPECT_EQ(text, clBlack);
    EXPECT_FALSE(Grid().AppearanceOptions().Contains(aoHideSelection));
}

// Selecting rows one after another analyses only the last one, 200 ms after it; the row is found by
// what it holds, so a sort, a move or a removal before the tick does not hand over another file.
TEST_F(FileListView, TheSettledRowIsFoundByIdentity)
{
    TManualClock clock;
    AddFiles("abcde");
    std::vector<std::string> settled;
    view->OnSelectedRowSettled = [this, &settled](int row) {
        settled.push_back(row < 0 ? "none" : view->GetNgShortFileName(row));
    };
    for (int row = 0; row < 5; ++row) {
        Grid().SetSelectedRow(row);
        clock.Advance(100);
    }
    clock.Advance(100);
    EXPECT_EQ(settled, std::vector<std::string>{"e.mkv"});

    settled.clear();
    Grid().SetSelectedRow(1);
    Grid().SortColumn(view->Columns().colFileName, false);
    clock.Advance(200);
    Grid().SetSelectedRow(3);
    Grid().MoveRow(3, 0);
    clock.Advance(200);
    Grid().SetSelectedRow(3);
    Check(0, false);
    Check(3, false);
    view->RemoveChecked();
    clock.Advance(200);
    Grid().SetSelectedRow(1);
    view->CheckAll();
    view->RemoveChecked();
    clock.Advance(200);
    EXPECT_EQ(settled, (std::vector<std::string>{"b.mkv", "b.mkv", "c.mkv", "none"}));
}

} // namespace
