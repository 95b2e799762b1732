#pragma once

#include <string>
#include <string_view>

// The language file a first start chooses for the user interface's language, as the system names it ("de",
// "pt_BR", "sr@latin"): "German.ini", "Portuguese_BR.ini" for every Portuguese, "Croatian.ini" for
// Croatian, Serbian and Bosnian alike, and "English.ini" for English, an empty name and every language
// without a file of its own.
std::string FirstLanguageFileName(std::string_view uiLanguage);
