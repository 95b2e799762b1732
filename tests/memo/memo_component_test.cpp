#include "memo_test_support.h"

#include "platform/gui/windows/cursors.h"
#include "support/utf8.h"

#include <functional>

namespace {

class MemoComponent : public MemoFixture
{
};

struct Default
{
    const char* name;
    std::function<bool(const TVezMemo&)> holds;
};

} // namespace

TEST_F(MemoComponent, ANewMemoStartsWithItsDefaults)
{
    TVezMemo fresh(form);
    const Default defaults[] = {
        {"one empty line",
         [](const TVezMemo& m) { return m.Lines()->Count() == 1 && m.Lines()->RealCount() == 0; }},
        {"350 x 250", [](const TVezMemo& m) { return m.Width() == 350 && m.Height() == 250; }},
        {"font",
         [](const TVezMemo& m) { return m.Font()->Name() == "COURIER NEW" && m.Font()->Height() == -13; }},
        {"styler", [](const TVezMemo& m) { return m.UseStyler() && !m.SyntaxStyles(); }},
        {"text",
         [](const TVezMemo& m) {
             return m.TabSize() == 4 && m.AutoIndent() && m.AutoExpand() && m.WantTab() && m.DelErase() &&
                    m.CharCase() == ecNormal && !m.ReadOnly() && !m.SmartTabs() && !m.TrimTrailingSpaces();
         }},
        {"layout",
         [](const TVezMemo& m) {
             return m.RightMargin() == 80 && m.ShowRightMargin() && m.WordWrap() == wwNone &&
                    m.ScrollBars() == ssBoth && m.ScrollMode() == smAuto && !m.ScrollHint();
         }},
        {"colours",
         [](const TVezMemo& m) {
             return m.BkColor() == clWhite && m.SelColor() == clWhite && m.SelBkColor() == clNavy &&
                    m.BandColor() == clNone && m.BlockColor() == clAqua && m.BlockLineColor() == clNone &&
                    m.BreakpointColor() == clRed && m.BreakpointTextColor() == clWhite &&
                    m.RightMarginColor() == 0xE2E2E2 && m.BorderColor() == clGray;
         }},
        {"border", [](const TVezMemo& m) { return m.BorderStyle() == bsSingle && !m.Ctl3D(); }},
        {"case",
         [](const TVezMemo& m) { return !m.CaseSensitive() && m.HighlightCaseSensitive() && m.UrlAware(); }},
        {"url style",
         [](const TVezMemo& m) {
             return m.UrlStyle()->TextColor() == clBlue && m.UrlStyle()->BkColor() == clWhite &&
                    m.UrlStyle()->Style() == TFontStyles{fsUnderline};
         }},
        {"undo",
         [](const TVezMemo& m) { return m.UndoLimit() == 100 && !m.UndoLineByLine() && !m.Modified(); }},
        {"view",
         [](const TVezMemo& m) {
             return m.TopLine() == 0 && m.LeftCol() == 0 && m.ActiveLine() == -1 &&
                    m.SelectionMode() == smText && !m.HiddenCaret() && !m.HideSelection();
         }},
        {"control", [](const TVezMemo& m) { return m.TabStop() && m.Cursor() == crIBeam; }},
        {"clipboard and drops",
         [](const TVezMemo& m) {
             return m.ClipboardFormats() == TMemoClipboardFormats{cfText} && !m.OleDropSource() &&
                    m.OleDropTarget().Empty() && !m.AcceptFiles();
         }},
        {"hints",
         [](const TVezMemo& m) {
             return m.AutoHintParameters() == AutoHint::hpAuto && m.AutoHintParameterDelay() == 2500 &&
                    m.HintTimer()->Interval() == 2500 && !m.HintTimer()->Enabled();
         }},
        {"bookmarks",
         [](const TVezMemo& m) {
             bool unset = m.BookmarkList()->Count() == 10;
             for (int i = 0; unset && i < 10; ++i)
                 unset = m.BookmarkList()->GetInteger(i) == -1;
             return unset && m.BookmarkGlyph()->Width() == 16;
         }},
        {"menu images", [](const TVezMemo& m) { return m.ContextMenuImages()->Count() == 5; }},
        {"gutter",
         [](const TVezMemo& m) {
             const TVezGutter& g = *m.Gutter();
             return g.Visible() && g.GutterWidth() == 45 && g.GutterMargin() == 45 && g.Left == 1 &&
                    g.Top == 1 && g.GutterColor() == clBtnFace && g.GutterColorTo() == clWhite &&
                    g.LineNumberStart() == 1 && g.DigitCount() == 4 && !g.ShowModified() &&
                    g.ModifiedColor() == clYellow;
         }},
        {"active line",
         [](const TVezMemo& m) {
             const TVezActiveLineSettings& a = *m.ActiveLineSettings();
             return !a.ShowActiveLine() && !a.ShowActiveLineIndicator() && a.ActiveLineColor() == clNavy &&
                    a.ActiveLineTextColor() == clYellow && !a.ActiveLineAtCursor();
         }},
        {"folding",
         [](const TVezMemo& m) {
             return !m.CodeFolding()->Enabled() && m.CodeFolding()->LineColor() == clGray;
         }},
        {"completion",
         [](const TVezMemo& m) {
             const TAutoCompletion& c = *m.AutoCompletion();
             return c.Active() && c.Delay() == 500 && c.StartToken() == "(." && c.Width() == 200 &&
                    c.Height() == 100 && c.AutoWidth() && m.AutoCompleteTimer()->Interval() == 500 &&
                    m.AutoCorrect()->Active();
         }},
        {"markers",
         [](const TVezMemo& m) {
             return m.MarkerList()->DefaultMarkerImageIndex() == -1 &&
                    !m.MarkerList()->Markers()->HasMarkers() &&
                    m.MarkerList()->ImageTransparentColor() == clWhite;
         }},
        {"print options",
         [](const TVezMemo& m) {
             return m.PrintOptions()->MarginLeft == 0 && !m.PrintOptions()->PageNr &&
                    m.PrintOptions()->Title.empty();
         }},
        {"hint form",
         [](const TVezMemo& m) { return m.HintForm()->Name() == "_hf" && !m.HintForm()->Visible(); }},
        {"interface texts",
         [](const TVezMemo& m) {
             const TUILanguage& t = *m.UILanguage();
             return t.ScrollHint == "Row" && t.Undo == "Undo" && t.Redo == "Redo" && t.Copy == "Copy" &&
                    t.Cut == "Cut" && t.Paste == "Paste" && t.Delete == "Delete" &&
                    t.SelectAll == "Select All";
         }},
    };
    for (const Default& d : defaults)
        EXPECT_TRUE(d.holds(fresh)) << d.name;
}

TEST_F(MemoComponent, VersionAndInterfaceTexts)
{
    EXPECT_EQ(memo->Version(), "3.6.0.0");
    memo->SetVersion("9.9");
    EXPECT_EQ(memo->Version(), "3.6.0.0");
    EXPECT_EQ(memo->GetVersionNr() >> 24, 3);
    EXPECT_EQ((memo->GetVersionNr() >> 16) & 0xFF, 6);
    EXPECT_EQ(memo->GetVersionString(), "3.6.0.0 Jul, 2017");
    TVezMemo other(form);
    other.UILanguage()->Delete = "Entfernen";
    other.UILanguage()->ScrollHint = "Zeile";
    memo->SetUILanguage(other.UILanguage());
    EXPECT_EQ(memo->UILanguage()->Delete, "Entfernen");
    EXPECT_EQ(memo->UILanguage()->ScrollHint, "Zeile");
}

TEST_F(MemoComponent, AssignCopiesTheSettingsButNotTheStylerOrTheSelectionColour)
{
    TVezMemo source(form);
    auto* styler = new TVezPascalMemoStyler(form);
    source.SetSyntaxStyles(styler);
    source.SetSelColor(clRed);
    source.SetSelBkColor(clGreen);
    source.SetTabSize(8);
    source.SetReadOnly(true);
    source.SetRightMargin(60);
    source.Gutter()->SetVisible(false);
    source.Lines()->SetText("copied\r\nlines\r\n");
    memo->Assign(&source);
    EXPECT_EQ(memo->SelBkColor(), clGreen);
    EXPECT_EQ(memo->SelColor(), clWhite);
    EXPECT_EQ(memo->TabSize(), 4);
    EXPECT_TRUE(memo->ReadOnly());
    EXPECT_EQ(memo->RightMargin(), 60);
    EXPECT_FALSE(memo->Gutter()->Visible());
    EXPECT_EQ(Lines(), (std::vector<std::string>{"copied", "lines"}));
    EXPECT_EQ(memo->SyntaxStyles(), nullptr);
    memo->Assign(styler); // not a memo: nothing happens
    EXPECT_EQ(Lines(), (std::vector<std::string>{"copied", "lines"}));
}

TEST_F(MemoComponent, StylersBesideTheMemoJoinItsStylerList)
{
    TForm* owner = ShowTestForm();
    auto* styler = new TVezPascalMemoStyler(owner);
    auto* memo2 = new TVezMemo(owner);
    EXPECT_EQ(memo2->StylerList()->StylerList.IndexOf(styler), 0);
    styler->Free();
    EXPECT_EQ(memo2->StylerList()->StylerList.Count(), 0);
    owner->Free();
}

TEST_F(MemoComponent, SettingsObjectsClampAndFollowTheCursor)
{
    TVezGutter& gutter = *memo->Gutter();
    gutter.SetGutterMargin(10);
    EXPECT_EQ(gutter.GutterMargin(), 45);
    gutter.SetLineNumberAt(0);
    EXPECT_EQ(gutter.LineNumberAt(), 1);
    gutter.SetLineNumberStart(-2);
    EXPECT_EQ(gutter.LineNumberStart(), 1);
    gutter.SetGutterWidth(30);
    EXPECT_EQ(gutter.Width, 30);
    EXPECT_EQ(memo->GetTextAreaRect().Left, 30 + 2 + 2 - 1);
    SetLines({"a", "b", "c"});
    memo->SetCurY(2);
    memo->ActiveLineSettings()->SetActiveLineAtCursor(true);
    EXPECT_EQ(memo->ActiveLine(), 2);
    memo->SetCurY(1);
    EXPECT_EQ(memo->ActiveLine(), 1);
    memo->ActiveLineSettings()->SetActiveLineAtCursor(false);
    EXPECT_EQ(memo->ActiveLine(), -1);
}

TEST_F(MemoComponent, MarkersMoveWithNewLines)
{
    SetLines({"0", "1", "2", "3", "4", "5", "6", "7", "8"});
    TVezMarkers& markers = *memo->MarkerList()->Markers();
    markers.Add()->LineNumber = 3;
    markers.Add()->LineNumber = 7;
    memo->SetCurY(3);
    memo->NewLine();
    EXPECT_EQ(markers.GetItem(0)->LineNumber, 4);
    EXPECT_EQ(markers.GetItem(1)->LineNumber, 8);
    markers.Delete(1);
    markers.GetItem(0)->LineNumber = 3;
    memo->SetCurY(3);
    memo->NewLine();
    EXPECT_EQ(markers.GetItem(0)->LineNumber, 3);
}

TEST_F(MemoComponent, EventsGoThroughTheirHooks)
{
    std::vector<std::string> events;
    memo->OnChange = [&](TObject*) { events.push_back("change"); };
    memo->OnColumnChange = [&](int x) { events.push_back("column " + std::to_string(x)); };
    memo->OnSelectionChange = [&](TObject*) { events.push_back("selection"); };
    memo->OnUndoChange = [&](TObject*, bool canUndo, bool) {
        events.push_back(canUndo ? "undo" : "no undo");
    };
    SetLines({"abc"});
    events.clear();
    memo->SetCurX(2);
    memo->InsertChar(U'x');
    memo->SetModifiedStateInt(0, lmModified);
    memo->SelectAll();
    EXPECT_EQ(events, (std::vector<std::string>{"column 2", "column 3", "undo", "selection"}));
    events.clear();
    memo->NewLine(); // the operations that refresh the memo report the change
    EXPECT_NE(std::find(events.begin(), events.end(), "change"), events.end());
}

namespace {

// A styler that rewrites the text when asked to format it.
class TUpperCaseStyler : public TVezCustomMemoStyler
{
public:
    using TVezCustomMemoStyler::TVezCustomMemoStyler;
    bool CanFormat() override { return true; }
    std::string GetFormattedText(const std::string& text) override { return AsciiUpperCase(text); }
};

} // namespace

TEST_F(MemoComponent, FormatIsTheStylersWhenItFormats)
{
    memo->Lines()->SetText("ab\r\ncd\r\n");
    memo->SetSyntaxStyles(new TVezPascalMemoStyler(form));
    memo->InsertChar(U'x');
    const int records = memo->UndoList()->Count();
    memo->Format();
    EXPECT_EQ(memo->Lines()->Text(), "xab\r\ncd\r\n");
    EXPECT_EQ(memo->UndoList()->Count(), records);
    memo->SetSyntaxStyles(new TUpperCaseStyler(form));
    memo->Format();
    EXPECT_EQ(memo->Lines()->Text(), "XAB\r\nCD\r\n");
}

TEST_F(MemoComponent, UpdatesDoNotNestAndClicksInTheGutterNameTheLine)
{
    int changes = 0;
    memo->OnChange = [&changes](TObject*) { ++changes; };
    memo->BeginUpdate();
    memo->BeginUpdate();
    memo->EndUpdate(); // the first EndUpdate ends them all
    memo->Lines()->Add("line");
    EXPECT_EQ(changes, 1);
    memo->Gutter()->SetVisible(true);
    memo->Lines()->SetText("a\r\nb\r\nc\r\n");
    Pump();
    std::vector<int> clicked;
    memo->OnGutterClick = [&clicked](TObject*, int line) { clicked.push_back(line); };
    Click(memo, {5, memo->CellRect(0, 1).Top + 2});
    Click(memo, {5, memo->CellRect(0, 9).Top + 2}); // no line there
    EXPECT_EQ(clicked, (std::vector<int>{1}));
}

TEST_F(MemoComponent, ClickingTheScrollBarKeepsTheFocusAndTheCaret)
{
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    memo->Lines()->SetText(text);
    memo->SetFocus();
    Pump();
    ASSERT_TRUE(memo->VertScrollBar()->Visible());
    const TRect bar = memo->VertScrollBar()->BoundsRect();
    ClickWindow(memo->VertScrollBar(), {bar.Width() / 2, bar.Height() - 5});
    Pump();
    EXPECT_TRUE(memo->Focused());
    EXPECT_TRUE(memo->CaretVisible());
}

TEST(PrintOptions, CopyOnlyFromPrintOptions)
{
    TPrintOptions options, source;
    source.Title = "t";
    source.MarginLeft = 3;
    source.PrintLineNumbers = true;
    options.Assign(&source);
    EXPECT_EQ(options.Title, "t");
    EXPECT_EQ(options.MarginLeft, 3);
    EXPECT_TRUE(options.PrintLineNumbers);
    TFont font;
    EXPECT_ANY_THROW(options.Assign(&font));
}
