#pragma once

// The error log window as the main window creates it: owned by a shown window, with the looks of template
// controls and the monospace font the tests pin.

#include "app/errors/form_errors.h"
#include "controls/pack/panel.h"
#include "controls/pack/png_button.h"
#include "engine/app_strings.h"
#include "gui_driver.h"

#include <gtest/gtest.h>

#include <memory>

// The main window's hidden templates and the looks read from them.
struct TTemplateLooks
{
    TTemplateLooks()
    {
        if (!AppStrings)
            AppStrings = std::make_unique<TAppStrings>();
        Owner = ShowTestForm(998, 712);
        ButtonTemplate = new TKvpPngButton(Owner);
        PanelTemplate = new TKvpPanel(Owner);
        Looks = {ButtonTemplate, PanelTemplate, {"DejaVu Sans Mono", 9}};
    }
    ~TTemplateLooks() { Owner->Free(); }
    TTemplateLooks(const TTemplateLooks&) = delete;
    TTemplateLooks& operator=(const TTemplateLooks&) = delete;

    TForm* Owner;
    TKvpPngButton* ButtonTemplate;
    TKvpPanel* PanelTemplate;
    TWindowLooks Looks;
};
