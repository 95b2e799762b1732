#pragma once

// The keyboard and mouse state the input translation records for GetKeyState; for the layer's own sources.

void NoteKeyState(int virtualKey, bool down);
void NoteModifierState(bool shift, bool ctrl, bool alt);
void NoteMouseButtonState(bool left, bool right, bool middle);
