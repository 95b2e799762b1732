#include "controls/toolbars/floating_frame.h"
#include "controls/toolbars/position_store.h"
#include "main_window_like.h"
#include "platform/system/ini_file.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

// The places of a form's toolbars saved to an INI file and put back into a form built afresh.

namespace {

// A form with three docks and four toolbars, built the same way each time.
struct TToolbarForm
{
    TToolbarForm()
    {
        form = ShowTestForm(420, 320);
        form->SetClientSize({420, 320});
        top = Dock(dpTop, "TopDock");
        bottom = Dock(dpBottom, "BottomDock");
        left = Dock(dpLeft, "LeftDock");
        one = Toolbar("One", top, 0, 0);
        two = Toolbar("Two", top, 0, 150);
        three = Toolbar("Three", top, 1, 0);
        four = Toolbar("Four", left, 0, 0);
        edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(300, 150, 80, 22);
        edit->SetFocus();
        Pump();
    }
    ~TToolbarForm()
    {
        form->Free();
        Pump();
    }
    TBarDock* Dock(TBarDockPosition position, const std::string& name)
    {
        auto* dock = new TBarDock(form);
        dock->SetName(name);
        dock->SetPosition(position);
        dock->SetParent(form);
        return dock;
    }
    TBarCustomToolbar* Toolbar(const std::string& name, TBarDock* dock, int row, int pos)
    {
        auto* toolbar = new TBarCustomToolbar(form);
        toolbar->SetName(name);
        toolbar->SetCaption(name);
        for (const char* caption : {"Alpha", "Beta", "Gamma", "Delta"})
            AddCommand(toolbar->Items(), caption);
        toolbar->SetDockRow(row);
        toolbar->SetDockPos(pos);
        toolbar->SetParent(dock);
        return toolbar;
    }

    TForm* form;
    TBarDock* top;
    TBarDock* bottom;
    TBarDock* left;
    TBarCustomToolbar* one;
    TBarCustomToolbar* two;
    TBarCustomToolbar* three;
    TBarCustomToolbar* four;
    TEdit* edit;
};

// Where a toolbar lies, as a test compares it.
struct TPlace
{
    std::string dock;
    int row, pos;
    bool floating;
    TPoint floatingPosition;
    int floatingWidth;
    bool visible;
    friend bool operator==(const TPlace&, const TPlace&) = default;
    friend void PrintTo(const TPlace& p, std::ostream* out)
    {
        *out << "{dock " << p.dock << " row " << p.row << " pos " << p.pos
             << (p.floating ? " floating at " : " at ") << p.floatingPosition.X << "," << p.floatingPosition.Y
             << " width " << p.floatingWidth << (p.visible ? " visible}" : " hidden}");
    }
};

TPlace PlaceOf(const TBarCustomToolbar* t)
{
    return {t->CurrentDock() ? t->CurrentDock()->Name() : "",
            t->DockRow(),
            t->DockPos(),
            t->Floating(),
            t->FloatingPosition(),
            t->FloatingWidth(),
            t->Visible()};
}

std::vector<TPlace> Places(const TToolbarForm& f)
{
    return {PlaceOf(f.one), PlaceOf(f.two), PlaceOf(f.three), PlaceOf(f.four)};
}

class PositionStore : public testing::Test
{
protected:
    void SetUp() override { std::filesystem::remove(file); }
    void TearDown() override { std::filesystem::remove(file); }
    // Presses a point of a window's frame, moves the pointer through the points of target's client area and
    // lets go at the last.
    static void DragFrom(TWinControl* window, TPoint grip, TWinControl* target,
                         const std::vector<TPoint>& points)
    {
        std::vector<TLoopStep> steps;
        for (const TPoint& p : points)
            steps.push_back({[=] { MouseMove(target, p, ssLeft); }});
        steps.push_back({[=] { MouseUp(target, points.back()); }});
        TLoopScript script(std::move(steps));
        FrameMouseDown(window, grip);
        Pump();
    }

    // A file of the test's own: the tests of this suite run at the same time as separate programs.
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("qm_toolbar_positions_" +
                               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) +
                               "_" + std::to_string(getpid()) + ".ini"))
                                 .string();
};

TEST_F(PositionStore, PlacesMadeByTheMouseComeBackInAFormBuiltAfresh)
{
    std::vector<TPlace> saved;
    {
        TToolbarForm f;
        // Two into the bottom dock, Three out into a frame and sized narrower, Four hidden.
        DragFrom(f.two, {4, 10}, f.form, {{200, 200}, {200, 315}});
        ASSERT_EQ(f.two->CurrentDock(), f.bottom);
        DragFrom(f.three, {4, 10}, f.form, {{150, 140}, {160, 150}});
        ASSERT_TRUE(f.three->Floating());
        TBarFloatingWindowParent* frame = f.three->FloatParent();
        const TPoint edge{frame->Width() - 2, frame->Height() / 2};
        const TPoint at = f.form->ScreenToClient({frame->Left() + edge.X, frame->Top() + edge.Y});
        DragFrom(frame, edge, f.form, {{at.X - 60, at.Y}});
        ASSERT_NE(f.three->FloatingWidth(), 0);
        f.four->Hide();
        TIniFile ini(file);
        SaveToolbarPositions(*f.form, ini);
        saved = Places(f);
    }
    TToolbarForm f;
    const std::vector<TPlace> built = Places(f);
    LoadToolbarPositions(*f.form, TIniFile(file));
    EXPECT_EQ(Places(f), saved);
    EXPECT_EQ(f.three->FloatParent()->BoundsRect().TopLeft(), saved[2].floatingPosition);
    EXPECT_EQ(f.bottom->Height(), f.two->Height()) << "the bottom dock holds Two";
    EXPECT_FALSE(f.four->Visible());
    EXPECT_NE(Places(f), built);
}

TEST_F(PositionStore, AGarbledFileChangesNothing)
{
    {
        std::ofstream out(file, std::ios::binary);
        out << "[One]\nDock=Nowhere\nRow=x\nPos=\n[Two]\nFloating=yes\nFloatX=1e9\n[Four]\nVisible=2\n"
            << std::string("\0\xff\xfe[", 4) << "Three]\nRow=-";
    }
    TToolbarForm f;
    const std::vector<TPlace> built = Places(f);
    LoadToolbarPositions(*f.form, TIniFile(file));
    EXPECT_EQ(Places(f), built);
}

} // namespace
