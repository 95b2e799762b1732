// Loads arbitrary bytes into the memo's lines (byte-order marks, invalid UTF-8, odd UTF-16, NUL, lone CR),
// with and without word wrap: every line must hold no line break and have its length recorded, the longest
// known, and a UTF-8 save must load again as the same author's lines. Then an arbitrary text replaces a
// selection in the text mode and in the block mode: the lines stay consistent, and, with word wrap or
// without, undoing everything gives the author's lines back and redoing it the edited ones (up to the spaces
// that pad a line where the caret stood past its end, which the memo adds without a record).
// Input: an options byte (wrap, block), the wrap width, four selection coordinates, the text (ended by a
// backslash and one more byte), then the bytes to load.
#include "controls/memo/vez_memo.h"
#include "fuzz/memo_fuzz_app.h"
#include "support/utf8.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        abort();
}

void CheckConsistent(const TVezCustomMemo& memo, int wrapWidth)
{
    const TVezMemoStrings& lines = *memo.Lines();
    Check(lines.ListLengths().Count() == lines.Count());
    int largest = 0;
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = lines.Get(i);
        const int length = static_cast<int>(Utf8ToUtf32(line).size());
        Check(lines.ListLengths().GetInteger(i) == length);
        Check(line.find_first_of("\r\n") == std::string::npos);
        if (wrapWidth > 0)
            Check(length <= wrapWidth);
        largest = std::max(largest, length);
    }
    Check(lines.ListLengths().Largest() == largest);
}

// The author's lines (wrapped rows joined) without the spaces that end them.
std::vector<std::string> Unpadded(const TVezCustomMemo& memo)
{
    std::vector<std::string> lines;
    for (int i = 0; i < memo.Lines()->Count(); ++i) {
        if (i > 0 && memo.IsWrappedLine(i))
            lines.back() += memo.Lines()->Get(i);
        else
            lines.push_back(memo.Lines()->Get(i));
    }
    for (std::string& line : lines)
        line.erase(line.find_last_not_of(' ') + 1);
    return lines;
}

void CheckUtf8RoundTrip(TVezCustomMemo& memo)
{
    TMemoryStream saved;
    memo.Lines()->SaveToStream(saved, TTextEncoding::UTF8);
    saved.SetPosition(0);
    TStringList again;
    again.LoadFromStream(saved);
    Check(again.Encoding() == TTextEncoding::UTF8);
    Check(again.Text() == memo.WrappedText());
}

void UndoAndRedo(TVezCustomMemo& memo, const std::vector<std::string>& original)
{
    const std::vector<std::string> edited = Unpadded(memo);
    while (memo.CanUndo())
        memo.Undo();
    Check(Unpadded(memo) == original);
    while (memo.CanRedo())
        memo.Redo();
    Check(Unpadded(memo) == edited);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const uint8_t options = input.ConsumeIntegral<uint8_t>();
    const int width = input.ConsumeIntegralInRange(1, 40);
    const int x1 = input.ConsumeIntegralInRange(0, 50), y1 = input.ConsumeIntegralInRange(0, 20);
    const int x2 = input.ConsumeIntegralInRange(0, 50), y2 = input.ConsumeIntegralInRange(0, 20);
    const std::string text = input.ConsumeRandomLengthString(400);
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const bool wrap = options & 1;
    const bool block = options & 2;

    TVezMemo& memo = FuzzMemo();
    memo.SetSelectionMode(smText);
    memo.SetWordWrap(wwNone);
    memo.Lines()->Clear();
    memo.SetRightMargin(width);
    memo.SetWordWrap(wrap ? wwRightMargin : wwNone);
    const int wrapWidth = wrap ? width : 0;

    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    memo.Lines()->LoadFromStream(stream);
    CheckConsistent(memo, wrapWidth);
    CheckUtf8RoundTrip(memo);

    if (block) {
        memo.SetSelectionMode(smBlock);
        memo.SetBlockSelection(Rect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)));
    }
    memo.SetCurY(y1);
    memo.SetCurX(x1); // pads the line up to the column
    memo.SetSelectionEnds(x1, y1, x2, y2);
    const std::vector<std::string> before = Unpadded(memo);
    memo.ClearUndoList();
    memo.SetSelection(text);
    CheckConsistent(memo, wrapWidth);
    UndoAndRedo(memo, before);
    return 0;
}
