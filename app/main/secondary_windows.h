#pragma once

#include "app/main/form_main.h"

// The program's eight secondary windows, created in the order the program creates them, each owned by the
// main window (above it, without a task-bar entry of its own) and handed to it.
TSecondaryWindows CreateSecondaryWindows(TFormMain& formMain);
