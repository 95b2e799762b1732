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

    TForm* form;
};
