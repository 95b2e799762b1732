#pragma once

#include "platform/gui/core/classes.h"

#include <string>

class TVezCustomMemo;

enum TAutoCorrectType
{
    acNone,
    acLineCorrect,
    acLineCheck,
    acWordCorrect,
    acWordCheck
};

// The base of a checker of lines and words (of spelling or of syntax) that the memo calls while the user
// types: on Enter for the caret line or the word before the caret, on Tab and space for that word, as
// AutoCorrectType says. A descendant marks errors through the memo's line error marks or changes text.
class TVezMemoChecker : public TComponent
{
public:
    explicit TVezMemoChecker(TComponent* owner) : TComponent(owner) {}

    TVezCustomMemo* Memo = nullptr;
    TAutoCorrectType AutoCorrectType = acNone;

    // Clears the line's error marks.
    virtual void CheckLine(int lineNo);
    virtual void CheckWord(int, int, const std::string&) {}
    virtual void CorrectLine(int) {}
    // May change s, the word that ends before column linePos.
    virtual void CorrectWord(int, int, std::string&) {}
    // Every line of Memo, first to last; nothing without a memo.
    virtual void CheckAllLines();
    virtual void CorrectAllLines();
    // Adds an undo step to Memo that gives line lineNo its text s back.
    void AddCorrectUndo(int lineNo, const std::string& s);

protected:
    void Notification(TComponent* component, TOperation operation) override;
};
