#pragma once

#include "gui_driver.h"
#include "platform/gui/forms/forms.h"

#include <gtest/gtest.h>

// A shown form for the controls under test, freed with everything on it after the test.
class FormFixture : public testing::Test
{
protected:
    FormFixture() : form(ShowTestForm(400, 300)) {}
    ~FormFixture() override { form->Free(); }

    // A control of kind T on the form at the given bounds.
    template <typename T> T* Place(TRect bounds)
    {
        auto* control = new T(form);
        control->SetParent(form);
        control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        return control;
    }

    // Moves the pointer to the form's far corner, away from the controls placed on it (a control shown
    // where the pointer last was finds it over itself).
    void ParkMouse()
    {
        Pump();
        MouseMove(form, {390, 290});
    }

    TForm* form;
};
