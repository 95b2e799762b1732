#include "memo_test_support.h"

#include "controls/memo/memo_popups.h"
#include "controls/memo/pascal_styler.h"
#include "manual_clock.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/forms/hints.h"

// The parameter hint of the call around the caret, and the hover hints the application chooses.

namespace {

class MemoParameterHint : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        styler = new TVezPascalMemoStyler(form);
        styler->HintParameter()->Parameters()->Clear();
        styler->HintParameter()->Parameters()->Add("Foo(A: Integer; B: string)");
        styler->HintParameter()->Parameters()->Add("Bar(X, Y: Integer)");
        memo->SetSyntaxStyles(styler);
        memo->SetFocus();
        Pump();
    }
    // The text as the only line, and the caret moved by the user to its end: the hint follows the move.
    void Type(const std::string& text)
    {
        SetLines({text});
        memo->SetCurY(0);
        memo->SetCurX(static_cast<int>(text.size()) - 1);
        Press(memo, "Right");
    }
    bool HintShown() const { return memo->HintForm()->Visible(); }
    std::vector<std::string> Parts() const
    {
        const TVezHintForm& hint = *memo->HintForm();
        return {hint.part1, hint.part2, hint.part3};
    }

    TManualClock clock;
    TWorkAreaOverride workArea{[](TPoint) { return Rect(0, 0, 4000, 3000); }};
    TVezPascalMemoStyler* styler = nullptr;
};

} // namespace

TEST_F(MemoParameterHint, TheParametersOfTheCallAroundTheCaretShowWithTheCurrentOneBold)
{
    struct Case
    {
        const char* Typed;
        bool Shown;
        std::vector<std::string> Parts;
    };
    const std::vector<Case> cases = {
        {"Foo(1, ", true, {"A: Integer;", " B: string", ""}},
        {"Foo(", true, {"", "A: Integer;", " B: string"}},
        {"x := Obj.Foo(", true, {"", "A: Integer;", " B: string"}}, // the qualifier is dropped
        {"foo(1, 2, 3", true, {"", "A: Integer; B: string", ""}},   // past the last: the whole list
        {"Bar(1, ", true, {"X,", " Y: Integer", ""}},               // "," separates in an entry too
        {"Foo (", false, {}},                                       // a blank before "(": no name
        {"Foo(1) ", false, {}},                                     // the call is closed
        {"Baz(", false, {}},                                        // no entry
        {"Foo(1,      ", false, {}},                                // five blanks in a row
    };
    for (const Case& c : cases) {
        Type(c.Typed);
        EXPECT_EQ(HintShown(), c.Shown) << c.Typed;
        if (c.Shown) {
            EXPECT_EQ(Parts(), c.Parts) << c.Typed;
            EXPECT_EQ(memo->HintForm()->Active, 2) << c.Typed;
        }
        memo->HideParameterHint();
    }
}

TEST_F(MemoParameterHint, TheApplicationMayNameTheHintAndHearsTheCurrentParameter)
{
    std::string heard;
    memo->OnGetParameterHint = [](TObject*, const std::string& token, std::string& hint, bool& handled) {
        if (token == "QUX") {
            hint = "Qux(First; Second)";
            handled = true;
        }
    };
    memo->OnRetrievedParameterHint = [&heard](TObject*, const std::string& token,
                                              const std::string& current) { heard = token + "/" + current; };
    Type("Qux(1, ");
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(Parts(), (std::vector<std::string>{"First;", " Second", ""}));
    EXPECT_EQ(heard, "QUX/ Second");
}

TEST_F(MemoParameterHint, ACaseSensitiveMemoMatchesTheEntryAsWritten)
{
    memo->SetCaseSensitive(true);
    Type("foo(");
    EXPECT_FALSE(HintShown());
    Type("Foo(");
    EXPECT_TRUE(HintShown());
}

TEST_F(MemoParameterHint, TheHintFollowsOnlyAutomaticallyOrOnRequest)
{
    memo->SetAutoHintParameters(AutoHint::hpManual);
    Type("Foo(");
    EXPECT_FALSE(HintShown());
    Press(memo, "CS-Space");
    EXPECT_TRUE(HintShown());
    memo->SetAutoHintParameters(AutoHint::hpNone); // hides it, and requests do nothing
    EXPECT_FALSE(HintShown());
    Press(memo, "CS-Space");
    EXPECT_FALSE(HintShown());
}

namespace {

// A memo whose descendant shows the hint once "(" is typed.
class THintOnParenMemo : public TVezMemo
{
public:
    using TVezMemo::TVezMemo;
    bool IsHintStartKey(char32_t key) const override { return key == U'('; }
};

} // namespace

TEST_F(MemoParameterHint, ADescendantsHintStartKeyShowsTheHintOnceTheCharacterIsIn)
{
    auto* eager = new THintOnParenMemo(form);
    eager->SetParent(form);
    eager->SetBounds(10, 220, 300, 100);
    eager->SetSyntaxStyles(styler);
    eager->SetAutoHintParameters(AutoHint::hpManual);
    eager->AutoCompletion()->SetStartToken("."); // "(" would start the completion timer instead
    eager->Lines()->SetText("Foo");
    eager->SetFocus();
    Application->ProcessMessages();
    eager->SetCursor(3, 0);
    Press(eager, "=(");
    EXPECT_FALSE(eager->HintForm()->Visible()); // not before the character is in
    Application->ProcessMessages();
    EXPECT_TRUE(eager->HintForm()->Visible());
    eager->SetAutoHintParameters(AutoHint::hpNone);
    Press(eager, "=(");
    Application->ProcessMessages();
    EXPECT_FALSE(eager->HintForm()->Visible());
}

TEST_F(MemoParameterHint, TheHintStandsBelowOrAboveTheCaretLineInsideTheWorkArea)
{
    SetLines({"", "", "Foo("});
    const TPoint origin = memo->ClientToScreen({0, 0});
    const int cell = memo->CellSize().H;
    memo->SetCurY(2);
    memo->SetCurX(4);
    memo->ShowParameterHint();
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(memo->HintForm()->Top(), origin.Y + cell * 3);
    memo->HideParameterHint();

    memo->SetAutoHintParameterPosition(hpAboveCode);
    memo->ShowParameterHint();
    EXPECT_EQ(memo->HintForm()->Top(), origin.Y + cell * 1);
    memo->HideParameterHint();

    // Near the top of the screen the hint above the line is pushed down into the work area.
    TWorkAreaOverride top([&](TPoint) { return Rect(0, origin.Y + cell * 2, 4000, 3000); });
    memo->ShowParameterHint();
    EXPECT_EQ(memo->HintForm()->Top(), origin.Y + cell * 2);
    memo->HideParameterHint();

    // At the right edge the hint keeps its right edge inside.
    const int right = origin.X + 40;
    TWorkAreaOverride narrow([&](TPoint) { return Rect(0, 0, right, 3000); });
    memo->ShowParameterHint();
    EXPECT_EQ(memo->HintForm()->Left() + memo->HintForm()->Width(), right);
}

TEST_F(MemoParameterHint, TheHintHidesTwoAndAHalfSecondsAfterItsLastUpdate)
{
    Type("Foo(1");
    ASSERT_TRUE(HintShown());
    Application->ProcessMessages();
    EXPECT_TRUE(memo->Focused()); // the hint never takes the focus
    clock.Advance(2000);
    Press(memo, "=,"); // an update starts the time again
    clock.Advance(2499);
    EXPECT_TRUE(HintShown());
    clock.Advance(1);
    EXPECT_FALSE(HintShown());
}

TEST_F(MemoParameterHint, ClickingTheHintLeavesTheMemoFocused)
{
    Type("Foo(");
    ASSERT_TRUE(HintShown());
    Click(memo->HintForm(), {3, 3});
    EXPECT_TRUE(memo->Focused());
    Press(memo, "=1");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Foo(1"}));
}

TEST_F(MemoParameterHint, PictureOfAHintWithTheCurrentParameterBold)
{
    memo->HintForm()->Font()->SetName("DejaVu Sans");
    Type("Foo(1, ");
    ASSERT_TRUE(HintShown());
    TVezHintForm& hint = *memo->HintForm();
    std::unique_ptr<TBitmap> picture = Render(&hint);
    SaveScreenshot(*picture, "memo_parameter_hint_bold", 3);
    EXPECT_EQ(picture->Canvas()->Pixels(0, 0), clGray);
    // The bold part is wider than the same text drawn normally would be, and the hint is wide enough.
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(hint.Font());
    const int normal = measure.Canvas()->TextWidth(hint.part1 + hint.part2 + hint.part3);
    EXPECT_GT(hint.Width(), normal + 6);
}

TEST(MemoLogHint, TheLogShowsAHintOnlyInsideACallNamedInItsParameters)
{
    TForm* form = ShowTestForm(500, 300);
    TManualClock clock;
    TErrorLog log = MakeErrorLog(form, 480, 200);
    log.Memo->Lines()->SetText("ShowMessage('done');\r\nFoo(1, 2)\r\n");
    log.Memo->SetFocus();
    Pump();
    log.Memo->SetCursor(12, 0);
    Press(log.Memo, "Right"); // into the call's parentheses
    EXPECT_TRUE(log.Memo->HintForm()->Visible());
    EXPECT_EQ(log.Memo->HintForm()->part2, "const Msg: string");
    Press(log.Memo, "Down"); // into a call the log knows nothing of
    EXPECT_FALSE(log.Memo->HintForm()->Visible());
    form->Free();
}

// --- hover hints

namespace {

class MemoHoverHint : public MemoFixture
{
protected:
    // What the application would show with the pointer at a client point: the text, or nothing.
    std::optional<std::string> HintAt(TPoint pos)
    {
        THintInfo info;
        info.HintControl = memo;
        info.CursorPos = pos;
        info.HintStr = memo->Hint();
        if (memo->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0)
            return std::nullopt;
        return info.HintStr;
    }
    // A client point over column x of line y.
    TPoint Over(int x, int y) const
    {
        const TRect cell = memo->CellRect(x, y);
        return {cell.Left + 1, cell.Top + 2};
    }
};

} // namespace

TEST_F(MemoHoverHint, TheWordHandlerComesFirstThenTheTokenHandlerThenTheMemosOwnHint)
{
    memo->SetHint("own hint");
    memo->Gutter()->SetVisible(false);
    SetLines({"alpha beta.gamma"});
    std::vector<std::string> asked;
    const auto handler = [&asked](const char* who, bool show) {
        return [&asked, who, show](TObject*, int x, int y, const std::string& value, std::string& hint,
                                   bool& shown) {
            asked.push_back(std::string(who) + " " + value + " " + std::to_string(x) + "," +
                            std::to_string(y));
            hint = std::string(who) + ": " + value;
            shown = show;
        };
    };
    EXPECT_EQ(HintAt(Over(1, 0)), "own hint");

    memo->OnHintForWord = handler("word", true);
    memo->OnHintForToken = handler("token", true);
    EXPECT_EQ(HintAt(Over(7, 0)), "word: beta");
    EXPECT_EQ(asked, (std::vector<std::string>{"word beta 7,0"}));

    asked.clear();
    memo->OnHintForWord = handler("word", false);
    EXPECT_EQ(HintAt(Over(13, 0)), "token: gamma");
    EXPECT_EQ(asked, (std::vector<std::string>{"word gamma 13,0", "token gamma 13,0"}));

    memo->OnHintForToken = nullptr;
    EXPECT_EQ(HintAt(Over(1, 0)), std::nullopt);
}

TEST_F(MemoHoverHint, TheGutterHandlerChoosesTheHintOfALine)
{
    memo->SetHint("own hint");
    memo->Gutter()->SetVisible(true);
    SetLines({"one", "two"});
    memo->OnHintForWord = [](TObject*, int, int, const std::string&, std::string& hint, bool&) {
        hint = "a word";
    };
    memo->OnHintForGutter = [](TObject*, int line, std::string& hint, bool& show) {
        hint += " of line " + std::to_string(line);
        show = line > 0;
    };
    const TRect line1 = memo->CellRect(0, 1);
    EXPECT_EQ(HintAt({2, line1.Top + 2}), "own hint of line 1");
    const TRect line0 = memo->CellRect(0, 0);
    EXPECT_EQ(HintAt({2, line0.Top + 2}), std::nullopt);
}
