#pragma once

// Menus for the tests: a popup menu runs its own loop, so the test's work on it is queued before it opens.

#include <QMenu>

#include <functional>

// Runs work on the menu the next popup shows, once it is open, and closes it afterwards.
void OnNextMenu(std::function<void(QMenu&)> work);
