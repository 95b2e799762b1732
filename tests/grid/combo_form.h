#pragma once

// A shown form with a 6-series combo box that has the focus, and a second edit to move the focus to; the
// timers and the tick count run on a clock that the test moves. A watcher counts the combo box's popups as
// they are freed.

#include "controls/grid/combo_box6.h"
#include "gui_driver.h"
#include "manual_clock.h"

#include "platform/gui/core/free_watch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ComboForm : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(320, 200);
        combo = new TGxComboBox6(form);
        combo->SetParent(form);
        combo->SetBounds(10, 10, 160, 21);
        combo->Items()->SetText("Apple\r\nApricot\r\nBanana");
        other = new TGxEdit6(form);
        other->SetParent(form);
        other->SetBounds(10, 150, 120, 21);
        popupsFreed.OnFreed = [this](TComponent*) { ++freed; };
        combo->OnDropDown = [this](TObject*) {
            popupsFreed.Watch(combo->PopupControl());
            events.push_back("drop down");
        };
        combo->OnCloseUp = [this](TObject*) { events.push_back("close up" + PopupAlive()); };
        combo->OnSelect = [this](TObject*) { events.push_back("select " + combo->Text() + PopupAlive()); };
        combo->SetFocus();
        Pump();
    }
    void TearDown() override { form->Free(); }

    // " (popup alive)" while the last popup dropped down still exists.
    std::string PopupAlive() const
    {
        return lastPopup && popupsFreed.Alive(lastPopup) ? " (popup alive)" : "";
    }
    TGxStringsPopupControl6* DropDown()
    {
        combo->SetDroppedDown(true);
        lastPopup = combo->PopupControl();
        return dynamic_cast<TGxStringsPopupControl6*>(lastPopup);
    }
    // A client point in the middle of item index of the open list.
    TPoint ItemPoint(TGxStringsPopupControl6* list, int index) const
    {
        const int top = (index - list->VertScrollBar()->Position()) * list->ItemHeight();
        return {20, top + list->ItemHeight() / 2};
    }
    TPoint Button() const { return {3, 5}; }

    TManualClock clock;
    TForm* form = nullptr;
    TGxComboBox6* combo = nullptr;
    TGxEdit6* other = nullptr;
    TFreeWatch popupsFreed;
    TComponent* lastPopup = nullptr;
    int freed = 0;
    std::vector<std::string> events;
};
