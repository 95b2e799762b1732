#include "typed_edit_fixture.h"

namespace {

// A keystroke script: an edit set up, its window text with the caret (and a selection), the keys pressed
// through the real key path, and the window text and caret that follow.
struct Script
{
    const char* name;
    std::function<void(TVezEdit*)> setUp;
    const char* start;
    int caret;
    std::vector<std::string> keys;
    const char* shown;
    int caretAfter; // -1: not looked at
    int selection = 0;
};

// "." and "," change places, in texts and in key names.
std::string Swapped(std::string text)
{
    for (char& c : text)
        c = c == '.' ? ',' : c == ',' ? '.' : c;
    return text;
}

class TypedEditFilter : public TypedEdits
{
protected:
    void Run(const Script& s, bool comma)
    {
        TVezEdit* e = NewEdit(20, 100, s.setUp);
        const auto inFormat = [comma](const std::string& text) { return comma ? Swapped(text) : text; };
        static_cast<TControl*>(e)->SetText(inFormat(s.start));
        CaretAt(e, s.caret);
        e->SetSelLength(s.selection);
        for (const std::string& key : s.keys)
            Press(e, key.size() == 1 ? inFormat(key) : key);
        Pump();
        const std::string where = std::string(s.name) + (comma ? " (\",\" decimals)" : "");
        EXPECT_EQ(Shown(e), inFormat(s.shown)) << where;
        if (s.caretAfter >= 0) {
            EXPECT_EQ(e->SelStart(), s.caretAfter) << where;
        }
        e->Free();
    }
};

void Signed(TVezEdit* e, TVezEditType type)
{
    e->SetEditType(type);
    e->SetSigned(true);
}

TEST_F(TypedEditFilter, NumbersKeepToTheirCharactersAndPlaces)
{
    const auto numeric = [](TVezEdit* e) { e->SetEditType(etNumeric); };
    const auto signedNumeric = [](TVezEdit* e) { Signed(e, etNumeric); };
    const auto float2 = [](TVezEdit* e) {
        e->SetEditType(etFloat);
        e->SetPrecision(2);
    };
    const auto float0 = [](TVezEdit* e) { e->SetEditType(etFloat); };
    const auto money2 = [](TVezEdit* e) {
        e->SetEditType(etMoney);
        e->SetPrecision(2);
        e->SetAllowNumericNullValue(true);
    };
    const auto limited = [](TVezEdit* e) {
        e->SetEditType(etFloat);
        e->SetPrecision(-1);
        e->SetLengthLimit(3);
    };
    const Script scripts[] = {
        {"the sign comes before the digits", signedNumeric, "12", 1, {"-"}, "-12", 2},
        {"and goes again", signedNumeric, "-12", 2, {"-"}, "12", 1},
        {"a minus over the whole value", signedNumeric, "12", 0, {"-"}, "-", 1, 2},
        {"unsigned: no minus", numeric, "12", 2, {"-"}, "12", 2},
        {"letters refused", numeric, "1", 1, {"a", "2", "/"}, "12", 2},
        {"with Ctrl anything goes, once", numeric, "1", 1, {"C-/", "C-5"}, "1/5", 3},
        {"float: the other separator refused", float2, "1", 1, {","}, "1", 1},
        {"decimals full at the end", float2, "1.50", 4, {"7"}, "1.50", 4},
        {"a decimal overwritten", float2, "1.50", 2, {"7"}, "1.70", 3},
        {"a second separator jumps after the first", float2, "1.50", 1, {"."}, "1.50", 2},
        {"no decimals: no separator", float0, "1", 1, {"."}, "1", 1},
        {"a separator into an empty value", float2, "", 0, {"."}, "0.", 2},
        {"float sign toggle", [](TVezEdit* e) { Signed(e, etFloat); }, "2.5", 3, {"-"}, "-2.5", 4},
        {"money groups as it is typed", money2, "", 0, {"1", "2", "3", "4"}, "1,234", 5},
        {"money: a separator too close to the group", money2, "1,234", 3, {"."}, "1,234", 3},
        {"money: a separator at the end", money2, "1,234", 5, {"."}, "1,234.", 6},
        {"a typed fraction stays", money2, "1,234.", 6, {"5"}, "1,234.5", 7},
        {"limit: no digit before the separator", limited, "123.4", 1, {"9"}, "123.4", 1},
        {"limit: digits after it", limited, "123.4", 5, {"9"}, "123.49", 6},
        {"limit: the sign and the separator still",
         [](TVezEdit* e) {
             e->SetEditType(etFloat);
             e->SetPrecision(-1);
             e->SetLengthLimit(2);
         },
         "12",
         2,
         {"."},
         "12.",
         3},
    };
    for (const bool comma : {false, true}) {
        TFormatSettingsGuard format(comma ? CommaDecimals() : PointDecimals());
        for (const Script& s : scripts)
            Run(s, comma);
    }
}

TEST_F(TypedEditFilter, TextTypesAndCharacterSets)
{
    const auto type = [](TVezEditType t, const std::string& valid = "", const std::string& invalid = "") {
        return [=](TVezEdit* e) {
            e->SetEditType(t);
            e->SetValidChars(valid);
            e->SetInvalidChars(invalid);
        };
    };
    const Script scripts[] = {
        {"upper case", type(etUppercase), "", 0, {"a", "b", "=é"}, "ABÉ", 3},
        {"lower case", type(etLowerCase), "", 0, {"=A", "=B", "c"}, "abc", 3},
        {"mixed case",
         type(etMixedCase),
         "",
         0,
         {"m", "c", "f", "o", "o", "Space", "b", "a", "r"},
         "McFoo Bar",
         9},
        {"hexadecimal", type(etHex), "", 0, {"a", "g", "1", "=F"}, "a1F", 3},
        {"alphanumeric", type(etAlphaNumeric), "", 0, {"a", "-", "1", "Space"}, "a1", 2},
        {"valid characters", type(etValidChars, "ab"), "", 0, {"a", "c", "b"}, "ab", 2},
        {"invalid characters", type(etInvalidChars, "", "x"), "", 0, {"a", "x", "b"}, "ab", 2},
        {"a range", type(etRange), "", 0, {",", "1", "-", "-", "5", ";", "7"}, "1-5;7", 5},
        {"no separator before another", type(etRange), "1;2", 1, {"-"}, "1;2", 1},
        {"backspace stops at the prefix", [](TVezEdit* e) { e->SetPrefix("$"); }, "$12", 1, {"BS"}, "$12", 1},
        {"input-method text is filtered", type(etNumeric), "", 0, {"=4a2"}, "42", 2},
    };
    for (const Script& s : scripts)
        Run(s, false);
}

TEST_F(TypedEditFilter, TheKeypadDecimalKeyTypesTheDecimalSeparator)
{
    for (const bool comma : {false, true}) {
        TFormatSettingsGuard format(comma ? CommaDecimals() : PointDecimals());
        const std::string decimal = comma ? "," : ".";
        TVezEdit* e = NewEdit(20, 100, [](TVezEdit* x) {
            x->SetEditType(etFloat);
            x->SetPrecision(2);
            x->SetSpreadsheetStyleDecimalSeparator(true);
        });
        static_cast<TControl*>(e)->SetText("");
        CaretAt(e, 0);
        PressAll(e, {"Num1", comma ? "Num." : "Num,", "Num5"});
        EXPECT_EQ(Shown(e), "1" + decimal + "5") << comma;
        // Without the option the keypad's key is the character it types.
        e->SetSpreadsheetStyleDecimalSeparator(false);
        static_cast<TControl*>(e)->SetText("");
        CaretAt(e, 0);
        PressAll(e, {"Num1", comma ? "Num." : "Num,"});
        EXPECT_EQ(Shown(e), "1") << comma;
        e->Free();
    }
}

TEST_F(TypedEditFilter, LengthLimitAndTabOnFullLength)
{
    TVezEdit* e = NewEdit(20, 100, [](TVezEdit* x) {
        x->SetEditType(etNumeric);
        x->SetLengthLimit(3);
        x->SetTabOnFullLength(true);
    });
    static_cast<TControl*>(e)->SetText("");
    CaretAt(e, 0);
    Type(e, "12");
    EXPECT_TRUE(e->Focused());
    Type(e, "3");
    EXPECT_EQ(Shown(e), "123");
    EXPECT_FALSE(e->Focused()); // the focus moved on
}

TEST_F(TypedEditFilter, EditorDisabledTakesNoKeyAtAll)
{
    edit->SetText("ab");
    edit->SetEditorEnabled(false);
    CaretAt(edit, 2);
    PressAll(edit, {"c", "BS", "Del", "Left"});
    EXPECT_EQ(Shown(edit), "ab");
    EXPECT_EQ(edit->SelStart(), 2);
}

TEST_F(TypedEditFilter, KeyPressMayChangeOrDropTheCharacter)
{
    edit->OnKeyPress = [](TObject*, char32_t& k) {
        if (k == U'a')
            k = U'b';
        if (k == U'x')
            k = 0;
    };
    CaretAt(edit, 0);
    Type(edit, "axc");
    EXPECT_EQ(Shown(edit), "bc");
}

// Typing over the whole value does not report that character's change; nothing else is held back.
TEST_F(TypedEditFilter, OnlyACharacterReplacingTheWholeValueGoesUnreported)
{
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    edit->SetText("abc");
    Focus(edit);
    edit->SelectAll();
    changes = 0;
    Type(edit, "x");
    EXPECT_EQ(Shown(edit), "x");
    EXPECT_EQ(changes, 0);
    Type(edit, "y");
    EXPECT_EQ(changes, 1);

    // Keys that go elsewhere over a whole selection leave nothing behind for the next edit.
    const std::vector<std::vector<std::string>> routed = {{"C-c"}, {"C-a"}, {"Enter"}, {"Esc"}};
    for (const auto& keys : routed) {
        edit->SetText("abc");
        Focus(edit);
        edit->SelectAll();
        PressAll(edit, keys);
        Press(edit, "End");
        changes = 0;
        Type(edit, "d");
        EXPECT_EQ(changes, 1) << keys.front();
    }
    TVezEdit* number = NewEdit(20, 100, [](TVezEdit* e) { e->SetEditType(etNumeric); });
    number->OnChange = [&](TObject*) { ++changes; };
    number->SetText("12");
    Focus(number);
    number->SelectAll();
    Type(number, "a"); // refused
    Press(number, "End");
    changes = 0;
    Type(number, "3");
    EXPECT_EQ(Shown(number), "123");
    EXPECT_EQ(changes, 1);
}

} // namespace
