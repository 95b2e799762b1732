#pragma once

// Docks and windows for the tests: a dockable window whose content has a size the test sets, and a form
// with docks along its edges.

#include "controls/toolbars/dock.h"
#include "controls/toolbars/dockable_window.h"
#include "gui_driver.h"
#include "held_buttons.h"

#include <gtest/gtest.h>

#include <stdexcept>

// A dockable window without a toolbar: its content is Content pixels, it can shrink to MinShrink along a row
// and shrinks the way Shrink says; a set ThrowOnQuery makes asking its size fail.
class TFakeBar : public TBarCustomDockableWindow
{
public:
    explicit TFakeBar(TComponent* owner, TPoint content = {50, 20})
        : TBarCustomDockableWindow(owner), Content(content)
    {}

    TPoint Content;
    int MinShrink = 0;
    TBarShrinkMode Shrink = tbsmNone;
    bool ThrowOnQuery = false;
    int Arrangements = 0; // real layouts run

    // Lies in dock at row and pos.
    void DockAt(TBarDock* dock, int row, int pos)
    {
        SetDockRow(row);
        SetDockPos(pos);
        SetParent(dock);
    }

protected:
    TPoint ComputeArrangement(bool moveControls, TBarDockKind, bool, TBarDock* dock) override
    {
        if (moveControls)
            ++Arrangements;
        // Shrunk along its row, the content keeps its thickness (a chevron hides what does not fit).
        const bool vertical = dock && dock->Vertical();
        if (FCurrentSize > 0 && Docked())
            return vertical ? TPoint{Content.X, FCurrentSize - NonClientHeight()}
                            : TPoint{FCurrentSize - NonClientWidth(), Content.Y};
        return Content;
    }
    void QueryBaseSize(TPoint& size) override
    {
        if (ThrowOnQuery)
            throw std::runtime_error("the content cannot be measured");
        size = Content;
    }
    void QueryMinShrinkSize(int& minimum) override { minimum = MinShrink; }
    TBarShrinkMode QueryShrinkMode() override { return Shrink; }
};

// A shown form with a top dock (and, when asked, a bottom one) and a client control below them.
class DockFixture : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(400, 300);
        top = new TBarDock(form);
        top->SetName("TopDock");
        top->SetParent(form);
    }
    void TearDown() override
    {
        ReleaseHeldButtons(form);
        form->Free();
        Pump();
    }
    TFakeBar* AddBar(TBarDock* dock, int row, int pos, TPoint content = {50, 20})
    {
        auto* bar = new TFakeBar(form, content);
        bar->DockAt(dock, row, pos);
        return bar;
    }
    TBarDock* AddDock(TBarDockPosition position, const std::string& name)
    {
        auto* dock = new TBarDock(form);
        dock->SetName(name);
        dock->SetPosition(position);
        dock->SetParent(form);
        return dock;
    }

    TForm* form = nullptr;
    TBarDock* top = nullptr;
};
