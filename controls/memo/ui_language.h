#pragma once

#include "platform/gui/core/classes.h"

#include <string>

// The few words the memo shows of its own: the captions of its context menu and the label of the scroll
// hint. A host replaces them to translate the memo.
class TUILanguage : public TPersistent
{
public:
    explicit TUILanguage(TComponent* owner);

    std::string ScrollHint = "Row";
    std::string Cut = "Cut";
    std::string Paste = "Paste";
    std::string SelectAll = "Select All";
    std::string Undo = "Undo";
    std::string Redo = "Redo";
    std::string Copy = "Copy";
    std::string Delete = "Delete";

    // Copies all eight texts from another TUILanguage; any other source is ignored.
    void Assign(const TPersistent* source) override;
};
