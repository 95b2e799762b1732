#include "controls/grid/column_parts.h"
#include "controls/grid/slide_bounds.h"
#include "fake_columns_grid.h"
#include "platform/gui/graphics/bitmap.h"

#include <gtest/gtest.h>

TEST(ColumnParts, AGlyphTakesItsBottomLeftPixelAsTransparentColour)
{
    TComponent form(nullptr);
    auto* grid = new FakeColumnsGrid(&form);
    TGxCustomColumn* column = grid->Add("A");
    grid->TakeLog();

    TBitmap glyph(4, 3, pf24bit);
    glyph.Canvas()->SetPixels(0, 2, clFuchsia);
    column->Header()->SetGlyph(&glyph);
    EXPECT_TRUE(column->Header()->Glyph()->Transparent());
    EXPECT_EQ(column->Header()->Glyph()->TransparentColor(), clFuchsia);
    EXPECT_EQ(grid->TakeLog(), std::vector<std::string>({"A ccUndefined -1"}));

    // A change of the bitmap itself is taken up too: a taller glyph has a new, white bottom row.
    column->Header()->Glyph()->SetHeight(4);
    EXPECT_EQ(column->Header()->Glyph()->TransparentColor(), clWhite);
    EXPECT_FALSE(grid->TakeLog().empty());
}

TEST(ColumnParts, AssigningCopiesWhatEachKindOfPartHolds)
{
    TColumnHeader header(nullptr);
    header.SetCaption("Name");
    header.SetColor(clNavy);
    header.SetAlignment(taCenter);
    header.SetHint("the file's name");
    header.SetParentFont(false);
    header.SetDrawingOptions(doCustom);
    TColumnFooter footer(nullptr);
    footer.SetCaption("3 files");
    footer.SetFormulaKind(fkCount);
    footer.SetFormatMask("0");
    footer.SetFormatMaskKind(mkFloat);
    footer.SetDrawingOptions(doCustomOnly);

    TColumnHeader headerCopy(nullptr);
    headerCopy.Assign(&header);
    EXPECT_EQ(headerCopy.Caption(), "Name");
    EXPECT_EQ(headerCopy.Color(), clNavy);
    EXPECT_EQ(headerCopy.Alignment(), taCenter);
    EXPECT_EQ(headerCopy.Hint(), "the file's name");
    EXPECT_FALSE(headerCopy.ParentFont());
    EXPECT_EQ(headerCopy.DrawingOptions(), doNormal);

    TColumnFooter footerCopy(nullptr);
    footerCopy.Assign(&footer);
    EXPECT_EQ(footerCopy.FormulaKind(), fkCount);
    EXPECT_EQ(footerCopy.FormatMask(), "0");
    EXPECT_EQ(footerCopy.DrawingOptions(), doCustomOnly);
    EXPECT_EQ(footerCopy.Caption(), "");            // the footer's value is not copied
    EXPECT_EQ(footerCopy.FormatMaskKind(), mkText); // nor its mask kind

    // Across kinds only the part's own settings travel.
    TColumnFooter fromHeader(nullptr);
    fromHeader.Assign(&header);
    EXPECT_EQ(fromHeader.Caption(), "Name");
    EXPECT_EQ(fromHeader.Color(), clNavy);
    EXPECT_EQ(fromHeader.Alignment(), taLeftJustify);
}

TEST(ColumnParts, RightAnchoredSlidesFollowTheGridsWidth)
{
    TComponent form(nullptr);
    auto* grid = new FakeColumnsGrid(&form);
    TGxCustomColumn* stretched = grid->Add("S");
    TGxCustomColumn* moved = grid->Add("M");
    TGxCustomColumn* kept = grid->Add("K");
    stretched->SetSlideAnchors({akLeft, akRight});
    moved->SetSlideAnchors({akTop, akRight});
    grid->TakeLog();

    grid->Columns()->AnchorSlides(300, 340);
    EXPECT_EQ(stretched->SlideRect(), (TRect{8, 8, 128, 24}));
    EXPECT_EQ(moved->SlideRect(), (TRect{48, 8, 128, 24}));
    EXPECT_EQ(kept->SlideRect(), (TRect{8, 8, 88, 24}));
    EXPECT_EQ(stretched->SlideWidth(), 120);
    EXPECT_EQ(grid->TakeLog(), std::vector<std::string>({"S ccSlideChanged -1", "M ccSlideChanged -1"}));
}
