#pragma once

#include "platform/gui/core/exceptions.h"

#include <string>

// A skin text holds a value that cannot be read. The message names the skin, the section, the key and the
// value, so that whoever wrote the text can find it.
class ESkinError : public Exception
{
public:
    ESkinError(std::string skinName, std::string section, std::string key, std::string value);

    const std::string& SkinName() const { return FSkinName; }
    const std::string& Section() const { return FSection; }
    const std::string& Key() const { return FKey; }
    const std::string& Value() const { return FValue; }

private:
    std::string FSkinName;
    std::string FSection;
    std::string FKey;
    std::string FValue;
};
