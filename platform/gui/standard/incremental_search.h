#pragma once

#include "platform/gui/windows/timers.h"

#include <functional>
#include <string>

// Finding an item of a list by typing its first letters: the characters typed within half a second of each
// other make a prefix, and the search picks the item that starts with it, either case. A longer prefix keeps
// the current item while it still fits; a prefix that fits nothing starts again from the last character
// alone, after the current item, so that typing one letter again steps through the items it begins.
class TIncrementalSearch
{
public:
    static constexpr int kPauseMilliseconds = 500;

    TIncrementalSearch();

    // The item to choose after ch was typed in a list of count items whose current one is current (-1 for
    // none); -1 when no item starts with what was typed.
    int Type(char32_t ch, int current, int count, const std::function<std::string(int)>& itemText);
    // Forgets what was typed: the next character starts a new prefix.
    void Reset();

private:
    std::u32string prefix_;
    TOneShotTimer pause_; // runs from the last character; when it ends, the prefix is forgotten
};
