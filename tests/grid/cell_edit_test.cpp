#include "controls/grid/edit_info.h"
#include "controls/grid/grid_cursors.h"
#include "editing_host.h"
#include "gui_driver.h"
#include "platform/gui/forms/screen.h"
#include "theme_switch.h"

#include "support/errors.h"
#include "support/system_colors.h"

#include <gtest/gtest.h>

namespace {

class CellEdit : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 120);
        edit = new TGxEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 24);
        Pump();
    }
    void TearDown() override { form->Free(); }

    int LeftMargin() { return LOWORD(static_cast<uintptr_t>(edit->Perform(EM_GETMARGINS, 0, 0))); }

    // A 16 x 16 glyph, green with a magenta bottom-left pixel (its transparent colour).
    static std::unique_ptr<TBitmap> Glyph()
    {
        auto glyph = std::make_unique<TBitmap>(16, 16, pf24bit);
        glyph->Canvas()->Brush()->SetColor(clGreen);
        glyph->Canvas()->FillRect({0, 0, 16, 16});
        glyph->Canvas()->SetPixels(0, 15, clFuchsia);
        return glyph;
    }

    TForm* form = nullptr;
    TGxEdit* edit = nullptr;
};

} // namespace

TEST_F(CellEdit, NewEditorLooksLikeAnEdit)
{
    TGxEdit fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 121);
    EXPECT_EQ(fresh.Height(), 20);
    EXPECT_EQ(fresh.BorderStyle(), bsSingle);
    EXPECT_EQ(fresh.Color(), clWindow);
    EXPECT_FALSE(fresh.ParentColor());
    EXPECT_TRUE(fresh.TabStop());
    EXPECT_TRUE(fresh.PreviewBorder());
    EXPECT_FALSE(fresh.ShowPreview());
    EXPECT_FALSE(fresh.Editing());
    EXPECT_TRUE(fresh.CanDispatchKey(VK_DOWN));
    EXPECT_NE(Screen->Cursors(crReversedArrow), Screen->Cursors(crArrow)); // registered
}

TEST_F(CellEdit, MarginsMakeRoomForPreviewAndGlyphAndRecreateTheWindow)
{
    const HWND before = edit->Handle();
    edit->EditMargins()->SetLeft(1);
    EXPECT_NE(edit->Handle(), before); // a new window took the margins
    EXPECT_EQ(LeftMargin(), 1);
    edit->SetShowPreview(true);
    EXPECT_EQ(LeftMargin(), 27);
    auto glyph = Glyph();
    edit->SetGlyph(glyph.get());
    EXPECT_EQ(LeftMargin(), 47);
    EXPECT_EQ(edit->EditInfo()->Width(), 40);
    EXPECT_EQ(edit->EditInfo()->Height(), edit->ClientHeight());
    EXPECT_TRUE(edit->EditInfo()->Visible());
    EXPECT_EQ(edit->Glyph()->TransparentColor(), clFuchsia);
    edit->SetShowPreview(false);
    EXPECT_EQ(LeftMargin(), 21);
    EXPECT_EQ(edit->EditInfo()->Width(), 20);
    edit->SetGlyph(nullptr);
    EXPECT_FALSE(edit->EditInfo()->Visible());
}

TEST_F(CellEdit, GlyphClickButNotPreviewClick)
{
    auto glyph = Glyph();
    edit->SetGlyph(glyph.get());
    edit->SetShowPreview(true);
    std::vector<TRect> previews;
    edit->OnCustomPreviewDraw = [&](TObject* sender, const TRect& r) {
        EXPECT_EQ(sender, edit);
        previews.push_back(r);
        edit->EditInfo()->Canvas()->Brush()->SetColor(clRed);
        edit->EditInfo()->Canvas()->FillRect(r);
    };
    int glyphClicks = 0;
    edit->OnGlyphClick = [&](TObject*) { ++glyphClicks; };
    Click(edit->EditInfo(), {5, 5});
    EXPECT_EQ(glyphClicks, 1);
    Click(edit->EditInfo(), {25, 5});
    EXPECT_EQ(glyphClicks, 1);

    edit->SetText("preview");
    auto picture = Render(edit);
    ASSERT_FALSE(previews.empty());
    EXPECT_EQ(previews.back(), (TRect{19, 1, 37, edit->ClientHeight() - 1}));
    const TPoint inBox = edit->EditInfo()->ClientToParent({25, 5}, form);
    EXPECT_EQ(picture->Canvas()->Pixels(inBox.X - edit->Left(), inBox.Y - edit->Top()), clRed);
    SaveScreenshot(*picture, "cell_edit_glyph_and_preview");
}

TEST_F(CellEdit, TypedValuesAndTheirErrors)
{
    const struct
    {
        std::string text;
        bool integer, floating, boolean;
    } cases[] = {
        {"", true, true, false},      {"12", true, true, true},     {"1.5", false, true, true},
        {"abc", false, false, false}, {"true", false, false, true}, {"-7", true, true, true},
    };
    for (const auto& c : cases) {
        edit->SetText(c.text);
        if (c.integer)
            EXPECT_NO_THROW(edit->AsInteger()) << c.text;
        else
            EXPECT_THROW(edit->AsInteger(), EConvertError) << c.text;
        if (c.floating)
            EXPECT_NO_THROW(edit->AsFloat()) << c.text;
        else
            EXPECT_THROW(edit->AsFloat(), EConvertError) << c.text;
        if (c.boolean)
            EXPECT_NO_THROW(edit->AsBoolean()) << c.text;
        else
            EXPECT_THROW(edit->AsBoolean(), EConvertError) << c.text;
    }
    edit->SetText("");
    EXPECT_EQ(edit->AsInteger(), 0);
    EXPECT_EQ(edit->AsDateTime(), 0);
    edit->SetAsBoolean(true);
    EXPECT_EQ(edit->Text(), "True");
    EXPECT_TRUE(edit->AsBoolean());
    edit->SetAsFloat(2.5);
    EXPECT_EQ(edit->AsFloat(), 2.5);
    edit->SetAsInteger(-12);
    EXPECT_EQ(edit->AsString(), "-12");
    edit->SetAsDateTime(45000.5);
    EXPECT_DOUBLE_EQ(edit->AsDateTime(), 45000.5);
}

TEST_F(CellEdit, ArrowKeysGoToTheGridOnlyWhenItTakesThem)
{
    auto* host = new TEditingHost(form);
    host->SetParent(form);
    host->SetBounds(0, 40, 300, 60);
    auto* column = new TGxTextColumn(form);
    TGxCustomEdit* cellEditor = column->Editor();
    ASSERT_NE(dynamic_cast<TGxEdit*>(cellEditor), nullptr);
    EXPECT_EQ(cellEditor->Owner(), column);
    EXPECT_FALSE(cellEditor->Visible());
    host->StartEditing(*column, "cell", {10, 10, 110, 30});
    Pump();
    EXPECT_TRUE(cellEditor->Focused());
    EXPECT_EQ(cellEditor->BorderStyle(), bsNone);
    EXPECT_EQ(cellEditor->SelStart(), 4); // the caret after the text

    Press(cellEditor, "Down");
    EXPECT_EQ(host->childKeys, std::vector<uint16_t>{VK_DOWN});
    EXPECT_TRUE(cellEditor->Visible()); // without the grid's option the key stays in the editor

    host->arrowKeyExitEditing = true;
    PressAll(cellEditor, {"=x", "Down"});
    EXPECT_FALSE(cellEditor->Visible());
    EXPECT_TRUE(host->Focused());
    EXPECT_EQ(cellEditor->Text(), "cellx");
}

TEST_F(CellEdit, ReversedArrowOverTheLeftEndSelectsAll)
{
    edit->SetText("some text");
    edit->SetFocus();
    MouseMove(edit, {1, 5});
    EXPECT_EQ(edit->Cursor(), crReversedArrow);
    MouseMove(edit, {40, 5});
    EXPECT_EQ(edit->Cursor(), crIBeam);
    edit->SetShowPreview(true);
    MouseMove(edit, {22, 5});
    EXPECT_EQ(edit->Cursor(), crReversedArrow);
    Click(edit, {60, 5});
    EXPECT_EQ(edit->SelLength(), 0);
    Click(edit, {22, 5});
    EXPECT_EQ(edit->SelLength(), 9);
}

TEST_F(CellEdit, BorderRingsAndThemedBorder)
{
    edit->SetBorderStyle(bsNone);
    edit->SetColor(clYellow);
    edit->SetBorderWidth(2);
    auto rings = Render(edit);
    for (const TPoint p : {TPoint{0, 0}, TPoint{1, 1}, TPoint{149, 12}, TPoint{148, 12}, TPoint{70, 23}})
        EXPECT_EQ(rings->Canvas()->Pixels(p.X, p.Y), clYellow) << p.X << "," << p.Y;
    SaveScreenshot(*rings, "cell_edit_border_rings");

    edit->SetBorderWidth(0);
    edit->SetColor(clWindow);
    edit->SetBorderStyle(bsSingle);
    edit->SetText("themed");
    std::unique_ptr<TBitmap> themed, classic;
    {
        TThemeSwitch on(true);
        edit->Perform(WM_THEMECHANGED, 0, 0);
        themed = Render(edit);
    }
    {
        TThemeSwitch off(false);
        classic = Render(edit);
    }
    EXPECT_NE(themed->Canvas()->Pixels(0, 0), classic->Canvas()->Pixels(0, 0));
    SaveScreenshot(*themed, "cell_edit_themed");
    SaveScreenshot(*classic, "cell_edit_classic");
}
