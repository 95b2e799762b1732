#pragma once

#include <string>
#include <string_view>
#include <vector>

// Adds the trimmed pieces of the text between separators to the list (nothing happens when the list is
// null). Pieces before a separator are added even when empty; the piece after the last separator only
// when it is not. "a, ,b" gives "a", "" and "b"; "a,b," gives "a" and "b".
void SplitToList(std::string_view text, std::vector<std::string>* list, std::string_view separator);
