#include "controls/memo/memo_strings.h"

#include "controls/memo/flag_holder.h"
#include "controls/memo/vez_custom_memo.h"
#include "platform/gui/core/stream_bytes.h"
#include "support/text_file_encoding.h"

// Loading and saving the lines. While the text comes in, the memo neither refreshes nor hears of each line;
// afterwards, also when the load or the save fails, its change handler, its refreshing and its word wrap are
// back.

namespace {

// Holds the memo's change handler off and its refreshing off while it lives; puts both back and brings the
// memo up to date when it goes, whether the work succeeded or not.
class TQuietMemo
{
public:
    TQuietMemo(TVezMemoStrings& lines, TVezCustomMemo& memo) : lines_(lines), memo_(memo)
    {
        handler_ = lines.OnChange;
        lines.OnChange = nullptr;
        memo.BeginUpdate();
    }
    ~TQuietMemo()
    {
        lines_.OnChange = handler_;
        memo_.EndUpdate();
    }
    TQuietMemo(const TQuietMemo&) = delete;
    TQuietMemo& operator=(const TQuietMemo&) = delete;

private:
    TVezMemoStrings& lines_;
    TVezCustomMemo& memo_;
    TNotifyEvent handler_;
};

} // namespace

void TVezMemoStrings::ExpandTabsInAllLines()
{
    for (int i = 0; i < Count(); ++i)
        if (Get(i).find('\t') != std::string::npos)
            Put(i, Get(i));
}

// The memo before a load: no selection, no history, the caret at the start.
void TVezMemoStrings::PrepareMemoForLoad()
{
    memo_->ClearSelection();
    memo_->ClearUndoList();
    memo_->SetCurX(0);
    memo_->SetCurY(0);
}

// The memo after the text came in: the caret at the start again, tabs expanded, the longest line known.
void TVezMemoStrings::SettleLoadedText()
{
    memo_->FbackupTopLine = -1;
    memo_->SetCurX(0);
    memo_->SetCurY(0);
    ExpandTabsInAllLines();
    memo_->FMaxLength = listLengths_.Largest();
}

void TVezMemoStrings::LoadFromStream(TStream& stream)
{
    if (!memo_) {
        TStrings::LoadFromStream(stream);
        return;
    }
    PrepareMemoForLoad();
    {
        TQuietMemo quiet(*this, *memo_);
        TStrings::LoadFromStream(stream);
        SettleLoadedText();
    }
    if (OnChange)
        OnChange(this);
    memo_->AutoCodeFold();
    memo_->Repaint();
}

void TVezMemoStrings::LoadFromFile(const std::string& fileName)
{
    if (!memo_) {
        TStrings::LoadFromFile(fileName);
        return;
    }
    // Read whole before the memo changes: a file that cannot be read leaves the text, its undo history and
    // the caret as they were.
    TMemoryStream contents;
    contents.LoadFromFile(fileName);
    PrepareMemoForLoad();
    {
        TQuietMemo quiet(*this, *memo_);
        LoadFromStream(contents);
        memo_->BeginUpdate(); // the stream's load ended the update
        if (TVezCustomMemoStyler* styler = memo_->SyntaxStyles(); styler && styler->CanFormat())
            SetText(styler->GetFormattedText(Text()));
        SettleLoadedText();
    }
    if (OnChange)
        OnChange(this);
    memo_->AutoCodeFold();
    memo_->ResetLinesModified();
    memo_->Repaint();
}

void TVezMemoStrings::TrimAllLines()
{
    BeginUpdate();
    for (int i = 0; i < Count(); ++i) {
        const std::string line = Get(i);
        if (!line.empty() && static_cast<unsigned char>(line.back()) <= ' ') {
            const TLineText trimmed = TrimTrailingBlanks(DecodeLine(line));
            Put(i, EncodeLine(trimmed));
        }
    }
    EndUpdate();
}

void TVezMemoStrings::SaveToFile(const std::string& fileName)
{
    if (!memo_) {
        TrimAllLines();
        TStrings::SaveToFile(fileName);
        return;
    }
    {
        // The author's lines are trimmed and saved; then the rows are wrapped again, also on failure.
        const bool wrapped = memo_->WordWrap() != wwNone;
        TFlagHolder<bool> quiet(memo_->FDisableChange, wrapped || memo_->FDisableChange);
        struct TRewrap
        {
            TVezCustomMemo& memo;
            bool wrapped;
            ~TRewrap()
            {
                if (wrapped)
                    memo.WrapLines();
            }
        } rewrap{*memo_, wrapped};
        if (wrapped)
            memo_->UnwrapLines();
        TrimAllLines();
        TStrings::SaveToFile(fileName);
    }
    MarkLinesSaved();
}

std::string TVezMemoStrings::AuthorText() const
{
    std::string text;
    for (int i = 0; i < Count(); ++i) {
        text += Get(i);
        const TLineProp* next = GetLineProp(i + 1);
        if (!next || !next->Wrapped)
            text += "\r\n";
    }
    return text;
}

void TVezMemoStrings::SaveToFile(const std::string& fileName, TTextEncoding encoding)
{
    SaveFileBytes(fileName, EncodeTextFile(AuthorText(), encoding));
    MarkLinesSaved();
}

void TVezMemoStrings::SaveToStream(TStream& stream)
{
    SaveToStream(stream, Encoding());
}

void TVezMemoStrings::SaveToStream(TStream& stream, TTextEncoding encoding)
{
    WriteAll(stream, EncodeTextFile(AuthorText(), encoding));
    MarkLinesSaved();
}

void TVezMemoStrings::MarkLinesSaved()
{
    if (memo_)
        memo_->MarkLinesSaved();
}
