#pragma once

#include "controls/grid/column.h"

#include <string>

// A column of texts, edited with the text editor: each cell shows TextBefore, its text and TextAfter, or as
// many password characters.
class TGxTextColumn : public TGxCustomColumn
{
public:
    explicit TGxTextColumn(TComponent* owner);

    // The editor's maximum length; 0 for none.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value) { SetAndRefresh(FMaxLength, value, gaBody); }
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value) { SetAndRefresh(FMultiLine, value, gaBody); }
    const std::string& TextAfter() const { return FTextAfter; }
    void SetTextAfter(const std::string& value) { SetAndRefresh(FTextAfter, value, gaBody); }
    const std::string& TextBefore() const { return FTextBefore; }
    void SetTextBefore(const std::string& value) { SetAndRefresh(FTextBefore, value, gaBody); }
    // 0 for none.
    char32_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t value) { SetAndRefresh(FPasswordChar, value, gaBody); }

    TColumnEditorClass GetCellEditorClass() const override;
    TColumnDisplayClass GetDisplayClass() const override;
    TColumnStyle GetColumnStyle() const override { return {csCanEdit, csFitToLargest, csTextFitHint}; }
    TDisplayOptions GetDisplayOptions() const override;
    // The text's width on the display's canvas + 5.
    int GetCellBestFit(const std::string& value) override;
    std::string GetDrawText(const TCellInfo& cell) override;
    bool IsKeyValid(char32_t key) const override { return key > U' '; }
    void BeginEditing() override;

    void Assign(const TPersistent* source) override;

private:
    int FMaxLength = 0;
    bool FMultiLine = false;
    std::string FTextAfter;
    std::string FTextBefore;
    char32_t FPasswordChar = 0;
};
