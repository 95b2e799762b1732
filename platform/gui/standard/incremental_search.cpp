#include "platform/gui/standard/incremental_search.h"

#include "support/utf8.h"

namespace {

// The first item from the one at from on (wrapping round) whose text starts with prefix; -1 for none.
int FindPrefix(const std::u32string& prefix, int from, int count,
               const std::function<std::string(int)>& itemText)
{
    const std::string wanted = Utf8UpperCase(Utf32ToUtf8(prefix));
    for (int n = 0; n < count; ++n) {
        const int i = (from + n) % count;
        if (Utf8UpperCase(itemText(i)).rfind(wanted, 0) == 0)
            return i;
    }
    return -1;
}

} // namespace

TIncrementalSearch::TIncrementalSearch() : pause_([this] { prefix_.clear(); }) {}

int TIncrementalSearch::Type(char32_t ch, int current, int count,
                             const std::function<std::string(int)>& itemText)
{
    if (count <= 0)
        return -1;
    pause_.Start(kPauseMilliseconds);
    if (!prefix_.empty()) {
        const std::u32string longer = prefix_ + ch;
        if (const int found = FindPrefix(longer, std::max(current, 0), count, itemText); found >= 0) {
            prefix_ = longer;
            return found;
        }
    }
    prefix_ = std::u32string(1, ch);
    return FindPrefix(prefix_, std::max(current, -1) + 1, count, itemText);
}

void TIncrementalSearch::Reset()
{
    prefix_.clear();
    pause_.Stop();
}
