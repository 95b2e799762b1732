#include "memo_test_support.h"

#include "controls/memo/pascal_styler.h"

#include <map>
#include <random>
#include <set>

namespace {

using TRegions = std::map<int, int>; // node line -> end line

class MemoFolding : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        styler = new TVezPascalMemoStyler(form);
        memo->SetSyntaxStyles(styler);
        memo->CodeFolding()->SetEnabled(true);
    }
    // The rules of the worked example: Identifier / RegionStart / RegionEnd / type.
    void UseExampleRules()
    {
        TRegionDefinitions& rules = *styler->RegionDefinitions();
        rules.Clear();
        rules.Add("procedure", "begin", "end", rtClosed);
        rules.Add("interface", "interface", "", rtOpen);
        rules.Add("unit", "unit", "", rtFile);
        rules.Add("implementation", "implementation", "", rtOpen);
        rules.Add("try", "try", "end", rtIgnore);
    }
    void Fold(const std::vector<std::string>& lines)
    {
        SetLines(lines);
        memo->AutoCodeFold();
    }
    TRegions Regions() const
    {
        TRegions regions;
        for (int line = 0; line < memo->Lines()->Count(); ++line)
            if (memo->IsNode(line))
                regions[line] = memo->GetNodeEndLine(line);
        return regions;
    }
    const TLineProp& Prop(int line) const { return *memo->Lines()->GetLineProp(line); }

    TVezPascalMemoStyler* styler = nullptr;
};

const std::vector<std::string> ExampleText = {
    "unit Demo;",     "interface", "procedure Run;", "implementation",
    "procedure Run;", "begin",     "  try",          "    if Ready then begin Work; end;",
    "  finally",      "  end;",    "end;",           "end.",
};

} // namespace

TEST_F(MemoFolding, TheWorkedExample)
{
    UseExampleRules();
    Fold(ExampleText);
    EXPECT_EQ(Regions(), (TRegions{{0, 11}, {1, 2}, {3, 11}, {4, 10}}));
    EXPECT_EQ(memo->CodeFoldingNodeCount(), 4);
    EXPECT_EQ(Prop(11).LastChildOfParents(), 2);
    EXPECT_FALSE(Prop(0).HasParent());
    for (int line = 1; line <= 11; ++line)
        EXPECT_TRUE(Prop(line).HasParent()) << "line " << line;
}

// Regions the preset's rules find; each case names what it shows.
TEST_F(MemoFolding, RegionsOfThePresetRules)
{
    struct TCase
    {
        const char* name;
        std::vector<std::string> lines;
        TRegions regions;
    };
    const TCase cases[] = {
        {"body", {"procedure A;", "begin", "  Work;", "end;"}, {{0, 3}}},
        {"start and end on one line make no region", {"procedure A; begin end;", "x"}, {}},
        {"forward empties the pending header", {"procedure A; forward;", "begin", "end;"}, {}},
        {"the last two headers wait: the body belongs to the third",
         {"procedure A;", "procedure B;", "procedure C;", "begin", "end;"},
         {{2, 4}}},
        {"a begin inside a body only nests",
         {"procedure A;", "begin", "  begin", "  end;", "end;"},
         {{0, 4}}},
        {"an end that closes nothing empties the pending headers",
         {"procedure A;", "type R = record", "end;", "begin", "end;"},
         {}},
        {"region markers written as comments", {"{$region 'Setup'}", "x := 1;", "{$endregion}"}, {{0, 2}}},
        {"a line whose first word is no rule's gains nothing from its comment",
         {"x {$region}", "y", "{$endregion}"},
         {}},
        {"block comments hide their words", {"procedure A;", "{ begin", "end }", "begin", "end;"}, {{0, 4}}},
        {"line comments hide their words", {"procedure A; // begin", "x", "end;"}, {}},
        {"open and file rules run to the next open rule or the end",
         {"unit U;", "interface", "x", "implementation", "y"},
         {{0, 4}, {1, 2}, {3, 4}}},
    };
    for (const TCase& c : cases) {
        Fold(c.lines);
        EXPECT_EQ(Regions(), c.regions) << c.name;
    }
}

TEST_F(MemoFolding, AddCodeFoldingAnswersWhetherItAdded)
{
    SetLines({"a", "b", "c", "d", "e"});
    struct TCase
    {
        int start, end;
        bool added;
    } const cases[] = {{1, 3, true},   {1, 4, false}, {2, 2, false}, {3, 2, false},
                       {-1, 2, false}, {2, 5, false}, {0, 4, true}};
    for (const TCase& c : cases)
        EXPECT_EQ(memo->AddCodeFolding(c.start, c.end), c.added) << c.start << ".." << c.end;
    EXPECT_EQ(Regions(), (TRegions{{0, 4}, {1, 3}}));
    EXPECT_EQ(memo->CodeFoldingNodeCount(), 2);
}

// A record closed on its own line is not opened again by a second start there: the later end closes
// nothing, and no region's end is mistaken for anything else.
TEST_F(MemoFolding, ASecondStartOnALineWhoseRegionClosedIsIgnored)
{
    TRegionDefinitions& rules = *styler->RegionDefinitions();
    rules.Clear();
    rules.Add("open", "open", "close", rtClosed);
    rules.Add("block", "block", "close", rtClosed);
    Fold({"open close block", "x", "y", "close", "open", "close"});
    EXPECT_EQ(Regions(), (TRegions{{4, 5}}));
    // The rule of a record that is still open is replaced: its region ends where the new rule's end is.
    rules.Clear();
    rules.Add("open", "open", "shut", rtClosed);
    rules.Add("block", "block", "close", rtClosed);
    Fold({"open block", "x", "shut", "close"});
    EXPECT_EQ(Regions(), (TRegions{{0, 3}}));
}

TEST_F(MemoFolding, RowMappingsInvertUnderRandomCollapses)
{
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        const int count = 40;
        std::vector<std::string> lines(count, "x");
        SetLines(lines);
        memo->RemoveAllCodeFolding();
        // Nested regions: each starts inside the one before or after its end.
        std::vector<std::pair<int, int>> regions;
        for (int i = 0; i < 15; ++i) {
            const int start = static_cast<int>(random() % (count - 1));
            const int end = start + 1 + static_cast<int>(random() % (count - start - 1));
            bool crosses = false;
            for (const auto& [s, e] : regions)
                crosses = crosses || (s < start && start <= e && e < end) ||
                          (start < s && s <= end && end < e) || s == start;
            if (!crosses && memo->AddCodeFolding(start, end))
                regions.emplace_back(start, end);
        }
        std::set<int> collapsed;
        for (const auto& [s, e] : regions)
            if (random() % 2) {
                memo->SetExpandNode(s, false);
                collapsed.insert(s);
            }
        // The model: a line is hidden when a collapsed node before it reaches it; the rows are the shown
        // lines in order, and a hidden line shares the row of the outermost node that hides it.
        std::vector<int> rowOfLine(count);
        int rows = 0;
        for (int line = 0; line < count; ++line) {
            int hider = -1;
            for (const auto& [s, e] : regions)
                if (collapsed.count(s) && s < line && line <= e && (hider < 0 || s < hider))
                    hider = s;
            rowOfLine[static_cast<size_t>(line)] = hider < 0 ? rows++ : rowOfLine[static_cast<size_t>(hider)];
        }
        for (int line = 0; line < count; ++line)
            ASSERT_EQ(memo->LineIndexToVisIndex(line), rowOfLine[static_cast<size_t>(line)])
                << "round " << round << " line " << line;
        for (int row = 0; row < rows; ++row)
            ASSERT_EQ(memo->LineIndexToVisIndex(memo->VisIndexToLineIndex(row)), row)
                << "round " << round << " row " << row;
        EXPECT_GE(memo->VisIndexToLineIndex(rows), count);
    }
}

TEST_F(MemoFolding, CollapsingHidesTheEndLineAndMovesTheCaretOntoTheNode)
{
    SetLines({"a", "node", "b", "c", "d", "end", "after"});
    ASSERT_TRUE(memo->AddCodeFolding(1, 5));
    memo->SetCursor(1, 3);
    memo->SetSelectionEnds(0, 2, 1, 3);
    memo->SetExpandNode(1, false);
    EXPECT_EQ(Caret(), std::make_pair(1, 1));
    EXPECT_EQ(memo->SelLength(), 0);
    EXPECT_EQ(memo->LineIndexToVisIndex(5), 1); // the end line is hidden too
    EXPECT_EQ(memo->VisIndexToLineIndex(2), 6);
    // The caret moves down over the hidden lines; Toggle opens the node again.
    Press(memo, "Down");
    EXPECT_EQ(memo->CurY(), 6);
    memo->ToggleNode(1);
    EXPECT_TRUE(memo->GetExpandNode(1));
    EXPECT_EQ(memo->VisIndexToLineIndex(2), 2);
}

TEST_F(MemoFolding, RemovingRegionsKeepsTheMarksOfTheOthers)
{
    SetLines({"outer", "inner", "a", "end both", "after"});
    ASSERT_TRUE(memo->AddCodeFolding(0, 3));
    ASSERT_TRUE(memo->AddCodeFolding(1, 3));
    EXPECT_EQ(Prop(3).LastChildOfParents(), 2);
    memo->RemoveCodeFolding(1);
    EXPECT_EQ(Prop(3).LastChildOfParents(), 1);
    EXPECT_EQ(Regions(), (TRegions{{0, 3}}));
    EXPECT_EQ(memo->CodeFoldingNodeCount(), 1);
    // Deleting a region's end line removes the region that ends there.
    memo->Lines()->Delete(3);
    EXPECT_EQ(Regions(), TRegions{});
    EXPECT_EQ(memo->CodeFoldingNodeCount(), 0);
    // Deleting a node removes its region.
    SetLines({"node", "a", "end", "after"});
    ASSERT_TRUE(memo->AddCodeFolding(0, 2));
    memo->Lines()->Delete(0);
    EXPECT_EQ(memo->CodeFoldingNodeCount(), 0);
    EXPECT_FALSE(Prop(0).HasParent());
}

TEST_F(MemoFolding, RebuildsKeepCollapsedNodesAndDisablingKeepsTheMarks)
{
    UseExampleRules();
    Fold(ExampleText);
    memo->SetExpandNode(4, false);
    memo->AutoCodeFold();
    EXPECT_FALSE(memo->GetExpandNode(4));
    EXPECT_EQ(memo->VisIndexToLineIndex(5), 11);
    // Off: the marks stay, the rows are the lines and nodes do not open or close.
    memo->CodeFolding()->SetEnabled(false);
    EXPECT_TRUE(memo->IsNode(4));
    EXPECT_EQ(memo->VisIndexToLineIndex(5), 5);
    memo->SetExpandNode(4, true);
    EXPECT_FALSE(memo->GetExpandNode(4));
    // On again: the regions are rebuilt from the text.
    SetLines({"procedure A;", "begin", "end;"});
    memo->CodeFolding()->SetEnabled(true);
    EXPECT_EQ(Regions(), (TRegions{{0, 2}}));
    // Without a styler in use nothing is rebuilt.
    memo->SetUseStyler(false);
    ASSERT_TRUE(memo->AddCodeFolding(1, 2));
    memo->AutoCodeFold();
    EXPECT_EQ(Regions(), (TRegions{{0, 2}, {1, 2}}));
}

TEST_F(MemoFolding, CaptionsOfCollapsedRegions)
{
    styler->RegionDefinitions()->GetItem(10)->SetShowComments(true); // {$region
    Fold({"  {$region 'Setup'}", "x := 1;", "{$endregion}", "procedure A;", "begin", "end;"});
    int rule = -1;
    std::string caption;
    ASSERT_TRUE(memo->GetNodeCaption(0, rule, caption));
    EXPECT_EQ(caption, "  ['Setup']");
    EXPECT_EQ(rule, 10);
    EXPECT_FALSE(memo->GetNodeCaption(3, rule, caption)); // its rule shows no comments
    EXPECT_FALSE(memo->GetNodeCaption(1, rule, caption)); // not a node
    // A collapsed node shown as its caption keeps its text against typing and deleting keys.
    memo->SetExpandNode(0, false);
    memo->SetCursor(3, 0);
    PressAll(memo, {"=z", "Del", "BS", "Space", "Tab"});
    EXPECT_EQ(Lines()[0], "  {$region 'Setup'}");
    // Only the screen shows the caption: the HTML of the text keeps the line.
    memo->BuildHTML(false, -1, -1, true);
    const std::string html = memo->Html()->Text();
    EXPECT_NE(html.find("$region"), std::string::npos);
    EXPECT_EQ(html.find("['Setup']"), std::string::npos);
}

TEST_F(MemoFolding, TheLogViewerNeverFolds)
{
    const TErrorLog log = MakeErrorLog(form, 300, 200);
    log.Memo->Lines()->SetText("procedure A;\r\nbegin\r\nend;\r\n");
    log.Memo->AutoCodeFold();
    EXPECT_EQ(log.Memo->CodeFoldingNodeCount(), 0);
    EXPECT_EQ(log.Memo->VisIndexToLineIndex(2), 2);
}

TEST_F(MemoFolding, TheStripShowsBoxesAndCollapsedRowsTheirCaptionOrDots)
{
    memo->SetBounds(10, 10, 360, 260);
    memo->CodeFolding()->SetLineColor(clGray);
    styler->RegionDefinitions()->GetItem(10)->SetShowComments(true);
    Fold({"unit Demo;", "{$region 'Types'}", "type T = Integer;", "{$endregion}", "procedure Run;", "begin",
          "  Work;", "end;", "procedure Stop;", "begin", "  Halt;", "end;", "end."});
    Pump();
    std::unique_ptr<TBitmap> expanded = Render(memo);
    SaveScreenshot(*expanded, "memo_folding_expanded", 2);
    memo->SetExpandNode(1, false);
    memo->SetExpandNode(4, false);
    Pump();
    std::unique_ptr<TBitmap> collapsed = Render(memo);
    SaveScreenshot(*collapsed, "memo_folding_collapsed", 2);

    const TRect strip = memo->GetFoldingColumnRect();
    const auto boxOfRow = [&](int row) {
        const TRect cell = memo->CellRect(0, row);
        const int top = cell.Top + (cell.Height() - 9) / 2;
        return Rect(strip.Left + 2, top, strip.Left + 11, top + 9);
    };
    const auto hasPlus = [&](TBitmap& picture, int row) {
        const TRect box = boxOfRow(row);
        TCanvas& c = *picture.Canvas();
        return c.Pixels(box.Left + 4, box.Top + 2) == clGray && c.Pixels(box.Left + 4, box.Top + 4) == clGray;
    };
    const auto hasMinus = [&](TBitmap& picture, int row) {
        const TRect box = boxOfRow(row);
        TCanvas& c = *picture.Canvas();
        return c.Pixels(box.Left + 2, box.Top + 4) == clGray && c.Pixels(box.Left + 4, box.Top + 2) != clGray;
    };
    EXPECT_TRUE(hasMinus(*expanded, 1));
    EXPECT_TRUE(hasMinus(*expanded, 4));
    // Collapsed: rows 1 and 2 show the two nodes, the third the second procedure.
    EXPECT_TRUE(hasPlus(*collapsed, 1));
    EXPECT_TRUE(hasPlus(*collapsed, 2));
    EXPECT_TRUE(hasMinus(*collapsed, 3));
    // The region with a caption shows it in the folding colour; the other a box after its text.
    const TRect caption = memo->CellRect(1, 1);
    EXPECT_GT(
        CountPixels(*collapsed, Rect(caption.Left, caption.Top, caption.Left + 40, caption.Bottom), clGray),
        0);
    const TRect afterText = memo->CellRect(static_cast<int>(std::string("procedure Run;").size()), 2);
    EXPECT_GT(CountPixels(*collapsed,
                          Rect(afterText.Left + 5, afterText.Top, afterText.Left + 30, afterText.Bottom),
                          clGray),
              20);
}

TEST_F(MemoFolding, ADoubleClickOpensACollapsedNode)
{
    styler->RegionDefinitions()->GetItem(10)->SetShowComments(true);
    Fold({"{$region 'Setup'}", "x := 1;", "{$endregion}", "procedure A;", "begin", "end;"});
    memo->SetExpandNode(0, false);
    memo->SetExpandNode(3, false);
    const auto centre = [this](int col, int row) {
        const TRect cell = memo->CellRect(col, row);
        return TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    };
    // Past the end of the line without a caption (over its box of dots): the line keeps its text.
    DoubleClick(memo, centre(16, 1));
    EXPECT_TRUE(memo->GetExpandNode(3));
    EXPECT_EQ(Lines()[3], "procedure A;");
    // On a word of the line shown as its caption.
    DoubleClick(memo, centre(3, 0));
    EXPECT_TRUE(memo->GetExpandNode(0));
}

// Rows count from the top line's row: a collapsed region above the top line moves no row off the view.
TEST_F(MemoFolding, ScrolledPastACollapsedRegionTheRowsStartAtTheTop)
{
    std::vector<std::string> lines(60, ".");
    lines[20] = "wwwwwwwwwwwwwwww"; // the only ink right of the first column
    SetLines(lines);
    ASSERT_TRUE(memo->AddCodeFolding(1, 10));
    memo->SetExpandNode(1, false);
    memo->SetTopLine(20);
    ASSERT_EQ(memo->TopLine(), 20);
    std::unique_ptr<TBitmap> picture = Render(memo);
    const TRect firstRow = memo->CellRect(0, 0);
    const TRect text =
        Rect(firstRow.Right, firstRow.Top, firstRow.Left + 12 * firstRow.Width(), firstRow.Bottom);
    EXPECT_LT(CountPixels(*picture, text, memo->BkColor()), text.Width() * text.Height());
}

// The line after a collapsed region starts in the state its own lines above leave, not in the node's.
TEST_F(MemoFolding, TheLineAfterACollapsedRegionKeepsItsCommentColour)
{
    SetLines({"procedure A;", "{ a comment", "  that runs on", "  to here }", "x"});
    ASSERT_TRUE(memo->AddCodeFolding(0, 2));
    const auto textOfRow = [this](TBitmap& picture, int row) {
        const TRect cell = memo->CellRect(0, row);
        std::vector<TColor> pixels;
        for (int y = cell.Top; y < cell.Bottom; ++y)
            for (int x = cell.Left; x < cell.Left + 12 * cell.Width(); ++x)
                pixels.push_back(picture.Canvas()->Pixels(x, y));
        return pixels;
    };
    std::unique_ptr<TBitmap> open = Render(memo);
    memo->SetExpandNode(0, false);
    std::unique_ptr<TBitmap> collapsed = Render(memo);
    EXPECT_EQ(textOfRow(*collapsed, 1), textOfRow(*open, 3));
}

TEST_F(MemoFolding, AClickOnTheStripTogglesTheNodeAndTellsTheForm)
{
    Fold({"procedure A;", "begin", "  Work;", "end;", "x"});
    std::vector<std::pair<int, bool>> folds;
    memo->OnCodeFold = [&folds](TObject*, int line, bool expanded) { folds.emplace_back(line, expanded); };
    const TRect strip = memo->GetFoldingColumnRect();
    const TRect row = memo->CellRect(0, 0);
    const TPoint box{strip.Left + 6, (row.Top + row.Bottom) / 2};
    Click(memo, box);
    EXPECT_FALSE(memo->GetExpandNode(0));
    EXPECT_EQ(memo->VisIndexToLineIndex(1), 4);
    Click(memo, box);
    EXPECT_TRUE(memo->GetExpandNode(0));
    EXPECT_EQ(folds, (std::vector<std::pair<int, bool>>{{0, false}, {0, true}}));
}
