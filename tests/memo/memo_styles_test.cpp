#include "memo_test_support.h"

#include "support/utf8.h"

namespace {

class MemoStyles : public MemoFixture
{
protected:
    TVezPascalMemoStyler* Preset() { return new TVezPascalMemoStyler(form); }
};

TElementStyle* FindElement(TVezCustomMemoStyler& styler, const std::string& info)
{
    for (int i = 0; i < styler.AllStyles()->Count(); ++i)
        if (styler.AllStyles()->GetItem(i)->Info() == info)
            return styler.AllStyles()->GetItem(i);
    return nullptr;
}

} // namespace

TEST_F(MemoStyles, ThePresetHoldsItsLanguage)
{
    TVezPascalMemoStyler* styler = Preset();
    ASSERT_EQ(styler->AllStyles()->Count(), 5);
    EXPECT_EQ(styler->RegionDefinitions()->Count(), 11);
    EXPECT_EQ(styler->AllStyles()->GetItem(0)->KeyWords()->Count(), 94);
    EXPECT_EQ(styler->AllStyles()->GetItem(0)->KeyWords()->Get(12), "FINALISE");
    EXPECT_EQ(styler->AllStyles()->GetItem(3)->Symbols().size(), 23u);
    EXPECT_EQ(styler->HintParameter()->Parameters()->Count(), 2);
    EXPECT_EQ(styler->AutoCompletion()->Count(), 2);
    EXPECT_EQ(styler->Version(), "3.0");
    EXPECT_EQ(styler->RegionDefinitions()->GetItem(10)->RegionEnd(), "{$endregion");
}

TEST_F(MemoStyles, KeywordsAreLowerCasedForAMemoThatIgnoresCase)
{
    TVezPascalMemoStyler* styler = Preset();
    memo->SetSyntaxStyles(styler);
    EXPECT_EQ(styler->AllStyles()->GetItem(0)->KeyWords()->Get(0), "unit");
    EXPECT_TRUE(memo->UseStyler());
    memo->SetSyntaxStyles(nullptr);
    EXPECT_FALSE(memo->UseStyler());
    memo->SetSyntaxStyles(styler);
    EXPECT_TRUE(memo->UseStyler());
}

TEST_F(MemoStyles, ANewElementTakesTheBackgroundOfTheMemoThatUsesTheStyler)
{
    auto* styler = new TVezCustomMemoStyler(form);
    EXPECT_EQ(styler->AllStyles()->Add()->BGColor(), clWhite);
    memo->SetBkColor(clYellow);
    memo->SetSyntaxStyles(styler);
    EXPECT_EQ(styler->AllStyles()->Add()->BGColor(), clYellow);
}

TEST_F(MemoStyles, AFreedStylerLeavesPlainText)
{
    TVezPascalMemoStyler* styler = Preset();
    memo->SetSyntaxStyles(styler);
    styler->Free();
    EXPECT_EQ(memo->SyntaxStyles(), nullptr);
    EXPECT_TRUE(memo->UseStyler());
    EXPECT_FALSE(memo->IsDelimiter(U'('));
    SetLines({"begin end"});
    (void)Render(memo); // paints without a styler
}

TEST_F(MemoStyles, TheLogsElementsEndWordsOnlyAtBlanksAndSymbols)
{
    TVezPascalMemoStyler* styler = Preset();
    SetUpEncoderLogStyler(*styler);
    ASSERT_EQ(styler->AllStyles()->Count(), 8);
    const TElementStyles& elements = *styler->AllStyles();
    for (const char32_t ch : {U':', U'#', U'-', U'a'})
        EXPECT_FALSE(elements.IsWordBoundary(ch)) << static_cast<char>(ch);
    for (const char32_t ch : {U'(', U'\'', U'"', U' ', U'=', U'/'})
        EXPECT_TRUE(elements.IsWordBoundary(ch)) << static_cast<char>(ch);
    memo->SetSyntaxStyles(styler);
    EXPECT_FALSE(memo->IsDelimiter(U':'));
    EXPECT_TRUE(memo->IsDelimiter(U'('));
    EXPECT_EQ(memo->WordAtXY(3, 0), "");
    SetLines({"Stream #0:1(eng): Audio: aac"});
    EXPECT_EQ(memo->WordAtXY(9, 0), "#0:1");
    EXPECT_EQ(memo->WordAtXY(20, 0), "Audio:");
    EXPECT_EQ(FindElement(*styler, "Errors")->KeyWords()->Get(1), "error");
    EXPECT_EQ(FindElement(*styler, "Keywords")->KeyWords()->Get(11), "preset:v");
    EXPECT_EQ(styler->CommentStyle()->BkColor(), 0x353535u);

    TElementStyle* nul = styler->AllStyles()->Add();
    nul->SetStyleType(stBracket);
    EXPECT_TRUE(elements.IsWordBoundary(U'\0'));
}

TEST_F(MemoStyles, AnElementsCommentOpenerWinsAndTheStylersOwnCloserWins)
{
    TVezPascalMemoStyler* styler = Preset();
    int len = 0, style = 0, comment = 0;
    EXPECT_EQ(styler->FindCommentStart(Utf8ToUtf32("a { b (* c"), len, style, comment), 7);
    EXPECT_EQ(len, 2);
    EXPECT_EQ(comment, 4);
    EXPECT_EQ(style, 4);
    EXPECT_EQ(styler->FindCommentStart(Utf8ToUtf32("a { b"), len, style, comment), 3);
    EXPECT_EQ(comment, 255);
    EXPECT_EQ(style, -1);
    EXPECT_EQ(styler->FindCommentEnd(Utf8ToUtf32("x *) y }"), len, style, comment), 8);
    EXPECT_EQ(comment, 255);
    EXPECT_EQ(styler->FindCommentEnd(Utf8ToUtf32("none"), len, style, comment), 0);
    EXPECT_TRUE(styler->HasMultiLineComments());
}

TEST_F(MemoStyles, AStylerBuiltWithAnElementListKeepsIt)
{
    struct Case
    {
        bool preset;
        bool supplied;
        int elements;
    };
    const Case cases[] = {{true, true, 1}, {true, false, 0}, {false, true, 1}, {false, false, 0}};
    for (const Case& c : cases) {
        TVezCustomMemoStyler* styler = c.preset ? Preset() : new TVezCustomMemoStyler(form);
        styler->BeginLoading();
        if (c.supplied) {
            TElementStyles list(nullptr);
            list.Add()->SetInfo("supplied");
            styler->SetAllStyles(&list);
        }
        styler->EndLoading();
        EXPECT_EQ(styler->AllStyles()->Count(), c.elements) << c.preset << c.supplied;
        if (c.supplied) {
            EXPECT_EQ(styler->AllStyles()->GetItem(0)->Info(), "supplied");
        }
    }
    TVezPascalMemoStyler* styler = Preset();
    EXPECT_FALSE(styler->AllStyles()->FModified);
    styler->AllStyles()->Delete(0);
    EXPECT_TRUE(styler->AllStyles()->FModified);
}

TEST_F(MemoStyles, CopiesOfStylesAndElements)
{
    TCharStyle style(clRed, clBlue, {fsBold});
    TCharStyle copy;
    copy.Assign(&style);
    EXPECT_EQ(copy.TextColor(), clRed);
    EXPECT_EQ(copy.BkColor(), clBlue);
    copy.Assign(memo->Font()); // another class: ignored
    EXPECT_EQ(copy.TextColor(), clRed);
    TVezPascalMemoStyler* styler = Preset();
    TElementStyle* element = styler->AllStyles()->Add();
    element->Assign(styler->AllStyles()->GetItem(3));
    EXPECT_EQ(element->Symbols(), styler->AllStyles()->GetItem(3)->Symbols());
    EXPECT_EQ(element->DisplayName(), "Symbols Delimiters");
    styler->SetCharStyle(7, &style); // no such style: nothing changes
    EXPECT_EQ(styler->CommentStyle()->TextColor(), clNavy);
}
