#include "controls/grid/edit6.h"
#include "gui_driver.h"
#include "paint_test_support.h"

#include "platform/gui/services/clipboard.h"
#include "platform/gui/windows/window_functions.h"
#include "support/format_settings.h"

#include <gtest/gtest.h>

namespace {

class Edit6 : public testing::Test
{
protected:
    void SetUp() override
    {
        form = ShowTestForm(300, 120);
        edit = new TGxEdit6(form);
        edit->SetParent(form);
        edit->SetAutoSize(false);
        edit->SetBounds(10, 10, 100, 22);
        other = new TGxEdit6(form);
        other->SetParent(form);
        other->SetBounds(10, 60, 100, 22);
        edit->SetFocus();
        Pump();
    }
    void TearDown() override { form->Free(); }

    TForm* form = nullptr;
    TGxEdit6* edit = nullptr;
    TGxEdit6* other = nullptr;
};

// Answers one result for every edit.
class FixedValidator : public IGxValidator
{
public:
    explicit FixedValidator(TGxValidationResult result) : result_(result) {}
    TGxValidationResult Validate(TGxCustomEdit6& edit) override
    {
        seen = edit.Text();
        return result_;
    }
    std::string seen;

private:
    TGxValidationResult result_;
};

int ClientLeftInWindow(TGxCustomEdit6* edit)
{
    TRect window;
    GetWindowRect(edit->Handle(), window);
    return edit->ClientOrigin().X - window.Left;
}

} // namespace

TEST_F(Edit6, PreviewAndTextAreaRectangles)
{
    EXPECT_EQ(edit->PreviewRect(), (TRect{3, 3, 23, 19}));
    const int defaultLeft = ClientLeftInWindow(edit);
    EXPECT_EQ(defaultLeft, 2);
    edit->SetShowPreview(true);
    edit->Padding()->SetLeft(4);
    EXPECT_EQ(ClientLeftInWindow(edit), defaultLeft + 27);
    EXPECT_EQ(edit->EditRect().Left, 25);

    edit->SetBorderStyle(bsNone);
    EXPECT_EQ(edit->PreviewRect(), (TRect{1, 1, 21, 21}));
}

TEST_F(Edit6, ValidatorThenHandlerDecideTheFrame)
{
    edit->SetColor(clWhite);
    edit->SetValidationTriggers(vtTyping);
    EXPECT_EQ(edit->ClientWidth(), 100 - 2 * 2);
    edit->SetBounds(10, 10, 110, 22); // the next frame computation leaves the frame's pixel
    EXPECT_EQ(edit->ClientWidth(), 110 - 2 * 2 - 2);
    auto picture = Render(edit);
    EXPECT_EQ(PixelAt(*picture, 1, 10), ColorToRGB(clWhite)); // unchecked: the edit's colour

    auto validator = std::make_shared<FixedValidator>(vrInvalid);
    edit->SetValidator(validator);
    std::vector<std::string> order;
    edit->OnKeyUp = [&](TObject*, uint16_t&, TShiftState) { order.push_back("key up"); };
    edit->OnValidate = [&](TObject*, const std::string& value, TGxValidationResult& result) {
        order.push_back("validate " + value + (result == vrInvalid ? " invalid" : ""));
        result = vrValid;
    };
    Press(edit, "x");
    EXPECT_EQ(order, (std::vector<std::string>{"key up", "validate x invalid"}));
    EXPECT_EQ(validator->seen, "x");
    EXPECT_EQ(edit->ValidationResult(), vrValid);
    picture = Render(edit);
    SaveScreenshot(*picture, "edit6_valid_frame", 3);
    EXPECT_EQ(PixelAt(*picture, 1, 10), TColor(0x50B000));
    EXPECT_EQ(PixelAt(*picture, 50, edit->Height() - 2), TColor(0x50B000));

    edit->OnValidate = nullptr;
    Press(edit, "y");
    EXPECT_EQ(edit->ValidationResult(), vrInvalid);
    EXPECT_EQ(PixelAt(*Render(edit), 1, 10), TColor(0x0000FF));
}

TEST_F(Edit6, LeavingAndTextChangesValidateWhenAsked)
{
    int checks = 0;
    edit->OnValidate = [&](TObject*, const std::string&, TGxValidationResult&) { ++checks; };
    edit->SetText("a");
    other->SetFocus();
    EXPECT_EQ(checks, 0); // no trigger, no check
    edit->SetValidationTriggers({vtLeave, vtTextChanged});
    edit->SetText("b");
    EXPECT_EQ(checks, 1);
    edit->SetFocus();
    other->SetFocus();
    EXPECT_EQ(checks, 2);
}

TEST_F(Edit6, TypedValues)
{
    const struct
    {
        std::string text;
        int integer;
        double number;
        bool boolean;
    } cases[] = {
        {"12", 12, 12, false}, {"12a", 0, 0, false}, {"", 0, 0, false},      {"1", 1, 1, true},
        {"TRUE", 0, 0, true},  {"true", 0, 0, true}, {"2.5", 0, 2.5, false}, {"-7", -7, -7, false},
    };
    for (const auto& c : cases) {
        edit->SetText(c.text);
        EXPECT_EQ(edit->AsInteger(), c.integer) << c.text;
        EXPECT_EQ(edit->AsFloat(), c.number) << c.text;
        EXPECT_EQ(edit->AsBoolean(), c.boolean) << c.text;
    }
    edit->SetAsBoolean(true);
    EXPECT_EQ(edit->Text(), "True");
    EXPECT_TRUE(edit->AsBoolean()); // a Boolean written reads back
    edit->SetAsBoolean(false);
    EXPECT_FALSE(edit->AsBoolean());
    {
        TFormatSettings comma;
        comma.DecimalSeparator = ",";
        TFormatSettingsGuard locale(comma);
        edit->SetAsFloat(0.5);
        EXPECT_EQ(edit->Text(), "0,5");
        EXPECT_EQ(edit->AsFloat(), 0.5);
    }
    edit->SetAsDateTime(45000.5);
    EXPECT_EQ(edit->AsDateTime(), 45000.5);
    edit->SetText("no date");
    EXPECT_EQ(edit->AsDateTime(), 0);
}

TEST_F(Edit6, TypingAndPastingSwitches)
{
    int keyDowns = 0;
    edit->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++keyDowns; };
    edit->SetEditOptions(edPaste);
    PressAll(edit, {"a", "b", "Left", "Home"});
    EXPECT_EQ(edit->Text(), "ab"); // characters still arrive
    EXPECT_EQ(keyDowns, 2);        // only the caret keys reach OnKeyDown

    Clipboard()->SetAsText("pasted");
    edit->SetEditOptions({});
    Press(edit, "C-v");
    EXPECT_EQ(edit->Text(), "ab");
    edit->SetEditOptions(edPaste);
    Press(edit, "C-v");
    EXPECT_EQ(edit->Text(), "pastedab");
}

TEST_F(Edit6, HostKeysAndInplaceStart)
{
    EXPECT_FALSE(edit->CanDispatchKey(VK_DELETE, {}));
    EXPECT_FALSE(edit->CanDispatchKey(VK_DOWN, ssAlt));
    EXPECT_TRUE(edit->CanDispatchKey(VK_DOWN, {}));
    EXPECT_TRUE(edit->CanDispatchKey(VK_TAB, {}));
    EXPECT_TRUE(edit->CanDispatchKey(VK_RETURN, {}));

    edit->SetText("123");
    edit->StartInplace(U'7');
    EXPECT_EQ(edit->Text(), "7");
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->BorderStyle(), bsNone);
    EXPECT_TRUE(edit->WantTabs());
}

TEST_F(Edit6, ChildrenKeepTheTextClear)
{
    auto* child = new TCustomControl(edit);
    child->SetParent(edit);
    child->SetWidth(18);
    child->SetAlign(alRight);
    edit->SetEditMargins(0, 5);
    edit->Realign();
    const auto margins = [this] { return edit->Perform(EM_GETMARGINS, 0, 0); };
    EXPECT_EQ(HIWORD(margins()), 18 + 5);
    child->Hide();
    edit->Realign();
    EXPECT_EQ(HIWORD(margins()), 5);
}

TEST_F(Edit6, PreviewBoxDrawsAndClicks)
{
    edit->SetShowPreview(true);
    TRect drawn;
    edit->OnPreviewDraw = [&](TObject* sender, const TRect& rect) {
        drawn = rect;
        auto* self = static_cast<TGxCustomEdit6*>(sender);
        self->Canvas()->Brush()->SetColor(clRed);
        self->Canvas()->FillRect(rect);
    };
    int clicks = 0;
    edit->OnPreviewClick = [&](TObject*) { ++clicks; };
    edit->SetText("abc");
    auto picture = Render(edit);
    SaveScreenshot(*picture, "edit6_preview", 3);
    EXPECT_EQ(drawn, (TRect{4, 4, 22, 18}));
    EXPECT_EQ(PixelAt(*picture, 10, 10), clRed);
    EXPECT_EQ(PixelAt(*picture, 3, 10), TColor(0x808080));

    const int left = -ClientLeftInWindow(edit);
    Click(edit, {left + 10, 5});
    EXPECT_EQ(clicks, 1);
    MouseDown(edit, {left + 10, 5});
    MouseUp(edit, {left + 40, 5}); // released elsewhere: no click
    EXPECT_EQ(clicks, 1);
}

TEST_F(Edit6, AssignCopiesTheEditSettings)
{
    other->SetShowPreview(true);
    other->SetWantReturns(true);
    other->SetEditOptions(edTyping);
    other->Padding()->SetTop(3);
    edit->Assign(other);
    EXPECT_TRUE(edit->ShowPreview());
    EXPECT_TRUE(edit->WantReturns());
    EXPECT_EQ(edit->EditOptions(), TGxEditOptions(edTyping));
    EXPECT_EQ(edit->Padding()->Top(), 3);
    TBitmap notAnEdit;
    EXPECT_THROW(edit->Assign(&notAnEdit), std::exception);
}
