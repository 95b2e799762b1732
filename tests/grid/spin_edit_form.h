#pragma once

// A shown form with a spin editor that has the focus and a second editor to move the focus to; the timers
// run on a clock that the test moves.

#include "controls/grid/spin_cell_edit.h"
#include "gui_driver.h"
#include "manual_clock.h"

#include <gtest/gtest.h>

class SpinEditForm : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 120);
        edit = new TGxSpinEdit(form);
        edit->SetParent(form);
        edit->SetBounds(10, 10, 150, 24);
        other = new TGxEdit(form);
        other->SetParent(form);
        other->SetBounds(10, 50, 150, 24);
        edit->OnSpin = [this](TObject*, TSpinButtonSet) { ++spins; };
        edit->SetFocus();
        Pump();
    }
    void TearDown() override { form->Free(); }

    // Puts the text in and the caret at its end.
    void Start(const std::string& text)
    {
        edit->SetText(text);
        edit->SetSelStart(static_cast<int>(text.size()));
    }

    TManualClock clock;
    TForm* form = nullptr;
    TGxSpinEdit* edit = nullptr;
    TGxEdit* other = nullptr;
    int spins = 0; // OnSpin calls
};
