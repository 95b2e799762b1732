#pragma once

#include "platform/gui/core/strings.h"
#include "platform/gui/standard/edits.h"

#include <memory>

// The multi-line edit. Its Lines are the lines of its text (split at the line breaks, CR LF inside the
// text); the line messages (EM_GETLINECOUNT, EM_LINEINDEX, EM_LINESCROLL...) count rows as laid out, so
// with WordWrap a long line counts as several.

enum TScrollStyle
{
    ssNone,
    ssHorizontal,
    ssVertical,
    ssBoth
};

class TCustomMemo : public TCustomEdit
{
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    TStrings* Lines() const;
    void SetLines(const TStrings* lines);
    bool WordWrap() const { return Editor().WordWrap(); }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    // Enter types a line break; without it Enter is left to the form (its default button).
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    // Tab types a tab; without it Tab moves the focus.
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value);
    // X the character in the row, Y the row.
    void SetCaretPos(TPoint pos);

protected:
    void CreateParams(TCreateParams& params) override;
    unsigned DialogCode() const override;
    void KeyPress(char32_t& key) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

private:
    class TMemoStrings;
    std::unique_ptr<TMemoStrings> lines_;
    TScrollStyle scrollBars_ = ssNone;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
};

class TMemo : public TCustomMemo
{
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
};
