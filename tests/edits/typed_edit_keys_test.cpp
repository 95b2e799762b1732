#include "platform/gui/services/clipboard.h"
#include "recording_shell.h"
#include "typed_edit_fixture.h"

namespace {

class TypedEditKeys : public TypedEdits
{
protected:
    // The edit focused with the window text and a selection.
    void Prepare(TVezEdit* e, const std::string& shown, int start, int length)
    {
        static_cast<TControl*>(e)->SetText(shown);
        CaretAt(e, start);
        e->SetSelLength(length);
    }
};

TEST_F(TypedEditKeys, TheCaretStaysBetweenPrefixAndSuffix)
{
    edit->SetPrefix("$");
    edit->SetSuffix(" kg");
    edit->SetText("12");
    CaretAt(edit, 2);
    Press(edit, "Home");
    EXPECT_EQ(edit->SelStart(), 1);
    Press(edit, "Left");
    EXPECT_EQ(edit->SelStart(), 1);
    Press(edit, "End");
    EXPECT_EQ(edit->SelStart(), 3);
    Press(edit, "Right");
    EXPECT_EQ(edit->SelStart(), 3);
    Press(edit, "Del");
    EXPECT_EQ(Shown(edit), "$12 kg");
    Press(edit, "S-Home");
    EXPECT_EQ(edit->SelText(), "12");
    Press(edit, "Left");
    Press(edit, "S-End");
    EXPECT_EQ(edit->SelText(), "12");
    // A click into the suffix puts the caret at the value's end.
    const TPoint inSuffix = edit->PosFromChar(5);
    Click(edit, {inSuffix.X + 1, inSuffix.Y + 4});
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(TypedEditKeys, PasteByTypeTakesTheFirstLineOnly)
{
    TFormatSettingsGuard format(PointDecimals());
    const struct
    {
        TVezEditType type;
        int16_t precision;
        bool signedNumbers;
        const char* before;
        int start;
        int length;
        const char* clipboard;
        const char* after;
        const char* selected; // after the paste
    } cases[] = {
        {etString, 0, false, "ab", 0, 2, "x\r\ny", "x", "x"},
        {etString, 0, false, "ab", 1, 0, "XY\nZ", "aXYb", ""},
        {etNumeric, 0, false, "5", 0, 1, "abc", "5", "5"},
        {etNumeric, 0, false, "5", 0, 1, "42", "42", "42"},
        {etNumeric, 0, false, "5", 0, 1, "-3", "5", "5"},
        {etNumeric, 0, true, "5", 0, 1, "-3", "-3", "-3"},
        {etFloat, 0, false, "1", 0, 1, "1.5", "1", "1"},
        {etFloat, 2, false, "1", 0, 1, " 1.5 ", "1.50", "1.50"},
        {etMoney, 2, false, "1", 0, 1, "1234", "1,234.00", "1,234.00"},
        {etHex, 0, false, "1", 0, 1, "ff", "FF", "FF"},
        {etHex, 0, false, "1", 0, 1, "fg", "1", "1"},
        {etUppercase, 0, false, "", 0, 0, "abc", "ABC", ""},
        {etMixedCase, 0, false, "", 0, 0, "foo bar", "Foo Bar", ""},
        {etAlphaNumeric, 0, false, "", 0, 0, "a-b", "", ""},
        {etRange, 0, false, "1", 1, 0, "-5", "1", ""},
    };
    for (const auto& c : cases) {
        TVezEdit* e = NewEdit(20, 100, [&](TVezEdit* x) {
            x->SetEditType(c.type);
            x->SetPrecision(c.precision);
            x->SetSigned(c.signedNumbers);
        });
        Prepare(e, c.before, c.start, c.length);
        Clipboard()->SetAsText(c.clipboard);
        Press(e, "C-v");
        EXPECT_EQ(Shown(e), c.after) << c.type << " " << c.clipboard;
        EXPECT_EQ(e->SelText(), c.selected) << c.type << " " << c.clipboard;
        e->Free();
    }
}

TEST_F(TypedEditKeys, PasteEventsMayRefuseOrRewriteTheValue)
{
    TVezEdit* e = NewEdit(20, 100, [](TVezEdit* x) { x->SetEditType(etNumeric); });
    std::vector<std::string> events;
    bool refuse = false;
    e->OnClipboardPaste = [&](TObject*, const std::string& value, bool& allow) {
        events.push_back("paste " + value);
        allow = !refuse;
    };
    e->OnClipboardCanPaste = [&](TObject*, std::string& value, bool&) {
        events.push_back("can " + value);
        value = "7"; // rewritten before the type's rule
    };
    e->OnAfterClipboardPaste = [&](TObject*) { events.push_back("after"); };
    Prepare(e, "12", 1, 0);
    Clipboard()->SetAsText("x");
    Press(e, "C-v");
    EXPECT_EQ(Shown(e), "7");
    EXPECT_TRUE(e->Modified());
    EXPECT_EQ(events, (std::vector<std::string>{"paste 1x2", "can 1x2", "after"}));
    refuse = true;
    events.clear();
    Press(e, "C-v");
    EXPECT_EQ(Shown(e), "7");
    EXPECT_EQ(events, (std::vector<std::string>{"paste 7x"}));
    // A read-only edit takes no paste, and a cut limit holds.
    e->SetReadOnly(true);
    refuse = false;
    events.clear();
    Press(e, "C-v");
    EXPECT_TRUE(events.empty());
}

TEST_F(TypedEditKeys, CopyAndCutReportTheValuePartAndMayBeRefused)
{
    std::vector<std::string> events;
    bool refuse = false;
    int changes = 0;
    edit->SetPrefix("#");
    edit->OnClipboardCopy = [&](TObject*, const std::string& value, bool& allow) {
        events.push_back("copy " + value);
        allow = !refuse;
    };
    edit->OnClipboardCut = [&](TObject*, const std::string& value, bool& allow) {
        events.push_back("cut " + value);
        allow = !refuse;
    };
    edit->OnAfterClipboardCopy = [&](TObject*) { events.push_back("copied"); };
    edit->OnAfterClipboardCut = [&](TObject*) { events.push_back("cut done"); };
    edit->OnChange = [&](TObject*) { ++changes; };
    Prepare(edit, "#abcd", 2, 2);
    Clipboard()->SetAsText("-");
    Press(edit, "C-c");
    EXPECT_EQ(Clipboard()->AsText(), "bc");
    refuse = true;
    Clipboard()->SetAsText("-");
    Press(edit, "C-c");
    EXPECT_EQ(Clipboard()->AsText(), "-");
    changes = 0;
    Press(edit, "C-x");
    EXPECT_EQ(Shown(edit), "#abcd");
    EXPECT_EQ(changes, 1); // the change handling runs either way
    refuse = false;
    Press(edit, "C-x");
    EXPECT_EQ(Shown(edit), "#ad");
    EXPECT_EQ(Clipboard()->AsText(), "bc");
    EXPECT_EQ(events,
              (std::vector<std::string>{"copy bc", "copied", "copy bc", "cut bc", "cut bc", "cut done"}));
}

TEST_F(TypedEditKeys, EscapeRestoresTheValueOfTheFocusAndTellsTheForm)
{
    std::vector<std::string> formKeys;
    form->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
        formKeys.push_back("down " + std::to_string(key));
    };
    form->OnKeyUp = [&](TObject*, uint16_t& key, TShiftState) {
        formKeys.push_back("up " + std::to_string(key));
    };
    edit->SetText("abc");
    Focus(edit);
    Press(edit, "End");
    Type(edit, "de");
    EXPECT_TRUE(edit->Modified());
    Press(edit, "Esc");
    Pump();
    EXPECT_EQ(Shown(edit), "abc");
    EXPECT_EQ(edit->SelText(), "abc");
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(formKeys, (std::vector<std::string>{"down 27", "up 27"}));

    // Without undo the value stays.
    edit->SetCanUndo(false);
    Focus(edit);
    Press(edit, "End");
    Type(edit, "x");
    Press(edit, "Esc");
    EXPECT_EQ(Shown(edit), "abcx");
}

TEST_F(TypedEditKeys, EnterIsReportedToTheParentOrActsAsTab)
{
    std::vector<std::string> formKeys;
    form->OnKeyDown = [&](TObject*, uint16_t& key, TShiftState) {
        formKeys.push_back("down " + std::to_string(key));
    };
    form->OnKeyUp = [&](TObject*, uint16_t& key, TShiftState) {
        formKeys.push_back("up " + std::to_string(key));
    };
    std::u32string pressed;
    edit->OnKeyPress = [&](TObject*, char32_t& k) { pressed += k; };
    Focus(edit);
    Press(edit, "Enter");
    Pump();
    EXPECT_TRUE(formKeys.empty());
    EXPECT_EQ(pressed, U"\r");
    edit->SetDefaultHandling(false);
    Press(edit, "Enter");
    Pump();
    EXPECT_EQ(formKeys, (std::vector<std::string>{"down 13", "up 13"}));
    EXPECT_EQ(Shown(edit), ""); // no character went in

    edit->SetReturnIsTab(true);
    Press(edit, "Enter");
    Pump();
    EXPECT_TRUE(other->Focused());
}

TEST_F(TypedEditKeys, AClickInsideTheSelectionPlacesTheCaretThere)
{
    int clicks = 0;
    edit->OnClick = [&](TObject*) { ++clicks; };
    Prepare(edit, "abcdef", 1, 4);
    const TPoint c = edit->PosFromChar(3);
    const TPoint inside{c.X + 1, c.Y + 4};
    MouseDown(edit, inside);
    EXPECT_EQ(edit->SelLength(), 4); // kept for a drag
    MouseUp(edit, inside);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->SelStart(), edit->CharFromPos(inside));
    EXPECT_EQ(clicks, 1);
}

TEST_F(TypedEditKeys, PositionsOfCharactersAndTheEnd)
{
    edit->SetText("abc");
    const TPoint b = edit->PosFromChar(1);
    const TPoint c = edit->PosFromChar(2);
    const TPoint end = edit->PosFromChar(3);
    EXPECT_LT(b.X, c.X);
    EXPECT_LT(c.X, end.X);
    EXPECT_EQ(edit->PosFromChar(99), end);
    EXPECT_EQ(edit->CharFromPos({c.X + 1, c.Y + 2}), 2);
    edit->SetText("");
    EXPECT_EQ(edit->PosFromChar(0), (TPoint{0, 0}));
}

// Only web and mail addresses open, through the link opener; nothing runs a program.
TEST_F(TypedEditKeys, AUrlClickOpensOnlyWebAndMailAddresses)
{
    TRecordingShell shell;
    edit->SetShowURL(true);
    std::vector<std::string> clicked;
    bool show = true;
    edit->OnURLClick = [&](TObject*, const std::string& url, bool& s) {
        clicked.push_back(url);
        s = show;
    };
    const struct
    {
        const char* value;
        const char* opened; // "" for none
    } cases[] = {
        {"https://example.org/x", "open https://example.org/x"},
        {"HTTP://example.org", "open HTTP://example.org"},
        {"mailto:someone@example.org", "open mailto:someone@example.org"},
        {"www.example.org", "open http://www.example.org"},
        {"someone@example.org", "open mailto:someone@example.org"},
        {"file:///usr/bin/xterm", ""},
        {"ftp://example.org", ""},
        {"javascript://x", ""},
    };
    for (const auto& c : cases) {
        shell.Calls.clear();
        edit->SetText(c.value);
        Focus(edit);
        Click(edit, {10, 8});
        EXPECT_EQ(clicked.back(), c.value);
        EXPECT_EQ(shell.Calls, c.opened[0] ? std::vector<std::string>{c.opened} : std::vector<std::string>{})
            << c.value;
        Focus(other);
    }
    // OnURLClick may keep the address closed.
    show = false;
    shell.Calls.clear();
    edit->SetText("https://example.org");
    Focus(edit);
    Click(edit, {10, 8});
    EXPECT_TRUE(shell.Calls.empty());
    EXPECT_TRUE(edit->Font()->Style().Contains(fsUnderline));
    EXPECT_EQ(edit->Cursor(), crHandPoint);
    edit->SetText("plain");
    EXPECT_FALSE(edit->Font()->Style().Contains(fsUnderline));
}

} // namespace
