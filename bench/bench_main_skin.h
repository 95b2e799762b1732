#pragma once

// The main window's skin "main" for the benchmarks of skinned controls: read from the program's resources
// and made current for as long as a TMainSkin lives.

#include "controls/skins/skin_manager.h"
#include "platform/gui/core/resources.h"
#include "platform/gui/core/strings.h"

#include <stdexcept>

struct TMainSkin
{
    TMainSkin()
    {
        TResourceStream stream("MAINSKIN", RT_RCDATA);
        TStringList text;
        text.LoadFromStream(stream);
        GetSkinManager().SkinsList().AddSkin(text);
        GetSkinManager().SetSkin("main");
        // A benchmark of the default skin under the wrong name would mislead.
        if (GetSkinManager().CurrentSkinName() != "main")
            throw std::runtime_error("the main window's skin did not load");
    }
    ~TMainSkin() { GetSkinManager().SetToDefaultSkin(); }
    TMainSkin(const TMainSkin&) = delete;
    TMainSkin& operator=(const TMainSkin&) = delete;
};
