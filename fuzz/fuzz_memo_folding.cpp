// Finds the regions of arbitrary text with the Pascal preset's region rules, then collapses nodes chosen by
// the input: every node's region closes after it, the node count is the number of nodes, a collapsed node's
// caption keeps the line's indent, and the row mappings invert (a row's line maps back to that row, and a
// line's row shows that line or a collapsed node above it).
// Input: a flags byte (bit 0: the preset's rules show comments), a byte of collapse choices per node (up to
// 32), ended by a zero byte, then the memo's text.
#include "controls/memo/pascal_styler.h"
#include "controls/memo/vez_memo.h"
#include "fuzz/memo_fuzz_app.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
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

TVezPascalMemoStyler& Styler()
{
    static TVezPascalMemoStyler* styler = new TVezPascalMemoStyler(nullptr);
    return *styler;
}

void SetShowComments(bool show)
{
    TRegionDefinitions& rules = *Styler().RegionDefinitions();
    for (int i = 0; i < rules.Count(); ++i)
        rules.GetItem(i)->SetShowComments(show);
}

std::vector<int> CheckNodes(TVezMemo& memo)
{
    std::vector<int> nodes;
    const int count = memo.Lines()->Count();
    for (int line = 0; line < count; ++line) {
        if (!memo.IsNode(line))
            continue;
        nodes.push_back(line);
        const int end = memo.GetNodeEndLine(line);
        Check(end > line && end < count);
        int rule = -1;
        std::string caption;
        if (memo.GetNodeCaption(line, rule, caption)) {
            const std::string text = memo.Lines()->Get(line);
            const size_t indent = std::min(text.find_first_not_of(' '), text.size());
            Check(caption.compare(0, indent, std::string(indent, ' ')) == 0);
            Check(caption.substr(indent, 1) == "[" && caption.back() == ']');
        }
    }
    Check(static_cast<int>(nodes.size()) == memo.CodeFoldingNodeCount());
    return nodes;
}

// At most this many rows and lines are checked: each mapping walks the lines from the first.
constexpr int Checked = 48;

void CheckMappings(TVezMemo& memo)
{
    const int count = memo.Lines()->Count();
    if (count == 0)
        return;
    const int rows = memo.LineIndexToVisIndex(count - 1) + 1;
    Check(rows >= 1 && rows <= count);
    const int step = std::max(1, rows / Checked);
    for (int row = 0; row < rows; row += step)
        Check(memo.LineIndexToVisIndex(memo.VisIndexToLineIndex(row)) == row);
    Check(memo.VisIndexToLineIndex(rows) >= count);
    for (int line = 0; line < count; line += std::max(1, count / Checked)) {
        const int shown = memo.VisIndexToLineIndex(memo.LineIndexToVisIndex(line));
        Check(shown <= line && (shown == line || (memo.IsNode(shown) && !memo.GetExpandNode(shown))));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const uint8_t flags = input.ConsumeIntegral<uint8_t>();
    std::vector<uint8_t> collapse;
    while (input.remaining_bytes() > 0 && collapse.size() < 32) {
        const uint8_t choice = input.ConsumeIntegral<uint8_t>();
        if (choice == 0)
            break;
        collapse.push_back(choice);
    }
    TVezMemo& memo = FuzzMemo();
    SetShowComments((flags & 1) != 0);
    memo.SetSyntaxStyles(&Styler());
    memo.CodeFolding()->SetEnabled(false);
    memo.Lines()->SetText(input.ConsumeRemainingBytesAsString());
    memo.CodeFolding()->SetEnabled(true); // rebuilds the regions
    const std::vector<int> nodes = CheckNodes(memo);
    CheckMappings(memo);
    for (size_t i = 0; i < nodes.size() && i < collapse.size(); ++i)
        if (collapse[i] % 2)
            memo.SetExpandNode(nodes[i], false);
    CheckMappings(memo);
    // A rebuild keeps them collapsed and the mappings whole.
    memo.AutoCodeFold();
    CheckNodes(memo);
    CheckMappings(memo);
    return 0;
}
