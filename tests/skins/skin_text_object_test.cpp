#include "controls/skins/built_in_skins.h"
#include "controls/skins/skin_bitmap_hint.h"
#include "controls/skins/skin_text_object.h"
#include "controls/skins/skin_unit_resources.h"
#include "gui_driver.h"
#include "platform/gui/forms/hints.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/graphics/canvas.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/image_list.h"
#include "platform/gui/windows/actions.h"
#include "platform/gui/windows/cursors.h"
#include "recording_shell.h"
#include "skin_form_fixture.h"
#include "skin_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The skinned caption control: its link, its size, its hint, its owner-draw events and its skin changes.

namespace {

class SkinTextObject : public SkinFormFixture
{
protected:
    void SetUp() override
    {
        SkinFormFixture::SetUp();
        ShowForm(300, 120);
        text = new TQvTextObject(form);
        text->SetParent(form);
        text->SetBounds(10, 10, 100, 20);
        text->SetCaption("Quillmark");
        Pump();
    }
    THintInfo AskHint()
    {
        THintInfo info;
        info.HintControl = text;
        info.HintStr = GetShortHint(text->Hint());
        text->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }

    TQvTextObject* text = nullptr;
};

TEST_F(SkinTextObject, AClickOpensAWebOrMailAddressAndNothingElse)
{
    struct TCase
    {
        std::string link;
        bool opened;
    };
    const TCase cases[] = {{"https://example.org/quillmark", true},
                           {"mailto:someone@example.org", true},
                           {"/usr/bin/env", false},
                           {"quillconv.ini", false},
                           {"", false}};
    int clicks = 0;
    text->OnClick = [&](TObject*) { ++clicks; };
    for (const TCase& c : cases) {
        TRecordingShell shell;
        text->SetLinkText(c.link);
        Click(text, {5, 5});
        EXPECT_EQ(clicks, &c - cases + 1);
        const std::vector<std::string> expected =
            c.opened ? std::vector<std::string>{"open " + c.link} : std::vector<std::string>{};
        EXPECT_EQ(shell.Calls, expected) << c.link;
    }
}

TEST_F(SkinTextObject, AHoveredLinkIsDrawnBlueAndUnderlined)
{
    text->SetLinkText("https://example.org");
    text->Font()->SetColor(clBlack);
    MouseMove(form, {250, 100});
    const auto blueInside = [&] {
        auto picture = Render(text);
        return CountPixels(*picture, {0, 0, picture->Width(), picture->Height()}, 0x00FF0000);
    };
    EXPECT_EQ(blueInside(), 0);
    MouseMove(text, {5, 5});
    ASSERT_TRUE(text->MouseInControl());
    EXPECT_GT(blueInside(), 10);
    text->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(text->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), CursorShape(crSkinHandPoint)) << "the skinned controls' hand";
    SaveScreenshot(*Render(text), "skin_text_object_hovered_link", 3);
}

TEST_F(SkinTextObject, WithoutWrappingItSizesBothWaysAndWrappingSizesOnlyTheHeight)
{
    struct TCase
    {
        TTextWrapping wrapping;
        bool widthFollows;
    };
    const TCase cases[] = {{twNone, true}, {twEndEllipsis, false}, {twPathEllipsis, false}, {twWrap, false}};
    for (const TCase& c : cases) {
        text->SetWrapping(c.wrapping);
        text->SetBounds(10, 10, 300, 50);
        text->SetCaption("Quillmark converts");
        EXPECT_LT(text->Height(), 30) << c.wrapping << ": the height follows the caption";
        EXPECT_GT(text->Height(), 5) << c.wrapping;
        if (c.widthFollows)
            EXPECT_LT(text->Width(), 200) << c.wrapping;
        else
            EXPECT_EQ(text->Width(), 300) << c.wrapping;
    }
}

TEST_F(SkinTextObject, TheHintShowsTheShortPartInABitmap)
{
    struct TCase
    {
        std::string hint;
        std::string shown;
    };
    const TCase cases[] = {{"Video settings|Opens the video settings menu", "Video settings"},
                           {"Audio settings", "Audio settings"}};
    for (const TCase& c : cases) {
        text->SetHint(c.hint);
        const THintInfo info = AskHint();
        EXPECT_EQ(info.HintStr, c.shown);
        EXPECT_TRUE(info.HintWindowClass == THintWindowClass::Of<TBitmapHint>());
        EXPECT_EQ(info.HideTimeout, 60000);
        ASSERT_NE(info.HintData, nullptr);
        auto* bitmap = static_cast<TBitmap*>(info.HintData);
        EXPECT_GT(bitmap->Width(), 8) << "the text's width and 8 pixels of border";
        EXPECT_EQ(info.CursorRect, text->ClientRect());
        // The text's dark ink spans the bitmap but for its border.
        int first = -1, last = -1;
        for (int x = 0; x < bitmap->Width(); ++x)
            for (int y = 0; y < bitmap->Height(); ++y)
                if (GetRValue(bitmap->Canvas()->Pixels(x, y)) < 0x80) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
        EXPECT_GE(first, 0) << c.shown;
        EXPECT_GT(last - first, bitmap->Width() - 16) << c.shown;
    }
    SaveScreenshot(*static_cast<TBitmap*>(AskHint().HintData), "skin_text_object_hint", 3);
}

TEST_F(SkinTextObject, AHintHandlerThatPaintsItselfLeavesThePlatformsHintAlone)
{
    text->SetHint("Short|Long");
    text->OnDrawHint = [](TObject*, TBitmap*, std::string&, bool& paintDefault) { paintDefault = false; };
    const THintInfo info = AskHint();
    EXPECT_EQ(info.HintStr, "Short") << "as the platform prepared it";
    EXPECT_EQ(info.HintData, nullptr);
    EXPECT_FALSE(info.HintWindowClass == THintWindowClass::Of<TBitmapHint>());

    text->OnDrawHint = [](TObject*, TBitmap*, std::string& hint, bool&) { hint = "A much longer hint text"; };
    const THintInfo changed = AskHint();
    EXPECT_EQ(changed.HintStr, "A much longer hint text");
    text->OnDrawHint = nullptr;
    const int shortWidth = static_cast<TBitmap*>(AskHint().HintData)->Width();
    text->OnDrawHint = [](TObject*, TBitmap*, std::string& hint, bool&) { hint = "A much longer hint text"; };
    EXPECT_GT(static_cast<TBitmap*>(AskHint().HintData)->Width(), shortWidth)
        << "the bitmap is sized again for a changed text";
}

TEST_F(SkinTextObject, TheDrawEventsComeAroundTheBackgroundAndTheCaptionInOrder)
{
    std::vector<std::string> order;
    text->OnDraw = [&](TObject*, TCanvas&, const TRect&, TQvPaintStage stage, bool&) {
        order.push_back(stage == pstPrePaint ? "background pre" : "background post");
    };
    text->OnDrawCaption = [&](TObject*, TCanvas&, const TRect&, TQvSkinStatesType, std::string& caption,
                              TRect&, uint32_t&, bool, TQvPaintStage stage, bool& paintDefault) {
        order.push_back(stage == pstPrePaint ? "caption pre " + caption : "caption post");
        paintDefault = false;
    };
    Render(text);
    const std::vector<std::string> expected = {"background pre", "caption pre Quillmark", "caption post",
                                               "background post"};
    EXPECT_EQ(order, expected);
}

TEST_F(SkinTextObject, ItRepaintsWhenTheSkinChangesAndIsForgottenWhenFreed)
{
    RegisterBuiltInSkins();
    int paints = 0;
    text->OnDraw = [&](TObject*, TCanvas&, const TRect&, TQvPaintStage stage, bool&) {
        paints += stage == pstPrePaint ? 1 : 0;
    };
    Pump();
    paints = 0;
    Manager().SetSkin("Aluminum");
    Pump();
    EXPECT_GE(paints, 1);
    text->Free();
    Manager().SetSkin("Default");
    Pump();
}

TEST_F(SkinTextObject, ItTakesCheckedAndImageIndexFromItsActionAndFollowsThem)
{
    auto* action = new TAction(form);
    action->SetCaption("Two passes");
    action->SetChecked(true);
    action->SetImageIndex(3);
    text->SetAction(action);
    EXPECT_EQ(text->Caption(), "Two passes");
    EXPECT_TRUE(text->Checked());
    EXPECT_EQ(text->ImageIndex(), 3);
    action->SetChecked(false);
    action->SetImageIndex(5);
    EXPECT_FALSE(text->Checked());
    EXPECT_EQ(text->ImageIndex(), 5);
}

TEST_F(SkinTextObject, AFreedImageListIsLetGoAndTheCaptionStays)
{
    auto* images = new TImageList(form);
    images->SetSize(16, 16);
    TBitmap picture(16, 16);
    images->Add(&picture, nullptr);
    text->SetImages(images);
    text->SetImageIndex(0);
    EXPECT_TRUE(text->HasImage());
    images->Free();
    EXPECT_EQ(text->Images(), nullptr);
    EXPECT_FALSE(text->HasImage());
    Render(text);
    EXPECT_EQ(text->Caption(), "Quillmark");
}

} // namespace
