#pragma once

#include <cstdint>
#include <string>

// Names of the Windows language identifiers and code pages that version resources carry.

// Such as "English (United States)" for 0x0409; "Language Neutral" for 0; "Unknown language" for an
// identifier not in the table.
std::string LanguageName(uint16_t languageId);

// Such as "Western European (Windows)" for 1252; the empty text for a code page not in the table.
std::string CodePageName(uint16_t codePage);
