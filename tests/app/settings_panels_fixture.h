#pragma once

#include "app/main/settings_panels.h"
#include "engine/app_params.h"
#include "engine/app_strings.h"
#include "gui_driver.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/standard/panels.h"

#include <gtest/gtest.h>

#include <memory>

// The settings panels built on a shown test form the way the main window builds them: the conversion
// settings in a host standing for the flip panel's client area, the output options in one for pnMid.
// The data lists come from files only where a test names them.
class SettingsPanelsFixture : public testing::Test
{
protected:
    SettingsPanelsFixture() : form(ShowTestForm(1000, 360)), savedParams(AppParams)
    {
        AppParams.ResolutionTxt.clear();
        AppParams.FourccTagsFile.clear();
        settingsHost = PlaceHost(alTop, 280); // the flip panel's client area, 302 high with its caption
        midHost = PlaceHost(alBottom, 80);
    }
    ~SettingsPanelsFixture() override
    {
        panels.reset();
        form->Free();
        AppParams = savedParams;
    }

    // Builds the panels, prepares them and sets the defaults, as the main window does at start.
    TSettingsPanels& Build(const TAppStrings& texts)
    {
        panels = std::make_unique<TSettingsPanels>(form, settingsHost, midHost, texts);
        panels->PrepareControls();
        panels->SetDefaultParams();
        Pump();
        return *panels;
    }
    TSettingsPanels& Build() { return Build(english); }

    TForm* form;
    TAppParams savedParams;
    TPanel* settingsHost = nullptr;
    TPanel* midHost = nullptr;
    TAppStrings english;
    std::unique_ptr<TSettingsPanels> panels;

private:
    TPanel* PlaceHost(TAlign align, int height)
    {
        auto* host = new TPanel(form);
        host->SetParent(form);
        host->SetBounds(0, 0, form->ClientWidth(), height);
        host->SetAlign(align);
        host->SetBevelOuter(bvNone);
        return host;
    }
};
