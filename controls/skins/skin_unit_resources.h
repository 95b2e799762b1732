#pragma once

#include "platform/gui/windows/cursors.h"

// What the skinned controls share for the life of the program: the font of small captions, and three
// cursors in the screen's cursor table. StartSkinUnitResources runs once at start-up, before any window
// exists, and EndSkinUnitResources at shut-down.

class TFont;

// The cursors registered at start-up.
constexpr TCursor crSkinHandPoint = 100;  // the system's pointing hand
constexpr TCursor crSkinDragAccept = 101; // an item dragged where it can be dropped
constexpr TCursor crSkinDragCancel = 102; // an item dragged where nothing takes it

void StartSkinUnitResources();
void EndSkinUnitResources();

// The font of the captions of floating frames: the desktop's small-caption font. Made when asked for before
// start-up has run.
TFont* SmallCaptionFont();
