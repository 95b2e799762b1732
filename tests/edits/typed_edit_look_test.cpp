#include "platform/gui/forms/hints.h"
#include "platform/gui/standard/panels.h"
#include "platform/gui/windows/window_functions.h"
#include "typed_edit_fixture.h"

namespace {

constexpr TColor Dark = 0x302B28;
constexpr TColor Light = 0xE8E2DC;
constexpr TColor FocusDark = 0x4A4038;
constexpr TColor FocusFrame = 0x00A5FF;
constexpr TColor Frame = 0x6E655E;
constexpr TColor DisabledDark = 0x3C3C3C;

class TypedEditLook : public TypedEdits
{
protected:
    // The output folder's edit as the main window sets it up.
    TVezEdit* OutputFolderEdit(int top)
    {
        return NewEdit(20, top, [](TVezEdit* e) {
            e->SetEditType(etString);
            e->SetFlat(true);
            e->SetFlatParentColor(false);
            e->SetBorderStyle(bsNone);
            e->SetColor(Dark);
            e->Font()->SetStyle({fsBold});
            e->Font()->SetColor(Light);
            e->SetFocusColor(FocusDark);
            e->SetFocusFontColor(clWhite);
            e->SetFocusBorderColor(FocusFrame);
            e->SetBorderColor(Frame);
            e->SetDisabledColor(DisabledDark);
            e->SetWidth(300);
            e->SetHeight(22);
        });
    }
    std::unique_ptr<TBitmap> Shot(TWinControl* control)
    {
        Pump();
        return Render(control);
    }
    static int Inside(TBitmap& shot, TColor color)
    {
        return CountPixels(shot, {1, 1, shot.Width() - 1, shot.Height() - 1}, color);
    }
    static int Ring(TBitmap& shot, TColor color)
    {
        const int w = shot.Width();
        const int h = shot.Height();
        return CountPixels(shot, {0, 0, w, 1}, color) + CountPixels(shot, {0, h - 1, w, h}, color) +
               CountPixels(shot, {0, 1, 1, h - 1}, color) + CountPixels(shot, {w - 1, 1, w, h - 1}, color);
    }
    static int RingSize(TBitmap& shot) { return 2 * shot.Width() + 2 * shot.Height() - 4; }
    // The client area inside the window's picture.
    static TRect ClientArea(TWinControl* control)
    {
        const int frame = (control->Width() - control->ClientWidth()) / 2;
        return Bounds(frame, frame, control->ClientWidth(), control->ClientHeight());
    }
};

TEST_F(TypedEditLook, TheOutputFolderEditNormalFocusedAndDisabled)
{
    TVezEdit* folder = OutputFolderEdit(100);
    folder->SetText("/home/user/Videos/converted");
    EXPECT_EQ(folder->BorderStyle(), bsNone);

    auto normal = Shot(folder);
    EXPECT_EQ(Ring(*normal, Frame), RingSize(*normal));
    EXPECT_GT(Inside(*normal, Dark), normal->Width() * normal->Height() / 2);
    EXPECT_GT(Inside(*normal, Light), 5); // the bold light text

    Focus(folder);
    auto focused = Shot(folder);
    EXPECT_EQ(folder->Color(), FocusDark);
    EXPECT_EQ(folder->Font()->Color(), clWhite);
    EXPECT_EQ(Ring(*focused, FocusFrame), RingSize(*focused));
    EXPECT_GT(Inside(*focused, clWhite), 5);

    Focus(other);
    EXPECT_EQ(folder->Color(), Dark);
    EXPECT_EQ(folder->Font()->Color(), Light);
    folder->SetEnabled(false);
    auto disabled = Shot(folder);
    EXPECT_EQ(folder->Color(), DisabledDark);
    EXPECT_EQ(Ring(*disabled, 0xC0C0C0), RingSize(*disabled));
    folder->SetEnabled(true);
    EXPECT_EQ(folder->Color(), Dark);

    TBitmap picture(300, 3 * 30);
    picture.Canvas()->Brush()->SetColor(clBtnFace);
    picture.Canvas()->FillRect({0, 0, 300, 90});
    picture.Canvas()->Draw(0, 4, normal.get());
    picture.Canvas()->Draw(0, 34, focused.get());
    picture.Canvas()->Draw(0, 64, disabled.get());
    SaveScreenshot(picture, "typed_edit_output_folder_normal_focused_disabled", 2);
}

TEST_F(TypedEditLook, ErrorComesBeforeFocusAndFocusBeforeNormal)
{
    TVezEdit* e = NewEdit(20, 100, [](TVezEdit* x) {
        x->SetEditType(etNumeric);
        x->SetMinValue(1);
        x->SetMaxValue(10);
        x->SetShowError(true);
        x->SetFocusColor(clYellow);
        x->SetFocusFontColor(clBlue);
    });
    e->SetText("5");
    Focus(e);
    EXPECT_EQ(e->Color(), clYellow);
    EXPECT_EQ(e->Font()->Color(), clBlue);
    Press(e, "End");
    Type(e, "0"); // 50: out of range
    EXPECT_TRUE(e->IsError());
    EXPECT_EQ(e->Color(), clRed);
    EXPECT_EQ(e->Font()->Color(), clWhite);
    const auto inError = Shot(e);
    SaveScreenshot(*inError, "typed_edit_number_in_error", 2);
    const TRect client = ClientArea(e);
    EXPECT_GT(CountPixels(*inError, client, clRed), client.Width() * client.Height() / 2) << "a red ground";
    EXPECT_GT(CountPixels(*inError, client, clWhite), 5) << "white digits";
    // Focusing an edit in error keeps the error colours.
    Focus(other);
    static_cast<TControl*>(e)->SetText("50");
    Focus(e);
    EXPECT_EQ(e->Color(), clRed);
    Press(e, "End");
    Press(e, "BS");
    EXPECT_FALSE(e->IsError());
    EXPECT_EQ(e->Color(), clYellow);

    // With ShowModified the focus leaves the font colour alone.
    TVezEdit* modified = NewEdit(20, 140, [](TVezEdit* x) {
        x->SetShowModified(true);
        x->SetFocusFontColor(clBlue);
    });
    Focus(modified);
    EXPECT_EQ(modified->Font()->Color(), clWindowText);
}

TEST_F(TypedEditLook, TheEmptyPromptShowsWithoutTheFocus)
{
    edit->SetEmptyText("Output folder");
    const auto prompt = [&] {
        auto shot = Shot(edit);
        const TRect client = ClientArea(edit);
        return CountPixels(*shot, client, clWhite) < client.Width() * client.Height();
    };
    EXPECT_TRUE(prompt());
    Focus(edit);
    EXPECT_FALSE(prompt());
    edit->SetEmptyTextFocused(true);
    EXPECT_TRUE(prompt());
    edit->SetEmptyTextFocused(false);
    Focus(other);
    EXPECT_TRUE(prompt());
    edit->SetText("x");
    auto shot = Shot(edit);
    EXPECT_EQ(CountPixels(*shot, ClientArea(edit), 0x808080), 0);
}

TEST_F(TypedEditLook, TheErrorMarkerUnderlinesItsCharacters)
{
    edit->SetText("one two three");
    edit->SetErrorMarkerPos(4);
    edit->SetErrorMarkerLen(3);
    auto shot = Shot(edit);
    const TPoint start = edit->PosFromChar(4);
    const TPoint last = edit->PosFromChar(6);
    const TPoint after = edit->PosFromChar(8);
    const int w = edit->Width();
    const int h = edit->Height();
    const int frame = (w - edit->ClientWidth()) / 2;
    EXPECT_GT(CountPixels(*shot, {frame + start.X, 0, frame + last.X + 4, h}, clRed), 6);
    EXPECT_EQ(CountPixels(*shot, {0, 0, frame + start.X - 1, h}, clRed), 0);
    EXPECT_EQ(CountPixels(*shot, {frame + after.X + 2, 0, w, h}, clRed), 0);
    SaveScreenshot(*shot, "typed_edit_error_marker", 2);
    Focus(edit);
    shot = Shot(edit);
    EXPECT_EQ(CountPixels(*shot, {0, 0, w, h}, clRed), 0);
}

TEST_F(TypedEditLook, AFlatEditOnAGreyPanelTakesThePanelsColour)
{
    auto* panel = new TPanel(form);
    panel->SetBounds(0, 120, 400, 80);
    panel->SetColor(clGray);
    panel->SetParent(form);
    TVezEdit* e = NewEdit(
        20, 20, [](TVezEdit* x) { x->SetFlat(true); }, panel);
    EXPECT_EQ(e->Color(), clGray);
    EXPECT_EQ(e->FocusColor(), clGray);
    Focus(e);
    Focus(other);
    EXPECT_EQ(e->Color(), clWindow); // the colour it had is the normal one
    // The flat underline in the line colour.
    e->SetFlatLineColor(clRed);
    auto shot = Shot(e);
    EXPECT_GT(CountPixels(*shot, {0, e->Height() - 1, e->Width(), e->Height()}, clRed), e->Width() / 2);
    SaveScreenshot(*shot, "typed_edit_flat_underline", 2);
    // A soft border frames the text instead.
    e->SetSoftBorder(true);
    shot = Shot(e);
    TRect text;
    e->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    EXPECT_EQ(shot->Canvas()->Pixels(e->Width() - 1, e->Height() / 2), clRed);
    EXPECT_EQ(shot->Canvas()->Pixels(text.Left - 4, e->Height() / 2), clRed);
    EXPECT_EQ(shot->Canvas()->Pixels(e->Width() / 2, text.Top - 3), clRed);
}

TEST_F(TypedEditLook, AHotBorderWhileThePointerIsInside)
{
    TPlatformAnswers classic;
    classic.CommonControlsVersion = 5;
    SetPlatformAnswers(classic);
    TVezEdit* e = NewEdit(20, 100, [](TVezEdit* x) {
        x->SetFlat(true);
        x->SetFlatParentColor(false);
        x->SetFocusBorder(true);
    });
    auto cold = Shot(e);
    EXPECT_EQ(cold->Canvas()->Pixels(0, 0), clWhite);
    MouseMove(e, {10, 10});
    auto hot = Shot(e);
    EXPECT_NE(hot->Canvas()->Pixels(0, 0), clWhite); // the sunken edge
    EXPECT_EQ(hot->Canvas()->Pixels(1, e->Height() / 2), ColorToRGB(clBtnFace));
    SaveScreenshot(*hot, "typed_edit_hot_border", 2);
    // With AutoFocus the pointer coming in takes the focus.
    Focus(other);
    other->SetAutoFocus(true);
    MouseMove(other, {5, 5});
    Pump();
    EXPECT_TRUE(other->Focused());
    MouseMove(e, {5, 5});
    Pump();
    EXPECT_TRUE(other->Focused()); // e has no AutoFocus
}

TEST_F(TypedEditLook, ADisabledTextColourShowsTheValueOnly)
{
    const auto disabledInk = [&](const std::string& prefix) {
        TVezEdit* e = NewEdit(20, 100, [&](TVezEdit* x) {
            x->SetDisabledTextColor(clNavy);
            x->SetPrefix(prefix);
        });
        e->SetText("42");
        e->SetEnabled(false);
        auto shot = Shot(e);
        const int ink = CountPixels(*shot, e->ClientRect(), clNavy);
        e->Free();
        return ink;
    };
    const int plain = disabledInk("");
    EXPECT_GT(plain, 0);
    EXPECT_EQ(disabledInk("Size: "), plain);
}

TEST_F(TypedEditLook, AlignmentOnBothPlatformPaths)
{
    for (const bool vista : {true, false}) {
        TPlatformAnswers answers;
        answers.MajorVersion = vista ? 6 : 5;
        answers.MinorVersion = vista ? 0 : 1;
        SetPlatformAnswers(answers);
        TVezEdit* e = NewEdit(20, 100, [](TVezEdit* x) { x->SetEditAlign(eaRight); });
        e->SetText("7");
        EXPECT_TRUE(GetWindowLong(e->Handle(), GWL_STYLE) & ES_RIGHT) << vista;
        EXPECT_EQ(e->Alignment(), taRightJustify) << vista;
        // The text's ink stands in the right half only.
        auto shot = Shot(e);
        const int w = e->Width();
        const int h = e->Height();
        const auto ink = [&](const TRect& r) {
            return r.Width() * r.Height() - CountPixels(*shot, r, clWhite);
        };
        EXPECT_EQ(ink({3, 3, w / 2, h - 3}), 0) << vista;
        EXPECT_GT(ink({w / 2, 3, w - 3, h - 3}), 0) << vista;
        // A focus alignment of its own while focused.
        e->SetFocusAlign(eaCenter);
        Focus(e);
        EXPECT_EQ(e->EditAlign(), eaCenter);
        EXPECT_TRUE(e->Focused());
        Focus(other);
        EXPECT_EQ(e->EditAlign(), eaRight);
        e->Free();
    }
}

TEST_F(TypedEditLook, FocusWidensAndALongValueShowsItsHint)
{
    edit->SetFocusWidthInc(40);
    const int width = edit->Width();
    Focus(edit);
    EXPECT_EQ(edit->Width(), width + 40);
    Focus(other);
    EXPECT_EQ(edit->Width(), width);

    edit->SetHintShowLargeText(true);
    edit->SetText("a value far too long to be seen in the edit at once");
    THintInfo info;
    info.HintStr = "hint";
    edit->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintStr, edit->Text());
    TRect window;
    GetWindowRect(edit->Handle(), window);
    EXPECT_EQ(info.HintPos, (TPoint{window.Left, window.Top}));
    edit->SetText("short");
    info.HintStr = "hint";
    edit->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.HintStr, "hint");
}

TEST_F(TypedEditLook, ATransparentEditShowsItsParent)
{
    auto* panel = new TPanel(form);
    panel->SetBounds(0, 120, 400, 80);
    panel->SetColor(clLime);
    panel->SetBevelOuter(bvNone);
    panel->SetParent(form);
    TVezEdit* e = NewEdit(
        20, 20, [](TVezEdit* x) { x->SetTransparent(true); }, panel);
    auto shot = Render(panel);
    const TRect inside = e->BoundsRect();
    EXPECT_GT(
        CountPixels(*shot, {inside.Left + 3, inside.Top + 3, inside.Right - 3, inside.Bottom - 3}, clLime),
        100);
}

} // namespace
