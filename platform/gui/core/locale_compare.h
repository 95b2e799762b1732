#pragma once

#include <string>
#include <string_view>

// Texts compared the way the user's language sorts them (its collation), not by code points: "a" < "B" <
// "b" in English. The answers are negative, zero or positive.

int LocaleCompareStr(std::string_view a, std::string_view b);

// Without regard to letter case: "abc" and "ABC" are equal.
int LocaleCompareText(std::string_view a, std::string_view b);

// The locale whose collation both use: a name such as "en_US" or "de_DE", or empty for the user's locale
// (the default). Tests pin one.
void SetCollationLocale(const std::string& name);
