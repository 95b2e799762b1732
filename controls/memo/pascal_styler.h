#pragma once

#include "controls/memo/memo_styler.h"

// A ready-made styler for Pascal source: keywords, quoted strings, symbols, comments, numbers, blocks and
// folding regions, with two sample completions and parameter hints.
class TVezPascalMemoStyler : public TVezCustomMemoStyler
{
public:
    explicit TVezPascalMemoStyler(TComponent* owner);

    const std::string& Version() const { return FVersion; }

private:
    void AddElements();
    void AddRegions();

    std::string FVersion = "3.0";
};
