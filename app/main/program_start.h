#pragma once

#include "app/main/form_main.h"

// The program as its entry routine starts it: the toolkit from the command line, the main window (with every
// argument that names a file) and the eight secondary windows. Returns the main window, not yet shown: the
// message loop shows it.
TFormMain& StartProgram(int& argc, char** argv);
