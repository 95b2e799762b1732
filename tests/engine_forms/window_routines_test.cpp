#include "controls/edits/markup_label.h"
#include "controls/grid/column_parts.h"
#include "controls/grid/columns.h"
#include "controls/grid/data_grid.h"
#include "controls/grid/text_column.h"
#include "controls/skins/skin_spin_edit.h"
#include "controls/skins/skin_spin_edit_options.h"
#include "engine/forms/window_routines.h"
#include "gui_driver.h"
#include "platform/gui/windows/actions.h"
#include "support/window_services.h"

#include <gtest/gtest.h>

namespace {

class WindowRoutines : public ::testing::Test
{
protected:
    void SetUp() override { form = ShowTestForm(300, 200); }
    void TearDown() override { form->Free(); }
    TForm* form = nullptr;
};

} // namespace

// The grid's font reaches every column and every header, not only the grid.
TEST_F(WindowRoutines, SetGridFontReachesColumnsAndHeaders)
{
    auto* grid = new TDataGrid(form);
    grid->SetParent(form);
    for (int i = 0; i < 3; ++i) {
        auto* column = new TGxTextColumn(form);
        column->SetParentFont(false);
        column->Header()->SetParentFont(false);
        grid->Columns()->AddColumn(column);
    }
    SetGridFont(*grid, "DejaVu Sans Mono", 11);
    EXPECT_EQ(grid->Font()->Name(), "DejaVu Sans Mono");
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        TGxCustomColumn& column = *grid->Columns()->Items(i);
        EXPECT_EQ(column.Font()->Name(), "DejaVu Sans Mono");
        EXPECT_EQ(column.Font()->Size(), 11);
        EXPECT_EQ(column.Header()->Font()->Name(), "DejaVu Sans Mono");
        EXPECT_EQ(column.Header()->Font()->Size(), 11);
    }
}

// The markup label shows the text as its markup; an action takes the hint only when asked.
TEST_F(WindowRoutines, SetCtrlText)
{
    auto* label = new TMarkupLabel(form);
    label->SetParent(form);
    SetCtrlText(*label, "<b>R&amp;D</b>");
    EXPECT_EQ(label->HTMLText()->Text(), "<b>R&amp;D</b>" + label->HTMLText()->LineBreak());

    TAction action(form);
    SetCtrlText(action, "Close", false);
    EXPECT_EQ(action.Caption(), "Close");
    EXPECT_EQ(action.Hint(), "");
    SetCtrlText(action, "Abort", true);
    EXPECT_EQ(action.Hint(), "Abort");
}

// A run sets the status on every output line, mostly to what it already shows: the same text again neither
// lays out the markup again nor paints; another text does.
TEST_F(WindowRoutines, SetCtrlTextLeavesAnUnchangedMarkupAlone)
{
    auto* label = new TMarkupLabel(form);
    label->SetParent(form);
    SetCtrlText(*label, "<b>50 %</b>");
    int relaid = 0;
    TNotifyEvent layOut = label->HTMLText()->OnChange;
    label->HTMLText()->OnChange = [&](TObject* sender) {
        ++relaid;
        if (layOut)
            layOut(sender);
    };
    SetCtrlText(*label, "<b>50 %</b>");
    EXPECT_EQ(relaid, 0);
    SetCtrlText(*label, "<b>51 %</b>");
    EXPECT_GT(relaid, 0);
    EXPECT_EQ(label->HTMLText()->Strings(0), "<b>51 %</b>");
}

// Halves round to the even neighbour.
TEST_F(WindowRoutines, GetSpinEditIntRoundsHalvesToEven)
{
    auto* edit = new TQvSpinEdit(form);
    edit->SetParent(form);
    edit->SpinOptions()->SetMinValue(-100);
    edit->SpinOptions()->SetMaxValue(100);
    const std::pair<double, int> cases[] = {{2.5, 2}, {3.5, 4}, {2.6, 3}, {-2.5, -2}, {7, 7}};
    for (const auto& [value, expected] : cases) {
        edit->SetValue(value);
        EXPECT_EQ(GetSpinEditInt(*edit), expected) << value;
    }
}

// The warning names the download and the program, stands over its window and stays on top.
TEST_F(WindowRoutines, ShowToolMissingMsg)
{
    struct RecordingBoxes : IWindowServices
    {
        int ShowMsgBox(const std::string& text, const std::string& caption, TWindowHandle owner,
                       unsigned flags) override
        {
            Text = text;
            Caption = caption;
            Owner = owner;
            Flags = flags;
            return IDOK;
        }
        bool SetWindowTopmost(TWindowHandle, bool) override { return false; }
        std::string Text, Caption;
        TWindowHandle Owner = nullptr;
        unsigned Flags = 0;
    } boxes;
    IWindowServices* const installed = GetWindowServices();
    SetWindowServices(&boxes);
    ShowToolMissingMsg(form);
    SetWindowServices(installed);
    EXPECT_NE(boxes.Text.find("Quillmark.zip"), std::string::npos);
    EXPECT_EQ(boxes.Text.find("%s"), std::string::npos);
    EXPECT_EQ(boxes.Caption, "Quillmark");
    EXPECT_NE(boxes.Owner, nullptr);
    EXPECT_EQ(boxes.Flags & (MB_ICONMASK | MB_TOPMOST), MB_ICONWARNING | MB_TOPMOST);
}
