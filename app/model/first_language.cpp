#include "app/model/first_language.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace {

using TLanguageFile = std::pair<std::string_view, std::string_view>;

// Language code (ISO 639-1, and the older codes some systems still report) -> the language's file.
constexpr std::array FirstLanguageFiles = {
    TLanguageFile{"ar", "Arabic.ini"},
    TLanguageFile{"bg", "Bulgarian.ini"},
    TLanguageFile{"zh", "Chinese_Simplified.ini"},
    TLanguageFile{"cs", "Czech.ini"},
    TLanguageFile{"da", "Danish.ini"},
    TLanguageFile{"de", "German.ini"},
    TLanguageFile{"el", "Greek.ini"},
    TLanguageFile{"es", "Spanish.ini"},
    TLanguageFile{"fi", "Finnish.ini"},
    TLanguageFile{"fr", "French.ini"},
    TLanguageFile{"he", "Hebrew.ini"},
    TLanguageFile{"iw", "Hebrew.ini"},
    TLanguageFile{"hu", "Hungarian.ini"},
    TLanguageFile{"is", "Icelandic.ini"},
    TLanguageFile{"it", "Italian.ini"},
    TLanguageFile{"ja", "Japanese.ini"},
    TLanguageFile{"ko", "Korean.ini"},
    TLanguageFile{"nl", "Dutch.ini"},
    TLanguageFile{"no", "Norwegian.ini"},
    TLanguageFile{"nb", "Norwegian.ini"},
    TLanguageFile{"nn", "Norwegian.ini"},
    TLanguageFile{"pl", "Polish.ini"},
    TLanguageFile{"pt", "Portuguese_BR.ini"},
    TLanguageFile{"ro", "Romanian.ini"},
    TLanguageFile{"ru", "Russian.ini"},
    TLanguageFile{"hr", "Croatian.ini"},
    TLanguageFile{"sr", "Croatian.ini"},
    TLanguageFile{"bs", "Croatian.ini"},
    TLanguageFile{"sk", "Slovak.ini"},
    TLanguageFile{"sq", "Albanian.ini"},
    TLanguageFile{"sv", "Swedish.ini"},
    TLanguageFile{"th", "Thai.ini"},
    TLanguageFile{"tr", "Turkish.ini"},
    TLanguageFile{"uk", "Ukrainian.ini"},
    TLanguageFile{"be", "Belarusian.ini"},
    TLanguageFile{"sl", "Slovenian.ini"},
    TLanguageFile{"et", "Estonian.ini"},
    TLanguageFile{"lv", "Latvian.ini"},
    TLanguageFile{"lt", "Lithuanian.ini"},
    TLanguageFile{"vi", "Vietnamese.ini"},
};

constexpr std::string_view FallbackLanguageFile = "English.ini";

} // namespace

std::string FirstLanguageFileName(std::string_view uiLanguage)
{
    std::string code(uiLanguage.substr(0, uiLanguage.find_first_of("_-.@")));
    std::transform(code.begin(), code.end(), code.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto found = std::find_if(FirstLanguageFiles.begin(), FirstLanguageFiles.end(),
                                    [&](const TLanguageFile& entry) { return entry.first == code; });
    return std::string(found != FirstLanguageFiles.end() ? found->second : FallbackLanguageFile);
}
