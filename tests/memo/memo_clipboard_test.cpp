#include "export_checks.h"
#include "memo_test_support.h"

#include "platform/gui/services/clipboard.h"

namespace {

class MemoClipboard : public MemoFixture
{
protected:
    void SetUp() override
    {
        MemoFixture::SetUp();
        Clipboard()->SetAsText("before");
    }
    static std::string Rtf() { return Clipboard()->AsBytes(RegisterClipboardFormat("Rich Text Format")); }
    static std::string Html() { return Clipboard()->AsBytes(RegisterClipboardFormat("HTML Format")); }
    static bool HasRtf() { return Clipboard()->HasFormat(RegisterClipboardFormat("Rich Text Format")); }
    static bool HasHtml() { return Clipboard()->HasFormat(RegisterClipboardFormat("HTML Format")); }
};

// The text lines of an HTML export, tags left out and entities decoded: what a reader shows of it.
std::string ShownLines(const std::string& html)
{
    const std::vector<std::string> lines = CrLfLines(html);
    size_t line = 0;
    while (line < lines.size() && lines[line] != "<PRE>")
        ++line;
    std::string text;
    for (line += 2; line < lines.size() && lines[line] != "</FONT>"; ++line)
        text += ShownText(lines[line]) + '\n';
    return text;
}

} // namespace

TEST_F(MemoClipboard, TextOnlyPutsTheSelectionExactly)
{
    SetLines({"one two", "three"});
    memo->SetSelectionEnds(4, 0, 2, 1);
    memo->CopyToClipBoard();
    EXPECT_EQ(Clipboard()->AsText(), "two\r\nth");
    EXPECT_FALSE(HasRtf());
    EXPECT_FALSE(HasHtml());
    // Copying nothing leaves the clipboard as it was.
    memo->SetSelectionEnds(1, 0, 1, 0);
    memo->CopyToClipBoard();
    EXPECT_EQ(Clipboard()->AsText(), "two\r\nth");
}

TEST_F(MemoClipboard, ThreeFormatsAtOnceHoldTheSelectedText)
{
    auto* styler = new TVezPascalMemoStyler(form);
    SetUpEncoderLogStyler(*styler);
    memo->SetSyntaxStyles(styler);
    SetLines({"Error {x} <b> \"q\" \\ \xC3\xA4 \xE2\x82\xAC http://a/{b}", "second"});
    memo->SetClipboardFormats({cfText, cfRTF, cfHTML});
    memo->SetSelectionEnds(0, 0, 3, 1);
    memo->CopyToClipBoard();
    EXPECT_EQ(Clipboard()->AsText(), memo->Selection());
    const std::string rtf = Rtf();
    EXPECT_EQ(RtfProblem(rtf), "");
    EXPECT_NE(rtf.find("\\{x\\}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\'e4"), std::string::npos);
    EXPECT_NE(rtf.find("\\u8364G"), std::string::npos);
    EXPECT_NE(rtf.find("HYPERLINK \"http://a/\\{b\\}\""), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("sec\\par\\par}"), std::string::npos) << rtf;
    const std::string html = Html();
    EXPECT_EQ(HtmlProblem(html.substr(html.find("<PRE>"), html.find("</PRE>") + 6 - html.find("<PRE>"))), "");
    EXPECT_EQ(ShownLines(html), "Error {x} <b> \"q\" \\ \xC3\xA4 \xE2\x82\xAC http://a/{b}\nsec\n");
    EXPECT_EQ(Lines()[0].substr(0, 5), "Error"); // the lines are as they were
}

TEST_F(MemoClipboard, TheFormattedCopiesOfAWrappedSelectionHoldItsText)
{
    SetLines({"alpha beta gamma delta epsilon zeta", "eta theta"});
    memo->SetRightMargin(12);
    memo->SetWordWrap(wwRightMargin);
    const std::vector<std::string> rows = Lines();
    ASSERT_GT(rows.size(), 3u);
    memo->SetClipboardFormats({cfText, cfRTF, cfHTML});
    memo->SetSelectionEnds(2, 0, 3, 2); // from "pha" across two row breaks
    memo->CopyToClipBoard();
    const std::string selected = memo->Selection();
    EXPECT_EQ(Clipboard()->AsText(), selected);
    EXPECT_EQ(ShownLines(Html()), selected + "\n");
    EXPECT_NE(Rtf().find(" " + selected + "\\par\\par}"), std::string::npos) << Rtf();
    EXPECT_EQ(Lines(), rows);
}

TEST_F(MemoClipboard, HtmlOffsetsNameTheFragmentAtEveryLength)
{
    for (size_t length :
         {size_t{0}, size_t{1}, size_t{9}, size_t{99}, size_t{999}, size_t{9999}, size_t{10000}}) {
        const std::string fragment = std::string(length, 'x') + "\r\n";
        const std::string text = BuildHtmlClipboardText(fragment);
        const std::optional<THtmlClipboardParts> parts = ParseHtmlClipboardText(text);
        ASSERT_TRUE(parts) << length;
        EXPECT_EQ(parts->Fragment, fragment);
        EXPECT_TRUE(parts->Document.starts_with("<!DOCTYPE html>"));
        EXPECT_NE(text.find(fragment + "\r\n<!--EndFragment-->"), std::string::npos);
        EXPECT_EQ(text.find("StartFragment", text.find("<BODY>")), text.find("<!--StartFragment") + 4);
    }
}

TEST_F(MemoClipboard, PasteMakesCrLfLinesAndMarksThem)
{
    memo->Gutter()->SetShowModified(true);
    SetLines({"ab", "cd"});
    memo->SetCurY(0);
    memo->SetCurX(1);
    memo->ClearSelection();
    Clipboard()->SetAsText("1\n2\n3 \xF0\x9F\x98\x80");
    memo->PasteFromClipBoard();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"a1", "2",
                                                 "3 \xF0\x9F\x98\x80"
                                                 "b",
                                                 "cd"}));
    EXPECT_EQ(Caret(), std::make_pair(3, 2));
    for (int line = 0; line <= 2; ++line)
        EXPECT_EQ(memo->GetModifiedStateInt(line), lmModified) << line;
    EXPECT_EQ(memo->GetModifiedStateInt(3), lmUnmodified);
    memo->Undo();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"ab", "cd"}));
}

TEST_F(MemoClipboard, ReadOnlyAndRefusedActionsChangeNothing)
{
    SetLines({"text"});
    memo->SetSelectionEnds(0, 0, 2, 0);
    memo->SetReadOnly(true);
    memo->CutToClipBoard();
    memo->PasteFromClipBoard();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"text"}));
    EXPECT_EQ(Clipboard()->AsText(), "before");
    memo->DoClipboardCopy(); // copying a read-only memo works
    EXPECT_EQ(Clipboard()->AsText(), "te");
    memo->SetReadOnly(false);
    std::vector<TClipboardAction> asked;
    memo->OnClipboardAction = [&asked](TObject*, TClipboardAction action, bool& allow) {
        asked.push_back(action);
        allow = false;
    };
    Clipboard()->SetAsText("other");
    memo->DoClipboardCut();
    memo->DoClipboardPaste();
    memo->DoClipboardCopy();
    EXPECT_EQ(asked, (std::vector<TClipboardAction>{caCut, caPaste, caCopy}));
    EXPECT_EQ(Lines(), (std::vector<std::string>{"text"}));
    EXPECT_EQ(Clipboard()->AsText(), "other");
    memo->OnClipboardAction = nullptr;
    memo->SetClipboardFormats({cfText, cfRTF});
    memo->DoClipboardCut(); // cut puts text only
    EXPECT_EQ(Lines(), (std::vector<std::string>{"xt"}));
    EXPECT_EQ(Clipboard()->AsText(), "te");
    EXPECT_FALSE(HasRtf());
}
