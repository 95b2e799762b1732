#include "spin_edit_form.h"

#include "platform/gui/services/clipboard.h"
#include "support/format_settings.h"

#include <gtest/gtest.h>

using NumberCellEdit = SpinEditForm;

TEST_F(NumberCellEdit, ShowsItsValueInItsFormat)
{
    EXPECT_EQ(edit->Text(), "0");
    edit->SetPrecision(2);
    EXPECT_EQ(edit->Text(), "0.00");
    edit->SetNullText("-");
    EXPECT_EQ(edit->Text(), "-");
    EXPECT_EQ(edit->Value(), 0);

    edit->SetNullText("");
    edit->SetTextBefore("$");
    edit->SetValue(3);
    EXPECT_EQ(edit->Text(), "$3.00");
    EXPECT_EQ(edit->Value(), 3);

    // The texts around the number are left out when it is read, digits and all.
    edit->SetTextBefore("");
    edit->SetTextAfter(" m2");
    edit->SetValue(5);
    EXPECT_EQ(edit->Text(), "5.00 m2");
    EXPECT_EQ(edit->Value(), 5);

    edit->SetTextAfter("");
    edit->SetText("");
    EXPECT_EQ(edit->Value(), 0);
    EXPECT_EQ(edit->Text(), "0.00"); // reading showed the formatted 0

    edit->SetOptions({eoAllowSigns});
    edit->SetValue(2.6);
    EXPECT_EQ(edit->Text(), "3");
}

TEST_F(NumberCellEdit, RangeClampsWhatIsRead)
{
    edit->SetMin(1);
    edit->SetMax(10);
    edit->SetText("15");
    EXPECT_EQ(edit->Value(), 10);
    edit->SetText("abc");
    EXPECT_EQ(edit->Value(), 1); // nothing left: Min
    EXPECT_EQ(edit->AsInteger(), 1);
    edit->SetText("2.5");
    EXPECT_EQ(edit->AsInteger(), 2); // halves to even in the spin editor
    edit->SetText("3.5");
    EXPECT_EQ(edit->AsInteger(), 4);
}

TEST_F(NumberCellEdit, TextThatIsNoNumberKeepsTheLastGoodValue)
{
    edit->SetText("42");
    EXPECT_EQ(edit->Value(), 42);
    for (const std::string text : {".", "-.", "+."}) {
        edit->SetText(text);
        EXPECT_NO_THROW(EXPECT_EQ(edit->Value(), 42)) << text;
        EXPECT_NO_THROW(edit->ApplyEditing()) << text;
        EXPECT_EQ(edit->Text(), "42");
    }
    edit->SetText("-.");
    other->SetFocus(); // leaving shows the value again, without an exception
    Pump();
    EXPECT_EQ(edit->Text(), "42");
}

TEST_F(NumberCellEdit, TypingFiltersCharactersInBothLocales)
{
    for (const std::string separator : {".", ","}) {
        TFormatSettings settings;
        settings.DecimalSeparator = separator;
        TFormatSettingsGuard locale(settings);
        const std::string wrong = separator == "." ? "," : ".";
        edit->SetPrecision(-1);
        Start("");
        PressAll(edit, {"=-", "=1", "=a", "=" + separator, "=5", "=" + separator, "=" + wrong, "=-", "=7"});
        EXPECT_EQ(edit->Text(), "-1" + separator + "57") << separator;
        EXPECT_EQ(edit->Value(), -1.57) << separator;
        other->SetFocus();
        EXPECT_EQ(edit->Text(), "-1" + separator + "57");
        edit->SetFocus();
    }
}

TEST_F(NumberCellEdit, OptionsForTypingAndPasting)
{
    Clipboard()->SetAsText("-3");
    Start("45");
    edit->SetSelStart(1);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), "435"); // signs only at the start
    EXPECT_EQ(edit->SelStart(), 1);

    edit->SetOptions({eoAllowFloat, eoAllowSigns, eoDisableTyping});
    Start("12");
    PressAll(edit, {"=3", "BS", "Home", "Del"});
    EXPECT_EQ(edit->Text(), "12");
    Clipboard()->SetAsText("7");
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), "712"); // at the caret, which Home moved
    edit->SetOptions({eoDisableTyping, eoDisablePaste});
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), "712");

    edit->SetOptions({eoAllowAll, eoAllowFloat});
    Start("");
    PressAll(edit, {"=a", "=1", "=b", "=2"});
    EXPECT_EQ(edit->Text(), "a1b2");
    other->SetFocus();
    EXPECT_EQ(edit->Text(), "a1b2"); // stays as typed
    EXPECT_EQ(edit->Value(), 12);

    edit->SetOptions({eoAllowFloat});
    edit->SetReadOnly(true);
    Clipboard()->SetAsText("9");
    Start("1");
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), "1");
}

TEST_F(NumberCellEdit, ExecuteButtonTakesTheLeftEnd)
{
    const auto margins = [&] { return static_cast<uintptr_t>(edit->Perform(EM_GETMARGINS, 0, 0)); };
    const int left = LOWORD(margins());
    const int right = HIWORD(margins());
    EXPECT_EQ(right, edit->Buttons()->Width());
    edit->SetButtonWidth(30);
    edit->SetShowButton(true);
    EXPECT_EQ(LOWORD(margins()), left + 30);
    EXPECT_EQ(edit->Button()->BoundsRect(), (TRect{0, 0, 30, edit->ClientHeight()}));
    EXPECT_TRUE(edit->Button()->Visible());
    int clicks = 0;
    edit->OnButtonClick = [&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        ++clicks;
    };
    other->SetFocus();
    MouseDown(edit->Button(), {5, 5});
    EXPECT_TRUE(edit->Focused());
    EXPECT_TRUE(edit->Button()->Down());
    MouseUp(edit->Button(), {50, 5}); // released anywhere
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(edit->Button()->Down());
    edit->SetSpinButtons(false);
    EXPECT_EQ(HIWORD(margins()), 0);
}
