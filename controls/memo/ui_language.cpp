#include "controls/memo/ui_language.h"

TUILanguage::TUILanguage(TComponent*) {}

void TUILanguage::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TUILanguage*>(source);
    if (!other)
        return;
    ScrollHint = other->ScrollHint;
    Undo = other->Undo;
    Redo = other->Redo;
    Copy = other->Copy;
    Cut = other->Cut;
    Paste = other->Paste;
    Delete = other->Delete;
    SelectAll = other->SelectAll;
}
