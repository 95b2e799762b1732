#include "memo_test_support.h"

#include "controls/memo/memo_popups.h"
#include "controls/memo/pascal_styler.h"
#include "manual_clock.h"
#include "platform/gui/forms/application.h"
#include "platform/gui/standard/edits.h"

// The completion list (opening, filtering, choosing, its place on the screen) and auto-correct.

namespace {

struct TEntry
{
    const char* Text;
    int Kind;
};

const std::vector<TEntry> Entries = {
    {"procedure AddLine(S: string)", 6},
    {"function Max(A, B: Integer): Integer", 5},
    {"var Lines", 1},
    {"property LineCount", 2},
    {"event OnChange", 3},
    {"method TList.Insert(Index: Integer)", 4},
    {"Linear", 0},
};

class MemoCompletion : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        styler = new TVezPascalMemoStyler(form);
        styler->AutoCompletion()->Clear();
        for (const TEntry& entry : Entries)
            styler->AutoCompletion()->AddObject(entry.Text, CompletionKindObject(entry.Kind));
        memo->SetSyntaxStyles(styler);
        memo->SetFocus();
        Pump();
    }
    // The caret at the end of line y.
    void AtEndOf(int y)
    {
        memo->SetCurY(y);
        memo->SetCurX(static_cast<int>(memo->Lines()->Get(y).size()));
        memo->ClearSelection();
    }
    std::vector<std::string> ListItems() const
    {
        std::vector<std::string> items;
        if (TAutoCompletionListBox* list = memo->CompletionList())
            for (int i = 0; i < list->Count(); ++i)
                items.push_back(WithoutKindWord(list->Items()->Get(i)));
        return items;
    }
    std::string Chosen() const
    {
        TAutoCompletionListBox* list = memo->CompletionList();
        return list && list->ItemIndex() >= 0 ? WithoutKindWord(list->Items()->Get(list->ItemIndex())) : "";
    }
    bool ListOpen() const { return memo->CompletionForm() && memo->CompletionForm()->Visible(); }
    // The application offers members after a full stop (the styler's entries begin with a name, never with
    // the token before a start character).
    void OfferMembersAfterDot()
    {
        memo->OnGetAutoCompletionList = [](TObject*, const std::string& token, TStringList* list) {
            if (!token.ends_with("."))
                return;
            list->Clear();
            list->AddObject("procedure AddLine(S: string)", CompletionKindObject(6));
            list->AddObject("property Count", CompletionKindObject(2));
        };
    }

    TManualClock clock;
    TWorkAreaOverride workArea{[](TPoint) { return Rect(0, 0, 4000, 3000); }};
    TVezPascalMemoStyler* styler = nullptr;
};

// A memo whose descendant accepts ";" as a character that inserts the chosen entry and is typed after it.
class TSemicolonMemo : public TVezMemo
{
public:
    using TVezMemo::TVezMemo;
    bool IsCompletionAcceptChar(char32_t ch) const override { return ch == U';'; }
};

} // namespace

TEST_F(MemoCompletion, AStartCharacterOpensTheListAfterThePauseUnlessAKeyComesFirst)
{
    OfferMembersAfterDot();
    SetLines({"Obj"});
    AtEndOf(0);
    Press(memo, ".");
    clock.Advance(499);
    EXPECT_FALSE(ListOpen());
    Press(memo, "Left"); // any key stops the timer
    clock.Advance(1000);
    EXPECT_FALSE(ListOpen());

    AtEndOf(0);
    Press(memo, "BS");
    Press(memo, ".");
    clock.Advance(500);
    ASSERT_TRUE(ListOpen());
    EXPECT_EQ(ListItems(), (std::vector<std::string>{"AddLine(S: string)", "Count"}));
    EXPECT_EQ(Chosen(), "AddLine(S: string)");
    Application->ProcessMessages();
    EXPECT_TRUE(ListOpen());
    EXPECT_TRUE(memo->Focused()); // the list never takes the focus
}

TEST_F(MemoCompletion, TheTimerOpensTheListOnlyAfterAStartCharacter)
{
    // Something types a letter after the start character: the caret no longer follows "." when the timer
    // fires.
    OfferMembersAfterDot();
    SetLines({"Obj"});
    AtEndOf(0);
    Press(memo, ".");
    memo->InsertChar(U'x');
    clock.Advance(500);
    EXPECT_FALSE(ListOpen());
}

TEST_F(MemoCompletion, AReadOnlyOrInactiveMemoNeverOpensTheList)
{
    SetLines({"Obj"});
    AtEndOf(0);
    memo->SetReadOnly(true);
    Press(memo, "C-Space");
    memo->ShowAutoCompletion();
    EXPECT_FALSE(ListOpen());
    memo->SetReadOnly(false);
    memo->AutoCompletion()->SetActive(false);
    Press(memo, "C-Space");
    EXPECT_FALSE(ListOpen());
}

TEST_F(MemoCompletion, FilteringKeepsTheEntriesWhoseNameBeginsWithOrHoldsTheWord)
{
    struct Case
    {
        bool FromFirstChar;
        const char* Token;
        std::vector<std::string> Kept;
    };
    const std::vector<Case> cases = {
        {true, "LIN", {"Lines", "LineCount", "Linear"}},
        {false, "LIN", {"AddLine(S: string)", "Lines", "LineCount", "Linear"}},
        {true, "MAX", {"Max(A, B: Integer): Integer"}},
        {true, "INS", {"TList.Insert(Index: Integer)"}}, // the qualifier before "." is not matched
        {true, "TLIST", {}},
        {true,
         "",
         {"AddLine(S: string)", "Max(A, B: Integer): Integer", "Lines", "LineCount", "OnChange",
          "TList.Insert(Index: Integer)", "Linear"}},
    };
    SetLines({""});
    for (const Case& c : cases) {
        memo->AutoCompletion()->SetFromFirstChar(c.FromFirstChar);
        Press(memo, "C-Space");
        ASSERT_TRUE(ListOpen()) << c.Token;
        memo->UpdateAutoCompletion(c.Token);
        EXPECT_EQ(ListItems(), c.Kept) << c.Token << (c.FromFirstChar ? " from the first character" : "");
        EXPECT_EQ(Chosen(), c.Kept.empty() ? "" : c.Kept.front()) << c.Token;
        EXPECT_TRUE(ListOpen()) << "an empty list stays open";
        Press(memo, "Esc");
    }
}

TEST_F(MemoCompletion, TypingFiltersTheOpenListAndOtherCharactersCancelIt)
{
    SetLines({"x := "});
    AtEndOf(0);
    int cancels = 0;
    memo->OnCancelAutoCompletion = [&cancels](TObject*) { ++cancels; };
    Press(memo, "C-Space");
    ASSERT_TRUE(ListOpen());
    PressAll(memo, {"l", "i", "n", "e", "c"});
    EXPECT_EQ(Lines(), (std::vector<std::string>{"x := linec"}));
    EXPECT_EQ(ListItems(), (std::vector<std::string>{"LineCount"}));
    Press(memo, "BS");
    EXPECT_EQ(ListItems(), (std::vector<std::string>{"Lines", "LineCount", "Linear"}));
    Press(memo, "Down");
    EXPECT_EQ(Chosen(), "LineCount");
    Press(memo, ";"); // not a word character: the list closes, the character goes nowhere
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"x := line"}));
    Press(memo, "C-Space");
    Press(memo, "Esc");
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"x := line"}));
}

TEST_F(MemoCompletion, TheChosenEntryReplacesTheWordWithItsNameAndParenthesesForRoutines)
{
    struct Case
    {
        const char* Line;
        int CaretX;
        std::vector<std::string> Keys;
        const char* Expected;
        int ExpectedCaretX;
    };
    const std::vector<Case> cases = {
        {"a := Ma", 7, {"C-Space", "Enter"}, "a := Max()", 9},
        {"a := Ma + 1", 7, {"C-Space", "Space"}, "a := Max() + 1", 9},
        {"a := Li", 7, {"C-Space", "Enter"}, "a := Lines", 10},
        {"x Lin)", 4, {"C-Space", "Down", "Enter"}, "x LineCount)", 11},   // the word around the caret goes
        {"Obj", 3, {".", "wait", "a", "d", "Enter"}, "Obj.AddLine()", 12}, // what was typed after the "."
        {"Obj", 3, {".", "wait", "Down", "Tab"}, "Obj.", 4},
    };
    OfferMembersAfterDot();
    for (const Case& c : cases) {
        SetLines({c.Line});
        memo->SetCurY(0);
        memo->SetCurX(c.CaretX);
        memo->ClearSelection();
        for (const std::string& key : c.Keys)
            if (key == "wait")
                clock.Advance(500);
            else
                Press(memo, key);
        EXPECT_EQ(Lines(), (std::vector<std::string>{c.Expected})) << c.Line;
        EXPECT_EQ(memo->CurX(), c.ExpectedCaretX) << c.Line;
        EXPECT_FALSE(ListOpen()) << c.Line;
    }
}

TEST_F(MemoCompletion, AnAcceptedCharacterInsertsTheNameAloneAndIsTypedAfterIt)
{
    auto* accepting = new TSemicolonMemo(form);
    accepting->SetParent(form);
    accepting->SetBounds(10, 220, 300, 100);
    accepting->SetSyntaxStyles(styler);
    accepting->Lines()->SetText("a := Ma");
    accepting->SetFocus();
    Pump();
    accepting->SetCurX(7);
    Press(accepting, "C-Space");
    ASSERT_TRUE(accepting->CompletionForm());
    Press(accepting, ";");
    EXPECT_EQ(LinesOf(*accepting->Lines()), (std::vector<std::string>{"a := Max;"}));
    EXPECT_FALSE(accepting->CompletionForm());
}

TEST_F(MemoCompletion, AnEntryChangedByTheApplicationIsInsertedAsItStands)
{
    memo->OnInsertAutoCompletionEntry = [](TObject*, std::string& entry) {
        if (entry.find("Max") != std::string::npos)
            entry = "Max(Left; Right) ";
    };
    SetLines({"Ma"});
    AtEndOf(0);
    Press(memo, "C-Space");
    Press(memo, "Enter");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Max(Left; Right) "}));
    EXPECT_EQ(memo->CurX(), 17);
    memo->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Ma"}));
}

TEST_F(MemoCompletion, TheApplicationsEventsFillTheListAndChooseTheEntry)
{
    std::vector<std::string> order;
    memo->OnBeforeAutoCompletion = [&order](TObject*, const std::string& token, bool&) {
        order.push_back("before " + token);
    };
    memo->OnGetAutoCompletionList = [&order](TObject*, const std::string&, TStringList* list) {
        order.push_back("list");
        if (list->IndexOf("Extra") < 0)
            list->Add("Extra");
    };
    memo->OnGetAutoCompletionListIndex = [](TObject*, const std::string&, TStringList*, int& index) {
        index = 1;
    };
    memo->OnStartAutoCompletion = [&order](TObject*) { order.push_back("start"); };
    memo->OnAutoCompletion = [&order](TObject*) { order.push_back("insert"); };
    SetLines({"ma"});
    AtEndOf(0);
    Press(memo, "C-Space");
    EXPECT_EQ(ListItems(), (std::vector<std::string>{"Max(A, B: Integer): Integer", "Extra"}));
    EXPECT_EQ(Chosen(), "Extra");
    Press(memo, "Enter");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Extra"}));
    EXPECT_EQ(order, (std::vector<std::string>{"before MA", "list", "start", "insert"}));

    memo->OnBeforeAutoCompletion = [](TObject*, const std::string&, bool& show) { show = false; };
    Press(memo, "C-Space");
    EXPECT_FALSE(ListOpen());
}

TEST_F(MemoCompletion, AClickOnAnEntryInsertsItAndTheMemoKeepsTheFocus)
{
    SetLines({"Li"});
    AtEndOf(0);
    Press(memo, "C-Space");
    ASSERT_TRUE(ListOpen());
    TAutoCompletionListBox* list = memo->CompletionList();
    const TRect second = list->ItemRect(1);
    Click(list, {second.Left + 5, second.Top + 3});
    EXPECT_EQ(Lines(), (std::vector<std::string>{"LineCount"}));
    EXPECT_TRUE(memo->Focused());
    EXPECT_FALSE(ListOpen());
}

TEST_F(MemoCompletion, TheListClosesAsCancelledWhenTheUserTurnsElsewhere)
{
    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 300, 100, 24);
    int cancels = 0;
    memo->OnCancelAutoCompletion = [&cancels](TObject*) { ++cancels; };
    SetLines({"Li"});
    AtEndOf(0);
    Press(memo, "C-Space");
    ASSERT_TRUE(ListOpen());
    other->SetFocus();
    EXPECT_FALSE(ListOpen());
    EXPECT_TRUE(other->Focused()); // the focus stays where the user put it
    memo->SetFocus();
    Press(memo, "C-Space");
    ASSERT_TRUE(ListOpen());
    Click(memo, {40, 40});
    EXPECT_FALSE(ListOpen());
    EXPECT_EQ(cancels, 2);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Li"}));
}

TEST_F(MemoCompletion, KeepLastSizeOpensTheNextListAtTheSizeTheUserLeft)
{
    memo->AutoCompletion()->SetKeepLastSize(true);
    SetLines({""});
    Press(memo, "C-Space");
    ASSERT_TRUE(ListOpen());
    TVezAutoform* form1 = memo->CompletionForm();
    form1->SetBounds(form1->Left(), form1->Top(), 321, 123);
    Press(memo, "Esc");
    EXPECT_FALSE(memo->AutoCompletion()->AutoWidth());
    Application->ProcessMessages(); // the closed window goes
    Press(memo, "C-Space");
    ASSERT_TRUE(ListOpen());
    EXPECT_EQ(memo->CompletionForm()->Width(), 321);
    EXPECT_EQ(memo->CompletionForm()->Height(), 123);
}

TEST_F(MemoCompletion, TheListStaysInsideTheWorkAreaOfTheNearestMonitor)
{
    SetLines({"a very long line of text for the caret to stand far Li", "second"});
    AtEndOf(0);
    memo->AutoCompletion()->SetAutoWidth(false);
    const TPoint below = memo->ClientToScreen({0, 0});
    // A monitor whose work area ends left of and above where the list would open.
    const TRect area = Rect(below.X - 50, below.Y - 50, below.X + 100, below.Y + 60);
    std::vector<TPoint> asked;
    TWorkAreaOverride monitor([&](TPoint at) {
        asked.push_back(at);
        return area;
    });
    Press(memo, "C-Space");
    ASSERT_TRUE(ListOpen());
    const TVezAutoform& list = *memo->CompletionForm();
    EXPECT_EQ(list.Left(), area.Right - 200 - 10);
    EXPECT_EQ(list.Top(), area.Bottom - 100 - 10);
    EXPECT_EQ(list.Width(), 200);
    EXPECT_EQ(list.Height(), 100);
    ASSERT_EQ(asked.size(), 1u); // for the point below the caret line
    EXPECT_EQ(asked[0].Y, below.Y + memo->CellSize().H + 2);
}

TEST_F(MemoCompletion, PictureOfTheOpenListWithKindImages)
{
    memo->AutoCompletion()->SetShowImages(true);
    memo->AutoCompletion()->Font()->SetName("DejaVu Sans");
    SetLines({""});
    Press(memo, "C-Space");
    ASSERT_TRUE(ListOpen());
    TAutoCompletionListBox* list = memo->CompletionList();
    EXPECT_EQ(list->ItemHeight(), std::max(16, list->ItemHeight()));
    memo->AutoCompletion()->SetColor(clInfoBk); // the open list takes a new colour at once
    EXPECT_EQ(list->Color(), clInfoBk);
    std::unique_ptr<TBitmap> picture = Render(memo->CompletionForm());
    SaveScreenshot(*picture, "memo_completion_list_kinds", 2);
    // The image of a variable (row 2) is drawn, its lime background left out.
    const TRect varRow = list->ItemRect(2);
    std::unique_ptr<TBitmap> listPicture = Render(list);
    EXPECT_GT(CountPixels(*listPicture, Rect(0, varRow.Top, 16, varRow.Top + 16), 0xFF8060), 10);
    EXPECT_EQ(CountPixels(*listPicture, Rect(0, 0, 20, listPicture->Height()), clLime), 0);
    // The kind word of a property in its colour.
    const TRect propRow = list->ItemRect(3);
    EXPECT_GT(CountPixels(*listPicture, Rect(20, propRow.Top, 80, propRow.Bottom), clTeal), 5);
}

TEST_F(MemoCompletion, TheApplicationsImageListReplacesTheKindImages)
{
    // Images 0 to 4: variable, property, event, procedure, method; each a plain colour.
    const std::vector<TColor> colours = {clRed, clGreen, clBlue, clFuchsia, clOlive};
    auto* images = new TImageList(form);
    images->SetWidth(16);
    images->SetHeight(16);
    for (const TColor colour : colours) {
        TBitmap image(16, 16);
        image.Canvas()->Brush()->SetColor(colour);
        image.Canvas()->FillRect(Rect(0, 0, 16, 16));
        images->Add(&image, nullptr);
    }
    memo->SetAutoCompletionListImages(images);
    memo->AutoCompletion()->SetShowImages(true);
    memo->AutoCompletion()->SetHeight(200); // every row shows
    SetLines({""});
    Press(memo, "C-Space");
    ASSERT_TRUE(ListOpen());
    TAutoCompletionListBox* list = memo->CompletionList();
    std::unique_ptr<TBitmap> picture = Render(list);
    // Rows: procedure, function, variable, property, event, method.
    const std::vector<std::pair<int, TColor>> rows = {{0, clFuchsia}, {1, clFuchsia}, {2, clRed},
                                                      {3, clGreen},   {4, clBlue},    {5, clOlive}};
    for (const auto& [row, colour] : rows) {
        const TRect item = list->ItemRect(row);
        EXPECT_EQ(CountPixels(*picture, Rect(0, item.Top, 16, item.Top + 16), colour), 256) << "row " << row;
    }
}

// --- auto-correct

class MemoAutoCorrect : public MemoCompletion
{
protected:
    void Correct(const std::vector<std::string>& from, const std::vector<std::string>& to)
    {
        TStringList oldValue, newValue;
        for (const std::string& s : from)
            oldValue.Add(s);
        for (const std::string& s : to)
            newValue.Add(s);
        memo->AutoCorrect()->SetOldValue(&oldValue);
        memo->AutoCorrect()->SetNewValue(&newValue);
    }
};

TEST_F(MemoAutoCorrect, AFinishedWordIsReplacedBeforeTheEndingCharacter)
{
    struct Case
    {
        const char* Typed;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {"teh ", "the "},   {"Teh ", "Teh "}, // case-sensitive
        {"teh,", "the,"},   {"teh(", "the("},
        {"tehx ", "tehx "}, {"adn ", "adn "}, // an entry without a partner corrects nothing
    };
    Correct({"teh", "adn"}, {"the"});
    for (const Case& c : cases) {
        SetLines({""});
        memo->SetCurY(0);
        memo->SetCurX(0);
        Press(memo, std::string("=") + c.Typed);
        EXPECT_EQ(Lines(), (std::vector<std::string>{c.Expected})) << c.Typed;
        EXPECT_EQ(memo->CurX(), static_cast<int>(std::string(c.Expected).size())) << c.Typed;
    }
}

TEST_F(MemoAutoCorrect, UndoBringsTheTypedWordBack)
{
    Correct({"teh"}, {"the"});
    SetLines({"say "});
    AtEndOf(0);
    Press(memo, "=teh");
    Press(memo, "Space");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"say the "}));
    memo->Undo(); // the space
    EXPECT_EQ(Lines(), (std::vector<std::string>{"say the"}));
    memo->Undo(); // the correction
    EXPECT_EQ(Lines(), (std::vector<std::string>{"say teh"}));
}

TEST_F(MemoAutoCorrect, TheWordCompleteHandlerHasTheLastWord)
{
    Correct({"teh"}, {"the"});
    memo->OnWordComplete = [](TObject*, const std::string& word, std::string& replacement) {
        if (word == "teh")
            replacement = "THE";
    };
    SetLines({""});
    Press(memo, "=teh.");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"THE."}));
}
