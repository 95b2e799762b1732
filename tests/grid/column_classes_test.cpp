#include "controls/grid/check_box_column.h"
#include "controls/grid/column_display.h"
#include "controls/grid/column_play.h"
#include "controls/grid/image_column.h"
#include "controls/grid/number_column.h"
#include "controls/grid/spin_cell_edit.h"
#include "controls/grid/text_column.h"
#include "controls/grid/tree_column.h"
#include "controls/grid/virtual_column.h"
#include "fake_columns_grid.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/graphics/png_image.h"

#include "support/format_settings.h"
#include "support/streams.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ColumnClasses : public testing::Test
{
protected:
    ColumnClasses() : grid(new FakeColumnsGrid(&form)) {}

    template <typename Column> Column* Add(const std::string& name)
    {
        auto* column = new Column(&form);
        column->SetName(name);
        grid->Columns()->AddColumn(column);
        grid->TakeLog();
        return column;
    }
    static TCellInfo Cell(const std::string& text, double number = 0)
    {
        TCellInfo cell;
        cell.AsString = text;
        cell.AsFloat = number;
        return cell;
    }

    TComponent form{nullptr};
    FakeColumnsGrid* grid;
};

std::string ClassOf(const TObject* object)
{
    return object ? object->ClassName() : "none";
}

struct ClassCase
{
    std::function<TGxCustomColumn*(TComponent*)> make;
    TColumnType type;
    std::string editor, display, play;
    TColumnStyle style;
    std::string defaultValue;
    TSortType sortType;
    TAlignment alignment;
};

// A 2 x 1 RGB picture (red, green) whose file carries a gamma chunk.
void LoadPngWithGamma(TPngImage& image)
{
    static const uint8_t bytes[] = {
        0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
        0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x7B,
        0x40, 0xE8, 0xDD, 0x00, 0x00, 0x00, 0x04, 0x67, 0x41, 0x4D, 0x41, 0x00, 0x00, 0xB1, 0x8F,
        0x0B, 0xFC, 0x61, 0x05, 0x00, 0x00, 0x00, 0x0F, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63,
        0xF8, 0xCF, 0xC0, 0xC0, 0xF0, 0x9F, 0x01, 0x00, 0x07, 0xFF, 0x01, 0xFF, 0x01, 0x7F, 0x89,
        0xA7, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
    TMemoryStream stream;
    stream.WriteBuffer(bytes, sizeof bytes);
    stream.Seek(0, soBeginning);
    image.LoadFromStream(stream);
}

template <typename Column> std::function<TGxCustomColumn*(TComponent*)> Maker()
{
    return [](TComponent* owner) { return new Column(owner); };
}

} // namespace

TEST_F(ColumnClasses, WhatEachClassFixes)
{
    const TColumnStyle text{csCanEdit, csFitToLargest, csTextFitHint};
    const TColumnStyle checkBox{csClickable, csCanEdit, csFitToLargest};
    const TColumnStyle image{csFitToLargest};
    const TColumnStyle tree{csClickable, csCanEdit, csDisableSorting, csFitToLargest};
    const std::vector<ClassCase> cases = {
        {Maker<TGxTextColumn>(), ctString, "TGxEdit", "TTextColumnDisplay", "none", text, "", stAlphabetic,
         taLeftJustify},
        {Maker<TGxCheckBoxColumn>(), ctBoolean, "none", "TCheckBoxColumnDisplay", "TCheckBoxColumnPlay",
         checkBox, "", stBoolean, taLeftJustify},
        {Maker<TGxImageColumn>(), ctInteger, "none", "TImageColumnDisplay", "none", image, "0", stNumeric,
         taLeftJustify},
        {Maker<TGxCustomNumberColumn>(), ctFloat, "none", "TNumberColumnDisplay", "none", text, "0",
         stNumeric, taLeftJustify},
        {Maker<TGxNumberColumn>(), ctFloat, "TGxSpinEdit", "TNumberColumnDisplay", "none", text, "0",
         stNumeric, taRightJustify},
        {Maker<TGxTreeColumn>(), ctString, "TGxEdit", "TTreeColumnDisplay", "TTreeColumnPlay", tree, "",
         stAlphabetic, taLeftJustify},
        {Maker<TGxVirtualColumn>(), ctVirtual, "TGxEdit", "TTextColumnDisplay", "none", text, "",
         stAlphabetic, taLeftJustify},
    };
    for (const ClassCase& c : cases) {
        TGxCustomColumn* column = c.make(&form);
        const std::string name = column->ClassName();
        column->SetColumnType(ctMemo); // the class keeps its own type (text and tree columns take any)
        if (c.type != ctString) {
            EXPECT_EQ(column->ColumnType(), c.type) << name;
        }
        EXPECT_EQ(ClassOf(column->Editor()), c.editor) << name;
        if (column->Editor()) {
            EXPECT_FALSE(column->Editor()->Visible()) << name;
        }
        EXPECT_EQ(ClassOf(column->Display()), c.display) << name;
        EXPECT_EQ(column->Display()->Column(), column) << name;
        EXPECT_EQ(ClassOf(column->Play()), c.play) << name;
        EXPECT_EQ(column->ColumnStyle(), c.style) << name;
        EXPECT_EQ(column->DefaultValue(), c.defaultValue) << name;
        EXPECT_EQ(column->SortType(), c.sortType) << name;
        EXPECT_EQ(column->Alignment(), c.alignment) << name;
    }
    EXPECT_TRUE(TGxTextColumn(nullptr).Options().Contains(coShowTextFitHint));
    EXPECT_FALSE(TGxCheckBoxColumn(nullptr).Options().Contains(coShowTextFitHint));
}

TEST_F(ColumnClasses, TextColumnWrapsAndHidesItsText)
{
    auto* column = Add<TGxTextColumn>("T");
    std::vector<std::string> asked;
    column->OnGetDrawText = [&](TObject* sender, std::string& text) {
        EXPECT_EQ(sender, column);
        asked.push_back(text);
        text += "!";
    };
    column->SetTextBefore("(");
    column->SetTextAfter(")");
    EXPECT_EQ(column->GetDrawText(Cell("abc")), "(abc!)");
    EXPECT_EQ(asked, std::vector<std::string>{"abc"});
    column->SetPasswordChar(U'*');
    EXPECT_EQ(column->GetDrawText(Cell("abc")), "******"); // as many as "(abc!)" has characters
    column->SetPasswordChar(U'●');
    column->OnGetDrawText = nullptr;
    EXPECT_EQ(column->GetDrawText(Cell("é")), "●●●");

    EXPECT_FALSE(column->IsKeyValid(U' '));
    EXPECT_TRUE(column->IsKeyValid(U'a'));
    EXPECT_TRUE(column->GetDisplayOptions().Empty());
    column->SetMultiLine(true);
    EXPECT_EQ(column->GetDisplayOptions(), TDisplayOptions{doMultiLine});
    EXPECT_EQ(grid->TakeLog(),
              std::vector<std::string>({"T refresh gaBody", "T refresh gaBody", "T refresh gaBody",
                                        "T refresh gaBody", "T refresh gaBody"}));

    auto* copy = Add<TGxTextColumn>("C");
    column->SetMaxLength(12);
    copy->Assign(column);
    EXPECT_EQ(copy->MaxLength(), 12);
    EXPECT_TRUE(copy->MultiLine());
    EXPECT_EQ(copy->PasswordChar(), U'●');
    EXPECT_EQ(copy->TextBefore() + copy->TextAfter(), "()");
}

TEST_F(ColumnClasses, EditorsArePreparedByTheirColumns)
{
    auto* text = Add<TGxTextColumn>("T");
    text->SetMaxLength(5);
    text->SetPasswordChar(U'#');
    text->BeginEditing();
    TGxCustomEdit& edit = *text->Editor();
    EXPECT_TRUE(edit.EditorUpdating());
    EXPECT_TRUE(edit.InplaceEditor());
    EXPECT_EQ(edit.MaxLength(), 5);
    EXPECT_EQ(edit.PasswordChar(), U'#');
    EXPECT_EQ(edit.BorderStyle(), bsNone);

    auto* number = Add<TGxNumberColumn>("N");
    int clicks = 0;
    number->OnButtonClick = [&](TObject* sender) {
        EXPECT_EQ(sender, number);
        ++clicks;
    };
    number->SetButtonCaption("...");
    number->SetEditOptions({eoAllowSigns});
    number->SetIncrement(0.25);
    number->SetMin(-1);
    number->SetMax(9);
    number->SetShowButton(true);
    number->SetSpinButtons(false);
    number->SetPrecision(3);
    number->BeginEditing();
    number->UpdateEdit();
    auto& spin = dynamic_cast<TGxSpinEdit&>(*number->Editor());
    EXPECT_EQ(spin.ButtonCaption(), "...");
    EXPECT_EQ(spin.Options(), TGxNumberEditOptions{eoAllowSigns});
    EXPECT_EQ(spin.Increment(), 0.25);
    EXPECT_EQ(spin.Min(), -1);
    EXPECT_EQ(spin.Max(), 9);
    EXPECT_TRUE(spin.ShowButton());
    EXPECT_FALSE(spin.SpinButtons());
    EXPECT_EQ(spin.Precision(), 3);
    EXPECT_EQ(spin.Alignment(), taRightJustify);
    spin.OnButtonClick(&spin);
    EXPECT_EQ(clicks, 1);
}

class NumberColumnTexts : public ColumnClasses, public testing::WithParamInterface<const char*>
{
protected:
    NumberColumnTexts() : settings(Separators()) {}
    static TFormatSettings Separators()
    {
        TFormatSettings settings;
        settings.DecimalSeparator = GetParam();
        settings.ThousandSeparator = std::string(GetParam()) == "," ? "." : ",";
        return settings;
    }
    // The text with "." standing for the decimal separator.
    static std::string Local(std::string text)
    {
        std::replace(text.begin(), text.end(), '.', GetParam()[0]);
        return text;
    }

    TFormatSettingsGuard settings;
};

TEST_P(NumberColumnTexts, ValuesAreFormattedByTheColumn)
{
    auto* column = Add<TGxNumberColumn>("N");
    column->SetHideWhenEmpty(true);
    column->SetEmptyCaption("none");
    EXPECT_EQ(column->GetDrawText(Cell("ignored", 0)), "none");
    EXPECT_EQ(column->GetDrawText(Cell("ignored", 0.5)), Local("0.5"));
    EXPECT_EQ(column->GetDrawText(Cell("", 2.5)), Local("2.5"));
    column->SetFormatMask("0.00");
    column->SetTextBefore("~");
    column->SetTextAfter(" s");
    EXPECT_EQ(column->GetDrawText(Cell("", 2.5)), Local("~2.50 s"));
    column->SetEmptyValue(2.5);
    EXPECT_EQ(column->GetDrawText(Cell("", 2.5)), "none");
    column->OnGetDrawText = [](TObject*, std::string& text) { text = "[" + text + "]"; };
    EXPECT_EQ(column->GetDrawText(Cell("", 3)), Local("[~3.00 s]"));
    EXPECT_EQ(grid->TakeLog().size(), 6u); // each setter repainted the body

    // Keys: digits and the decimal separator by default; signs with eoAllowSigns.
    EXPECT_TRUE(column->IsKeyValid(U'7'));
    EXPECT_TRUE(column->IsKeyValid(GetParam()[0]));
    EXPECT_FALSE(column->IsKeyValid(std::string(GetParam()) == "." ? U',' : U'.'));
    EXPECT_FALSE(column->IsKeyValid(U'-'));
    EXPECT_FALSE(column->IsKeyValid(U'a'));
    EXPECT_FALSE(column->IsKeyValid(U'٣'));
    column->SetEditOptions({eoAllowSigns});
    EXPECT_TRUE(column->IsKeyValid(U'-'));
    EXPECT_TRUE(column->IsKeyValid(U'+'));
    EXPECT_FALSE(column->IsKeyValid(GetParam()[0]));
}

INSTANTIATE_TEST_SUITE_P(DecimalSeparators, NumberColumnTexts, testing::Values(".", ","));

TEST_F(ColumnClasses, NumberColumnsCopyTheirFormat)
{
    auto* source = Add<TGxNumberColumn>("S");
    source->SetFormatMask("#0.0");
    source->SetHideWhenEmpty(true);
    source->SetEmptyCaption("-");
    source->SetEmptyValue(-1);
    source->SetMin(1);
    source->SetMax(5);
    source->SetIncrement(0.5);
    source->SetSpinButtons(false);
    source->SetPrecision(4);
    auto* copy = Add<TGxNumberColumn>("C");
    copy->Assign(source);
    EXPECT_EQ(copy->FormatMask(), "#0.0");
    EXPECT_TRUE(copy->HideWhenEmpty());
    EXPECT_EQ(copy->EmptyCaption(), "-");
    EXPECT_EQ(copy->EmptyValue(), -1);
    EXPECT_EQ(copy->Min() + copy->Max(), 6);
    EXPECT_EQ(copy->Increment(), 0.5);
    EXPECT_FALSE(copy->SpinButtons());
    EXPECT_EQ(copy->Precision(), 0); // not copied

    auto* plain = Add<TGxCustomNumberColumn>("P");
    plain->Assign(source);
    EXPECT_EQ(plain->FormatMask(), "#0.0");
}

TEST_F(ColumnClasses, TreeColumnSettings)
{
    auto* tree = Add<TGxTreeColumn>("R");
    tree->SetSorted(true);
    EXPECT_FALSE(tree->Sorted());
    EXPECT_TRUE(grid->TakeLog().empty());
    EXPECT_FALSE(tree->IsKeyValid(U' '));

    tree->SetShowLines(true);
    tree->SetExpandLock(true);
    EXPECT_EQ(grid->TakeLog(), std::vector<std::string>{"R refresh gaNone"});

    tree->SetPadding(3);
    TRect edit{10, 0, 200, 20};
    tree->AdjustEditRect(2, edit);
    EXPECT_EQ(edit.Left, 10 + 2 * 19 + 3 + 16);
    {
        TImageList images(nullptr);
        images.SetSize(12, 12);
        tree->SetImages(&images);
        edit.Left = 10;
        tree->AdjustEditRect(0, edit);
        EXPECT_EQ(edit.Left, 10 + 3 + 16 + 12);
    }
    EXPECT_EQ(tree->Images(), nullptr); // forgotten when the list went

    // Button images are copied without their gamma; nothing empties them.
    TPngImage withGamma;
    LoadPngWithGamma(withGamma);
    ASSERT_TRUE(withGamma.HasChunk("gAMA"));
    tree->SetImageExpand(&withGamma);
    EXPECT_EQ(tree->ImageExpand()->Width(), withGamma.Width());
    EXPECT_FALSE(tree->ImageExpand()->HasChunk("gAMA"));
    EXPECT_TRUE(withGamma.HasChunk("gAMA"));
    tree->SetImageExpand(nullptr);
    EXPECT_TRUE(tree->ImageExpand()->Empty());
}

TEST_F(ColumnClasses, ImageColumnForgetsItsList)
{
    auto* column = Add<TGxImageColumn>("I");
    EXPECT_TRUE(column->Transparent());
    auto* images = new TImageList(nullptr);
    column->SetImages(images);
    auto* copy = Add<TGxImageColumn>("C");
    copy->Assign(column);
    EXPECT_EQ(copy->Images(), images);
    delete images;
    EXPECT_EQ(column->Images(), nullptr);
    EXPECT_EQ(copy->Images(), nullptr);
}
