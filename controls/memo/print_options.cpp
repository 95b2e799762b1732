#include "controls/memo/print_options.h"

void TPrintOptions::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TPrintOptions*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    JobName = other->JobName;
    Title = other->Title;
    PageNr = other->PageNr;
    PrintLineNumbers = other->PrintLineNumbers;
    MarginLeft = other->MarginLeft;
    MarginRight = other->MarginRight;
    MarginTop = other->MarginTop;
    MarginBottom = other->MarginBottom;
    PagePrefix = other->PagePrefix;
}
