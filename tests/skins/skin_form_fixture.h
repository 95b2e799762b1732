#pragma once

#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_manager.h"
#include "gui_driver.h"
#include "platform/gui/graphics/theme.h"
#include "skin_test_support.h"

#include <functional>
#include <string>
#include <vector>

// A shown form for the tests of the skinned controls, freed with everything on it after each test; the
// platform theme and the default skin are back on afterwards.
class SkinFormFixture : public SkinManagerFixture
{
protected:
    void ShowForm(int width, int height) { form = ShowTestForm(width, height); }
    void TearDown() override
    {
        if (form)
            form->Free();
        Pump();
        SetThemesEnabled(true);
        SkinManagerFixture::TearDown();
    }

    TForm* form = nullptr;
};

// The looks the skinned controls' pictures are saved in: the default skin with the platform theme and in
// the classic look, and a few built-in skins.
struct TSkinLook
{
    std::string skin;
    bool themes;
    std::string name; // the pictures' file name part
};

inline const std::vector<TSkinLook>& PictureLooks()
{
    static const std::vector<TSkinLook> looks = {{"Default", true, "default_themed"},
                                                 {"Default", false, "default_classic"},
                                                 {"Aluminum", true, "aluminum"},
                                                 {"Graphite", true, "graphite"},
                                                 {"Flat", true, "flat"}};
    return looks;
}

// Runs paint once in each look, with the built-in skins registered.
inline void ForEachPictureLook(const std::function<void(const TSkinLook&)>& paint)
{
    RegisterBuiltInSkins();
    for (const TSkinLook& look : PictureLooks()) {
        SetThemesEnabled(look.themes);
        GetSkinManager().SetSkin(look.skin);
        paint(look);
    }
}
