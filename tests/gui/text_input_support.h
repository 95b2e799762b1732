#pragma once

// Keys for the text-control tests come from the test driver.

#include "gui_driver.h"
