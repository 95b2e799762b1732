#include "controls/memo/memo_source_checker.h"

#include "controls/memo/vez_custom_memo.h"

void TVezMemoChecker::CheckLine(int lineNo)
{
    if (!Memo || lineNo < 0 || lineNo >= Memo->Lines()->Count())
        return;
    Memo->ClearLineErrors(lineNo);
}

void TVezMemoChecker::CheckAllLines()
{
    if (!Memo)
        return;
    for (int i = 0; i < Memo->Lines()->Count(); ++i)
        CheckLine(i);
}

void TVezMemoChecker::CorrectAllLines()
{
    if (!Memo)
        return;
    for (int i = 0; i < Memo->Lines()->Count(); ++i)
        CorrectLine(i);
}

void TVezMemoChecker::AddCorrectUndo(int lineNo, const std::string& s)
{
    if (Memo)
        Memo->UndoList()->Add(new TCorrectUndo(lineNo, s));
}

void TVezMemoChecker::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component && component == Memo)
        Memo = nullptr;
    TComponent::Notification(component, operation);
}
