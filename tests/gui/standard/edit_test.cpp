#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/services/clipboard.h"
#include "platform/gui/standard/edits.h"
#include "platform/gui/windows/caret.h"
#include "platform/gui/windows/message_views.h"
#include "text_input_support.h"
#include "window_test_support.h"

#include "support/system_colors.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

class EditTest : public testing::Test
{
protected:
    void SetUp() override
    {
        QGuiApplication::clipboard()->clear();
        form = ShowTestForm(400, 200);
        edit = new TEdit(form);
        edit->SetBounds(10, 10, 200, 24);
        edit->SetParent(form);
        edit->SetFocus();
        Pump();
    }
    void TearDown() override { form->Free(); }

    void Start(const std::string& text, int selStart, int selLength = 0)
    {
        edit->SetText(text);
        edit->SetSelStart(selStart);
        edit->SetSelLength(selLength);
    }

    TForm* form = nullptr;
    TEdit* edit = nullptr;
};

struct KeyCase
{
    std::string text;
    int selStart;
    int selLength;
    std::vector<std::string> keys;
    std::string expected;
    int expectedStart;
    int expectedLength;
};

} // namespace

TEST_F(EditTest, KeyboardEditsTextAndSelection)
{
    const KeyCase cases[] = {
        {"abc", 3, 0, {"BS"}, "ab", 2, 0},
        {"abc", 0, 0, {"Del"}, "bc", 0, 0},
        {"abc def", 7, 0, {"C-Left"}, "abc def", 4, 0},
        {"abc def", 0, 0, {"C-Right"}, "abc def", 4, 0},
        {"abc def", 7, 0, {"CS-Left"}, "abc def", 4, 3},
        {"abc def", 7, 0, {"C-BS"}, "abc ", 4, 0},
        {"abc def", 0, 0, {"C-Del"}, "def", 0, 0},
        {"abc", 1, 0, {"S-End"}, "abc", 1, 2},
        {"abc", 3, 0, {"S-Home", "=x"}, "x", 1, 0},
        {"abc", 0, 3, {"Left"}, "abc", 0, 0},
        {"abc", 0, 3, {"Right"}, "abc", 3, 0},
        {"abc", 1, 0, {"Up", "Down", "Down"}, "abc", 2, 0},
        {"héllo", 0, 0, {"Right", "Right", "S-Right", "Del"}, "hélo", 2, 0},
        {"a😀b", 1, 0, {"S-Right", "=ü"}, "aüb", 2, 0},
        {"abc", 3, 0, {"C-a"}, "abc", 0, 3},
        {"ab", 2, 0, {"=c", "=d", "C-z"}, "ab", 2, 0},
        {"ab", 2, 0, {"=c", "=d", "C-z", "C-z"}, "abcd", 4, 0},
        {"ab", 2, 0, {"=c", "Left", "=d", "C-z"}, "abc", 2, 0},
        {"abc", 3, 0, {"Enter", "Tab"}, "abc", 3, 0},
    };
    for (const KeyCase& c : cases) {
        Start(c.text, c.selStart, c.selLength);
        PressAll(edit, c.keys);
        EXPECT_EQ(edit->Text(), c.expected) << c.text << " " << testing::PrintToString(c.keys);
        EXPECT_EQ(edit->SelStart(), c.expectedStart) << c.text << " " << testing::PrintToString(c.keys);
        EXPECT_EQ(edit->SelLength(), c.expectedLength) << c.text << " " << testing::PrintToString(c.keys);
    }
}

TEST_F(EditTest, LimitsCaseReadOnlyAndDigitsFilterWhatTheUserEnters)
{
    edit->SetMaxLength(3);
    Start("", 0);
    Press(edit, "=abcdef");
    EXPECT_EQ(edit->Text(), "abc") << "typing stops at the limit";
    edit->SetText("toolong");
    EXPECT_EQ(edit->Text(), "toolong") << "the program's text is not cut";
    edit->SetMaxLength(0);

    edit->SetCharCase(ecUpperCase);
    Start("", 0);
    Press(edit, "=aé");
    EXPECT_EQ(edit->Text(), "AÉ");
    edit->SetCharCase(ecLowerCase);
    EXPECT_EQ(edit->Text(), "aé") << "changing the case converts the text";
    edit->SetCharCase(ecNormal);

    edit->SetNumbersOnly(true);
    Start("", 0);
    Press(edit, "=1a2");
    EXPECT_EQ(edit->Text(), "12");
    edit->SetNumbersOnly(false);

    edit->SetReadOnly(true);
    EXPECT_TRUE(edit->Perform(EM_SETREADONLY, 1, 0));
    Start("fixed", 0, 5);
    PressAll(edit, {"=x", "Del", "BS", "C-x", "C-v"});
    EXPECT_EQ(edit->Text(), "fixed");
    Press(edit, "C-c");
    EXPECT_EQ(Clipboard()->AsText(), "fixed") << "a read-only edit still copies";
    edit->Perform(EM_SETREADONLY, 0, 0);
    EXPECT_FALSE(edit->ReadOnly());
}

TEST_F(EditTest, ClipboardRoundTripThroughKeysAndMessages)
{
    Start("abcd", 1, 2);
    Press(edit, "C-c");
    EXPECT_EQ(Clipboard()->AsText(), "bc");
    PressAll(edit, {"End", "C-v"});
    EXPECT_EQ(edit->Text(), "abcdbc");
    Start("abcd", 0, 2);
    Press(edit, "S-Del");
    EXPECT_EQ(edit->Text(), "cd");
    EXPECT_EQ(Clipboard()->AsText(), "ab");
    PressAll(edit, {"End", "S-Ins"});
    EXPECT_EQ(edit->Text(), "cdab");

    Clipboard()->SetAsText("first\r\nsecond");
    Start("", 0);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->Text(), "first") << "a single-line edit takes the first line";

    edit->SetPasswordChar(U'•');
    Clipboard()->SetAsText("kept");
    Start("secret", 0, 6);
    edit->CopyToClipboard();
    edit->CutToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "kept") << "a password never reaches the clipboard";
    EXPECT_EQ(edit->Text(), "secret");
}

TEST_F(EditTest, ChangesFireOnChangeAndSetTheModifiedFlag)
{
    int changes = 0;
    edit->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        ++changes;
    };
    edit->SetText("abc");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(edit->Modified()) << "text set by the program is not a modification";
    Press(edit, "=d");
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(edit->Modified());
    EXPECT_TRUE(edit->CanUndo());
    edit->SetSelText("!");
    EXPECT_EQ(changes, 3);
    edit->SetText(edit->Text());
    EXPECT_EQ(changes, 3) << "the same text is no change";
    edit->SetText("x");
    EXPECT_FALSE(edit->Modified());
    EXPECT_FALSE(edit->CanUndo());
    Start("x", 1);
    Press(edit, "Left");
    EXPECT_EQ(changes, 4) << "moving the caret changes nothing";
}

TEST_F(EditTest, MessagesReadAndWriteTextSelectionAndPositions)
{
    edit->SetText("aé€b");
    char buffer[4];
    EXPECT_EQ(edit->Perform(WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_STREQ(buffer, "aé") << "a character that does not fit is left out whole";
    EXPECT_EQ(edit->Perform(WM_GETTEXTLENGTH, 0, 0), 7);

    edit->Perform(EM_SETSEL, 1, 3);
    int start = -1;
    int end = -1;
    edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    edit->Perform(EM_GETSEL, 0, 0); // null pointers are fine
    edit->Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("xy"));
    EXPECT_EQ(edit->Text(), "axyb");
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(edit->Perform(EM_CANUNDO, 0, 0), 1);
    edit->Perform(EM_UNDO, 0, 0);
    EXPECT_EQ(edit->Text(), "aé€b");
    edit->Perform(EM_SETSEL, 0, -1);
    EXPECT_EQ(edit->SelLength(), 4);

    for (int i = 0; i <= 4; ++i) {
        const LRESULT pos = edit->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(i), 0);
        ASSERT_NE(pos, -1) << i;
        const TPoint p = PointFromLParam(pos);
        EXPECT_EQ(LOWORD(edit->Perform(EM_CHARFROMPOS, 0, MAKELPARAM(p.X, p.Y + 2))), i);
        if (i > 0) {
            EXPECT_GT(p.X, GET_X_LPARAM(edit->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(i - 1), 0)));
        }
    }
    EXPECT_EQ(edit->Perform(EM_POSFROMCHAR, 5, 0), -1);

    edit->Perform(EM_SETSEL, 2, 2);
    TPoint caret;
    ASSERT_TRUE(GetCaretPos(caret));
    EXPECT_EQ(caret, PointFromLParam(edit->Perform(EM_POSFROMCHAR, 2, 0)));

    edit->Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(20, 7));
    TRect r;
    edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.Left, 20);
    EXPECT_EQ(r.Right, edit->ClientWidth() - 7);
    EXPECT_EQ(GET_X_LPARAM(edit->Perform(EM_POSFROMCHAR, 0, 0)), 20);
}

TEST_F(EditTest, MouseClicksDragsAndDoubleClicksSelect)
{
    edit->SetText("one two three");
    const auto at = [&](int index) {
        const TPoint p = PointFromLParam(edit->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(index), 0));
        return TPoint{p.X + 1, p.Y + 3};
    };
    SendMouse(edit, QEvent::MouseButtonPress, at(4));
    SendMouse(edit, QEvent::MouseMove, at(7));
    SendMouse(edit, QEvent::MouseButtonRelease, at(7));
    EXPECT_EQ(edit->SelText(), "two");
    SendMouse(edit, QEvent::MouseButtonPress, at(9));
    SendMouse(edit, QEvent::MouseButtonDblClick, at(9));
    SendMouse(edit, QEvent::MouseButtonRelease, at(9));
    EXPECT_EQ(edit->SelText(), "three");
    SendMouse(edit, QEvent::MouseMove, at(1));
    EXPECT_EQ(edit->SelText(), "three") << "moving without a button selects nothing";
}

TEST_F(EditTest, TheViewScrollsToKeepTheCaretInside)
{
    edit->SetText(std::string(200, 'w'));
    Press(edit, "End");
    const int right = GET_X_LPARAM(edit->Perform(EM_POSFROMCHAR, 200, 0));
    EXPECT_GT(right, 0);
    EXPECT_LT(right, edit->ClientWidth());
    Press(edit, "Home");
    EXPECT_EQ(GET_X_LPARAM(edit->Perform(EM_POSFROMCHAR, 0, 0)), 1);
}

TEST_F(EditTest, PaintsTheSelectionOnlyWhileFocusedUnlessAskedTo)
{
    edit->SetText("mmmm");
    edit->SelectAll();
    const int x = GET_X_LPARAM(edit->Perform(EM_POSFROMCHAR, 1, 0));
    const int y = GET_Y_LPARAM(edit->Perform(EM_POSFROMCHAR, 1, 0)) + 2;
    const auto probe = [&] {
        TBitmap image;
        image.SetSize(edit->Width(), edit->Height());
        edit->PaintTo(*image.Canvas(), 0, 0);
        const TRect& client = edit->Window().clientInWindow;
        return image.Canvas()->Pixels(client.Left + x, client.Top + y);
    };
    EXPECT_EQ(probe(), ColorToRGB(clHighlight));
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetTop(100);
    other->SetFocus();
    Pump();
    ASSERT_FALSE(edit->Focused());
    EXPECT_EQ(probe(), ColorToRGB(clWindow));
    edit->SetHideSelection(false);
    EXPECT_EQ(probe(), ColorToRGB(clHighlight));
}

// A single border is the sunken 2-pixel client edge with Ctl3D and a flat 1-pixel line without, also when
// Ctl3D changes on a live window or is taken from the parent.
TEST_F(EditTest, SingleBorderFollowsCtl3D)
{
    EXPECT_EQ(edit->ClientWidth(), 200 - 2 * 2);
    edit->SetCtl3D(false);
    EXPECT_EQ(edit->ClientWidth(), 200 - 2 * 1);
    edit->SetParentCtl3D(true);
    EXPECT_TRUE(edit->Ctl3D());
    EXPECT_EQ(edit->ClientWidth(), 200 - 2 * 2);
    edit->SetBorderStyle(bsNone);
    edit->SetCtl3D(false);
    EXPECT_EQ(edit->ClientWidth(), 200);
}

namespace {

// A parent that answers its edits' colour messages with a brush of its own, when it has one.
class TColoringParent : public TCustomControl
{
public:
    using TCustomControl::TCustomControl;
    std::unique_ptr<TBrush> brush;
    std::vector<HWND> asked;

    void Dispatch(TMessage& message) override
    {
        if (message.Msg == WM_CTLCOLOREDIT && brush) {
            const TCtlColorView view(message);
            asked.push_back(view.DC ? view.Control : nullptr);
            message.Result = reinterpret_cast<LRESULT>(brush.get());
            return;
        }
        TCustomControl::Dispatch(message);
    }
};

// An edit that chooses its own background through its colour message.
class TOwnColorEdit : public TEdit
{
public:
    using TEdit::TEdit;
    TBrush brush;

    void Dispatch(TMessage& message) override
    {
        if (message.Msg == CN_CTLCOLOREDIT) {
            message.Result = reinterpret_cast<LRESULT>(&brush);
            return;
        }
        TEdit::Dispatch(message);
    }
};

TColor BackgroundOf(TCustomEdit* edit)
{
    TBitmap image;
    image.SetSize(edit->Width(), edit->Height());
    edit->PaintTo(*image.Canvas(), 0, 0);
    const TRect& client = edit->Window().clientInWindow;
    return image.Canvas()->Pixels(client.Right - 3, client.Bottom - 3);
}

} // namespace

// The edit asks its parent for the brush of its background (WM_CTLCOLOREDIT with its canvas and its window);
// a parent that leaves it lets the edit's own colour message answer, and without an answer the edit paints
// its colour.
TEST_F(EditTest, TheParentsColourMessageChoosesTheBackground)
{
    auto* parent = new TColoringParent(form);
    parent->SetBounds(0, 50, 300, 100);
    parent->SetParent(form);
    auto* child = new TOwnColorEdit(parent);
    child->SetBounds(5, 5, 100, 24);
    child->SetParent(parent);
    child->brush.SetColor(clLime);
    edit->SetParent(parent);
    edit->SetText("text");
    Pump();

    EXPECT_EQ(BackgroundOf(edit), ColorToRGB(clWindow));
    EXPECT_EQ(BackgroundOf(child), ColorToRGB(clLime)) << "the edit's own colour message";

    parent->brush = std::make_unique<TBrush>();
    parent->brush->SetColor(clYellow);
    EXPECT_EQ(BackgroundOf(edit), ColorToRGB(clYellow));
    EXPECT_EQ(BackgroundOf(child), ColorToRGB(clYellow)) << "the parent's answer comes first";
    ASSERT_FALSE(parent->asked.empty());
    EXPECT_EQ(parent->asked.front(), edit->Handle());
    EXPECT_EQ(parent->asked.back(), child->Handle());
}
