#pragma once

// A memo on a shown form for the memo's tests, with helpers that read and check its lines.

#include "controls/memo/encoder_log_styler.h"
#include "controls/memo/vez_memo.h"
#include "gui_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class MemoFixture : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The lines of the memo's store, one string each.
    std::vector<std::string> Lines() const;
    // Replaces the text by these lines (through the store's Text).
    void SetLines(const std::vector<std::string>& lines);
    // The caret as (column, line).
    std::pair<int, int> Caret() const { return {memo->CurX(), memo->CurY()}; }

    TForm* form = nullptr;
    TVezMemo* memo = nullptr;
};

// The lines of a store.
std::vector<std::string> LinesOf(const TStrings& lines);
// The store keeps a length for every line, each the line's number of code points, and no line holds a line
// break; a failure names the line.
void ExpectStoreConsistent(const TVezMemoStrings& lines);
// The author's lines of a memo: its rows joined where word wrap split them.
std::vector<std::string> AuthorLines(const TVezCustomMemo& memo);

// The bytes of a file.
std::string ReadFile(const std::string& path);

// A memo set up as the error log shows it: read-only, wrapped to its width, no gutter, no active line, no
// folding, no completion, an empty popup menu, its styler the Pascal preset recoloured for encoder output,
// DejaVu Sans Mono.
struct TErrorLog
{
    TVezMemo* Memo;
    TVezPascalMemoStyler* Styler;
};
TErrorLog MakeErrorLog(TForm* form, int width, int height);
