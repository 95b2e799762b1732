#pragma once

#include "controls/memo/vez_custom_memo.h"

// The memo as forms use it: 350 x 250 pixels, a 13-pixel Courier face, and its own reactions to gutter
// clicks and changes of its lines. Its word ends also include the characters its styler counts as word
// boundaries.
class TVezMemo : public TVezCustomMemo
{
public:
    explicit TVezMemo(TComponent* owner);

    bool IsDelimiter(char32_t ch) const override;

private:
    // The memo's own drawing of a gutter row: the line's number and marks.
    void DrawGutterLine(TObject* sender, TCanvas* canvas, int lineNo, TRect rect);

    // Kept as the memo has always had them; nothing reads them.
    [[maybe_unused]] bool FInComment = false;
    [[maybe_unused]] int FInBrackets = -1;
    std::string FVersionString;
};
