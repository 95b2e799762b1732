#include "typed_edit_fixture.h"

#include <algorithm>

namespace {

// Swaps "." and "," of a text written in the "." format.
std::string Swapped(const std::string& text)
{
    std::string out = text;
    for (char& c : out)
        c = c == '.' ? ',' : c == ',' ? '.' : c;
    return out;
}

TEST_F(TypedEdits, WrittenValuesAreTestedAndFormattedByTypeInBothFormats)
{
    const struct
    {
        TVezEditType type;
        int16_t precision;
        bool allowNull;
        TPrecisionDisplay display;
        const char* written; // in the "." format
        const char* shown;
    } cases[] = {
        {etNumeric, 0, false, pdNormal, "12a", "0"},
        {etNumeric, 0, false, pdNormal, "", "0"},
        {etNumeric, 0, true, pdNormal, "", ""},
        {etNumeric, 0, false, pdNormal, "1-2", "1-2"},
        {etNumeric, 0, false, pdNormal, "-5", "-5"},
        {etFloat, 2, false, pdNormal, " 3.5 ", "3.50"},
        {etFloat, 2, false, pdNormal, "1,2,3", "0.00"},
        {etFloat, 2, false, pdNormal, "1,234.5", "1234.50"},
        {etFloat, 0, false, pdNormal, "3.5", "3.5"},
        {etFloat, 2, false, pdShortest, "3.50", "3.5"},
        {etFloat, 2, true, pdNormal, "", ""},
        {etMoney, 2, false, pdNormal, "1234.5", "1,234.50"},
        {etMoney, 0, false, pdNormal, "1234.5", "1,235"},
        {etMoney, 2, false, pdNormal, "abc", "0.00"},
        {etHex, 0, false, pdNormal, "ff", "FF"},
        {etHex, 0, false, pdNormal, "xyz", "0"},
        {etUppercase, 0, false, pdNormal, "abc", "abc"},
        {etString, 2, false, pdNormal, "a.b", "a.b"},
    };
    for (const bool comma : {false, true}) {
        TFormatSettingsGuard format(comma ? CommaDecimals() : PointDecimals());
        for (const auto& c : cases) {
            TVezEdit* e = NewEdit(20, 100, [&](TVezEdit* x) {
                x->SetEditType(c.type);
                x->SetPrecision(c.precision);
                x->SetAllowNumericNullValue(c.allowNull);
                x->SetPrecisionDisplay(c.display);
            });
            const std::string written = comma ? Swapped(c.written) : c.written;
            e->SetText(written);
            EXPECT_EQ(Shown(e), comma ? Swapped(c.shown) : c.shown)
                << c.type << " " << c.precision << " '" << written << "'" << (comma ? " comma" : "");
            e->Free();
        }
    }
}

TEST_F(TypedEdits, ReadingTextTakesOffTheAffixes)
{
    TControl* window = edit;
    edit->SetPrefix("$");
    window->SetText("$12");
    EXPECT_EQ(edit->Text(), "12");
    window->SetText("12"); // the prefix is not there
    EXPECT_EQ(edit->Text(), "12");
    edit->SetPrefix("ab");
    window->SetText("AB7"); // compared in any ASCII case
    EXPECT_EQ(edit->Text(), "7");
    edit->SetPrefix("");
    edit->SetSuffix(" kg");
    window->SetText("12 kg");
    EXPECT_EQ(edit->Text(), "12");
    window->SetText("ab"); // shorter than the suffix
    EXPECT_EQ(edit->Text(), "ab");
    window->SetText("12xyz"); // the suffix's length, whatever it holds
    EXPECT_EQ(edit->Text(), "12");
    // New affixes show the value between them.
    edit->SetText("5");
    edit->SetPrefix("€ ");
    EXPECT_EQ(Shown(edit), "€ 5 kg");
    EXPECT_EQ(edit->Text(), "5");
}

TEST_F(TypedEdits, NumbersReadAndWrittenByType)
{
    TFormatSettingsGuard format(PointDecimals());
    edit->SetEditType(etHex);
    edit->SetText("ff");
    EXPECT_EQ(edit->IntValue(), 255);
    EXPECT_DOUBLE_EQ(edit->FloatValue(), 255);
    edit->SetFloatValue(255.9);
    EXPECT_EQ(Shown(edit), "FF");
    edit->SetIntValue(-1);
    EXPECT_EQ(Shown(edit), "FFFFFFFF");

    edit->SetEditType(etFloat);
    edit->SetText("12.75");
    EXPECT_EQ(edit->IntValue(), 12);
    EXPECT_EQ(std::get<double>(edit->Value()), 12.75);

    edit->SetEditType(etMoney);
    TControl* window = edit;
    window->SetText("1,000.");
    EXPECT_DOUBLE_EQ(edit->FloatValue(), 1000);
    window->SetText("-");
    EXPECT_DOUBLE_EQ(edit->FloatValue(), 0);

    // A float written to a whole-number edit: truncated toward zero and held in 32 bits.
    edit->SetEditType(etNumeric);
    for (const auto& [value, shown] : std::initializer_list<std::pair<double, const char*>>{
             {7.9, "7"}, {-7.9, "-7"}, {3.99e10, "2147483647"}, {-3.99e10, "-2147483648"}}) {
        edit->SetFloatValue(value);
        EXPECT_EQ(Shown(edit), shown) << value;
    }
    EXPECT_EQ(std::get<int32_t>(edit->Value()), INT32_MIN);
    edit->SetValue(std::string("42"));
    EXPECT_EQ(edit->IntValue(), 42);
    EXPECT_TRUE(std::holds_alternative<std::string>(other->Value()));
}

TEST_F(TypedEdits, PrecisionAndTypeChangesRenderTheValueAgain)
{
    TFormatSettingsGuard format(PointDecimals());
    edit->SetEditType(etNumeric);
    edit->SetPrecision(3);
    EXPECT_EQ(edit->Precision(), 0); // kept for other types

    edit->SetEditType(etString);
    edit->SetText("words");
    edit->SetPrecision(2);
    EXPECT_EQ(Shown(edit), "0.00");

    edit->SetText("abc");
    edit->SetEditType(etNumeric);
    EXPECT_EQ(Shown(edit), "0");
    edit->SetEditType(etFloat);
    edit->SetText("1.5");
    edit->SetEditType(etHex);
    EXPECT_EQ(Shown(edit), "0");
    edit->SetEditType(etPassword);
    EXPECT_EQ(edit->PasswordChar(), U'*');
    EXPECT_FALSE(edit->CanUndo());
    edit->SetEditType(etString);
    EXPECT_EQ(edit->PasswordChar(), 0u);

    edit->SetEditType(etMoney);
    edit->SetPrecision(2);
    edit->SetText("1234");
    edit->SetAutoThousandSeparator(false);
    EXPECT_EQ(Shown(edit), "1234.00");
    edit->SetAutoThousandSeparator(true);
    EXPECT_EQ(Shown(edit), "1,234.00");
    edit->SetPrecisionDisplay(pdShortest);
    EXPECT_EQ(Shown(edit), "1,234");
    EXPECT_EQ(edit->Version(), "3.4.3.2");
}

TEST_F(TypedEdits, ModifiedAndItsColour)
{
    edit->SetShowModified(true);
    edit->SetModifiedColor(clRed);
    edit->SetFloatValue(2);
    EXPECT_TRUE(edit->Modified());
    EXPECT_EQ(edit->Font()->Color(), clRed);
    edit->SetText("x");
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(edit->Font()->Color(), clWindowText);
    edit->SetReadOnly(true);
    edit->SetModified(true);
    EXPECT_FALSE(edit->Modified()); // a read-only edit is never modified
}

TEST_F(TypedEdits, AnInvalidValueShowsTheErrorColoursAfterEachChange)
{
    edit->SetShowError(true);
    int validations = 0;
    edit->OnValueValidate = [&](TObject*, const std::string& value, bool& valid) {
        ++validations;
        valid = value != "bad";
        // Writing the value from inside the check does not check again.
        if (value == "fix")
            edit->SetText("fixed");
    };
    edit->SetText("bad");
    EXPECT_TRUE(edit->IsError());
    EXPECT_EQ(edit->Color(), clRed);
    EXPECT_EQ(edit->Font()->Color(), clWhite);
    edit->SetText("good");
    EXPECT_FALSE(edit->IsError());
    EXPECT_EQ(edit->Color(), clWindow);
    validations = 0;
    edit->SetText("fix");
    EXPECT_EQ(Shown(edit), "fixed");
    EXPECT_LE(validations, 2);

    // The range of a numeric edit.
    other->SetEditType(etNumeric);
    other->SetShowError(true);
    other->SetMinValue(1);
    other->SetMaxValue(100);
    other->SetText("500");
    EXPECT_TRUE(other->IsError());
    other->SetText("50");
    EXPECT_FALSE(other->IsError());
}

TEST_F(TypedEdits, LeavingTheEditSettlesTheValueInOrder)
{
    TFormatSettingsGuard format(PointDecimals());
    std::vector<std::string> validated;
    TVezEdit* number = NewEdit(20, 100, [](TVezEdit* e) {
        e->SetEditType(etNumeric);
        e->SetMinValue(1);
        e->SetMaxValue(100);
    });
    number->OnValueValidate = [&](TObject*, const std::string& value, bool&) { validated.push_back(value); };
    Focus(number);
    static_cast<TControl*>(number)->SetText("500");
    validated.clear();
    Focus(other);
    EXPECT_EQ(Shown(number), "100");
    ASSERT_FALSE(validated.empty());
    EXPECT_EQ(validated.back(), "100"); // the check runs last, on the settled value

    Focus(number);
    static_cast<TControl*>(number)->SetText("");
    Focus(other);
    EXPECT_EQ(Shown(number), "1"); // "0" first, then the range

    edit->SetEditType(etFloat);
    edit->SetPrecision(2);
    Focus(edit);
    Type(edit, "3.5");
    EXPECT_TRUE(edit->Modified());
    Focus(other);
    EXPECT_EQ(Shown(edit), "3.50");
    EXPECT_TRUE(edit->Modified());       // kept as it was
    EXPECT_EQ(edit->OrigText(), "0.00"); // the value when it got the focus
}

} // namespace
