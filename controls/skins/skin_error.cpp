#include "controls/skins/skin_error.h"

ESkinError::ESkinError(std::string skinName, std::string section, std::string key, std::string value)
    : Exception("Skin \"" + skinName + "\", section [" + section + "], key " + key + ": \"" + value +
                "\" is not a colour"),
      FSkinName(std::move(skinName)), FSection(std::move(section)), FKey(std::move(key)),
      FValue(std::move(value))
{}
