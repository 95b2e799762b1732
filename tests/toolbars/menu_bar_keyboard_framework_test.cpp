#include "main_window_like.h"

// The menu bar gate over the framework's own docks, bars and items.
INSTANTIATE_TEST_SUITE_P(Framework, MenuBarKeyboard, testing::Values(&FrameworkClasses()));
