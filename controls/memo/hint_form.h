#pragma once

#include "platform/gui/forms/forms.h"

#include <string>

// The window of the parameter hints: borderless, stay-on-top and hidden until a hint shows. The parts of the
// hint text and which part is bold; the hints themselves come with the parameter hints of the memo.
class TVezHintForm : public TForm
{
public:
    explicit TVezHintForm(TComponent* owner);

    std::string part1;
    std::string part2;
    std::string part3;
    uint8_t Active = 0; // 0: nothing bold, 1 to 3: that part
};
