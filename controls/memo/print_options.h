#pragma once

#include "platform/gui/core/classes.h"

#include <string>

// The print settings the memo keeps for a host that prints it.
class TPrintOptions : public TPersistent
{
public:
    std::string JobName;
    std::string Title;
    bool PageNr = false;
    bool PrintLineNumbers = false;
    int32_t MarginLeft = 0;
    int32_t MarginRight = 0;
    int32_t MarginTop = 0;
    int32_t MarginBottom = 0;
    std::string PagePrefix;

    void Assign(const TPersistent* source) override;
};
