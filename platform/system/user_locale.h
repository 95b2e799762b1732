#pragma once

#include "support/format_settings.h"

#include <string>

// The user's language and number formats, as the process environment names them (LC_ALL, LC_MESSAGES,
// LC_NUMERIC, LANG). The process's own locale is left alone: numbers the program reads and writes in files
// and command lines keep ".".

// The language of the user interface: the first of the values of LC_ALL, LC_MESSAGES and LANG that is not
// empty names the locale, and its language code is the answer ("de_DE.UTF-8" gives "de"). "C" and "POSIX"
// (with or without a code set) name no language: the empty text.
std::string UiLanguageOf(const std::string& lcAll, const std::string& lcMessages, const std::string& lang);
// The same for this process's environment.
std::string SystemUiLanguage();

// Takes a locale's decimal and thousands separators as its numeric conventions give them. A separator that
// is not a single UTF-8 character (none at all, or a legacy code set's byte) is not taken; where the
// locale has no thousands separator, the one taken is the other of "." and "," than the decimal separator.
// A decimal comma makes lists separate with ";".
void TakeNumberSeparators(TFormatSettings& settings, const std::string& decimalPoint,
                          const std::string& thousandsSeparator);

// Fills the separators from the numeric conventions of the locale named; the empty name is the locale the
// environment names ("C" gives "." and ","). False, with the settings unchanged, when that locale is not
// installed.
bool ReadLocaleNumberFormats(TFormatSettings& settings, const std::string& localeName = "");
