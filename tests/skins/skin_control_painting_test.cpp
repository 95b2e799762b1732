#include "controls/skins/skin_control_painting.h"
#include "controls/skins/skin_drawing.h"

#include "gui_driver.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/theme.h"
#include "platform/gui/windows/messages.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

namespace {

// The colours of the "Painted" skin.
constexpr TColor MenuHot = 0x0000FF, BoxBody = 0xFFFF00, BoxBorder = 0x800000, BoxMark = 0x008000,
                 RadioBody = 0x00FFFF, RadioRing = 0xFF0000, RadioDot = 0x800080, ButtonBody = 0xC0C0C0,
                 ButtonBorder = 0x000080, ButtonPushed = 0x404040, EditInner1 = 0xFF0000,
                 EditInner2 = 0x00FF00, ListChecked = 0x008080, ListCheckedText = 0xFF00FF;

// A control with a 2-pixel frame that paints it as a skinned edit does.
class TFramedBox : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    void Dispatch(TMessage& message) override
    {
        if (message.Msg == WM_NCPAINT) {
            PaintControlFrame(*this, Hot, false, NoBorder);
            return;
        }
        TCustomControl::Dispatch(message);
    }

    bool Hot = false;
    bool NoBorder = false;
};

// Painting under each skin type: a text skin ("Painted"), and the default skin with the theme painter on
// (the platform theme) and off (the classic look).
class SkinTypePainting : public SkinManagerFixture, public TPaintingPicture
{
protected:
    SkinTypePainting() : TPaintingPicture(40, Marker) {}
    void SetUp() override
    {
        SkinManagerFixture::SetUp();
        ASSERT_GE(AddTextSkin({"[Skin]",
                               "Name = Painted",
                               "[MenuItem]",
                               "HotTrack.TextColor = $000000FF",
                               "[CheckBox]",
                               "Normal.Body = 0, $00FFFF00",
                               "Normal.Borders = 0, $00800000, $00800000",
                               "Normal.TextColor = $00008000",
                               "[RadioButton]",
                               "Normal.Body = 0, $0000FFFF",
                               "Normal.Borders = 0, $00FF0000",
                               "Normal.TextColor = $00800080",
                               "[Button]",
                               "Normal.Body = 0, $00C0C0C0",
                               "Normal.Borders = 0, $00000080, $00000080",
                               "Pushed.Body = 0, $00404040",
                               "[EditFrame]",
                               "Normal.Body = 0, clWhite",
                               "Normal.Borders = 0, clNone, clNone, $00FF0000, $0000FF00",
                               "[ListItem]",
                               "Checked.Body = 0, $00008080",
                               "Checked.TextColor = $00FF00FF"}),
                  0);
        Clear();
    }
    void TearDown() override
    {
        SetThemesEnabled(true);
        SkinManagerFixture::TearDown();
    }
    void Use(TQvSkinType type)
    {
        Manager().SetSkin(type == sknSkin ? "Painted" : "");
        SetThemesEnabled(type == sknWindows);
        ASSERT_EQ(Manager().GetSkinType(), type);
        Clear();
    }
    TQvSkinOptions& Skin() { return *Manager().CurrentSkin(); }
};

} // namespace

TEST_F(SkinTypePainting, MenuMarksTakeTheColourOfTheSkinType)
{
    // Menu marks paint no background and are drawn whatever Checked says; (8, 7) lies on the check's
    // stroke and (8, 8) inside the dot, both in a 16 x 16 rectangle.
    const struct
    {
        TQvSkinType type;
        TQvSkinStatesType state;
        TColor color;
    } cases[] = {
        {sknSkin, sknsHotTrack, MenuHot},
        {sknNone, sknsNormal, ColorToRGB(clMenuText)},
    };
    for (const auto& c : cases) {
        Use(c.type);
        Skin().PaintMenuCheckMark(canvas(), {0, 0, 16, 16}, false, false, true, c.state);
        Skin().PaintMenuRadioMark(canvas(), {20, 0, 36, 16}, false, true, c.state);
        EXPECT_EQ(At(8, 7), c.color) << c.type;
        EXPECT_EQ(At(1, 1), Marker) << c.type;
        EXPECT_EQ(At(28, 8), c.color) << c.type;
        EXPECT_EQ(At(21, 1), Marker) << c.type;
        ExpectToolsKept();
    }

    // The platform theme's marks: its element centred in the rectangle, the disabled one unlike the other.
    Use(sknWindows);
    Skin().PaintMenuCheckMark(canvas(), {0, 0, 24, 24}, true, false, true, sknsNormal);
    Skin().PaintMenuCheckMark(canvas(), {0, 24, 24, 48}, true, false, true, sknsDisabled);
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 24, 4}, Marker), 96);
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 4, 24}, Marker), 96);
    EXPECT_LT(CountPixels(bitmap, {4, 4, 20, 20}, Marker), 256);
    bool differs = false;
    for (int y = 4; y < 16; ++y)
        for (int x = 4; x < 20; ++x)
            differs = differs || At(x, y) != At(x, y + 24);
    EXPECT_TRUE(differs);
    ExpectToolsKept();
}

TEST_F(SkinTypePainting, CheckBoxesAndRadioButtonsPaintTheirBackgroundAndMark)
{
    Use(sknSkin);
    Skin().PaintMenuCheckMark(canvas(), {0, 0, 16, 16}, true, false, false, sknsNormal);
    Skin().PaintMenuCheckMark(canvas(), {20, 0, 36, 16}, false, true, false, sknsNormal);
    Skin().PaintMenuCheckMark(canvas(), {0, 20, 16, 36}, false, false, false, sknsNormal);
    EXPECT_EQ(At(0, 0), BoxBorder);
    EXPECT_EQ(At(1, 1), BoxBody);
    EXPECT_EQ(At(9, 9), BoxMark);  // on the check's long stroke
    EXPECT_EQ(At(23, 3), BoxMark); // grayed: a square 3 pixels in
    EXPECT_EQ(At(32, 12), BoxMark);
    EXPECT_EQ(At(22, 2), BoxBody);
    EXPECT_EQ(At(9, 29), BoxBody); // neither
    ExpectToolsKept();

    // A 13 x 13 button centred in 17 x 17: its body clipped to the ring, the dot only when checked.
    Clear();
    Skin().PaintMenuRadioMark(canvas(), {0, 0, 17, 17}, true, false, sknsNormal);
    Skin().PaintMenuRadioMark(canvas(), {20, 0, 37, 17}, false, false, sknsNormal);
    for (int left : {0, 20}) {
        EXPECT_EQ(At(left + 2, 2), Marker) << left;
        EXPECT_EQ(At(left + 14, 14), Marker) << left;
        EXPECT_EQ(At(left + 4, 4), RadioBody) << left;
        EXPECT_EQ(At(left + 2, 8), RadioRing) << left;
        EXPECT_EQ(At(left + 8, 2), RadioRing) << left;
    }
    EXPECT_EQ(At(8, 8), RadioDot);
    EXPECT_EQ(At(28, 8), RadioBody);
    ExpectToolsKept();
}

TEST_F(SkinTypePainting, ButtonFacesByType)
{
    Use(sknNone);
    PaintButtonBackground(canvas(), {0, 0, 20, 20}, true, true, false, false, false, true);
    EXPECT_EQ(At(0, 0), ColorToRGB(clWindowFrame)); // defaulted
    EXPECT_EQ(At(1, 1), ColorToRGB(clBtnShadow));   // pushed
    EXPECT_EQ(At(10, 10), ColorToRGB(clBtnFace));
    PaintButtonBackground(canvas(), {20, 0, 40, 20}, true, false, false, false, true, false);
    EXPECT_EQ(At(20, 0), ColorToRGB(clWindowFrame));                           // focused
    EXPECT_NE(At(21, 1), ColorToRGB(clBtnFace));                               // the raised frame
    EXPECT_NE(CountPixels(bitmap, {24, 4, 36, 5}, ColorToRGB(clBtnFace)), 12); // the focus rectangle
    ExpectToolsKept();

    Use(sknSkin);
    PaintButtonBackground(canvas(), {0, 0, 20, 20}, true, false, false, false, false, false);
    PaintButtonBackground(canvas(), {20, 0, 40, 20}, true, true, false, false, false, false);
    EXPECT_EQ(At(0, 0), ButtonBorder);
    EXPECT_EQ(At(10, 10), ButtonBody);
    EXPECT_EQ(At(30, 10), ButtonPushed);

    Use(sknWindows);
    PaintButtonBackground(canvas(), {0, 0, 20, 20}, true, false, false, false, false, false);
    PaintButtonBackground(canvas(), {20, 0, 40, 20}, true, true, false, false, false, false);
    EXPECT_NE(At(10, 10), Marker);
    EXPECT_NE(At(10, 10), At(30, 10));
    ExpectToolsKept();
}

TEST_F(SkinTypePainting, EditFramesByType)
{
    // The classic frame: button face, with a sunken outer line when hot. Clipping the client leaves the
    // inside (all but the outer line when hot) alone.
    Use(sknNone);
    PaintEditFrame(canvas(), {0, 0, 20, 20}, true, false, true, false);
    PaintEditFrame(canvas(), {20, 0, 40, 20}, true, true, true, false);
    EXPECT_EQ(At(0, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(1, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(At(2, 5), Marker);
    EXPECT_EQ(At(20, 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(At(39, 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(At(21, 5), Marker);
    ExpectToolsKept();

    // A skin whose frame has only inner colours: drawn as the outer line when asked, else as the inner ring.
    Use(sknSkin);
    PaintEditFrame(canvas(), {0, 0, 20, 20}, true, false, false, true);
    PaintEditFrame(canvas(), {20, 0, 40, 20}, true, false, false, false);
    EXPECT_EQ(At(0, 5), EditInner1);
    EXPECT_EQ(At(19, 5), EditInner2);
    EXPECT_EQ(At(1, 5), clWhite);
    EXPECT_EQ(At(20, 5), Marker);
    EXPECT_EQ(At(21, 5), EditInner1);
    EXPECT_EQ(At(38, 5), EditInner2);

    // The theme's combo box border, brighter when hot.
    Use(sknWindows);
    PaintEditFrame(canvas(), {0, 0, 20, 20}, true, false, true, false);
    PaintEditFrame(canvas(), {20, 0, 40, 20}, true, true, true, false);
    EXPECT_NE(At(0, 5), Marker);
    EXPECT_NE(At(0, 5), At(20, 5));
    EXPECT_EQ(At(10, 10), Marker);
    ExpectToolsKept();
}

TEST_F(SkinTypePainting, ListItemsSetTheirTextColour)
{
    const struct
    {
        TQvSkinType type;
        bool checked;
        TColor fill, text;
    } cases[] = {
        {sknNone, true, ColorToRGB(clHighlight), clHighlightText},
        {sknNone, false, clGreen, clBtnText},
        {sknWindows, true, ColorToRGB(clHighlight), clHighlightText},
        {sknSkin, true, ListChecked, ListCheckedText},
        {sknSkin, false, clGreen, clBtnText},
    };
    for (const auto& c : cases) {
        Use(c.type);
        PaintListItemBackground(canvas(), {0, 0, 20, 20}, c.checked, false, true, false, false);
        EXPECT_EQ(At(10, 10), c.fill) << c.type << " " << c.checked;
        EXPECT_EQ(canvas().Font()->Color(), c.text) << c.type << " " << c.checked;
        ExpectToolsKept();
    }
}

TEST_F(SkinTypePainting, ControlFramesShowTheParentUnderTheEditFrame)
{
    TForm* form = ShowTestForm(100, 60);
    form->SetColor(clYellow);
    auto* box = new TFramedBox(form);
    box->SetParent(form);
    box->SetBorderWidth(2);
    box->SetColor(clAqua);
    box->SetBounds(10, 10, 40, 30);
    const auto frame = [&](bool hot, bool noBorder) {
        box->Hot = hot;
        box->NoBorder = noBorder;
        Pump();
        return Render(box);
    };
    const struct
    {
        TQvSkinType type;
        bool hot, noBorder;
        TColor outer, inner;
    } cases[] = {
        {sknNone, false, false, ColorToRGB(clBtnFace), ColorToRGB(clBtnFace)},
        {sknNone, true, false, ColorToRGB(clBtnShadow), ColorToRGB(clBtnFace)},
        {sknNone, false, true, clAqua, clAqua},
        // The skin's frame has no outer line: the form shows through there.
        {sknSkin, false, false, clYellow, EditInner1},
    };
    for (const auto& c : cases) {
        Use(c.type);
        const auto picture = frame(c.hot, c.noBorder);
        EXPECT_EQ(picture->Canvas()->Pixels(0, 15), c.outer) << c.type << c.hot << c.noBorder;
        EXPECT_EQ(picture->Canvas()->Pixels(1, 15), c.inner) << c.type << c.hot << c.noBorder;
        EXPECT_EQ(picture->Canvas()->Pixels(20, 15), ColorToRGB(clAqua)) << "the client stays the control's";
    }
    form->Free();
}

TEST_F(SkinTypePainting, ThemedElementsNeedAnElementAndTheThemePainter)
{
    Use(sknWindows);
    Skin().PaintThemedElementBackground(canvas(), {0, 0, 20, 20}, skncWindow, sknsNormal);
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 40, 40}, Marker), 1600); // the window has no element
    Skin().PaintThemedElementBackground(canvas(), {0, 0, 20, 20}, skncButton, sknsNormal);
    EXPECT_LT(CountPixels(bitmap, {0, 0, 20, 20}, Marker), 400);
    EXPECT_EQ(CountPixels(bitmap, {20, 0, 40, 40}, Marker), 800);
    ExpectToolsKept();

    Use(sknNone);
    Skin().PaintThemedElementBackground(canvas(), {0, 0, 20, 20}, skncButton, true, false, false, false,
                                        false, false, false);
    EXPECT_EQ(CountPixels(bitmap, {0, 0, 40, 40}, Marker), 1600);
}
