#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_items.h"
#include "controls/toolbars/dock.h"
#include "controls/toolbars/toolbar.h"
#include "controls/toolbars/view.h"
#include "gui_driver.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/theme.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Skinned buttons on a docked toolbar in the default skin and in every built-in skin, saved as pictures for a
// person to look at: a plain button, a checked one and a disabled one.
namespace {

class SkinPictures : public SkinManagerFixture
{
protected:
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        RegisterBuiltInSkins();
    }
    void TearDown() override
    {
        SetThemesEnabled(true);
        SkinManagerFixture::TearDown();
    }

    // The toolbar painted in the current skin; plainFace and checkedFace are pixels inside the faces of the
    // plain and the checked button, above their captions.
    std::unique_ptr<TBitmap> PaintToolbar(TColor& plainFace, TColor& checkedFace)
    {
        TForm* form = ShowTestForm(260, 60);
        auto* dock = new TBarDock(form);
        dock->SetParent(form);
        auto* toolbar = new TBarCustomToolbar(form);
        toolbar->SetParent(dock);
        TQvItem* buttons[3];
        const char* captions[3] = {"Open", "Convert", "Stop"};
        for (int i = 0; i < 3; ++i) {
            buttons[i] = new TQvItem(form);
            buttons[i]->SetCaption(captions[i]);
            toolbar->Items()->Add(buttons[i]);
        }
        buttons[1]->SetChecked(true);
        buttons[2]->SetEnabled(false);
        Pump();
        toolbar->View()->ValidatePositions();
        auto picture = Render(toolbar);
        // The picture holds the toolbar's frame too, as wide on either side.
        const int frameX = (picture->Width() - toolbar->ClientWidth()) / 2;
        const int frameY = (picture->Height() - toolbar->ClientHeight()) / 2;
        const auto faceOf = [&](TQvItem* item) {
            const TRect r = toolbar->View()->Find(item)->BoundsRect();
            return picture->Canvas()->Pixels(frameX + r.Left + 3, frameY + r.Top + 3);
        };
        plainFace = faceOf(buttons[0]);
        checkedFace = faceOf(buttons[1]);
        form->Free();
        Pump();
        return picture;
    }
};

TEST_F(SkinPictures, AToolbarsButtonsInEverySkin)
{
    struct TLook
    {
        std::string skin;
        bool themes;
        std::string picture;
    };
    std::vector<TLook> looks = {{"Default", true, "skin_toolbar_default_themed"},
                                {"Default", false, "skin_toolbar_default_classic"}};
    for (const std::string name : {"Aluminum", "Athen", "Dream", "Eos", "Amber", "Graphite", "Xito", "Flat",
                                   "Gradient", "Glossy Blue", "Glossy Black", "Glossy Silver"}) {
        std::string file = "skin_toolbar_" + name;
        for (char& c : file)
            c = c == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        looks.push_back({name, true, file});
    }
    for (const TLook& look : looks) {
        SCOPED_TRACE(look.picture);
        SetThemesEnabled(look.themes);
        Manager().SetSkin(look.skin);
        TColor plain = clNone, checked = clNone;
        const auto picture = PaintToolbar(plain, checked);
        // A checked button shows a face of its own in every look.
        EXPECT_NE(plain, checked);
        SaveScreenshot(*picture, look.picture, 2);
    }
}

} // namespace
