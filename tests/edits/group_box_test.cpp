#include "controls/edits/group_box.h"
#include "controls/edits/theme_binding.h"
#include "gui_driver.h"
#include "platform/gui/graphics/colors.h"
#include "platform/gui/graphics/platform_answers.h"
#include "platform/gui/standard/panels.h"
#include "platform/gui/standard/stdctrls_labels.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class GroupBoxes : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(400, 300);
        form->SetColor(clWhite);
        form->Font()->SetName("DejaVu Sans");
        form->Font()->SetSize(9);
        box = NewBox(10, 10, 200, 100);
    }
    void TearDown() override
    {
        form->Free();
        SetThemesEnabled(true);
        SetPlatformAnswers(std::nullopt);
    }
    TVezGroupBox* NewBox(int left, int top, int width, int height)
    {
        auto* b = new TVezGroupBox(form);
        b->SetBounds(left, top, width, height);
        b->SetParent(form);
        return b;
    }
    // The area the box leaves its aligned children.
    TRect ChildArea()
    {
        auto* child = new TPanel(form);
        child->SetAlign(alClient);
        child->SetParent(box);
        const TRect area = child->BoundsRect();
        child->Free();
        return area;
    }
    std::unique_ptr<TBitmap> Shot()
    {
        Pump();
        return Render(box);
    }
    TPoint InCaption() const
    {
        const TRect area = box->CaptionLayout().Area;
        return {area.Left + 2, area.Top + area.Height() / 2};
    }

    TForm* form = nullptr;
    TVezGroupBox* box = nullptr;
};

TEST_F(GroupBoxes, ClientAreaByCaptionPlaceAndFrameWidth)
{
    using G = TVezGroupBox;
    box->SetCaption("Cropping");
    const int h = box->CaptionLayout().Area.Height();
    const struct
    {
        G::TBorderStyle style;
        bool ctl3D;
        G::TCaptionPosition position;
        bool caption;
        TRect area;
    } cases[] = {
        {G::bsSingle, false, G::cpTopLeft, false, {2, 3, 198, 98}}, // no caption: max(bw, 2) + 1 at the top
        {G::bsSingle, false, G::cpTopLeft, true, {2, h + 1, 198, 98}},
        {G::bsSingle, true, G::cpTopRight, true, {3, h + 1, 197, 97}},
        {G::bsDouble, true, G::cpTopCenter, true, {5, std::max(4, h) + 1, 195, 95}},
        {G::bsNone, false, G::cpBottomLeft, true, {2, 2, 198, 100 - h - 1}},
        {G::bsDouble, false, G::cpBottomRight, false, {3, 3, 197, 97}},
    };
    for (const auto& c : cases) {
        box->SetBorderStyle(c.style);
        box->SetCtl3D(c.ctl3D);
        box->SetCaptionPosition(c.position);
        box->SetCaption(c.caption ? "Cropping" : "");
        EXPECT_EQ(ChildArea(), c.area) << c.style << c.ctl3D << c.position << c.caption;
    }
    EXPECT_EQ(box->Version(), "1.1.1.1");
}

TEST_F(GroupBoxes, TheFrameStopsUnderTheCaption)
{
    box->SetBorderColor(clRed);
    box->SetCaption("Cropping");
    auto shot = Shot();
    const TRect area = box->CaptionLayout().Area;
    const int frameTop = area.Height() / 2;
    EXPECT_EQ(shot->Canvas()->Pixels(0, frameTop), clRed);
    EXPECT_EQ(shot->Canvas()->Pixels(area.Left - 2, frameTop), clRed);
    EXPECT_EQ(CountPixels(*shot, {area.Left - 1, frameTop, area.Right + 1, frameTop + 1}, clRed), 0);
    EXPECT_EQ(shot->Canvas()->Pixels(area.Right + 1, frameTop), clRed);
    EXPECT_EQ(shot->Canvas()->Pixels(199, frameTop + 10), clRed);
    EXPECT_EQ(shot->Canvas()->Pixels(100, 99), clRed);
    // The caption's text sits in the gap.
    EXPECT_LT(CountPixels(*shot, area, clWhite), area.Width() * area.Height());
}

TEST_F(GroupBoxes, ACentredCaptionPutsTheOddPixelOnTheRight)
{
    box->SetCaptionPosition(TVezGroupBox::cpTopCenter);
    box->SetCaption("Cropping");
    for (int width : {200, 201}) {
        box->SetWidth(width);
        const TRect area = box->CaptionLayout().Area;
        EXPECT_EQ(width - area.Right - area.Left, (width - area.Width()) % 2) << width;
    }
}

TEST_F(GroupBoxes, ClicksOnTheCaptionCycleThroughGrayedAndAReleaseOutsideChangesNothing)
{
    box->SetCaption("Cropping");
    box->CheckBox()->SetAction(TGroupBoxCheck::caNone);
    box->CheckBox()->SetVisible(true);
    box->CheckBox()->SetAllowGrayed(true);
    std::vector<TCheckBoxState> states;
    box->OnCheckBoxClick = [&](TObject*) { states.push_back(box->CheckBox()->State()); };
    for (int i = 0; i < 3; ++i)
        Click(box, InCaption());
    EXPECT_EQ(states, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    MouseDown(box, InCaption());
    EXPECT_TRUE(box->CheckBox()->Down());
    MouseMove(box, {150, 60}, {ssLeft});
    EXPECT_FALSE(box->CheckBox()->Down());
    MouseUp(box, {150, 60});
    EXPECT_EQ(states.size(), 3u);
    // Without grayed, a click inverts.
    box->CheckBox()->SetAllowGrayed(false);
    Click(box, InCaption());
    EXPECT_EQ(box->CheckBox()->State(), cbChecked);
}

TEST_F(GroupBoxes, TheCheckBoxEnablesAndChecksTheControlsInTheBox)
{
    auto* edit = new TPanel(form);
    edit->SetParent(box);
    auto* option = new TCheckBox(form);
    option->SetParent(box);
    // Hidden check box, default action: disabling the box disables its children and unchecks the box.
    box->CheckBox()->SetChecked(true);
    box->SetEnabled(false);
    EXPECT_FALSE(edit->Enabled());
    EXPECT_FALSE(option->Enabled());
    EXPECT_FALSE(box->CheckBox()->Checked());
    box->SetEnabled(true);
    EXPECT_TRUE(edit->Enabled());
    EXPECT_TRUE(box->CheckBox()->Checked());
    // A shown check box: its state enables them.
    box->CheckBox()->SetVisible(true);
    box->CheckBox()->SetChecked(false);
    EXPECT_FALSE(edit->Enabled());
    box->CheckBox()->SetChecked(true);
    EXPECT_TRUE(edit->Enabled());
    // caCheckAll checks the check boxes.
    box->CheckBox()->SetAction(TGroupBoxCheck::caCheckAll);
    box->CheckBox()->SetChecked(false);
    EXPECT_FALSE(option->Checked());
    box->CheckBox()->SetChecked(true);
    EXPECT_TRUE(option->Checked());
    // A disabling parent does not reach the box's own handling: the children keep their own flags.
    auto* outer = new TPanel(form);
    outer->SetParent(form);
    box->SetParent(outer);
    outer->SetEnabled(false);
    EXPECT_TRUE(edit->Enabled());
    EXPECT_TRUE(box->CheckBox()->Checked());
}

TEST_F(GroupBoxes, TheCheckBoxIsThemedOrOneOfOurBitmaps)
{
    box->SetCaption("Cropping");
    box->CheckBox()->SetVisible(true);
    const auto faceShown = [&](TColor face) {
        auto shot = Shot();
        const TRect check = box->CaptionLayout().Box;
        return CountPixels(*shot, check, face) > 0;
    };
    EXPECT_EQ(box->CaptionLayout().Box.Width(), 16);
    EXPECT_FALSE(faceShown(0xF4F4F4));
    SetThemesEnabled(false);
    EXPECT_FALSE(GroupBoxThemeBinding().IsThemeActive());
    EXPECT_TRUE(faceShown(0xF4F4F4));
    SetThemesEnabled(true);
    box->CheckBox()->SetThemed(false);
    EXPECT_EQ(box->CaptionLayout().Box.Width(), 14);
    EXPECT_TRUE(faceShown(0xF4F4F4));
    // The hot and pressed bitmaps, and the common controls of an older platform.
    box->CheckBox()->SetHot(true);
    EXPECT_TRUE(faceShown(0xFAF9DE));
    box->CheckBox()->SetThemed(true);
    TPlatformAnswers old;
    old.CommonControlsVersion = 5;
    SetPlatformAnswers(old);
    EXPECT_TRUE(faceShown(0xFAF9DE));
}

TEST_F(GroupBoxes, AnEtchedFrameOnOlderPlatformsForTheDefaultColour)
{
    box->SetCtl3D(true);
    const auto whiteRing = [&] {
        return Shot()->Canvas()->Pixels(1, 50) == clWhite && Render(box)->Canvas()->Pixels(0, 50) != clWhite;
    };
    form->SetColor(clBtnFace);
    EXPECT_FALSE(whiteRing());
    TPlatformAnswers old;
    old.MajorVersion = 6;
    old.MinorVersion = 1;
    SetPlatformAnswers(old);
    EXPECT_TRUE(whiteRing());
    box->SetBorderColor(clRed);
    EXPECT_FALSE(whiteRing());
}

class TTableLibrary : public IThemeLibrary
{
public:
    std::map<std::string, FARPROC, std::less<>> entries;
    FARPROC GetProcAddress(std::string_view name) const override
    {
        const auto found = entries.find(name);
        return found == entries.end() ? nullptr : found->second;
    }
};

void Entry() {}

TEST(ThemeBinding, EveryEntryBoundOrAnAssertionNamingTheMissingOne)
{
    TTableLibrary library;
    for (std::string_view name : TThemeBinding::EntryNames)
        library.entries[std::string(name)] = &Entry;
    TThemeBinding complete("vezgbxpvs", 1533);
    complete.Bind(&library);
    EXPECT_TRUE(complete.Loaded());
    for (size_t k = 0; k < TThemeBinding::EntryCount; ++k)
        EXPECT_EQ(complete.Slot(k), &Entry) << k;

    library.entries.erase("GetThemeColor"); // entry 14
    TThemeBinding broken("vezgbxpvs", 1533);
    try {
        broken.Bind(&library);
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& error) {
        EXPECT_EQ(error.Message(), "Assertion failure (vezgbxpvs, line 1575)");
    }
    EXPECT_EQ(broken.Slot(13), &Entry);
    for (size_t k = 14; k < TThemeBinding::EntryCount; ++k)
        EXPECT_EQ(broken.Slot(k), nullptr) << k;
    broken.Bind(&library); // once loaded, binding does nothing
    broken.Release();
    EXPECT_FALSE(broken.Loaded());
    EXPECT_EQ(broken.Slot(0), nullptr);

    TThemeBinding missingLibrary("vezgbxpvs", 1533);
    missingLibrary.Bind(nullptr);
    EXPECT_FALSE(missingLibrary.Loaded());
    EXPECT_FALSE(missingLibrary.IsThemeActive());
    EXPECT_EQ(missingLibrary.OpenThemeData("button"), nullptr);
}

TEST(ThemeBinding, TheProgramsLibraryFollowsTheThemeSwitch)
{
    const TThemeBinding& binding = GroupBoxThemeBinding();
    EXPECT_TRUE(binding.Loaded());
    for (size_t k = 0; k < TThemeBinding::EntryCount; ++k)
        EXPECT_NE(binding.Slot(k), nullptr) << k;
    EXPECT_TRUE(binding.IsThemeActive());
    HTHEME theme = binding.OpenThemeData("button");
    EXPECT_NE(theme, nullptr);
    binding.CloseThemeData(theme);
    SetThemesEnabled(false);
    EXPECT_FALSE(binding.IsThemeActive());
    EXPECT_EQ(binding.OpenThemeData("button"), nullptr);
    SetThemesEnabled(true);
}

TEST_F(GroupBoxes, Looks)
{
    box->Free();
    form->SetBounds(10, 10, 460, 330);
    form->SetColor(clBtnFace);
    struct
    {
        std::string caption;
        TVezGroupBox::TBorderStyle style;
        TVezGroupBox::TCaptionPosition position;
        bool check;
        bool round;
        bool themed;
        TCheckBoxState state;
    } boxes[] = {
        {"Output folder", TVezGroupBox::bsSingle, TVezGroupBox::cpTopLeft, false, false, true, cbUnchecked},
        {"Cropping", TVezGroupBox::bsSingle, TVezGroupBox::cpTopLeft, true, false, true, cbChecked},
        {"Resolution", TVezGroupBox::bsDouble, TVezGroupBox::cpTopCenter, true, true, false, cbChecked},
        {"Video tag", TVezGroupBox::bsSingle, TVezGroupBox::cpBottomRight, true, true, false, cbGrayed},
        {"Classic, unchecked", TVezGroupBox::bsSingle, TVezGroupBox::cpTopRight, true, false, false,
         cbUnchecked},
        {"", TVezGroupBox::bsDouble, TVezGroupBox::cpTopLeft, false, false, true, cbUnchecked},
    };
    for (int i = 0; i < 6; ++i) {
        auto* b = NewBox(10 + (i % 2) * 225, 10 + (i / 2) * 105, 215, 95);
        b->SetCaption(boxes[i].caption);
        b->SetBorderStyle(boxes[i].style);
        b->SetCaptionPosition(boxes[i].position);
        b->SetRoundEdges(boxes[i].round);
        b->SetBorderColor(i % 2 ? 0xB0B0B0 : clSilver);
        b->CheckBox()->SetAction(TGroupBoxCheck::caNone);
        b->CheckBox()->SetThemed(boxes[i].themed);
        b->CheckBox()->SetAllowGrayed(true);
        b->CheckBox()->SetState(boxes[i].state);
        b->CheckBox()->SetVisible(boxes[i].check);
        auto* inside = new TLabel(form);
        inside->SetCaption(boxes[i].themed ? "themed check box" : "our own check box bitmaps");
        inside->SetAlign(alClient);
        inside->SetParent(b);
    }
    Pump();
    const auto themed = Render(form);
    SaveScreenshot(*themed, "group_boxes", 2);
    const auto place = [](int i) { return Bounds(10 + (i % 2) * 225, 10 + (i / 2) * 105, 215, 95); };
    // The dark columns of a band of rows: the captions' ink and their check boxes.
    const auto inkColumns = [&](TBitmap& picture, int left, int right, int top, int bottom) {
        std::pair<int, int> found{-1, -1};
        for (int x = left; x < right; ++x)
            for (int y = top; y < bottom; ++y)
                if (GetRValue(picture.Canvas()->Pixels(x, y)) < 0x80) {
                    found = {found.first < 0 ? x : found.first, x};
                    break;
                }
        return found;
    };
    const TRect resolution = place(2), videoTag = place(3);
    const auto [centredLeft, centredRight] =
        inkColumns(*themed, resolution.Left, resolution.Right, resolution.Top, resolution.Top + 8);
    EXPECT_NEAR((centredLeft + centredRight) / 2, (resolution.Left + resolution.Right) / 2, 3)
        << "the caption with its check box in the middle of the top";
    EXPECT_GT(inkColumns(*themed, videoTag.Left, videoTag.Right, videoTag.Bottom - 8, videoTag.Bottom).second,
              videoTag.Right - 12)
        << "the caption at the bottom right";
    EXPECT_EQ(themed->Canvas()->Pixels(place(0).Left, place(0).Top + 50), ColorToRGB(clSilver))
        << "its colour";
    const TRect cropping = place(1);
    const TRect croppingCaption{cropping.Left, cropping.Top, cropping.Right, cropping.Top + 12};
    EXPECT_GT(CountPixels(*themed, croppingCaption, 0xD77800), 5) << "the themed check mark";
    // Without visual styles, on a platform of the etched frames.
    SetThemesEnabled(false);
    TPlatformAnswers old;
    old.MajorVersion = 6;
    old.MinorVersion = 1;
    SetPlatformAnswers(old);
    for (int i = 0; i < form->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TVezGroupBox*>(form->Controls(i)))
            b->SetCtl3D(true);
    form->Invalidate();
    Pump();
    const auto classic = Render(form);
    SaveScreenshot(*classic, "group_boxes_classic", 2);
    EXPECT_NE(classic->Canvas()->Pixels(place(0).Left, place(0).Top + 50), ColorToRGB(clSilver))
        << "an etched frame";
    EXPECT_EQ(CountPixels(*classic, croppingCaption, 0xD77800), 0) << "the classic check mark";
    EXPECT_GT(inkColumns(*classic, cropping.Left, cropping.Left + 20, cropping.Top, cropping.Top + 12).first,
              0);
}

} // namespace
