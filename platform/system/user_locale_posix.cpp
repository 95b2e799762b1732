#include "platform/system/user_locale.h"

#include "support/utf8.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>

namespace {

bool NamesNoLanguage(const std::string& locale)
{
    const std::string name = locale.substr(0, locale.find('.'));
    return name == "C" || name == "POSIX";
}

bool IsOneCharacter(const std::string& text)
{
    return IsValidUtf8(text) && Utf8Length(text) == 1;
}

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string UiLanguageOf(const std::string& lcAll, const std::string& lcMessages, const std::string& lang)
{
    for (const std::string* value : {&lcAll, &lcMessages, &lang}) {
        if (value->empty())
            continue;
        if (NamesNoLanguage(*value))
            return "";
        return Utf8LowerCase(value->substr(0, value->find_first_of("_.@")));
    }
    return "";
}

std::string SystemUiLanguage()
{
    return UiLanguageOf(EnvironmentValue("LC_ALL"), EnvironmentValue("LC_MESSAGES"),
                        EnvironmentValue("LANG"));
}

void TakeNumberSeparators(TFormatSettings& settings, const std::string& decimalPoint,
                          const std::string& thousandsSeparator)
{
    if (!IsOneCharacter(decimalPoint))
        return;
    settings.DecimalSeparator = decimalPoint;
    if (IsOneCharacter(thousandsSeparator) && thousandsSeparator != decimalPoint)
        settings.ThousandSeparator = thousandsSeparator;
    else
        settings.ThousandSeparator = decimalPoint == "," ? "." : ",";
    settings.ListSeparator = decimalPoint == "," ? ";" : ",";
}

bool ReadLocaleNumberFormats(TFormatSettings& settings, const std::string& localeName)
{
    const locale_t locale = newlocale(LC_NUMERIC_MASK, localeName.c_str(), static_cast<locale_t>(nullptr));
    if (!locale)
        return false;
    TakeNumberSeparators(settings, nl_langinfo_l(RADIXCHAR, locale), nl_langinfo_l(THOUSEP, locale));
    freelocale(locale);
    return true;
}
