#include "controls/grid/column_parts.h"
#include "controls/grid/slide_bounds.h"
#include "fake_columns_grid.h"
#include "support/errors.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Log = std::vector<std::string>;

// A column class whose style forbids sorting, as tree columns do.
class TUnsortableColumn : public TGxCustomColumn
{
public:
    using TGxCustomColumn::TGxCustomColumn;
    TColumnStyle GetColumnStyle() const override { return {csDisableSorting, csCanEdit}; }
};

class ColumnSettings : public testing::Test
{
protected:
    ColumnSettings() : grid(new FakeColumnsGrid(&form))
    {
        a = grid->Add("A");
        b = grid->Add("B");
        grid->TakeLog();
    }

    TComponent form{nullptr};
    FakeColumnsGrid* grid;
    TGxCustomColumn* a;
    TGxCustomColumn* b;
};

} // namespace

TEST_F(ColumnSettings, EachSettingReportsItsKindOrRepaintsItsArea)
{
    TFont font;
    font.SetName("DejaVu Sans Mono");
    TColumnHeader header(nullptr);
    TColumnFooter footer(nullptr);
    TGxSlideBounds bounds(nullptr);
    const struct
    {
        const char* what;
        std::function<void()> change;
        Log reported;
    } cases[] = {
        {"Alignment", [&] { a->SetAlignment(taCenter); }, {"A ccUndefined -1"}},
        {"BiDiMode", [&] { a->SetBiDiMode(bdRightToLeft); }, {"A ccUndefined -1"}},
        {"Color", [&] { a->SetColor(clRed); }, {"A ccUndefined -1"}},
        {"Cursor", [&] { a->SetCursor(-2); }, {"A ccUndefined -1"}},
        {"DrawingOptions", [&] { a->SetDrawingOptions(doCustom); }, {"A ccUndefined -1"}},
        {"InputCaption", [&] { a->SetInputCaption("type here"); }, {"A ccUndefined -1"}},
        {"VerticalAlignment", [&] { a->SetVerticalAlignment(taAlignTop); }, {"A ccUndefined -1"}},
        {"SlideCaptionLocation", [&] { a->SetSlideCaptionLocation(clLeft); }, {"A ccUndefined -1"}},
        {"Header", [&] { a->SetHeader(&header); }, {"A ccUndefined -1"}},
        {"Footer", [&] { a->SetFooter(&footer); }, {"A ccUndefined -1"}},
        {"SlideBounds", [&] { a->SetSlideBounds(&bounds); }, {"A ccUndefined -1"}},
        {"Font", [&] { a->SetFont(&font); }, {"A ccUndefined -1", "A ccUndefined -1"}},
        {"InputValue", [&] { a->SetInputValue("12"); }, {"A ccInputChange -1"}},
        {"SortType", [&] { a->SetSortType(stNumeric); }, {"A ccSortTypeChange -1"}},
        {"SortKind", [&] { a->SetSortKind(skDescending); }, {"A ccSortTypeChange -1"}},
        {"SlideOptions", [&] { a->SetSlideOptions(soAutoSize); }, {"A ccSlideChanged -1"}},
        {"slide Left", [&] { a->SlideBounds()->SetLeft(8); }, {"A ccSlideChanged -1"}},
        {"slide Width changed", [&] { a->SlideBounds()->SetWidth(90); }, {"A ccSlideChanged -1"}},
        {"slide Height unchanged", [&] { a->SlideBounds()->SetHeight(16); }, {}},
        {"Visible", [&] { a->SetVisible(false); }, {"A ccVisible -1"}},
        {"Visible unchanged", [&] { a->SetVisible(false); }, {}},
        {"WrapKind", [&] { a->SetWrapKind(wkWordWrap); }, {"A refresh gaBody"}},
        {"Padding", [&] { a->SetPadding(3); }, {"A refresh gaBody"}},
        {"ParentCellColor", [&] { a->SetParentCellColor(true); }, {"A refresh gaBody"}},
        {"SlideCaption", [&] { a->SetSlideCaption("Name"); }, {"A refresh gaNone"}},
        {"header Caption", [&] { a->Header()->SetCaption("Name"); }, {"A refresh gaNone"}},
        {"header Color", [&] { a->Header()->SetColor(clYellow); }, {"A refresh gaNone"}},
        {"header Alignment", [&] { a->Header()->SetAlignment(taRightJustify); }, {"A refresh gaHeader"}},
        {"header MultiLine", [&] { a->Header()->SetMultiLine(true); }, {"A refresh gaHeader"}},
        {"header Orientation", [&] { a->Header()->SetOrientation(hoVertical); }, {"A refresh gaHeader"}},
        {"header HideArrow", [&] { a->Header()->SetHideArrow(false); }, {"A refresh gaHeader"}},
        {"footer Alignment", [&] { a->Footer()->SetAlignment(taCenter); }, {"A refresh gaFooter"}},
        {"footer Caption", [&] { a->Footer()->SetCaption("12"); }, {"A refresh gaNone"}},
        {"header DisplayMode", [&] { a->Header()->SetDisplayMode(dmImageOnly); }, {"A ccUndefined -1"}},
        {"footer DrawingOptions", [&] { a->Footer()->SetDrawingOptions(doCustom); }, {"A ccUndefined -1"}},
        {"footer FormulaKind", [&] { a->Footer()->SetFormulaKind(fkSum); }, {"A ccUndefined -1"}},
        {"footer FormulaValue", [&] { a->Footer()->SetFormulaValue(2); }, {"A ccUndefined -1"}},
        {"footer FormatMask", [&] { a->Footer()->SetFormatMask("0.00"); }, {"A ccUndefined -1"}},
        {"footer FormatMaskKind", [&] { a->Footer()->SetFormatMaskKind(mkFloat); }, {"A ccUndefined -1"}},
        {"footer TextBefore", [&] { a->Footer()->SetTextBefore("("); }, {"A ccUndefined -1"}},
        {"footer TextAfter", [&] { a->Footer()->SetTextAfter(")"); }, {"A ccUndefined -1"}},
        {"header ParentFont", [&] { a->Header()->SetParentFont(false); }, {"A ccUndefined -1"}},
        {"header ParentFont unchanged", [&] { a->Header()->SetParentFont(false); }, {}},
        {"header font object", [&] { a->Header()->Font()->SetSize(12); }, {"A ccUndefined -1"}},
        {"header Font", [&] { a->Header()->SetFont(&font); }, {"A ccUndefined -1"}},
        {"plain fields",
         [&] {
             a->SetAutoEdit(true);
             a->SetDefaultValue("0");
             a->SetEnabled(true);
             a->SetMinWidth(10);
             a->SetTagString("t");
             a->Header()->SetHint("hint");
         },
         {}},
    };
    for (const auto& c : cases) {
        c.change();
        EXPECT_EQ(grid->TakeLog(), c.reported) << c.what;
    }
    // While the header follows the grid's font, changes of its font object report nothing.
    b->Header()->Font()->SetSize(12);
    EXPECT_EQ(grid->TakeLog(), Log());
}

TEST_F(ColumnSettings, OneSortedColumn)
{
    a->SetSorted(true);
    EXPECT_EQ(grid->TakeLog(), Log({"A ccSorted -1"}));
    b->SetSorted(true);
    EXPECT_EQ(grid->TakeLog(), Log({"A ccUnsorted -1", "B ccSorted -1"}));
    EXPECT_FALSE(a->Sorted());
    EXPECT_TRUE(b->Sorted());

    auto* unsortable = new TUnsortableColumn(&form);
    unsortable->SetName("T");
    grid->Columns()->AddColumn(unsortable);
    grid->TakeLog();
    unsortable->SetSorted(true);
    EXPECT_FALSE(unsortable->Sorted());
    EXPECT_TRUE(b->Sorted());
    EXPECT_EQ(grid->TakeLog(), Log());
}

TEST_F(ColumnSettings, OneSearchColumn)
{
    a->SetOptions(a->Options() + coSearchColumn);
    b->SetOptions(b->Options() + coSearchColumn);
    EXPECT_FALSE(a->Options().Contains(coSearchColumn));
    EXPECT_TRUE(b->Options().Contains(coSearchColumn));
}

TEST_F(ColumnSettings, ADirectFontChangeEndsFollowingTheGridsFont)
{
    grid->Font.SetName("DejaVu Serif");
    a->SetParentFont(true);
    EXPECT_EQ(a->Font()->Name(), "DejaVu Serif");
    EXPECT_EQ(grid->TakeLog(), Log());

    a->Font()->SetSize(14);
    EXPECT_FALSE(a->ParentFont());
    EXPECT_EQ(grid->TakeLog(), Log({"A ccUndefined -1"}));
}

TEST_F(ColumnSettings, EditingStateFollowsStyleOptionsAndEnabled)
{
    auto* editable = new TUnsortableColumn(&form); // its style allows editing
    EXPECT_EQ(a->ColumnState(), TColumnState());
    EXPECT_EQ(editable->ColumnState(), TColumnState(ceCanInput));
    editable->SetEditing(true);
    EXPECT_TRUE(editable->Editing());
    EXPECT_EQ(editable->ColumnState(), (TColumnState{ceEditable, ceCanInput}));
    editable->SetEnabled(false);
    EXPECT_EQ(editable->ColumnState(), TColumnState());
}

TEST_F(ColumnSettings, AssignCopiesTheSettings)
{
    auto* source = new TGxCustomColumn(&form);
    source->SetAlignment(taRightJustify);
    source->SetWidth(120);
    source->SetColor(clAqua);
    source->SetDefaultValue("x");
    source->SetSortKind(skDescending);
    source->SetPosition(1);
    source->Header()->SetCaption("Size");
    source->Footer()->SetTextBefore("Sum ");
    source->SlideBounds()->SetTop(30);
    a->Assign(source);
    EXPECT_EQ(a->Alignment(), taRightJustify);
    EXPECT_EQ(a->Width(), 120);
    EXPECT_EQ(a->Color(), clAqua);
    EXPECT_EQ(a->DefaultValue(), "x");
    EXPECT_EQ(a->SortKind(), skDescending);
    EXPECT_EQ(a->Header()->Caption(), "Size");
    EXPECT_EQ(a->Footer()->TextBefore(), "Sum ");
    EXPECT_EQ(a->SlideBounds()->Top(), 30);
    EXPECT_EQ(grid->ScreenOrder(), "BA");
    EXPECT_THROW(a->Assign(&grid->Font), EConvertError);
}
