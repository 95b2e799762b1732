#include "support/split_to_list.h"

#include "support/text_routines.h"

void SplitToList(std::string_view text, std::vector<std::string>* list, std::string_view separator)
{
    if (list == nullptr) {
        return;
    }
    std::string rest(text);
    // An empty separator would be found at every position; the whole text is then one piece.
    for (size_t at = separator.empty() ? std::string::npos : rest.find(separator); at != std::string::npos;
         at = rest.find(separator)) {
        list->push_back(Trim(std::string_view(rest).substr(0, at)));
        rest = Trim(std::string_view(rest).substr(at + separator.size()));
    }
    if (!rest.empty()) {
        list->push_back(rest);
    }
}
