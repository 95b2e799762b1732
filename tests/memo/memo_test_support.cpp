#include "memo_test_support.h"

#include "platform/gui/forms/menus.h"
#include "support/utf8.h"

#include <fstream>
#include <sstream>

void MemoFixture::SetUp()
{
    form = ShowTestForm(500, 400);
    memo = new TVezMemo(form);
    memo->SetParent(form);
    memo->SetBounds(10, 10, 300, 200);
    memo->Font()->SetName("DejaVu Sans Mono");
    Pump();
}

void MemoFixture::TearDown()
{
    form->Free();
}

std::vector<std::string> MemoFixture::Lines() const
{
    return LinesOf(*memo->Lines());
}

void MemoFixture::SetLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    memo->Lines()->SetText(text);
}

std::vector<std::string> LinesOf(const TStrings& lines)
{
    std::vector<std::string> result;
    for (int i = 0; i < lines.Count(); ++i)
        result.push_back(lines.Get(i));
    return result;
}

void ExpectStoreConsistent(const TVezMemoStrings& lines)
{
    ASSERT_EQ(lines.ListLengths().Count(), lines.Count());
    int largest = 0;
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = lines.Get(i);
        EXPECT_EQ(lines.ListLengths().GetInteger(i), static_cast<int>(Utf8ToUtf32(line).size()))
            << "line " << i;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "line " << i;
        largest = std::max(largest, lines.ListLengths().GetInteger(i));
    }
    EXPECT_EQ(lines.ListLengths().Largest(), largest);

    // The running counts before every row, against a walk over the rows, and the rows found from them.
    const auto continues = [&](int row) {
        const TLineProp* prop = lines.GetLineProp(row);
        return prop && prop->Wrapped;
    };
    const TRowOffsets& offsets = lines.RowOffsets();
    int continuations = 0, offset = 0, authorLine = -1;
    for (int row = 0; row <= lines.Count(); ++row) {
        EXPECT_EQ(offsets.ContinuationsBefore(lines, row), continuations) << "row " << row;
        EXPECT_EQ(offsets.OffsetBefore(lines, row), offset) << "row " << row;
        if (row == lines.Count())
            break;
        if (row == 0 || !continues(row)) {
            EXPECT_EQ(offsets.RowOfAuthorLine(lines, ++authorLine), row);
        }
        const int span = lines.ListLengths().GetInteger(row) + (continues(row + 1) ? 0 : 2);
        if (span > 0) {
            EXPECT_EQ(offsets.RowAtOffset(lines, offset + span - 1), row);
        }
        continuations += continues(row) ? 1 : 0;
        offset += span;
    }
    EXPECT_EQ(offsets.RowOfAuthorLine(lines, authorLine + 1), lines.Count());
    EXPECT_EQ(offsets.RowAtOffset(lines, offset), lines.Count());
}

std::vector<std::string> AuthorLines(const TVezCustomMemo& memo)
{
    std::vector<std::string> lines;
    for (int i = 0; i < memo.Lines()->Count(); ++i) {
        if (i > 0 && memo.IsWrappedLine(i))
            lines.back() += memo.Lines()->Get(i);
        else
            lines.push_back(memo.Lines()->Get(i));
    }
    return lines;
}

TErrorLog MakeErrorLog(TForm* form, int width, int height)
{
    auto* styler = new TVezPascalMemoStyler(form);
    SetUpEncoderLogStyler(*styler);
    auto* memo = new TVezMemo(form);
    memo->SetParent(form);
    memo->SetBounds(0, 0, width, height);
    SetUpEncoderLogMemo(*memo, *styler);
    memo->SetPopupMenu(new TPopupMenu(form)); // an empty menu: a right click shows nothing
    TFont font;
    font.SetName("DejaVu Sans Mono");
    font.SetSize(9);
    memo->SetFont(&font);
    memo->Lines()->Clear();
    Pump();
    return {memo, styler};
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}
